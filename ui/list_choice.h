// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

class QComboBox;

namespace ui {

// An editable list whose field shows exactly the text of one of its items counts that item
// as chosen, however the text got there (typed, pasted, or set by a screen reader). Where
// several items read the same, the current item stays chosen if it is one of them,
// otherwise the first of them is. Makes that item current and returns its position; -1
// (the current item left as it is) when no item reads so.
int chooseShownItem(QComboBox *list);

} // namespace ui
