// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <QDate>

namespace calendar {

// The system's current local date, or the date pinned by pinToday().
QDate today();

// Makes today() return `date` from now on, so that tests can fix the current day.
// An invalid date (QDate()) returns to the system's date.
void pinToday(QDate date);

} // namespace calendar
