// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include <QtTest/QtTest>

#include <QFile>
#include <QTemporaryDir>

#include "tests/wave/wave_files.h"
#include "wave/folder_listing.h"
#include "wave/wave_header.h"

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
        wave_files::writeByName(dir_, name, {});
    if (!wave_files::kQtOnlyPlatform)
        wave_files::writeByName(dir_, "\xFF.wav", {});
    QDir d(dir_.path());
    for (const char *name : {"Sub", "folder.wav", ".git"})
        QVERIFY(d.mkdir(QLatin1String(name)));
    if (wave_files::kLinks) {
        QVERIFY(QFile::link(d.filePath("b.wav"), d.filePath("link.wav")));
        QVERIFY(QFile::link(d.filePath("missing"), d.filePath("dangling.wav")));
        QVERIFY(QFile::link(d.filePath("Sub"), d.filePath("linked folder")));
    }
    if (wave_files::kSpecialFiles) {
        QVERIFY(wave_files::makeFifo(d.filePath("pipe.wav")));
        QVERIFY(QFile::link(d.filePath("pipe.wav"), d.filePath("link to pipe.wav")));
        QVERIFY(QFile::link(QStringLiteral("/dev/null"), d.filePath("device.wav")));
    }
    QVERIFY(d.mkdir(QStringLiteral("locked")));
    if (wave_files::permissionsApply())
        QVERIFY(QFile::setPermissions(d.filePath("locked"), QFileDevice::WriteOwner));
}

void TestFolderListing::cleanupTestCase() {
    if (!wave_files::kQtOnlyPlatform)
        wave_files::removeByName(dir_, "\xFF.wav");
    QFile::setPermissions(dir_.filePath("locked"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

void TestFolderListing::listsWaveFilesOnly() {
    const wave::FolderListing listing = wave::ListFolder(dir_.path());
    QVERIFY(listing.readable);
    // Any letter case, links to files too; no folders, pipes or devices (nor links to them),
    // dangling links, hidden files or other endings.
    QStringList expected{"10.wav", "2.wav", "A.WAV", "b.wav", "c.Wav"};
    if (wave_files::kLinks)
        expected.append("link.wav");
    if (!wave_files::kQtOnlyPlatform)
        expected.append(QString(QChar(0xDCFF)) + ".wav");
    QCOMPARE(listing.waveFiles, expected);
}

void TestFolderListing::listsFoldersIncludingLinkedOnes() {
    const wave::FolderListing listing = wave::ListFolder(dir_.path());
    QStringList expected{"folder.wav", "locked", "Sub"};
    if (wave_files::kLinks)
        expected.insert(1, "linked folder");
    QCOMPARE(listing.subfolders, expected);
}

void TestFolderListing::nameThatIsNotUtf8OpensAsListed() {
    if (wave_files::kQtOnlyPlatform)
        QSKIP(wave_files::kNoByteNames);
    const wave::FolderListing listing = wave::ListFolder(dir_.path());
    QVERIFY(!listing.waveFiles.isEmpty());
    const QString path = dir_.path() + '/' + listing.waveFiles.last();
    QCOMPARE(wave_files::nativePath(path), wave_files::nativePath(dir_.path()) + "/\xFF.wav");
    QVERIFY(wave::ReadWaveHeader(path)); // empty, so all zeros, but opened
}

void TestFolderListing::unreadableFolderIsReported_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("reason");
    // Why this system cannot make the row's folder; the row then skips.
    QTest::addColumn<QByteArray>("cannotMake");
    // Both platform layers give the system's words; without a QCoreApplication the C locale's.
    QTest::newRow("missing folder")
        << dir_.filePath("missing") << "No such file or directory" << QByteArray();
    QTest::newRow("a file") << dir_.filePath("notes.txt") << "Not a directory" << QByteArray();
    QTest::newRow("a dangling link") << dir_.filePath("dangling.wav") << "No such file or directory"
                                     << QByteArray(wave_files::kLinks ? "" : wave_files::kNoLinks);
    QTest::newRow("no read permission")
        << dir_.filePath("locked") << "Permission denied"
        << QByteArray(wave_files::permissionsApply() ? "" : wave_files::kNoPermissions);
}

void TestFolderListing::unreadableFolderIsReported() {
    QFETCH(QString, folder);
    QFETCH(QString, reason);
    QFETCH(QByteArray, cannotMake);
    if (!cannotMake.isEmpty())
        QSKIP(cannotMake.constData());
    const wave::FolderListing listing = wave::ListFolder(folder);
    QVERIFY(!listing.readable);
    QCOMPARE(listing.error, reason);
    QVERIFY(listing.waveFiles.isEmpty() && listing.subfolders.isEmpty());
}

QTEST_APPLESS_MAIN(TestFolderListing)
#include "tst_folder_listing.moc"
