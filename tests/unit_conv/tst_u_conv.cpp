// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include <QtTest/QtTest>

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>

#include "tests/support/gui_test.h"
#include "ui/window_registry.h"
#include "unit_conv/u_conv.h"
#include "unit_conv/uc_help.h"

namespace {

const QStringList kLengthBoxes = {"cm",   "m",    "km",     "inch",  "foot",
                                  "yard", "mile", "feet_c", "inch_c"};
const QStringList kAreaBoxes = {"m2", "km2", "tsubo", "ft2", "yd2", "ha", "acre"};
const QStringList kVolumeBoxes = {"l", "gal", "qt", "pt", "floz", "go", "sho"};
const QStringList kWeightBoxes = {"g", "kg", "oz", "lb"};
const QStringList kTemperatureBoxes = {"dc", "df"};
const QStringList kAllBoxes =
    kLengthBoxes + kAreaBoxes + kVolumeBoxes + kWeightBoxes + kTemperatureBoxes;

UConv &openConverter() {
    return ui::show<UConv>();
}

QLineEdit *box(const QString &name) {
    UConv *window = ui::loaded<UConv>();
    return window ? window->findChild<QLineEdit *>(name) : nullptr;
}

QPushButton *button(const QString &name) {
    UConv *window = ui::loaded<UConv>();
    return window ? window->findChild<QPushButton *>(name) : nullptr;
}

// Replaces a box's text by typing, as a user does.
void type(const QString &name, const QString &text) {
    QLineEdit *edit = box(name);
    QVERIFY2(edit, qPrintable(name));
    QTest::mouseClick(edit, Qt::LeftButton);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

void click(const QString &name) {
    QPushButton *pushButton = button(name);
    QVERIFY2(pushButton, qPrintable(name));
    QTest::mouseClick(pushButton, Qt::LeftButton);
}

// "name=text" pairs.
void typeAll(const QStringList &entries) {
    for (const QString &entry : entries)
        type(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
}

void checkShown(const QStringList &entries) {
    for (const QString &entry : entries) {
        const QString name = entry.section(QLatin1Char('='), 0, 0);
        QVERIFY2(box(name), qPrintable(name));
        QCOMPARE(box(name)->text(), entry.section(QLatin1Char('='), 1));
    }
}

QStringList texts(const QStringList &names) {
    QStringList result;
    for (const QString &name : names)
        result.append(box(name)->text());
    return result;
}

int windowCount(const char *name) {
    int count = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        count += widget->objectName() == QLatin1String(name) && widget->isVisible();
    return count;
}

void closeAndDelete(QWidget *window) {
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestUConv : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void opensEmptyWithFocusInCm();
    void controlsStandWhereDesigned_data();
    void controlsStandWhereDesigned();
    void captions();
    void focusOrder();
    void convertShows_data();
    void convertShows();
    void convertUsesTheLocaleDecimalComma();
    void pairTypedAfterConvertIsIgnored();
    void clearEmptiesOnlyItsRow_data();
    void clearEmptiesOnlyItsRow();
    void enterTriggersNothing();
    void longPastedTextIsReadWhole();
    void randomUseKeepsTheSource();
    void sourceOutsideUtf8StaysAsTyped_data();
    void sourceOutsideUtf8StaysAsTyped();
    void reopeningStartsEmpty();
    void helpShowsOneWindowWithTheText();

private:
    gui_test::ModalBoxWatcher boxes_;
};

void TestUConv::initTestCase() {
    // The converter reads Qt's default locale; pin one that writes a decimal point.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestUConv::cleanup() {
    gui_test::closeAllWindows();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QVERIFY(boxes_.take().isEmpty()); // the converter never shows a message
}

void TestUConv::opensEmptyWithFocusInCm() {
    UConv &window = openConverter();
    QCOMPARE(window.windowTitle(), QStringLiteral("Unit Converter"));
    QCOMPARE(window.centralWidget()->size(), QSize(640, 480));
    QCOMPARE(window.findChildren<QLineEdit *>().size(), 29);
    for (const QString &name : kAllBoxes) {
        QVERIFY2(box(name) && box(name)->text().isEmpty(), qPrintable(name));
        QVERIFY(!box(name)->isReadOnly());
    }
    QCOMPARE(window.focusWidget(), box("cm"));
}

void TestUConv::controlsStandWhereDesigned_data() {
    // Client-area pixels: the designed twips divided by 15.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");
    QTest::newRow("cm") << "cm" << QRect(16, 48, 81, 19);
    QTest::newRow("mile") << "mile" << QRect(544, 48, 81, 19);
    QTest::newRow("feet_c") << "feet_c" << QRect(456, 88, 81, 19);
    QTest::newRow("inch_c") << "inch_c" << QRect(544, 88, 81, 19);
    QTest::newRow("acre") << "acre" << QRect(544, 168, 81, 19);
    QTest::newRow("floz") << "floz" << QRect(368, 288, 81, 19);
    QTest::newRow("lb") << "lb" << QRect(280, 408, 81, 19);
    QTest::newRow("dc") << "dc" << QRect(416, 408, 81, 19);
    QTest::newRow("df") << "df" << QRect(528, 408, 81, 19);
    QTest::newRow("clear_l") << "clear_l" << QRect(264, 80, 49, 25);
    QTest::newRow("convert_w") << "convert_w" << QRect(192, 440, 49, 25);
    QTest::newRow("convert_t") << "convert_t" << QRect(520, 440, 49, 25);
    QTest::newRow("Frame3") << "Frame3" << QRect(400, 368, 233, 105);
    QTest::newRow("fluid ounce label") << "Label19" << QRect(376, 272, 65, 17);
    QTest::newRow("Celcius label") << "Label26" << QRect(408, 392, 97, 17);
}

void TestUConv::controlsStandWhereDesigned() {
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    UConv &window = openConverter();
    auto *widget = window.findChild<QWidget *>(name);
    QVERIFY(widget);
    const QPoint topLeft = widget->mapTo(window.centralWidget(), QPoint(0, 0));
    QCOMPARE(topLeft, rect.topLeft());
    // Labels may grow to show a wider font; everything else keeps its designed size.
    if (qobject_cast<QLabel *>(widget))
        QVERIFY(widget->width() >= rect.width());
    else
        QCOMPARE(widget->size(), rect.size());
}

void TestUConv::captions() {
    UConv &window = openConverter();
    const QStringList labels = {"Label1=cm",
                                "Label7=mile",
                                "Label14=sq. m",
                                "Label8=acre",
                                "Label15=litter",
                                "Label19=fluid ounce",
                                "Label21=Sho",
                                "Label25=lb",
                                "Label26=Degrees of Celcius",
                                "Label27=Degrees of Fahrenheit",
                                "Label28=         {feet           +          inch}"};
    for (const QString &entry : labels) {
        auto *label = window.findChild<QLabel *>(entry.section('=', 0, 0));
        QVERIFY2(label, qPrintable(entry));
        QCOMPARE(label->text(), entry.section('=', 1));
    }
    QCOMPARE(window.findChildren<QLabel *>().size(), 28);
    const QStringList frames = {"length=Length/Distance", "Frame1=Area", "Frame2=Volume",
                                "Weight=Weight", "Frame3=Temperature"};
    for (const QString &entry : frames) {
        auto *frame = window.findChild<QGroupBox *>(entry.section('=', 0, 0));
        QVERIFY2(frame, qPrintable(entry));
        QCOMPARE(frame->title(), entry.section('=', 1));
    }
    for (QPushButton *pushButton : window.findChildren<QPushButton *>()) {
        QCOMPARE(pushButton->text(), pushButton->objectName().startsWith("clear")
                                         ? QStringLiteral("Clear")
                                         : QStringLiteral("Convert"));
        QVERIFY(!pushButton->isDefault() && !pushButton->autoDefault());
    }
    auto *help = window.findChild<QAction *>(QStringLiteral("mnuHelp"));
    QVERIFY(help);
    QCOMPARE(help->text(), QStringLiteral("&Help"));
}

void TestUConv::focusOrder() {
    UConv &window = openConverter();
    ZENDREL_REQUIRE_KEYBOARD_FOCUS(&window);
    const QStringList order = {"cm",        "m",       "km",        "inch", "foot",    "yard",
                               "mile",      "clear_l", "convert_l", "m2",   "km2",     "tsubo",
                               "ft2",       "yd2",     "ha",        "acre", "clear_a", "convert_a",
                               "convert_v", "clear_v", "l",         "gal",  "qt",      "pt",
                               "floz",      "go",      "sho",       "g",    "kg",      "oz",
                               "lb",        "clear_w", "convert_w", "dc",   "df",      "clear_t",
                               "convert_t", "feet_c",  "inch_c",    "cm"};
    for (const QString &name : order) {
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus);
        QCOMPARE(focus->objectName(), name);
        QTest::keyClick(focus, Qt::Key_Tab);
    }
}

void TestUConv::convertShows_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("convert");
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("180 cm") << QStringList{"cm=180"} << "convert_l"
                            << QStringList{"cm=180",
                                           "m=1.8",
                                           "km=0.0018",
                                           "inch=70.8661417323",
                                           "foot=5.8064516129",
                                           "yard=1.978021978",
                                           "mile=0.0011180124",
                                           "feet_c=5",
                                           "inch_c=9.6774193548"};
    QTest::newRow("source with blanks stays as typed")
        << QStringList{"cm= 180 "} << "convert_l" << QStringList{"cm= 180 ", "m=1.8", "feet_c=5"};
    QTest::newRow("only the first filled box counts")
        << QStringList{"cm=100", "km=5"} << "convert_l"
        << QStringList{"cm=100", "m=1", "km=0.001", "feet_c=3", "inch_c=2.7096774192"};
    QTest::newRow("5 feet 11 inches")
        << QStringList{"feet_c=5", "inch_c=11"} << "convert_l"
        << QStringList{"foot=5.9166666667", "cm=183.4166666677",  "m=1.8341666667",
                       "km=0.0018341667",   "inch=72.2112860896", "yard=2.0155677656",
                       "mile=0.001139234",  "feet_c=5",           "inch_c=11"};
    QTest::newRow("12 inches only")
        << QStringList{"inch_c=12"} << "convert_l"
        << QStringList{"feet_c=0", "inch=12", "cm=30.48", "foot=0.9832258065"};
    QTest::newRow("1 sq. km") << QStringList{"km2=1"} << "convert_a"
                              << QStringList{"m2=1000000",
                                             "tsubo=302480.338777979",
                                             "ft2=11111111.1111111",
                                             "yd2=1190476.19047619",
                                             "ha=100",
                                             "acre=246.9135802469"};
    QTest::newRow("hectares over a typed acre")
        << QStringList{"ha=1", "acre=99"} << "convert_a"
        << QStringList{"ha=1", "acre=2.4691358025", "m2=10000"};
    QTest::newRow("1 litre") << QStringList{"l=1"} << "convert_v"
                             << QStringList{"gal=0.2642007926", "qt=1.0568031704",
                                            "pt=2.1136063408",  "floz=33.8177014528",
                                            "go=5.5555555556",  "sho=0.5555555556"};
    QTest::newRow("1 sho") << QStringList{"sho=1"} << "convert_v"
                           << QStringList{"go=10", "l=1.8", "gal=0.4755614267",
                                          "floz=60.8718626176"};
    QTest::newRow("1 lb") << QStringList{"lb=1"} << "convert_w"
                          << QStringList{"g=454", "kg=0.454", "oz=16.2142857143", "lb=1"};
    QTest::newRow("-40 C") << QStringList{"dc=-40"} << "convert_t"
                           << QStringList{"dc=-40", "df=-40"};
    QTest::newRow("Celsius wins") << QStringList{"dc=37", "df=1"} << "convert_t"
                                  << QStringList{"dc=37", "df=98.6"};
    QTest::newRow("0 F") << QStringList{"df=0"} << "convert_t"
                         << QStringList{"dc=-17.7777777778", "df=0"};
    // A failing step stops the Convert; what was written before it stays, with no message.
    QTest::newRow("non-numeric source")
        << QStringList{"cm=abc", "yard=2"} << "convert_l" << QStringList{"cm=abc", "yard=2", "m="};
    QTest::newRow("blanks only") << QStringList{"g=   "} << "convert_w"
                                 << QStringList{"g=   ", "kg=", "oz=", "lb="};
    QTest::newRow("overflow after two steps")
        << QStringList{"mile=1E304"} << "convert_l"
        << QStringList{"km=1.61E+304", "m=1.61E+307", "cm=", "inch=", "feet_c="};
    QTest::newRow("failing feet keep the partner's 0")
        << QStringList{"feet_c=five"} << "convert_l"
        << QStringList{"feet_c=five", "inch_c=0", "foot=", "cm="};
}

void TestUConv::convertShows() {
    QFETCH(QStringList, typed);
    QFETCH(QString, convert);
    QFETCH(QStringList, shown);
    openConverter();
    typeAll(typed);
    click(convert);
    checkShown(shown);
}

void TestUConv::convertUsesTheLocaleDecimalComma() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    openConverter();
    type("m", "1.000,5");
    click("convert_l");
    checkShown({"m=1.000,5", "cm=100050", "km=1,0005", "foot=3227,4193548387"});
    type("df", "98,6");
    click("convert_t");
    checkShown({"dc=37"});
    // A decimal point is a misplaced grouping separator here: nothing is converted.
    type("g", "1.5");
    click("convert_w");
    checkShown({"kg=", "oz=", "lb="});
}

