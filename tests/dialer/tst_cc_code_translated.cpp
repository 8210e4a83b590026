// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

// The dialer shown in Japanese and in German, with the program's own translations.

#include <QtTest/QtTest>

#include <QAbstractItemView>
#include <QApplication>
#include <QCollator>
#include <QComboBox>
#include <QCompleter>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>

#include <algorithm>
#include <string_view>

#include "dialer/cc_help.h"
#include "dialer/country_names.h"
#include "dialer/dialing_tables.h"
#include "tests/dialer/dialer_window.h"
#include "tests/support/gui_test.h"
#include "ui/translation.h"
#include "ui/window_registry.h"

using dialer_test::click;
using dialer_test::Dialer;
using dialer_test::foundTexts;
using dialer_test::openDialer;

namespace {

// The translations built into the program.
const QString kTranslations = QLatin1String(ui::kTranslationFolder);

QLocale localeOf(QLocale::Language language) {
    switch (language) {
    case QLocale::Japanese:
        return {QLocale::Japanese, QLocale::Japan};
    case QLocale::German:
        return {QLocale::German, QLocale::Germany};
    default:
        return QLocale::c();
    }
}

template <class Table> int indexOf(const Table &table, std::string_view listText) {
    const auto found = std::find_if(table.begin(), table.end(),
                                    [&](const auto &entry) { return entry.listText == listText; });
    return found == table.end() ? -1 : static_cast<int>(found - table.begin());
}

// The list position of the item that stands for table entry `index`.
int positionOf(QComboBox *list, int index) {
    return list->findData(index);
}

// Checks that `list` holds every entry of `table` once, under its name in the installed
// language, in the order readers of `locale` sort.
template <class Table>
void checkSorted(QComboBox *list, const Table &table, const QLocale &locale) {
    QCOMPARE(list->count(), static_cast<int>(table.size()));
    const QCollator collator(locale);
    std::vector<bool> seen(table.size());
    bool reordered = false;
    for (int position = 0; position < list->count(); ++position) {
        bool isIndex = false;
        const int index = list->itemData(position).toInt(&isIndex);
        QVERIFY(isIndex && index >= 0 && index < static_cast<int>(table.size()));
        QVERIFY2(!seen[static_cast<std::size_t>(index)], qPrintable(list->itemText(position)));
        seen[static_cast<std::size_t>(index)] = true;
        reordered |= index != position;
        QCOMPARE(list->itemText(position),
                 dialer::countryName(table[static_cast<std::size_t>(index)].listText));
        if (position == 0)
            continue;
        const int order = collator.compare(list->itemText(position - 1), list->itemText(position));
        QVERIFY2(order < 0 || (order == 0 && list->itemData(position - 1).toInt() < index),
                 qPrintable(list->itemText(position - 1) + " / " + list->itemText(position)));
    }
    QVERIFY(reordered);
}

// Chooses the items of table entries `source` and `destination` and submits; returns what
// the result box shows.
QString submitted(const Dialer &d, int source, int destination) {
    gui_test::chooseListItem(d.src, positionOf(d.src, source));
    gui_test::chooseListItem(d.dest, positionOf(d.dest, destination));
    click(d.submit);
    return d.out->text();
}

// Where a line of the help text box ends, in the client area of `help`.
QRect lineEnd(CcHelp *help, QPlainTextEdit *text, const QTextBlock &block) {
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::EndOfBlock);
    const QRect rect = text->cursorRect(cursor);
    return {text->viewport()->mapTo(help->centralWidget(), rect.topLeft()), rect.size()};
}

// The left edge of character `column` of a line of the help text box.
int xOf(QPlainTextEdit *text, const QTextBlock &block, int column) {
    QTextCursor cursor(block);
    cursor.setPosition(block.position() + column);
    return text->cursorRect(cursor).x();
}

} // namespace

class TestCcCodeTranslated : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void languages_data();
    void windowTextsAreTranslated_data() { languages_data(); }
    void windowTextsAreTranslated();
    void listsFollowTheReadersOrder_data() { languages_data(); }
    void listsFollowTheReadersOrder();
    void germanUmlautsSortWithTheirLetter();
    void submitComposesTheChosenEntry_data();
    void submitComposesTheChosenEntry();
    void typingFindsShownNames_data();
    void typingFindsShownNames();
    void offersAreNotCutShort();
    void choosingAFoundNameComposes_data();
    void choosingAFoundNameComposes();
    void helpLanguages_data();
    void helpColumnsLineUp_data() { helpLanguages_data(); }
    void helpColumnsLineUp();
    void helpFitsItsWindow_data() { helpLanguages_data(); }
    void helpFitsItsWindow();

