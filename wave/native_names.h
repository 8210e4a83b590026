// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <string>
#include <string_view>

#include <QString>

namespace wave {

// File names on POSIX systems are bytes, usually but not always UTF-8. A byte that is not
// part of valid UTF-8 is carried in a QString as the lone surrogate U+DC00 + byte, which no
// valid UTF-8 decodes to, so every name survives the trip into the user interface and back.
QString fromNativeName(std::string_view bytes);
std::string toNativeName(const QString &name);

} // namespace wave
