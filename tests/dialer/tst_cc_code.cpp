// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include <QtTest/QtTest>

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QFontInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>

#include <algorithm>
#include <tuple>

#include "dialer/cc_code.h"
#include "dialer/cc_help.h"
#include "dialer/dialing_tables.h"
#include "tests/dialer/dialer_window.h"
#include "tests/support/gui_test.h"
#include "ui/window_registry.h"

namespace {

using dialer_test::click;
using dialer_test::Dialer;
using dialer_test::foundTexts;
using dialer_test::openDialer;

// Sets the field's text as a screen reader does: through its accessible interface, with no
// key press and no change of focus.
void setTextAsScreenReader(QComboBox *list, const QString &text) {
    QAccessibleEditableTextInterface *editable =
        QAccessible::queryAccessibleInterface(list->lineEdit())->editableTextInterface();
    QVERIFY(editable);
    editable->replaceText(0, static_cast<int>(list->currentText().size()), text);
    QCOMPARE(list->currentText(), text);
}

int helpWindowCount() {
    int count = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        count += widget->objectName() == QLatin1String("cc_help");
    return count;
}

} // namespace

class TestCcCode : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void opensInItsStartState();
    void listsHoldTheTablesInOrder();
    void focusOrder();
    void framesShowTheDesignedBackground();
    void submitComposes_data();
    void submitComposes();
    void submitWithoutBothChoicesKeepsResult_data();
    void submitWithoutBothChoicesKeepsResult();
    void typedTextNeverBecomesAnItem();
    void typedTextMatchingAnItemChoosesIt();
    void typedResultIsOverwritten();
    void shownTextCountsAsChoice_data();
    void shownTextCountsAsChoice();
    void typingFindsCountries_data();
    void typingFindsCountries();
    void enteredFullWidthFindsCountries();
    void plusOneOffersEveryNorthAmericanCode();
    void inputMethodFindsAsKeysDo_data();
    void inputMethodFindsAsKeysDo();
    void choosingAFoundCountryChoosesItsPosition();
    void choosingAnOtherNameChoosesTheEntry();
    void reopeningStartsAfresh();
    void helpShowsOneWindowWithTheText();

private:
    gui_test::ModalBoxWatcher boxes_;
};

void TestCcCode::cleanup() {
    gui_test::closeAllWindows();
    QVERIFY(boxes_.take().isEmpty()); // the dialer never shows a message
}

void TestCcCode::opensInItsStartState() {
    const Dialer d = openDialer();
    QVERIFY(d.src && d.dest && d.out && d.submit);
    QCOMPARE(d.window->windowTitle(), QStringLiteral("International Telephone Country Code"));
    QCOMPARE(d.src->currentIndex(), -1);
    QCOMPARE(d.dest->currentIndex(), -1);
    QCOMPARE(d.src->currentText(), QStringLiteral("Select Source Country"));
    QCOMPARE(d.dest->currentText(), QStringLiteral("Select Destination Country"));
    QVERIFY(d.out->text().isEmpty());
    QCOMPARE(d.window->centralWidget()->size(), QSize(417, 138));
    QCOMPARE(d.window->focusWidget(), d.submit);
}

void TestCcCode::listsHoldTheTablesInOrder() {
    const Dialer d = openDialer();
    QCOMPARE(d.src->count(), 270);
    QCOMPARE(d.dest->count(), 235);
    for (int i = 0; i < d.src->count(); ++i) {
        const auto &entry = dialer::SourceAccessCodes[static_cast<std::size_t>(i)];
        QCOMPARE(d.src->itemText(i).toUtf8(),
                 QByteArray(entry.listText.data(), static_cast<qsizetype>(entry.listText.size())));
    }
    for (int i = 0; i < d.dest->count(); ++i) {
        const auto &entry = dialer::DestinationCodes[static_cast<std::size_t>(i)];
        QCOMPARE(d.dest->itemText(i).toUtf8(),
                 QByteArray(entry.listText.data(), static_cast<qsizetype>(entry.listText.size())));
    }
    QCOMPARE(d.dest->itemText(0), QStringLiteral("Afghanistan"));
    QCOMPARE(d.dest->itemText(234), QStringLiteral("Zimbabwe"));
    QCOMPARE(d.src->itemText(64), QStringLiteral("Cura\u00E7ao"));
}

