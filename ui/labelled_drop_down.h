// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <QComboBox>

namespace ui {

// A drop-down list with no caption beside it. Qt on Linux names a drop-down list by its
// current text alone, and leaves the naming to a caption label; this one is named by what
// it is, then what it shows ("Drive, /"), and follows its current text.
class LabelledDropDown : public QComboBox {
    Q_OBJECT

public:
    LabelledDropDown(const QString &spokenName, QWidget *parent);
};

} // namespace ui
