// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include <QtTest/QtTest>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

#include "tests/unit_conv/separators_for_tests.h"
#include "unit_conv/number_rules.h"

using unit_conv::NumberText;
using unit_conv::ParseValue;
using unit_conv::RoundedText;

class TestNumberRules : public QObject {
    Q_OBJECT

private slots:
    void parseValueReads_data();
    void parseValueReads();
    void parseValueFails_data();
    void parseValueFails();
    void numberText_data();
    void numberText();
    void roundedText_data();
    void roundedText();
    void numberTextReadsBack_data();
    void numberTextReadsBack();
};

void TestNumberRules::parseValueReads_data() {
    QTest::addColumn<QString>("separators");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("whole number") << "dot"
                                  << "180" << 180.0;
    QTest::newRow("blanks around") << "dot"
                                   << "  180 \t" << 180.0;
    QTest::newRow("plus sign") << "dot"
                               << "+5" << 5.0;
    QTest::newRow("negative fraction") << "dot"
                                       << "-1.5" << -1.5;
    QTest::newRow("leading zeros") << "dot"
                                   << "007" << 7.0;
    QTest::newRow("no integer digits") << "dot"
                                       << ".5" << 0.5;
    QTest::newRow("no fraction digits") << "dot"
                                        << "5." << 5.0;
    QTest::newRow("exponent") << "dot"
                              << "1E3" << 1000.0;
    QTest::newRow("lower-case negative exponent") << "dot"
                                                  << "2.5e-3" << 0.0025;
    QTest::newRow("exponent with plus") << "dot"
                                        << "1.5E+16" << 1.5e16;
    QTest::newRow("exponent form as written") << "dot"
                                              << "2.54E-05" << 2.54e-05;
    QTest::newRow("grouped thousands") << "dot"
                                       << "1,234,567.25" << 1234567.25;
    QTest::newRow("largest double")
        << "dot"
        << "1.7976931348623157E+308" << std::numeric_limits<double>::max();
    QTest::newRow("largest double as written, rounded up to 15 digits")
        << "dot"
        << "1.79769313486232E+308" << std::numeric_limits<double>::max();
    QTest::newRow("most negative double as written")
        << "dot"
        << "-1.79769313486232E+308" << -std::numeric_limits<double>::max();
    QTest::newRow("smallest subnormal")
        << "dot"
        << "4.94065645841247E-324" << std::numeric_limits<double>::denorm_min();
    QTest::newRow("below every double reads as zero") << "dot"
                                                      << "1E-400" << 0.0;
    QTest::newRow("many digits below one") << "dot"
                                           << "0." + QString(400, '0') + "1" << 0.0;
    QTest::newRow("huge exponent of zero") << "dot"
                                           << "0E99999999999999999999" << 0.0;
    QTest::newRow("decimal comma") << "comma"
                                   << "1,5" << 1.5;
    QTest::newRow("dot grouping") << "comma"
                                  << "-1.234,5" << -1234.5;
    QTest::newRow("decimal comma exponent") << "comma"
                                            << "2,54E-05" << 2.54e-05;
    QTest::newRow("multi-byte separators")
        << "arabic" << QString::fromUtf8("12\u066C345\u066B5") << 12345.5;
    QTest::newRow("narrow space grouping")
        << "narrow space" << QString::fromUtf8("1\u202F000,25") << 1000.25;
}

void TestNumberRules::parseValueReads() {
    QFETCH(QString, separators);
    QFETCH(QString, text);
    QFETCH(double, value);
    const std::optional<double> read = ParseValue(text.toStdString(), separatorsNamed(separators));
    QVERIFY(read.has_value());
    QCOMPARE(*read, value);
}

