// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include "dialer/country_finder.h"

#include <vector>

class QComboBox;

namespace dialer {

// Typing into the list's field pops up the items that CountryFinder finds for what was
// typed, in its order; an item found by another name or a code reads "United Kingdom (+44)".
// Choosing one puts its text into the field and chooses that list position. The list itself
// is never sorted, filtered or changed. `entries` tells what each item is found by, in list
// order.
void addCountrySearch(QComboBox *list, const std::vector<FindableEntry> &entries);

} // namespace dialer
