// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace dialer {

// What a list item is found by.
struct FindableEntry {
    QString shownName;
    // Names besides the shown one; where several match what was typed, the offer tells the
    // first.
    QStringList otherNames;
    // Found only when typed whole ("us", "USA"): ISO codes, as the offer tells them.
    QStringList codes;
    // Dialing codes, country code and area code apart: "44", "1 876". Found by their digits,
    // typed with or without "+" and blanks.
    QStringList dialCodes;
};

// An entry found for what was typed.
struct Offer {
    qsizetype entry; // position among the entries searched
    // What was found when it is not the shown name: another name, "USA", "+1 876". Empty
    // when the shown name holds what was typed.
    QString matched;

    bool operator==(const Offer &) const = default;
};

// Finds entries as the user types, comparing search keys (accents, case, width and kana
// folded). Every entry whose shown or other name contains what was typed is found, as is an
// entry whose code was typed whole or whose dialing code begins with the digits typed. A
// typed number that no dialing code begins with (a whole telephone number) finds the entries
// with the longest code it begins with.
class CountryFinder {
public:
    explicit CountryFinder(const std::vector<FindableEntry> &entries);

    // First what was typed whole (a code, a dialing code, a name), then dialing codes that go
    // on after the digits typed, then names that hold what was typed; each group in the
    // entries' order.
    std::vector<Offer> find(const QString &typed) const;

private:
    struct Keyed {
        QString text; // as shown in an offer
        QString key;  // as compared
    };
    struct Entry {
        QString shownKey;
        std::vector<Keyed> names;
        std::vector<Keyed> codes;
        std::vector<Keyed> dialCodes; // keyed by their digits
    };
    std::vector<Entry> entries_;
};

} // namespace dialer
