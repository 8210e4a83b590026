// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <string>
#include <vector>

namespace unit_conv {

// The texts of one category's boxes, in the order Convert examines them. A box counts as
// empty only when its text is the empty string: blanks are a (failing) value.
using UnitRow = std::vector<std::string>;

} // namespace unit_conv