void TestUConv::pairTypedAfterConvertIsIgnored() {
    openConverter();
    type("cm", "180");
    click("convert_l");
    type("feet_c", "6");
    type("inch_c", "1");
    click("convert_l");
    checkShown({"cm=180", "feet_c=5", "inch_c=9.6774193548"});
    click("clear_l");
    type("feet_c", "6");
    type("inch_c", "1");
    click("convert_l");
    checkShown({"foot=6.0833333333", "feet_c=6", "inch_c=1"});
}

void TestUConv::clearEmptiesOnlyItsRow_data() {
    QTest::addColumn<QString>("clear");
    QTest::addColumn<QStringList>("row");
    QTest::newRow("length, pair included") << "clear_l" << kLengthBoxes;
    QTest::newRow("area") << "clear_a" << kAreaBoxes;
    QTest::newRow("volume") << "clear_v" << kVolumeBoxes;
    QTest::newRow("weight") << "clear_w" << kWeightBoxes;
    QTest::newRow("temperature") << "clear_t" << kTemperatureBoxes;
}

void TestUConv::clearEmptiesOnlyItsRow() {
    QFETCH(QString, clear);
    QFETCH(QStringList, row);
    openConverter();
    for (const QString &name : kAllBoxes)
        box(name)->setText(QStringLiteral("7"));
    click(clear);
    for (const QString &name : kAllBoxes)
        QCOMPARE(box(name)->text(), row.contains(name) ? QString() : QStringLiteral("7"));
}

