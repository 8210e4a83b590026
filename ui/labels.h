// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <QRect>
#include <QString>
#include <Qt>

class QLabel;
class QWidget;

namespace ui {

// A caption label at its designed place. Where the font in use is wider than the one the
// layout was designed for, the label grows around its alignment (centred labels on both
// sides, left-aligned ones to the right) instead of cutting its text off.
QLabel *makeLabel(QWidget *parent, const char *name, const QString &caption, QRect rect,
                  Qt::Alignment alignment = Qt::AlignLeft);

// The same growth for a label built elsewhere.
void keepTextVisible(QLabel *label);

} // namespace ui
