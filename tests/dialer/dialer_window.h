// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

#include <QtTest/QtTest>

#include "dialer/cc_code.h"
#include "tests/support/gui_test.h"
#include "ui/window_registry.h"

// What the dialer tests look at in the dialer window.
namespace dialer_test {

struct Dialer {
    CcCode *window;
    QComboBox *src;
    QComboBox *dest;
    QLineEdit *out;
    QPushButton *submit;
};

inline Dialer openDialer() {
    CcCode &window = ui::show<CcCode>();
    return {&window, window.findChild<QComboBox *>(QStringLiteral("src")),
            window.findChild<QComboBox *>(QStringLiteral("dest")),
            window.findChild<QLineEdit *>(QStringLiteral("out")),
            window.findChild<QPushButton *>(QStringLiteral("Submit"))};
}

// The texts the search pops up, in the order shown.
inline QStringList foundTexts(QComboBox *list) {
    QStringList texts;
    QCompleter *completer = list->completer();
    if (!completer->popup()->isVisible())
        return texts;
    for (int row = 0; row < completer->completionModel()->rowCount(); ++row)
        texts << completer->completionModel()->index(row, 0).data().toString();
    return texts;
}

// Replaces the text of an editable list's field as an input method enters text that no key
// stands for (kana, full-width letters): character by character, each committed as the
// input method commits a conversion, after what the one before showed has appeared.
inline void enterIntoList(QComboBox *list, const QString &text) {
    QVERIFY(list && list->lineEdit());
    QTest::mouseClick(list->lineEdit(), Qt::LeftButton);
    list->lineEdit()->selectAll();
    QTest::keyClick(list->lineEdit(), Qt::Key_Backspace);
    for (const QChar character : text) {
        QInputMethodEvent commit;
        commit.setCommitString(QString(character));
        QCoreApplication::sendEvent(list->lineEdit(), &commit);
        gui_test::waitUntilAllShown();
    }
    QCOMPARE(list->currentText(), text);
}

inline void click(QPushButton *button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace dialer_test
