// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "dialer/cc_code.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

#include "dialer/cc_help.h"
#include "dialer/compose_dial_prefix.h"
#include "dialer/country_names.h"
#include "dialer/country_search.h"
#include "dialer/dialing_tables.h"
#include "dialer/findable_entries.h"
#include "dialer/list_order.h"
#include "ui/accessible_names.h"
#include "ui/colours.h"
#include "ui/controls.h"
#include "ui/labels.h"
#include "ui/list_choice.h"
#include "ui/translation.h"
#include "ui/twips.h"
#include "ui/window_frame.h"
#include "ui/window_registry.h"

namespace {

// An editable list of the table's entries that shows `prompt` until an item is chosen.
// In English the items stand in table order; in another language they are sorted as its
// readers sort. Each item carries its table index as its data, so that a chosen item
// composes its own entry's codes wherever it stands. Typed text never becomes an item.
template <class Table>
QComboBox *makeCountryList(QWidget *parent, const char *name, const Table &table,
                           const QString &prompt, QRect rect) {
    auto *list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setGeometry(rect);
    QStringList names;
    for (const auto &entry : table)
        names.append(dialer::countryName(entry.listText));
    std::vector<dialer::FindableEntry> findable;
    for (const qsizetype index : dialer::listOrder(names, ui::translatedLocale())) {
        list->addItem(names.at(index), static_cast<int>(index));
        findable.push_back(dialer::findableEntry(table[static_cast<std::size_t>(index)]));
    }
    list->setCurrentIndex(-1); // -1: no item chosen
    list->setEditText(prompt);
    dialer::addCountrySearch(list, findable);
    return list;
}

// The table index of the item the list shows as chosen; -1 when it shows none.
int chosenEntry(QComboBox *list) {
    const int position = ui::chooseShownItem(list);
    return position < 0 ? -1 : list->itemData(position).toInt();
}

} // namespace

CcCode::CcCode(QWidget *parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("cc_code"));
    setWindowTitle(tr("International Telephone Country Code"));
    ui::setCloseBoxOnly(this);
    ui::setBackground(this, ui::kToolBackground);

    //: Menu bar item that opens the help at once; "&" marks the access key.
    connect(ui::addMenuItem(menuBar(), "mnuHelp", tr("&Help")), &QAction::triggered, this,
            &CcCode::mnuHelp_Click);

    QWidget *client = ui::makeClientArea(this, ui::twipsSize(6255, 2070));
    //: Caption of the frame around the whole window: the telephone country code (81 for
    //: Japan) that the window composes.
    auto *frame = new QGroupBox(tr("Country code"), client);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(ui::twipsRect(120, 120, 6015, 1815));

    //: Label above the list of the countries a call is dialled from (161 pixels wide).
    QLabel *srcLabel = ui::makeLabel(frame, "Label6", tr("Source country"),
                                     ui::twipsRect(240, 360, 2415, 255), Qt::AlignHCenter);
    //: Shown in the source list's field until a country is chosen.
    src_ = makeCountryList(frame, "src", dialer::SourceAccessCodes, tr("Select Source Country"),
                           ui::twipsRect(240, 600, 2655, 315));
    ui::nameAfterLabel(src_, srcLabel);
    //: Label above the list of the countries a call goes to (161 pixels wide).
    QLabel *destLabel = ui::makeLabel(frame, "Label5", tr("Destination country"),
                                      ui::twipsRect(3120, 360, 2415, 255), Qt::AlignHCenter);
    //: Shown in the destination list's field until a country is chosen.
    dest_ = makeCountryList(frame, "dest", dialer::DestinationCodes,
                            tr("Select Destination Country"), ui::twipsRect(3120, 600, 2655, 315));
    ui::nameAfterLabel(dest_, destLabel);
    //: Label above the composed digits (113 pixels wide); they are dialled before the area
    //: code. The English ends in a blank; a translation need not.
    QLabel *outLabel = ui::makeLabel(frame, "Label4", tr("Dial this number first "),
                                     ui::twipsRect(2160, 1080, 1695, 255), Qt::AlignHCenter);

    out_ = new QLineEdit(frame);
    out_->setObjectName(QStringLiteral("out"));
    out_->setGeometry(ui::twipsRect(2280, 1320, 1455, 285));
    ui::nameAfterLabel(out_, outLabel);

    //: Button that composes the digits to dial; only 49 pixels wide.
    QPushButton *submit =
        ui::makeButton(frame, "Submit", tr("Submit"), ui::twipsRect(5040, 1200, 735, 375));
    connect(submit, &QPushButton::clicked, this, &CcCode::Submit_Click);

    setTabOrder(submit, out_);
    setTabOrder(out_, dest_);
    setTabOrder(dest_, src_);
    submit->setFocus();

    ui::placeClientArea(this, ui::twipsPoint(3780, 615));
}

void CcCode::Submit_Click() {
    const int source = chosenEntry(src_);
    const int destination = chosenEntry(dest_);
    // Without a country on both sides there is nothing to compose; the result stays.
    if (source < 0 || destination < 0)
        return;
    const std::optional<std::string> prefix = dialer::ComposeDialPrefix(
        static_cast<std::size_t>(source), static_cast<std::size_t>(destination));
    if (prefix)
        out_->setText(QString::fromStdString(*prefix));
}

void CcCode::mnuHelp_Click() {
    ui::show<CcHelp>();
}
