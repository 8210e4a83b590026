// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "calendar/typed_month_year.h"

#include <charconv>

namespace calendar {

namespace {

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view blanks = " \t";
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// Only plain ASCII digits: from_chars alone would also take a leading minus sign.
std::optional<int> digitsValue(std::string_view text) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace

std::optional<int> parseTypedMonth(std::string_view text) {
    text = trimmed(text);
    if (text.size() > 2)
        return std::nullopt;
    const std::optional<int> month = digitsValue(text);
    if (!month || *month < 1 || *month > 12)
        return std::nullopt;
    return month;
}

std::optional<int> parseTypedYear(std::string_view text) {
    text = trimmed(text);
    if (text.size() != 4)
        return std::nullopt;
    const std::optional<int> year = digitsValue(text);
    if (!year || *year < 1000)
        return std::nullopt;
    return year;
}

} // namespace calendar
