// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include <QtTest/QtTest>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "tests/support/gui_test.h"
#include "tests/wave/wave_files.h"
#include "ui/window_registry.h"
#include "wave/drives.h"
#include "wave/file_select.h"
#include "wave/wav_anal_main.h"

namespace {

struct Selection {
    FileSelect *window;
    QComboBox *drive;
    QTreeWidget *dir;
    QListWidget *file;
    QLabel *selected;
    QPushButton *analyze;
    QPushButton *cancel;
};

// Opens the selection window as the user does: the analyzer's "&Open".
Selection openSelection() {
    gui_test::chooseMenuItem(&ui::show<WavAnalMain>(), "file_open");
    FileSelect *w = ui::loaded<FileSelect>();
    return {w,
            w->findChild<QComboBox *>(QStringLiteral("Drive1")),
            w->findChild<QTreeWidget *>(QStringLiteral("Dir1")),
            w->findChild<QListWidget *>(QStringLiteral("File1")),
            w->findChild<QLabel *>(QStringLiteral("selected_file")),
            w->findChild<QPushButton *>(QStringLiteral("analyze")),
            w->findChild<QPushButton *>(QStringLiteral("cancel"))};
}

QStringList fileNames(const QListWidget *list) {
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names << list->item(i)->text();
    return names;
}

void clickFile(QListWidget *list, const QString &name) {
    const QList<QListWidgetItem *> found = list->findItems(name, Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(found.first()).center());
}

void doubleClickFolder(QTreeWidget *tree, const QString &name) {
    const QList<QTreeWidgetItem *> found =
        tree->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
    QCOMPARE(found.size(), 1);
    tree->scrollToItem(found.first());
    const QPoint centre = tree->visualItemRect(found.first()).center();
    // A real double-click: QTest::mouseDClick alone lacks the first click.
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, centre);
}

QString analyzerText(const char *name) {
    WavAnalMain *analyzer = ui::loaded<WavAnalMain>();
    if (!analyzer)
        return QStringLiteral("<no analyzer>");
    if (auto *label = analyzer->findChild<QLabel *>(QLatin1String(name)))
        return label->text();
    return analyzer->findChild<QLineEdit *>(QLatin1String(name))->text();
}

// A path as the windows show it, with backslashes on Windows.
QString shown(const QString &path) {
    return QDir::toNativeSeparators(path);
}

bool selectionClosed() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return !ui::loaded<FileSelect>();
}

} // namespace

class TestFileSelect : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void opensInTheCurrentFolder();
    void layoutAndFocusOrder();
    void analyzeWithoutChoiceAsksForAFile();
    void choosingAFileShowsItsPath();
    void analyzeHandsThePathOver();
    void browsingKeepsTheFirstChoice();
    void cancelChangesNothing();
    void reopeningStartsFreshInTheCurrentFolder();
    void analyzeAfterTheAnalyzerClosedShowsIt();
    void unreadableFileIsReportedAndTheWindowCloses();
    void openingAgainAtOnceAfterAnalyzeGivesAFreshWindow();
    void windowClosedWhileTheErrorBoxWaits_data();
    void windowClosedWhileTheErrorBoxWaits();
    void unreadableFolderKeepsThePreviousOne();
    void folderWithoutReadPermissionKeepsThePreviousOne();
    void waveFileWithoutReadPermissionIsReported();
    void nameThatIsNotUtf8IsAnalyzed();

private:
    // Made unreadable by a test; cleanup() gives the owner's permissions back and removes it.
    QString lock(const QString &path);

    gui_test::ModalBoxWatcher boxes_;
    QTemporaryDir dir_;
    QString startFolder_;
    QString oddFolder_;
    QStringList locked_;
    // Written by a test for itself; cleanup() removes them.
    QStringList made_;
};

