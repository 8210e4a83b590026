// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <QList>
#include <QMainWindow>

class QLineEdit;

// The unit converter: five rows of unit boxes, each with Convert (from the first filled
// box into all others) and Clear. All its state is the text of its boxes.
class UConv : public QMainWindow {
    Q_OBJECT

public:
    explicit UConv(QWidget *parent = nullptr);

private slots:
    void convert_l_Click();
    void convert_a_Click();
    void convert_v_Click();
    void convert_w_Click();
    void convert_t_Click();
    void clear_l_Click();
    void clear_a_Click();
    void clear_v_Click();
    void clear_w_Click();
    void clear_t_Click();
    void mnuHelp_Click();

private:
    using Boxes = QList<QLineEdit *>;

    void connectButton(const char *name, void (UConv::*handler)());

    // Boxes of each category, in examination order.
    Boxes length_, area_, volume_, weight_, temperature_;
};
