// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include <QtTest/QtTest>

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QtEndian>

#include "calendar/frm_calendar.h"
#include "calendar/today.h"
#include "dialer/cc_code.h"
#include "dialer/cc_help.h"
#include "tests/support/gui_test.h"
#include "ui/window_registry.h"
#include "unit_conv/u_conv.h"
#include "unit_conv/uc_help.h"
#include "wave/file_select.h"
#include "wave/wav_anal_main.h"

namespace {

template <class Window> QWidget *show() {
    return &ui::show<Window>();
}

QWidget *openWindow(const QString &name) {
    const std::pair<const char *, QWidget *(*)()> windows[] = {
        {"u_conv", &show<UConv>},
        {"uc_help", &show<UcHelp>},
        {"cc_code", &show<CcCode>},
        {"cc_help", &show<CcHelp>},
        {"frmCalendar", &show<FrmCalendar>},
        {"wav_anal_main", &show<WavAnalMain>},
        {"File_select", &show<FileSelect>},
    };
    for (const auto &[windowName, open] : windows)
        if (name == QLatin1String(windowName))
            return open();
    return nullptr;
}

QAccessibleInterface *accessible(QWidget *widget) {
    return QAccessible::queryAccessibleInterface(widget);
}

// The name a screen reader announces for `control`. An editable list holds the focus in
// its field, which is what gets announced.
QString announcedName(QWidget *control) {
    if (auto *list = qobject_cast<QComboBox *>(control); list && list->lineEdit())
        control = list->lineEdit();
    return accessible(control)->text(QAccessible::Name);
}

QStringList labelledBy(QWidget *control) {
    QStringList labels;
    for (const auto &relation : accessible(control)->relations(QAccessible::Label))
        labels << relation.first->object()->objectName();
    return labels;
}

// The control that has the keyboard focus: an editable list rather than its field.
QString focusedControl() {
    QWidget *focus = QApplication::focusWidget();
    if (!focus)
        return QStringLiteral("<none>");
    if (qobject_cast<QComboBox *>(focus->parentWidget()))
        focus = focus->parentWidget();
    return focus->objectName();
}

void writeFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Only the three fields the analyzer reads are filled in.
QByteArray waveHeader(qint16 channels, qint32 sampleRate, qint16 bitsPerSample) {
    QByteArray header(44, '\0');
    qToLittleEndian(channels, header.data() + 22);
    qToLittleEndian(sampleRate, header.data() + 24);
    qToLittleEndian(bitsPerSample, header.data() + 34);
    return header;
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void controlsAreNamed_data();
    void controlsAreNamed();
    void captionsLabelTheirControls_data();
    void captionsLabelTheirControls();
    void converterButtonsTellTheirRow_data();
    void converterButtonsTellTheirRow();
    void dayCellsSpeakTheirDate_data();
    void dayCellsSpeakTheirDate();
    void analyzerValuesStayAudible();
    void unitBoxesTellTheirRelation_data();
    void unitBoxesTellTheirRelation();
    void selectionWindowSpeaks();
    void tabWalksTheDesignedOrder_data();
    void tabWalksTheDesignedOrder();
    void downSelectsTheFirstFile_data();
    void downSelectsTheFirstFile();

private:
    gui_test::ModalBoxWatcher boxes_;
    QTemporaryDir dir_;
};

void TestAccessibility::initTestCase() {
    QVERIFY(dir_.isValid());
    QDir folder(dir_.path());
    QVERIFY(folder.mkdir(QStringLiteral("sub")));
    for (const char *name : {"a.wav", "b.wav", "sub/c.wav", "sub/d.wav"})
        writeFile(folder.filePath(QLatin1String(name)), waveHeader(2, 44100, 16));
    // The selection window starts in the program's current folder.
    QVERIFY(QDir::setCurrent(QDir(dir_.path()).canonicalPath()));
    calendar::pinToday(QDate(2026, 12, 7));
}

void TestAccessibility::cleanup() {
    gui_test::closeAllWindows();
    QVERIFY(boxes_.take().isEmpty());
}

void TestAccessibility::controlsAreNamed_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    const auto row = [](const char *window, const char *control, const char *name) {
        QTest::addRow("%s %s", window, control)
            << QString::fromLatin1(window) << QString::fromLatin1(control)
            << QString::fromLatin1(name);
    };
    // clang-format off
    const char *const units[][2] = {
        {"cm", "cm"}, {"m", "m"}, {"km", "km"}, {"inch", "inch"}, {"foot", "foot"},
        {"yard", "yard"}, {"mile", "mile"}, {"m2", "sq. m"}, {"km2", "sq. km"},
        {"tsubo", "Tsubo"}, {"ft2", "sq. ft"}, {"yd2", "sq. yd"}, {"ha", "ha"}, {"acre", "acre"},
        {"l", "litter"}, {"gal", "gallon"}, {"qt", "quart"}, {"pt", "pint"},
        {"floz", "fluid ounce"}, {"go", "Go"}, {"sho", "Sho"}, {"g", "g"}, {"kg", "kg"},
        {"oz", "oz"}, {"lb", "lb"}, {"dc", "Degrees of Celcius"}, {"df", "Degrees of Fahrenheit"},
        {"feet_c", "feet + inch, feet"}, {"inch_c", "feet + inch, inch"},
    };
    // clang-format on
    for (const auto &unit : units)
        row("u_conv", unit[0], unit[1]);
    row("uc_help", "Text1", "Help");
    row("cc_code", "src", "Source country");
    row("cc_code", "dest", "Destination country");
    row("cc_code", "out", "Dial this number first");
    row("cc_help", "Text1", "Help");
    row("frmCalendar", "MonthList", "Month");
    row("frmCalendar", "YearList", "Year");
    row("wav_anal_main", "txtFile", "Filename");
    // Before any analysis; Qt alone would repeat the caption above each box.
    row("wav_anal_main", "lblHz", "none");
    row("wav_anal_main", "lblChannels", "none");
    row("wav_anal_main", "lblBits", "none");
    // The folded spoken form of captions that place their words with blanks and braces.
    row("u_conv", "Label28", "feet + inch");
    row("cc_code", "Label4", "Dial this number first");
    row("File_select", "Dir1", "Folder");
    row("File_select", "File1", "Files");
}

