#include "ui/application_setup.h"

#include <QApplication>
#include <QIcon>

#include "ui/fonts.h"
#include "ui/program_icon.h"

namespace ui {

void setUpApplication() {
    QApplication::setWindowIcon(programIcon());
    QApplication::setFont(dialogFont());
}

} // namespace ui
