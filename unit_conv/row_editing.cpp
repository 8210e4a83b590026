#include "unit_conv/row_editing.h"

#include <QLineEdit>
#include <QLocale>

namespace unit_conv {

Separators localeSeparators() {
    const QLocale locale;
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

void convertBoxes(const QList<QLineEdit *> &boxes, Conversion convert) {
    UnitRow row;
    row.reserve(static_cast<std::size_t>(boxes.size()));
    for (const QLineEdit *box : boxes)
        row.push_back(box->text().toStdString());
    // A failed conversion has no message: the boxes it wrote before failing show that.
    convert(row, localeSeparators());
    for (qsizetype i = 0; i < boxes.size(); ++i) {
        const QString text = QString::fromStdString(row[static_cast<std::size_t>(i)]);
        if (boxes[i]->text() != text)
            boxes[i]->setText(text);
    }
}

void clearBoxes(const QList<QLineEdit *> &boxes) {
    for (QLineEdit *box : boxes)
        box->clear();
}

} // namespace unit_conv
