// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include <QtTest/QtTest>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>

#include "tests/support/gui_test.h"
#include "tests/wave/wave_files.h"
#include "ui/window_registry.h"
#include "wave/wav_anal_main.h"

namespace {

struct Analyzer {
    WavAnalMain *window;
    QLineEdit *txtFile;
    QLabel *hz;
    QLabel *channels;
    QLabel *bits;
};

Analyzer openAnalyzer() {
    WavAnalMain &w = ui::show<WavAnalMain>();
    return {&w, w.findChild<QLineEdit *>(QStringLiteral("txtFile")),
            w.findChild<QLabel *>(QStringLiteral("lblHz")),
            w.findChild<QLabel *>(QStringLiteral("lblChannels")),
            w.findChild<QLabel *>(QStringLiteral("lblBits"))};
}

QStringList shown(const Analyzer &a) {
    return {a.hz->text(), a.channels->text(), a.bits->text()};
}

} // namespace

class TestWavAnalMain : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void opensEmptyAsDesigned();
    void menuHoldsOpenAndExit();
    void analyzeShowsTheHeader_data();
    void analyzeShowsTheHeader();
    void frequencyUsesTheLocaleSeparator();
    void unreadableFileKeepsTheValues_data();
    void unreadableFileKeepsTheValues();
    void secondFileReplacesAllValues();
    void exitDiscardsTheContents();
    void openShowsOneSelectionWindow();

private:
    gui_test::ModalBoxWatcher boxes_;
    QTemporaryDir dir_;
};

void TestWavAnalMain::cleanup() {
    gui_test::closeAllWindows();
    QLocale::setDefault(QLocale::c());
    QVERIFY(boxes_.take().isEmpty());
}

void TestWavAnalMain::opensEmptyAsDesigned() {
    const Analyzer a = openAnalyzer();
    QVERIFY(a.txtFile && a.hz && a.channels && a.bits);
    QCOMPARE(a.window->windowTitle(), QStringLiteral("Wave File Analyzer"));
    QCOMPARE(a.window->centralWidget()->size(), QSize(233, 175));
    QCOMPARE(a.txtFile->text(), QString());
    QCOMPARE(shown(a), (QStringList{"", "", ""}));
    QCOMPARE(a.window->findChild<QGroupBox *>("Frame1")->title(), QStringLiteral("Filename"));
    QCOMPARE(a.window->findChild<QGroupBox *>("Frame2")->title(),
             QStringLiteral("Header Information"));
    QCOMPARE(a.window->findChild<QLabel *>("Label9")->text(), QStringLiteral("Sampling frequency"));
    QCOMPARE(a.window->findChild<QLabel *>("Label7")->text(), QStringLiteral("Channels"));
    QCOMPARE(a.window->findChild<QLabel *>("Label3")->text(), QStringLiteral("Bits per sample"));
    // Frequency left and channels right in the first row, bits below the frequency.
    QVERIFY(a.channels->x() > a.hz->x() && a.channels->y() == a.hz->y());
    QVERIFY(a.bits->x() == a.hz->x() && a.bits->y() > a.hz->y());
    QCOMPARE(a.window->focusWidget(), a.txtFile);
}

void TestWavAnalMain::menuHoldsOpenAndExit() {
    const Analyzer a = openAnalyzer();
    auto *menu = a.window->findChild<QMenu *>(QStringLiteral("file"));
    QVERIFY(menu);
    QCOMPARE(menu->title(), QStringLiteral("&File"));
    QStringList items;
    for (const QAction *action : menu->actions())
        items << action->objectName() + ':' + action->text();
    QCOMPARE(items, (QStringList{"file_open:&Open", "bar:", "exit:E&xit"}));
}

void TestWavAnalMain::analyzeShowsTheHeader_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("16-bit stereo 44100 Hz")
        << wave_files::canonicalHeader(2, 44100, 16) << QStringList{"44.1 KHz", "Stereo", "16"};
    QTest::newRow("8-bit mono 8000 Hz")
        << wave_files::canonicalHeader(1, 8000, 8) << QStringList{"8 KHz", "Mono", "8"};
    QTest::newRow("six channels are Mono")
        << wave_files::canonicalHeader(6, 48000, 24) << QStringList{"48 KHz", "Mono", "24"};
    QTest::newRow("empty file, no message") << QByteArray() << QStringList{"0 KHz", "Mono", "0"};
    QTest::newRow("all bytes FF") << QByteArray(44, '\xFF')
                                  << QStringList{"-0.001 KHz", "Mono", "-1"};
    QTest::newRow("largest rate") << wave_files::canonicalHeader(2, 2147483647, 16)
                                  << QStringList{"2147483.647 KHz", "Stereo", "16"};
}

