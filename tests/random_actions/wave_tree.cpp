// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "tests/random_actions/wave_tree.h"

#include <QDir>

#include "tests/wave/wave_files.h"

namespace random_actions {

WaveTree::WaveTree() {
    if (!dir_.isValid())
        return;
    const QDir root(dir_.path());
    for (const char *folder :
         {"sub/deeper", "folder.wav", "\u00FCn\u00EFc\u00F8d\u00E9 \u540D\u524D"})
        root.mkpath(QString::fromUtf8(folder));

    using wave_files::canonicalHeader;
    using wave_files::write;
    write(dir_, QStringLiteral("stereo.wav"), canonicalHeader(2, 44100, 16));
    write(dir_, QStringLiteral("MONO.WAV"), canonicalHeader(1, 8000, 8));
    write(dir_, QStringLiteral("short.wav"), canonicalHeader(2, 22050, 16).left(30));
    write(dir_, QStringLiteral("empty.wav"), {});
    write(dir_, QStringLiteral("text.wav"), "not a wave file, only words\n");
    write(dir_, QStringLiteral("notes.txt"), "skipped by the list\n");
    write(dir_, QStringLiteral(".hidden.wav"), canonicalHeader(1, 11025, 8));
    write(dir_, QStringLiteral("folder.wav/inside.wav"), canonicalHeader(1, 96000, 24));
    write(dir_, QStringLiteral("sub/odd rate.wav"), canonicalHeader(6, 7, 12));
    write(dir_, QStringLiteral("sub/deeper/deep.wav"), canonicalHeader(2, 48000, 32));
    write(
        dir_,
        QString::fromUtf8("\u00FCn\u00EFc\u00F8d\u00E9 \u540D\u524D/\u00E9t\u00E9 \U0001F600.wav"),
        canonicalHeader(2, 32000, 16));
}

bool WaveTree::contains(const QString &path) const {
    const QString clean = QDir::cleanPath(path);
    return clean == root() || clean.startsWith(root() + QLatin1Char('/'));
}

} // namespace random_actions
