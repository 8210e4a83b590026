// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

// Every window in every language the program speaks: each translated text fits its
// control, and every control keeps the place and size it has in English.

#include <QtTest/QtTest>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <functional>

#include "app/plim_main.h"
#include "calendar/frm_calendar.h"
#include "dialer/cc_code.h"
#include "dialer/cc_help.h"
#include "tests/support/gui_test.h"
#include "ui/translation.h"
#include "ui/window_registry.h"
#include "unit_conv/u_conv.h"
#include "unit_conv/uc_help.h"
#include "wave/file_select.h"
#include "wave/wav_anal_main.h"

namespace {

struct WindowUnderTest {
    const char *name;
    std::function<QWidget *()> open;
};

const QList<WindowUnderTest> &windows() {
    static const QList<WindowUnderTest> all = {
        {"plim_main", [] { return &ui::show<PlimMain>(); }},
        {"u_conv", [] { return &ui::show<UConv>(); }},
        {"uc_help", [] { return &ui::show<UcHelp>(); }},
        {"cc_code", [] { return &ui::show<CcCode>(); }},
        {"cc_help", [] { return &ui::show<CcHelp>(); }},
        {"frmCalendar", [] { return &ui::show<FrmCalendar>(); }},
        {"wav_anal_main", [] { return &ui::show<WavAnalMain>(); }},
        {"File_select", [] { return &ui::show<FileSelect>(); }},
    };
    return all;
}

QString withoutAccessKeys(QString text) {
    text.replace(QLatin1String("&&"), QLatin1String("\x01"));
    text.remove(QLatin1Char('&'));
    return text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

int widestLine(const QFontMetrics &metrics, const QString &text) {
    int widest = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

// What a window shows, measured against the room each text has.
class Measure {
public:
    QStringList problems;
    int texts = 0;

    void window(QWidget *window) {
        for (auto *label : window->findChildren<QLabel *>())
            if (label->isVisibleTo(window) && !label->text().isEmpty())
                fits(label, widestLine(label->fontMetrics(), label->text()),
                     label->contentsRect().width());
        for (auto *button : window->findChildren<QPushButton *>()) {
            // The room the style paints the caption in.
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            const QRect room =
                button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            fits(button, button->fontMetrics().horizontalAdvance(withoutAccessKeys(button->text())),
                 room.width());
        }
        for (auto *frame : window->findChildren<QGroupBox *>()) {
            // The caption stands in the frame's line, indented from its left end.
            const int room = frame->width() - 2 * frame->fontMetrics().averageCharWidth();
            fits(frame, frame->fontMetrics().horizontalAdvance(frame->title()), room);
        }
        for (auto *list : window->findChildren<QComboBox *>())
            // A number is no translated text.
            if (list->lineEdit() && !list->currentText().isEmpty() &&
                !list->currentText().front().isDigit())
                fits(list, list->fontMetrics().horizontalAdvance(list->currentText()),
                     list->lineEdit()->width() - 4);
        for (auto *text : window->findChildren<QPlainTextEdit *>()) {
            // The window cuts the box off at the client area's edges: what is seen is that.
            const QWidget *client = text->parentWidget();
            const int seenWidth = std::min(text->viewport()->width(), client->width()) -
                                  2 * static_cast<int>(text->document()->documentMargin());
            fits(text, widestLine(text->fontMetrics(), text->toPlainText()), seenWidth);
            const int lines = static_cast<int>(text->toPlainText().count(QLatin1Char('\n'))) + 1;
            fits(text, lines * text->fontMetrics().lineSpacing(), client->height(), "lines");
        }
        if (auto *main = qobject_cast<QMainWindow *>(window); main && main->menuWidget()) {
            QMenuBar *bar = main->menuBar();
            for (QAction *action : bar->actions()) {
                ++texts;
                const QRect place = bar->actionGeometry(action);
                if (place.isEmpty() || place.right() >= bar->width())
                    problems << QStringLiteral("%1: menu \"%2\" is not on the menu bar")
                                    .arg(window->objectName(), action->text());
            }
        }
    }

private:
    void fits(const QWidget *control, int needed, int room, const char *what = "text") {
        ++texts;
        if (needed > room)
            problems << QStringLiteral("%1/%2: %3 needs %4 px, has %5")
                            .arg(control->window()->objectName(), control->objectName(),
                                 QLatin1String(what))
                            .arg(needed)
                            .arg(room);
    }
};

// Where every named control of a window stands. Of the window's own parts only the size of
// the client area counts: a menu bar is as high as its font needs.
QMap<QString, QRect> places(QWidget *window) {
    QMap<QString, QRect> result;
    for (auto *widget : window->findChildren<QWidget *>()) {
        const QString name = widget->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")))
            continue;
        result.insert(name, widget->parentWidget() == window ? QRect(QPoint(), widget->size())
                                                             : widget->geometry());
    }
    return result;
}

// A label may be narrower than in English, where a long caption grows it; never wider.
bool keepsPlace(QWidget *window, const QString &name, QRect english, QRect now) {
    if (qobject_cast<QLabel *>(window->findChild<QWidget *>(name)))
        return english.contains(now);
    return english == now;
}

} // namespace

class TestTranslatedWindows : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void textsFitTheirControls_data();
    void textsFitTheirControls();

private:
    QMap<QString, QMap<QString, QRect>> englishPlaces_;
    gui_test::ModalBoxWatcher boxes_;
};

void TestTranslatedWindows::initTestCase() {
    ui::installTranslation(QLocale::c());
    for (const WindowUnderTest &window : windows()) {
        QWidget *shown = window.open();
        englishPlaces_.insert(QLatin1String(window.name), places(shown));
    }
    gui_test::closeAllWindows();
}

void TestTranslatedWindows::cleanup() {
    ui::installTranslation(QLocale::c());
    gui_test::closeAllWindows();
    QVERIFY(boxes_.take().isEmpty());
}

void TestTranslatedWindows::textsFitTheirControls_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("Japanese") << QLocale(QLocale::Japanese, QLocale::Japan);
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany);
}

void TestTranslatedWindows::textsFitTheirControls() {
    QFETCH(QLocale, locale);
    QCOMPARE(ui::installTranslation(locale), locale.language());

    Measure measure;
    for (const WindowUnderTest &window : windows()) {
        QWidget *shown = window.open();
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        measure.window(shown);
        const QMap<QString, QRect> english = englishPlaces_.value(QLatin1String(window.name));
        const QMap<QString, QRect> now = places(shown);
        for (auto it = english.cbegin(); it != english.cend(); ++it)
            if (!keepsPlace(shown, it.key(), it.value(), now.value(it.key())))
                measure.problems << QStringLiteral(
                                        "%1/%2 moved or changed size: %3,%4 %5x%6 -> %7,%8 %9x%10")
                                        .arg(QLatin1String(window.name), it.key())
                                        .arg(it.value().x())
                                        .arg(it.value().y())
                                        .arg(it.value().width())
                                        .arg(it.value().height())
                                        .arg(now.value(it.key()).x())
                                        .arg(now.value(it.key()).y())
                                        .arg(now.value(it.key()).width())
                                        .arg(now.value(it.key()).height());
    }
    qInfo("%s: %d texts measured, %lld do not fit or moved", qPrintable(QTest::currentDataTag()),
          measure.texts, static_cast<long long>(measure.problems.size()));
    QVERIFY2(measure.problems.isEmpty(), qPrintable(measure.problems.join(QLatin1Char('\n'))));
}

ZENDREL_GUI_TEST_MAIN(TestTranslatedWindows)
#include "tst_translated_windows.moc"
