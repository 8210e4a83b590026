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
    QTest::newRow("full-width letters") << QStringLiteral("\uFF35\uFF33\uFF21") << "usa";
    QTest::newRow("full-width parentheses, ideographic space")
        << QStringLiteral("\u65E5\u672C\u3000\uFF08\uFF2B\uFF24\uFF24\uFF09")
        << QStringLiteral("\u65E5\u672C (kdd)");
    QTest::newRow("half-width katakana")
        << QStringLiteral("\uFF86\uFF8E\uFF9D") << QStringLiteral("\u30CB\u30DB\u30F3");
    QTest::newRow("half-width voicing marks join their kana")
        << QStringLiteral("\uFF76\uFF9E\uFF8E\uFF9E\uFF9D") << QStringLiteral("\u30AC\u30DC\u30F3");
    QTest::newRow("voicing marks are no accents")
        << QStringLiteral("\u30D0\u30CF\u30DE\u30D1\u30EA")
        << QStringLiteral("\u30D0\u30CF\u30DE\u30D1\u30EA");
    QTest::newRow("hiragana read as katakana")
        << QStringLiteral("\u304C\u307C\u3093") << QStringLiteral("\u30AC\u30DC\u30F3");
    QTest::newRow("katakana vu, composed or not")
        << QStringLiteral("\u30A6\u3099\u30A1\u30F4") << QStringLiteral("\u30F4\u30A1\u30F4");
}

void TestSearchKey::folds() {
    QFETCH(QString, text);
    QFETCH(QString, key);
    QCOMPARE(dialer::searchKey(text), key);
}

QTEST_GUILESS_MAIN(TestSearchKey)
#include "tst_search_key.moc"
