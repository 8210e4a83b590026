#include "calendar/frm_calendar.h"

#include "ui/window_frame.h"

FrmCalendar::FrmCalendar(QWidget *parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmCalendar"));
    setWindowTitle(QStringLiteral("Calendar"));
    ui::setCloseBoxOnly(this);
}
