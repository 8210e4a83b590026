// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include <QtTest/QtTest>

#include <QFile>
#include <QTemporaryDir>

#include "tests/wave/wave_files.h"
#include "wave/wave_header.h"

Q_DECLARE_METATYPE(wave::WaveHeaderInfo)

namespace {

// A chunk other than "fmt " first: the fixed offsets then land inside the list chunk.
QByteArray listChunkFirst() {
    const QByteArray canonical = wave_files::canonicalHeader(2, 44100, 16);
    // "LIST", size 26, "INFO", "ISFT", size 14, "Lavf58.76.100" and a NUL.
    const QByteArray list("LIST\x1A\0\0\0INFOISFT\x0E\0\0\0Lavf58.76.100\0", 34);
    return canonical.left(12) + list + canonical.mid(12);
}

QByteArray withFields(QByteArray bytes, const QByteArray &channels, const QByteArray &rate,
                      const QByteArray &bits) {
    bytes.replace(22, 2, channels);
    bytes.replace(24, 4, rate);
    bytes.replace(34, 2, bits);
    return bytes;
}

} // namespace

class TestWaveHeader : public QObject {
    Q_OBJECT

private slots:
    void readsTheFixedOffsets_data();
    void readsTheFixedOffsets();
    void refusesWhatIsNoReadableRegularFile_data();
    void refusesWhatIsNoReadableRegularFile();
    void fifoNeverBlocks();
    void linkToAFileIsRead();
    void awkwardNamesAreRead_data();
    void awkwardNamesAreRead();
    void hugeSparseFileIsRead();
    void fileIsLeftUnchanged();

private:
    QTemporaryDir dir_;
};

void TestWaveHeader::readsTheFixedOffsets_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<wave::WaveHeaderInfo>("expected");
    const QByteArray allOnes(44, '\xFF');
    const QByteArray base = wave_files::canonicalHeader(1, 8000, 8);

    QTest::newRow("16-bit stereo 44100 Hz")
        << wave_files::canonicalHeader(2, 44100, 16) << wave::WaveHeaderInfo{2, 44100, 16};
    QTest::newRow("8-bit mono 8000 Hz") << base << wave::WaveHeaderInfo{1, 8000, 8};
    QTest::newRow("six channels") << wave_files::canonicalHeader(6, 48000, 24)
                                  << wave::WaveHeaderInfo{6, 48000, 24};
    // "FO" of "INFO", "ISFT", "vf" of "Lavf": not the fmt chunk's 2, 44100, 16.
    QTest::newRow("list chunk before fmt")
        << listChunkFirst() << wave::WaveHeaderInfo{0x4F46, 0x54465349, 0x6676};
    // Bytes 22-23 "t ", 24-27 "a so", 34-35 " a".
    QTest::newRow("text file") << QByteArray("This is plain text, not a sound at all.\n")
                               << wave::WaveHeaderInfo{0x2074, 0x6F732061, 0x6120};
    QTest::newRow("empty file") << QByteArray() << wave::WaveHeaderInfo{0, 0, 0};
    QTest::newRow("22 bytes: every field past the end")
        << allOnes.left(22) << wave::WaveHeaderInfo{0, 0, 0};
    QTest::newRow("23 bytes: channels cut short")
        << allOnes.left(23) << wave::WaveHeaderInfo{0xFF, 0, 0};
    QTest::newRow("25 bytes: rate has one byte")
        << allOnes.left(25) << wave::WaveHeaderInfo{-1, 0xFF, 0};
    QTest::newRow("27 bytes: rate has three bytes")
        << allOnes.left(27) << wave::WaveHeaderInfo{-1, 0xFFFFFF, 0};
    QTest::newRow("35 bytes: bits cut short")
        << allOnes.left(35) << wave::WaveHeaderInfo{-1, -1, 0xFF};
    QTest::newRow("36 bytes: all fields whole")
        << allOnes.left(36) << wave::WaveHeaderInfo{-1, -1, -1};
    QTest::newRow("largest values") << withFields(base, "\xFF\x7F", "\xFF\xFF\xFF\x7F", "\xFF\x7F")
                                    << wave::WaveHeaderInfo{32767, 2147483647, 32767};
    QTest::newRow("smallest values")
        << withFields(base, QByteArray("\x00\x80", 2), QByteArray("\x00\x00\x00\x80", 4),
                      QByteArray("\x00\x80", 2))
        << wave::WaveHeaderInfo{-32768, -2147483647 - 1, -32768};
}

void TestWaveHeader::readsTheFixedOffsets() {
    QFETCH(QByteArray, bytes);
    QFETCH(wave::WaveHeaderInfo, expected);
    const auto info = wave::ReadWaveHeader(wave_files::write(dir_, QStringLiteral("x.wav"), bytes));
    QVERIFY(info);
    QCOMPARE(info->channels, expected.channels);
    QCOMPARE(info->sampleRate, expected.sampleRate);
    QCOMPARE(info->bitsPerSample, expected.bitsPerSample);
}

