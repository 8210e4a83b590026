// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "tests/wave/wave_files.h"

#include <QFile>

namespace wave_files {

// Taking the read permission sets no access list here; the tests have no other user either.
bool permissionsApply() {
    return false;
}

// Names are UTF-16 on disk, which Qt reaches without loss; UTF-8 stands for them here.
void writeByName(const QTemporaryDir &dir, const QByteArray &nativeName, const QByteArray &bytes) {
    write(dir, nameOf(nativeName), bytes);
}

void removeByName(const QTemporaryDir &dir, const QByteArray &nativeName) {
    QFile::remove(dir.filePath(nameOf(nativeName)));
}

QString nameOf(const QByteArray &nativeName) {
    return QString::fromUtf8(nativeName);
}

QByteArray nativePath(const QString &path) {
    return path.toUtf8();
}

bool makeFifo(const QString &) {
    return false;
}

} // namespace wave_files
