// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "tests/random_actions/random_user.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest/QtTest>

#include <algorithm>

#include "app/plim_main.h"
#include "tests/random_actions/random_text.h"
#include "tests/random_actions/wave_tree.h"
#include "tests/random_actions/window_checks.h"
#include "tests/support/gui_test.h"
#include "ui/window_registry.h"
#include "wave/drives.h"
#include "wave/wav_anal_main.h"

namespace random_actions {

namespace {

constexpr std::array<const char *, kActionKinds> kActionNames{
    "menu choice",       "main window shown again",
    "text typed",        "text pasted",
    "text composed",     "button click",
    "list choice",       "file click",
    "file double-click", "folder list click",
    "key press",         "menu choice by keyboard",
    "window closed",
};

// Draws from a table of {weight, kind}; the weights need not add up to anything.
struct Weighted {
    int weight;
    ActionKind kind;
};
constexpr std::array<Weighted, 8> kWeights{{
    {12, ActionKind::MenuChoice},
    {30, ActionKind::TypeKeys},
    {15, ActionKind::ClickButton},
    {10, ActionKind::ChooseListItem},
    {6, ActionKind::ClickFile},
    {6, ActionKind::OpenFolder},
    {16, ActionKind::KeyPress},
    {5, ActionKind::CloseWindow},
}};

bool isOpenWindow(const QWidget *widget) {
    return widget->isVisible() && widget->windowType() != Qt::Popup &&
           widget->windowType() != Qt::ToolTip && !widget->objectName().isEmpty();
}

// The open windows in a fixed order: Qt lists top-level windows in no particular order,
// and a replay must meet them in the same one.
QList<QWidget *> openWindows() {
    QList<QWidget *> open;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (isOpenWindow(window))
            open.append(window);
    std::sort(open.begin(), open.end(),
              [](const QWidget *a, const QWidget *b) { return a->objectName() < b->objectName(); });
    return open;
}

QString nameOf(const QWidget *widget) {
    return widget->window()->objectName() + QLatin1Char('/') + widget->objectName();
}

QList<QAction *> menuItems(QMainWindow *window) {
    QList<QAction *> items;
    for (QAction *action : window->menuBar()->actions()) {
        if (!action->menu()) {
            items.append(action);
            continue;
        }
        for (QAction *item : action->menu()->actions())
            if (!item->isSeparator())
                items.append(item);
    }
    return items;
}

// Types one key per character, as a keyboard does; other characters (beyond ASCII, or
// control characters) come as the text of an otherwise unknown key, as keyboard layouts
// and compose keys deliver them.
void typeKeys(QWidget *box, const QString &text) {
    for (qsizetype i = 0; i < text.size();) {
        const bool pair =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        const QString character = text.mid(i, pair ? 2 : 1);
        const char16_t unit = character.at(0).unicode();
        if (unit == u'\t')
            QTest::keyClick(box, Qt::Key_Tab);
        else if (unit == u'\n')
            QTest::keyClick(box, Qt::Key_Return);
        else if (unit >= 0x20 && unit < 0x7F)
            QTest::keyClick(box, static_cast<char>(unit));
        else
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, character, Qt::NoModifier);
        i += character.size();
        gui_test::waitUntilAllShown();
    }
}

// An input method (for Chinese or Japanese, say) hands over whole runs of text at once.
void composeText(QWidget *box, const QString &text) {
    QInputMethodEvent event(QStringLiteral("\u3042"), {});
    QCoreApplication::sendEvent(box, &event);
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QCoreApplication::sendEvent(box, &commit);
}

// Keys a user presses anywhere, and the Alt+letter access keys of the menus and beyond.
struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};
constexpr std::array<Key, 22> kKeys{{
    {Qt::Key_Return, Qt::NoModifier},     {Qt::Key_Enter, Qt::KeypadModifier},
    {Qt::Key_Escape, Qt::NoModifier},     {Qt::Key_Tab, Qt::NoModifier},
    {Qt::Key_Backtab, Qt::ShiftModifier}, {Qt::Key_Up, Qt::NoModifier},
    {Qt::Key_Down, Qt::NoModifier},       {Qt::Key_Left, Qt::NoModifier},
    {Qt::Key_Right, Qt::NoModifier},      {Qt::Key_Home, Qt::NoModifier},
    {Qt::Key_End, Qt::NoModifier},        {Qt::Key_PageUp, Qt::NoModifier},
    {Qt::Key_PageDown, Qt::NoModifier},   {Qt::Key_Backspace, Qt::NoModifier},
    {Qt::Key_Delete, Qt::NoModifier},     {Qt::Key_Space, Qt::NoModifier},
    {Qt::Key_O, Qt::AltModifier},         {Qt::Key_H, Qt::AltModifier},
    {Qt::Key_F, Qt::AltModifier},         {Qt::Key_X, Qt::AltModifier},
    {Qt::Key_Z, Qt::ControlModifier},     {Qt::Key_A, Qt::ControlModifier},
}};

