// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "ui/message_box.h"

#include <QMessageBox>
#include <QString>

namespace ui {

void showError(QWidget *parent, const QString &text) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"), text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace ui
