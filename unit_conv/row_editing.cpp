// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "unit_conv/row_editing.h"

#include <QLineEdit>
#include <QLocale>

namespace unit_conv {

Separators localeSeparators() {
    const QLocale locale;
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

void convertBoxes(const QList<QLineEdit *> &boxes, Conversion convert) {
    UnitRow row;
    row.reserve(static_cast<std::size_t>(boxes.size()));
    for (const QLineEdit *box : boxes)
        row.push_back(box->text().toStdString());
    // Changes are found against the texts as read, not against the boxes: text that UTF-8
    // cannot carry (an unpaired surrogate) or that decoding drops (a leading byte order
    // mark) would otherwise make the source look changed and be rewritten.
    const UnitRow read = row;
    // A failed conversion has no message: the boxes it wrote before failing show that.
    convert(row, localeSeparators());
    for (std::size_t i = 0; i < row.size(); ++i) {
        if (row[i] != read[i])
            boxes[static_cast<qsizetype>(i)]->setText(QString::fromStdString(row[i]));
    }
}

void clearBoxes(const QList<QLineEdit *> &boxes) {
    for (QLineEdit *box : boxes)
        box->clear();
}

} // namespace unit_conv
