// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "dialer/country_names.h"

#include <QCoreApplication>

#include <string>

namespace dialer {

QString countryName(std::string_view listText) {
    // translate() wants a terminated string; a view need not end where its text does.
    const std::string key(listText);
    return QCoreApplication::translate(kCountryContext, key.c_str());
}

} // namespace dialer
