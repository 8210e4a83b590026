// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "unit_conv/conversion_steps.h"
#include "unit_conv/conversions.h"
#include "unit_conv/unit_constants.h"

#include <cmath>

namespace unit_conv {

namespace {

using namespace length;
using namespace constants::length;

constexpr std::size_t kSingleBoxes = mile + 1;

// Steps for each single-box source, indexed by that box.
constexpr std::array<std::array<Step, kSingleBoxes - 1>, kSingleBoxes> kSingleSteps{{
    {over(m, cm, kCmPerM), over(km, m, kMPerKm), over(inch, cm, kCmPerInch),
     over(foot, m, kMPerFoot), over(yard, m, kMPerYard), over(mile, km, kKmPerMile)},
    {times(cm, m, kCmPerM), over(km, m, kMPerKm), over(inch, cm, kCmPerInch),
     over(foot, m, kMPerFoot), over(yard, m, kMPerYard), over(mile, km, kKmPerMile)},
    {times(cm, km, kCmPerKm), over(m, cm, kCmPerM), over(inch, cm, kCmPerInch),
     over(foot, m, kMPerFoot), over(yard, m, kMPerYard), over(mile, km, kKmPerMile)},
    {times(cm, inch, kCmPerInch), over(m, cm, kCmPerM), over(km, m, kMPerKm),
     over(foot, m, kMPerFoot), over(yard, m, kMPerYard), over(mile, km, kKmPerMile)},
    {times(cm, foot, kCmPerFoot), over(m, cm, kCmPerM), over(km, m, kMPerKm),
     over(inch, cm, kCmPerInch), over(yard, m, kMPerYard), over(mile, km, kKmPerMile)},
    {times(m, yard, kMPerYard), times(cm, m, kCmPerM), over(km, m, kMPerKm),
     over(inch, cm, kCmPerInch), over(foot, m, kMPerFoot), over(mile, km, kKmPerMile)},
    {times(km, mile, kKmPerMile), times(m, km, kMPerKm), times(cm, m, kCmPerM),
     over(inch, cm, kCmPerInch), over(foot, m, kMPerFoot), over(yard, m, kMPerYard)},
}};

// After the pair has set `foot`.
constexpr std::array<Step, 6> kFromFoot{times(cm, foot, kCmPerFoot), over(m, cm, kCmPerM),
                                        over(km, m, kMPerKm),        over(inch, cm, kCmPerInch),
                                        over(yard, m, kMPerYard),    over(mile, km, kKmPerMile)};

// After the pair has set `inch`.
constexpr std::array<Step, 6> kFromInch{times(cm, inch, kCmPerInch), over(m, cm, kCmPerM),
                                        over(km, m, kMPerKm),        over(foot, m, kMPerFoot),
                                        over(yard, m, kMPerYard),    over(mile, km, kKmPerMile)};

// The foot box as whole feet (toward minus infinity) and the inches left over. The inches
// are not rounded to 10 decimals, so they may show the residue of the subtraction.
bool SplitFeetInches(UnitRow &row, const Separators &separators) {
    const std::optional<double> feet = ParseValue(row[foot], separators);
    if (!feet)
        return false;
    row[feet_c] = NumberText(std::floor(*feet), separators);
    const std::optional<double> wholeFeet = ParseValue(row[feet_c], separators);
    if (!wholeFeet)
        return false;
    const double inches = (*feet - *wholeFeet) * kInchesPerPairFoot;
    if (!std::isfinite(inches))
        return false;
    row[inch_c] = NumberText(inches, separators);
    return true;
}

bool convertFromPair(UnitRow &row, const Separators &separators) {
    const bool haveFeet = !row[feet_c].empty();
    const bool haveInches = !row[inch_c].empty();
    if (haveFeet && haveInches) {
        // Both are read before anything is written.
        const std::optional<double> inches = ParseValue(row[inch_c], separators);
        if (!inches)
            return false;
        const std::optional<double> feet = ParseValue(row[feet_c], separators);
        return feet && writeRounded(row, foot, *feet + *inches / kInchesPerPairFoot, separators) &&
               runSteps(row, kFromFoot, separators);
    }
    // The empty partner becomes "0" first and stays so when the other box fails to read.
    // (assign, not = "0", which GCC 12 inlines into a false -Wrestrict warning.)
    if (haveFeet) {
        row[inch_c].assign(1, '0');
        const std::optional<double> feet = ParseValue(row[feet_c], separators);
        return feet && writeRounded(row, foot, *feet, separators) &&
               runSteps(row, kFromFoot, separators);
    }
    if (haveInches) {
        row[feet_c].assign(1, '0');
        const std::optional<double> inches = ParseValue(row[inch_c], separators);
        return inches && writeRounded(row, inch, *inches, separators) &&
               runSteps(row, kFromInch, separators);
    }
    return true;
}

} // namespace

bool ConvertLength(UnitRow &row, const Separators &separators) {
    if (row.size() != kBoxes)
        return false;
    if (const std::optional<std::size_t> source = firstFilled(row, 0, kSingleBoxes))
        return runSteps(row, kSingleSteps[*source], separators) && SplitFeetInches(row, separators);
    return convertFromPair(row, separators);
}

} // namespace unit_conv
