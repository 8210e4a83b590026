// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "wave/folder_path.h"

namespace wave {

QString JoinFolderAndFile(const QString &folder, const QString &fileName, QChar separator) {
    if (folder.endsWith(separator))
        return folder + fileName;
    return folder + separator + fileName;
}

QStringList FolderAndParents(const QString &folder) {
    QStringList chain;
    QString path = folder;
    for (;;) {
        chain.prepend(path);
        const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
        if (slash < 0 || path.size() == slash + 1)
            break; // a root: "/" or "C:/"
        // The folder above a child of a root keeps the root's slash.
        const bool parentIsRoot = path.indexOf(QLatin1Char('/')) == slash;
        path.truncate(parentIsRoot ? slash + 1 : slash);
    }
    return chain;
}

} // namespace wave
