// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include <QtTest/QtTest>

#include <string>

#include "tests/unit_conv/separators_for_tests.h"
#include "unit_conv/conversions.h"

using unit_conv::UnitRow;

namespace {

using Convert = bool (*)(UnitRow &, const unit_conv::Separators &);

// Each row is checked twice: as written, and with every decimal point a decimal comma.
void addRow(const char *name, const QStringList &before, const QStringList &after,
            bool succeeds = true) {
    QTest::newRow(name) << QStringLiteral("dot") << before << after << succeeds;
    QStringList commaBefore = before;
    QStringList commaAfter = after;
    commaBefore.replaceInStrings(QStringLiteral("."), QStringLiteral(","));
    commaAfter.replaceInStrings(QStringLiteral("."), QStringLiteral(","));
    QTest::addRow("%s, decimal comma", name)
        << QStringLiteral("comma") << commaBefore << commaAfter << succeeds;
}

void addColumns() {
    QTest::addColumn<QString>("separators");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<bool>("succeeds");
}

void checkConversion(Convert convert) {
    QFETCH(QString, separators);
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    QFETCH(bool, succeeds);
    UnitRow row;
    for (const QString &text : before)
        row.push_back(text.toStdString());
    QCOMPARE(convert(row, separatorsNamed(separators)), succeeds);
    QStringList result;
    for (const std::string &text : row)
        result.append(QString::fromStdString(text));
    QCOMPARE(result, after);
}

} // namespace

class TestConversions : public QObject {
    Q_OBJECT

private slots:
    void length_data();
    void length() { checkConversion(unit_conv::ConvertLength); }
    void area_data();
    void area() { checkConversion(unit_conv::ConvertArea); }
    void volume_data();
    void volume() { checkConversion(unit_conv::ConvertVolume); }
    void weight_data();
    void weight() { checkConversion(unit_conv::ConvertWeight); }
    void temperature_data();
    void temperature() { checkConversion(unit_conv::ConvertTemperature); }
    void rowOfWrongSizeFails();
};

// Order: cm, m, km, inch, foot, yard, mile, feet_c, inch_c.
void TestConversions::length_data() {
    addColumns();
    const QString e; // an empty box
    addRow("180 cm", {"180", e, e, e, e, e, e, e, e},
           {"180", "1.8", "0.0018", "70.8661417323", "5.8064516129", "1.978021978", "0.0011180124",
            "5", "9.6774193548"});
    addRow("source keeps its blanks", {" 180 ", e, e, e, e, e, e, e, e},
           {" 180 ", "1.8", "0.0018", "70.8661417323", "5.8064516129", "1.978021978",
            "0.0011180124", "5", "9.6774193548"});
    addRow("only the first filled box counts", {"100", e, "5", e, e, e, e, "1", "2"},
           {"100", "1", "0.001", "39.3700787402", "3.2258064516", "1.0989010989", "0.000621118",
            "3", "2.7096774192"});
    addRow("1 km", {e, e, "1", e, e, e, e, e, e},
           {"100000", "1000", "1", "39370.0787401575", "3225.8064516129", "1098.9010989011",
            "0.6211180124", "3225", "9.67741935480262"});
    addRow("1 inch gives exponent forms", {e, e, e, "1", e, e, e, e, e},
           {"2.54", "0.0254", "2.54E-05", "1", "0.0819354839", "0.0279120879", "1.57764E-05", "0",
            "0.9832258068"});
    addRow(
        "1 foot", {e, e, e, e, "1", e, e, e, e},
        {"31", "0.31", "0.00031", "12.2047244094", "1", "0.3406593407", "0.0001925466", "1", "0"});
    addRow("-1.5 foot splits toward minus infinity", {e, e, e, e, "-1.5", e, e, e, e},
           {"-46.5", "-0.465", "-0.000465", "-18.3070866142", "-1.5", "-0.510989011",
            "-0.0002888199", "-2", "6"});
    addRow("1 m", {e, "1", e, e, e, e, e, e, e},
           {"100", "1", "0.001", "39.3700787402", "3.2258064516", "1.0989010989", "0.000621118",
            "3", "2.7096774192"});
    addRow("1 yard", {e, e, e, e, e, "1", e, e, e},
           {"91", "0.91", "0.00091", "35.8267716535", "2.935483871", "1", "0.0005652174", "2",
            "11.225806452"});
    addRow("1 mile, inches with residue", {e, e, e, e, e, e, "1", e, e},
           {"161000", "1610", "1.61", "63385.8267716535", "5193.5483870968", "1769.2307692308", "1",
            "5193", "6.58064516160084"});
    addRow("5 feet 11 inches", {e, e, e, e, e, e, e, "5", "11"},
           {"183.4166666677", "1.8341666667", "0.0018341667", "72.2112860896", "5.9166666667",
            "2.0155677656", "0.001139234", "5", "11"});
    addRow(
        "6 feet only", {e, e, e, e, e, e, e, "6", e},
        {"186", "1.86", "0.00186", "73.2283464567", "6", "2.043956044", "0.0011552795", "6", "0"});
    addRow("12 inches only", {e, e, e, e, e, e, e, e, "12"},
           {"30.48", "0.3048", "0.0003048", "12", "0.9832258065", "0.3349450549", "0.0001893168",
            "0", "12"});
    addRow(
        "0 feet 12 inches is one converter foot", {e, e, e, e, e, e, e, "0", "12"},
        {"31", "0.31", "0.00031", "12.2047244094", "1", "0.3406593407", "0.0001925466", "0", "12"});
    addRow("pair values are not restricted", {e, e, e, e, e, e, e, "-1.5", "18"},
           {"0", "0", "0", "0", "0", "0", "0", "-1.5", "18"});
    addRow("empty row does nothing", {e, e, e, e, e, e, e, e, e}, {e, e, e, e, e, e, e, e, e});
    addRow("non-numeric source writes nothing", {"abc", e, "5", e, e, e, e, e, e},
           {"abc", e, "5", e, e, e, e, e, e}, false);
    addRow("blank source writes nothing", {"  ", "1", e, e, e, e, e, e, e},
           {"  ", "1", e, e, e, e, e, e, e}, false);
    addRow("overflow stops at the failing step", {e, e, e, e, e, e, "1E304", "7", "8"},
           {e, "1.61E+307", "1.61E+304", e, e, e, "1E304", "7", "8"}, false);
    addRow("failing feet keep the partner's 0", {e, e, e, e, e, e, e, "x", e},
           {e, e, e, e, e, e, e, "x", "0"}, false);
    addRow("failing inches keep the partner's 0", {e, e, e, e, e, e, e, e, "x"},
           {e, e, e, e, e, e, e, "0", "x"}, false);
    addRow("failing inches beside feet write nothing", {e, e, e, e, e, e, e, "5", "x"},
           {e, e, e, e, e, e, e, "5", "x"}, false);
    addRow("failing feet beside inches write nothing", {e, e, e, e, e, e, e, " ", "11"},
           {e, e, e, e, e, e, e, " ", "11"}, false);
}

