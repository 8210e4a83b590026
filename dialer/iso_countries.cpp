// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "dialer/iso_countries.h"

#include <algorithm>

namespace dialer {

const IsoCountry *findIsoCountry(std::string_view code) {
    const std::span<const IsoCountry> countries = isoCountries();
    const auto found = std::lower_bound(
        countries.begin(), countries.end(), code,
        [](const IsoCountry &country, std::string_view wanted) { return country.code < wanted; });
    return found != countries.end() && found->code == code && !code.empty() ? &*found : nullptr;
}

} // namespace dialer
