// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <QProxyStyle>

namespace ui {

// The platform's style, except that frames (group boxes) are drawn as a plain etched line
// without a fill: some styles tint a group box's inside, and the designed background
// colour must be what the user sees there. Menu bar titles take the colour of text on the
// window, whose background they stand on, not the button text colour that styles give them.
// The frame's line runs round the whole group box, its caption inside: Qt 6.8's Fusion
// starts it below the caption instead, and the layout must not change with Qt's version.
class PlainFrameStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                         SubControl subControl, const QWidget *widget = nullptr) const override;
};

} // namespace ui
