#include "app/plim_main.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include "calendar/frm_calendar.h"
#include "dialer/cc_code.h"
#include "ui/colours.h"
#include "ui/fonts.h"
#include "ui/labels.h"
#include "ui/twips.h"
#include "ui/window_frame.h"
#include "ui/window_registry.h"
#include "unit_conv/u_conv.h"
#include "wave/wav_anal_main.h"

namespace {

template <class Receiver>
void addItem(QMenu *menu, const char *name, const QString &caption, Receiver *receiver,
             void (Receiver::*handler)()) {
    QAction *action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    QObject::connect(action, &QAction::triggered, receiver, handler);
}

} // namespace

PlimMain::PlimMain(QWidget *parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("plim_main"));
    setWindowTitle(QStringLiteral("Zendrel"));
    ui::setCloseBoxOnly(this);
    ui::setBackground(this, ui::kMainBackground);

    QMenu *options = menuBar()->addMenu(QStringLiteral("&Options"));
    options->setObjectName(QStringLiteral("plim_main"));
    addItem(options, "mnuUnit_conv", QStringLiteral("Unit Converter"), this,
            &PlimMain::mnuUnit_conv_Click);
    addItem(options, "mnuCountry_code", QStringLiteral("Country Code"), this,
            &PlimMain::mnuCountry_code_Click);
    addItem(options, "mnuCalendar", QStringLiteral("Calendar"), this, &PlimMain::mnuCalendar_Click);
    addItem(options, "mnuWav_anal", QStringLiteral("Wave File Analyzer"), this,
            &PlimMain::mnuWav_anal_Click);
    options->addSeparator()->setObjectName(QStringLiteral("bar"));
    addItem(options, "mnuExit", QStringLiteral("E&xit"), this, &PlimMain::mnuExit_Click);

    QWidget *client = ui::makeClientArea(this, ui::twipsSize(2475, 270));
    auto *greeting = new QLabel(QStringLiteral("    Kelvorn R&D presents.... "), client);
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
