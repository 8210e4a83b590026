// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include <QtTest/QtTest>

#include <QColor>

#include "ui/contrast.h"

class TestContrast : public QObject {
    Q_OBJECT

private slots:
    void ratio_data();
    void ratio();
    void readableText_data();
    void readableText();
};

void TestContrast::ratio_data() {
    QTest::addColumn<QColor>("first");
    QTest::addColumn<QColor>("second");
    QTest::addColumn<double>("expected");
    QTest::newRow("black on white is the most") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
    QTest::newRow("order does not matter") << QColor(Qt::white) << QColor(Qt::black) << 21.0;
    QTest::newRow("a colour on itself is the least")
        << QColor(255, 224, 192) << QColor(255, 224, 192) << 1.0;
    // #767676 is the lightest grey that still reads on white; #777777 just fails.
    QTest::newRow("grey 118 on white passes") << QColor(118, 118, 118) << QColor(Qt::white) << 4.54;
    QTest::newRow("grey 119 on white fails") << QColor(119, 119, 119) << QColor(Qt::white) << 4.48;
    QTest::newRow("red on the tool colour") << QColor(255, 0, 0) << QColor(255, 224, 192) << 3.18;
    QTest::newRow("dark channels below the knee")
        << QColor(10, 10, 10) << QColor(Qt::black) << 1.06;
}

void TestContrast::ratio() {
    QFETCH(QColor, first);
    QFETCH(QColor, second);
    QFETCH(double, expected);
    QCOMPARE(qRound(ui::contrastRatio(first, second) * 100), qRound(expected * 100));
}

void TestContrast::readableText_data() {
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("preferred");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("black on peach stays")
        << QColor(255, 224, 192) << QColor(Qt::black) << QColor(Qt::black);
    QTest::newRow("a dark theme's text on peach turns black")
        << QColor(255, 224, 192) << QColor(252, 252, 252) << QColor(Qt::black);
    QTest::newRow("black on a dark cell turns white")
        << QColor(42, 46, 50) << QColor(Qt::black) << QColor(Qt::white);
    QTest::newRow("a light theme's text on a dark cell stays")
        << QColor(42, 46, 50) << QColor(252, 252, 252) << QColor(252, 252, 252);
}

void TestContrast::readableText() {
    QFETCH(QColor, background);
    QFETCH(QColor, preferred);
    QFETCH(QColor, expected);
    QCOMPARE(ui::readableText(background, preferred), expected);
}

QTEST_APPLESS_MAIN(TestContrast)
#include "tst_contrast.moc"
