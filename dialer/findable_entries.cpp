// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "dialer/findable_entries.h"

#include "dialer/country_names.h"
#include "dialer/iso_countries.h"
#include "dialer/other_names.h"
#include "dialer/search_key.h"

#include <QCoreApplication>
#include <QSet>

#include <algorithm>
#include <string>

namespace dialer {

namespace {

QString text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// A message in the installed language; the message itself where it has no translation.
QString translated(const char *context, std::string_view message) {
    // translate() wants a terminated string; a view need not end where its text does.
    const std::string key(message);
    return QCoreApplication::translate(context, key.c_str());
}

// The names people use for the country of `listText` and `isoCode`: those of its own
// destination entry, or else those of the destination with its code (a carrier's country,
// a country the source table spells otherwise).
std::string_view namesMessage(std::string_view listText, std::string_view isoCode) {
    std::string_view message = otherNamesMessage(listText);
    if (!message.empty() || isoCode.empty())
        return message;
    const auto same = std::find_if(DestinationCodes.begin(), DestinationCodes.end(),
                                   [&](const auto &entry) { return entry.isoCode == isoCode; });
    return same == DestinationCodes.end() ? std::string_view() : otherNamesMessage(same->listText);
}

FindableEntry makeFindable(std::string_view listText, std::string_view isoCode,
                           QStringList dialCodes) {
    FindableEntry findable{countryName(listText), {}, {}, std::move(dialCodes)};
    const std::string_view names = namesMessage(listText, isoCode);
    const IsoCountry *iso = findIsoCountry(isoCode);

    // The reader's own language first: an offer then tells what its reader typed.
    QStringList candidates;
    if (!names.empty()) {
        // An empty translation says the language has no names of its own: it reads as none.
        const QStringList own = splitNames(translated(kOtherNamesContext, names));
        candidates << (own.isEmpty() ? splitNames(text(names)) : own);
    }
    if (iso) {
        for (const std::string_view name : iso->names)
            if (!name.empty())
                candidates << translated(kIsoNameContext, name);
    }
    candidates << text(listText);
    if (!names.empty())
        candidates << splitNames(text(names));
    if (iso) {
        for (const std::string_view name : iso->names)
            if (!name.empty())
                candidates << text(name);
    }
    QSet<QString> known{searchKey(findable.shownName)};
    for (const QString &name : candidates) {
        const QString key = searchKey(name);
        if (!known.contains(key)) {
            known.insert(key);
            findable.otherNames << name;
        }
    }

    if (iso) {
        findable.codes << text(iso->code);
        for (const std::string_view code : iso->otherCodes)
            if (!code.empty())
                findable.codes << text(code);
    }
    return findable;
}

} // namespace

FindableEntry findableEntry(const SourceEntry &entry) {
    return makeFindable(entry.listText,
                        entry.isoCode.empty() ? entry.carrierCountry : entry.isoCode, {});
}

FindableEntry findableEntry(const DestinationEntry &entry) {
    return makeFindable(entry.listText, entry.isoCode, dialCodes(entry.destination));
}

QStringList dialCodes(std::string_view destination) {
    // The domestic prefix in parentheses is no part of the code, and may hold " or " itself.
    QString outside;
    int depth = 0;
    for (const char c : destination) {
        if (c == '(')
            ++depth;
        else if (c == ')')
            --depth;
        else if (depth == 0)
            outside.append(QLatin1Char(c));
    }
    QStringList codes;
    for (const QString &form : outside.split(QLatin1String(" or "))) {
        const QStringList groups = form.split(QLatin1Char('-'), Qt::SkipEmptyParts);
        const bool digitsOnly = std::all_of(groups.begin(), groups.end(), [](const QString &group) {
            return std::all_of(group.begin(), group.end(), [](QChar c) { return c.isDigit(); });
        });
        if (!groups.isEmpty() && digitsOnly)
            codes << groups.join(QLatin1Char(' '));
    }
    return codes;
}

} // namespace dialer
