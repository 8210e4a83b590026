// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <QProxyStyle>

namespace ui {

// The platform's style, except that frames (group boxes) are drawn as a plain etched line
// without a fill: some styles tint a group box's inside, and the designed background
// colour must be what the user sees there.
class PlainFrameStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
};

} // namespace ui
