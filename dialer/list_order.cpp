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
    // Each name is compared many times: its sort key is made once.
    std::vector<QCollatorSortKey> keys;
    keys.reserve(order.size());
    for (const QString &name : names)
        keys.push_back(collator.sortKey(name));
    // Stable, so that equal texts ("Finland ()" three times) stay in table order.
    std::stable_sort(order.begin(), order.end(), [&keys](qsizetype a, qsizetype b) {
        return keys[static_cast<std::size_t>(a)].compare(keys[static_cast<std::size_t>(b)]) < 0;
    });
    return order;
}

} // namespace dialer
