// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

// One start of the program, timed from outside: it starts as plim does, in the language
// the environment's desktop settings choose, and ends as soon as the main window is on the
// screen. With --bare, a bare Qt window instead, the yardstick. scripts/bench-startup.sh
// runs it.

#include <QApplication>
#include <QTest>
#include <QWidget>

#include "app/plim_main.h"
#include "app/program_start.h"

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    if (argc == 2 && qstrcmp(argv[1], "--bare") == 0) {
        QWidget window;
        window.show();
        return QTest::qWaitForWindowExposed(&window) ? 0 : 1;
    }
    PlimMain &window = startProgram();
    const bool shown = QTest::qWaitForWindowExposed(&window);
    window.close();
    return shown ? 0 : 1;
}
