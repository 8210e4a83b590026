// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "ui/window_frame.h"

#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QWidget>

namespace ui {

namespace {

QRect availableArea() {
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

} // namespace

void setCloseBoxOnly(QWidget *window) {
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
}

QWidget *makeClientArea(QMainWindow *window, QSize size, bool fixed) {
    auto *client = new QWidget(window);
    client->setObjectName(QStringLiteral("clientArea"));
    window->setCentralWidget(client);
    if (fixed) {
        client->setFixedSize(size);
        window->layout()->setSizeConstraint(QLayout::SetFixedSize);
    } else {
        client->setMinimumSize(0, 0);
        window->resize(size);
    }
    return client;
}

void placeClientArea(QMainWindow *window, QPoint topLeft) {
    window->layout()->activate();
    const int menuHeight = window->centralWidget() ? window->centralWidget()->y() : 0;
    const QRect area = availableArea();
    window->setGeometry(QRect(area.topLeft() + topLeft - QPoint(0, menuHeight), window->size()));
}

void placeAtScreenOrigin(QWidget *window) {
    window->move(availableArea().topLeft());
}

void centreOnScreen(QWidget *window) {
    if (window->layout())
        window->layout()->activate();
    QRect frame(QPoint(), window->size());
    frame.moveCenter(availableArea().center());
    window->move(frame.topLeft());
}

} // namespace ui