void TestFileSelect::initTestCase() {
    QDir d(dir_.path());
    wave_files::write(dir_, QStringLiteral("a.wav"), wave_files::canonicalHeader(2, 44100, 16));
    wave_files::write(dir_, QStringLiteral("B.WAV"), wave_files::canonicalHeader(1, 8000, 8));
    wave_files::write(dir_, QStringLiteral("notes.txt"), "not listed");
    for (const char *folder : {"sub", "odd", "doomed"})
        QVERIFY(d.mkdir(QLatin1String(folder)));
    wave_files::write(dir_, QStringLiteral("sub/c.wav"), wave_files::canonicalHeader(2, 22050, 16));
    oddFolder_ = d.filePath(QStringLiteral("odd"));
    if (wave_files::kByteNames)
        wave_files::writeByName(dir_, "odd/\xFF\xFE.wav", wave_files::canonicalHeader(1, 11025, 8));
    // The program starts the window in its current folder; the test chooses that folder.
    startFolder_ = QDir(dir_.path()).canonicalPath();
    QVERIFY(QDir::setCurrent(startFolder_));
}

void TestFileSelect::cleanupTestCase() {
    if (wave_files::kByteNames)
        wave_files::removeByName(dir_, "odd/\xFF\xFE.wav");
    // Windows removes no folder that is a program's current one.
    QDir::setCurrent(QDir::tempPath());
}

QString TestFileSelect::lock(const QString &path) {
    locked_.append(path);
    if (!QFile::setPermissions(path, QFileDevice::WriteOwner))
        qFatal("cannot take the read permission from %s", qPrintable(path));
    return path;
}

void TestFileSelect::cleanup() {
    gui_test::closeAllWindows();
    for (const QString &path : std::as_const(locked_)) {
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                        QFileDevice::ExeOwner);
        if (QFileInfo(path).isDir())
            QDir(path).removeRecursively();
        else
            QFile::remove(path);
    }
    locked_.clear();
    for (const QString &path : std::as_const(made_))
        QFile::remove(path);
    made_.clear();
    QVERIFY(boxes_.take().isEmpty());
    QCOMPARE(QDir::currentPath(), startFolder_); // browsing never moves the program
}

void TestFileSelect::opensInTheCurrentFolder() {
    const Selection s = openSelection();
    QVERIFY(s.drive && s.dir && s.file && s.selected && s.analyze && s.cancel);
    QCOMPARE(s.dir->property("path").toString(), startFolder_);
    QCOMPARE(s.file->property("path").toString(), startFolder_);
    QCOMPARE(fileNames(s.file), (QStringList{"a.wav", "B.WAV"}));
    QVERIFY(s.file->selectedItems().isEmpty());
    QCOMPARE(s.selected->text(), QString());
    QCOMPARE(s.dir->currentItem()->data(0, Qt::UserRole).toString(), startFolder_);
    QCOMPARE(s.dir->currentItem()->childCount(), 3); // doomed, odd, sub
    QVERIFY(s.drive->count() >= 1);
    QVERIFY(shown(startFolder_).startsWith(s.drive->currentText()));
    // What choosing the drive opens; the text alone is the system's spelling of it.
    QCOMPARE(s.drive->currentData().toString(), wave::DriveOf(startFolder_));
}

void TestFileSelect::layoutAndFocusOrder() {
    const Selection s = openSelection();
    QCOMPARE(s.window->windowTitle(), QStringLiteral("Open"));
    QCOMPARE(s.window->size(), QSize(287, 205));
    QCOMPARE(s.window->findChild<QLabel *>("Label2")->text(),
             QStringLiteral("File type:  wave files (*.wav)"));
    QCOMPARE(s.analyze->text(), QStringLiteral("Analyze"));
    QCOMPARE(s.cancel->text(), QStringLiteral("Cancel"));
    QVERIFY(!s.analyze->isDefault() && !s.analyze->autoDefault());
    QVERIFY(!s.cancel->isDefault() && !s.cancel->autoDefault());
    QVERIFY(QTest::qWaitForWindowActive(s.window));
    QList<QWidget *> order{QApplication::focusWidget()};
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget();
    }
    const QList<QWidget *> expected{s.file, s.dir, s.drive, s.analyze, s.cancel, s.file};
    QCOMPARE(order, expected);
}

