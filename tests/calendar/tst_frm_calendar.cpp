// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include <QtTest/QtTest>

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyleFactory>

#include "calendar/frm_calendar.h"
#include "calendar/today.h"
#include "tests/support/gui_test.h"
#include "ui/window_registry.h"

namespace {

const QDate kPinnedToday(2026, 12, 7); // a Monday; December 2026 starts on a Tuesday

struct Calendar {
    FrmCalendar *window;
    QComboBox *month;
    QComboBox *year;
};

Calendar openCalendar() {
    FrmCalendar &window = ui::show<FrmCalendar>();
    return {&window, window.findChild<QComboBox *>(QStringLiteral("MonthList")),
            window.findChild<QComboBox *>(QStringLiteral("YearList"))};
}

// Clicks into the list's field, as a user does before typing, and replaces its text.
void typeInto(QComboBox *list, const QString &text) {
    QVERIFY(QTest::qWaitForWindowActive(list->window()));
    QTest::mouseClick(list->lineEdit(), Qt::LeftButton);
    QVERIFY(list->hasFocus());
    gui_test::typeIntoList(list, text);
}

QLabel *cell(const Calendar &c, int index) {
    return c.window->findChild<QLabel *>(QStringLiteral("dateLabel_%1").arg(index));
}

bool isWhite(const QLabel *label) {
    return label->autoFillBackground() && label->palette().color(QPalette::Window) == Qt::white;
}

// What the grid shows, as "<days> days from cell <first>", checking on the way that the
// days run 1, 2, 3 ... through consecutive visible cells.
QString shownMonth(const Calendar &c) {
    int first = -1;
    int days = 0;
    for (int i = 0; i < 37; ++i) {
        const QLabel *label = cell(c, i);
        if (label->isHidden())
            continue;
        if (first < 0)
            first = i;
        ++days;
        if (i != first + days - 1 || label->text().trimmed().toInt() != days)
            return QStringLiteral("day %1 out of place in cell %2").arg(label->text()).arg(i);
    }
    return QStringLiteral("%1 days from cell %2").arg(days).arg(first);
}

QList<int> whiteCells(const Calendar &c) {
    QList<int> white;
    for (int i = 0; i < 37; ++i)
        if (!cell(c, i)->isHidden() && isWhite(cell(c, i)))
            white.append(i);
    return white;
}

const QString kDecember2026 = QStringLiteral("31 days from cell 2");

} // namespace

class TestFrmCalendar : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void opensOnTodaysMonth();
    void designedArrangement();
    void choosingAnItemLaysOut_data();
    void choosingAnItemLaysOut();
    void todayComesBackWithItsMonth();
    void typedTextIsUsedWhenAnItemIsChosen_data();
    void typedTextIsUsedWhenAnItemIsChosen();
    void enterConfirmsTypedText();
    void leavingAFieldConfirmsItsText_data();
    void leavingAFieldConfirmsItsText();
    void dayCellsDifferFromWhiteOnEveryStyle_data();
    void dayCellsDifferFromWhiteOnEveryStyle();
    void reopeningStartsOnToday();

private:
    gui_test::ModalBoxWatcher boxes_;
};

void TestFrmCalendar::initTestCase() {
    calendar::pinToday(kPinnedToday);
}

void TestFrmCalendar::cleanup() {
    gui_test::closeAllWindows();
    QVERIFY(boxes_.take().isEmpty()); // the calendar never shows a message
}

void TestFrmCalendar::opensOnTodaysMonth() {
    const Calendar c = openCalendar();
    QVERIFY(c.month && c.year);
    QCOMPARE(c.window->windowTitle(), QStringLiteral("Calendar"));
    QCOMPARE(c.month->currentText(), QStringLiteral("12"));
    QCOMPARE(c.year->currentText(), QStringLiteral("2026"));
    QCOMPARE(shownMonth(c), kDecember2026);
    QCOMPARE(cell(c, 2)->text(), QStringLiteral("  1"));
    QCOMPARE(whiteCells(c), QList<int>{8});
    QCOMPARE(cell(c, 8)->text(), QStringLiteral("  7"));
    QTRY_VERIFY(c.month->hasFocus());
    QTest::keyClick(c.window, Qt::Key_Tab);
    QTRY_VERIFY(c.year->hasFocus());
}

