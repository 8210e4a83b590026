// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <QColor>

#include <functional>

class QWidget;

namespace ui {

// Background shared by every tool window, its frames and labels (light peach).
inline const QColor kToolBackground{255, 224, 192};
// Background of the main window (light grey).
inline const QColor kMainBackground{224, 224, 224};
// Background of the wave file selection window.
inline const QColor kSelectionBackground{192, 192, 192};
// The text colour the designed backgrounds were made with.
inline const QColor kDesignedText{0, 0, 0};

// The theme's light 3D edge colour, never pure white so that a white cell stands out.
QColor light3D();
// The theme's tooltip (info) background.
QColor tooltipBackground();

// Paints `widget` and every child that does not fill its own background (labels, frames,
// the menu bar) in `colour`, with their text in the designed dark text, or in white where
// the dark text would not read (a dark theme's light 3D colour). The desktop's scheme
// cannot change either: a dark scheme's light text would vanish on the designed colours.
// Edit boxes, buttons and lists keep the scheme's own pair of colours.
void setBackground(QWidget *widget, const QColor &colour);

// Runs `handler` whenever the desktop changes the colour scheme while `widget` exists, so
// that colours taken from the scheme can be taken anew. `widget` must be in its window.
void onColourSchemeChange(QWidget *widget, std::function<void()> handler);

} // namespace ui
