// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "ui/dialog_role.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace ui {

namespace {

constexpr const char *kDialogProperty = "zendrel_dialog";

// Qt asks every factory for the object's own class before its base classes, so a window
// class of its own reaches this factory before Qt's answer for QWidget.
QAccessibleInterface *dialogFactory(const QString &className, QObject *object) {
    auto *window = qobject_cast<QWidget *>(object);
    if (!window || !window->property(kDialogProperty).toBool() ||
        className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    return new QAccessibleWidget(window, QAccessible::Dialog);
}

} // namespace

void announceAsDialog(QWidget *window) {
    window->setProperty(kDialogProperty, true);
    QAccessible::installFactory(dialogFactory); // once: Qt ignores a factory it holds
}

} // namespace ui
