// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <QMainWindow>

class QComboBox;
class QLineEdit;

// The country code dialer: pick where a call is dialled from and where it goes, and
// Submit shows the digits to dial before the area code.
class CcCode : public QMainWindow {
    Q_OBJECT

public:
    explicit CcCode(QWidget *parent = nullptr);

private slots:
    void Submit_Click();
    void mnuHelp_Click();

private:
    QComboBox *src_ = nullptr;
    QComboBox *dest_ = nullptr;
    QLineEdit *out_ = nullptr;
};