void TestUConv::enterTriggersNothing() {
    openConverter();
    type("cm", "180");
    QTest::keyClick(box("cm"), Qt::Key_Return);
    QTest::keyClick(box("cm"), Qt::Key_Escape);
    QCOMPARE(texts(kLengthBoxes), QStringList({"180", "", "", "", "", "", "", "", ""}));
}

void TestUConv::longPastedTextIsReadWhole() {
    openConverter();
    // 100001 digits: far beyond the range of a double.
    ZENDREL_PUT_ON_CLIPBOARD(QStringLiteral("1") + QString(100000, '0'));
    QTest::mouseClick(box("cm"), Qt::LeftButton);
    QElapsedTimer timer;
    timer.start();
    QTest::keyClick(box("cm"), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box("cm")->text().size(), 100001);
    click("convert_l");
    QCOMPARE(box("m")->text(), QString());
    // As small as it is long: reads as zero.
    click("clear_l");
    box("cm")->setText(QStringLiteral("0.") + QString(100000, '0') + QStringLiteral("1"));
    click("convert_l");
    checkShown({"m=0", "inch=0", "feet_c=0", "inch_c=0"});
    QVERIFY2(timer.elapsed() < 10000, "long text must not stall the window");
}

// Random texts and buttons: nothing crashes, and Convert never changes its source box.
void TestUConv::randomUseKeepsTheSource() {
    openConverter();
    const QStringList samples = {"",      " ",    "12", "-3.5", "1E308", "1e-320", "abc",
                                 "1,000", "1,00", "0",  "+7.",  ".",     "9E15",   "-0"};
    const QList<QPair<QString, QStringList>> rows = {{"convert_l", kLengthBoxes},
                                                     {"convert_a", kAreaBoxes},
                                                     {"convert_v", kVolumeBoxes},
                                                     {"convert_w", kWeightBoxes},
                                                     {"convert_t", kTemperatureBoxes}};
    QRandomGenerator random(7);
    for (int round = 0; round < 150; ++round) {
        const auto &[convert, row] = rows[random.bounded(rows.size())];
        for (const QString &name : row) {
            if (random.bounded(2))
                box(name)->setText(samples[random.bounded(samples.size())]);
        }
        const QStringList before = texts(row);
        if (random.bounded(8) == 0) {
            click(QString(convert).replace("convert", "clear"));
            QCOMPARE(texts(row), QStringList(row.size(), QString()));
            continue;
        }
        click(convert);
        // The pair is left out: Convert may write "0" into an empty partner.
        const QStringList after = texts(row);
        for (qsizetype i = 0; i < before.size() && i < 7; ++i) {
            if (!before[i].isEmpty()) {
                QCOMPARE(after[i], before[i]);
                break;
            }
        }
    }
}

