// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <QString>

#include <string_view>

namespace dialer {

// The context of the table texts' translations.
inline constexpr char kCountryContext[] = "Country";

// A table entry's list text as the user reads it: its translation in the installed
// language, or the text as written where there is none.
QString countryName(std::string_view listText);

} // namespace dialer