void TestAccessibility::controlsAreNamed() {
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, name);
    QWidget *shown = openWindow(window);
    auto *widget = shown->findChild<QWidget *>(control);
    QVERIFY(widget);
    QCOMPARE(announcedName(widget), name);
}

void TestAccessibility::captionsLabelTheirControls_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("label");
    const auto row = [](const char *what, const char *window, const char *control,
                        const char *label) {
        QTest::newRow(what) << QString::fromLatin1(window) << QString::fromLatin1(control)
                            << QString::fromLatin1(label);
    };
    row("cm box", "u_conv", "cm", "Label1");
    row("fluid ounce box", "u_conv", "floz", "Label19");
    row("feet of the pair", "u_conv", "feet_c", "Label28");
    row("source list", "cc_code", "src", "Label6");
    row("destination list", "cc_code", "dest", "Label5");
    row("result box", "cc_code", "out", "Label4");
    row("month list", "frmCalendar", "MonthList", "Label11");
    row("year list", "frmCalendar", "YearList", "Label10");
}

// Screen readers on Linux name a list by the label that the labelled-by relation points to.
void TestAccessibility::captionsLabelTheirControls() {
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, label);
    QWidget *shown = openWindow(window);
    auto *widget = shown->findChild<QWidget *>(control);
    auto *caption = shown->findChild<QLabel *>(label);
    QVERIFY(widget && caption);
    const QStringList labels = labelledBy(widget);
    QVERIFY2(labels.contains(label), qPrintable(labels.join(QLatin1Char(' '))));
}

void TestAccessibility::converterButtonsTellTheirRow_data() {
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("row");
    const auto row = [](const char *suffix, const char *caption) {
        QTest::newRow(caption) << QString::fromLatin1(suffix) << QString::fromLatin1(caption);
    };
    row("l", "length/distance");
    row("a", "area");
    row("v", "volume");
    row("w", "weight");
    row("t", "temperature");
}

// Five buttons share each caption; a listener tells them apart by name, caption first.
void TestAccessibility::converterButtonsTellTheirRow() {
    QFETCH(QString, suffix);
    QFETCH(QString, row);
    QWidget *window = openWindow(QStringLiteral("u_conv"));
    QAccessibleInterface *clearButton =
        accessible(window->findChild<QWidget *>(QStringLiteral("clear_") + suffix));
    QAccessibleInterface *convertButton =
        accessible(window->findChild<QWidget *>(QStringLiteral("convert_") + suffix));
    QCOMPARE(clearButton->text(QAccessible::Name), QStringLiteral("Clear ") + row);
    QCOMPARE(convertButton->text(QAccessible::Name), QStringLiteral("Convert ") + row);
}