void TestUConv::sourceOutsideUtf8StaysAsTyped_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("convert");
    QTest::newRow("leading byte order mark") << QStringLiteral("\uFEFF180") << "convert_l";
    QTest::newRow("unpaired surrogate")
        << QString(QChar(0xD800)) + QStringLiteral("5") << "convert_t";
}

// Pasted text can hold what the conversion's UTF-8 text cannot carry back.
void TestUConv::sourceOutsideUtf8StaysAsTyped() {
    QFETCH(QString, source);
    QFETCH(QString, convert);
    openConverter();
    const QString name = convert == QLatin1String("convert_l") ? "cm" : "dc";
    ZENDREL_PUT_ON_CLIPBOARD(source);
    QTest::mouseClick(box(name), Qt::LeftButton);
    QTest::keyClick(box(name), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box(name)->text(), source);
    click(convert);
    QCOMPARE(box(name)->text(), source);
}

void TestUConv::reopeningStartsEmpty() {
    UConv *window = &openConverter();
    type("cm", "180");
    click("convert_l");
    QCOMPARE(&ui::show<UConv>(), window); // showing it again keeps its texts
    QCOMPARE(box("m")->text(), QStringLiteral("1.8"));
    closeAndDelete(window);
    QTRY_VERIFY(ui::loaded<UConv>() == nullptr);
    openConverter();
    QCOMPARE(texts(kAllBoxes), QStringList(29, QString()));
}

