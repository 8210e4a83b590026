// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <QLocale>
#include <QString>

#include <optional>

namespace ui {

// Where the program's own translations are: built into it.
inline constexpr char kTranslationFolder[] = ":/i18n";

// Installs the program's translation, and Qt's own, for the first of `locale`'s interface
// languages that has one: English (the language the program is written in) or a language
// with a readable file `zendrel_<language>.qm` in `folder`. Any other language, a missing or
// damaged file among them, is passed over. Returns the language installed; English when
// none other is. Replaces what an earlier call installed.
QLocale::Language installTranslation(const QLocale &locale,
                                     const QString &folder = QLatin1String(kTranslationFolder));

// The locale of the language the windows are shown in, with its own country's conventions
// ("ja_JP" for Japanese), or nothing while they are shown in English. Month and weekday
// names, and the order of lists, follow it.
std::optional<QLocale> translatedLocale();

} // namespace ui
