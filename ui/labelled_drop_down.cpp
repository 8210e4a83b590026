// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "ui/labelled_drop_down.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QItemSelectionModel>

namespace ui {

namespace {

// Qt's own interface for a drop-down list, but for the name: the list's popup is its one
// child, and pressing it opens or closes the popup.
class LabelledDropDownAccessible : public QAccessibleWidget {
public:
    explicit LabelledDropDownAccessible(QComboBox *list)
        : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name)
            return list()->accessibleName();
        if (kind == QAccessible::Value)
            return list()->currentText();
        return QAccessibleWidget::text(kind);
    }

    int childCount() const override { return 1; }
    QAccessibleInterface *child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override {
        return child && child->object() == list()->view() ? 0 : -1;
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = list()->view()->isVisible();
        state.collapsed = !state.expanded;
        return state;
    }

    QStringList actionNames() const override {
        return QStringList{pressAction(), showMenuAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &action) override {
        if (action != pressAction() && action != showMenuAction()) {
            QAccessibleWidget::doAction(action);
        } else if (list()->view()->isVisible()) {
            list()->hidePopup();
        } else {
            list()->showPopup();
        }
    }

private:
    QComboBox *list() const { return static_cast<QComboBox *>(widget()); }
};

QAccessibleInterface *labelledDropDownFactory(const QString &className, QObject *object) {
    if (className != QLatin1String(LabelledDropDown::staticMetaObject.className()))
        return nullptr;
    return new LabelledDropDownAccessible(static_cast<QComboBox *>(object));
}

} // namespace

LabelledDropDown::LabelledDropDown(const QString &spokenName, QWidget *parent) : QComboBox(parent) {
    QAccessible::installFactory(labelledDropDownFactory); // once: Qt ignores a factory it holds
    setAccessibleName(spokenName);
    // The list selects the chosen item only while it is open; a screen reader reads the
    // selection at any time.
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        view()->selectionModel()->setCurrentIndex(
            model()->index(index, modelColumn(), rootModelIndex()),
            QItemSelectionModel::ClearAndSelect);
    });
}

} // namespace ui