bool isActivation(Qt::Key key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

bool movesThroughList(Qt::Key key) {
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
           key == Qt::Key_PageDown || key == Qt::Key_Home || key == Qt::Key_End ||
           key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Space;
}

// A click at the centre of a row of an item view, scrolled into sight first.
void clickRow(QAbstractItemView *view, const QModelIndex &index, bool twice) {
    view->scrollTo(index);
    const QPoint centre = view->visualRect(index).center();
    if (twice)
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre);
    else
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
}

} // namespace

const char *actionName(ActionKind kind) {
    return kActionNames[static_cast<std::size_t>(kind)];
}

RandomUser::RandomUser(QRandomGenerator &random, const WaveTree &tree)
    : random_(random), tree_(tree) {}

ActionKind RandomUser::act(QString &what) {
    problem_.clear();
    const bool mainShown = ui::loaded<PlimMain>() && ui::loaded<PlimMain>()->isVisible();
    if (!anyWindow() || (!mainShown && random_.bounded(8) == 0)) {
        showMainWindow(what);
        return ActionKind::ShowMainWindow;
    }
    int total = 0;
    for (const Weighted &entry : kWeights)
        total += entry.weight;
    for (;;) {
        int draw = random_.bounded(total);
        ActionKind kind = kWeights.back().kind;
        for (const Weighted &entry : kWeights) {
            if (draw < entry.weight) {
                kind = entry.kind;
                break;
            }
            draw -= entry.weight;
        }
        bool done = false;
        switch (kind) {
        case ActionKind::MenuChoice:
            done = chooseMenuItem(what);
            break;
        case ActionKind::TypeKeys:
            done = typeText(kind, what);
            break;
        case ActionKind::ClickButton:
            done = clickButton(what);
            break;
        case ActionKind::ChooseListItem:
            done = chooseListItem(what);
            break;
        case ActionKind::ClickFile:
            kind = random_.bounded(3) == 0 ? ActionKind::DoubleClickFile : kind;
            done = clickFile(kind == ActionKind::DoubleClickFile, what) ||
                   openSelectionWindow(kind, what);
            break;
        case ActionKind::OpenFolder:
            done = openFolder(what) || openSelectionWindow(kind, what);
            break;
        case ActionKind::KeyPress:
            done = pressKey(kind, what);
            break;
        case ActionKind::CloseWindow:
            done = closeWindow(what);
            break;
        default:
            break;
        }
        if (done)
            return kind;
    }
}

template <class Widget> Widget *RandomUser::anyVisible() {
    QList<Widget *> found;
    for (QWidget *window : openWindows()) {
        for (Widget *widget : window->findChildren<Widget *>())
            if (widget->isVisible() && widget->isEnabled())
                found.append(widget);
    }
    return found.isEmpty() ? nullptr : found.at(below(found.size()));
}

QWidget *RandomUser::anyWindow() {
    const QList<QWidget *> open = openWindows();
    return open.isEmpty() ? nullptr : open.at(below(open.size()));
}

void RandomUser::showMainWindow(QString &what) {
    ui::show<PlimMain>();
    what = QStringLiteral("show plim_main");
}

bool RandomUser::chooseMenuItem(QString &what) {
    auto *window = qobject_cast<QMainWindow *>(anyWindow());
    if (!window)
        return false;
    const QList<QAction *> items = menuItems(window);
    if (items.isEmpty())
        return false;
    QAction *item = items.at(below(items.size()));
    what = QStringLiteral("menu %1/%2").arg(window->objectName(), item->objectName());
    item->trigger();
    return true;
}

// A user who wants to pick a file opens the selection window from the analyzer's menu.
bool RandomUser::openSelectionWindow(ActionKind &kind, QString &what) {
    QWidget *analyzer = ui::loaded<WavAnalMain>();
    if (!analyzer || !analyzer->isVisible())
        return false;
    kind = ActionKind::MenuChoice;
    what = QStringLiteral("menu wav_anal_main/file_open");
    analyzer->findChild<QAction *>(QStringLiteral("file_open"))->trigger();
    return true;
}

bool RandomUser::typeText(ActionKind &kind, QString &what) {
    QLineEdit *box = anyVisible<QLineEdit>();
    if (!box || box->isReadOnly())
        return false;
    QTest::mouseClick(box, Qt::LeftButton);
    if (random_.bounded(2))
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier); // the text typed replaces all
    const QString text = randomText(random_);
    if (text.size() > kLongText) {
        kind = ActionKind::Paste;
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    } else if (random_.bounded(4) == 0) {
        kind = ActionKind::InputMethod;
        composeText(box, text);
    } else {
        typeKeys(box, text);
    }
    what = QStringLiteral("%1 %2 characters into %3 (starting \"%4\")")
               .arg(QLatin1String(actionName(kind)))
               .arg(text.size())
               .arg(nameOf(box), text.left(20));
    return true;
}

