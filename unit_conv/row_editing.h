// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include "unit_conv/number_rules.h"
#include "unit_conv/unit_row.h"

#include <QList>

class QLineEdit;

namespace unit_conv {

using Conversion = bool (*)(UnitRow &, const Separators &);

// The separators of the user's locale: Qt's default locale, which is the system locale
// unless a test pins another.
Separators localeSeparators();

// Reads the boxes into a row, converts it and shows the result. A conversion that stops
// early still shows what it wrote; a box whose text stays the same is not touched, so the
// source keeps its cursor and undo history.
void convertBoxes(const QList<QLineEdit *> &boxes, Conversion convert);

// Empties the boxes in order.
void clearBoxes(const QList<QLineEdit *> &boxes);

} // namespace unit_conv