void TestCcCode::focusOrder() {
    const Dialer d = openDialer();
    ZENDREL_REQUIRE_KEYBOARD_FOCUS(d.window);
    QWidget *expected[] = {d.submit, d.out, d.dest, d.src, d.submit};
    for (QWidget *widget : expected) {
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus);
        // An editable list's field has the focus on behalf of its list.
        QVERIFY2(focus == widget || widget->isAncestorOf(focus), qPrintable(focus->objectName()));
        QTest::keyClick(focus, Qt::Key_Tab);
    }
}

void TestCcCode::framesShowTheDesignedBackground() {
    const Dialer d = openDialer();
    auto *frame = d.window->findChild<QWidget *>(QStringLiteral("Frame1"));
    QVERIFY(frame);
    const QImage picture = d.window->grab().toImage();
    const QColor peach(255, 224, 192);
    // Inside the frame, below the lists and left of the result box; and outside the frame.
    const QPoint insideFrame = frame->mapTo(d.window, QPoint(20, frame->height() - 12));
    QCOMPARE(picture.pixelColor(insideFrame * picture.devicePixelRatio()), peach);
    QCOMPARE(picture.pixelColor(frame->mapTo(d.window, QPoint(-4, 40))), peach);
    // The frame's line runs along the box's own top edge, above the caption, whatever the
    // Qt version's style would do.
    const QPoint topEdge = frame->mapTo(d.window, QPoint(frame->width() / 2, 0));
    QVERIFY(picture.pixelColor(topEdge * picture.devicePixelRatio()) != peach);
}

void TestCcCode::submitComposes_data() {
    QTest::addColumn<int>("source");
    QTest::addColumn<int>("destination");
    QTest::addColumn<QString>("prefix");
    QTest::newRow("USA to Japan") << 256 << 109 << "011-81-(0)-";
    QTest::newRow("Japan (KDD) to USA") << 133 << 221 << "001-1-(1)-";
    QTest::newRow("Russia to United Kingdom") << 209 << 220 << "8~10-44-(0)-";
    QTest::newRow("first Finland ()") << 85 << 109 << "990-81-(0)-";
    QTest::newRow("second Finland ()") << 86 << 109 << "994-81-(0)-";
    QTest::newRow("third Finland ()") << 87 << 109 << "999-81-(0)-";
    QTest::newRow("longer than the box, stored whole") << 28 << 115 << "0010 or 010-82-(0 or 082)-";
}

void TestCcCode::submitComposes() {
    QFETCH(int, source);
    QFETCH(int, destination);
    QFETCH(QString, prefix);
    const Dialer d = openDialer();
    gui_test::chooseListItem(d.src, source);
    gui_test::chooseListItem(d.dest, destination);
    click(d.submit);
    QCOMPARE(d.out->text(), prefix);
    // Again with the same choice: the same text, the choices unchanged.
    click(d.submit);
    QCOMPARE(d.out->text(), prefix);
    QCOMPARE(d.src->currentIndex(), source);
    QCOMPARE(d.dest->currentIndex(), destination);
}

void TestCcCode::submitWithoutBothChoicesKeepsResult_data() {
    QTest::addColumn<int>("source");
    QTest::addColumn<int>("destination");
    QTest::newRow("nothing chosen") << -1 << -1;
    QTest::newRow("only a source") << 256 << -1;
    QTest::newRow("only a destination") << -1 << 109;
}

void TestCcCode::submitWithoutBothChoicesKeepsResult() {
    QFETCH(int, source);
    QFETCH(int, destination);
    const Dialer d = openDialer();
    if (source >= 0)
        gui_test::chooseListItem(d.src, source);
    if (destination >= 0)
        gui_test::chooseListItem(d.dest, destination);
    QTest::keyClicks(d.out, QStringLiteral("kept"));
    click(d.submit);
    QCOMPARE(d.out->text(), QStringLiteral("kept"));
    QVERIFY(d.window->isVisible());
}

void TestCcCode::typedTextNeverBecomesAnItem() {
    const Dialer d = openDialer();
    gui_test::chooseListItem(d.src, 256);
    gui_test::chooseListItem(d.dest, 109);
    click(d.submit);
    QCOMPARE(d.out->text(), QStringLiteral("011-81-(0)-"));

    // The field no longer shows the chosen country: Submit must not compose for it.
    gui_test::typeIntoList(d.dest, QStringLiteral("Atlantis"));
    QTest::keyClick(d.dest->lineEdit(), Qt::Key_Return);
    QCOMPARE(d.dest->count(), 235);
    QCOMPARE(d.out->text(), QStringLiteral("011-81-(0)-"));
    d.out->clear();
    click(d.submit);
    QVERIFY(d.out->text().isEmpty());

    gui_test::typeIntoList(d.src, QString(5000, QLatin1Char('x')));
    QTest::keyClick(d.src->lineEdit(), Qt::Key_Return);
    QCOMPARE(d.src->count(), 270);
}

