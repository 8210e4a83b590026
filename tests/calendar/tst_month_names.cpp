// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include <QtTest/QtTest>

#include <optional>

#include "calendar/month_names.h"

Q_DECLARE_METATYPE(std::optional<int>)

namespace {

constexpr std::optional<int> kNoMonth;

const QLocale kJapanese(QLocale::Japanese, QLocale::Japan);
const QLocale kGerman(QLocale::German, QLocale::Germany);
const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

} // namespace

class TestMonthNames : public QObject {
    Q_OBJECT

private slots:
    void typedMonth_data();
    void typedMonth();
    void everyMonthByEachOfItsNames_data();
    void everyMonthByEachOfItsNames();
};

void TestMonthNames::typedMonth_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<int>>("month");

    QTest::newRow("German long name") << kGerman << QStringLiteral("März") << std::optional(3);
    QTest::newRow("German short name") << kGerman << QStringLiteral("Mär") << std::optional(3);
    QTest::newRow("German in lower case") << kGerman << QStringLiteral("märz") << std::optional(3);
    QTest::newRow("German in capitals") << kGerman << QStringLiteral("MÄRZ") << std::optional(3);
    QTest::newRow("German with a separate diaeresis")
        << kGerman << QStringLiteral("Ma\u0308rz") << std::optional(3);
    QTest::newRow("German short name with its dot")
        << kGerman << QStringLiteral("Sept.") << std::optional(9);
    QTest::newRow("German short name without its dot")
        << kGerman << QStringLiteral("Sept") << std::optional(9);
    QTest::newRow("German short name with a dot Qt leaves off")
        << kGerman << QStringLiteral("Mär.") << std::optional(3);
    QTest::newRow("German Mai") << kGerman << QStringLiteral("Mai") << std::optional(5);
    QTest::newRow("surrounding blanks")
        << kGerman << QStringLiteral(" \tOktober  ") << std::optional(10);
    QTest::newRow("English name under German")
        << kGerman << QStringLiteral("March") << std::optional(3);
    QTest::newRow("English short name under German")
        << kGerman << QStringLiteral("Oct") << std::optional(10);
    QTest::newRow("digits under German") << kGerman << QStringLiteral("03") << std::optional(3);
    QTest::newRow("Japanese with kanji") << kJapanese << QStringLiteral("3月") << std::optional(3);
    QTest::newRow("Japanese two-digit month")
        << kJapanese << QStringLiteral("12月") << std::optional(12);
    QTest::newRow("Japanese with full-width digit")
        << kJapanese << QStringLiteral("３月") << std::optional(3);
    QTest::newRow("full-width digits alone")
        << kJapanese << QStringLiteral("１１") << std::optional(11);
    QTest::newRow("ideographic blanks")
        << kJapanese << QStringLiteral("\u30003月\u3000") << std::optional(3);
    QTest::newRow("English name under Japanese")
        << kJapanese << QStringLiteral("mar") << std::optional(3);
    QTest::newRow("English long name") << kEnglish << QStringLiteral("March") << std::optional(3);
    QTest::newRow("English short name") << kEnglish << QStringLiteral("Mar") << std::optional(3);
    QTest::newRow("English in capitals")
        << kEnglish << QStringLiteral("DECEMBER") << std::optional(12);
    QTest::newRow("English short name with a dot")
        << kEnglish << QStringLiteral("Jan.") << std::optional(1);
    QTest::newRow("full-width English name")
        << kEnglish << QStringLiteral("ＭＡＹ") << std::optional(5);
    QTest::newRow("digits as before") << kEnglish << QStringLiteral(" 7 ") << std::optional(7);

    QTest::newRow("not a month") << kGerman << QStringLiteral("Marz") << kNoMonth;
    QTest::newRow("German name under English") << kEnglish << QStringLiteral("März") << kNoMonth;
    QTest::newRow("Japanese name under German") << kGerman << QStringLiteral("3月") << kNoMonth;
    QTest::newRow("Japanese month 13") << kJapanese << QStringLiteral("13月") << kNoMonth;
    QTest::newRow("beginning of a name") << kEnglish << QStringLiteral("Ma") << kNoMonth;
    QTest::newRow("name with more after it") << kEnglish << QStringLiteral("Marches") << kNoMonth;
    QTest::newRow("two names") << kEnglish << QStringLiteral("March April") << kNoMonth;
    QTest::newRow("dot alone") << kGerman << QStringLiteral(".") << kNoMonth;
    QTest::newRow("two dots") << kGerman << QStringLiteral("Sept..") << kNoMonth;
    QTest::newRow("empty") << kJapanese << QString() << kNoMonth;
    QTest::newRow("blanks only") << kJapanese << QStringLiteral("\u3000 ") << kNoMonth;
    QTest::newRow("month 0 in full-width digits") << kJapanese << QStringLiteral("０") << kNoMonth;
    QTest::newRow("month 13") << kGerman << QStringLiteral("13") << kNoMonth;
    QTest::newRow("very long") << kGerman << QString(10000, QLatin1Char('M')) << kNoMonth;
}

void TestMonthNames::typedMonth() {
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(std::optional<int>, month);
    QCOMPARE(calendar::readTypedMonth(text, locale), month);
}

void TestMonthNames::everyMonthByEachOfItsNames_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("Japanese") << kJapanese;
    QTest::newRow("German") << kGerman;
    QTest::newRow("English") << kEnglish;
}

// Whatever names this Qt gives the months, each names its own month and no other.
void TestMonthNames::everyMonthByEachOfItsNames() {
    QFETCH(QLocale, locale);
    for (int month = 1; month <= 12; ++month) {
        for (const QLocale::FormatType form : {QLocale::LongFormat, QLocale::ShortFormat}) {
            for (const QString &name :
                 {locale.monthName(month, form), locale.standaloneMonthName(month, form)}) {
                QVERIFY2(calendar::monthNamed(name, locale) == month, qPrintable(name));
                QVERIFY2(calendar::monthNamed(name.toUpper(), locale) == month, qPrintable(name));
            }
        }
    }
}

QTEST_APPLESS_MAIN(TestMonthNames)
#include "tst_month_names.moc"
