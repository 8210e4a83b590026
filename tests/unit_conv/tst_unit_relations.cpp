// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include <QtTest/QtTest>

#include <map>
#include <string>

#include "tests/unit_conv/separators_for_tests.h"
#include "unit_conv/conversions.h"
#include "unit_conv/unit_relations.h"

namespace {

using Convert = bool (*)(unit_conv::UnitRow &, const unit_conv::Separators &);

// A row of the converter: its conversion and its number of boxes.
struct Category {
    Convert convert;
    std::size_t size;
};
const Category kCategories[] = {{unit_conv::ConvertLength, unit_conv::length::kBoxes},
                                {unit_conv::ConvertArea, unit_conv::area::kBoxes},
                                {unit_conv::ConvertVolume, unit_conv::volume::kBoxes},
                                {unit_conv::ConvertWeight, unit_conv::weight::kBoxes}};
enum { Length, Area, Volume, Weight };

QString relation(const char *box, const QString &separators = QStringLiteral("dot")) {
    return QString::fromStdString(unit_conv::RelationText(box, separatorsNamed(separators)));
}

} // namespace

class TestUnitRelations : public QObject {
    Q_OBJECT

private slots:
    void relationText_data();
    void relationText();
    void decimalSeparatorOfTheLocale();
    void wordsOfAnotherLanguage_data();
    void wordsOfAnotherLanguage();
    void relationAgreesWithConversion_data();
    void relationAgreesWithConversion();
};

void TestUnitRelations::relationText_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    const auto row = [](const char *box, const char *text) {
        QTest::newRow(box) << QString::fromLatin1(box) << QString::fromUtf8(text);
    };
    row("cm", "100 cm = 1 m");
    row("foot", "1 foot = 31 cm = 0.31 m");
    row("feet_c", "1 foot = 12 inches");
    row("m2", "");
    row("tsubo", "1 tsubo = 3.306 sq. m");
    row("acre", "1 acre = 0.405 ha");
    row("qt", "4 quarts = 1 gallon");
    row("go", "1 go = 0.18 litres");
    row("lb", "1 lb = 454 g");
    row("dc", "degrees Fahrenheit = degrees Celsius × 9 ÷ 5 + 32");
    row("df", "degrees Celsius = (degrees Fahrenheit − 32) × 5 ÷ 9");
    row("not a unit box", "");
}

void TestUnitRelations::relationText() {
    QFETCH(QString, box);
    QFETCH(QString, text);
    QCOMPARE(relation(box.toLatin1().constData()), text);
}

void TestUnitRelations::decimalSeparatorOfTheLocale() {
    QCOMPARE(relation("tsubo", QStringLiteral("comma")), QStringLiteral("1 tsubo = 3,306 sq. m"));
    QCOMPARE(relation("foot", QStringLiteral("comma")), QStringLiteral("1 foot = 31 cm = 0,31 m"));
}

// A language's words for the units, one and many apart, and formulas that move the numbers.
void TestUnitRelations::wordsOfAnotherLanguage_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    const auto row = [](const char *name, const char *box, const char *text) {
        QTest::newRow(name) << QString::fromLatin1(box) << QString::fromUtf8(text);
    };
    row("one and many", "feet_c", "1 Fuß = 12 Zoll");
    row("words for one only", "mile", "1 Meile = 1,61 km");
    row("untranslated words stay", "cm", "100 cm = 1 m");
    row("numbers in the formula's own order", "df", "(°F − 32) × 5 ÷ 9 = °C");
}

void TestUnitRelations::wordsOfAnotherLanguage() {
    QFETCH(QString, box);
    QFETCH(QString, text);
    const std::map<std::string, std::string> german{
        {"foot", "Fuß"},
        {"inches", "Zoll"},
        {"mile", "Meile"},
        {"degrees Celsius = (degrees Fahrenheit − %1) × %2 ÷ %3", "(°F − %1) × %2 ÷ %3 = °C"}};
    const unit_conv::Words words = [&german](const char *english) {
        const auto found = german.find(english);
        return found == german.end() ? std::string(english) : found->second;
    };
    QCOMPARE(QString::fromStdString(unit_conv::RelationText(
                 box.toStdString(), separatorsNamed(QStringLiteral("comma")), words)),
             text);
}

void TestUnitRelations::relationAgreesWithConversion_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("category");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    const auto row = [](const char *box, int category, std::size_t from, std::size_t to) {
        QTest::newRow(box) << QString::fromLatin1(box) << category << static_cast<int>(from)
                           << static_cast<int>(to);
    };
    using namespace unit_conv;
    row("cm", Length, length::cm, length::m);
    row("km", Length, length::km, length::cm);
    row("inch", Length, length::inch, length::cm);
    row("foot", Length, length::foot, length::cm);
    row("yard", Length, length::yard, length::m);
    row("mile", Length, length::mile, length::km);
    row("km2", Area, area::km2, area::m2);
    row("tsubo", Area, area::tsubo, area::m2);
    row("ft2", Area, area::ft2, area::m2);
    row("yd2", Area, area::yd2, area::m2);
    row("ha", Area, area::ha, area::m2);
    row("acre", Area, area::acre, area::ha);
    row("gal", Volume, volume::gal, volume::l);
    row("qt", Volume, volume::qt, volume::gal);
    row("pt", Volume, volume::pt, volume::qt);
    row("floz", Volume, volume::floz, volume::pt);
    row("go", Volume, volume::go, volume::l);
    row("sho", Volume, volume::sho, volume::go);
    row("kg", Weight, weight::kg, weight::g);
    row("oz", Weight, weight::oz, weight::g);
    row("lb", Weight, weight::lb, weight::g);
}

// What the box tells the user is what Convert does: the left amount typed into the box
// converts into the right amount in the other unit.
void TestUnitRelations::relationAgreesWithConversion() {
    QFETCH(QString, box);
    QFETCH(int, category);
    QFETCH(int, from);
    QFETCH(int, to);
    const QStringList sides = relation(box.toLatin1().constData()).split(QStringLiteral(" = "));
    QVERIFY(sides.size() >= 2);
    const Category &converter = kCategories[category];
    unit_conv::UnitRow row(converter.size);
    row[static_cast<std::size_t>(from)] = sides[0].section(QLatin1Char(' '), 0, 0).toStdString();
    QVERIFY(converter.convert(row, separatorsNamed(QStringLiteral("dot"))));
    QCOMPARE(QString::fromStdString(row[static_cast<std::size_t>(to)]),
             sides[1].section(QLatin1Char(' '), 0, 0));
}

QTEST_GUILESS_MAIN(TestUnitRelations)
#include "tst_unit_relations.moc"