// Order: m2, km2, tsubo, ft2, yd2, ha, acre.
void TestConversions::area_data() {
    addColumns();
    const QString e;
    addRow(
        "1 sq. m", {"1", e, e, e, e, e, e},
        {"1", "1E-06", "0.3024803388", "11.1111111111", "1.1904761905", "0.0001", "0.0002469136"});
    addRow("100 sq. m", {"100", e, e, e, e, e, e},
           {"100", "0.0001", "30.2480338778", "1111.1111111111", "119.0476190476", "0.01",
            "0.024691358"});
    addRow("30 tsubo", {e, e, "30", e, e, e, e},
           {"99.18", "9.918E-05", "30", "1102", "118.0714285714", "0.009918", "0.0244888889"});
    addRow("1 sq. km shows 15 digits", {e, "1", e, e, e, e, e},
           {"1000000", "1", "302480.338777979", "11111111.1111111", "1190476.19047619", "100",
            "246.9135802469"});
    addRow("1 acre", {e, e, e, e, e, e, "1"},
           {"4050", "0.00405", "1225.0453720508", "45000", "4821.4285714286", "0.405", "1"});
    addRow("1 sq. ft", {e, e, e, "1", e, e, e},
           {"0.09", "9E-08", "0.0272232305", "1", "0.1071428571", "9E-06", "2.22222E-05"});
    addRow("1 sq. yd", {e, e, e, e, "1", e, e},
           {"0.84", "8.4E-07", "0.2540834846", "9.3333333333", "1", "8.4E-05", "0.0002074074"});
    addRow("acre recomputed from hectares", {e, e, e, e, e, "1", "99"},
           {"10000", "0.01", "3024.8033877798", "111111.111111111", "11904.7619047619", "1",
            "2.4691358025"});
    addRow("empty row does nothing", {e, e, e, e, e, e, e}, {e, e, e, e, e, e, e});
    addRow("non-numeric source writes nothing", {e, "1 km", e, e, e, e, e},
           {e, "1 km", e, e, e, e, e}, false);
    addRow("overflow stops at the failing step", {e, "1E303", e, e, e, e, e},
           {e, "1E303", e, e, e, e, e}, false);
}

