// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <optional>
#include <string_view>

namespace calendar {

// A month typed by hand: 1 to 12, one leading zero allowed ("7", "07", "12").
// Surrounding blanks are ignored; anything else is no month.
std::optional<int> parseTypedMonth(std::string_view text);

// A year typed by hand: exactly four digits, 1000 to 9999. Surrounding blanks are ignored;
// anything else (two-digit years included) is no year.
std::optional<int> parseTypedYear(std::string_view text);

} // namespace calendar
