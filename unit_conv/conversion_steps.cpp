// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "unit_conv/conversion_steps.h"

#include <cmath>

namespace unit_conv {

std::optional<std::size_t> firstFilled(const UnitRow &row, std::size_t first, std::size_t last) {
    for (std::size_t i = first; i < last && i < row.size(); ++i) {
        if (!row[i].empty())
            return i;
    }
    return std::nullopt;
}

bool writeRounded(UnitRow &row, std::size_t target, double value, const Separators &separators) {
    if (!std::isfinite(value))
        return false;
    row[target] = RoundedText(value, separators);
    return true;
}

bool runSteps(UnitRow &row, std::span<const Step> steps, const Separators &separators) {
    for (const Step &step : steps) {
        const std::optional<double> value = ParseValue(row[step.from], separators);
        if (!value)
            return false;
        const double result =
            step.op == Step::Op::Multiply ? *value * step.factor : *value / step.factor;
        if (!writeRounded(row, step.target, result, separators))
            return false;
    }
    return true;
}

} // namespace unit_conv
