// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

// What the file selection window does on Windows alone: drive letters, paths written with
// "\", names matched whatever their letter case, files that another program holds open.

#include <QtTest/QtTest>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <windows.h>

#include "tests/support/gui_test.h"
#include "tests/wave/wave_files.h"
#include "ui/window_registry.h"
#include "wave/drives.h"
#include "wave/file_select.h"
#include "wave/wav_anal_main.h"

namespace {

template <class T> T *child(QWidget *window, const char *name) {
    return window->findChild<T *>(QLatin1String(name));
}

FileSelect *openSelection() {
    gui_test::chooseMenuItem(&ui::show<WavAnalMain>(), "file_open");
    return ui::loaded<FileSelect>();
}

QStringList items(const QListWidget *list) {
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names << list->item(i)->text();
    return names;
}

// The first drive on offer without its medium, as Wine shows a drive letter that leads to a
// missing folder.
int driveNotReady(const QComboBox *drives) {
    for (int i = 0; i < drives->count(); ++i)
        if (!QStorageInfo(drives->itemData(i).toString()).isReady())
            return i;
    return -1;
}

} // namespace

class TestWindowsFiles : public QObject {
    Q_OBJECT

    gui_test::ModalBoxWatcher boxes_;
    QTemporaryDir dir_;
    QString folder_;

private slots:
    void initTestCase();
    void cleanup();
    void offersDriveLettersAndShowsPathsWithBackslash();
    void pickingAnotherDriveMovesBothLists();
    void driveNotReadyIsReportedAndTheWindowStays();
    void fileHeldOpenByAnotherProgram_data();
    void fileHeldOpenByAnotherProgram();
};

void TestWindowsFiles::initTestCase() {
    QVERIFY(dir_.isValid());
    folder_ = QDir(dir_.path()).canonicalPath();
    for (const char *name : {"a.wav", "B.WAV", "c.Wav", "a.wav.txt", "wav"})
        wave_files::write(dir_, QLatin1String(name), wave_files::canonicalHeader(2, 44100, 16));
    QVERIFY(QDir::setCurrent(folder_));
}

void TestWindowsFiles::cleanup() {
    gui_test::closeAllWindows();
    QVERIFY(boxes_.take().isEmpty());
}

void TestWindowsFiles::offersDriveLettersAndShowsPathsWithBackslash() {
    FileSelect *w = openSelection();
    auto *drives = child<QComboBox>(w, "Drive1");
    QVERIFY(drives->count() >= 1);
    static const QRegularExpression letter(QStringLiteral("^[A-Z]:\\\\$"));
    for (int i = 0; i < drives->count(); ++i)
        QVERIFY2(letter.match(drives->itemText(i)).hasMatch(), qPrintable(drives->itemText(i)));
    const QString drive = folder_.left(3); // "C:/"
    QCOMPARE(drives->currentData().toString(), drive);
    QCOMPARE(drives->currentText(), QDir::toNativeSeparators(drive));
    // The folder list starts at the drive's root, as Windows writes it.
    auto *tree = child<QTreeWidget>(w, "Dir1");
    QCOMPARE(tree->topLevelItem(0)->text(0), QDir::toNativeSeparators(drive));

    auto *files = child<QListWidget>(w, "File1");
    QCOMPARE(items(files), (QStringList{"a.wav", "B.WAV", "c.Wav"}));
    files->setCurrentRow(1);
    const QString chosen = QDir::toNativeSeparators(folder_) + QStringLiteral("\\B.WAV");
    QCOMPARE(child<QLabel>(w, "selected_file")->text(), chosen);
    QTest::mouseClick(child<QWidget>(w, "analyze"), Qt::LeftButton);
    QCOMPARE(child<QLineEdit>(ui::loaded<WavAnalMain>(), "txtFile")->text(), chosen);
    QCOMPARE(child<QLabel>(ui::loaded<WavAnalMain>(), "lblHz")->text(), QStringLiteral("44.1 KHz"));
}

