// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <QMainWindow>

// The start-up window: a greeting and the Options menu that opens each tool.
class PlimMain : public QMainWindow {
    Q_OBJECT

public:
    explicit PlimMain(QWidget *parent = nullptr);

private slots:
    void mnuUnit_conv_Click();
    void mnuCountry_code_Click();
    void mnuCalendar_Click();
    void mnuWav_anal_Click();
    void mnuExit_Click();
};
