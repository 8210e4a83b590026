// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include <QtTest/QtTest>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>

#include "app/plim_main.h"
#include "calendar/frm_calendar.h"
#include "dialer/cc_code.h"
#include "dialer/cc_help.h"
#include "tests/app/painted_text.h"
#include "tests/support/gui_test.h"
#include "tests/wave/wave_files.h"
#include "tools/colour_schemes.h"
#include "ui/contrast.h"
#include "ui/window_registry.h"
#include "unit_conv/u_conv.h"
#include "unit_conv/uc_help.h"
#include "wave/file_select.h"
#include "wave/wav_anal_main.h"

namespace {

template <class T> T *child(QWidget *window, const char *name) {
    T *found = window->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no %s in %s", name, qPrintable(window->objectName()));
    return found;
}

void openFromMain(const char *item) {
    gui_test::chooseMenuItem(&ui::show<PlimMain>(), item);
}

QWidget *converterAfterConversion() {
    openFromMain("mnuUnit_conv");
    auto *converter = ui::loaded<UConv>();
    QTest::keyClicks(child<QLineEdit>(converter, "cm"), QStringLiteral("180"));
    QTest::mouseClick(child<QPushButton>(converter, "convert_l"), Qt::LeftButton);
    return converter;
}

QWidget *dialerAfterSubmit() {
    openFromMain("mnuCountry_code");
    auto *dialer = ui::loaded<CcCode>();
    gui_test::chooseListItem(child<QComboBox>(dialer, "src"), 256);
    gui_test::chooseListItem(child<QComboBox>(dialer, "dest"), 109);
    QTest::mouseClick(child<QPushButton>(dialer, "Submit"), Qt::LeftButton);
    return dialer;
}

// The selection window with a file chosen; the folder holds one recording.
QWidget *selectionWithAFile() {
    openFromMain("mnuWav_anal");
    gui_test::chooseMenuItem(ui::loaded<WavAnalMain>(), "file_open");
    auto *selection = ui::loaded<FileSelect>();
    auto *files = child<QListWidget>(selection, "File1");
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                      files->visualItemRect(files->item(0)).center());
    return selection;
}

QWidget *analyzerAfterAnalysis() {
    QTest::mouseClick(child<QPushButton>(selectionWithAFile(), "analyze"), Qt::LeftButton);
    return ui::loaded<WavAnalMain>();
}

// The one text whose colour and background the design gives both: shown exactly as
// designed, whatever its contrast (the red "Sun" on the tool colour reads at 3.2:1).
bool isRedSunday(const QString &window, const painted_text::PaintedText &text) {
    return window == QLatin1String("frmCalendar") && text.what == QLatin1String("Label2");
}

using Opener = std::function<QWidget *()>;

const QHash<QString, Opener> &openers() {
    static const QHash<QString, Opener> table{
        {QStringLiteral("plim_main"), [] { return &ui::show<PlimMain>(); }},
        {QStringLiteral("u_conv"), converterAfterConversion},
        {QStringLiteral("uc_help"),
         [] {
             gui_test::chooseMenuItem(converterAfterConversion(), "mnuHelp");
             return ui::loaded<UcHelp>();
         }},
        {QStringLiteral("cc_code"), dialerAfterSubmit},
        {QStringLiteral("cc_help"),
         [] {
             gui_test::chooseMenuItem(dialerAfterSubmit(), "mnuHelp");
             return ui::loaded<CcHelp>();
         }},
        {QStringLiteral("frmCalendar"),
         [] {
             openFromMain("mnuCalendar");
             return ui::loaded<FrmCalendar>();
         }},
        {QStringLiteral("wav_anal_main"), analyzerAfterAnalysis},
        {QStringLiteral("File_select"), selectionWithAFile},
    };
    return table;
}

} // namespace

class TestColourSchemes : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void everyTextReads_data();
    void everyTextReads();

private:
    gui_test::ModalBoxWatcher boxes_;
    QTemporaryDir folder_;
    QPalette startPalette_;
};

