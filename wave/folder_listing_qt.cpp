// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "wave/folder_listing.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>

namespace wave {

namespace {

// The reasons as the POSIX layer reports them, so that the window's message reads the same
// on every system.
QString whyUnreadable(const QString &folder) {
    const QFileInfo info(folder);
    if (!info.exists())
        return UnreadableReason(ENOENT);
    if (!info.isDir())
        return UnreadableReason(ENOTDIR);
    return UnreadableReason(EACCES);
}

} // namespace

// Where file names are Unicode already, Qt lists them without loss.
FolderListing ListFolder(const QString &folder) {
    FolderListing listing;
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isReadable()) {
        listing.error = whyUnreadable(folder);
        return listing;
    }
    // Qt's own filters let a link to a FIFO or a device pass as a file; the kind of what an
    // entry leads to decides here, links followed, as on POSIX.
    const QFileInfoList entries =
        QDir(folder).entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        const QString name = entry.fileName();
        if (name.startsWith(QLatin1Char('.')))
            continue; // hidden
        if (entry.isDir())
            listing.subfolders.append(name);
        else if (entry.isFile() && IsWaveFileName(name))
            listing.waveFiles.append(name);
    }
    SortNamesForDisplay(listing.subfolders);
    SortNamesForDisplay(listing.waveFiles);
    listing.readable = true;
    return listing;
}

QString CurrentFolder() {
    // Empty when the folder the program started in has been removed since.
    const QString current = QDir::currentPath();
    return current.isEmpty() ? QDir::rootPath() : current;
}

} // namespace wave