void TestNumberRules::parseValueFails_data() {
    QTest::addColumn<QString>("separators");
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << "dot"
                           << "";
    QTest::newRow("blanks only") << "dot"
                                 << "   ";
    QTest::newRow("word") << "dot"
                          << "abc";
    QTest::newRow("number then letters") << "dot"
                                         << "12abc";
    QTest::newRow("blank inside") << "dot"
                                  << "1 2";
    QTest::newRow("sign alone") << "dot"
                                << "-";
    QTest::newRow("blank after sign") << "dot"
                                      << "- 5";
    QTest::newRow("two signs") << "dot"
                               << "+-1";
    QTest::newRow("point alone") << "dot"
                                 << ".";
    QTest::newRow("two points") << "dot"
                                << "1.2.3";
    QTest::newRow("exponent without digits") << "dot"
                                             << "1E";
    QTest::newRow("exponent without mantissa") << "dot"
                                               << "E3";
    QTest::newRow("fractional exponent") << "dot"
                                         << "1E3.5";
    QTest::newRow("beyond the largest double") << "dot"
                                               << "1E309";
    QTest::newRow("just past the largest double as written") << "dot"
                                                             << "1.79769313486233E+308";
    QTest::newRow("negative beyond range") << "dot"
                                           << "-1.8E+308";
    QTest::newRow("400 digits") << "dot"
                                << "1" + QString(400, '0');
    QTest::newRow("hex") << "dot"
                         << "0x10";
    QTest::newRow("infinity") << "dot"
                              << "inf";
    QTest::newRow("not a number") << "dot"
                                  << "nan";
    QTest::newRow("group of two digits") << "dot"
                                         << "1,50";
    QTest::newRow("group of four digits") << "dot"
                                          << "1,5000";
    QTest::newRow("leading group separator") << "dot"
                                             << ",100";
    QTest::newRow("trailing group separator") << "dot"
                                              << "100,";
    QTest::newRow("group in the fraction") << "dot"
                                           << "0.123,456";
    QTest::newRow("decimal dot under comma locale") << "comma"
                                                    << "1.5";
    QTest::newRow("grouping after the decimal comma") << "comma"
                                                      << "1,234.567";
}

void TestNumberRules::parseValueFails() {
    QFETCH(QString, separators);
    QFETCH(QString, text);
    QCOMPARE(ParseValue(text.toStdString(), separatorsNamed(separators)), std::nullopt);
}

void TestNumberRules::numberText_data() {
    QTest::addColumn<QString>("separators");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("no trailing zeros") << "dot" << 1.8 << "1.8";
    QTest::newRow("whole number, no point") << "dot" << 4.0 << "4";
    QTest::newRow("negative") << "dot" << -2.5 << "-2.5";
    QTest::newRow("negative zero") << "dot" << -0.0 << "0";
    QTest::newRow("0.0001 stays fixed") << "dot" << 0.0001 << "0.0001";
    QTest::newRow("below 0.0001 in exponent form") << "dot" << 0.0000999 << "9.99E-05";
    QTest::newRow("one millionth") << "dot" << 1e-06 << "1E-06";
    QTest::newRow("2.54E-05") << "dot" << 2.54e-05 << "2.54E-05";
    QTest::newRow("15 digits stay fixed") << "dot" << 999999999999999.0 << "999999999999999";
    QTest::newRow("1E+15") << "dot" << 1e15 << "1E+15";
    QTest::newRow("rounds up into exponent form") << "dot" << 999999999999999.5 << "1E+15";
    QTest::newRow("1.5E+16") << "dot" << 1.5e16 << "1.5E+16";
    QTest::newRow("three-digit exponent") << "dot" << 1e100 << "1E+100";
    QTest::newRow("15 significant digits") << "dot" << 1.0 / 3 << "0.333333333333333";
    QTest::newRow("residue shows") << "dot" << 9.67741935480262 << "9.67741935480262";
    QTest::newRow("largest double")
        << "dot" << std::numeric_limits<double>::max() << "1.79769313486232E+308";
    QTest::newRow("no grouping") << "dot" << 1234567.5 << "1234567.5";
    QTest::newRow("decimal comma") << "comma" << 1234567.5 << "1234567,5";
    QTest::newRow("decimal comma exponent") << "comma" << 2.54e-05 << "2,54E-05";
    QTest::newRow("multi-byte decimal separator")
        << "arabic" << 0.5 << QString::fromUtf8("0\u066B5");
}

void TestNumberRules::numberText() {
    QFETCH(QString, separators);
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(NumberText(value, separatorsNamed(separators))), text);
}

