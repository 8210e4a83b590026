// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

// Rounding any finite double to 10 decimals gives a text that reads back as a number within
// half a unit of the tenth decimal (plus the 15 significant digits the text keeps).

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "unit_conv/number_rules.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size < sizeof(double))
        return 0;
    double value = 0;
    std::memcpy(&value, data, sizeof value);
    if (!std::isfinite(value))
        return 0;
    const unit_conv::Separators separators;
    const auto back = unit_conv::ParseValue(unit_conv::RoundedText(value, separators), separators);
    if (!back)
        std::abort();
    const double allowed = 0.5e-10 + std::fabs(value) * 1e-14;
    if (!(std::fabs(*back - value) <= allowed))
        std::abort();
    return 0;
}
