// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include "unit_conv/number_rules.h"
#include "unit_conv/unit_row.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>

namespace unit_conv {

// One step of a conversion: target <- from × factor, or from ÷ factor. Steps read box
// texts, never earlier results, so each carries the rounding of the box it reads.
struct Step {
    enum class Op { Multiply, Divide };
    std::size_t target;
    std::size_t from;
    Op op;
    double factor;
};

constexpr Step times(std::size_t target, std::size_t from, double factor) {
    return {target, from, Step::Op::Multiply, factor};
}
constexpr Step over(std::size_t target, std::size_t from, double factor) {
    return {target, from, Step::Op::Divide, factor};
}

// The first non-empty box among [first, last), if any.
std::optional<std::size_t> firstFilled(const UnitRow &row, std::size_t first, std::size_t last);

// Writes RoundedText(value) into the target box; false (and nothing written) when the value
// is beyond the range of a double.
bool writeRounded(UnitRow &row, std::size_t target, double value, const Separators &separators);

// Runs the steps in order and stops at the first that fails to read its box or overflows;
// boxes written before stay written.
bool runSteps(UnitRow &row, std::span<const Step> steps, const Separators &separators);

// A category whose first filled box is the source: steps[source] converts from it.
// Nothing happens (successfully) when every box is empty.
template <std::size_t Units>
bool convertFromFirstFilled(UnitRow &row,
                            const std::array<std::array<Step, Units - 1>, Units> &steps,
                            const Separators &separators) {
    if (row.size() != Units)
        return false;
    const std::optional<std::size_t> source = firstFilled(row, 0, Units);
    return !source || runSteps(row, steps[*source], separators);
}

} // namespace unit_conv