void TestFileSelect::analyzeWithoutChoiceAsksForAFile() {
    const Selection s = openSelection();
    QTest::mouseClick(s.analyze, Qt::LeftButton);
    const QList<gui_test::SeenBox> seen = boxes_.take();
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen[0].text, QStringLiteral("Open file first."));
    QCOMPARE(seen[0].title, QStringLiteral("Error"));
    QCOMPARE(seen[0].icon, QMessageBox::Critical);
    QVERIFY(!selectionClosed());
    QCOMPARE(analyzerText("lblHz"), QString());
}

void TestFileSelect::choosingAFileShowsItsPath() {
    const Selection s = openSelection();
    clickFile(s.file, QStringLiteral("B.WAV"));
    QCOMPARE(s.selected->text(), shown(startFolder_ + QStringLiteral("/B.WAV")));
    QTest::keyClick(s.file, Qt::Key_Up); // arrow keys choose too
    QCOMPARE(s.selected->text(), shown(startFolder_ + QStringLiteral("/a.wav")));
}

void TestFileSelect::analyzeHandsThePathOver() {
    const Selection s = openSelection();
    clickFile(s.file, QStringLiteral("a.wav"));
    QTest::mouseClick(s.analyze, Qt::LeftButton);
    QVERIFY(selectionClosed());
    QCOMPARE(analyzerText("txtFile"), shown(startFolder_ + QStringLiteral("/a.wav")));
    QCOMPARE(analyzerText("lblHz"), QStringLiteral("44.1 KHz"));
    QCOMPARE(analyzerText("lblChannels"), QStringLiteral("Stereo"));
    QCOMPARE(analyzerText("lblBits"), QStringLiteral("16"));
}

void TestFileSelect::browsingKeepsTheFirstChoice() {
    const Selection s = openSelection();
    clickFile(s.file, QStringLiteral("B.WAV"));
    doubleClickFolder(s.dir, QStringLiteral("sub"));
    const QString sub = startFolder_ + QStringLiteral("/sub");
    QCOMPARE(s.dir->property("path").toString(), sub);
    QCOMPARE(s.file->property("path").toString(), sub);
    QCOMPARE(fileNames(s.file), QStringList{"c.wav"});
    QCOMPARE(s.selected->text(), shown(startFolder_ + QStringLiteral("/B.WAV")));
    QTest::mouseClick(s.analyze, Qt::LeftButton);
    QCOMPARE(analyzerText("lblHz"), QStringLiteral("8 KHz"));

    // And back up through the parent shown above.
    const Selection again = openSelection();
    doubleClickFolder(again.dir, QStringLiteral("sub"));
    doubleClickFolder(again.dir, QDir(startFolder_).dirName());
    QCOMPARE(fileNames(again.file), (QStringList{"a.wav", "B.WAV"}));
}

void TestFileSelect::cancelChangesNothing() {
    const Selection s = openSelection();
    clickFile(s.file, QStringLiteral("a.wav"));
    QTest::mouseClick(s.cancel, Qt::LeftButton);
    QVERIFY(selectionClosed());
    QCOMPARE(analyzerText("txtFile"), QString());
    QCOMPARE(analyzerText("lblHz"), QString());
}

void TestFileSelect::reopeningStartsFreshInTheCurrentFolder() {
    Selection s = openSelection();
    doubleClickFolder(s.dir, QStringLiteral("sub"));
    clickFile(s.file, QStringLiteral("c.wav"));
    QTest::mouseClick(s.cancel, Qt::LeftButton);
    QVERIFY(selectionClosed());
    s = openSelection();
    QCOMPARE(s.dir->property("path").toString(), startFolder_);
    QCOMPARE(fileNames(s.file), (QStringList{"a.wav", "B.WAV"}));
    QCOMPARE(s.selected->text(), QString());
}

void TestFileSelect::analyzeAfterTheAnalyzerClosedShowsIt() {
    const Selection s = openSelection();
    gui_test::chooseMenuItem(ui::loaded<WavAnalMain>(), "exit");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!ui::loaded<WavAnalMain>());
    clickFile(s.file, QStringLiteral("a.wav"));
    QTest::mouseClick(s.analyze, Qt::LeftButton);
    QVERIFY(ui::loaded<WavAnalMain>() && ui::loaded<WavAnalMain>()->isVisible());
    QCOMPARE(analyzerText("lblHz"), QStringLiteral("44.1 KHz"));
}