void TestWavAnalMain::analyzeShowsTheHeader() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, expected);
    const Analyzer a = openAnalyzer();
    a.window->AnalyzeWaveFile(wave_files::write(dir_, QStringLiteral("x.wav"), bytes));
    QCOMPARE(shown(a), expected);
    QCOMPARE(a.txtFile->text(), QString()); // only the selection window writes it
}

void TestWavAnalMain::frequencyUsesTheLocaleSeparator() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const Analyzer a = openAnalyzer();
    a.window->AnalyzeWaveFile(wave_files::write(dir_, QStringLiteral("de.wav"),
                                                wave_files::canonicalHeader(2, 22050, 16)));
    QCOMPARE(a.hz->text(), QStringLiteral("22,05 KHz"));
}

void TestWavAnalMain::unreadableFileKeepsTheValues_data() {
    QTest::addColumn<QString>("path");
    // Why this system cannot make the row's file; the row then skips.
    QTest::addColumn<QByteArray>("cannotMake");
    QTest::newRow("no such file") << dir_.filePath(QStringLiteral("gone.wav")) << QByteArray();
    QTest::newRow("folder") << dir_.path() << QByteArray();
    const QString fifo = dir_.filePath(QStringLiteral("fifo.wav"));
    if (wave_files::kSpecialFiles && !QFileInfo::exists(fifo))
        QVERIFY(wave_files::makeFifo(fifo));
    QTest::newRow("FIFO, without blocking")
        << fifo << QByteArray(wave_files::kSpecialFiles ? "" : wave_files::kNoSpecialFiles);
    const QString locked = dir_.filePath(QStringLiteral("locked.wav"));
    if (wave_files::permissionsApply()) {
        if (!QFileInfo::exists(locked))
            wave_files::write(dir_, QStringLiteral("locked.wav"),
                              wave_files::canonicalHeader(1, 8000, 8));
        QVERIFY(QFile::setPermissions(locked, QFileDevice::WriteOwner));
    }
    QTest::newRow("no read permission")
        << locked << QByteArray(wave_files::permissionsApply() ? "" : wave_files::kNoPermissions);
}

void TestWavAnalMain::unreadableFileKeepsTheValues() {
    QFETCH(QString, path);
    QFETCH(QByteArray, cannotMake);
    if (!cannotMake.isEmpty())
        QSKIP(cannotMake.constData());
    const Analyzer a = openAnalyzer();
    a.window->AnalyzeWaveFile(wave_files::write(dir_, QStringLiteral("good.wav"),
                                                wave_files::canonicalHeader(2, 44100, 16)));
    a.window->AnalyzeWaveFile(path);
    const QList<gui_test::SeenBox> seen = boxes_.take();
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen[0].text, QStringLiteral("Invalid wave file format"));
    QCOMPARE(seen[0].title, QStringLiteral("Error"));
    QCOMPARE(seen[0].icon, QMessageBox::Critical);
    QCOMPARE(shown(a), (QStringList{"44.1 KHz", "Stereo", "16"}));
    QVERIFY(!QFileInfo::exists(dir_.filePath(QStringLiteral("gone.wav"))));
}

void TestWavAnalMain::secondFileReplacesAllValues() {
    const Analyzer a = openAnalyzer();
    a.window->AnalyzeWaveFile(wave_files::write(dir_, QStringLiteral("one.wav"),
                                                wave_files::canonicalHeader(2, 44100, 16)));
    a.window->AnalyzeWaveFile(wave_files::write(dir_, QStringLiteral("two.wav"),
                                                wave_files::canonicalHeader(1, 11025, 8)));
    QCOMPARE(shown(a), (QStringList{"11.025 KHz", "Mono", "8"}));
}

void TestWavAnalMain::exitDiscardsTheContents() {
    Analyzer a = openAnalyzer();
    QTest::keyClicks(a.txtFile, QStringLiteral("typed"));
    a.window->AnalyzeWaveFile(wave_files::write(dir_, QStringLiteral("one.wav"),
                                                wave_files::canonicalHeader(2, 44100, 16)));
    gui_test::chooseMenuItem(a.window, "exit");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!ui::loaded<WavAnalMain>());
    a = openAnalyzer();
    QCOMPARE(a.txtFile->text(), QString());
    QCOMPARE(shown(a), (QStringList{"", "", ""}));
}

void TestWavAnalMain::openShowsOneSelectionWindow() {
    const Analyzer a = openAnalyzer();
    gui_test::chooseMenuItem(a.window, "file_open");
    gui_test::chooseMenuItem(a.window, "file_open");
    int count = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        count += widget->objectName() == QLatin1String("File_select") && widget->isVisible();
    QCOMPARE(count, 1);
    QVERIFY(a.window->isVisible()); // modeless: the analyzer stays open
}

ZENDREL_GUI_TEST_MAIN(TestWavAnalMain)
#include "tst_wav_anal_main.moc"
