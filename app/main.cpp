#include <QApplication>

#include "app/plim_main.h"
#include "app/version.h"
#include "ui/program_icon.h"
#include "ui/window_registry.h"

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral(ZENDREL_PRODUCT_NAME));
    QApplication::setApplicationDisplayName(QStringLiteral(ZENDREL_PRODUCT_NAME));
    QApplication::setApplicationVersion(QStringLiteral(ZENDREL_VERSION_TEXT));
    QApplication::setOrganizationName(QStringLiteral(ZENDREL_COMPANY_NAME));
    QApplication::setWindowIcon(ui::programIcon());
    // The program ends when its last window closes, main window or not.
    QApplication::setQuitOnLastWindowClosed(true);

    ui::show<PlimMain>();
    return QApplication::exec();
}
