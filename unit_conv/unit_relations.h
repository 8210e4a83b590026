// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include "unit_conv/number_rules.h"

#include <functional>
#include <string>
#include <string_view>

namespace unit_conv {

// What the unit of box `box` (its design name: "tsubo", "foot", "dc") is worth as the
// converter reckons it, written with the converter's own constants and the user's
// separators: "1 tsubo = 3.306 sq. m", "1 foot = 31 cm = 0.31 m". Empty for a box that
// every other unit of its row is reckoned from, and for a name that is no unit box.
//
// `words` gives the words shown for each English unit name and formula of these texts
// (context "UnitRelation"; a formula holds %1, %2 and %3 where its numbers go); without
// it, the English ones.
using Words = std::function<std::string(const char *english)>;
std::string RelationText(std::string_view box, const Separators &separators,
                         const Words &words = {});

} // namespace unit_conv