void TestFrmCalendar::designedArrangement() {
    const Calendar c = openCalendar();
    QCOMPARE(c.month->count(), 12);
    QCOMPARE(c.month->itemText(0), QStringLiteral("1"));
    QCOMPARE(c.month->itemText(11), QStringLiteral("12"));
    QCOMPARE(c.year->count(), 1201);
    QCOMPARE(c.year->itemText(0), QStringLiteral("1000"));
    QCOMPARE(c.year->itemText(1200), QStringLiteral("2200"));

    const auto *frame = c.window->findChild<QGroupBox *>(QStringLiteral("Frame1"));
    QVERIFY(frame);
    QCOMPARE(frame->title(), QStringLiteral("Calendar"));
    const QStringList headers{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    for (int i = 0; i < headers.size(); ++i) {
        const auto *label = frame->findChild<QLabel *>(QStringLiteral("Label%1").arg(i + 2));
        QVERIFY(label);
        QCOMPARE(label->text(), headers[i]);
        QCOMPARE(label->palette().color(QPalette::WindowText) == QColor(255, 0, 0), i == 0);
    }
    // 15 twips per pixel: cell i at column i mod 7, row i div 7 of a 32 by 24 pixel grid.
    QCOMPARE(cell(c, 0)->geometry(), QRect(8, 40, 25, 17));
    QCOMPARE(cell(c, 8)->geometry(), QRect(40, 64, 25, 17));
    QCOMPARE(cell(c, 36)->geometry(), QRect(40, 160, 25, 17));
    QCOMPARE(c.year->geometry(), QRect(176, 200, 49, 21));

    // Resizable with minimise and maximise buttons; the controls keep their places.
    QVERIFY(c.window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(c.window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(c.window->minimumSize() != c.window->maximumSize());
    c.window->resize(500, 400);
    QCOMPARE(cell(c, 36)->geometry(), QRect(40, 160, 25, 17));
}

void TestFrmCalendar::choosingAnItemLaysOut_data() {
    QTest::addColumn<bool>("fromYearList");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("shown");

    QTest::newRow("November from the month list") << false << 10 << "30 days from cell 0";
    QTest::newRow("2025 from the year list") << true << 1025 << "31 days from cell 1";
    QTest::newRow("the same month again") << false << 11 << kDecember2026;
}

void TestFrmCalendar::choosingAnItemLaysOut() {
    QFETCH(bool, fromYearList);
    QFETCH(int, item);
    QFETCH(QString, shown);

    const Calendar c = openCalendar();
    gui_test::chooseListItem(fromYearList ? c.year : c.month, item);
    QCOMPARE(shownMonth(c), shown);
    QCOMPARE(whiteCells(c).isEmpty(), shown != kDecember2026);
}

void TestFrmCalendar::todayComesBackWithItsMonth() {
    const Calendar c = openCalendar();
    gui_test::chooseListItem(c.month, 0);
    QVERIFY(whiteCells(c).isEmpty());
    // The keyboard chooses too: Down on the closed year list takes the next year.
    c.year->setFocus();
    QTest::keyClick(c.year, Qt::Key_Down);
    QCOMPARE(c.year->currentText(), QStringLiteral("2027"));
    QCOMPARE(shownMonth(c), QStringLiteral("31 days from cell 5")); // January 2027
    QTest::keyClick(c.year, Qt::Key_Up);
    gui_test::chooseListItem(c.month, 11);
    QCOMPARE(shownMonth(c), kDecember2026);
    QCOMPARE(whiteCells(c), QList<int>{8});
}

void TestFrmCalendar::typedTextIsUsedWhenAnItemIsChosen_data() {
    QTest::addColumn<bool>("typedInYearList");
    QTest::addColumn<QString>("typed");
    // The item then chosen from the other list.
    QTest::addColumn<int>("item");
    // Empty when the typed text is refused and December 2026 stays.
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("monthText");
    QTest::addColumn<QString>("yearText");

    const QString refused;
    QTest::newRow("year 2030, March chosen") << true << "2030" << 2 << "31 days from cell 5"
                                             << "3"
                                             << "2030";
    QTest::newRow("year 3000 beyond the list") << true << "3000" << 11 << "31 days from cell 1"
                                               << "12"
                                               << "3000";
    QTest::newRow("year 9999") << true << "9999" << 11 << "31 days from cell 3"
                               << "12"
                               << "9999";
    QTest::newRow("month 07, 2025 chosen") << false << "07" << 1025 << "31 days from cell 2"
                                           << "7"
                                           << "2025";
    QTest::newRow("month 7, 2026 chosen") << false << "7" << 1026 << "31 days from cell 3"
                                          << "7"
                                          << "2026";
    QTest::newRow("empty year") << true << "" << 0 << refused << "12"
                                << "2026";
    QTest::newRow("year in letters") << true << "abcd" << 0 << refused << "12"
                                     << "2026";
    QTest::newRow("two-digit year") << true << "19" << 0 << refused << "12"
                                    << "2026";
    QTest::newRow("five-digit year") << true << "20266" << 0 << refused << "12"
                                     << "2026";
    QTest::newRow("very long year")
        << true << QString(300, QLatin1Char('9')) << 0 << refused << "12"
        << "2026";
    QTest::newRow("empty month") << false << "" << 1000 << refused << "12"
                                 << "2026";
    QTest::newRow("month 0") << false << "0" << 1000 << refused << "12"
                             << "2026";
    QTest::newRow("month 13") << false << "13" << 1000 << refused << "12"
                              << "2026";
    QTest::newRow("month in letters") << false << "abc" << 1000 << refused << "12"
                                      << "2026";
    QTest::newRow("month name Mar, 2026 chosen") << false << "Mar" << 1026 << "31 days from cell 0"
                                                 << "3"
                                                 << "2026";
}

void TestFrmCalendar::typedTextIsUsedWhenAnItemIsChosen() {
    QFETCH(bool, typedInYearList);
    QFETCH(QString, typed);
    QFETCH(int, item);
    QFETCH(QString, shown);
    QFETCH(QString, monthText);
    QFETCH(QString, yearText);

    const Calendar c = openCalendar();
    typeInto(typedInYearList ? c.year : c.month, typed);
    QCOMPARE(shownMonth(c), kDecember2026); // typing alone changes nothing
    gui_test::chooseListItem(typedInYearList ? c.month : c.year, item);
    QCOMPARE(shownMonth(c), shown.isEmpty() ? kDecember2026 : shown);
    QCOMPARE(whiteCells(c).isEmpty(), !shown.isEmpty());
    QCOMPARE(c.month->currentText(), monthText);
    QCOMPARE(c.year->currentText(), yearText);
}

// Enter in a field confirms its text as choosing an item does, also where no item matches.
void TestFrmCalendar::enterConfirmsTypedText() {
    const Calendar c = openCalendar();
    typeInto(c.month, QStringLiteral("07"));
    QTest::keyClick(c.month->lineEdit(), Qt::Key_Return);
    QCOMPARE(shownMonth(c), QStringLiteral("31 days from cell 3")); // July 2026
    QCOMPARE(c.month->currentText(), QStringLiteral("7"));

    typeInto(c.year, QStringLiteral("3000"));
    QTest::keyClick(c.year->lineEdit(), Qt::Key_Return);
    QCOMPARE(shownMonth(c), QStringLiteral("31 days from cell 2")); // July 3000

    typeInto(c.year, QStringLiteral("30O0"));
    QTest::keyClick(c.year->lineEdit(), Qt::Key_Return);
    QCOMPARE(shownMonth(c), QStringLiteral("31 days from cell 2"));
    QCOMPARE(c.year->currentText(), QStringLiteral("3000"));
}

void TestFrmCalendar::leavingAFieldConfirmsItsText_data() {
    QTest::addColumn<bool>("inYearList");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("monthText");
    QTest::addColumn<QString>("yearText");
    QTest::newRow("month 2") << false << "2"
                             << "28 days from cell 0"
                             << "2"
                             << "2026";
    QTest::newRow("year 2000") << true << "2000"
                               << "31 days from cell 5"
                               << "12"
                               << "2000";
    QTest::newRow("no month: refused") << false << "13" << kDecember2026 << "12"
                                       << "2026";
}

// A screen reader sets a field's text without key presses and moves on to the next
// control; leaving the field confirms it, as Enter does.
void TestFrmCalendar::leavingAFieldConfirmsItsText() {
    QFETCH(bool, inYearList);
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QFETCH(QString, monthText);
    QFETCH(QString, yearText);
    const Calendar c = openCalendar();
    QVERIFY(QTest::qWaitForWindowActive(c.window));
    QComboBox *field = inYearList ? c.year : c.month;
    QComboBox *other = inYearList ? c.month : c.year;
    field->setFocus();
    QAccessibleEditableTextInterface *editable =
        QAccessible::queryAccessibleInterface(field->lineEdit())->editableTextInterface();
    QVERIFY(editable);
    editable->replaceText(0, static_cast<int>(field->currentText().size()), text);
    QCOMPARE(shownMonth(c), kDecember2026); // setting the text alone changes nothing
    other->setFocus();
    QCOMPARE(shownMonth(c), shown);
    QCOMPARE(c.month->currentText(), monthText);
    QCOMPARE(c.year->currentText(), yearText);
}

void TestFrmCalendar::dayCellsDifferFromWhiteOnEveryStyle_data() {
    QTest::addColumn<QString>("style");
    QTest::addColumn<bool>("nearWhiteTheme");
    for (const QString &key : QStyleFactory::keys())
        QTest::newRow(qPrintable(key)) << key << false;
    QTest::newRow("theme with white light and near-white midlight")
        << QApplication::style()->name() << true;
}

void TestFrmCalendar::dayCellsDifferFromWhiteOnEveryStyle() {
    QFETCH(QString, style);
    QFETCH(bool, nearWhiteTheme);
    const QString styleBefore = QApplication::style()->name();
    const QPalette paletteBefore = QApplication::palette();
    QApplication::setStyle(style);
    if (nearWhiteTheme) {
        QPalette theme = QApplication::palette();
        theme.setColor(QPalette::Light, Qt::white);
        theme.setColor(QPalette::Midlight, QColor(250, 250, 250));
        QApplication::setPalette(theme);
    }
    const Calendar c = openCalendar();
    const QColor day = cell(c, 2)->palette().color(QPalette::Window);
    QApplication::setStyle(styleBefore);
    QApplication::setPalette(paletteBefore);
    QVERIFY(cell(c, 2)->autoFillBackground());
    // At least 16 steps below white in some channel, so that today's white cell shows.
    QVERIFY2(std::min({day.red(), day.green(), day.blue()}) <= 239, qPrintable(day.name()));
}

void TestFrmCalendar::reopeningStartsOnToday() {
    Calendar c = openCalendar();
    gui_test::chooseListItem(c.year, 0);
    ui::show<FrmCalendar>(); // already open: only brought to the front
    QCOMPARE(c.year->currentText(), QStringLiteral("1000"));
    c.window->close();
    gui_test::closeAllWindows();
    QVERIFY(!ui::loaded<FrmCalendar>());
    c = openCalendar();
    QCOMPARE(c.year->currentText(), QStringLiteral("2026"));
    QCOMPARE(whiteCells(c), QList<int>{8});
}

ZENDREL_GUI_TEST_MAIN(TestFrmCalendar)
#include "tst_frm_calendar.moc"
