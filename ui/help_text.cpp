#include "ui/help_text.h"

#include <QPalette>
#include <QPlainTextEdit>

#include "ui/colours.h"

namespace ui {

QPlainTextEdit *makeHelpText(QWidget *parent, QRect geometry, const QFont &font,
                             const QStringList &lines) {
    auto *text = new QPlainTextEdit(parent);
    text->setObjectName(QStringLiteral("Text1"));
    text->setGeometry(geometry);
    text->setFont(font);
    text->setReadOnly(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette palette = text->palette();
    palette.setColor(QPalette::Base, tooltipBackground());
    palette.setColor(QPalette::Text, palette.color(QPalette::ToolTipText));
    text->setPalette(palette);
    text->setPlainText(lines.join(QLatin1Char('\n')));
    return text;
}

} // namespace ui