private:
    gui_test::ModalBoxWatcher boxes_;
};

void TestCcCodeTranslated::cleanup() {
    gui_test::closeAllWindows();
    ui::installTranslation(QLocale::c());
    QVERIFY(boxes_.take().isEmpty());
}

void TestCcCodeTranslated::languages_data() {
    QTest::addColumn<QLocale::Language>("language");
    QTest::newRow("Japanese") << QLocale::Japanese;
    QTest::newRow("German") << QLocale::German;
}

// Every text a user reads or hears is the language's own, and a screen reader names each
// list after the label the user sees above it.
void TestCcCodeTranslated::windowTextsAreTranslated() {
    QFETCH(QLocale::Language, language);
    QCOMPARE(ui::installTranslation(localeOf(language), kTranslations), language);
    const Dialer d = openDialer();
    const auto label = [&d](const char *name) {
        return d.window->findChild<QLabel *>(QLatin1String(name));
    };
    const QStringList english = {"International Telephone Country Code",
                                 "&Help",
                                 "Country code",
                                 "Source country",
                                 "Destination country",
                                 "Dial this number first ",
                                 "Select Source Country",
                                 "Select Destination Country",
                                 "Submit"};
    const QStringList shown = {
        d.window->windowTitle(),
        d.window->menuBar()->actions().value(0)->text(),
        d.window->findChild<QGroupBox *>(QStringLiteral("Frame1"))->title(),
        label("Label6")->text(),
        label("Label5")->text(),
        label("Label4")->text(),
        d.src->currentText(),
        d.dest->currentText(),
        d.submit->text(),
    };
    for (qsizetype i = 0; i < english.size(); ++i) {
        QVERIFY2(!shown.at(i).isEmpty() && shown.at(i) != english.at(i), qPrintable(english.at(i)));
    }
    QCOMPARE(d.src->accessibleName(), label("Label6")->text().simplified());
    QCOMPARE(d.dest->accessibleName(), label("Label5")->text().simplified());
    QCOMPARE(d.out->accessibleName(), label("Label4")->text().simplified());
}

void TestCcCodeTranslated::listsFollowTheReadersOrder() {
    QFETCH(QLocale::Language, language);
    QCOMPARE(ui::installTranslation(localeOf(language), kTranslations), language);
    const Dialer d = openDialer();
    for (QComboBox *list : {d.src, d.dest}) {
        if (list == d.src)
            checkSorted(list, dialer::SourceAccessCodes, localeOf(language));
        else
            checkSorted(list, dialer::DestinationCodes, localeOf(language));
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(list->currentIndex(), -1);
        // Every name has its Japanese form: only carriers' brands stay in Latin letters.
        for (int position = 0; language == QLocale::Japanese && position < list->count();
             ++position) {
            const QString name = list->itemText(position);
            QVERIFY2(
                std::any_of(name.begin(), name.end(), [](QChar c) { return c.unicode() > 0xFF; }),
                qPrintable(name));
        }
    }
}

// "Österreich" stands among the O's, not after "Zypern" as its first code point would
// place it.
void TestCcCodeTranslated::germanUmlautsSortWithTheirLetter() {
    QCOMPARE(ui::installTranslation(localeOf(QLocale::German), kTranslations), QLocale::German);
    const Dialer d = openDialer();
    const int austria = positionOf(d.dest, indexOf(dialer::DestinationCodes, "Austria"));
    QCOMPARE(d.dest->itemText(austria), QStringLiteral("\u00D6sterreich"));
    QVERIFY(positionOf(d.dest, indexOf(dialer::DestinationCodes, "Oman")) < austria);
    QVERIFY(austria < positionOf(d.dest, indexOf(dialer::DestinationCodes, "Pakistan")));
    QVERIFY(austria < positionOf(d.dest, indexOf(dialer::DestinationCodes, "Cyprus")));
}

