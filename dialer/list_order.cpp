// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "dialer/list_order.h"

#include <QCollator>

#include <algorithm>
#include <numeric>

namespace dialer {

std::vector<qsizetype> listOrder(const QStringList &names, const std::optional<QLocale> &locale) {
    std::vector<qsizetype> order(static_cast<std::size_t>(names.size()));
    std::iota(order.begin(), order.end(), qsizetype{0});
    if (!locale)
        return order;
    const QCollator collator(*locale);
    // Compared pair by pair, not by sort keys: Qt 6.4 sizes the Windows sort keys wrongly,
    // which puts the list out of order there. Stable, so that equal texts ("Finland ()"
    // three times) stay in table order.
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        return collator.compare(names[a], names[b]) < 0;
    });
    return order;
}

} // namespace dialer
