// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "ui/accessible_names.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace ui {

void nameAfterLabel(QWidget *control, QLabel *label) {
    if (!label->text().contains(QLatin1Char('&')))
        label->setBuddy(control);
    setSpokenName(control, label->text().simplified());
}

void setSpokenName(QWidget *control, const QString &name) {
    control->setAccessibleName(name);
    if (auto *list = qobject_cast<QComboBox *>(control); list && list->lineEdit())
        list->lineEdit()->setAccessibleName(name);
}

} // namespace ui