bool RandomUser::clickButton(QString &what) {
    QPushButton *button = anyVisible<QPushButton>();
    if (!button)
        return false;
    what = QStringLiteral("click %1").arg(nameOf(button));
    QWidget *window = button->window();
    if (window->objectName() != QLatin1String("u_conv")) {
        QTest::mouseClick(button, Qt::LeftButton);
        return true;
    }
    const BoxTexts before = converterTexts(*window);
    QTest::mouseClick(button, Qt::LeftButton);
    problem_ = checkConverterClick(button->objectName(), before, converterTexts(*window));
    return true;
}

bool RandomUser::chooseListItem(QString &what) {
    QComboBox *list = anyVisible<QComboBox>();
    if (!list || list->count() == 0)
        return false;
    int index = static_cast<int>(below(list->count()));
    // Other drives would browse the whole machine; the test keeps to its own tree.
    if (list->objectName() == QLatin1String("Drive1"))
        index = list->findData(wave::DriveOf(tree_.root()));
    if (index < 0)
        return false;
    what = QStringLiteral("choose item %1 of %2").arg(index).arg(nameOf(list));
    gui_test::chooseListItem(list, index);
    return true;
}

bool RandomUser::clickFile(bool twice, QString &what) {
    auto *files = anyVisible<QListWidget>();
    if (!files || files->count() == 0)
        return false;
    const int row = static_cast<int>(below(files->count()));
    what = QStringLiteral("%1 \"%2\" in %3")
               .arg(twice ? QStringLiteral("double-click") : QStringLiteral("click"),
                    files->item(row)->text(), nameOf(files));
    clickRow(files, files->model()->index(row, 0), twice);
    return true;
}

bool RandomUser::openFolder(QString &what) {
    auto *folders = anyVisible<QTreeWidget>();
    if (!folders)
        return false;
    QList<QTreeWidgetItem *> inside;
    for (QTreeWidgetItemIterator it(folders); *it; ++it)
        if (tree_.contains((*it)->data(0, Qt::UserRole).toString()))
            inside.append(*it);
    if (inside.isEmpty())
        return false;
    QTreeWidgetItem *item = inside.at(below(inside.size()));
    const bool twice = random_.bounded(4) != 0; // a double-click opens the folder
    what = QStringLiteral("%1 folder %2")
               .arg(twice ? QStringLiteral("double-click") : QStringLiteral("click"),
                    item->data(0, Qt::UserRole).toString());
    clickRow(folders, folders->indexFromItem(item), twice);
    return true;
}

bool RandomUser::pressKey(ActionKind &kind, QString &what) {
    QWidget *target = QApplication::focusWidget();
    if (!target || !isOpenWindow(target->window())) {
        QWidget *window = anyWindow();
        target = window && window->focusWidget() ? window->focusWidget() : window;
    }
    if (!target)
        return false;
    const Key key = kKeys[below(kKeys.size())];
    // Keys that would lead the selection window out of the test's folder tree.
    if (auto *folders = qobject_cast<QTreeWidget *>(target); folders && isActivation(key.key)) {
        const QTreeWidgetItem *current = folders->currentItem();
        if (!current || !tree_.contains(current->data(0, Qt::UserRole).toString()))
            return false;
    }
    if (target->objectName() == QLatin1String("Drive1") && movesThroughList(key.key))
        return false;
    what = QStringLiteral("key %1 into %2")
               .arg(QKeySequence(key.key | key.modifiers).toString(), nameOf(target));
    QTest::keyClick(target, key.key, key.modifiers);
    gui_test::waitUntilAllShown();
    if (qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
        kind = ActionKind::KeyboardMenu;
        useOpenMenu(what);
    }
    return true;
}

// An access key opened a menu: go down a few items and press Enter, or leave it.
void RandomUser::useOpenMenu(QString &what) {
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    if (random_.bounded(4) == 0) {
        QTest::keyClick(menu, Qt::Key_Escape);
        what += QStringLiteral(", Escape");
        return;
    }
    const int steps = static_cast<int>(random_.bounded(6));
    for (int i = 0; i < steps; ++i) {
        QTest::keyClick(menu, Qt::Key_Down);
        gui_test::waitUntilAllShown();
    }
    what += QStringLiteral(", Down %1 times, Enter").arg(steps);
    QTest::keyClick(menu, Qt::Key_Return);
}

bool RandomUser::closeWindow(QString &what) {
    QWidget *window = anyWindow();
    if (!window)
        return false;
    what = QStringLiteral("close %1").arg(window->objectName());
    gui_test::waitBeforeHiding(window);
    window->close();
    return true;
}

} // namespace random_actions
