// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "unit_conv/uc_help.h"

#include "ui/fonts.h"
#include "ui/help_text.h"
#include "ui/twips.h"

namespace {

// One message, so that a translator can wrap the lines anew. Blanks at the ends of some
// lines are part of the text, and the last line ends with a line break as every other does.
// clang-format off
const char *const kHelpText = QT_TRANSLATE_NOOP(
    "UcHelp",
    "Utility function:\n"
    " When <Convert> is clicked after typing one or two numerical \n"
    "value(s) in window(s), numbers converted to each unit are \n"
    "generated and displayed in all windows at the same time.\n"
    "\n"
    " Five categories such as Length/Distance (1D), Area (2D), Volume \n"
    "(3D), Weight, and Temperature are independent each other.\n"
    "\n"
    " In Length/Distance, {feet + inch} allows to convert human beings' \n"
    "height to and from <cm> practically.\n"
    "\n"
    "\n"
    "Examples:\n"
    "(A) Length/Distance\n"
    "  Input 180 in window of <cm> and click <Convert>.\n"
    "\n"
    "(B) Length/Distance\n"
    "  Input 5 feet 11 inches to {feet + inch} and click <Convert>.\n");
// clang-format on

} // namespace

UcHelp::UcHelp(QWidget *parent) : QMainWindow(parent) {
    // The text box is larger than the client area on purpose: the window cuts off its right
    // and bottom edges.
    ui::buildHelpWindow(this,
                        {"uc_help", ui::twipsSize(5820, 4200), ui::twipsRect(0, 0, 5895, 4215),
                         ui::twipsPoint(9480, 330)},
                        ui::verdanaFont(), tr(kHelpText).split(QLatin1Char('\n')));
}
