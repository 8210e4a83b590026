// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "unit_conv/conversion_steps.h"
#include "unit_conv/conversions.h"
#include "unit_conv/unit_constants.h"

namespace unit_conv {

namespace {

using namespace weight;
using namespace constants::weight;

// Steps for each source, indexed by that box.
constexpr std::array<std::array<Step, kBoxes - 1>, kBoxes> kSteps{{
    {over(kg, g, kGramsPerKg), over(oz, g, kGramsPerOunce), over(lb, g, kGramsPerPound)},
    {times(g, kg, kGramsPerKg), over(oz, g, kGramsPerOunce), over(lb, g, kGramsPerPound)},
    {times(g, oz, kGramsPerOunce), over(kg, g, kGramsPerKg), over(lb, g, kGramsPerPound)},
    {times(g, lb, kGramsPerPound), over(kg, g, kGramsPerKg), over(oz, g, kGramsPerOunce)},
}};

} // namespace

bool ConvertWeight(UnitRow &row, const Separators &separators) {
    return convertFromFirstFilled(row, kSteps, separators);
}

} // namespace unit_conv
