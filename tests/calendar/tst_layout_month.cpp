// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include <QtTest/QtTest>

#include <chrono>
#include <string>

#include "calendar/layout_month.h"

using calendar::Background;
using calendar::Date;
using calendar::LayoutMonth;
using calendar::MonthLayout;

Q_DECLARE_METATYPE(calendar::Date)

namespace {

// The standard library's proleptic Gregorian calendar serves as the independent reference.
int referenceFirstWeekday(int month, int year) {
    using namespace std::chrono;
    const sys_days first{std::chrono::year{year} / static_cast<unsigned>(month) / 1};
    return static_cast<int>(weekday{first}.c_encoding()) + 1; // c_encoding: 0 = Sunday
}

int referenceDaysInMonth(int month, int year) {
    using namespace std::chrono;
    const year_month_day_last end{std::chrono::year{year} / static_cast<unsigned>(month) / last};
    return static_cast<int>(static_cast<unsigned>(end.day()));
}

int visibleCount(const MonthLayout &layout) {
    int count = 0;
    for (const auto &cell : layout.cells)
        count += cell.visible;
    return count;
}

QList<int> whiteCells(const MonthLayout &layout) {
    QList<int> white;
    for (std::size_t i = 0; i < layout.cells.size(); ++i)
        if (layout.cells[i].visible && layout.cells[i].background == Background::White)
            white.append(static_cast<int>(i));
    return white;
}

// A day far from the months under test, so that no cell is white.
constexpr Date kElsewhere{1, 1, 1};

} // namespace

class TestLayoutMonth : public QObject {
    Q_OBJECT

private slots:
    void everyMonthMatchesTheReference();
    void namedMonths_data();
    void namedMonths();
    void dayCaptions_data();
    void dayCaptions();
    void todaysCell_data();
    void todaysCell();
};

// Every month the year list offers and every four-digit year that can be typed.
void TestLayoutMonth::everyMonthMatchesTheReference() {
    for (int year = 1000; year <= 9999; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const Date today{year, month, 15};
            const MonthLayout layout = LayoutMonth(month, year, today);
            const int first = referenceFirstWeekday(month, year);
            const int days = referenceDaysInMonth(month, year);
            const QByteArray where = QByteArray::number(month) + "/" + QByteArray::number(year);
            QVERIFY2(layout.firstWeekday == first, where);
            QVERIFY2(visibleCount(layout) == days, where);
            // Day d sits in the column of its weekday, rows filled in order.
            for (int day = 1; day <= days; ++day) {
                const int index = first - 2 + day;
                const auto &cell = layout.cells[static_cast<std::size_t>(index)];
                QVERIFY2(cell.visible, where);
                QVERIFY2(std::stoi(cell.caption) == day, where);
            }
            const QList<int> white = whiteCells(layout);
            QVERIFY2(white.size() == 1, where);
            QVERIFY2(layout.cells[static_cast<std::size_t>(white.first())].caption == "15", where);
        }
    }
}

void TestLayoutMonth::namedMonths_data() {
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("firstWeekday");
    QTest::addColumn<int>("days");

    QTest::newRow("January 2022 fills all 37 cells") << 1 << 2022 << 7 << 31;
    QTest::newRow("February 2015 starts on a Sunday") << 2 << 2015 << 1 << 28;
    QTest::newRow("October 1582 stays Gregorian") << 10 << 1582 << 6 << 31;
    QTest::newRow("January 1000") << 1 << 1000 << 4 << 31;
    QTest::newRow("December 2026") << 12 << 2026 << 3 << 31;
    QTest::newRow("February 2000 leap by 400") << 2 << 2000 << 3 << 29;
    QTest::newRow("February 1900 not leap by 100") << 2 << 1900 << 5 << 28;
    QTest::newRow("February 2100 not leap") << 2 << 2100 << 2 << 28;
    QTest::newRow("February 2200 not leap") << 2 << 2200 << 7 << 28;
    QTest::newRow("February 2004 leap by 4") << 2 << 2004 << 1 << 29;
    QTest::newRow("February 2023 common") << 2 << 2023 << 4 << 28;
    QTest::newRow("April 2026 has 30 days") << 4 << 2026 << 4 << 30;
    QTest::newRow("December 9999") << 12 << 9999 << 4 << 31;
}

void TestLayoutMonth::namedMonths() {
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(int, firstWeekday);
    QFETCH(int, days);

    const MonthLayout layout = LayoutMonth(month, year, kElsewhere);
    QCOMPARE(layout.firstWeekday, firstWeekday);
    QCOMPARE(calendar::daysInMonth(month, year), days);
    const int firstCell = firstWeekday - 1;
    const int lastCell = firstWeekday - 2 + days;
    for (int i = 0; i < static_cast<int>(calendar::kCellCount); ++i) {
        const auto &cell = layout.cells[static_cast<std::size_t>(i)];
        QCOMPARE(cell.visible, i >= firstCell && i <= lastCell);
        if (cell.visible)
            QCOMPARE(cell.background, Background::Light3D);
    }
    QCOMPARE(layout.cells[static_cast<std::size_t>(firstCell)].caption, std::string("  1"));
    QCOMPARE(layout.cells[static_cast<std::size_t>(lastCell)].caption, std::to_string(days));
}

void TestLayoutMonth::dayCaptions_data() {
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("caption");

    QTest::newRow("day 1 after two blanks") << 1 << QStringLiteral("  1");
    QTest::newRow("day 5 after two blanks") << 5 << QStringLiteral("  5");
    QTest::newRow("day 9 after two blanks") << 9 << QStringLiteral("  9");
    QTest::newRow("day 10 alone") << 10 << QStringLiteral("10");
    QTest::newRow("day 15 alone") << 15 << QStringLiteral("15");
    QTest::newRow("day 31 alone") << 31 << QStringLiteral("31");
}

void TestLayoutMonth::dayCaptions() {
    QFETCH(int, day);
    QFETCH(QString, caption);

    // February 2015 starts on a Sunday: day d is in cell d - 1.
    const MonthLayout layout = LayoutMonth(day <= 28 ? 2 : 1, 2015, kElsewhere);
    const int offset = day <= 28 ? 1 : 1 - 4; // January 2015 starts on a Thursday
    const auto &cell = layout.cells[static_cast<std::size_t>(day - offset)];
    QCOMPARE(QString::fromStdString(cell.caption), caption);
}

void TestLayoutMonth::todaysCell_data() {
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<Date>("today");
    QTest::addColumn<QList<int>>("white");

    QTest::newRow("7 December 2026 in the Monday column")
        << 12 << 2026 << Date{2026, 12, 7} << QList<int>{8};
    QTest::newRow("31 January 2022 in the last cell")
        << 1 << 2022 << Date{2022, 1, 31} << QList<int>{36};
    QTest::newRow("1 February 2015 in the first cell")
        << 2 << 2015 << Date{2015, 2, 1} << QList<int>{0};
    QTest::newRow("other month of today's year") << 11 << 2026 << Date{2026, 12, 7} << QList<int>{};
    QTest::newRow("today's month of another year")
        << 12 << 2025 << Date{2026, 12, 7} << QList<int>{};
}

void TestLayoutMonth::todaysCell() {
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(Date, today);
    QFETCH(QList<int>, white);

    QCOMPARE(whiteCells(LayoutMonth(month, year, today)), white);
}

QTEST_APPLESS_MAIN(TestLayoutMonth)
#include "tst_layout_month.moc"