void TestUConv::helpShowsOneWindowWithTheText() {
    UConv &window = openConverter();
    type("g", "1");
    gui_test::chooseMenuItem(&window, "mnuHelp");
    gui_test::chooseMenuItem(&window, "mnuHelp");
    QCOMPARE(windowCount("uc_help"), 1);
    UcHelp *help = ui::loaded<UcHelp>();
    QVERIFY(help);
    QCOMPARE(help->windowTitle(), QStringLiteral("Help"));
    QCOMPARE(help->centralWidget()->size(), QSize(388, 280));
    auto *text = help->findChild<QPlainTextEdit *>(QStringLiteral("Text1"));
    QVERIFY(text && text->isReadOnly());
    QCOMPARE(text->font().pointSizeF(), 8.25);
    QCOMPARE(text->toPlainText(),
             QStringLiteral("Utility function:\n"
                            " When <Convert> is clicked after typing one or two numerical \n"
                            "value(s) in window(s), numbers converted to each unit are \n"
                            "generated and displayed in all windows at the same time.\n"
                            "\n"
                            " Five categories such as Length/Distance (1D), Area (2D), Volume \n"
                            "(3D), Weight, and Temperature are independent each other.\n"
                            "\n"
                            " In Length/Distance, {feet + inch} allows to convert human "
                            "beings' \n"
                            "height to and from <cm> practically.\n"
                            "\n"
                            "\n"
                            "Examples:\n"
                            "(A) Length/Distance\n"
                            "  Input 180 in window of <cm> and click <Convert>.\n"
                            "\n"
                            "(B) Length/Distance\n"
                            "  Input 5 feet 11 inches to {feet + inch} and click <Convert>.\n"));

    // Each window closes on its own; closing the help keeps the converter's texts.
    closeAndDelete(help);
    QTRY_COMPARE(windowCount("uc_help"), 0);
    QCOMPARE(box("g")->text(), QStringLiteral("1"));
    gui_test::chooseMenuItem(&window, "mnuHelp");
    closeAndDelete(&window);
    QTRY_VERIFY(ui::loaded<UConv>() == nullptr);
    QCOMPARE(windowCount("uc_help"), 1);
}

ZENDREL_GUI_TEST_MAIN(TestUConv)
#include "tst_u_conv.moc"
