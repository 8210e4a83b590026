// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include <QtTest/QtTest>

#include <optional>

#include "dialer/list_order.h"

class TestListOrder : public QObject {
    Q_OBJECT

private slots:
    void orders_data();
    void orders();
    void equalNamesKeepTheirOrder();
};

void TestListOrder::orders_data() {
    QTest::addColumn<QLocale::Language>("language"); // English: the designed order
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("shown");

    // Guinea-Bissau before Guinea, as the tables have it.
    const QStringList designed = {"Guinea-Bissau", "Guinea", "Australia (Voice)",
                                  "Australia (Fax)"};
    QTest::newRow("English keeps the given order") << QLocale::English << designed << designed;
    QTest::newRow("German sorts") << QLocale::German << designed
                                  << QStringList{"Australia (Fax)", "Australia (Voice)", "Guinea",
                                                 "Guinea-Bissau"};
    QTest::newRow("German umlauts stand with their letters")
        << QLocale::German
        << QStringList{"Zypern", "\u00D6sterreich", "Oman", "\u00C4gypten", "Polen", "Albanien"}
        << QStringList{"\u00C4gypten", "Albanien", "Oman", "\u00D6sterreich", "Polen", "Zypern"};
    // ヴァヌアツ, ウガンダ, エジプト: "ヴ" sorts as "ウ" (then "ァ" as "ア" before "ガ"),
    // though its code point comes after every other katakana.
    QTest::newRow("Japanese kana in their syllabary order")
        << QLocale::Japanese
        << QStringList{"\u30A8\u30B8\u30D7\u30C8", "\u30A6\u30AC\u30F3\u30C0",
                       "\u30F4\u30A1\u30CC\u30A2\u30C4"}
        << QStringList{"\u30F4\u30A1\u30CC\u30A2\u30C4", "\u30A6\u30AC\u30F3\u30C0",
                       "\u30A8\u30B8\u30D7\u30C8"};
}

void TestListOrder::orders() {
    QFETCH(QLocale::Language, language);
    QFETCH(QStringList, names);
    QFETCH(QStringList, shown);
    const std::optional<QLocale> locale =
        language == QLocale::English ? std::nullopt : std::optional<QLocale>(QLocale(language));
    QStringList ordered;
    for (const qsizetype index : dialer::listOrder(names, locale))
        ordered << names.at(index);
    QCOMPARE(ordered, shown);
}

// Equal names are told apart by their position only: sorting must not swap them, whatever
// the sort does with them internally.
void TestListOrder::equalNamesKeepTheirOrder() {
    QStringList names(40, QStringLiteral("Finnland ()"));
    names.insert(20, QStringLiteral("Finnland"));
    std::vector<qsizetype> expected{20};
    for (qsizetype i = 0; i < names.size(); ++i)
        if (i != 20)
            expected.push_back(i);
    QVERIFY(dialer::listOrder(names, QLocale(QLocale::German)) == expected);
}

QTEST_GUILESS_MAIN(TestListOrder)
#include "tst_list_order.moc"
