// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "wave/folder_listing.h"

#include <algorithm>

namespace wave {

bool IsWaveFileName(const QString &name) {
    return name.endsWith(QLatin1String(".wav"), Qt::CaseInsensitive);
}

void SortNamesForDisplay(QStringList &names) {
    // Plain code point order with case folded: the same in every locale, and quick enough
    // for tens of thousands of names.
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
}

} // namespace wave
