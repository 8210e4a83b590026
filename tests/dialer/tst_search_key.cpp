// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include <QtTest/QtTest>

#include "dialer/search_key.h"

class TestSearchKey : public QObject {
    Q_OBJECT

private slots:
    void folds_data();
    void folds();
};

void TestSearchKey::folds_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("key");
    QTest::newRow("cedilla") << QStringLiteral("Cura\u00E7ao") << "curacao";
    QTest::newRow("acute, capitals") << QStringLiteral("R\u00C9UNION Island") << "reunion island";
    QTest::newRow("accent typed as a combining mark")
        << QStringLiteral("Re\u0301union") << "reunion";
    QTest::newRow("umlaut and ring")
        << QStringLiteral("\u00D6sterreich \u00C5land") << "osterreich aland";
    QTest::newRow("ligature") << QStringLiteral("\uFB01ji") << "fiji";
    QTest::newRow("punctuation and blanks stay") << "Korea (South) ()"
                                                 << "korea (south) ()";
    QTest::newRow("empty") << ""
                           << "";
}

void TestSearchKey::folds() {
    QFETCH(QString, text);
    QFETCH(QString, key);
    QCOMPARE(dialer::searchKey(text), key);
}

QTEST_GUILESS_MAIN(TestSearchKey)
#include "tst_search_key.moc"
