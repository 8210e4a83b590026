// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "ui/accessible_names.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace ui {

QString spokenCaption(const QString &caption) {
    QString spoken = caption;
    spoken.remove(QLatin1Char('{')).remove(QLatin1Char('}'));
    return spoken.simplified();
}

void nameAfterLabel(QWidget *control, QLabel *label) {
    if (!label->text().contains(QLatin1Char('&')))
        label->setBuddy(control);
    const QString spoken = spokenCaption(label->text());
    // A label's own name is its text unless told otherwise; only a caption that sounds
    // different needs one.
    if (spoken != label->text())
        label->setAccessibleName(spoken);
    setSpokenName(control, spoken);
}

void setSpokenName(QWidget *control, const QString &name) {
    control->setAccessibleName(name);
    if (auto *list = qobject_cast<QComboBox *>(control); list && list->lineEdit())
        list->lineEdit()->setAccessibleName(name);
}

} // namespace ui