void TestCcCode::typedTextMatchingAnItemChoosesIt() {
    const Dialer d = openDialer();
    gui_test::chooseListItem(d.src, 256);
    gui_test::typeIntoList(d.dest, QStringLiteral("Japan"));
    QTest::keyClick(d.dest->lineEdit(), Qt::Key_Return);
    QCOMPARE(d.dest->count(), 235);
    click(d.submit);
    QCOMPARE(d.out->text(), QStringLiteral("011-81-(0)-"));
}

void TestCcCode::typedResultIsOverwritten() {
    const Dialer d = openDialer();
    gui_test::chooseListItem(d.src, 255);
    gui_test::chooseListItem(d.dest, 6);
    QTest::keyClicks(d.out, QStringLiteral("my notes"));
    click(d.submit);
    QCOMPARE(d.out->text(), QStringLiteral("00-1-264-"));
}

void TestCcCode::shownTextCountsAsChoice_data() {
    QTest::addColumn<int>("chosenBefore"); // in src; -1: none
    QTest::addColumn<QString>("sourceText");
    QTest::addColumn<QString>("prefix"); // empty: nothing composed
    QTest::newRow("a single item's text") << -1 << "United States of America"
                                          << "011-81-(0)-";
    QTest::newRow("equal texts: the one chosen stays") << 87 << "Finland ()"
                                                       << "999-81-(0)-";
    QTest::newRow("equal texts: else the first") << 256 << "Finland ()"
                                                 << "990-81-(0)-";
    QTest::newRow("another letter case is no item") << -1 << "united states of america"
                                                    << "";
    QTest::newRow("an item's text with a blank more") << 256 << "Japan (KDD) "
                                                      << "";
}

// A screen reader, or a paste, puts an item's text into the field without choosing it
// from the list; Submit counts it as chosen.
void TestCcCode::shownTextCountsAsChoice() {
    QFETCH(int, chosenBefore);
    QFETCH(QString, sourceText);
    QFETCH(QString, prefix);
    const Dialer d = openDialer();
    if (chosenBefore >= 0)
        gui_test::chooseListItem(d.src, chosenBefore);
    setTextAsScreenReader(d.src, sourceText);
    setTextAsScreenReader(d.dest, QStringLiteral("Japan"));
    click(d.submit);
    QCOMPARE(d.out->text(), prefix);
    QCOMPARE(d.src->count(), 270);
}

void TestCcCode::typingFindsCountries_data() {
    QTest::addColumn<bool>("inSource");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("found");
    QTest::newRow("curacao finds Curaçao")
        << false << "curacao" << QStringList{QStringLiteral("Cura\u00E7ao")};
    QTest::newRow("typed with its accent") << false << "CURAÇ" << QStringList{"Cura\u00E7ao"};
    QTest::newRow("korea finds both, in table order")
        << false << "korea" << QStringList{"Korea (North)", "Korea (South)"};
    QTest::newRow("kdd finds the carrier") << true << "kdd" << QStringList{"Japan (KDD)"};
    QTest::newRow("reunion, anywhere in the text")
        << true << "union isl" << QStringList{"R\u00E9union Island"};
    QTest::newRow("nothing found") << true << "atlantis" << QStringList{};
    QTest::newRow("another name, told")
        << false << "usa" << QStringList{"United States of America (USA)"};
    QTest::newRow("Holland is the Netherlands")
        << false << "Holland" << QStringList{"Netherlands (Holland)"};
    QTest::newRow("an ISO name") << false << "czechia" << QStringList{"Czech Republic (Czechia)"};
    QTest::newRow("an ISO code first, then the names holding it")
        << false << "us"
        << QStringList{"United States of America (US)",
                       "Australia",
                       "Austria",
                       "Belarus",
                       "Brunei (Brunei Darussalam)",
                       "Cyprus",
                       "Mauritius",
                       "Russia",
                       "USVirgin Islands"};
    QTest::newRow("a country's code finds its carriers")
        << true << "JPN"
        << QStringList{"Japan (KDD) (JPN)", "Japan (Myline/Myline Plus) (JPN)",
                       "Japan (Cable & Wireless IDC) (JPN)", "Japan (Japan Telecom) (JPN)"};
    QTest::newRow("no country code in the source list") << true << "+44" << QStringList{};
    QTest::newRow("+1 8 narrows to the codes 1-8..")
        << false << "+1 8"
        << QStringList{"Dominican Republic (+1 809)", "Jamaica (+1 876)", "Nevis (+1 869)",
                       "St.Kitts/Nevis (+1 869)", "Trinidad & Tobago (+1 868)"};
}

