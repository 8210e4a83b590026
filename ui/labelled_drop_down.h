// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <QComboBox>

namespace ui {

// A drop-down list with no caption beside it. Qt on Linux names a drop-down list by its
// current text alone, and leaves the naming to a caption label; this one is named by what
// it is ("Drive"), and what it shows is its value and the selected item of its list, so
// that a screen reader says each once and the name stays put as the choice changes.
class LabelledDropDown : public QComboBox {
    Q_OBJECT

public:
    LabelledDropDown(const QString &spokenName, QWidget *parent);
};

} // namespace ui
