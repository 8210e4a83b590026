// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace unit_conv {

// The user's regional separators, as UTF-8 text. The window takes them from the locale;
// the rules below never look at a locale themselves.
struct Separators {
    std::string decimal = ".";
    std::string group = ",";
};

// Reads a number typed by the user: blanks around it, an optional sign, digits with the
// decimal separator and grouping separators (each followed by three digits, so that a
// mistyped separator fails instead of silently scaling the number), an optional exponent
// ("1E3", "2.5e-3"). Fails (nullopt) on anything else, on empty or blank text and beyond
// the range of a double; a value too small for a double reads as zero.
std::optional<double> ParseValue(std::string_view text, const Separators &separators);

// At most 15 significant digits, no trailing zeros, exponent form below 0.0001 and from
// 1E+15 up ("2.54E-05", "1.5E+16"), zero of either sign as "0". `value` must be finite.
std::string NumberText(double value, const Separators &separators);

// `value` rounded to 10 decimals, an exact tie going to the even digit, then NumberText.
std::string RoundedText(double value, const Separators &separators);

} // namespace unit_conv
