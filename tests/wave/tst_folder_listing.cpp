// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include <QtTest/QtTest>

#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
                             "x.wave", "song.wav.bak", ".hidden.wav", "\xFF.wav"})
        touch(dir_, name);
    QDir d(dir_.path());
    for (const char *name : {"Sub", "folder.wav", ".git"})
        QVERIFY(d.mkdir(QLatin1String(name)));
    QVERIFY(QFile::link(d.filePath("b.wav"), d.filePath("link.wav")));
    QVERIFY(QFile::link(d.filePath("missing"), d.filePath("dangling.wav")));
    QVERIFY(QFile::link(d.filePath("Sub"), d.filePath("linked folder")));
    QCOMPARE(::mkfifo(wave::toNativeName(d.filePath("pipe.wav")).c_str(), 0644), 0);
}

// Qt cannot remove a name that is not UTF-8.
void TestFolderListing::cleanupTestCase() {
    ::unlink((wave::toNativeName(dir_.path()) + "/\xFF.wav").c_str());
}

void TestFolderListing::listsWaveFilesOnly() {
    const wave::FolderListing listing = wave::ListFolder(dir_.path());
    QVERIFY(listing.readable);
    // Any letter case, links to files too; no folders, pipes, dangling
    // links, hidden files or other endings.
    const QStringList expected{
        "10.wav", "2.wav", "A.WAV", "b.wav", "c.Wav", "link.wav", QString(QChar(0xDCFF)) + ".wav"};
    QCOMPARE(listing.waveFiles, expected);
}

void TestFolderListing::listsFoldersIncludingLinkedOnes() {
    const wave::FolderListing listing = wave::ListFolder(dir_.path());
    QCOMPARE(listing.subfolders, (QStringList{"folder.wav", "linked folder", "Sub"}));
}

void TestFolderListing::nameThatIsNotUtf8OpensAsListed() {
    const wave::FolderListing listing = wave::ListFolder(dir_.path());
    QVERIFY(!listing.waveFiles.isEmpty());
    const std::string path = wave::toNativeName(dir_.path() + '/' + listing.waveFiles.last());
    QCOMPARE(path, wave::toNativeName(dir_.path()) + "/\xFF.wav");
    QCOMPARE(::access(path.c_str(), R_OK), 0);
}

void TestFolderListing::unreadableFolderIsReported_data() {
    QTest::addColumn<QString>("folder");
    QTest::newRow("missing folder") << dir_.filePath("missing");
    QTest::newRow("a file") << dir_.filePath("notes.txt");
}

void TestFolderListing::unreadableFolderIsReported() {
    QFETCH(QString, folder);
    const wave::FolderListing listing = wave::ListFolder(folder);
    QVERIFY(!listing.readable);
    QVERIFY(!listing.error.isEmpty());
    QVERIFY(listing.waveFiles.isEmpty() && listing.subfolders.isEmpty());
}

QTEST_APPLESS_MAIN(TestFolderListing)
#include "tst_folder_listing.moc"
