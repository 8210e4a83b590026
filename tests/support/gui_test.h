// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <QApplication>
#include <QClipboard>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

#include <QtTest/QtTest>

class QAction;
class QComboBox;
class QWidget;

namespace gui_test {

// What a modal box showed before the watcher closed it.
struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Closes every modal box shortly after it opens and records it, so that a test that opens
// one by accident fails instead of blocking forever.
class ModalBoxWatcher : public QObject {
    Q_OBJECT

public:
    ModalBoxWatcher();
    // The boxes seen since the last call.
    QList<SeenBox> take();
    // Runs `action` while the next box is open, as a user who can still reach another window
    // (a screen reader's actions pass a modal box) does; then closes the box if it is left.
    void whileNextBoxIsOpen(std::function<void()> action);

private:
    void closeModalBox();
    QTimer timer_;
    QList<SeenBox> seen_;
    std::function<void()> whileOpen_;
};

// Closes every top-level window and lets Qt delete those that delete themselves on close.
void closeAllWindows();

// Under Wayland, waits (briefly) until the compositor has configured `window`; elsewhere
// returns at once. A user never acts on a window before it appears. Debian 13's weston
// 14.0.2 dies of a segfault (in wl_resource_post_event, from an idle handler) when a window's
// xdg_toplevel goes after its first commit but before weston has sent it the first configure,
// and its xdg_surface stays a little longer: a test that shows and hides a window without
// blocking in between (as no user can) sends both in one batch.
void waitUntilShown(QWidget *window);
// waitUntilShown for every shown top-level window, drop-downs and menus included.
void waitUntilAllShown();

// Waits until `window` may be hidden: it is shown (waitUntilShown) and, under Wayland with Qt
// before 6.8, the compositor has answered the last frame it showed. A test calls it before it
// hides a window: Qt 6.4's Wayland client lets its frame-event thread and the hide destroy
// the same frame callback, which aborts in libwayland when the two meet.
void waitBeforeHiding(QWidget *window);

// Triggers the menu item named `name` of `window`, as a click on it does.
void chooseMenuItem(QWidget *window, const char *name);

// Opens the drop-down of `list`, clicks item `index` and lets the list close.
void chooseListItem(QComboBox *list, int index);

// Replaces the text of an editable list's field by typing, as a user does: key by key, each
// after what the one before showed (a drop-down of matches) has appeared.
void typeIntoList(QComboBox *list, const QString &text);

// Waits until `window` has the keyboard focus; false when it does not get it. Under Wayland
// the compositor decides, and may refuse a raised window the focus (no focus stealing).
bool waitForKeyboardFocus(QWidget *window);

// Ends the test program with `result`. Under Wayland with Qt 6.8 or later it leaves at once,
// before the QApplication is destroyed: Qt 6.8.2's Wayland client deadlocks now and then in
// that teardown (~QWaylandDisplay waits for its event thread, which waits in
// wl_display_read_events for a read that is never made), after every test has passed.
int finishTests(int result);

// Chooses the offscreen platform unless one is chosen already.
void preferOffscreenPlatform();
// Settings shared by every window test: the program icon, and no quitting when a test
// closes the last window (only the lifetime tests let that end the event loop).
void configureApplication();

} // namespace gui_test

// A test of the keyboard has nothing to test where the compositor keeps the focus from the
// window; it is skipped under Wayland only, and fails on any other platform.
#define ZENDREL_REQUIRE_KEYBOARD_FOCUS(window)                                                     \
    do {                                                                                           \
        if (!gui_test::waitForKeyboardFocus(window)) {                                             \
            if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))              \
                QSKIP("the Wayland compositor gives the window no keyboard focus");                \
            QFAIL("the window did not get the keyboard focus");                                    \
        }                                                                                          \
    } while (false)

// Puts `value` on the clipboard. A Wayland compositor without a seat (weston's headless
// backend) has no clipboard; a test of pasting is skipped there, and fails elsewhere.
#define ZENDREL_PUT_ON_CLIPBOARD(value)                                                            \
    do {                                                                                           \
        const QString copied = (value);                                                            \
        QGuiApplication::clipboard()->setText(copied);                                             \
        if (QGuiApplication::clipboard()->text() != copied) {                                      \
            if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))              \
                QSKIP("the Wayland compositor offers no clipboard");                               \
            QFAIL("the clipboard did not take the text");                                          \
        }                                                                                          \
    } while (false)

// The test object is built after the QApplication, so that its timers work.
#define ZENDREL_GUI_TEST_MAIN(TestClass)                                                           \
    int main(int argc, char *argv[]) {                                                             \
        gui_test::preferOffscreenPlatform();                                                       \
        QApplication app(argc, argv);                                                              \
        gui_test::configureApplication();                                                          \
        TestClass tests;                                                                           \
        return gui_test::finishTests(QTest::qExec(&tests, argc, argv));                            \
    }
