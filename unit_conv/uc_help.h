// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <QMainWindow>

// The converter's help: what Convert does, with two examples.
class UcHelp : public QMainWindow {
    Q_OBJECT

public:
    explicit UcHelp(QWidget *parent = nullptr);
};