void TestCcCode::typingFindsCountries() {
    QFETCH(bool, inSource);
    QFETCH(QString, typed);
    QFETCH(QStringList, found);
    const Dialer d = openDialer();
    QVERIFY(QTest::qWaitForWindowActive(d.window));
    QComboBox *list = inSource ? d.src : d.dest;
    gui_test::typeIntoList(list, typed);
    if (found.isEmpty())
        QVERIFY(!list->completer()->popup()->isVisible());
    else
        QTRY_COMPARE(foundTexts(list), found);
    // The list itself stays as it was.
    QCOMPARE(list->count(), inSource ? 270 : 235);
    QCOMPARE(list->itemText(0), QStringLiteral("Afghanistan"));
}

// Full-width letters, as a Japanese input method enters them, find their usual forms.
void TestCcCode::enteredFullWidthFindsCountries() {
    const Dialer d = openDialer();
    QVERIFY(QTest::qWaitForWindowActive(d.window));
    dialer_test::enterIntoList(d.src, QStringLiteral("\uFF2B\uFF24\uFF24"));
    QTRY_COMPARE(foundTexts(d.src), QStringList{"Japan (KDD)"});
    dialer_test::enterIntoList(d.dest, QStringLiteral("\uFF35\uFF33\uFF36\uFF49\uFF52"));
    QTRY_COMPARE(foundTexts(d.dest), QStringList{"USVirgin Islands"});
}

// "+1" offers the destinations of country code 1 and no other, the code itself first.
void TestCcCode::plusOneOffersEveryNorthAmericanCode() {
    const Dialer d = openDialer();
    QVERIFY(QTest::qWaitForWindowActive(d.window));
    gui_test::typeIntoList(d.dest, QStringLiteral("+1"));
    QTRY_VERIFY(!foundTexts(d.dest).isEmpty());
    const QStringList found = foundTexts(d.dest);
    const auto northAmerican =
        std::count_if(dialer::DestinationCodes.begin(), dialer::DestinationCodes.end(),
                      [](const auto &entry) { return entry.destination.starts_with("-1-"); });
    QCOMPARE(found.size(), northAmerican);
    QCOMPARE(found.mid(0, 2), (QStringList{"Canada (+1)", "United States of America (+1)"}));
    static const QRegularExpression codeOne(QStringLiteral(R"( \(\+1( \d{3})?\)$)"));
    for (const QString &line : found)
        QVERIFY2(codeOne.match(line).hasMatch(), qPrintable(line));
}

void TestCcCode::inputMethodFindsAsKeysDo_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("an area code") << "+1 8";
    QTest::newRow("a code and names") << "us";
}

// An input method commits text (all at once, or as here a character at a time) without
// key presses; the offers must be those that the same keys give.
void TestCcCode::inputMethodFindsAsKeysDo() {
    QFETCH(QString, text);
    const Dialer d = openDialer();
    QVERIFY(QTest::qWaitForWindowActive(d.window));
    gui_test::typeIntoList(d.dest, text);
    QTRY_VERIFY(!foundTexts(d.dest).isEmpty());
    const QStringList typed = foundTexts(d.dest);
    QTest::keyClick(d.dest->completer()->popup(), Qt::Key_Escape);
    QTRY_VERIFY(!d.dest->completer()->popup()->isVisible());
    dialer_test::enterIntoList(d.dest, text);
    QTRY_COMPARE(foundTexts(d.dest), typed);
}

// Of the three "Finland ()" found, the second is the second of the table.
void TestCcCode::choosingAFoundCountryChoosesItsPosition() {
    const Dialer d = openDialer();
    QVERIFY(QTest::qWaitForWindowActive(d.window));
    gui_test::chooseListItem(d.dest, 109);
    gui_test::typeIntoList(d.src, QStringLiteral("finland ("));
    QTRY_COMPARE(foundTexts(d.src), QStringList(3, QStringLiteral("Finland ()")));
    QAbstractItemView *popup = d.src->completer()->popup();
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Return);
    QTRY_VERIFY(!popup->isVisible());
    QCOMPARE(d.src->currentIndex(), 86);
    QCOMPARE(d.src->currentText(), QStringLiteral("Finland ()"));
    click(d.submit);
    QCOMPARE(d.out->text(), QStringLiteral("994-81-(0)-"));
}