void TestAccessibility::dayCellsSpeakTheirDate_data() {
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("cell");
    QTest::addColumn<QString>("name");
    QTest::newRow("first day") << 12 << 2026 << 2 << "Tuesday 1 December 2026";
    QTest::newRow("today") << 12 << 2026 << 8 << "Monday 7 December 2026, today";
    QTest::newRow("last day") << 12 << 2026 << 32 << "Thursday 31 December 2026";
    QTest::newRow("hidden cell says nothing") << 12 << 2026 << 0 << "";
    QTest::newRow("today's place in another year") << 12 << 2025 << 8 << "Monday 8 December 2025";
    QTest::newRow("all cells used") << 1 << 2022 << 36 << "Monday 31 January 2022";
    QTest::newRow("leap day") << 2 << 2000 << 30 << "Tuesday 29 February 2000";
    // December 2000 fills cell 35 with its 31st.
    QTest::newRow("hidden after a longer month") << 2 << 2000 << 35 << "";
}

void TestAccessibility::dayCellsSpeakTheirDate() {
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(int, cell);
    QFETCH(QString, name);
    QWidget *window = openWindow(QStringLiteral("frmCalendar"));
    // Through a month with other names, so that every row checks a laid-out month.
    gui_test::chooseListItem(window->findChild<QComboBox *>(QStringLiteral("YearList")),
                             year - 1000);
    gui_test::chooseListItem(window->findChild<QComboBox *>(QStringLiteral("MonthList")),
                             month - 1);
    auto *label = window->findChild<QLabel *>(QStringLiteral("dateLabel_%1").arg(cell));
    QVERIFY(label);
    QCOMPARE(label->isVisibleTo(window), !name.isEmpty());
    // A hidden cell must not be found by a stale day, nor by the frame's caption.
    QCOMPARE(accessible(label)->text(QAccessible::Name), name);
}

// A value box is read as its value, and is labelled by its heading.
void TestAccessibility::analyzerValuesStayAudible() {
    auto *window = static_cast<WavAnalMain *>(openWindow(QStringLiteral("wav_anal_main")));
    window->AnalyzeWaveFile(QDir(dir_.path()).filePath(QStringLiteral("a.wav")));
    const std::tuple<const char *, const char *, const char *> expected[] = {
        {"lblHz", "Label9", "44.1 KHz"},
        {"lblChannels", "Label7", "Stereo"},
        {"lblBits", "Label3", "16"}};
    for (const auto &[name, heading, value] : expected) {
        auto *label = window->findChild<QLabel *>(QLatin1String(name));
        QCOMPARE(label->text(), QLatin1String(value));
        QCOMPARE(accessible(label)->text(QAccessible::Name), QLatin1String(value));
        QVERIFY(labelledBy(label).contains(QLatin1String(heading)));
    }
}

void TestAccessibility::unitBoxesTellTheirRelation_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("relation");
    QTest::newRow("tsubo") << "tsubo"
                           << "1 tsubo = 3.306 sq. m";
    QTest::newRow("foot") << "foot"
                          << "1 foot = 31 cm = 0.31 m";
    QTest::newRow("the hub of its row") << "m2"
                                        << "";
}

// What the rounded constants are, for the listener and as a tooltip.
void TestAccessibility::unitBoxesTellTheirRelation() {
    QFETCH(QString, box);
    QFETCH(QString, relation);
    QWidget *window = openWindow(QStringLiteral("u_conv"));
    auto *widget = window->findChild<QWidget *>(box);
    QCOMPARE(accessible(widget)->text(QAccessible::Description), relation);
    QCOMPARE(widget->toolTip(), relation);
}

// Announced as a window of its own; every list says what it is.
void TestAccessibility::selectionWindowSpeaks() {
    QWidget *window = openWindow(QStringLiteral("File_select"));
    QCOMPARE(accessible(window)->role(), QAccessible::Dialog);
    QCOMPARE(accessible(window)->text(QAccessible::Name), QStringLiteral("Open"));

    auto *drives = window->findChild<QComboBox *>(QStringLiteral("Drive1"));
    QAccessibleInterface *driveList = accessible(drives);
    QCOMPARE(driveList->role(), QAccessible::ComboBox);
    // Named by what it is; the drive is heard as its value and as its list's selected item.
    QCOMPARE(driveList->text(QAccessible::Name), QStringLiteral("Drive"));
    QCOMPARE(driveList->text(QAccessible::Value), drives->currentText());
    QCOMPARE(driveList->childCount(), 1); // its drop-down, where the drives are read
    QAccessibleInterface *dropDown = driveList->child(0);
    QCOMPARE(dropDown->childCount(), drives->count());
    QVERIFY(dropDown->tableInterface());
    QCOMPARE(dropDown->tableInterface()->selectedRows(), QList<int>{drives->currentIndex()});

    // The hidden header is still seen, as the column's name.
    QAccessibleInterface *folders =
        accessible(window->findChild<QWidget *>(QStringLiteral("Dir1")));
    QVERIFY(folders->tableInterface());
    QCOMPARE(folders->tableInterface()->columnDescription(0), QStringLiteral("Folder"));

    auto *selected = window->findChild<QLabel *>(QStringLiteral("selected_file"));
    QCOMPARE(accessible(selected)->text(QAccessible::Name), QStringLiteral("Selected file, none"));
    auto *files = window->findChild<QListWidget *>(QStringLiteral("File1"));
    files->setFocus();
    QTest::keyClick(files, Qt::Key_Down);
    QCOMPARE(accessible(selected)->text(QAccessible::Name),
             QStringLiteral("Selected file, ") + selected->text());
    QVERIFY(selected->text().endsWith(QStringLiteral("a.wav")));
}

