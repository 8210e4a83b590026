// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "calendar/month_names.h"

#include <array>

#include "calendar/typed_month_year.h"

namespace calendar {

namespace {

// The compatibility form folds full-width and half-width forms into plain ones, and joins a
// letter typed with a separate accent ("a" and a combining diaeresis) into one.
QString plainForm(const QString &text) {
    return text.normalized(QString::NormalizationForm_KC).trimmed();
}

// Qt writes some short names with a dot and some without ("Sept.", "März"); a user may
// type either.
QString withoutFinalDot(QString name) {
    if (name.endsWith(QLatin1Char('.')))
        name.chop(1);
    return name;
}

bool namesMonth(const QString &typed, const QLocale &locale, int month) {
    const std::array<QString, 4> names{
        locale.monthName(month, QLocale::LongFormat),
        locale.standaloneMonthName(month, QLocale::LongFormat),
        locale.monthName(month, QLocale::ShortFormat),
        locale.standaloneMonthName(month, QLocale::ShortFormat),
    };
    for (const QString &name : names) {
        const QString plain = withoutFinalDot(plainForm(name));
        if (!plain.isEmpty() && plain.compare(typed, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

std::optional<int> monthNamedIn(const QString &typed, const QLocale &locale) {
    for (int month = 1; month <= 12; ++month)
        if (namesMonth(typed, locale, month))
            return month;
    return std::nullopt;
}

} // namespace

std::optional<int> monthNamed(const QString &text, const QLocale &locale) {
    const QString typed = withoutFinalDot(plainForm(text));
    if (typed.isEmpty())
        return std::nullopt;
    // The shown language first, should one of its names be an English name of another month.
    if (const std::optional<int> month = monthNamedIn(typed, locale))
        return month;
    return monthNamedIn(typed, QLocale(QLocale::English, QLocale::UnitedStates));
}

std::optional<int> readTypedMonth(const QString &text, const QLocale &locale) {
    if (const std::optional<int> month = parseTypedMonth(plainForm(text).toStdString()))
        return month;
    return monthNamed(text, locale);
}

} // namespace calendar
