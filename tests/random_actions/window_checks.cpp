// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "tests/random_actions/window_checks.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTreeWidget>

#include <utility>

#include "tests/random_actions/wave_tree.h"
#include "wave/folder_listing.h"

namespace random_actions {

namespace {

QWidget *visibleWindow(const char *name) {
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && widget->objectName() == QLatin1String(name))
            return widget;
    return nullptr;
}

QString checkOneInstanceEach() {
    QHash<QString, int> counts;
    for (const QWidget *widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && !widget->objectName().isEmpty() &&
            ++counts[widget->objectName()] > 1)
            return QStringLiteral("two visible windows named %1").arg(widget->objectName());
    return {};
}

QString checkDialer() {
    const QWidget *dialer = visibleWindow("cc_code");
    if (!dialer)
        return {};
    // Each item stands for its own table entry, every entry once; a list that gained, lost or
    // mixed up an item would compose prefixes for the wrong countries.
    for (const auto &[name, entries] : {std::pair{"src", 270}, std::pair{"dest", 235}}) {
        const auto *list = dialer->findChild<QComboBox *>(QLatin1String(name));
        if (list->count() != entries)
            return QStringLiteral("dialer list %1 holds %2 items")
                .arg(QLatin1String(name))
                .arg(list->count());
        QList<bool> seen(entries, false);
        for (int i = 0; i < entries; ++i) {
            bool isNumber = false;
            const int entry = list->itemData(i).toInt(&isNumber);
            if (!isNumber || entry < 0 || entry >= entries || seen[entry])
                return QStringLiteral("dialer list %1: item %2 stands for entry %3")
                    .arg(QLatin1String(name))
                    .arg(i)
                    .arg(list->itemData(i).toString());
            seen[entry] = true;
        }
    }
    return {};
}

bool isWhite(const QLabel *cell) {
    return cell->autoFillBackground() && cell->palette().color(QPalette::Window) == Qt::white;
}

QString checkCalendar() {
    const QWidget *calendar = visibleWindow("frmCalendar");
    if (!calendar)
        return {};
    int shownDays = 0;
    int firstShown = -1;
    int whiteCells = 0;
    for (int i = 0; i < 37; ++i) {
        const auto *cell = calendar->findChild<QLabel *>(QStringLiteral("dateLabel_%1").arg(i));
        if (cell->isHidden())
            continue;
        if (firstShown < 0)
            firstShown = i;
        ++shownDays;
        if (cell->text().trimmed() != QString::number(shownDays))
            return QStringLiteral("calendar cell %1 shows \"%2\" as day %3")
                .arg(i)
                .arg(cell->text())
                .arg(shownDays);
        whiteCells += isWhite(cell);
    }
    if (firstShown < 0 || firstShown > 6 || shownDays < 28 || shownDays > 31)
        return QStringLiteral("calendar shows %1 days from cell %2").arg(shownDays).arg(firstShown);
    if (whiteCells > 1)
        return QStringLiteral("calendar shows %1 white cells").arg(whiteCells);
    return {};
}

QString checkFileSelect(const WaveTree &tree) {
    const QWidget *selection = visibleWindow("File_select");
    if (!selection)
        return {};
    const auto *folders = selection->findChild<QTreeWidget *>(QStringLiteral("Dir1"));
    const QString shown = folders->property("path").toString();
    if (!tree.contains(shown))
        return QStringLiteral("selection window browsed out of the test tree to %1").arg(shown);
    const auto *files = selection->findChild<QListWidget *>(QStringLiteral("File1"));
    const QString listed = files->property("path").toString();
    for (int i = 0; i < files->count(); ++i) {
        const QString name = files->item(i)->text();
        const QFileInfo file(listed + QLatin1Char('/') + name);
        if (!wave::IsWaveFileName(name) || !file.isFile())
            return QStringLiteral("File1 lists \"%1\", which is no wave file in %2")
                .arg(name, listed);
    }
    return {};
}

// Each row's boxes in the order Convert examines them; the button suffix names the row.
struct ConverterRow {
    QChar suffix;
    QStringList boxes;
};

const QList<ConverterRow> &converterRows() {
    static const QList<ConverterRow> rows{
        {u'l', {"cm", "m", "km", "inch", "foot", "yard", "mile", "feet_c", "inch_c"}},
        {u'a', {"m2", "km2", "tsubo", "ft2", "yd2", "ha", "acre"}},
        {u'v', {"l", "gal", "qt", "pt", "floz", "go", "sho"}},
        {u'w', {"g", "kg", "oz", "lb"}},
        {u't', {"dc", "df"}},
    };
    return rows;
}

// Boxes that the source of a Convert consists of: one box, or the filled boxes of the
// {feet + inch} pair when no single length box is filled.
QStringList sourceBoxes(const ConverterRow &row, const BoxTexts &texts) {
    const QStringList pair{QStringLiteral("feet_c"), QStringLiteral("inch_c")};
    for (const QString &box : row.boxes) {
        if (texts.value(box).isEmpty())
            continue;
        if (!pair.contains(box))
            return {box};
        QStringList filled;
        for (const QString &half : pair)
            if (!texts.value(half).isEmpty())
                filled.append(half);
        return filled;
    }
    return {};
}

} // namespace

QString checkWindows(const WaveTree &tree) {
    for (const QString &problem :
         {checkOneInstanceEach(), checkDialer(), checkCalendar(), checkFileSelect(tree)})
        if (!problem.isEmpty())
            return problem;
    return {};
}

BoxTexts converterTexts(const QWidget &converter) {
    BoxTexts texts;
    for (const ConverterRow &row : converterRows())
        for (const QString &box : row.boxes)
            texts.insert(box, converter.findChild<QLineEdit *>(box)->text());
    return texts;
}

QString checkConverterClick(const QString &button, const BoxTexts &before, const BoxTexts &after) {
    for (const ConverterRow &row : converterRows()) {
        const bool ownRow = button.endsWith(QLatin1Char('_') + row.suffix);
        const bool clear = button.startsWith(QLatin1String("clear"));
        for (const QString &box : row.boxes) {
            if (!ownRow && after[box] != before[box])
                return QStringLiteral("%1 changed %2 of another row").arg(button, box);
            if (ownRow && clear && !after[box].isEmpty())
                return QStringLiteral("%1 left %2 filled").arg(button, box);
        }
        if (!ownRow || clear)
            continue;
        for (const QString &box : sourceBoxes(row, before))
            if (after[box] != before[box])
                return QStringLiteral("%1 rewrote its source %2 from \"%3\" to \"%4\"")
                    .arg(button, box, before[box].left(40), after[box].left(40));
    }
    return {};
}

} // namespace random_actions
