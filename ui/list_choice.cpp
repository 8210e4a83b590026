// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "ui/list_choice.h"

#include <QComboBox>

namespace ui {

int chooseShownItem(QComboBox *list) {
    const QString shown = list->currentText();
    if (list->currentIndex() >= 0 && list->itemText(list->currentIndex()) == shown)
        return list->currentIndex();
    const int found = list->findText(shown, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (found >= 0)
        list->setCurrentIndex(found);
    return found;
}

} // namespace ui
