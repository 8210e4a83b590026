// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <QLocale>
#include <QString>

#include <optional>

namespace calendar {

// The month (1 to 12) that `text` names in `locale`'s language or in English: a long or a
// short name, in the form used inside a date or standing alone, in any case, with or without
// a final dot ("Sept" for "Sept."). Surrounding blanks are ignored, and full-width letters
// and digits count as their plain forms ("３月" as "3月"). Anything else is no month.
std::optional<int> monthNamed(const QString &text, const QLocale &locale);

// A month typed by hand while the window speaks `locale`'s language: digits as
// parseTypedMonth reads them (full-width ones too), or a name as monthNamed reads it.
std::optional<int> readTypedMonth(const QString &text, const QLocale &locale);

} // namespace calendar
