// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "ui/message_box.h"

#include <QMessageBox>
#include <QPointer>
#include <QString>

namespace ui {

void showError(QWidget *parent, const QString &text) {
    // On the heap: should the parent window be closed and deleted while the box waits, it
    // takes the box with it, which a box on the stack would then be destroyed twice.
    const QString title = QStringLiteral("Error");
    auto *box = new QMessageBox(QMessageBox::Critical, title, text, QMessageBox::Ok, parent);
    const QPointer<QMessageBox> alive = box;
    box->exec();
    delete alive.data();
}

} // namespace ui
