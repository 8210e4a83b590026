// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "ui/window_registry.h"

#include <QEvent>

namespace ui {

namespace {

// A window's own hide, not the window system's (minimising), comes only from its close,
// once the close has been accepted.
class CloseWatcher : public QObject {
public:
    CloseWatcher(QWidget &window, void (*forget)()) : QObject(&window), forget_(forget) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (watched == parent() && event->type() == QEvent::Hide && !event->spontaneous())
            forget_();
        return QObject::eventFilter(watched, event);
    }

private:
    void (*forget_)();
};

} // namespace

void whenClosed(QWidget &window, void (*forget)()) {
    new CloseWatcher(window, forget);
}

void bringToFront(QWidget &window) {
    if (window.isMinimized())
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace ui
