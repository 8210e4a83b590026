// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "wave/folder_listing.h"

#include <QDir>
#include <QFileInfo>

namespace wave {

// Where file names are Unicode already, Qt lists them without loss.
FolderListing ListFolder(const QString &folder) {
    FolderListing listing;
    const QDir dir(folder);
    if (!dir.exists() || !QFileInfo(folder).isReadable()) {
        listing.error = QStringLiteral("The folder cannot be read.");
        return listing;
    }
    listing.subfolders = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    listing.waveFiles = dir.entryList({QStringLiteral("*.wav")}, QDir::Files);
    listing.waveFiles.removeIf([](const QString &name) { return !IsWaveFileName(name); });
    SortNamesForDisplay(listing.subfolders);
    SortNamesForDisplay(listing.waveFiles);
    listing.readable = true;
    return listing;
}

QString CurrentFolder() {
    return QDir::currentPath();
}

} // namespace wave
