// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "tests/app/painted_text.h"

#include <QGroupBox>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>

#include <functional>

#include "ui/contrast.h"

namespace painted_text {

namespace {

struct Area {
    QString what;
    const QWidget *widget; // the rectangle is in this widget's coordinates
    QRect rect;
};

PaintedText measureArea(const QImage &picture, QPoint origin, const Area &area) {
    const qreal scale = picture.devicePixelRatio();
    const QRect logical = area.rect.translated(origin);
    const QRect pixels =
        QRectF(QPointF(logical.topLeft()) * scale, QSizeF(logical.size()) * scale).toAlignedRect() &
        picture.rect();
    QHash<QRgb, int> counts;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            ++counts[picture.pixel(x, y) | 0xff000000u];
    PaintedText found{area.what, {}, {}, 1};
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most) {
            most = it.value();
            found.background = QColor(it.key());
        }
    found.text = found.background;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        const double contrast = ui::contrastRatio(QColor(it.key()), found.background);
        if (contrast > found.contrast) {
            found.contrast = contrast;
            found.text = QColor(it.key());
        }
    }
    return found;
}

QRect groupBoxCaption(const QGroupBox *box) {
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.lineWidth = 1;
    option.textAlignment = box->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    return box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel,
                                        box);
}

// Where each item of a menu or a menu bar lies in it.
template <class MenuOrBar> std::function<QRect(QAction *)> geometryIn(const MenuOrBar *widget) {
    return [widget](QAction *action) { return widget->actionGeometry(action); };
}

void addMenuItems(const QWidget *menuOrBar, const std::function<QRect(QAction *)> &geometry,
                  QList<Area> &areas) {
    for (QAction *action : menuOrBar->actions())
        if (action->isVisible() && !action->isSeparator() && !action->text().isEmpty())
            areas.append({menuOrBar->objectName() + QLatin1Char(' ') + action->text(), menuOrBar,
                          geometry(action)});
}

QList<Area> textAreas(QWidget *window) {
    QList<Area> areas;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(window) || widget->window() != window)
            continue;
        const QString name = widget->objectName();
        if (auto *label = qobject_cast<QLabel *>(widget); label && !label->text().isEmpty())
            areas.append({name, label, label->contentsRect()});
        else if (auto *box = qobject_cast<QGroupBox *>(widget); box && !box->title().isEmpty())
            areas.append({name, box, groupBoxCaption(box)});
        else if (auto *edit = qobject_cast<QLineEdit *>(widget); edit && !edit->text().isEmpty())
            areas.append({name.isEmpty() ? edit->parentWidget()->objectName() : name, edit,
                          edit->rect().adjusted(3, 3, -3, -3)});
        else if (auto *button = qobject_cast<QPushButton *>(widget))
            areas.append({name, button, button->rect().adjusted(4, 4, -4, -4)});
        else if (auto *text = qobject_cast<QPlainTextEdit *>(widget))
            areas.append({name, text->viewport(), text->viewport()->rect().adjusted(2, 2, -2, -2)});
        else if (auto *bar = qobject_cast<QMenuBar *>(widget))
            addMenuItems(bar, geometryIn(bar), areas);
    }
    return areas;
}

void measureInto(QWidget *window, const QList<Area> &areas, QList<PaintedText> &found) {
    const QImage picture = window->grab().toImage();
    for (const Area &area : areas)
        found.append(measureArea(picture, area.widget->mapTo(window, QPoint()), area));
}

} // namespace

QList<PaintedText> measure(QWidget *window) {
    QList<PaintedText> found;
    measureInto(window, textAreas(window), found);
    // A menu that opens is a window of its own; a picture of it shows what the user sees.
    for (QMenu *menu : window->findChildren<QMenu *>()) {
        menu->ensurePolished();
        menu->adjustSize();
        QList<Area> items;
        addMenuItems(menu, geometryIn(menu), items);
        measureInto(menu, items, found);
    }
    return found;
}

} // namespace painted_text
