// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "ui/controls.h"

#include <QAction>
#include <QPushButton>
#include <QWidget>

namespace ui {

QAction *addMenuItem(QWidget *menu, const char *name, const QString &caption) {
    QAction *action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, QRect rect) {
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(rect);
    button->setAutoDefault(false);
    return button;
}

} // namespace ui