// Order: l, gal, qt, pt, floz, go, sho.
void TestConversions::volume_data() {
    addColumns();
    const QString e;
    addRow("1 litre", {"1", e, e, e, e, e, e},
           {"1", "0.2642007926", "1.0568031704", "2.1136063408", "33.8177014528", "5.5555555556",
            "0.5555555556"});
    addRow("1 gallon", {e, "1", e, e, e, e, e},
           {"3.785", "1", "4", "8", "128", "21.0277777778", "2.1027777778"});
    addRow("1 quart", {e, e, "1", e, e, e, e},
           {"0.94625", "0.25", "1", "2", "32", "5.2569444444", "0.5256944444"});
    addRow("1 pint", {e, e, e, "1", e, e, e},
           {"0.473125", "0.125", "0.5", "1", "16", "2.6284722222", "0.2628472222"});
    addRow("1 fluid ounce", {e, e, e, e, "1", e, e},
           {"0.0295703125", "0.0078125", "0.03125", "0.0625", "1", "0.1642795139", "0.0164279514"});
    addRow("1 go", {e, e, e, e, e, "1", e},
           {"0.18", "0.0475561427", "0.1902245708", "0.3804491416", "6.0871862656", "1", "0.1"});
    addRow("1 sho", {e, e, e, e, e, e, "1"},
           {"1.8", "0.4755614267", "1.9022457068", "3.8044914136", "60.8718626176", "10", "1"});
    addRow("sho recomputed from go", {e, e, e, e, e, "20", "7"},
           {"3.6", "0.9511228534", "3.8044914136", "7.6089828272", "121.7437252352", "20", "2"});
    addRow("empty row does nothing", {e, e, e, e, e, e, e}, {e, e, e, e, e, e, e});
    addRow("overflow at the first step", {e, e, e, e, e, e, "1E308"}, {e, e, e, e, e, e, "1E308"},
           false);
    addRow("overflow keeps earlier steps", {e, e, e, e, e, e, "1E307"},
           {"1.8E+307", "4.7556142668428E+306", "1.90224570673712E+307", "3.80449141347424E+307", e,
            "1E+308", "1E307"},
           false);
}

// Order: g, kg, oz, lb.
void TestConversions::weight_data() {
    addColumns();
    const QString e;
    addRow("1 g", {"1", e, e, e}, {"1", "0.001", "0.0357142857", "0.0022026432"});
    addRow("1 kg", {e, "1", e, e}, {"1000", "1", "35.7142857143", "2.2026431718"});
    addRow("1 oz", {e, e, "1", e}, {"28", "0.028", "1", "0.0616740088"});
    addRow("1 lb is not 16 oz", {e, e, e, "1"}, {"454", "0.454", "16.2142857143", "1"});
    addRow("60 kg", {e, "60", e, e}, {"60000", "60", "2142.8571428571", "132.1585903084"});
    addRow("source as typed", {"5.0", "1", e, e}, {"5.0", "0.005", "0.1785714286", "0.0110132159"});
    addRow("empty row does nothing", {e, e, e, e}, {e, e, e, e});
    addRow("non-numeric source writes nothing", {e, e, "--1", "3"}, {e, e, "--1", "3"}, false);
}

// Order: dc, df.
void TestConversions::temperature_data() {
    addColumns();
    const QString e;
    addRow("0 C", {"0", e}, {"0", "32"});
    addRow("100 C", {"100", e}, {"100", "212"});
    addRow("-40 C", {"-40", e}, {"-40", "-40"});
    addRow("36.6 C", {"36.6", e}, {"36.6", "97.88"});
    addRow("37 C", {"37", e}, {"37", "98.6"});
    addRow("98.6 F", {e, "98.6"}, {"37", "98.6"});
    addRow("212 F", {e, "212"}, {"100", "212"});
    addRow("0 F", {e, "0"}, {"-17.7777777778", "0"});
    addRow("100 F", {e, "100"}, {"37.7777777778", "100"});
    addRow("Celsius wins over Fahrenheit", {"100", "5"}, {"100", "212"});
    addRow("empty row does nothing", {e, e}, {e, e});
    addRow("blank Celsius fails", {" ", "50"}, {" ", "50"}, false);
    addRow("overflow in the first operation", {"1E308", "1"}, {"1E308", "1"}, false);
    addRow("negative overflow", {e, "-1.7E308"}, {e, "-1.7E308"}, false);
}

void TestConversions::rowOfWrongSizeFails() {
    UnitRow tooShort{"1"};
    QVERIFY(!unit_conv::ConvertLength(tooShort, {}));
    QVERIFY(!unit_conv::ConvertArea(tooShort, {}));
    QVERIFY(!unit_conv::ConvertTemperature(tooShort, {}));
    QCOMPARE(tooShort, UnitRow{"1"});
}

QTEST_APPLESS_MAIN(TestConversions)
#include "tst_conversions.moc"