void TestNumberRules::roundedText_data() {
    QTest::addColumn<QString>("separators");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("tie rounds down to even") << "dot" << 0.00048828125 << "0.0004882812";
    QTest::newRow("tie rounds up to even") << "dot" << 0.00146484375 << "0.0014648438";
    QTest::newRow("negative tie") << "dot" << -0.00048828125 << "-0.0004882812";
    // The double nearest 470.95463115285 lies just above the tie; scaling by 1E10 in
    // floating point lands on the tie and rounds the wrong way.
    QTest::newRow("just above a decimal tie") << "dot" << 470.95463115285 << "470.9546311529";
    QTest::newRow("10 decimals") << "dot" << 180 / 2.54 << "70.8661417323";
    QTest::newRow("trailing zeros dropped") << "dot" << 1.8 / 0.91 << "1.978021978";
    QTest::newRow("below half a unit") << "dot" << 4e-11 << "0";
    QTest::newRow("tiny negative is plain zero") << "dot" << -1e-12 << "0";
    QTest::newRow("exponent form after rounding") << "dot" << 9.918e-05 << "9.918E-05";
    QTest::newRow("large values keep 15 digits") << "dot" << 1000000 / 3.306 << "302480.338777979";
    QTest::newRow("largest double")
        << "dot" << std::numeric_limits<double>::max() << "1.79769313486232E+308";
    QTest::newRow("decimal comma") << "comma" << 180 / 2.54 << "70,8661417323";
}

void TestNumberRules::roundedText() {
    QFETCH(QString, separators);
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(RoundedText(value, separatorsNamed(separators))), text);
}

void TestNumberRules::numberTextReadsBack_data() {
    QTest::addColumn<QString>("separators");
    QTest::newRow("decimal point") << "dot";
    QTest::newRow("decimal comma") << "comma";
    QTest::newRow("multi-byte separators") << "arabic";
}

// Over doubles of every magnitude, the text NumberText shows reads back as the number
// it shows (checked against a C-locale reading of the same digits), and that number is
// within the 15-digit rounding of the original.
void TestNumberRules::numberTextReadsBack() {
    QFETCH(QString, separators);
    const unit_conv::Separators seps = separatorsNamed(separators);
    const QString decimal = QString::fromStdString(seps.decimal);
    std::mt19937_64 random(20240611);
    std::uniform_int_distribution<int> exponents(-330, 308);
    std::uniform_real_distribution<double> mantissas(1.0, 10.0);
    for (int i = 0; i < 20000; ++i) {
        // Half the samples are arbitrary bit patterns, half spread evenly over magnitudes.
        double value = i % 2 ? std::bit_cast<double>(random())
                             : mantissas(random) * std::pow(10.0, exponents(random));
        // The extremes first: the largest doubles are written rounded up past the range.
        const double extremes[] = {std::numeric_limits<double>::max(),
                                   std::nextafter(std::numeric_limits<double>::max(), 0.0),
                                   std::numeric_limits<double>::min(),
                                   std::numeric_limits<double>::denorm_min()};
        if (i < static_cast<int>(std::size(extremes)))
            value = extremes[i];
        if (!std::isfinite(value))
            continue;
        if (i % 3 == 0)
            value = -value;
        const std::string text = NumberText(value, seps);
        const std::optional<double> read = ParseValue(text, seps);
        QVERIFY2(read.has_value(), text.c_str());
        bool ok = false;
        double shown =
            QString::fromStdString(text).replace(decimal, QStringLiteral(".")).toDouble(&ok);
        if (!ok) {
            // Only the largest doubles are shown rounded up past the range, and they stand
            // for the largest double.
            QVERIFY2(std::fabs(value) > 1.797693134862315e308, text.c_str());
            shown = std::copysign(std::numeric_limits<double>::max(), value);
        }
        QVERIFY2(*read == shown, text.c_str());
        // Half a unit of the 15th digit plus the rounding of the reading; subnormals hold
        // fewer digits than 15.
        QVERIFY2(std::fabs(*read - value) <= std::fabs(value) * 5.2e-15 ||
                     std::fpclassify(value) == FP_SUBNORMAL,
                 text.c_str());
        QCOMPARE(NumberText(*read, seps), text);
    }
}

QTEST_APPLESS_MAIN(TestNumberRules)
#include "tst_number_rules.moc"
