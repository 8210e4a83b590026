// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

class QComboBox;

namespace dialer {

// Typing into the list's field pops up, in list order, the items whose text contains what
// was typed anywhere, ignoring accents and letter case; choosing one chooses that list
// position. The list itself is never sorted, filtered or changed.
void addCountrySearch(QComboBox *list);

} // namespace dialer
