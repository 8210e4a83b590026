// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "ui/fonts.h"

#include <QStringList>

namespace ui {

namespace {

constexpr double kDesignedPointSize = 8.25;

// The first installed family wins; the style hint picks a like font when none is. Hinted
// only vertically, text keeps the widths its font gives it, as Linux desktops draw it:
// hinted across as well (Windows' GDI, FreeType without fontconfig), every character
// rounds to whole pixels, and the designed captions and help lines grow past their boxes.
QFont designedFont(const QStringList &families, QFont::StyleHint hint) {
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(hint);
    font.setHintingPreference(QFont::PreferVerticalHinting);
    font.setFixedPitch(hint == QFont::TypeWriter);
    font.setPointSizeF(kDesignedPointSize);
    return font;
}

} // namespace

QFont dialogFont() {
    return designedFont({QStringLiteral("MS Shell Dlg 2"), QStringLiteral("Liberation Sans"),
                         QStringLiteral("Arimo"), QStringLiteral("Arial"),
                         QStringLiteral("Helvetica")},
                        QFont::SansSerif);
}

QFont verdanaFont() {
    return designedFont({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"),
                         QStringLiteral("Liberation Sans"), QStringLiteral("Arial")},
                        QFont::SansSerif);
}

QFont courierNewFont() {
    return designedFont({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                         QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Monospace")},
                        QFont::TypeWriter);
}

} // namespace ui
