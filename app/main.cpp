// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include <QApplication>

#include "app/program_start.h"

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    startProgram();
    return QApplication::exec();
}
