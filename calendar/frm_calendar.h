// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <QDate>
#include <QMainWindow>

#include <array>

#include "calendar/layout_month.h"

class QComboBox;
class QLabel;

// One month of one year under the weekday names, today marked; the month and the year
// are chosen from two lists.
class FrmCalendar : public QMainWindow {
    Q_OBJECT

public:
    explicit FrmCalendar(QWidget *parent = nullptr);

private slots:
    void MonthList_Click();
    void YearList_Click();
    void fieldConfirmed();

private:
    void Form_Load();
    void FillCalendar();
    void HighlightToday();
    void showTypedMonth();
    void showShownMonthInLists();

    std::array<QLabel *, calendar::kCellCount> dateLabel_{};
    QWidget *grid_ = nullptr; // holds the day cells; named after the month shown
    QComboBox *monthList_ = nullptr;
    QComboBox *yearList_ = nullptr;
    QDate shownDate_;      // only its month and year count
    int firstWeekday_ = 1; // of the shown month, 1 = Sunday ... 7 = Saturday
};
