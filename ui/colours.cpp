// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "ui/colours.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace ui {

QColor light3D() {
    const QPalette palette = QApplication::palette();
    // Light is pure white on many styles; Midlight keeps a visible difference.
    QColor colour = palette.color(QPalette::Light);
    if (colour == Qt::white)
        colour = palette.color(QPalette::Midlight);
    if (colour == Qt::white)
        colour = QColor(227, 227, 227);
    return colour;
}

QColor tooltipBackground() {
    return QApplication::palette().color(QPalette::ToolTipBase);
}

void setBackground(QWidget *widget, const QColor &colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace ui
