// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "ui/program_icon.h"

#include <QIcon>
#include <QPixmap>

#include "ui/zendrel_icon.xpm"

namespace ui {

QIcon programIcon() {
    const QPixmap picture(zendrel_icon_xpm);
    QIcon icon(picture);
    // Pixel-doubled rather than smoothed, so that the icon stays crisp on high density screens.
    icon.addPixmap(
        picture.scaled(picture.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    return icon;
}

} // namespace ui