void TestAccessibility::tabWalksTheDesignedOrder_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("converter") << "u_conv"
                               << QStringList{
                                      "cm",      "m",         "km",        "inch",      "foot",
                                      "yard",    "mile",      "clear_l",   "convert_l", "m2",
                                      "km2",     "tsubo",     "ft2",       "yd2",       "ha",
                                      "acre",    "clear_a",   "convert_a", "convert_v", "clear_v",
                                      "l",       "gal",       "qt",        "pt",        "floz",
                                      "go",      "sho",       "g",         "kg",        "oz",
                                      "lb",      "clear_w",   "convert_w", "dc",        "df",
                                      "clear_t", "convert_t", "feet_c",    "inch_c"};
    QTest::newRow("converter help") << "uc_help" << QStringList{"Text1"};
    QTest::newRow("dialer") << "cc_code" << QStringList{"Submit", "out", "dest", "src"};
    QTest::newRow("dialer help") << "cc_help" << QStringList{"Text1"};
    QTest::newRow("calendar") << "frmCalendar" << QStringList{"MonthList", "YearList"};
    QTest::newRow("analyzer") << "wav_anal_main" << QStringList{"txtFile"};
    QTest::newRow("selection") << "File_select"
                               << QStringList{"File1", "Dir1", "Drive1", "analyze", "cancel"};
}

// Tab from the control that has the focus on opening round to it again, then Shift+Tab
// the same way back: every control is reached, in the designed order, and nothing else.
void TestAccessibility::tabWalksTheDesignedOrder() {
    QFETCH(QString, window);
    QFETCH(QStringList, order);
    QWidget *shown = openWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(shown));
    QStringList forward{focusedControl()};
    for (qsizetype i = 0; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        forward << focusedControl();
    }
    QCOMPARE(forward, order + QStringList{order.first()});

    QStringList backward{focusedControl()};
    for (qsizetype i = 0; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        backward << focusedControl();
    }
    QStringList reversed{order.first()};
    for (qsizetype i = order.size() - 1; i >= 0; --i)
        reversed << order[i];
    QCOMPARE(backward, reversed);
}

void TestAccessibility::downSelectsTheFirstFile_data() {
    QTest::addColumn<bool>("leaveAndReturn");
    QTest::addColumn<bool>("openSubfolder");
    QTest::addColumn<QString>("first");
    QTest::newRow("window just opened") << false << false << "a.wav";
    QTest::newRow("focus back by Shift+Tab") << true << false << "a.wav";
    QTest::newRow("another folder listed") << true << true << "c.wav";
}

void TestAccessibility::downSelectsTheFirstFile() {
    QFETCH(bool, leaveAndReturn);
    QFETCH(bool, openSubfolder);
    QFETCH(QString, first);
    QWidget *window = openWindow(QStringLiteral("File_select"));
    QVERIFY(QTest::qWaitForWindowActive(window));
    auto *files = window->findChild<QListWidget *>(QStringLiteral("File1"));
    QTRY_COMPARE(QApplication::focusWidget(), files);
    if (leaveAndReturn) {
        QTest::keyClick(files, Qt::Key_Tab);
        QCOMPARE(focusedControl(), QStringLiteral("Dir1"));
        if (openSubfolder) {
            // The current folder's only subfolder is listed right below it.
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), files);
    }
    QCOMPARE(files->selectedItems().size(), 0);
    QTest::keyClick(files, Qt::Key_Down);
    const QList<QListWidgetItem *> selected = files->selectedItems();
    QCOMPARE(selected.size(), 1);
    QCOMPARE(selected.first()->text(), first);
    const QString shown = window->findChild<QLabel *>(QStringLiteral("selected_file"))->text();
    QVERIFY2(shown.endsWith(QDir::separator() + first), qPrintable(shown));
}

ZENDREL_GUI_TEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
