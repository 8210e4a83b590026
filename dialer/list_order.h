// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <QLocale>
#include <QStringList>

#include <optional>
#include <vector>

namespace dialer {

// The positions of `names` in the order a list shows them: as given when there is no
// `locale` (the designed English order), otherwise sorted as readers of `locale` sort,
// equal names keeping their given order.
std::vector<qsizetype> listOrder(const QStringList &names, const std::optional<QLocale> &locale);

} // namespace dialer
