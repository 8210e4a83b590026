// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "dialer/cc_help.h"

#include "ui/fonts.h"
#include "ui/help_text.h"
#include "ui/translation.h"
#include "ui/twips.h"

namespace {

// The help's fixed-pitch font. A Japanese text lines up its columns only in a font whose
// kana and kanji are exactly two Latin characters wide; a Latin fixed-pitch font leaves them
// to a fallback font of another width. (Its hinting, vertical only, keeps the widths exact:
// hinted across, a Latin character of half a kanji's width would round apart from it.)
QFont helpFont() {
    QFont font = ui::courierNewFont();
    const std::optional<QLocale> locale = ui::translatedLocale();
    if (locale && locale->language() == QLocale::Japanese)
        font.setFamilies(QStringList{QStringLiteral("Noto Sans Mono CJK JP"),
                                     QStringLiteral("Source Han Mono"),
                                     QStringLiteral("MS Gothic")} +
                         font.families());
    return font;
}

} // namespace

CcHelp::CcHelp(QWidget *parent) : QMainWindow(parent) {
    // One message a paragraph, so that a translator can break the lines anew; the
    // paragraphs stand apart by one empty line. The columns of the first line up only in a
    // fixed-pitch font.
    const QStringList paragraphs = {
        //: The help is shown in a fixed-pitch font in a box 54 columns wide (a CJK character
        //: takes two): keep every line within it, and the "+" and the digits of all six
        //: rows lined up in their columns. The digits are those of the other paragraphs.
        tr("Dialing sequence of international telephone number:\n"
           " Source country code         +        011-\n"
           " Destination country code    +        81-\n"
           " Domestic long distance code +        (0)-\n"
           " Domestic area code          +        3-\n"
           " Domestic station code       +        3456-\n"
           " Domestic telephone code              7890"),
        //: Help paragraph in a box 54 columns wide (a CJK character takes two); break the
        //: lines to fit and indent them by one blank. "Source country code" is the
        //: international access code dialled in the source country, as in the first
        //: paragraph.
        tr("Utility function:\n"
           " Source country code, destination country code,\n"
           " and domestic long distance code enclosed by\n"
           " parenthesis, 011-81-(0)- in the example above,\n"
           " are generated based upon both source and destination\n"
           " country information given."),
        //: Help paragraph in a box 54 columns wide (a CJK character takes two).
        tr("Examples:\n"
           "(A) International call (from USA to Japan)\n"
           "  Dial 011-81-3-3456-7890."),
        //: Help paragraph in a box 54 columns wide (a CJK character takes two).
        tr("(B) Domestic long distance call (from outside of\n"
           "  Tokyo, Japan to Tokyo, Japan)\n"
           "  Dial 0-3-3456-7890."),
        //: Help paragraph in a box 54 columns wide (a CJK character takes two).
        tr("(C) Domestic local call (within Tokyo)\n"
           "  Dial 3456-7890."),
        //: Last line of the help, in a box 54 columns wide (a CJK character takes two).
        tr("~ (tilde) denotes to wait until tone is returned."),
    };
    // The text box is larger than the client area on purpose: the window cuts off its right
    // and bottom edges.
    ui::buildHelpWindow(this,
                        {"cc_help", ui::twipsSize(5655, 6390), ui::twipsRect(0, 0, 5895, 6495),
                         ui::twipsPoint(9645, 330)},
                        helpFont(), {paragraphs.join(QStringLiteral("\n\n"))});
}
