// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "ui/colours.h"

#include <QApplication>
#include <QEvent>
#include <QPalette>
#include <QWidget>

#include <utility>

#include "ui/contrast.h"

namespace ui {

namespace {

class ColourSchemeWatcher : public QObject {
public:
    ColourSchemeWatcher(QWidget *widget, std::function<void()> handler)
        : QObject(widget), handler_(std::move(handler)) {
        // Qt tells the windows of a scheme change, not always every widget inside them.
        widget->window()->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::ApplicationPaletteChange)
            handler_();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> handler_;
};

} // namespace

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
    palette.setColor(QPalette::WindowText, readableText(colour, kDesignedText));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void onColourSchemeChange(QWidget *widget, std::function<void()> handler) {
    new ColourSchemeWatcher(widget, std::move(handler));
}

} // namespace ui
