// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "unit_conv/conversion_steps.h"
#include "unit_conv/conversions.h"
#include "unit_conv/unit_constants.h"

namespace unit_conv {

namespace {

using namespace area;
using namespace constants::area;

// Steps for each source, indexed by that box.
constexpr std::array<std::array<Step, kBoxes - 1>, kBoxes> kSteps{{
    {over(km2, m2, kM2PerKm2), over(tsubo, m2, kM2PerTsubo), over(ft2, m2, kM2PerFt2),
     over(yd2, m2, kM2PerYd2), over(ha, m2, kM2PerHa), over(acre, ha, kHaPerAcre)},
    {times(m2, km2, kM2PerKm2), over(tsubo, m2, kM2PerTsubo), over(ft2, m2, kM2PerFt2),
     over(yd2, m2, kM2PerYd2), over(ha, m2, kM2PerHa), over(acre, ha, kHaPerAcre)},
    {times(m2, tsubo, kM2PerTsubo), over(km2, m2, kM2PerKm2), over(ft2, m2, kM2PerFt2),
     over(yd2, m2, kM2PerYd2), over(ha, m2, kM2PerHa), over(acre, ha, kHaPerAcre)},
    {times(m2, ft2, kM2PerFt2), over(km2, m2, kM2PerKm2), over(tsubo, m2, kM2PerTsubo),
     over(yd2, m2, kM2PerYd2), over(ha, m2, kM2PerHa), over(acre, ha, kHaPerAcre)},
    {times(m2, yd2, kM2PerYd2), over(km2, m2, kM2PerKm2), over(tsubo, m2, kM2PerTsubo),
     over(ft2, m2, kM2PerFt2), over(ha, m2, kM2PerHa), over(acre, ha, kHaPerAcre)},
    {times(m2, ha, kM2PerHa), over(km2, m2, kM2PerKm2), over(tsubo, m2, kM2PerTsubo),
     over(ft2, m2, kM2PerFt2), over(yd2, m2, kM2PerYd2), over(acre, ha, kHaPerAcre)},
    {times(ha, acre, kHaPerAcre), times(m2, ha, kM2PerHa), over(km2, m2, kM2PerKm2),
     over(tsubo, m2, kM2PerTsubo), over(ft2, m2, kM2PerFt2), over(yd2, m2, kM2PerYd2)},
}};

} // namespace

bool ConvertArea(UnitRow &row, const Separators &separators) {
    return convertFromFirstFilled(row, kSteps, separators);
}

} // namespace unit_conv
