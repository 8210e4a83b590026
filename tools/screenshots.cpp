// Opens every window of the program, puts it into a typical state as a user would, and
// saves a picture of each into the folder given as the only argument. Run it under Xvfb
// (or the offscreen platform); scripts/screenshots.sh does.

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <cstdio>

#include <QLineEdit>
#include <QTest>

#include "app/plim_main.h"
#include "calendar/frm_calendar.h"
#include "calendar/today.h"
#include "dialer/cc_code.h"
#include "dialer/cc_help.h"
#include "ui/application_setup.h"
#include "ui/window_registry.h"
#include "unit_conv/u_conv.h"
#include "unit_conv/uc_help.h"

namespace {

QDir outputDir;

void settle() {
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

void save(QWidget &window, const QString &name) {
    settle();
    const QString path = outputDir.filePath(name + QStringLiteral(".png"));
    if (!window.grab().save(path))
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
}

template <class T> T *child(QWidget &window, const char *name) {
    return window.findChild<T *>(QLatin1String(name));
}

void trigger(QWidget &window, const char *name) {
    if (auto *action = window.findChild<QAction *>(QLatin1String(name)))
        action->trigger();
}

void choose(QComboBox *list, int index) {
    list->setCurrentIndex(index);
    emit list->activated(index);
}

void takeAll() {
    PlimMain &main = ui::show<PlimMain>();
    save(main, QStringLiteral("plim_main"));

    CcCode &dialer = ui::show<CcCode>();
    choose(child<QComboBox>(dialer, "src"), 256);
    choose(child<QComboBox>(dialer, "dest"), 109);
    child<QAbstractButton>(dialer, "Submit")->click();
    save(dialer, QStringLiteral("cc_code"));
    trigger(dialer, "mnuHelp");
    save(ui::load<CcHelp>(), QStringLiteral("cc_help"));

    UConv &converter = ui::show<UConv>();
    QTest::keyClicks(child<QLineEdit>(converter, "cm"), QStringLiteral("180"));
    child<QAbstractButton>(converter, "convert_l")->click();
    save(converter, QStringLiteral("u_conv"));
    trigger(converter, "mnuHelp");
    save(ui::load<UcHelp>(), QStringLiteral("uc_help"));

    // A fixed day, so that the pictures do not change with the date they are made on.
    calendar::pinToday(QDate(2026, 12, 7));
    FrmCalendar &calendar = ui::show<FrmCalendar>();
    save(calendar, QStringLiteral("frmCalendar"));
    choose(child<QComboBox>(calendar, "YearList"), 2022 - 1000);
    choose(child<QComboBox>(calendar, "MonthList"), 0);
    save(calendar, QStringLiteral("frmCalendar_january_2022"));

    QApplication::closeAllWindows();
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    outputDir.setPath(QString::fromLocal8Bit(argv[1]));
    outputDir.mkpath(QStringLiteral("."));
    ui::setUpApplication();
    QTimer::singleShot(0, [] {
        takeAll();
        QApplication::quit();
    });
    return QApplication::exec();
}