void TestCcCodeTranslated::submitComposesTheChosenEntry_data() {
    QTest::addColumn<QLocale::Language>("language");
    QTest::addColumn<int>("source"); // table indexes
    QTest::addColumn<int>("destination");
    QTest::addColumn<QString>("prefix");
    for (const QLocale::Language language : {QLocale::Japanese, QLocale::German}) {
        const QString name = QLocale::languageToString(language) + QLatin1String(": ");
        QTest::addRow("%s", qPrintable(name + "USA to Japan"))
            << language << 256 << 109 << "011-81-(0)-";
        QTest::addRow("%s", qPrintable(name + "Japan (KDD) to USA"))
            << language << 133 << 221 << "001-1-(1)-";
        QTest::addRow("%s", qPrintable(name + "Germany to Austria"))
            << language << 99 << 13 << "00-43-(0)-";
        QTest::addRow("%s", qPrintable(name + "second of three equal Finland ()"))
            << language << 86 << 109 << "994-81-(0)-";
        QTest::addRow("%s", qPrintable(name + "third of three equal Finland ()"))
            << language << 87 << 109 << "999-81-(0)-";
        QTest::addRow("%s", qPrintable(name + "Bolivia (Entel) to Korea (South)"))
            << language << 28 << 115 << "0010 or 010-82-(0 or 082)-";
    }
}

// An item composes its own entry's codes wherever the sorted list puts it, the same codes as
// the same choice in English.
void TestCcCodeTranslated::submitComposesTheChosenEntry() {
    QFETCH(QLocale::Language, language);
    QFETCH(int, source);
    QFETCH(int, destination);
    QFETCH(QString, prefix);
    QCOMPARE(ui::installTranslation(localeOf(language), kTranslations), language);
    Dialer d = openDialer();
    QCOMPARE(submitted(d, source, destination), prefix);
    QCOMPARE(d.src->itemData(d.src->currentIndex()), QVariant(source));
    QCOMPARE(d.dest->itemData(d.dest->currentIndex()), QVariant(destination));

    gui_test::closeAllWindows();
    ui::installTranslation(QLocale::c());
    d = openDialer();
    QCOMPARE(submitted(d, source, destination), prefix);
    QCOMPARE(d.src->currentIndex(), source);
}

void TestCcCodeTranslated::typingFindsShownNames_data() {
    QTest::addColumn<QLocale::Language>("language");
    QTest::addColumn<bool>("inSource");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("found");
    const QString austria = QStringLiteral("\u00D6sterreich");
    QTest::newRow("German name, with its umlaut")
        << QLocale::German << false << QStringLiteral("\u00F6sterr") << QStringList{austria};
    QTest::newRow("German name, without the umlaut, in capitals")
        << QLocale::German << false << "OSTERR" << QStringList{austria};
    QTest::newRow("anywhere in a German name")
        << QLocale::German << false << QStringLiteral("nigtes k\u00F6nig")
        << QStringList{QStringLiteral("Vereinigtes K\u00F6nigreich")};
    QTest::newRow("German carriers, in sorted order")
        << QLocale::German << true << "japan ("
        << QStringList{"Japan (Cable & Wireless IDC)", "Japan (Japan Telecom)", "Japan (KDD)",
                       "Japan (Myline/Myline Plus)"};
    const QString canada = QStringLiteral("\u30AB\u30CA\u30C0");
    QTest::newRow("half-width katakana find full-width")
        << QLocale::Japanese << false << QStringLiteral("\uFF76\uFF85\uFF80\uFF9E")
        << QStringList{canada};
    QTest::newRow("hiragana find katakana")
        << QLocale::Japanese << false << QStringLiteral("\u304B\u306A\u3060")
        << QStringList{canada};
    QTest::newRow("full-width letters find a carrier")
        << QLocale::Japanese << true << QStringLiteral("\uFF2B\uFF24\uFF24")
        << QStringList{QStringLiteral("\u65E5\u672C (KDD)")};
    QTest::newRow("kanji") << QLocale::Japanese << false << QStringLiteral("\u65E5\u672C")
                           << QStringList{QStringLiteral("\u65E5\u672C")};

    const QString usa = QStringLiteral("\u7C73\u56FD");                 // 米国
    const QString uk = QStringLiteral("\u82F1\u56FD");                  // 英国
    const QString america = QStringLiteral("\u30A2\u30E1\u30EA\u30AB"); // アメリカ
    const QStringList americas = {
        usa + " (" + america + ")",
        QStringLiteral("\u7C73\u9818\u30F4\u30A1\u30FC\u30B8\u30F3\u8AF8\u5CF6 (") + america +
            QStringLiteral("\u9818\u30F4\u30A1\u30FC\u30B8\u30F3\u8AF8\u5CF6)"),
        QStringLiteral("\u7C73\u9818\u30B5\u30E2\u30A2 (") + america +
            QStringLiteral("\u9818\u30B5\u30E2\u30A2)")};
    QTest::newRow("Japanese everyday name: America")
        << QLocale::Japanese << false << america << americas;
    QTest::newRow("half-width, through the folding")
        << QLocale::Japanese << false << QStringLiteral("\uFF71\uFF92\uFF98\uFF76") << americas;
    QTest::newRow("Japanese everyday name: Britain")
        << QLocale::Japanese << true << QStringLiteral("\u30A4\u30AE\u30EA\u30B9")
        << QStringList{uk + QStringLiteral(" (\u30A4\u30AE\u30EA\u30B9)"),
                       QStringLiteral("\u82F1\u9818\u30F4\u30A1\u30FC\u30B8\u30F3\u8AF8\u5CF6 ("
                                      "\u30A4\u30AE\u30EA\u30B9\u9818\u30F4\u30A1\u30FC\u30B8"
                                      "\u30F3\u8AF8\u5CF6)")};
    QTest::newRow("a Japanese ISO name, written for it")
        << QLocale::Japanese << false << QStringLiteral("\u5317\u671D\u9BAE")
        << QStringList{QStringLiteral("\u671D\u9BAE\u6C11\u4E3B\u4E3B\u7FA9\u4EBA\u6C11\u5171"
                                      "\u548C\u56FD (\u5317\u671D\u9BAE)")};
    const QString germanUk = QStringLiteral("Vereinigtes K\u00F6nigreich");
    QTest::newRow("German everyday name: England")
        << QLocale::German << true << "England" << QStringList{germanUk + " (England)"};
    QTest::newRow("German everyday name: Holland")
        << QLocale::German << false << "holland" << QStringList{"Niederlande (Holland)"};
    QTest::newRow("German everyday name: USA")
        << QLocale::German << false << "USA" << QStringList{"Vereinigte Staaten (USA)"};
    QTest::newRow("a German ISO name") << QLocale::German << false << "eidgenossenschaft"
                                       << QStringList{"Schweiz (Schweizerische Eidgenossenschaft)"};
    QTest::newRow("the English name under German")
        << QLocale::German << false << "united states of"
        << QStringList{"Vereinigte Staaten (United States of America)"};
}

