// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

// Writes the program icon as PNG files for the desktop's icon theme: the designed 32 by 32
// picture and pixel-doubled copies, so that it stays crisp at every size the theme asks for.

#include <QImage>

#include <cstdio>
#include <cstdlib>

#include "ui/zendrel_icon.xpm"

int main(int argc, char *argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s SIZE:OUTPUT.png...\n", argv[0]);
        return 2;
    }
    const QImage picture(zendrel_icon_xpm);
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        const int size = argument.section(QLatin1Char(':'), 0, 0).toInt();
        const QString path = argument.section(QLatin1Char(':'), 1);
        if (size <= 0 || path.isEmpty() ||
            !picture.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                 .save(path, "PNG")) {
            std::fprintf(stderr, "could not write %s\n", argv[i]);
            return EXIT_FAILURE;
        }
    }
    return EXIT_SUCCESS;
}
