// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <QRect>
#include <QString>

class QAction;
class QPushButton;
class QWidget;

namespace ui {

// A menu item named `name` at the end of `menu` (a QMenu, or a QMenuBar for an item that
// acts at once); "&" in `caption` marks its access key.
QAction *addMenuItem(QWidget *menu, const char *name, const QString &caption);

// A command button at its designed place. It is never the window's default button, so
// Enter in another control presses nothing.
QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, QRect rect);

} // namespace ui
