// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include <QtTest/QtTest>

#include <optional>
#include <string>

#include "calendar/typed_month_year.h"

Q_DECLARE_METATYPE(std::optional<int>)

namespace {
constexpr std::optional<int> kRefused;
}

class TestTypedMonthYear : public QObject {
    Q_OBJECT

private slots:
    void month_data();
    void month();
    void year_data();
    void year();
};

void TestTypedMonthYear::month_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<int>>("month");

    QTest::newRow("7") << QStringLiteral("7") << std::optional<int>(7);
    QTest::newRow("leading zero") << QStringLiteral("07") << std::optional<int>(7);
    QTest::newRow("1") << QStringLiteral("1") << std::optional<int>(1);
    QTest::newRow("12") << QStringLiteral("12") << std::optional<int>(12);
    QTest::newRow("surrounding blanks") << QStringLiteral(" 3 ") << std::optional<int>(3);
    QTest::newRow("empty") << QString() << kRefused;
    QTest::newRow("blanks only") << QStringLiteral("  ") << kRefused;
    QTest::newRow("0") << QStringLiteral("0") << kRefused;
    QTest::newRow("00") << QStringLiteral("00") << kRefused;
    QTest::newRow("13") << QStringLiteral("13") << kRefused;
    QTest::newRow("two leading zeros") << QStringLiteral("007") << kRefused;
    QTest::newRow("letters") << QStringLiteral("May") << kRefused;
    QTest::newRow("digit and letter") << QStringLiteral("1a") << kRefused;
    QTest::newRow("minus sign") << QStringLiteral("-1") << kRefused;
    QTest::newRow("plus sign") << QStringLiteral("+1") << kRefused;
    QTest::newRow("decimal") << QStringLiteral("1.5") << kRefused;
    QTest::newRow("blank inside") << QStringLiteral("1 2") << kRefused;
    QTest::newRow("very long") << QString(10000, QLatin1Char('1')) << kRefused;
}

void TestTypedMonthYear::month() {
    QFETCH(QString, text);
    QFETCH(std::optional<int>, month);
    QCOMPARE(calendar::parseTypedMonth(text.toStdString()), month);
}

void TestTypedMonthYear::year_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<int>>("year");

    QTest::newRow("2026") << QStringLiteral("2026") << std::optional<int>(2026);
    QTest::newRow("1000 lowest") << QStringLiteral("1000") << std::optional<int>(1000);
    QTest::newRow("9999 highest") << QStringLiteral("9999") << std::optional<int>(9999);
    QTest::newRow("beyond the list") << QStringLiteral("3000") << std::optional<int>(3000);
    QTest::newRow("surrounding blanks") << QStringLiteral(" 1999\t") << std::optional<int>(1999);
    QTest::newRow("empty") << QString() << kRefused;
    QTest::newRow("two digits") << QStringLiteral("26") << kRefused;
    QTest::newRow("three digits") << QStringLiteral("999") << kRefused;
    QTest::newRow("leading zero") << QStringLiteral("0999") << kRefused;
    QTest::newRow("five digits") << QStringLiteral("10000") << kRefused;
    QTest::newRow("letters") << QStringLiteral("abcd") << kRefused;
    QTest::newRow("digits and letter") << QStringLiteral("202a") << kRefused;
    QTest::newRow("minus sign") << QStringLiteral("-2026") << kRefused;
    QTest::newRow("very long") << QString(10000, QLatin1Char('2')) << kRefused;
}

void TestTypedMonthYear::year() {
    QFETCH(QString, text);
    QFETCH(std::optional<int>, year);
    QCOMPARE(calendar::parseTypedYear(text.toStdString()), year);
}

QTEST_APPLESS_MAIN(TestTypedMonthYear)
#include "tst_typed_month_year.moc"
