// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

// How long the dialer takes from a keystroke to the updated offers, with every name and code
// of the destination list: run it alone (bench_country_search) for the figures. It checks
// no time; each case only checks that what it measures offers something.

#include <QtTest/QtTest>

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QInputMethodEvent>
#include <QLineEdit>

#include "dialer/country_finder.h"
#include "dialer/dialing_tables.h"
#include "dialer/findable_entries.h"
#include "tests/dialer/dialer_window.h"
#include "tests/support/gui_test.h"
#include "ui/translation.h"

namespace {

void commit(QLineEdit *field, const QString &text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(field, &event);
}

} // namespace

class BenchCountrySearch : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void keystroke_data();
    void keystroke();
    void find_data();
    void find();
};

void BenchCountrySearch::cleanup() {
    gui_test::closeAllWindows();
    ui::installTranslation(QLocale::c());
}

void BenchCountrySearch::keystroke_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("typed"); // before the keystroke measured
    QTest::addColumn<QString>("key");
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    const QLocale german(QLocale::German, QLocale::Germany);
    QTest::newRow("English, a -> an: most names offered") << english << "a"
                                                          << "n";
    QTest::newRow("English, +1 -> +18: codes") << english << "+1"
                                               << "8";
    QTest::newRow("Japanese, committed") << japanese << QStringLiteral("\u30A2") // ア
                                         << QStringLiteral("\u30E1");            // メ
    QTest::newRow("German, u -> us") << german << "u"
                                     << "s";
}

// Each round is two keystrokes, each followed by new offers: the key measured, then
// Backspace back to the text before it.
void BenchCountrySearch::keystroke() {
    QFETCH(QLocale, locale);
    QFETCH(QString, typed);
    QFETCH(QString, key);
    ui::installTranslation(locale);
    const dialer_test::Dialer d = dialer_test::openDialer();
    QVERIFY(QTest::qWaitForWindowActive(d.window));
    dialer_test::enterIntoList(d.dest, typed);
    QLineEdit *field = d.dest->lineEdit();
    const bool committed = key.at(0).unicode() > 0x7F;
    // Each keystroke is followed by the painting it asked for, so that the offers are shown.
    QBENCHMARK {
        if (committed)
            commit(field, key);
        else
            QTest::keyClick(field, key.at(0).toLatin1());
        QCoreApplication::processEvents();
        QTest::keyClick(field, Qt::Key_Backspace);
        QCoreApplication::processEvents();
    }
    QCOMPARE(field->text(), typed);
    QVERIFY(d.dest->completer()->popup()->isVisible());
    QVERIFY(!dialer_test::foundTexts(d.dest).isEmpty());
}

void BenchCountrySearch::find_data() {
    QTest::addColumn<QString>("typed");
    QTest::newRow("a letter") << "a";
    QTest::newRow("a name") << "united";
    QTest::newRow("a code") << "+1 8";
    QTest::newRow("a whole number") << "+44 20 7946 0000";
}

// The search alone, without the window.
void BenchCountrySearch::find() {
    QFETCH(QString, typed);
    std::vector<dialer::FindableEntry> entries;
    for (const auto &entry : dialer::DestinationCodes)
        entries.push_back(dialer::findableEntry(entry));
    const dialer::CountryFinder finder(entries);
    std::size_t found = 0;
    QBENCHMARK {
        found = finder.find(typed).size();
    }
    QVERIFY(found > 0);
}

ZENDREL_GUI_TEST_MAIN(BenchCountrySearch)
#include "bench_country_search.moc"
