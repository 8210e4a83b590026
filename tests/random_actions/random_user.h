// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <QRandomGenerator>
#include <QString>

#include <array>

class QLineEdit;
class QWidget;

namespace random_actions {

class WaveTree;

enum class ActionKind {
    MenuChoice,
    ShowMainWindow,
    TypeKeys,
    Paste,
    InputMethod,
    ClickButton,
    ChooseListItem,
    ClickFile,
    DoubleClickFile,
    OpenFolder,
    KeyPress,
    KeyboardMenu,
    CloseWindow,
};
constexpr std::size_t kActionKinds = 13;

const char *actionName(ActionKind kind);

// Acts as a user who does anything at random in the open windows: menus, typing, clicks,
// list choices, keys, closing windows. The selection window browses only inside `tree`.
class RandomUser {
public:
    RandomUser(QRandomGenerator &random, const WaveTree &tree);

    // Performs one action and returns its kind; `what` tells what was done, for replays.
    ActionKind act(QString &what);
    // What a check made during the last action found wrong; empty when nothing.
    QString problem() const { return problem_; }

private:
    bool chooseMenuItem(QString &what);
    bool typeText(ActionKind &kind, QString &what);
    bool clickButton(QString &what);
    bool chooseListItem(QString &what);
    bool clickFile(bool twice, QString &what);
    bool openFolder(QString &what);
    bool openSelectionWindow(ActionKind &kind, QString &what);
    bool pressKey(ActionKind &kind, QString &what);
    bool closeWindow(QString &what);
    void showMainWindow(QString &what);
    void useOpenMenu(QString &what);

    template <class Widget> Widget *anyVisible();
    QWidget *anyWindow();
    quint32 below(qsizetype count) { return random_.bounded(static_cast<quint32>(count)); }

    QRandomGenerator &random_;
    const WaveTree &tree_;
    QString problem_;
};

} // namespace random_actions
