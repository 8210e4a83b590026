// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "app/program_start.h"

#include <QApplication>
#include <QLocale>

#include "app/plim_main.h"
#include "app/version.h"
#include "ui/application_setup.h"
#include "ui/translation.h"
#include "ui/window_registry.h"

PlimMain &startProgram() {
    QApplication::setApplicationName(QStringLiteral(ZENDREL_PRODUCT_NAME));
    QApplication::setApplicationDisplayName(QStringLiteral(ZENDREL_PRODUCT_NAME));
    QApplication::setApplicationVersion(QStringLiteral(ZENDREL_VERSION_TEXT));
    QApplication::setOrganizationName(QStringLiteral(ZENDREL_COMPANY_NAME));
    // The desktop's languages, as every Qt program takes them (LANGUAGE, LC_ALL, LC_MESSAGES,
    // LANG); the first one the program speaks wins, English when there is none.
    ui::installTranslation(QLocale::system());
    ui::setUpApplication();
    // The program ends when its last window closes, main window or not.
    QApplication::setQuitOnLastWindowClosed(true);
    return ui::show<PlimMain>();
}
