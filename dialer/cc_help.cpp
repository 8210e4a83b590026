// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "dialer/cc_help.h"

#include "ui/fonts.h"
#include "ui/help_text.h"
#include "ui/twips.h"

namespace {

// The columns of the first lines line up only in a fixed-pitch font.
const QStringList kHelpLines = {
    QStringLiteral("Dialing sequence of international telephone number:"),
    QStringLiteral(" Source country code         +        011-"),
    QStringLiteral(" Destination country code    +        81-"),
    QStringLiteral(" Domestic long distance code +        (0)-"),
    QStringLiteral(" Domestic area code          +        3-"),
    QStringLiteral(" Domestic station code       +        3456-"),
    QStringLiteral(" Domestic telephone code              7890"),
    QString(),
    QStringLiteral("Utility function:"),
    QStringLiteral(" Source country code, destination country code,"),
    QStringLiteral(" and domestic long distance code enclosed by"),
    QStringLiteral(" parenthesis, 011-81-(0)- in the example above,"),
    QStringLiteral(" are generated based upon both source and destination"),
    QStringLiteral(" country information given."),
    QString(),
    QStringLiteral("Examples:"),
    QStringLiteral("(A) International call (from USA to Japan)"),
    QStringLiteral("  Dial 011-81-3-3456-7890."),
    QString(),
    QStringLiteral("(B) Domestic long distance call (from outside of"),
    QStringLiteral("  Tokyo, Japan to Tokyo, Japan)"),
    QStringLiteral("  Dial 0-3-3456-7890."),
    QString(),
    QStringLiteral("(C) Domestic local call (within Tokyo)"),
    QStringLiteral("  Dial 3456-7890."),
    QString(),
    QStringLiteral("~ (tilde) denotes to wait until tone is returned."),
};

} // namespace

CcHelp::CcHelp(QWidget *parent) : QMainWindow(parent) {
    // The text box is larger than the client area on purpose: the window cuts off its right
    // and bottom edges.
    ui::buildHelpWindow(this,
                        {"cc_help", ui::twipsSize(5655, 6390), ui::twipsRect(0, 0, 5895, 6495),
                         ui::twipsPoint(9645, 330)},
                        ui::courierNewFont(), kHelpLines);
}
