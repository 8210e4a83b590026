// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "dialer/search_key.h"

namespace dialer {

namespace {

// The kana voicing marks: "バ" is another syllable than "ハ", not "ハ" with an accent.
bool isVoicingMark(QChar c) {
    return c == QChar(0x3099) || c == QChar(0x309A);
}

// Hiragana that have a katakana twin, the same syllable 0x60 code points on.
bool isTwinnedHiragana(QChar c) {
    return c >= QChar(0x3041) && c <= QChar(0x3096);
}

} // namespace

QString searchKey(const QString &text) {
    // Compatibility decomposition splits "ç" into "c" and a combining cedilla, a ligature
    // such as "ﬁ" into "fi", and maps full-width letters and half-width kana to their usual
    // forms; the accents are then dropped.
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString key;
    key.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (isTwinnedHiragana(c))
            key.append(QChar(c.unicode() + 0x60));
        else if (c.category() != QChar::Mark_NonSpacing || isVoicingMark(c))
            key.append(c);
    }
    // Composed again, so that "ﾊﾞ" (two half-width characters) and "バ" read the same.
    return key.normalized(QString::NormalizationForm_KC).toCaseFolded();
}

} // namespace dialer
