// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include "dialer/country_finder.h"
#include "dialer/dialing_tables.h"

#include <string_view>

namespace dialer {

// What the list item of a table entry is found by in the installed language: its name
// there; its English name; the names people use for it in that language and in English;
// the names iso-codes gives its country, translated and in English; its country's ISO
// codes; and, for a destination, its dialing codes. A carrier's entry is found as its country
// is.
FindableEntry findableEntry(const SourceEntry &entry);
FindableEntry findableEntry(const DestinationEntry &entry);

// The dialing codes of a destination string, country code and area code apart: "-44-(0)-"
// gives "44", "-1-787- or -1-939-" gives "1 787" and "1 939".
QStringList dialCodes(std::string_view destination);

} // namespace dialer
