// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

// Times what must stay quick whatever the files: analyzing a huge wave file against a
// 44-byte one, and opening the selection window on a folder of many entries.
// Usage: bench_wave <folder of small.wav and huge.wav> <crowded folder>
#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QTextStream>

#include <cstdio>

#include "tests/support/gui_test.h"
#include "ui/window_registry.h"
#include "wave/file_select.h"
#include "wave/wave_header.h"

namespace {

double microsecondsPerRead(const QString &path) {
    constexpr int kRounds = 200;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < kRounds; ++i)
        if (!wave::ReadWaveHeader(path))
            std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
    return static_cast<double>(timer.nsecsElapsed()) / 1000.0 / kRounds;
}

} // namespace

int main(int argc, char *argv[]) {
    gui_test::preferOffscreenPlatform();
    QApplication app(argc, argv);
    gui_test::configureApplication();
    if (argc != 3) {
        std::fprintf(stderr, "usage: bench_wave <header folder> <crowded folder>\n");
        return 2;
    }
    QTextStream out(stdout);
    const QString headers = QString::fromLocal8Bit(argv[1]);
    out << "read 44-byte file:  " << microsecondsPerRead(headers + "/small.wav") << " us\n";
    out << "read 4 GiB file:    " << microsecondsPerRead(headers + "/huge.wav") << " us\n";

    QDir::setCurrent(QString::fromLocal8Bit(argv[2]));
    QElapsedTimer timer;
    timer.start();
    FileSelect &window = ui::show<FileSelect>();
    QCoreApplication::processEvents();
    const qint64 opened = timer.elapsed();
    out << "open selection window: " << opened << " ms, "
        << window.findChild<QListWidget *>(QStringLiteral("File1"))->count() << " files listed\n";
    return opened < 500 ? 0 : 1;
}
