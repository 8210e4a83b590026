// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "calendar/layout_month.h"

namespace calendar {

int weekdayOf(Date date) {
    // Sakamoto's method: a weekday offset per month; January and February count with the
    // year before, so that a leap day is only counted once it has passed.
    static constexpr std::array<int, 12> monthOffset{0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    const int y = date.month < 3 ? date.year - 1 : date.year;
    const int sundayBased = (y + y / 4 - y / 100 + y / 400 +
                             monthOffset[static_cast<std::size_t>(date.month - 1)] + date.day) %
                            7;
    return sundayBased + 1;
}

int daysInMonth(int month, int year) {
    switch (month) {
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    case 2: {
        const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
        return leap ? 29 : 28;
    }
    default:
        return 31;
    }
}

std::optional<std::size_t> todayCell(int month, int year, int firstWeekday, Date today) {
    if (today.month != month || today.year != year)
        return std::nullopt;
    return static_cast<std::size_t>(firstWeekday - 2 + today.day);
}

MonthLayout LayoutMonth(int month, int year, Date today) {
    MonthLayout layout;
    layout.firstWeekday = weekdayOf({year, month, 1});
    const int days = daysInMonth(month, year);
    for (int day = 1; day <= days; ++day) {
        const int index = layout.firstWeekday - 2 + day;
        CellState &cell = layout.cells[static_cast<std::size_t>(index)];
        cell.visible = true;
        // Single digits carry two leading blanks, as the grid was designed.
        cell.caption = (day < 10 ? "  " : "") + std::to_string(day);
    }
    if (const auto cell = todayCell(month, year, layout.firstWeekday, today))
        layout.cells[*cell].background = Background::White;
    return layout;
}

} // namespace calendar
