// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "tests/random_actions/random_text.h"

#include <array>

namespace random_actions {

namespace {

// Half of a surrogate pair, which no valid text contains but clipboards can deliver.
constexpr char16_t kLoneSurrogate[] = {0xD800, u'x', 0};

template <std::size_t N>
QString pick(QRandomGenerator &random, const std::array<const char16_t *, N> &pool) {
    // Taken as it is: a decoder would drop a leading byte order mark.
    return QStringView(pool[random.bounded(static_cast<quint32>(N))]).toString();
}

// Pieces of numbers in both common decimal notations, with signs, exponents, grouping and
// the corners of 64-bit floating point.
QString numberLike(QRandomGenerator &random) {
    static constexpr std::array<const char16_t *, 24> pieces{
        u"0", u"1",   u"7",  u"12",    u"180",    u"2200",   u"999999999",    u".",
        u",", u"-",   u"+",  u"E",     u"e",      u"E+308",  u"E-324",        u"E400",
        u" ", u"1.5", u"-0", u"1,000", u"\u00A0", u"\u202F", u"\u0661\u0662", u"\uFF11"};
    QString text;
    const int count = 1 + static_cast<int>(random.bounded(6));
    for (int i = 0; i < count; ++i)
        text += pick(random, pieces);
    return text;
}

// Letters and marks from outside ASCII, including ones that trouble text layout.
QString foreign(QRandomGenerator &random) {
    static constexpr std::array<const char16_t *, 20> pieces{
        u"\u00E9t\u00E9",
        u"Stra\u00DFe",
        u"\u540D\u524D",
        u"\u6708\u66DC",
        u"\U0001F600",
        u"\U0001F468\u200D\U0001F469\u200D\U0001F467",
        u"\u05E9\u05DC\u05D5\u05DD",
        u"\u0645\u0631\u062D\u0628\u0627",
        u"e\u0301\u0301\u0301",
        u"\u202E12\u202C",
        u"\u200F",
        u"\u0001",
        u"\u007F",
        u"\t",
        u"\n",
        u"\uFEFF",
        kLoneSurrogate,
        u"\uFFFD",
        u"\u0130\u0131",
        u"Z\u0351\u0352\u0353\u0354"};
    QString text;
    const int count = 1 + static_cast<int>(random.bounded(4));
    for (int i = 0; i < count; ++i)
        text += pick(random, pieces);
    return text;
}

QString blanks(QRandomGenerator &random) {
    static constexpr std::array<const char16_t *, 5> pieces{u"", u" ", u"   ", u"\u3000", u" 5 "};
    return pick(random, pieces);
}

// Long runs of one piece: digits that overflow any number, or text that strains layout.
QString veryLong(QRandomGenerator &random) {
    const QString piece = random.bounded(2) ? numberLike(random) : foreign(random);
    const qsizetype length = 10'000 + random.bounded(40'000);
    QString text;
    text.reserve(length + piece.size());
    while (text.size() < length)
        text += piece;
    return text;
}

} // namespace

QString randomText(QRandomGenerator &random) {
    const quint32 kind = random.bounded(100);
    if (kind < 45)
        return numberLike(random);
    if (kind < 70)
        return foreign(random);
    if (kind < 80)
        return blanks(random);
    if (kind < 95)
        return numberLike(random) + foreign(random) + numberLike(random);
    return veryLong(random);
}

} // namespace random_actions
