// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <QStringList>

#include <string_view>

namespace dialer {

// The context of the messages that list the names people use for each destination.
inline constexpr char kOtherNamesContext[] = "Other country names";

// The message of the names people use for the destination whose list text is `listText`:
// that text first, then the others, separated by "|" ("Netherlands|Holland"); empty where
// there is none.
std::string_view otherNamesMessage(std::string_view listText);

// The names a message or its translation lists, trimmed, without empty ones.
QStringList splitNames(const QString &names);

} // namespace dialer
