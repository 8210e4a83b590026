#include "unit_conv/u_conv.h"

#include "ui/window_frame.h"

UConv::UConv(QWidget *parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("u_conv"));
    setWindowTitle(QStringLiteral("Unit Converter"));
    ui::setCloseBoxOnly(this);
}
