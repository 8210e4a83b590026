// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "dialer/country_finder.h"

#include "dialer/search_key.h"

#include <algorithm>

namespace dialer {

namespace {

// The digits of `word` where it reads as a dialing code or a telephone number: "+" first or
// not, then digits with blanks, hyphens, dots, slashes or parentheses between, as numbers
// are written ("+44 (0)20 7946 0000"). Empty where it reads otherwise.
QString dialedDigits(const QString &word) {
    static const QString separators = QStringLiteral(" -./()");
    QString digits;
    for (qsizetype i = 0; i < word.size(); ++i) {
        const QChar c = word.at(i);
        if (c.isDigit())
            digits.append(QChar(u'0' + c.digitValue())); // other scripts' digits too
        else if (!(c == u'+' && i == 0) && !separators.contains(c))
            return {};
    }
    return digits;
}

} // namespace

CountryFinder::CountryFinder(const std::vector<FindableEntry> &entries) {
    entries_.reserve(entries.size());
    for (const FindableEntry &entry : entries) {
        Entry keyed{searchKey(entry.shownName), {}, {}, {}};
        for (const QString &name : entry.otherNames)
            keyed.names.push_back({name, searchKey(name)});
        for (const QString &code : entry.codes)
            keyed.codes.push_back({code, searchKey(code)});
        for (const QString &code : entry.dialCodes)
            keyed.dialCodes.push_back({QLatin1Char('+') + code, dialedDigits(code)});
        entries_.push_back(std::move(keyed));
    }
}

std::vector<Offer> CountryFinder::find(const QString &typed) const {
    const QString key = searchKey(typed);
    if (key.isEmpty())
        return {};
    const QString word = key.trimmed();
    const QString digits = dialedDigits(word);

    // A number that no dialing code begins with is taken for a whole telephone number: it
    // finds the entries of the longest code it begins with ("+1 876 555" is Jamaica's, not
    // the United States').
    qsizetype numberCode = 0;
    if (!digits.isEmpty()) {
        bool begun = false;
        for (const Entry &entry : entries_) {
            for (const Keyed &code : entry.dialCodes) {
                begun = begun || code.key.startsWith(digits);
                if (digits.startsWith(code.key))
                    numberCode = std::max(numberCode, code.key.size());
            }
        }
        if (begun)
            numberCode = 0;
    }

    std::vector<Offer> whole;
    std::vector<Offer> partial;
    std::vector<Offer> named;
    for (qsizetype at = 0; at < static_cast<qsizetype>(entries_.size()); ++at) {
        const Entry &entry = entries_[static_cast<std::size_t>(at)];
        const bool shown = entry.shownKey.contains(key);
        const auto offer = [&](const Keyed &found) {
            return Offer{at, shown ? QString() : found.text};
        };

        const auto code = std::find_if(entry.codes.begin(), entry.codes.end(),
                                       [&](const Keyed &code) { return code.key == word; });
        if (code != entry.codes.end()) {
            whole.push_back(offer(*code));
            continue;
        }
        if (!digits.isEmpty()) {
            const Keyed *goesOn = nullptr;
            const Keyed *equal = nullptr;
            for (const Keyed &dialCode : entry.dialCodes) {
                if (dialCode.key == digits ||
                    (dialCode.key.size() == numberCode && digits.startsWith(dialCode.key)))
                    equal = equal ? equal : &dialCode;
                else if (dialCode.key.startsWith(digits))
                    goesOn = goesOn ? goesOn : &dialCode;
            }
            if (equal || goesOn) {
                (equal ? whole : partial).push_back(offer(equal ? *equal : *goesOn));
                continue;
            }
        }
        // A name typed whole ranks with the codes: "UK" offers the United Kingdom before
        // Ukraine, "Niger" offers Niger before Nigeria.
        if (entry.shownKey == word) {
            whole.push_back({at, {}});
            continue;
        }
        const auto name = std::find_if(entry.names.begin(), entry.names.end(),
                                       [&](const Keyed &name) { return name.key == word; });
        if (name != entry.names.end()) {
            whole.push_back(offer(*name));
            continue;
        }
        if (shown) {
            named.push_back({at, {}});
            continue;
        }
        const auto part = std::find_if(entry.names.begin(), entry.names.end(),
                                       [&](const Keyed &name) { return name.key.contains(key); });
        if (part != entry.names.end())
            named.push_back(offer(*part));
    }
    whole.insert(whole.end(), partial.begin(), partial.end());
    whole.insert(whole.end(), named.begin(), named.end());
    return whole;
}

} // namespace dialer