void TestColourSchemes::initTestCase() {
    startPalette_ = QApplication::palette();
    wave_files::write(folder_, QStringLiteral("a.wav"), wave_files::canonicalHeader(2, 44100, 16));
    // The selection window starts in the program's current folder.
    QVERIFY(QDir::setCurrent(folder_.path()));
}

// Windows removes no folder that is a program's current one.
void TestColourSchemes::cleanupTestCase() {
    QDir::setCurrent(QDir::tempPath());
}

void TestColourSchemes::cleanup() {
    gui_test::closeAllWindows();
    QApplication::setPalette(startPalette_);
    QVERIFY(boxes_.take().isEmpty());
}

void TestColourSchemes::everyTextReads_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QPalette>("scheme");
    // The desktop switches while the window is open (to dark at sunset), instead of before.
    QTest::addColumn<bool>("whileOpen");
    const QList<std::pair<const char *, QPalette>> schemes{
        {"default", QApplication::palette()},
        {"dark", colour_schemes::dark()},
        {"dark high contrast", colour_schemes::darkHighContrast()},
        {"light high contrast", colour_schemes::lightHighContrast()},
    };
    for (const char *window : {"plim_main", "u_conv", "uc_help", "cc_code", "cc_help",
                               "frmCalendar", "wav_anal_main", "File_select"}) {
        for (const auto &[name, palette] : schemes)
            QTest::addRow("%s, %s", window, name)
                << QString::fromLatin1(window) << palette << false;
        QTest::addRow("%s, to dark while open", window)
            << QString::fromLatin1(window) << colour_schemes::dark() << true;
    }
}

// Measured from the picture of each window, not from the palettes the code sets: a text's
// colour against the background it is painted on reaches WCAG 2's 4.5:1.
void TestColourSchemes::everyTextReads() {
    QFETCH(QString, window);
    QFETCH(QPalette, scheme);
    QFETCH(bool, whileOpen);
    if (!whileOpen)
        QApplication::setPalette(scheme);
    QWidget *shown = openers().value(window)();
    QVERIFY(shown);
    QCOMPARE(shown->objectName(), window);
    if (whileOpen)
        QApplication::setPalette(scheme);
    QCoreApplication::processEvents();

    const QList<painted_text::PaintedText> texts = painted_text::measure(shown);
    QStringList unreadable;
    double lowest = 21;
    for (const painted_text::PaintedText &text : texts) {
        if (isRedSunday(window, text)) {
            QCOMPARE(text.text, QColor(255, 0, 0));
            QCOMPARE(text.background, QColor(255, 224, 192));
            continue;
        }
        lowest = std::min(lowest, text.contrast);
        if (text.contrast < ui::kReadableContrast)
            unreadable << QStringLiteral("%1 (%2 on %3, %4:1)")
                              .arg(text.what, text.text.name(), text.background.name())
                              .arg(text.contrast, 0, 'f', 2);
    }
    qInfo("%s: %lld texts, %lld below 4.5:1, lowest %.2f:1 (\"Sun\" aside)",
          QTest::currentDataTag(), static_cast<long long>(texts.size()),
          static_cast<long long>(unreadable.size()), lowest);
    QVERIFY(!texts.isEmpty());
    QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(QStringLiteral("; "))));

    // A window open during the change looks as one opened afterwards: no colour taken
    // from the old scheme stays behind.
    if (whileOpen) {
        gui_test::closeAllWindows();
        const QList<painted_text::PaintedText> afresh =
            painted_text::measure(openers().value(window)());
        QCOMPARE(afresh.size(), texts.size());
        for (qsizetype i = 0; i < texts.size(); ++i) {
            QCOMPARE(texts[i].what, afresh[i].what);
            QCOMPARE(texts[i].text, afresh[i].text);
            QCOMPARE(texts[i].background, afresh[i].background);
        }
    }
}

ZENDREL_GUI_TEST_MAIN(TestColourSchemes)
#include "tst_colour_schemes.moc"
