// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "unit_conv/conversion_steps.h"
#include "unit_conv/conversions.h"

namespace unit_conv {

namespace {

using namespace weight;

// Grams are the hub. The ounce is 28 g and the pound 454 g, so a pound is not 16 ounces.
constexpr double kGramsPerKg = 1000;
constexpr double kGramsPerOunce = 28;
constexpr double kGramsPerPound = 454;

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
