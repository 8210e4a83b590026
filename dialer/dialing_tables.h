// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace dialer {

// Where a call is dialled from: the list text (country, maybe a carrier in parentheses)
// and the international access code dialled there. "~" means wait for the dial tone,
// " or " separates alternatives.
struct SourceEntry {
    std::string_view listText; // the English text, also the key of its translation
    std::string_view accessCode;
    std::string_view isoCode; // see DestinationEntry
    // A carrier's or a service's entry has no ISO code of its own: the code of the country
    // it dials from, so that a search finds it as it finds that country. Empty otherwise.
    std::string_view carrierCountry = {};
};

// Where a call goes: the list text and "-country code-(domestic prefix)-"; the
// parenthesised prefix is information only and is not dialled on an international call.
struct DestinationEntry {
    std::string_view listText; // the English text, also the key of its translation
    std::string_view destination;
    // The country's ISO 3166-1 alpha-2 code, or the ISO 3166-3 alpha-4 code of a country
    // that no longer exists; empty where no code stands for the entry alone (a carrier, a
    // service, an island or region within a country). The country names of the translations
    // are taken from the ISO lists by this code.
    std::string_view isoCode;
};

inline constexpr std::size_t kSourceEntryCount = 270;
inline constexpr std::size_t kDestinationEntryCount = 235;

extern const std::array<SourceEntry, kSourceEntryCount> SourceAccessCodes;
extern const std::array<DestinationEntry, kDestinationEntryCount> DestinationCodes;

} // namespace dialer
