// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace ui {

// A caption as a listener should hear it: runs of blanks, which only place words on
// screen, folded to one, and braces, which only group words on screen, dropped.
QString spokenCaption(const QString &caption);

// Lets a screen reader name `control` after the caption label that stands for it: the
// label becomes its buddy (the labelled-by relation that Linux screen readers follow), and
// both are named by the spoken form of the caption. A caption holding "&" is not made a
// buddy, since a buddy would turn the "&" into an access key.
void nameAfterLabel(QWidget *control, QLabel *label);

// An accessible name where no label, or no label alone, tells the control apart. An
// editable list's field carries the name too: it holds the focus on behalf of its list.
void setSpokenName(QWidget *control, const QString &name);

} // namespace ui
