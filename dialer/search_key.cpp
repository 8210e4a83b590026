// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "dialer/search_key.h"

namespace dialer {

QString searchKey(const QString &text) {
    // Compatibility decomposition splits "ç" into "c" and a combining cedilla (and a
    // ligature such as "ﬁ" into "fi"); the combining marks are then dropped.
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString key;
    key.reserve(decomposed.size());
    for (const QChar c : decomposed)
        if (c.category() != QChar::Mark_NonSpacing)
            key.append(c);
    return key.toCaseFolded();
}

} // namespace dialer