void TestWindowsFiles::pickingAnotherDriveMovesBothLists() {
    FileSelect *w = openSelection();
    auto *drives = child<QComboBox>(w, "Drive1");
    int other = -1;
    for (int i = 0; i < drives->count() && other < 0; ++i)
        if (i != drives->currentIndex() && QStorageInfo(drives->itemData(i).toString()).isReady())
            other = i;
    if (other < 0)
        QSKIP("this machine has one drive that is ready");
    child<QListWidget>(w, "File1")->setCurrentRow(0);
    const QString chosen = child<QLabel>(w, "selected_file")->text();
    gui_test::chooseListItem(drives, other);
    const QList<gui_test::SeenBox> seen = boxes_.take();
    QVERIFY2(seen.isEmpty(), qPrintable(seen.value(0).text));
    const QString root = drives->itemData(other).toString();
    QCOMPARE(drives->currentIndex(), other);
    QCOMPARE(child<QTreeWidget>(w, "Dir1")->property("path").toString(), root);
    QCOMPARE(child<QListWidget>(w, "File1")->property("path").toString(), root);
    QCOMPARE(child<QLabel>(w, "selected_file")->text(), chosen);
}

void TestWindowsFiles::driveNotReadyIsReportedAndTheWindowStays() {
    FileSelect *w = openSelection();
    auto *drives = child<QComboBox>(w, "Drive1");
    const int notReady = driveNotReady(drives);
    if (notReady < 0)
        QSKIP("no drive letter without its medium here (scripts/test-windows.sh makes one)");
    const int before = drives->currentIndex();
    gui_test::chooseListItem(drives, notReady);
    const QList<gui_test::SeenBox> seen = boxes_.take();
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen[0].title, QStringLiteral("Error"));
    QCOMPARE(seen[0].text,
             QStringLiteral("The drive %1 is not ready.").arg(drives->itemText(notReady)));
    QCOMPARE(drives->currentIndex(), before);
    QCOMPARE(child<QTreeWidget>(w, "Dir1")->property("path").toString(), folder_);
    QCOMPARE(items(child<QListWidget>(w, "File1")), (QStringList{"a.wav", "B.WAV", "c.Wav"}));
}

void TestWindowsFiles::fileHeldOpenByAnotherProgram_data() {
    QTest::addColumn<DWORD>("sharing");
    QTest::addColumn<QString>("hz");
    QTest::newRow("writing, others may read")
        << DWORD(FILE_SHARE_READ | FILE_SHARE_WRITE) << QStringLiteral("44.1 KHz");
    QTest::newRow("writing, nobody else may open it") << DWORD(0) << QString();
}

// The other program's handle is this test's own: Windows refuses a sharing that the open
// handle does not allow, whichever process asks.
void TestWindowsFiles::fileHeldOpenByAnotherProgram() {
    QFETCH(DWORD, sharing);
    QFETCH(QString, hz);
    const QString path = QDir::toNativeSeparators(QDir(folder_).filePath(QStringLiteral("a.wav")));
    const HANDLE held =
        CreateFileW(reinterpret_cast<const wchar_t *>(path.utf16()), GENERIC_READ | GENERIC_WRITE,
                    sharing, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    QVERIFY(held != INVALID_HANDLE_VALUE);
    auto &analyzer = ui::show<WavAnalMain>();
    analyzer.AnalyzeWaveFile(path);
    CloseHandle(held);
    const QList<gui_test::SeenBox> seen = boxes_.take();
    QCOMPARE(child<QLabel>(&analyzer, "lblHz")->text(), hz);
    QCOMPARE(seen.size(), hz.isEmpty() ? 1 : 0);
    if (hz.isEmpty())
        QCOMPARE(seen[0].text, QStringLiteral("Invalid wave file format"));
}

ZENDREL_GUI_TEST_MAIN(TestWindowsFiles)
#include "tst_windows_files.moc"
