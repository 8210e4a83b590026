// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "unit_conv/u_conv.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

#include <array>
#include <limits>

#include "ui/accessible_names.h"
#include "ui/colours.h"
#include "ui/controls.h"
#include "ui/labels.h"
#include "ui/twips.h"
#include "ui/window_frame.h"
#include "ui/window_registry.h"
#include "unit_conv/conversions.h"
#include "unit_conv/row_editing.h"
#include "unit_conv/u_conv_layout.h"
#include "unit_conv/unit_relations.h"
#include "unit_conv/uc_help.h"

namespace layout = unit_conv::layout;

namespace {

QString translated(const char *text) {
    return QCoreApplication::translate("UConv", text);
}

// The designed coordinates are the client area's; controls live in their frame.
QRect inFrame(const layout::Frame &frame, int left, int top, int width, int height) {
    return ui::twipsRect(left - frame.left, top - frame.top, width, height);
}

QLineEdit *makeUnitBox(QWidget *frameWidget, const layout::Frame &frame,
                       const layout::UnitBox &design) {
    auto *box = new QLineEdit(frameWidget);
    box->setObjectName(QLatin1String(design.name));
    box->setGeometry(
        inFrame(frame, design.left, design.top, layout::kBoxWidth, layout::kBoxHeight));
    // No practical length limit: long pasted text is read (and rejected) as a whole.
    box->setMaxLength(std::numeric_limits<int>::max());
    if (design.label) {
        QLabel *label =
            ui::makeLabel(frameWidget, design.label, translated(design.caption),
                          inFrame(frame, design.labelLeft, design.top - layout::kLabelAbove,
                                  design.labelWidth, layout::kLabelHeight),
                          design.labelAlignment);
        label->setTextFormat(Qt::PlainText); // the pair's caption keeps its runs of blanks
        ui::nameAfterLabel(box, label);
    }
    if (design.spokenName)
        ui::setSpokenName(box, translated(design.spokenName));
    // The constants are rounded everyday figures: say which, to the listener and the mouse.
    const QString relation = QString::fromStdString(unit_conv::RelationText(
        design.name, unit_conv::localeSeparators(), [](const char *english) {
            return QCoreApplication::translate("UnitRelation", english).toStdString();
        }));
    box->setAccessibleDescription(relation);
    box->setToolTip(relation);
    return box;
}

} // namespace

UConv::UConv(QWidget *parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("u_conv"));
    setWindowTitle(tr("Unit Converter"));
    ui::setCloseBoxOnly(this);
    ui::setBackground(this, ui::kToolBackground);

    connect(ui::addMenuItem(menuBar(), "mnuHelp", tr("&Help")), &QAction::triggered, this,
            &UConv::mnuHelp_Click);

    QWidget *client = ui::makeClientArea(this, ui::twipsSize(9600, 7200));
    std::array<QGroupBox *, layout::kCategories> frames{};
    for (std::size_t i = 0; i < layout::kCategories; ++i) {
        const layout::Frame &design = layout::kFrames[i];
        frames[i] = new QGroupBox(translated(design.caption), client);
        frames[i]->setObjectName(QLatin1String(design.name));
        frames[i]->setGeometry(
            ui::twipsRect(design.left, design.top, design.width, layout::kFrameHeight));
    }

    std::array<Boxes *, layout::kCategories> rows{&length_, &area_, &volume_, &weight_,
                                                  &temperature_};
    for (const layout::UnitBox &design : layout::kUnitBoxes)
        rows[design.category]->append(
            makeUnitBox(frames[design.category], layout::kFrames[design.category], design));

    for (const layout::Button &design : layout::kButtons) {
        const layout::Frame &frame = layout::kFrames[design.category];
        // Not a default button: Enter and Escape trigger nothing.
        QPushButton *button = ui::makeButton(
            frames[design.category], design.name, translated(design.caption),
            inFrame(frame, design.left, design.top, layout::kButtonWidth, layout::kButtonHeight));
        // Five buttons share each caption: the name says the row, so that a listener can
        // tell them apart.
        //: A button's spoken name: %1 its caption (Convert, Clear), %2 the category it acts on.
        button->setAccessibleName(
            tr("%1 %2").arg(translated(design.caption), translated(frame.spokenCategory)));
    }
    connectButton("convert_l", &UConv::convert_l_Click);
    connectButton("convert_a", &UConv::convert_a_Click);
    connectButton("convert_v", &UConv::convert_v_Click);
    connectButton("convert_w", &UConv::convert_w_Click);
    connectButton("convert_t", &UConv::convert_t_Click);
    connectButton("clear_l", &UConv::clear_l_Click);
    connectButton("clear_a", &UConv::clear_a_Click);
    connectButton("clear_v", &UConv::clear_v_Click);
    connectButton("clear_w", &UConv::clear_w_Click);
    connectButton("clear_t", &UConv::clear_t_Click);

    QWidget *previous = nullptr;
    for (const char *name : layout::kFocusOrder) {
        auto *widget = findChild<QWidget *>(QLatin1String(name));
        if (previous)
            setTabOrder(previous, widget);
        previous = widget;
    }
    length_.first()->setFocus();

    ui::placeClientArea(this, ui::twipsPoint(2805, 2130));
}

void UConv::connectButton(const char *name, void (UConv::*handler)()) {
    connect(findChild<QPushButton *>(QLatin1String(name)), &QPushButton::clicked, this, handler);
}

void UConv::convert_l_Click() {
    unit_conv::convertBoxes(length_, unit_conv::ConvertLength);
}

void UConv::convert_a_Click() {
    unit_conv::convertBoxes(area_, unit_conv::ConvertArea);
}

void UConv::convert_v_Click() {
    unit_conv::convertBoxes(volume_, unit_conv::ConvertVolume);
}

void UConv::convert_w_Click() {
    unit_conv::convertBoxes(weight_, unit_conv::ConvertWeight);
}

void UConv::convert_t_Click() {
    unit_conv::convertBoxes(temperature_, unit_conv::ConvertTemperature);
}

void UConv::clear_l_Click() {
    unit_conv::clearBoxes(length_);
}

void UConv::clear_a_Click() {
    unit_conv::clearBoxes(area_);
}

void UConv::clear_v_Click() {
    unit_conv::clearBoxes(volume_);
}

void UConv::clear_w_Click() {
    unit_conv::clearBoxes(weight_);
}

void UConv::clear_t_Click() {
    unit_conv::clearBoxes(temperature_);
}

void UConv::mnuHelp_Click() {
    ui::show<UcHelp>();
}
