// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringList>

class QFont;
class QMainWindow;

namespace ui {

// Where a help window and its text box stand, in logical pixels.
struct HelpWindowDesign {
    const char *name;      // the window's objectName
    QSize clientSize;      // fixed client area
    QRect textGeometry;    // the text box within the client area
    QPoint clientPosition; // first place of the client area on the screen
};

// Builds `window` as a help window captioned "Help": a close box only, and one read-only
// text box "Text1" (selectable and copyable, no scroll bars, tooltip background) holding
// `lines`, with the focus.
void buildHelpWindow(QMainWindow *window, const HelpWindowDesign &design, const QFont &font,
                     const QStringList &lines);

} // namespace ui
