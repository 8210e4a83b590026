// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "wave/folder_listing.h"

#include <QCoreApplication>

#include <algorithm>
#include <cerrno>
#include <system_error>

namespace wave {

bool IsWaveFileName(const QString &name) {
    return name.endsWith(QLatin1String(".wav"), Qt::CaseInsensitive);
}

QString UnreadableReason(int errorNumber) {
    switch (errorNumber) {
    case ENOENT:
        return QCoreApplication::translate("FolderListing", "No such file or directory");
    case ENOTDIR:
        return QCoreApplication::translate("FolderListing", "Not a directory");
    case EACCES:
        return QCoreApplication::translate("FolderListing", "Permission denied");
    default:
        return QString::fromStdString(std::generic_category().message(errorNumber));
    }
}

void SortNamesForDisplay(QStringList &names) {
    // Plain code point order with case folded: the same in every locale, and quick enough
    // for tens of thousands of names.
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
}

} // namespace wave
