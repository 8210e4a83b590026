// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <QColor>

class QWidget;

namespace ui {

// Background shared by every tool window, its frames and labels (light peach).
inline const QColor kToolBackground{255, 224, 192};
// Background of the main window (light grey).
inline const QColor kMainBackground{224, 224, 224};
// Background of the wave file selection window.
inline const QColor kSelectionBackground{192, 192, 192};

// The theme's light 3D edge colour, never pure white so that a white cell stands out.
QColor light3D();
// The theme's tooltip (info) background.
QColor tooltipBackground();

// Paints `widget` and every child that does not fill its own background (labels, frames)
// in `colour`.
void setBackground(QWidget *widget, const QColor &colour);

} // namespace ui
