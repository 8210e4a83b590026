// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include <QtTest/QtTest>

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

#include "ui/translation.h"

namespace {

// Run as a child with this argument, the test reports the language that the desktop's
// settings in its environment choose, as the program's start does.
constexpr char kReportLanguage[] = "--report-language";

QString errorTitle() {
    return QCoreApplication::translate("ErrorBox", "Error");
}

QByteArray builtInGerman() {
    QFile file(QStringLiteral(":/i18n/zendrel_de.qm"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestTranslation : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void desktopSettingsChooseTheLanguage_data();
    void desktopSettingsChooseTheLanguage();
    void unreadableFileLeavesEnglish_data();
    void unreadableFileLeavesEnglish();
    void germanComesWithQtsOwnTexts();
    void englishAgainAfterAnotherLanguage();
};

void TestTranslation::cleanup() {
    ui::installTranslation(QLocale::c());
}

void TestTranslation::desktopSettingsChooseTheLanguage_data() {
    QTest::addColumn<QStringList>("settings");
    QTest::addColumn<QString>("language");
    const auto row = [](const char *name, const QStringList &settings, const char *language) {
        QTest::newRow(name) << settings << QString::fromLatin1(language);
    };
    row("Japanese desktop", {"LANG=ja_JP.UTF-8"}, "ja");
    row("German desktop of Austria", {"LANG=de_AT.UTF-8"}, "de");
    row("English desktop", {"LANG=en_GB.UTF-8"}, "en");
    row("C locale", {"LANG=C"}, "en");
    row("no setting at all", {}, "en");
    row("French, which has no translation", {"LANG=fr_FR.UTF-8"}, "en");
    row("locale that does not exist", {"LANG=xx_YY.UTF-8"}, "en");
    row("locale name that is no name", {"LANG=@@@"}, "en");
#ifndef Q_OS_WIN
    // Windows has one such setting, the user's display language (under Wine, LANG): the
    // list of languages and the settings that override LANG are the Linux desktop's.
    row("LANGUAGE list: first translated one wins", {"LANG=fr_FR.UTF-8", "LANGUAGE=fr:de"}, "de");
    row("LANGUAGE list: English before German", {"LANG=de_DE.UTF-8", "LANGUAGE=en:de"}, "en");
    row("LC_MESSAGES=C beats LANG", {"LANG=ja_JP.UTF-8", "LC_MESSAGES=C"}, "en");
    row("LC_ALL beats LANG", {"LANG=ja_JP.UTF-8", "LC_ALL=de_DE.UTF-8"}, "de");
#endif
}

void TestTranslation::desktopSettingsChooseTheLanguage() {
    QFETCH(QStringList, settings);
    QFETCH(QString, language);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        environment.remove(QLatin1String(name));
    for (const QString &setting : settings)
        environment.insert(setting.section(QLatin1Char('='), 0, 0),
                           setting.section(QLatin1Char('='), 1));
    QProcess child;
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {QLatin1String(kReportLanguage)});
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitCode(), 0);
    QCOMPARE(QString::fromLatin1(child.readAllStandardOutput()).trimmed(), language);
}

void TestTranslation::unreadableFileLeavesEnglish_data() {
    QTest::addColumn<QByteArray>("contents"); // empty: no file at all
    const QByteArray german = builtInGerman();
    QVERIFY(!german.isEmpty());
    QTest::newRow("no file") << QByteArray();
    QTest::newRow("empty file") << QByteArray("", 0);
    QTest::newRow("cut short after its magic number") << german.left(20);
    QTest::newRow("cut in half") << german.left(german.size() / 2);
    QTest::newRow("not a translation") << QByteArray(4096, '\x5a');
}

void TestTranslation::unreadableFileLeavesEnglish() {
    QFETCH(QByteArray, contents);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    if (QTest::currentDataTag() != QLatin1String("no file")) {
        QFile file(folder.filePath(QStringLiteral("zendrel_de.qm")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }
    QCOMPARE(ui::installTranslation(QLocale(QLocale::German, QLocale::Germany), folder.path()),
             QLocale::English);
    QCOMPARE(errorTitle(), QStringLiteral("Error"));
    QVERIFY(!ui::translatedLocale());
}

void TestTranslation::germanComesWithQtsOwnTexts() {
    QCOMPARE(ui::installTranslation(QLocale(QLocale::German, QLocale::Switzerland)),
             QLocale::German);
    QCOMPARE(errorTitle(), QStringLiteral("Fehler"));
    QVERIFY(ui::translatedLocale());
    QCOMPARE(ui::translatedLocale()->language(), QLocale::German);
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFile::exists(qtFolder + QStringLiteral("/qtbase_de.qm")))
        QSKIP("Qt's own German translation is not installed");
    // The message box's button, as Qt's own translation words it.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
}

void TestTranslation::englishAgainAfterAnotherLanguage() {
    QCOMPARE(ui::installTranslation(QLocale(QLocale::Japanese, QLocale::Japan)), QLocale::Japanese);
    QCOMPARE(errorTitle(), QStringLiteral("エラー"));
    QCOMPARE(ui::installTranslation(QLocale(QLocale::English, QLocale::UnitedStates)),
             QLocale::English);
    QCOMPARE(errorTitle(), QStringLiteral("Error"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
}

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    if (argc == 2 && qstrcmp(argv[1], kReportLanguage) == 0) {
        const QLocale::Language language = ui::installTranslation(QLocale::system());
        std::printf("%s\n", qPrintable(QLocale::languageToCode(language)));
        return 0;
    }
    TestTranslation tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "tst_translation.moc"
