// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "ui/help_text.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMainWindow>
#include <QPalette>
#include <QPlainTextEdit>

#include "ui/colours.h"
#include "ui/contrast.h"
#include "ui/window_frame.h"

namespace ui {

void buildHelpWindow(QMainWindow *window, const HelpWindowDesign &design, const QFont &font,
                     const QStringList &lines) {
    window->setObjectName(QLatin1String(design.name));
    //: Title of the converter's and the dialer's help windows.
    window->setWindowTitle(QCoreApplication::translate("HelpWindow", "Help"));
    setCloseBoxOnly(window);
    QWidget *client = makeClientArea(window, design.clientSize);

    auto *text = new QPlainTextEdit(client);
    text->setObjectName(QStringLiteral("Text1"));
    text->setAccessibleName(window->windowTitle());
    text->setGeometry(design.textGeometry);
    text->setFont(font);
    text->setReadOnly(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The scheme's tooltip pair, taken anew when the scheme changes; its text colour is
    // checked, since a scheme may pair a dark tooltip background with no tooltip text.
    const auto colourText = [text] {
        QPalette palette = text->palette();
        const QColor background = tooltipBackground();
        palette.setColor(QPalette::Base, background);
        palette.setColor(QPalette::Text, readableText(background, QApplication::palette().color(
                                                                      QPalette::ToolTipText)));
        text->setPalette(palette);
    };
    colourText();
    onColourSchemeChange(text, colourText);
    text->setPlainText(lines.join(QLatin1Char('\n')));
    text->setFocus();

    placeClientArea(window, design.clientPosition);
}

} // namespace ui
