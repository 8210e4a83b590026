// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include <QtTest/QtTest>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include "app/plim_main.h"
#include "calendar/frm_calendar.h"
#include "dialer/cc_code.h"
#include "tests/support/gui_test.h"
#include "ui/window_registry.h"
#include "unit_conv/u_conv.h"
#include "wave/wav_anal_main.h"

namespace {

int windowsNamed(const QString &name) {
    int count = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        count += widget->objectName() == name && widget->isVisible();
    return count;
}

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Runs the application's event loop until it ends by itself; fails after `limitMs`.
int runEventLoop(int limitMs) {
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    watchdog.start(limitMs);
    return QApplication::exec();
}

} // namespace

class TestPlimMain : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void showsTheGreetingAndMenu();
    void menuItemsOpenTheirTools_data();
    void menuItemsOpenTheirTools();
    void choosingAnOpenToolKeepsItsContents();
    void closedToolOpensAfresh();
    void exitWithoutToolsEndsTheProgram();
    void exitLeavesToolsRunning_data();
    void exitLeavesToolsRunning();

private:
    gui_test::ModalBoxWatcher boxes_;
};

void TestPlimMain::cleanup() {
    QApplication::setQuitOnLastWindowClosed(false);
    gui_test::closeAllWindows();
    QVERIFY(boxes_.take().isEmpty());
}

void TestPlimMain::showsTheGreetingAndMenu() {
    PlimMain &main = ui::show<PlimMain>();
    QCOMPARE(main.objectName(), QStringLiteral("plim_main"));
    QCOMPARE(main.windowTitle(), QStringLiteral("Zendrel"));
    QCOMPARE(main.centralWidget()->size(), QSize(165, 18));
    QCOMPARE(main.palette().color(QPalette::Window), QColor(224, 224, 224));
    QVERIFY(!(main.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(main.windowFlags() & Qt::WindowMinimizeButtonHint));

    auto *greeting = main.findChild<QLabel *>(QStringLiteral("Label1"));
    QVERIFY(greeting);
    QCOMPARE(greeting->text(), QStringLiteral("    Kelvorn R&D presents.... "));
    QCOMPARE(greeting->text().count(QLatin1Char('&')), 1);
    QCOMPARE(greeting->font().pointSizeF(), 8.25);

    auto *options = main.findChild<QMenu *>(QStringLiteral("plim_main"));
    QVERIFY(options);
    QCOMPARE(options->title(), QStringLiteral("&Options"));
    QStringList names;
    QStringList captions;
    for (QAction *action : options->actions()) {
        names << action->objectName();
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
        QVERIFY(action->shortcut().isEmpty());
    }
    QCOMPARE(names, QStringList({"mnuUnit_conv", "mnuCountry_code", "mnuCalendar", "mnuWav_anal",
                                 "bar", "mnuExit"}));
    QCOMPARE(captions, QStringList({"Unit Converter", "Country Code", "Calendar",
                                    "Wave File Analyzer", "-", "E&xit"}));
    // Nothing but the main window is built at start.
    const QWidgetList windows = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(windows.begin(), windows.end(),
                           [](const QWidget *w) { return w->isVisible(); }),
             1);
    QVERIFY(!ui::loaded<UConv>() && !ui::loaded<CcCode>() && !ui::loaded<FrmCalendar>() &&
            !ui::loaded<WavAnalMain>());
}

void TestPlimMain::menuItemsOpenTheirTools_data() {
    QTest::addColumn<QByteArray>("item");
    QTest::addColumn<QString>("window");
    QTest::newRow("Unit Converter") << QByteArray("mnuUnit_conv") << "u_conv";
    QTest::newRow("Country Code") << QByteArray("mnuCountry_code") << "cc_code";
    QTest::newRow("Calendar") << QByteArray("mnuCalendar") << "frmCalendar";
    QTest::newRow("Wave File Analyzer") << QByteArray("mnuWav_anal") << "wav_anal_main";
}

void TestPlimMain::menuItemsOpenTheirTools() {
    QFETCH(QByteArray, item);
    QFETCH(QString, window);
    PlimMain &main = ui::show<PlimMain>();
    QCOMPARE(windowsNamed(window), 0);
    gui_test::chooseMenuItem(&main, item.constData());
    QCOMPARE(windowsNamed(window), 1);
    gui_test::chooseMenuItem(&main, item.constData());
    QCOMPARE(windowsNamed(window), 1);
    QVERIFY(main.isVisible()); // the main window stays usable
}