// An item offered as "United Kingdom (+44)" is chosen as the item it is: the field and a
// screen reader tell its name, and Submit composes its codes.
void TestCcCode::choosingAnOtherNameChoosesTheEntry() {
    const Dialer d = openDialer();
    QVERIFY(QTest::qWaitForWindowActive(d.window));
    for (auto [list, typed, index, name] :
         {std::tuple{d.src, "usa", 256, "United States of America"},
          std::tuple{d.dest, "+44", 220, "United Kingdom"}}) {
        gui_test::typeIntoList(list, QLatin1String(typed));
        QTRY_COMPARE(foundTexts(list).size(), 1);
        QAbstractItemView *popup = list->completer()->popup();
        QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Return);
        QTRY_VERIFY(!popup->isVisible());
        QCOMPARE(list->currentIndex(), index);
        QCOMPARE(list->currentText(), QLatin1String(name));
        QCOMPARE(QAccessible::queryAccessibleInterface(list)->text(QAccessible::Value),
                 QLatin1String(name));
    }
    click(d.submit);
    QCOMPARE(d.out->text(), QStringLiteral("011-44-(0)-"));
}

void TestCcCode::reopeningStartsAfresh() {
    Dialer d = openDialer();
    gui_test::chooseListItem(d.src, 256);
    gui_test::chooseListItem(d.dest, 109);
    click(d.submit);
    // Showing it again while open keeps everything.
    QCOMPARE(&ui::show<CcCode>(), d.window);
    QCOMPARE(d.out->text(), QStringLiteral("011-81-(0)-"));

    d.window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QTRY_VERIFY(ui::loaded<CcCode>() == nullptr);
    d = openDialer();
    QCOMPARE(d.src->currentIndex(), -1);
    QCOMPARE(d.src->currentText(), QStringLiteral("Select Source Country"));
    QCOMPARE(d.dest->currentText(), QStringLiteral("Select Destination Country"));
    QVERIFY(d.out->text().isEmpty());
}

void TestCcCode::helpShowsOneWindowWithTheText() {
    const Dialer d = openDialer();
    gui_test::chooseMenuItem(d.window, "mnuHelp");
    gui_test::chooseMenuItem(d.window, "mnuHelp");
    QCOMPARE(helpWindowCount(), 1);
    CcHelp *help = ui::loaded<CcHelp>();
    QVERIFY(help && help->isVisible());
    QCOMPARE(help->windowTitle(), QStringLiteral("Help"));
    auto *text = help->findChild<QPlainTextEdit *>(QStringLiteral("Text1"));
    QVERIFY(text && text->isReadOnly());
    QVERIFY(QFontInfo(text->font()).fixedPitch());
    // Blank for blank as designed, with no line break after the last line.
    const QStringList lines = {
        "Dialing sequence of international telephone number:",
        " Source country code         +        011-",
        " Destination country code    +        81-",
        " Domestic long distance code +        (0)-",
        " Domestic area code          +        3-",
        " Domestic station code       +        3456-",
        " Domestic telephone code              7890",
        "",
        "Utility function:",
        " Source country code, destination country code,",
        " and domestic long distance code enclosed by",
        " parenthesis, 011-81-(0)- in the example above,",
        " are generated based upon both source and destination",
        " country information given.",
        "",
        "Examples:",
        "(A) International call (from USA to Japan)",
        "  Dial 011-81-3-3456-7890.",
        "",
        "(B) Domestic long distance call (from outside of",
        "  Tokyo, Japan to Tokyo, Japan)",
        "  Dial 0-3-3456-7890.",
        "",
        "(C) Domestic local call (within Tokyo)",
        "  Dial 3456-7890.",
        "",
        "~ (tilde) denotes to wait until tone is returned.",
    };
    QCOMPARE(text->toPlainText().split(QLatin1Char('\n')), lines);

    // The help closes on its own; the dialer keeps its state.
    help->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QTRY_COMPARE(helpWindowCount(), 0);
    QVERIFY(d.window->isVisible());
}

ZENDREL_GUI_TEST_MAIN(TestCcCode)
#include "tst_cc_code.moc"
