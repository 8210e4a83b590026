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
#include "dialer/country_search.h"
#include "dialer/dialing_tables.h"
#include "ui/accessible_names.h"
#include "ui/colours.h"
#include "ui/controls.h"
#include "ui/labels.h"
#include "ui/list_choice.h"
#include "ui/twips.h"
#include "ui/window_frame.h"
#include "ui/window_registry.h"

namespace {

// An editable list that shows `prompt` until an item is chosen. Typed text never becomes
// an item: the list position must stay the table index.
template <class Table>
QComboBox *makeCountryList(QWidget *parent, const char *name, const Table &table,
                           const QString &prompt, QRect rect) {
    auto *list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setGeometry(rect);
    for (const auto &entry : table)
        list->addItem(QString::fromUtf8(entry.listText.data(),
                                        static_cast<qsizetype>(entry.listText.size())));
    list->setCurrentIndex(-1); // -1: no item chosen
    list->setEditText(prompt);
    dialer::addCountrySearch(list);
    return list;
}

} // namespace

CcCode::CcCode(QWidget *parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("cc_code"));
    setWindowTitle(QStringLiteral("International Telephone Country Code"));
    ui::setCloseBoxOnly(this);
    ui::setBackground(this, ui::kToolBackground);

    connect(ui::addMenuItem(menuBar(), "mnuHelp", QStringLiteral("&Help")), &QAction::triggered,
            this, &CcCode::mnuHelp_Click);

    QWidget *client = ui::makeClientArea(this, ui::twipsSize(6255, 2070));
    auto *frame = new QGroupBox(QStringLiteral("Country code"), client);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(ui::twipsRect(120, 120, 6015, 1815));

    QLabel *srcLabel = ui::makeLabel(frame, "Label6", QStringLiteral("Source country"),
                                     ui::twipsRect(240, 360, 2415, 255), Qt::AlignHCenter);
    src_ = makeCountryList(frame, "src", dialer::SourceAccessCodes,
                           QStringLiteral("Select Source Country"),
                           ui::twipsRect(240, 600, 2655, 315));
    ui::nameAfterLabel(src_, srcLabel);
    QLabel *destLabel = ui::makeLabel(frame, "Label5", QStringLiteral("Destination country"),
                                      ui::twipsRect(3120, 360, 2415, 255), Qt::AlignHCenter);
    dest_ = makeCountryList(frame, "dest", dialer::DestinationCodes,
                            QStringLiteral("Select Destination Country"),
                            ui::twipsRect(3120, 600, 2655, 315));
    ui::nameAfterLabel(dest_, destLabel);
    QLabel *outLabel = ui::makeLabel(frame, "Label4", QStringLiteral("Dial this number first "),
                                     ui::twipsRect(2160, 1080, 1695, 255), Qt::AlignHCenter);

    out_ = new QLineEdit(frame);
    out_->setObjectName(QStringLiteral("out"));
    out_->setGeometry(ui::twipsRect(2280, 1320, 1455, 285));
    ui::nameAfterLabel(out_, outLabel);

    QPushButton *submit = ui::makeButton(frame, "Submit", QStringLiteral("Submit"),
                                         ui::twipsRect(5040, 1200, 735, 375));
    connect(submit, &QPushButton::clicked, this, &CcCode::Submit_Click);

    setTabOrder(submit, out_);
    setTabOrder(out_, dest_);
    setTabOrder(dest_, src_);
    submit->setFocus();

    ui::placeClientArea(this, ui::twipsPoint(3780, 615));
}

void CcCode::Submit_Click() {
    const int source = ui::chooseShownItem(src_);
    const int destination = ui::chooseShownItem(dest_);
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