void TestFileSelect::unreadableFileIsReportedAndTheWindowCloses() {
    const QString path = wave_files::write(dir_, QStringLiteral("brief.wav"), "x");
    const Selection s = openSelection();
    clickFile(s.file, QStringLiteral("brief.wav"));
    QVERIFY(QFile::remove(path)); // gone after it was listed
    QTest::mouseClick(s.analyze, Qt::LeftButton);
    const QList<gui_test::SeenBox> seen = boxes_.take();
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen[0].text, QStringLiteral("Invalid wave file format"));
    QVERIFY(selectionClosed());
    QCOMPARE(analyzerText("txtFile"), shown(startFolder_ + QStringLiteral("/brief.wav")));
    QVERIFY(!QFileInfo::exists(path)); // nothing created in its place
}

// The window that Analyze closed is deleted only when Qt next allows; an "&Open" before then
// must not bring that one back, or it vanishes under the user (as it does at once when a modal
// box's event loop deletes it).
void TestFileSelect::openingAgainAtOnceAfterAnalyzeGivesAFreshWindow() {
    Selection s = openSelection();
    clickFile(s.file, QStringLiteral("a.wav"));
    QTest::mouseClick(s.analyze, Qt::LeftButton);
    s = openSelection();
    const QPointer<FileSelect> reopened = s.window;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(reopened);
    QVERIFY(reopened->isVisible());
    QCOMPARE(s.selected->text(), QString());
    clickFile(s.file, QStringLiteral("B.WAV"));
    QTest::mouseClick(s.analyze, Qt::LeftButton);
    QCOMPARE(analyzerText("lblHz"), QStringLiteral("8 KHz"));
    QVERIFY(selectionClosed());
}

// A screen reader's actions reach the other windows while the analyzer's error box waits: a
// window closed then, and deleted by Qt, must not be touched when the box returns.
void TestFileSelect::windowClosedWhileTheErrorBoxWaits_data() {
    QTest::addColumn<bool>("closeAnalyzer");
    QTest::newRow("Cancel in the selection window") << false;
    QTest::newRow("Exit in the analyzer") << true;
}

void TestFileSelect::windowClosedWhileTheErrorBoxWaits() {
    QFETCH(bool, closeAnalyzer);
    const QString path = wave_files::write(dir_, QStringLiteral("gone.wav"), "x");
    made_.append(path);
    const Selection s = openSelection();
    clickFile(s.file, QStringLiteral("gone.wav"));
    QVERIFY(QFile::remove(path)); // unreadable: the analyzer's error box opens
    const QPointer<QPushButton> cancel = s.cancel;
    boxes_.whileNextBoxIsOpen([cancel, closeAnalyzer] {
        if (closeAnalyzer)
            gui_test::chooseMenuItem(ui::loaded<WavAnalMain>(), "exit");
        else
            cancel->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    });
    QTest::mouseClick(s.analyze, Qt::LeftButton);
    const QList<gui_test::SeenBox> seen = boxes_.take();
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen[0].text, QStringLiteral("Invalid wave file format"));
    QVERIFY(selectionClosed());
    QCOMPARE(!ui::loaded<WavAnalMain>(), closeAnalyzer);
}

void TestFileSelect::unreadableFolderKeepsThePreviousOne() {
    const Selection s = openSelection();
    QVERIFY(QDir(startFolder_).rmdir(QStringLiteral("doomed"))); // gone after it was listed
    doubleClickFolder(s.dir, QStringLiteral("doomed"));
    const QList<gui_test::SeenBox> seen = boxes_.take();
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen[0].title, QStringLiteral("Error"));
    QVERIFY2(seen[0].text.contains(QStringLiteral("doomed")), qPrintable(seen[0].text));
    QCOMPARE(s.dir->property("path").toString(), startFolder_);
    QCOMPARE(fileNames(s.file), (QStringList{"a.wav", "B.WAV"}));
    QVERIFY(QDir(startFolder_).mkdir(QStringLiteral("doomed")));
}

