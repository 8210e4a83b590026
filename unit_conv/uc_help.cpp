// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "unit_conv/uc_help.h"

#include "ui/fonts.h"
#include "ui/help_text.h"
#include "ui/twips.h"

namespace {

// Blanks at the ends of some lines are part of the text. The final empty entry ends the
// last line with a line break, as every other line is ended.
const QStringList kHelpLines = {
    QStringLiteral("Utility function:"),
    QStringLiteral(" When <Convert> is clicked after typing one or two numerical "),
    QStringLiteral("value(s) in window(s), numbers converted to each unit are "),
    QStringLiteral("generated and displayed in all windows at the same time."),
    QString(),
    QStringLiteral(" Five categories such as Length/Distance (1D), Area (2D), Volume "),
    QStringLiteral("(3D), Weight, and Temperature are independent each other."),
    QString(),
    QStringLiteral(" In Length/Distance, {feet + inch} allows to convert human beings' "),
    QStringLiteral("height to and from <cm> practically."),
    QString(),
    QString(),
    QStringLiteral("Examples:"),
    QStringLiteral("(A) Length/Distance"),
    QStringLiteral("  Input 180 in window of <cm> and click <Convert>."),
    QString(),
    QStringLiteral("(B) Length/Distance"),
    QStringLiteral("  Input 5 feet 11 inches to {feet + inch} and click <Convert>."),
    QString(),
};

} // namespace

UcHelp::UcHelp(QWidget *parent) : QMainWindow(parent) {
    // The text box is larger than the client area on purpose: the window cuts off its right
    // and bottom edges.
    ui::buildHelpWindow(this,
                        {"uc_help", ui::twipsSize(5820, 4200), ui::twipsRect(0, 0, 5895, 4215),
                         ui::twipsPoint(9480, 330)},
                        ui::verdanaFont(), kHelpLines);
}
