#pragma once

#include <QRect>
#include <QStringList>

class QFont;
class QPlainTextEdit;
class QWidget;

namespace ui {

// The fixed text box of a help window: read-only (the text can still be selected and
// copied), no scroll bars, tooltip background, named "Text1".
QPlainTextEdit *makeHelpText(QWidget *parent, QRect geometry, const QFont &font,
                             const QStringList &lines);

} // namespace ui
