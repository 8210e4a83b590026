// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

// Opens every window of the program, puts it into a typical state as a user would, and
// saves a picture of each into the folder given as the last argument; with --dark, under a
// dark desktop colour scheme; with --language and a language code ("ja"), in that language. Run it
// under Xvfb (or the offscreen platform); scripts/screenshots.sh does.

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <cstdio>

#include <QDataStream>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "app/plim_main.h"
#include "tools/colour_schemes.h"
#include "calendar/frm_calendar.h"
#include "calendar/today.h"
#include "dialer/cc_code.h"
#include "dialer/cc_help.h"
#include "ui/application_setup.h"
#include "ui/translation.h"
#include "ui/window_registry.h"
#include "unit_conv/u_conv.h"
#include "unit_conv/uc_help.h"
#include "wave/file_select.h"
#include "wave/wav_anal_main.h"

namespace {

QDir outputDir;

void settle() {
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

void save(QWidget &window, const QString &name) {
    settle();
    const QString path = outputDir.filePath(name + QStringLiteral(".png"));
    if (!window.grab().save(path))
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
}

template <class T> T *child(QWidget &window, const char *name) {
    return window.findChild<T *>(QLatin1String(name));
}

void trigger(QWidget &window, const char *name) {
    if (auto *action = window.findChild<QAction *>(QLatin1String(name)))
        action->trigger();
}

void choose(QComboBox *list, int index) {
    list->setCurrentIndex(index);
    emit list->activated(index);
}

// A canonical 44-byte header: PCM, stereo, 44100 Hz, 16 bits.
QByteArray stereoCdHeader() {
    QByteArray header;
    QDataStream out(&header, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(2) << quint32(44100) << quint32(176400)
        << quint16(4) << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(0);
    return header;
}

// A small folder of recordings for the selection window to show.
void makeRecordings(const QDir &folder) {
    folder.mkpath(QStringLiteral("Interviews"));
    folder.mkpath(QStringLiteral("Music"));
    for (const char *name : {"birdsong.wav", "doorbell.wav", "Piano take 3.WAV", "notes.txt"}) {
        QFile file(folder.filePath(QLatin1String(name)));
        if (file.open(QIODevice::WriteOnly))
            file.write(stereoCdHeader());
    }
}

void takeAll() {
    PlimMain &main = ui::show<PlimMain>();
    save(main, QStringLiteral("plim_main"));

    CcCode &dialer = ui::show<CcCode>();
    // Table entries, wherever a language's order puts them: from the USA to Japan.
    auto *source = child<QComboBox>(dialer, "src");
    choose(source, source->findData(256));
    auto *destination = child<QComboBox>(dialer, "dest");
    choose(destination, destination->findData(109));
    child<QAbstractButton>(dialer, "Submit")->click();
    save(dialer, QStringLiteral("cc_code"));
    trigger(dialer, "mnuHelp");
    save(ui::load<CcHelp>(), QStringLiteral("cc_help"));

    UConv &converter = ui::show<UConv>();
    QTest::keyClicks(child<QLineEdit>(converter, "cm"), QStringLiteral("180"));
    child<QAbstractButton>(converter, "convert_l")->click();
    save(converter, QStringLiteral("u_conv"));
    trigger(converter, "mnuHelp");
    save(ui::load<UcHelp>(), QStringLiteral("uc_help"));

    // A fixed day, so that the pictures do not change with the date they are made on.
    calendar::pinToday(QDate(2026, 12, 7));
    FrmCalendar &calendar = ui::show<FrmCalendar>();
    save(calendar, QStringLiteral("frmCalendar"));
    choose(child<QComboBox>(calendar, "YearList"), 2022 - 1000);
    choose(child<QComboBox>(calendar, "MonthList"), 0);
    save(calendar, QStringLiteral("frmCalendar_january_2022"));

    // The selection window starts in the current folder, so browse a made-up one.
    // A fixed place, so that the pictures do not change from one run to the next.
    QDir scratch(QDir::temp().filePath(QStringLiteral("zendrel-pictures")));
    scratch.removeRecursively();
    const QDir recordings(scratch.filePath(QStringLiteral("Recordings")));
    makeRecordings(recordings);
    QDir::setCurrent(recordings.path());
    WavAnalMain &analyzer = ui::show<WavAnalMain>();
    trigger(analyzer, "file_open");
    FileSelect &selection = ui::load<FileSelect>();
    auto *files = child<QListWidget>(selection, "File1");
    files->setCurrentRow(0);
    files->item(0)->setSelected(true);
    save(selection, QStringLiteral("File_select"));
    child<QAbstractButton>(selection, "analyze")->click();
    save(analyzer, QStringLiteral("wav_anal_main"));
    QDir::setCurrent(QDir::tempPath());
    scratch.removeRecursively();

    QApplication::closeAllWindows();
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QStringList arguments = QApplication::arguments().mid(1);
    const bool dark = arguments.removeAll(QStringLiteral("--dark")) > 0;
    QString language = QStringLiteral("en");
    if (const qsizetype at = arguments.indexOf(QStringLiteral("--language"));
        at >= 0 && at + 1 < arguments.size()) {
        language = arguments.takeAt(at + 1);
        arguments.removeAt(at);
    }
    if (arguments.size() != 1) {
        std::fprintf(stderr, "usage: %s [--dark] [--language CODE] OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    ui::installTranslation(QLocale(language));
    outputDir.setPath(QDir(arguments.first()).absolutePath());
    outputDir.mkpath(QStringLiteral("."));
    ui::setUpApplication();
    // As a desktop applies its scheme: to the whole application, before any window opens.
    if (dark)
        QApplication::setPalette(colour_schemes::dark());
    QTimer::singleShot(0, [] {
        takeAll();
        QApplication::quit();
    });
    return QApplication::exec();
}
