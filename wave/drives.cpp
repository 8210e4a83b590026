// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "wave/drives.h"

#include <QFileInfo>
#include <QStorageInfo>

namespace wave {

QStringList MountedDrives() {
    QStringList roots;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        // Containers bind-mount single files (/etc/hosts); they are no drives.
        if (volume.isValid() && volume.isReady() && QFileInfo(volume.rootPath()).isDir())
            roots.append(volume.rootPath());
    }
    roots.sort();
    roots.removeDuplicates();
    return roots;
}

QString DriveOf(const QString &folder) {
    const QString root = QStorageInfo(folder).rootPath();
    return root.isEmpty() ? QStringLiteral("/") : root;
}

} // namespace wave
