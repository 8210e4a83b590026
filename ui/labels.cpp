// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "ui/labels.h"

#include <QLabel>

namespace ui {

QLabel *makeLabel(QWidget *parent, const char *name, const QString &caption, QRect rect,
                  Qt::Alignment alignment) {
    auto *label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(alignment | Qt::AlignTop);
    label->setGeometry(rect);
    keepTextVisible(label);
    return label;
}

void keepTextVisible(QLabel *label) {
    const int missing = label->sizeHint().width() - label->width();
    if (missing <= 0 || label->wordWrap())
        return;
    QRect rect = label->geometry();
    const Qt::Alignment horizontal = label->alignment() & Qt::AlignHorizontal_Mask;
    if (horizontal & Qt::AlignHCenter)
        rect.adjust(-(missing + 1) / 2, 0, (missing + 1) / 2, 0);
    else if (horizontal & Qt::AlignRight)
        rect.adjust(-missing, 0, 0, 0);
    else
        rect.adjust(0, 0, missing, 0);
    label->setGeometry(rect);
}

} // namespace ui