void TestCcCodeTranslated::typingFindsShownNames() {
    QFETCH(QLocale::Language, language);
    QFETCH(bool, inSource);
    QFETCH(QString, typed);
    QFETCH(QStringList, found);
    QCOMPARE(ui::installTranslation(localeOf(language), kTranslations), language);
    const Dialer d = openDialer();
    QVERIFY(QTest::qWaitForWindowActive(d.window));
    QComboBox *list = inSource ? d.src : d.dest;
    dialer_test::enterIntoList(list, typed);
    QTRY_COMPARE(foundTexts(list), found);
}

// A line that tells what was found can be wider than the list: the popup widens to show it
// whole instead of ending it in an ellipsis.
void TestCcCodeTranslated::offersAreNotCutShort() {
    QCOMPARE(ui::installTranslation(localeOf(QLocale::Japanese), kTranslations), QLocale::Japanese);
    const Dialer d = openDialer();
    QVERIFY(QTest::qWaitForWindowActive(d.window));
    dialer_test::enterIntoList(d.dest, QStringLiteral("\u30A2\u30E1\u30EA\u30AB"));
    QAbstractItemView *popup = d.dest->completer()->popup();
    QTRY_VERIFY(popup->isVisible());
    QVERIFY(popup->width() > d.dest->width());
    for (int row = 0; row < popup->model()->rowCount(); ++row) {
        const QString line = popup->model()->index(row, 0).data().toString();
        QVERIFY2(popup->fontMetrics().horizontalAdvance(line) < popup->viewport()->width(),
                 qPrintable(line));
    }
}

void TestCcCodeTranslated::choosingAFoundNameComposes_data() {
    QTest::addColumn<QLocale::Language>("language");
    QTest::addColumn<QString>("sourceTyped");
    QTest::addColumn<QString>("destinationTyped");
    QTest::addColumn<QString>("prefix");
    QTest::newRow("German") << QLocale::German << "deutschl"
                            << "osterr"
                            << "00-43-(0)-";
    QTest::newRow("Japanese") << QLocale::Japanese << QStringLiteral("\uFF2B\uFF24\uFF24")
                              << QStringLiteral("\uFF76\uFF85\uFF80\uFF9E") << "001-1-(1)-";
    QTest::newRow("Japanese, by other names")
        << QLocale::Japanese << "usa" << QStringLiteral("\uFF0B\uFF14\uFF14") << "011-44-(0)-";
    QTest::newRow("German, by other names") << QLocale::German << "England"
                                            << "+31"
                                            << "00-31-(0)-";
}

