// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <QRandomGenerator>
#include <QString>

namespace random_actions {

// Text a user might type or paste into a box: numbers and near-numbers, blanks, accents,
// CJK, emoji, right-to-left runs, combining marks, control characters, and now and then
// tens of thousands of characters.
QString randomText(QRandomGenerator &random);

// The threshold above which typing key by key would take a user (and the test) too long;
// such text arrives by pasting instead.
constexpr qsizetype kLongText = 200;

} // namespace random_actions