void TestWaveHeader::refusesWhatIsNoReadableRegularFile_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("mustNotAppear");
    // Why this system cannot make the row's file; the row then skips.
    QTest::addColumn<QByteArray>("cannotMake");
    QTemporaryDir &d = dir_;
    QTest::newRow("empty path") << QString() << false << QByteArray();
    QTest::newRow("no such file") << d.filePath(QStringLiteral("gone.wav")) << true << QByteArray();
    QTest::newRow("file in a missing folder")
        << d.filePath(QStringLiteral("nowhere/a.wav")) << true << QByteArray();
    QVERIFY(QDir(d.path()).mkdir(QStringLiteral("folder.wav")));
    QTest::newRow("folder") << d.filePath(QStringLiteral("folder.wav")) << false << QByteArray();
    if (wave_files::kLinks) {
        QVERIFY(QFile::link(d.filePath(QStringLiteral("missing")), d.filePath("dangling.wav")));
        QVERIFY(QFile::link(d.filePath(QStringLiteral("loop.wav")), d.filePath("loop.wav")));
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), d.filePath("device.wav")));
    }
    const QByteArray noLinks(wave_files::kLinks ? "" : wave_files::kNoLinks);
    QTest::newRow("dangling link")
        << d.filePath(QStringLiteral("dangling.wav")) << false << noLinks;
    QTest::newRow("link to itself") << d.filePath(QStringLiteral("loop.wav")) << false << noLinks;
    QTest::newRow("device") << d.filePath(QStringLiteral("device.wav")) << false
                            << QByteArray(wave_files::kSpecialFiles ? ""
                                                                    : wave_files::kNoSpecialFiles);
    const QString locked = d.filePath(QStringLiteral("locked.wav"));
    if (wave_files::permissionsApply()) {
        wave_files::write(d, QStringLiteral("locked.wav"),
                          wave_files::canonicalHeader(2, 44100, 16));
        QVERIFY(QFile::setPermissions(locked, QFileDevice::WriteOwner));
    }
    QTest::newRow("no read permission")
        << locked << false
        << QByteArray(wave_files::permissionsApply() ? "" : wave_files::kNoPermissions);
}

void TestWaveHeader::refusesWhatIsNoReadableRegularFile() {
    QFETCH(QString, path);
    QFETCH(bool, mustNotAppear);
    QFETCH(QByteArray, cannotMake);
    if (!cannotMake.isEmpty())
        QSKIP(cannotMake.constData());
    QVERIFY(!wave::ReadWaveHeader(path));
    if (mustNotAppear)
        QVERIFY(!QFileInfo::exists(path));
}

void TestWaveHeader::fifoNeverBlocks() {
    if (!wave_files::kSpecialFiles)
        QSKIP(wave_files::kNoSpecialFiles);
    const QString fifo = dir_.filePath(QStringLiteral("fifo.wav"));
    QVERIFY(wave_files::makeFifo(fifo));
    QVERIFY(!wave::ReadWaveHeader(fifo)); // blocking here would time the test out
}

void TestWaveHeader::linkToAFileIsRead() {
    if (!wave_files::kLinks)
        QSKIP(wave_files::kNoLinks);
    const QString target = wave_files::write(dir_, QStringLiteral("target"),
                                             wave_files::canonicalHeader(2, 22050, 16));
    const QString link = dir_.filePath(QStringLiteral("link.wav"));
    QVERIFY(QFile::link(target, link));
    const auto info = wave::ReadWaveHeader(link);
    QVERIFY(info);
    QCOMPARE(info->sampleRate, 22050);
}

void TestWaveHeader::awkwardNamesAreRead_data() {
    QTest::addColumn<QByteArray>("nativeName");
    QTest::addColumn<QString>("expectedName");
    QTest::newRow("spaces") << QByteArray("my song .wav") << QStringLiteral("my song .wav");
    QTest::newRow("leading dash") << QByteArray("-rf.wav") << QStringLiteral("-rf.wav");
    QTest::newRow("non-Latin") << QByteArray("\xE9\x9F\xB3\xE6\xA5\xBD.wav")
                               << QString::fromUtf8("\u97F3\u697D.wav");
    // Not UTF-8: the name must come back to the very bytes on disk.
    QTest::newRow("byte FF") << QByteArray("a\xFF"
                                           "b.wav")
                             << QStringLiteral("a") + QChar(0xDCFF) + QStringLiteral("b.wav");
    QTest::newRow("cut sequence") << QByteArray("x\xC3(.wav")
                                  << QStringLiteral("x") + QChar(0xDCC3) + QStringLiteral("(.wav");
}

void TestWaveHeader::awkwardNamesAreRead() {
    QFETCH(QByteArray, nativeName);
    QFETCH(QString, expectedName);
    if (wave_files::kQtOnlyPlatform && QString::fromUtf8(nativeName).toUtf8() != nativeName)
        QSKIP(wave_files::kNoByteNames);
    const QString name = wave_files::nameOf(nativeName);
    QCOMPARE(name, expectedName);
    wave_files::writeByName(dir_, nativeName, wave_files::canonicalHeader(1, 11025, 8));
    const auto info = wave::ReadWaveHeader(dir_.filePath(name));
    wave_files::removeByName(dir_, nativeName);
    QVERIFY(info);
    QCOMPARE(info->sampleRate, 11025);
}

void TestWaveHeader::hugeSparseFileIsRead() {
    const QString path = wave_files::write(dir_, QStringLiteral("huge.wav"),
                                           wave_files::canonicalHeader(2, 96000, 24));
    QVERIFY(QFile::resize(path, qint64{4} << 30));
    const auto info = wave::ReadWaveHeader(path);
    QVERIFY(info);
    QCOMPARE(info->sampleRate, 96000);
    QVERIFY(QFile::remove(path));
}

void TestWaveHeader::fileIsLeftUnchanged() {
    const QByteArray header = wave_files::canonicalHeader(2, 44100, 16);
    const QString path = wave_files::write(dir_, QStringLiteral("keep.wav"), header);
    const QDateTime modified = QFileInfo(path).lastModified();
    QVERIFY(wave::ReadWaveHeader(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), header);
    QCOMPARE(QFileInfo(path).lastModified(), modified);
}

QTEST_APPLESS_MAIN(TestWaveHeader)
#include "tst_wave_header.moc"
