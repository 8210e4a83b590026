// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "tests/support/gui_test.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QLineEdit>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <utility>

#include "ui/application_setup.h"

namespace gui_test {

namespace {

// The shown top-level windows, guarded: a wait runs the event loop, which may delete some.
QList<QPointer<QWidget>> shownWindows() {
    QList<QPointer<QWidget>> shown;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->isVisible())
            shown.append(window);
    return shown;
}

} // namespace

ModalBoxWatcher::ModalBoxWatcher() {
    connect(&timer_, &QTimer::timeout, this, &ModalBoxWatcher::closeModalBox);
    timer_.start(20);
}

QList<SeenBox> ModalBoxWatcher::take() {
    QList<SeenBox> seen;
    seen.swap(seen_);
    return seen;
}

void ModalBoxWatcher::closeModalBox() {
    QPointer<QWidget> modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    // The wait runs the event loop; the timer must not close the same box from within it.
    timer_.stop();
    waitBeforeHiding(modal);
    timer_.start();
    if (!modal)
        return;
    auto *box = qobject_cast<QMessageBox *>(modal);
    auto *dialog = qobject_cast<QDialog *>(modal);
    if (box)
        seen_.append({box->windowTitle(), box->text(), box->icon()});
    else
        seen_.append({modal->windowTitle(),
                      dialog ? QStringLiteral("<unexpected dialog>")
                             : QStringLiteral("<unexpected modal window>"),
                      {}});
    if (whileOpen_) {
        timer_.stop();
        std::exchange(whileOpen_, nullptr)();
        timer_.start();
        if (!modal)
            return; // the action took the box with it
    }
    if (box)
        box->done(QMessageBox::Ok);
    else if (dialog)
        dialog->reject();
    else
        modal->close();
}

void ModalBoxWatcher::whileNextBoxIsOpen(std::function<void()> action) {
    whileOpen_ = std::move(action);
}

void closeAllWindows() {
    for (const QPointer<QWidget> &window : shownWindows())
        if (window && window->isVisible())
            waitBeforeHiding(window);
    QApplication::closeAllWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

namespace {

// Notes when its window gets an update request.
class UpdateRequestSpy : public QObject {
public:
    explicit UpdateRequestSpy(QWindow *window) { window->installEventFilter(this); }
    bool seen = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        seen = seen || event->type() == QEvent::UpdateRequest;
        return QObject::eventFilter(watched, event);
    }
};

// Ends `loop` once its window is exposed, or goes away.
class ExposeSpy : public QObject {
public:
    ExposeSpy(QWindow *window, QEventLoop *loop) : window_(window), loop_(loop) {
        window->installEventFilter(this);
        connect(window, &QObject::destroyed, loop, &QEventLoop::quit);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Expose && window_->isExposed())
            loop_->quit();
        return QObject::eventFilter(watched, event);
    }

private:
    QWindow *window_;
    QEventLoop *loop_;
};

bool onWayland() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void waitForFrameDone(QWindow *handle) {
    // Qt 6.8 needs no wait (its Wayland runs pass without one); the versions between 6.4 and
    // 6.8 were never tried, so they keep it.
    if (QT_VERSION >= QT_VERSION_CHECK(6, 8, 0) || !handle->isExposed())
        return;
    // Qt holds a window's update request back while one of its frames is in flight.
    UpdateRequestSpy spy(handle);
    handle->requestUpdate();
    // A compositor that never answers (the window is not on any output) only delays the close.
    static_cast<void>(QTest::qWaitFor([&spy] { return spy.seen; }, 500));
}

} // namespace

void waitUntilShown(QWidget *window) {
    const QPointer<QWindow> handle = window->windowHandle();
    if (!onWayland() || !handle || !handle->isVisible() || handle->isExposed())
        return;
    // Returns as soon as the compositor's answer comes, not at the next poll of a fixed step:
    // typing shows and hides drop-downs hundreds of times in a run.
    QEventLoop loop;
    ExposeSpy spy(handle, &loop);
    QTimer::singleShot(1000, &loop, &QEventLoop::quit);
    loop.exec();
}

void waitUntilAllShown() {
    for (const QPointer<QWidget> &window : shownWindows())
        if (window && window->isVisible())
            waitUntilShown(window);
}

void waitBeforeHiding(QWidget *window) {
    // Each wait runs the event loop, which may take the window away.
    const QPointer<QWindow> handle = window->windowHandle();
    if (!onWayland() || !handle)
        return;
    waitUntilShown(window);
    if (handle)
        waitForFrameDone(handle);
}

void chooseMenuItem(QWidget *window, const char *name) {
    auto *action = window->findChild<QAction *>(QLatin1String(name));
    QVERIFY2(action, name);
    action->trigger();
}

void chooseListItem(QComboBox *list, int index) {
    QVERIFY(list);
    QVERIFY(index >= 0 && index < list->count());
    list->showPopup();
    QAbstractItemView *view = list->view();
    QTRY_VERIFY(view->isVisible());
    waitUntilShown(view->window());
    const QModelIndex item = view->model()->index(index, list->modelColumn(), view->rootIndex());
    view->scrollTo(item);
    const QPoint centre = view->visualRect(item).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
    QTRY_VERIFY(!view->isVisible());
}

void typeIntoList(QComboBox *list, const QString &text) {
    QVERIFY(list && list->lineEdit());
    // Click into the field first: completion, like a user's typing, needs the focus.
    QTest::mouseClick(list->lineEdit(), Qt::LeftButton);
    list->lineEdit()->selectAll();
    QTest::keyClick(list->lineEdit(), Qt::Key_Backspace);
    for (const QChar character : text) {
        QTest::keyClicks(list->lineEdit(), QString(character));
        waitUntilAllShown();
    }
}

bool waitForKeyboardFocus(QWidget *window) {
    // Platforms that cannot activate windows (Wayland) only wait for the window to show.
    if (!QTest::qWaitForWindowActive(window))
        return false;
    return QTest::qWaitFor([window] { return window->isActiveWindow(); }, 1000);
}

int finishTests(int result) {
    if (QT_VERSION >= QT_VERSION_CHECK(6, 8, 0) && onWayland()) {
        std::fflush(nullptr);
        std::_Exit(result);
    }
    return result;
}

void preferOffscreenPlatform() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

void configureApplication() {
    QApplication::setQuitOnLastWindowClosed(false);
    ui::setUpApplication();
}

} // namespace gui_test
