// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include <QtTest/QtTest>

#include "wave/folder_path.h"
#include "wave/header_texts.h"

class TestHeaderTexts : public QObject {
    Q_OBJECT

private slots:
    void channels_data();
    void channels();
    void frequency_data();
    void frequency();
    void bits_data();
    void bits();
    void joinFolderAndFile_data();
    void joinFolderAndFile();
    void folderAndParents_data();
    void folderAndParents();
};

void TestHeaderTexts::channels_data() {
    QTest::addColumn<int>("channels");
    QTest::addColumn<QString>("text");
    QTest::newRow("1") << 1 << "Mono";
    QTest::newRow("2") << 2 << "Stereo";
    QTest::newRow("0") << 0 << "Mono";
    QTest::newRow("6") << 6 << "Mono";
    QTest::newRow("-2") << -2 << "Mono";
    QTest::newRow("514 (low byte 2)") << 514 << "Mono";
}

void TestHeaderTexts::channels() {
    QFETCH(int, channels);
    QFETCH(QString, text);
    QCOMPARE(wave::ChannelsText(static_cast<std::int16_t>(channels)), text);
}

void TestHeaderTexts::frequency_data() {
    QTest::addColumn<int>("rate");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("text");
    const QString point = QStringLiteral(".");
    QTest::newRow("44100") << 44100 << point << "44.1 KHz";
    QTest::newRow("48000 is whole") << 48000 << point << "48 KHz";
    QTest::newRow("22050") << 22050 << point << "22.05 KHz";
    QTest::newRow("11025") << 11025 << point << "11.025 KHz";
    QTest::newRow("500 has a leading 0") << 500 << point << "0.5 KHz";
    QTest::newRow("1") << 1 << point << "0.001 KHz";
    QTest::newRow("0") << 0 << point << "0 KHz";
    QTest::newRow("-1") << -1 << point << "-0.001 KHz";
    QTest::newRow("-500") << -500 << point << "-0.5 KHz";
    QTest::newRow("-48000") << -48000 << point << "-48 KHz";
    QTest::newRow("largest, no grouping") << 2147483647 << point << "2147483.647 KHz";
    QTest::newRow("smallest") << (-2147483647 - 1) << point << "-2147483.648 KHz";
    QTest::newRow("decimal comma") << 44100 << QStringLiteral(",") << "44,1 KHz";
    QTest::newRow("decimal comma, whole") << 8000 << QStringLiteral(",") << "8 KHz";
    QTest::newRow("Arabic separator") << 22050 << QStringLiteral("\u066B") << "22\u066B05 KHz";
}

void TestHeaderTexts::frequency() {
    QFETCH(int, rate);
    QFETCH(QString, separator);
    QFETCH(QString, text);
    QCOMPARE(wave::FrequencyText(rate, separator), text);
}

void TestHeaderTexts::bits_data() {
    QTest::addColumn<int>("bits");
    QTest::addColumn<QString>("text");
    QTest::newRow("16") << 16 << "16";
    QTest::newRow("0") << 0 << "0";
    QTest::newRow("-1") << -1 << "-1";
    QTest::newRow("largest") << 32767 << "32767";
    QTest::newRow("smallest") << -32768 << "-32768";
}

void TestHeaderTexts::bits() {
    QFETCH(int, bits);
    QFETCH(QString, text);
    QCOMPARE(wave::BitsText(static_cast<std::int16_t>(bits)), text);
}

void TestHeaderTexts::joinFolderAndFile_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("path");
    const QChar back('\\');
    const QChar slash('/');
    QTest::newRow("drive root") << "C:\\"
                                << "a.wav" << back << "C:\\a.wav";
    QTest::newRow("drive folder") << "C:\\sounds"
                                  << "a.wav" << back << "C:\\sounds\\a.wav";
    QTest::newRow("root") << "/"
                          << "a.wav" << slash << "/a.wav";
    QTest::newRow("folder") << "/home/ann"
                            << "a.wav" << slash << "/home/ann/a.wav";
    QTest::newRow("no other normalising") << "/a//b/."
                                          << "x.wav" << slash << "/a//b/./x.wav";
}

void TestHeaderTexts::joinFolderAndFile() {
    QFETCH(QString, folder);
    QFETCH(QString, file);
    QFETCH(QChar, separator);
    QFETCH(QString, path);
    QCOMPARE(wave::JoinFolderAndFile(folder, file, separator), path);
}

void TestHeaderTexts::folderAndParents_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QStringList>("chain");
    QTest::newRow("root") << "/" << QStringList{"/"};
    QTest::newRow("child of root") << "/home" << QStringList{"/", "/home"};
    QTest::newRow("deeper") << "/home/ann/Music"
                            << QStringList{"/", "/home", "/home/ann", "/home/ann/Music"};
    QTest::newRow("drive") << "C:/Users" << QStringList{"C:/", "C:/Users"};
}

void TestHeaderTexts::folderAndParents() {
    QFETCH(QString, folder);
    QFETCH(QStringList, chain);
    QCOMPARE(wave::FolderAndParents(folder), chain);
}

QTEST_APPLESS_MAIN(TestHeaderTexts)
#include "tst_header_texts.moc"
