// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <QMainWindow>

// The dialer's help: the dialling sequence, explained in a fixed monospace text.
class CcHelp : public QMainWindow {
    Q_OBJECT

public:
    explicit CcHelp(QWidget *parent = nullptr);
};
