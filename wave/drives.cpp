// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "wave/drives.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace wave {

namespace {

bool isDriveLetterRoot(const QString &path) {
    return path.size() == 3 && path[0].isLetter() && path[1] == QLatin1Char(':') &&
           path[2] == QLatin1Char('/');
}

} // namespace

QStringList MountedDrives() {
    QStringList roots;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        // Containers bind-mount single files (/etc/hosts); they are no drives.
        if (volume.isValid() && volume.isReady() && QFileInfo(volume.rootPath()).isDir())
            roots.append(volume.rootPath());
    }
    // A drive letter stays on offer while its drive is not ready (a card reader without its
    // card), as Windows shows it; picking it then says so.
    for (const QFileInfo &drive : QDir::drives()) {
        const QString root = drive.absoluteFilePath();
        if (isDriveLetterRoot(root))
            roots.append(root);
    }
    roots.sort();
    roots.removeDuplicates();
    return roots;
}

bool DriveIsReady(const QString &root) {
    const QStorageInfo drive(root);
    return drive.isValid() && drive.isReady();
}

QString DriveOf(const QString &folder) {
    const QString root = QStorageInfo(folder).rootPath();
    return root.isEmpty() ? QStringLiteral("/") : root;
}

} // namespace wave
