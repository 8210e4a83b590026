// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <QPoint>
#include <QSize>

class QMainWindow;
class QWidget;

namespace ui {

// Title bar with a close box only: no minimise or maximise button.
void setCloseBoxOnly(QWidget *window);

// Gives `window` a client area of `size` (logical pixels) below its menu bar, if it has one.
// With `fixed`, the window cannot be resized. Child controls are placed on the returned
// widget at absolute positions, as designed.
QWidget *makeClientArea(QMainWindow *window, QSize size, bool fixed = true);

// Places the window so that its client area (below the menu bar) starts at `topLeft`
// (logical pixels from the top left of the primary screen).
void placeClientArea(QMainWindow *window, QPoint topLeft);

// Places the window frame's top left corner on the screen's top left corner.
void placeAtScreenOrigin(QWidget *window);

// Centres the window on the primary screen's available area.
void centreOnScreen(QWidget *window);

} // namespace ui
