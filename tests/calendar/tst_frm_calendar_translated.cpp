// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

// The calendar shown in Japanese and in German, with the program's own translations, beside
// English as it was designed.

#include <QtTest/QtTest>

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>

#include "calendar/frm_calendar.h"
#include "calendar/today.h"
#include "tests/support/gui_test.h"
#include "ui/translation.h"
#include "ui/window_registry.h"

namespace {

// The translations built into the program.
const QString kTranslations = QLatin1String(ui::kTranslationFolder);

const QDate kPinnedToday(2026, 12, 7); // a Monday; December 2026 starts on a Tuesday

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QLocale kJapanese(QLocale::Japanese, QLocale::Japan);
const QLocale kGerman(QLocale::German, QLocale::Germany);

FrmCalendar *openCalendar() {
    return &ui::show<FrmCalendar>();
}

QComboBox *monthList(const FrmCalendar *window) {
    return window->findChild<QComboBox *>(QStringLiteral("MonthList"));
}

QLabel *label(const FrmCalendar *window, const QString &name) {
    return window->findChild<QLabel *>(name);
}

QLabel *header(const FrmCalendar *window, int column) {
    return label(window, QStringLiteral("Label%1").arg(column + 2));
}

QLabel *cell(const FrmCalendar *window, int index) {
    return label(window, QStringLiteral("dateLabel_%1").arg(index));
}

QString spokenName(QWidget *widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

// The first day's cell and the number of days shown, as "<days> days from cell <first>".
QString shownMonth(const FrmCalendar *window) {
    int first = -1;
    int days = 0;
    for (int i = 0; i < 37; ++i) {
        if (cell(window, i)->isHidden())
            continue;
        if (first < 0)
            first = i;
        ++days;
    }
    return QStringLiteral("%1 days from cell %2").arg(days).arg(first);
}

// Replaces the field's text key by key, as a keyboard with keys for its language's letters
// does ("ä" on a German one). QTest::keyClicks takes ASCII only. Qt numbers the key of a
// letter by its capital.
void typeOnKeyboard(QComboBox *list, const QString &text) {
    QTest::mouseClick(list->lineEdit(), Qt::LeftButton);
    list->lineEdit()->selectAll();
    QTest::keyClick(list->lineEdit(), Qt::Key_Backspace);
    for (const QChar character : text) {
        const auto key = static_cast<Qt::Key>(character.toUpper().unicode());
        QTest::sendKeyEvent(QTest::Click, list->lineEdit(), key, QString(character),
                            Qt::NoModifier);
    }
}

// Replaces the field's text as an input method does: it composes the text aside and
// commits it at once, no key presses reaching the field.
void commitThroughInputMethod(QComboBox *list, const QString &text) {
    QTest::mouseClick(list->lineEdit(), Qt::LeftButton);
    list->lineEdit()->selectAll();
    QTest::keyClick(list->lineEdit(), Qt::Key_Backspace);
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(list->lineEdit(), &commit);
}

const QString kDecember2026 = QStringLiteral("31 days from cell 2");
const QString kMarch2026 = QStringLiteral("31 days from cell 0");

} // namespace

class TestFrmCalendarTranslated : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void shownTexts_data();
    void shownTexts();
    void weekdayHeadersKeepTheirDesign_data();
    void weekdayHeadersKeepTheirDesign();
    void spokenNames_data();
    void spokenNames();
    void typedMonthName_data();
    void typedMonthName();

private:
    gui_test::ModalBoxWatcher boxes_;
};

void TestFrmCalendarTranslated::initTestCase() {
    calendar::pinToday(kPinnedToday);
}

void TestFrmCalendarTranslated::cleanup() {
    ui::installTranslation(QLocale::c());
    gui_test::closeAllWindows();
    QVERIFY(boxes_.take().isEmpty()); // the calendar never shows a message
}

void TestFrmCalendarTranslated::shownTexts_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QStringList>("headers");

    QTest::newRow("English as designed")
        << kEnglish << "Calendar"
        << "Month"
        << "Year" << QStringList{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    QTest::newRow("Japanese") << kJapanese << "カレンダー"
                              << "月"
                              << "年" << QStringList{"日", "月", "火", "水", "木", "金", "土"};
    QTest::newRow("German") << kGerman << "Kalender"
                            << "Monat"
                            << "Jahr" << QStringList{"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
}

void TestFrmCalendarTranslated::shownTexts() {
    QFETCH(QLocale, locale);
    QFETCH(QString, title);
    QFETCH(QString, month);
    QFETCH(QString, year);
    QFETCH(QStringList, headers);
    QCOMPARE(ui::installTranslation(locale, kTranslations), locale.language());

    const FrmCalendar *window = openCalendar();
    QCOMPARE(window->windowTitle(), title);
    QCOMPARE(window->findChild<QGroupBox *>(QStringLiteral("Frame1"))->title(), title);
    QCOMPARE(label(window, QStringLiteral("Label11"))->text(), month);
    QCOMPARE(label(window, QStringLiteral("Label10"))->text(), year);
    QStringList shownHeaders;
    for (int column = 0; column < 7; ++column)
        shownHeaders << header(window, column)->text();
    QCOMPARE(shownHeaders, headers);
    // The lists hold numbers in every language.
    QCOMPARE(monthList(window)->currentText(), QStringLiteral("12"));
    QCOMPARE(monthList(window)->itemText(2), QStringLiteral("3"));
}

void TestFrmCalendarTranslated::weekdayHeadersKeepTheirDesign_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("Japanese") << kJapanese;
    QTest::newRow("German") << kGerman;
}

