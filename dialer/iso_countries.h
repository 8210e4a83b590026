// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <array>
#include <span>
#include <string_view>

namespace dialer {

// The context of the translations of the ISO names.
inline constexpr char kIsoNameContext[] = "ISO country name";

// What ISO 3166, as Debian's iso-codes gives it, says of a code that the dialing tables
// carry. Written by scripts/import-country-names.py.
struct IsoCountry {
    std::string_view code; // as the tables carry it: alpha-2, or alpha-4 for a former country
    // The other codes it is known by: its alpha-3 code; for a former country the alpha-2 and
    // alpha-3 codes it had, unless a country has them now. Empty where there are fewer.
    std::array<std::string_view, 2> otherCodes;
    // Its English names besides the tables' text: common, short and official, each the key
    // of its translation. Empty where there are fewer.
    std::array<std::string_view, 3> names;
};

// Every code the tables carry, in ascending order.
std::span<const IsoCountry> isoCountries();

// What ISO 3166 says of `code`; null for an empty code or one the tables do not carry.
const IsoCountry *findIsoCountry(std::string_view code);

} // namespace dialer
