// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include <QtTest/QtTest>

#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/wave/wave_files.h"
#include "wave/folder_listing.h"
#include "wave/native_names.h"

namespace {

void touch(const QTemporaryDir &dir, const QByteArray &nativeName) {
    const std::string path = wave::toNativeName(dir.path()) + '/' + nativeName.toStdString();
    const int fd = ::open(path.c_str(), O_CREAT | O_WRONLY, 0644);
    QVERIFY(fd >= 0);
    ::close(fd);
}

} // namespace

class TestFolderListing : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void listsWaveFilesOnly();
    void listsFoldersIncludingLinkedOnes();
    void nameThatIsNotUtf8OpensAsListed();
    void unreadableFolderIsReported_data();
    void unreadableFolderIsReported();

private:
    QTemporaryDir dir_;
    QStringList waveFiles_;
};

void TestFolderListing::initTestCase() {
    for (const char *name : {"b.wav", "A.WAV", "c.Wav", "10.wav", "2.wav", "notes.txt", "wav",
                             "x.wave", "song.wav.bak", ".hidden.wav"})
        touch(dir_, name);
    if (!wave_files::kQtOnlyPlatform)
        touch(dir_, "\xFF.wav");
    QDir d(dir_.path());
    for (const char *name : {"Sub", "folder.wav", ".git"})
        QVERIFY(d.mkdir(QLatin1String(name)));
    QVERIFY(QFile::link(d.filePath("b.wav"), d.filePath("link.wav")));
    QVERIFY(QFile::link(d.filePath("missing"), d.filePath("dangling.wav")));
    QVERIFY(QFile::link(d.filePath("Sub"), d.filePath("linked folder")));
    QCOMPARE(::mkfifo(wave::toNativeName(d.filePath("pipe.wav")).c_str(), 0644), 0);
    QVERIFY(QFile::link(d.filePath("pipe.wav"), d.filePath("link to pipe.wav")));
    QVERIFY(QFile::link(QStringLiteral("/dev/null"), d.filePath("device.wav")));
    QVERIFY(d.mkdir(QStringLiteral("locked")));
    QVERIFY(QFile::setPermissions(d.filePath("locked"), QFileDevice::WriteOwner));
}

// Qt cannot remove a name that is not UTF-8.
void TestFolderListing::cleanupTestCase() {
    ::unlink((wave::toNativeName(dir_.path()) + "/\xFF.wav").c_str());
    QFile::setPermissions(dir_.filePath("locked"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

void TestFolderListing::listsWaveFilesOnly() {
    const wave::FolderListing listing = wave::ListFolder(dir_.path());
    QVERIFY(listing.readable);
    // Any letter case, links to files too; no folders, pipes or devices (nor links to them),
    // dangling links, hidden files or other endings.
    QStringList expected{"10.wav", "2.wav", "A.WAV", "b.wav", "c.Wav", "link.wav"};
    if (!wave_files::kQtOnlyPlatform)
        expected.append(QString(QChar(0xDCFF)) + ".wav");
    QCOMPARE(listing.waveFiles, expected);
}

void TestFolderListing::listsFoldersIncludingLinkedOnes() {
    const wave::FolderListing listing = wave::ListFolder(dir_.path());
    QCOMPARE(listing.subfolders, (QStringList{"folder.wav", "linked folder", "locked", "Sub"}));
}

void TestFolderListing::nameThatIsNotUtf8OpensAsListed() {
    if (wave_files::kQtOnlyPlatform)
        QSKIP(wave_files::kNoByteNames);
    const wave::FolderListing listing = wave::ListFolder(dir_.path());
    QVERIFY(!listing.waveFiles.isEmpty());
    const std::string path = wave::toNativeName(dir_.path() + '/' + listing.waveFiles.last());
    QCOMPARE(path, wave::toNativeName(dir_.path()) + "/\xFF.wav");
    QCOMPARE(::access(path.c_str(), R_OK), 0);
}

void TestFolderListing::unreadableFolderIsReported_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("reason");
    // Both platform layers give the system's words; without a QCoreApplication the C locale's.
    QTest::newRow("missing folder") << dir_.filePath("missing") << "No such file or directory";
    QTest::newRow("a file") << dir_.filePath("notes.txt") << "Not a directory";
    QTest::newRow("a dangling link")
        << dir_.filePath("dangling.wav") << "No such file or directory";
    if (wave_files::permissionsApply())
        QTest::newRow("no read permission") << dir_.filePath("locked") << "Permission denied";
}

void TestFolderListing::unreadableFolderIsReported() {
    QFETCH(QString, folder);
    QFETCH(QString, reason);
    const wave::FolderListing listing = wave::ListFolder(folder);
    QVERIFY(!listing.readable);
    QCOMPARE(listing.error, reason);
    QVERIFY(listing.waveFiles.isEmpty() && listing.subfolders.isEmpty());
}

QTEST_APPLESS_MAIN(TestFolderListing)
#include "tst_folder_listing.moc"