// Each header stays centred over its column in the cells' font, and only Sunday's is red.
void TestFrmCalendarTranslated::weekdayHeadersKeepTheirDesign() {
    QFETCH(QLocale, locale);
    QCOMPARE(ui::installTranslation(locale, kTranslations), locale.language());

    const FrmCalendar *window = openCalendar();
    const QFont cellFont = cell(window, 0)->font();
    const QColor otherText =
        label(window, QStringLiteral("Label11"))->palette().color(QPalette::WindowText);
    for (int column = 0; column < 7; ++column) {
        const QLabel *shown = header(window, column);
        // Designed at 240 twips from the frame's top, 17 pixels high, over its column.
        QCOMPARE(shown->geometry().center().x(), cell(window, column)->geometry().center().x());
        QCOMPARE(shown->geometry().center().y(), QRect(0, 16, 25, 17).center().y());
        QCOMPARE(shown->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(shown->font(), cellFont);
        QCOMPARE(shown->palette().color(QPalette::WindowText),
                 column == 0 ? QColor(255, 0, 0) : otherText);
    }
}

void TestFrmCalendarTranslated::spokenNames_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("sunday");
    QTest::addColumn<QString>("grid");
    QTest::addColumn<QString>("firstDay");
    QTest::addColumn<QString>("today");

    QTest::newRow("English as before") << kEnglish << "Sun"
                                       << "December 2026"
                                       << "Tuesday 1 December 2026"
                                       << "Monday 7 December 2026, today";
    QTest::newRow("Japanese") << kJapanese << "日曜日"
                              << "2026年12月"
                              << "2026年12月1日火曜日"
                              << "2026年12月7日月曜日、今日";
    QTest::newRow("German") << kGerman << "Sonntag"
                            << "Dezember 2026"
                            << "Dienstag, 1. Dezember 2026"
                            << "Montag, 7. Dezember 2026, heute";
}

void TestFrmCalendarTranslated::spokenNames() {
    QFETCH(QLocale, locale);
    QFETCH(QString, sunday);
    QFETCH(QString, grid);
    QFETCH(QString, firstDay);
    QFETCH(QString, today);
    QCOMPARE(ui::installTranslation(locale, kTranslations), locale.language());

    FrmCalendar *window = openCalendar();
    QCOMPARE(spokenName(header(window, 0)), sunday);
    QCOMPARE(spokenName(cell(window, 0)->parentWidget()), grid);
    QCOMPARE(spokenName(cell(window, 2)), firstDay);
    QCOMPARE(spokenName(cell(window, 8)), today);
}

void TestFrmCalendarTranslated::typedMonthName_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<bool>("inputMethod");
    QTest::addColumn<QString>("typed");
    // March 2026, or December 2026 kept where the text is refused.
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("monthText");

    QTest::newRow("German long name") << kGerman << false << "März" << kMarch2026 << "3";
    QTest::newRow("German in lower case") << kGerman << false << "märz" << kMarch2026 << "3";
    QTest::newRow("English name under German") << kGerman << false << "March" << kMarch2026 << "3";
    QTest::newRow("Japanese with kanji") << kJapanese << true << "3月" << kMarch2026 << "3";
    QTest::newRow("Japanese with full-width digit")
        << kJapanese << true << "３月" << kMarch2026 << "3";
    QTest::newRow("Japanese name under German refused")
        << kGerman << true << "3月" << kDecember2026 << "12";
    QTest::newRow("German name in English refused")
        << kEnglish << false << "März" << kDecember2026 << "12";
}

// A name confirmed with Enter lays its month out, and the field then shows its number.
void TestFrmCalendarTranslated::typedMonthName() {
    QFETCH(QLocale, locale);
    QFETCH(bool, inputMethod);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, monthText);
    QCOMPARE(ui::installTranslation(locale, kTranslations), locale.language());

    FrmCalendar *window = openCalendar();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QComboBox *month = monthList(window);
    if (inputMethod)
        commitThroughInputMethod(month, typed);
    else
        typeOnKeyboard(month, typed);
    QCOMPARE(month->currentText(), typed);
    QCOMPARE(shownMonth(window), kDecember2026); // typing alone changes nothing
    QTest::keyClick(month->lineEdit(), Qt::Key_Return);
    QCOMPARE(shownMonth(window), shown);
    QCOMPARE(month->currentText(), monthText);
}

ZENDREL_GUI_TEST_MAIN(TestFrmCalendarTranslated)
#include "tst_frm_calendar_translated.moc"
