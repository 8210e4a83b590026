// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "calendar/today.h"

namespace calendar {

namespace {
QDate pinnedToday; // invalid: follow the system clock
}

QDate today() {
    return pinnedToday.isValid() ? pinnedToday : QDate::currentDate();
}

void pinToday(QDate date) {
    pinnedToday = date;
}

} // namespace calendar
