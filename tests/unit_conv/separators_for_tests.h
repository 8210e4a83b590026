// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include "unit_conv/number_rules.h"

#include <QString>

// The separator sets the pure tests run under, by the name a data row gives.
inline unit_conv::Separators separatorsNamed(const QString &name) {
    if (name == QLatin1String("comma")) // decimal comma, dot grouping
        return {",", "."};
    if (name == QLatin1String("arabic")) // multi-byte separators: U+066B and U+066C
        return {"\u066B", "\u066C"};
    if (name == QLatin1String("narrow space")) // decimal comma, U+202F grouping
        return {",", "\u202F"};
    return {".", ","};
}
