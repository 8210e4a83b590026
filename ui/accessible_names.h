// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace ui {

// Lets a screen reader name `control` after the caption label that stands for it: the
// label becomes its buddy (the labelled-by relation that Linux screen readers follow), and
// the control's accessible name is the caption with its runs of blanks folded. A caption
// holding "&" is not made a buddy, since a buddy would turn the "&" into an access key.
void nameAfterLabel(QWidget *control, QLabel *label);

// An accessible name where no label, or no label alone, tells the control apart. An
// editable list's field carries the name too: it holds the focus on behalf of its list.
void setSpokenName(QWidget *control, const QString &name);

} // namespace ui