void TestCcCodeTranslated::choosingAFoundNameComposes() {
    QFETCH(QLocale::Language, language);
    QFETCH(QString, sourceTyped);
    QFETCH(QString, destinationTyped);
    QFETCH(QString, prefix);
    QCOMPARE(ui::installTranslation(localeOf(language), kTranslations), language);
    const Dialer d = openDialer();
    QVERIFY(QTest::qWaitForWindowActive(d.window));
    for (QComboBox *list : {d.src, d.dest}) {
        dialer_test::enterIntoList(list, list == d.src ? sourceTyped : destinationTyped);
        QAbstractItemView *popup = list->completer()->popup();
        QTRY_COMPARE(foundTexts(list).size(), 1);
        QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Return);
        QTRY_VERIFY(!popup->isVisible());
        QVERIFY(list->currentIndex() >= 0);
        // The field shows the item's own name, not the offer's line.
        QCOMPARE(list->currentText(), list->itemText(list->currentIndex()));
    }
    click(d.submit);
    QCOMPARE(d.out->text(), prefix);
}

void TestCcCodeTranslated::helpLanguages_data() {
    QTest::addColumn<QLocale::Language>("language");
    QTest::newRow("English") << QLocale::English;
    QTest::newRow("Japanese") << QLocale::Japanese;
    QTest::newRow("German") << QLocale::German;
}

// The first paragraph's columns: the "+" of its five rows, and the digits of all six.
void TestCcCodeTranslated::helpColumnsLineUp() {
    QFETCH(QLocale::Language, language);
    QCOMPARE(ui::installTranslation(localeOf(language), kTranslations), language);
    const Dialer d = openDialer();
    gui_test::chooseMenuItem(d.window, "mnuHelp");
    auto *text = ui::loaded<CcHelp>()->findChild<QPlainTextEdit *>(QStringLiteral("Text1"));
    QVERIFY(text);
    QTextBlock block = text->document()->firstBlock().next();
    int plus = -1;
    int digits = -1;
    for (int row = 1; row <= 6; ++row, block = block.next()) {
        const QString line = block.text();
        // The digits (or "(0)") begin after the last run of blanks.
        const int digitsColumn = static_cast<int>(line.lastIndexOf(QLatin1Char(' '))) + 1;
        QVERIFY2(digitsColumn > 0 && line.at(digitsColumn).isPrint(), qPrintable(line));
        const int digitsAt = xOf(text, block, digitsColumn);
        QVERIFY2(digits < 0 || qAbs(digitsAt - digits) <= 1, qPrintable(line));
        digits = digitsAt;
        if (row == 6) {
            QVERIFY2(!line.contains(QLatin1Char('+')), qPrintable(line));
            break;
        }
        QCOMPARE(line.count(QLatin1Char('+')), 1);
        const int plusAt = xOf(text, block, static_cast<int>(line.indexOf(QLatin1Char('+'))));
        QVERIFY2(plus < 0 || qAbs(plusAt - plus) <= 1, qPrintable(line));
        plus = plusAt;
    }
}

// Each line of the help stands whole on one line inside the window, which cuts off the
// right and bottom edges of the text box.
void TestCcCodeTranslated::helpFitsItsWindow() {
    QFETCH(QLocale::Language, language);
    QCOMPARE(ui::installTranslation(localeOf(language), kTranslations), language);
    const Dialer d = openDialer();
    gui_test::chooseMenuItem(d.window, "mnuHelp");
    CcHelp *help = ui::loaded<CcHelp>();
    auto *text = help->findChild<QPlainTextEdit *>(QStringLiteral("Text1"));
    QVERIFY(text);
    const QSize client = help->centralWidget()->size();
    for (QTextBlock block = text->document()->firstBlock(); block.isValid(); block = block.next()) {
        QVERIFY2(block.layout()->lineCount() == 1, qPrintable(block.text()));
        QVERIFY2(lineEnd(help, text, block).right() < client.width(), qPrintable(block.text()));
    }
    QVERIFY(lineEnd(help, text, text->document()->lastBlock()).bottom() < client.height());
}

ZENDREL_GUI_TEST_MAIN(TestCcCodeTranslated)
#include "tst_cc_code_translated.moc"
