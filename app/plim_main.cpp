// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "app/plim_main.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include "calendar/frm_calendar.h"
#include "dialer/cc_code.h"
#include "ui/colours.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/labels.h"
#include "ui/twips.h"
#include "ui/window_frame.h"
#include "ui/window_registry.h"
#include "unit_conv/u_conv.h"
#include "wave/wav_anal_main.h"

PlimMain::PlimMain(QWidget *parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("plim_main"));
    setWindowTitle(tr("Zendrel"));
    ui::setCloseBoxOnly(this);
    ui::setBackground(this, ui::kMainBackground);

    QMenu *options = menuBar()->addMenu(tr("&Options"));
    options->setObjectName(QStringLiteral("plim_main"));
    connect(ui::addMenuItem(options, "mnuUnit_conv", tr("Unit Converter")), &QAction::triggered,
            this, &PlimMain::mnuUnit_conv_Click);
    connect(ui::addMenuItem(options, "mnuCountry_code", tr("Country Code")), &QAction::triggered,
            this, &PlimMain::mnuCountry_code_Click);
    connect(ui::addMenuItem(options, "mnuCalendar", tr("Calendar")), &QAction::triggered, this,
            &PlimMain::mnuCalendar_Click);
    connect(ui::addMenuItem(options, "mnuWav_anal", tr("Wave File Analyzer")), &QAction::triggered,
            this, &PlimMain::mnuWav_anal_Click);
    options->addSeparator()->setObjectName(QStringLiteral("bar"));
    connect(ui::addMenuItem(options, "mnuExit", tr("E&xit")), &QAction::triggered, this,
            &PlimMain::mnuExit_Click);

    QWidget *client = ui::makeClientArea(this, ui::twipsSize(2475, 270));
    //: The greeting under the menu; the blanks in front place it as designed.
    auto *greeting = new QLabel(tr("    Kelvorn R&D presents.... "), client);
    greeting->setObjectName(QStringLiteral("Label1"));
    greeting->setGeometry(ui::twipsRect(0, 0, 2415, 255));
    greeting->setFont(ui::verdanaFont());
    greeting->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ui::keepTextVisible(greeting);

    ui::placeAtScreenOrigin(this);
}

void PlimMain::mnuUnit_conv_Click() {
    ui::show<UConv>();
}
void PlimMain::mnuCountry_code_Click() {
    ui::show<CcCode>();
}
void PlimMain::mnuCalendar_Click() {
    ui::show<FrmCalendar>();
}
void PlimMain::mnuWav_anal_Click() {
    ui::show<WavAnalMain>();
}
void PlimMain::mnuExit_Click() {
    close();
}
