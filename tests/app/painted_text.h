// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <QColor>
#include <QList>
#include <QString>

class QWidget;

namespace painted_text {

// One text as the window paints it: the colour that stands out most from the background
// around it, and that background (the colour most pixels of its area have).
struct PaintedText {
    QString what; // objectName, and the text for menu items and list entries
    QColor text;
    QColor background;
    double contrast = 1;
};

// Every visible text of `window` and of its menus, measured from a picture of each:
// labels, frame captions, menu titles and items, and the text of edit boxes (also those of
// the lists), buttons and text boxes.
QList<PaintedText> measure(QWidget *window);

} // namespace painted_text