void TestPlimMain::choosingAnOpenToolKeepsItsContents() {
    PlimMain &main = ui::show<PlimMain>();
    gui_test::chooseMenuItem(&main, "mnuCountry_code");
    CcCode *dialer = ui::loaded<CcCode>();
    QVERIFY(dialer);
    auto *src = dialer->findChild<QComboBox *>(QStringLiteral("src"));
    gui_test::chooseListItem(src, 133);
    gui_test::chooseMenuItem(&main, "mnuCountry_code");
    QCOMPARE(ui::loaded<CcCode>(), dialer);
    QCOMPARE(src->currentIndex(), 133);
}

void TestPlimMain::closedToolOpensAfresh() {
    PlimMain &main = ui::show<PlimMain>();
    gui_test::chooseMenuItem(&main, "mnuCountry_code");
    auto *src = ui::loaded<CcCode>()->findChild<QComboBox *>(QStringLiteral("src"));
    gui_test::chooseListItem(src, 133);
    ui::loaded<CcCode>()->close();
    settle();
    QTRY_VERIFY(!ui::loaded<CcCode>());
    gui_test::chooseMenuItem(&main, "mnuCountry_code");
    src = ui::loaded<CcCode>()->findChild<QComboBox *>(QStringLiteral("src"));
    QCOMPARE(src->currentIndex(), -1);
    QCOMPARE(src->currentText(), QStringLiteral("Select Source Country"));
}

void TestPlimMain::exitWithoutToolsEndsTheProgram() {
    QApplication::setQuitOnLastWindowClosed(true);
    PlimMain &main = ui::show<PlimMain>();
    QTimer::singleShot(0, &main, [&main] { gui_test::chooseMenuItem(&main, "mnuExit"); });
    QCOMPARE(runEventLoop(5000), 0);
    settle();
    QVERIFY(!ui::loaded<PlimMain>());
}

void TestPlimMain::exitLeavesToolsRunning_data() {
    QTest::addColumn<bool>("byCloseBox");
    QTest::newRow("E&xit") << false;
    QTest::newRow("close box") << true;
}

void TestPlimMain::exitLeavesToolsRunning() {
    QFETCH(bool, byCloseBox);
    QApplication::setQuitOnLastWindowClosed(true);
    PlimMain &main = ui::show<PlimMain>();
    gui_test::chooseMenuItem(&main, "mnuUnit_conv");
    gui_test::chooseMenuItem(&main, "mnuCountry_code");

    gui_test::waitUntilAllShown();

    // Each step follows the one before by a user's pause, counted from when that one is done:
    // a close can take long (Wine without a window manager waits two seconds for each hide).
    constexpr int kPauseMs = 100;
    QObject steps; // drops the steps still pending when the loop ends early
    bool toolsStillOpen = false;
    bool endedEarly = false;
    QTimer::singleShot(kPauseMs, &steps, [&] {
        if (byCloseBox)
            ui::loaded<PlimMain>()->close();
        else
            gui_test::chooseMenuItem(ui::loaded<PlimMain>(), "mnuExit");
        QTimer::singleShot(kPauseMs, &steps, [&] {
            UConv *converter = ui::loaded<UConv>();
            CcCode *dialer = ui::loaded<CcCode>();
            toolsStillOpen = !ui::loaded<PlimMain>() && converter && converter->isVisible() &&
                             dialer && dialer->isVisible();
            if (converter)
                converter->close();
            QTimer::singleShot(kPauseMs, &steps, [&] {
                endedEarly = !ui::loaded<CcCode>();
                if (!endedEarly)
                    ui::loaded<CcCode>()->close();
            });
        });
    });
    // Only a hang reaches the limit; it allows for three of those slow closes.
    QCOMPARE(runEventLoop(20000), 0);
    QVERIFY(toolsStillOpen);
    QVERIFY(!endedEarly);
}

ZENDREL_GUI_TEST_MAIN(TestPlimMain)
#include "tst_plim_main.moc"
