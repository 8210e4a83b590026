// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

namespace calendar {

// A day of the Gregorian calendar, also for years before its introduction in 1582.
struct Date {
    int year = 1;
    int month = 1; // 1 = January
    int day = 1;   // 1 = first day of the month
};

enum class Background { Light3D, White };

// One day cell of the month grid. A hidden cell keeps whatever it showed before.
struct CellState {
    bool visible = false;
    std::string caption;
    Background background = Background::Light3D;
};

// Five full weeks and a Sunday and Monday: room for a 31-day month starting on a Saturday.
inline constexpr std::size_t kCellCount = 37;

struct MonthLayout {
    std::array<CellState, kCellCount> cells;
    int firstWeekday = 1; // 1 = Sunday ... 7 = Saturday
};

// 1 = Sunday ... 7 = Saturday.
int weekdayOf(Date date);

int daysInMonth(int month, int year);

// The cell holding today when `month` of `year` is today's month, otherwise nothing.
std::optional<std::size_t> todayCell(int month, int year, int firstWeekday, Date today);

// The grid for `month` (1 to 12) of `year` (1 or later): day d in cell firstWeekday - 2 + d,
// today's cell white when the month is today's.
MonthLayout LayoutMonth(int month, int year, Date today);

} // namespace calendar
