// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "ui/plain_frame_style.h"

#include <QPainter>
#include <QStyleOption>
#include <qdrawutil.h>

namespace ui {

void PlainFrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                    QPainter *painter, const QWidget *widget) const {
    if (element == PE_FrameGroupBox) {
        qDrawShadeRect(painter, option->rect, option->palette, true, 1, 0);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void PlainFrameStyle::drawControl(ControlElement element, const QStyleOption *option,
                                  QPainter *painter, const QWidget *widget) const {
    if (element == CE_MenuBarItem) {
        if (const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option)) {
            QStyleOptionMenuItem onWindow(*item);
            onWindow.palette.setBrush(QPalette::ButtonText, item->palette.windowText());
            QProxyStyle::drawControl(element, &onWindow, painter, widget);
            return;
        }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

QRect PlainFrameStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                                      SubControl subControl, const QWidget *widget) const {
    if (control == CC_GroupBox && subControl == SC_GroupBoxFrame)
        return option->rect;
    return QProxyStyle::subControlRect(control, option, subControl, widget);
}

} // namespace ui
