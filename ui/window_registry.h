// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <QPointer>
#include <QWidget>

namespace ui {

// Every window class has at most one live instance. Closing a window deletes it
// (Qt::WA_DeleteOnClose), which discards its controls; the next show builds it afresh
// from its design. A window's constructor is its load: it builds the controls in their
// designed state, then runs the window's load handler, if it has one.
//
// A closed window is unloaded at once, although Qt deletes it only once the event loop
// allows: until then it must not be shown or handed out again, or it would vanish under
// its user (a show right after a close, or a modal box's event loop, deletes it).

template <class Window> QPointer<Window> &instanceSlot() {
    static QPointer<Window> slot;
    return slot;
}

// Calls `forget` as soon as `window` closes. The program never hides a window but by
// closing it.
void whenClosed(QWidget &window, void (*forget)());

// The loaded instance, or nullptr when the window is not loaded.
template <class Window> Window *loaded() {
    return instanceSlot<Window>().data();
}

// The loaded instance, loading (but not showing) it when needed.
template <class Window> Window &load() {
    QPointer<Window> &slot = instanceSlot<Window>();
    if (!slot) {
        auto *window = new Window;
        window->setAttribute(Qt::WA_DeleteOnClose);
        slot = window;
        whenClosed(*window, [] { instanceSlot<Window>().clear(); });
    }
    return *slot;
}

// Makes a window visible (restoring it when minimised), raises it and gives it the focus.
void bringToFront(QWidget &window);

// Loads the window when needed and brings it to the front, modeless and without owner.
// A window that is open already keeps its contents.
template <class Window> Window &show() {
    Window &window = load<Window>();
    bringToFront(window);
    return window;
}

} // namespace ui
