// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include "unit_conv/number_rules.h"
#include "unit_conv/unit_row.h"

#include <cstddef>

namespace unit_conv {

// Box positions within each category's UnitRow, in examination order.
namespace length {
// The single boxes, then the {feet + inch} pair.
enum Box : std::size_t { cm, m, km, inch, foot, yard, mile, feet_c, inch_c, kBoxes };
} // namespace length
namespace area {
enum Box : std::size_t { m2, km2, tsubo, ft2, yd2, ha, acre, kBoxes };
}
namespace volume {
enum Box : std::size_t { l, gal, qt, pt, floz, go, sho, kBoxes };
}
namespace weight {
enum Box : std::size_t { g, kg, oz, lb, kBoxes };
}
namespace temperature {
enum Box : std::size_t { dc, df, kBoxes };
}

// Each Convert takes the first filled box of its row as the source, keeps its text and
// writes every other box from the texts of boxes already final. It returns false when a
// box it reads is no number, a result exceeds the range of a double or the row has the
// wrong size; the boxes written up to then keep their new texts. A row of empty boxes is
// left as it is (true).
bool ConvertLength(UnitRow &row, const Separators &separators);
bool ConvertArea(UnitRow &row, const Separators &separators);
bool ConvertVolume(UnitRow &row, const Separators &separators);
bool ConvertWeight(UnitRow &row, const Separators &separators);
bool ConvertTemperature(UnitRow &row, const Separators &separators);

} // namespace unit_conv
