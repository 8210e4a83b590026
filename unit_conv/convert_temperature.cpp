// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "unit_conv/conversion_steps.h"
#include "unit_conv/conversions.h"
#include "unit_conv/unit_constants.h"

namespace unit_conv {

bool ConvertTemperature(UnitRow &row, const Separators &separators) {
    using namespace temperature;
    using namespace constants::temperature;
    if (row.size() != kBoxes)
        return false;
    // Evaluated in this order on purpose: the rounding of each operation shows in the
    // last digits, and an intermediate beyond the range of a double fails the step.
    if (!row[dc].empty()) {
        const std::optional<double> celsius = ParseValue(row[dc], separators);
        return celsius &&
               writeRounded(row, df,
                            *celsius * kFahrenheitStep / kCelsiusStep + kFahrenheitAtFreezing,
                            separators);
    }
    if (!row[df].empty()) {
        const std::optional<double> fahrenheit = ParseValue(row[df], separators);
        return fahrenheit &&
               writeRounded(row, dc,
                            (*fahrenheit - kFahrenheitAtFreezing) * kCelsiusStep / kFahrenheitStep,
                            separators);
    }
    return true;
}

} // namespace unit_conv
