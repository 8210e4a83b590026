// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "ui/message_box.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPointer>
#include <QString>

namespace ui {

void showError(QWidget *parent, const QString &text) {
    // On the heap: a parent window closed and deleted while the box waits deletes the box
    // with it, and a box on the stack would then be destroyed a second time.
    //: Title of the box that tells of a failure.
    const QString title = QCoreApplication::translate("ErrorBox", "Error");
    auto *box = new QMessageBox(QMessageBox::Critical, title, text, QMessageBox::Ok, parent);
    const QPointer<QMessageBox> alive = box;
    box->exec();
    delete alive.data();
}

} // namespace ui