void TestFileSelect::folderWithoutReadPermissionKeepsThePreviousOne() {
    if (!wave_files::permissionsApply())
        QSKIP(wave_files::kNoPermissions);
    QVERIFY(QDir(startFolder_).mkdir(QStringLiteral("locked")));
    wave_files::write(dir_, QStringLiteral("locked/inside.wav"),
                      wave_files::canonicalHeader(2, 44100, 16));
    const QString locked = lock(startFolder_ + QStringLiteral("/locked"));
    const Selection s = openSelection();
    clickFile(s.file, QStringLiteral("B.WAV"));
    doubleClickFolder(s.dir, QStringLiteral("locked"));
    const QList<gui_test::SeenBox> seen = boxes_.take();
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen[0].title, QStringLiteral("Error"));
    QCOMPARE(seen[0].icon, QMessageBox::Critical);
    // The reason is the system's, in the user's language.
    const QString start = QStringLiteral("The folder %1 cannot be read: ").arg(shown(locked));
    QVERIFY2(seen[0].text.startsWith(start) && seen[0].text.size() > start.size() + 1,
             qPrintable(seen[0].text));
    QCOMPARE(s.dir->property("path").toString(), startFolder_);
    QCOMPARE(s.file->property("path").toString(), startFolder_);
    QCOMPARE(fileNames(s.file), (QStringList{"a.wav", "B.WAV"}));
    QCOMPARE(s.selected->text(), shown(startFolder_ + QStringLiteral("/B.WAV")));
    QVERIFY(!selectionClosed());
}

void TestFileSelect::waveFileWithoutReadPermissionIsReported() {
    if (!wave_files::permissionsApply())
        QSKIP(wave_files::kNoPermissions);
    wave_files::write(dir_, QStringLiteral("locked.wav"),
                      wave_files::canonicalHeader(2, 44100, 16));
    const QString locked = lock(startFolder_ + QStringLiteral("/locked.wav"));
    Selection s = openSelection();
    clickFile(s.file, QStringLiteral("B.WAV"));
    QTest::mouseClick(s.analyze, Qt::LeftButton);
    QCOMPARE(analyzerText("lblHz"), QStringLiteral("8 KHz"));

    s = openSelection();
    clickFile(s.file, QStringLiteral("locked.wav"));
    QTest::mouseClick(s.analyze, Qt::LeftButton);
    const QList<gui_test::SeenBox> seen = boxes_.take();
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen[0].text, QStringLiteral("Invalid wave file format"));
    QCOMPARE(seen[0].title, QStringLiteral("Error"));
    QCOMPARE(seen[0].icon, QMessageBox::Critical);
    QVERIFY(selectionClosed());
    QCOMPARE(analyzerText("txtFile"), shown(locked));
    // The analyzer keeps what it showed before.
    QCOMPARE(analyzerText("lblHz"), QStringLiteral("8 KHz"));
    QCOMPARE(analyzerText("lblChannels"), QStringLiteral("Mono"));
    QCOMPARE(analyzerText("lblBits"), QStringLiteral("8"));
}

void TestFileSelect::nameThatIsNotUtf8IsAnalyzed() {
    if (wave_files::kQtOnlyPlatform)
        QSKIP(wave_files::kNoByteNames);
    const Selection s = openSelection();
    doubleClickFolder(s.dir, QStringLiteral("odd"));
    QCOMPARE(s.file->count(), 1);
    const QString listed = s.file->item(0)->text();
    clickFile(s.file, listed);
    QTest::mouseClick(s.analyze, Qt::LeftButton);
    QCOMPARE(wave_files::nativePath(analyzerText("txtFile")),
             wave_files::nativePath(oddFolder_) + "/\xFF\xFE.wav");
    QCOMPARE(analyzerText("lblHz"), QStringLiteral("11.025 KHz"));
}

ZENDREL_GUI_TEST_MAIN(TestFileSelect)
#include "tst_file_select.moc"
