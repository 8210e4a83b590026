// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "calendar/frm_calendar.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

#include <algorithm>

#include "calendar/month_names.h"
#include "calendar/today.h"
#include "calendar/typed_month_year.h"
#include "ui/accessible_names.h"
#include "ui/colours.h"
#include "ui/fonts.h"
#include "ui/labels.h"
#include "ui/translation.h"
#include "ui/twips.h"
#include "ui/window_frame.h"

namespace {

constexpr int kFirstListedYear = 1000;
constexpr int kLastListedYear = 2200;

struct WeekdayHeader {
    const char *name;
    const char *caption; // as designed, in English; other languages take QLocale's names
    Qt::DayOfWeek day;
    int left; // twips within the frame
};

constexpr std::array<WeekdayHeader, 7> kWeekdayHeaders{{
    {"Label2", "Sun", Qt::Sunday, 120},
    {"Label3", "Mon", Qt::Monday, 600},
    {"Label4", "Tue", Qt::Tuesday, 1080},
    {"Label5", "Wed", Qt::Wednesday, 1560},
    {"Label6", "Thu", Qt::Thursday, 2040},
    {"Label7", "Fri", Qt::Friday, 2520},
    {"Label8", "Sat", Qt::Saturday, 3000},
}};

// An editable list whose field holds exactly what was typed: no completion that would
// turn a typed "19" into "1900", and typed text never becomes an item.
QComboBox *makeNumberList(QWidget *parent, const char *name, int first, int last, QRect rect) {
    auto *list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setCompleter(nullptr);
    list->setGeometry(rect);
    for (int number = first; number <= last; ++number)
        list->addItem(QString::number(number));
    return list;
}

// Shows `text` in the list's field, with its item current when it has one, so that the
// drop-down opens there.
void showInList(QComboBox *list, const QString &text) {
    list->setCurrentIndex(list->findText(text));
    list->setEditText(text);
}

// Some styles make the light 3D colour all but white; the day cells must still differ
// plainly from today's white cell.
QColor cellBackground() {
    const QColor light = ui::light3D();
    constexpr int kNearWhite = 236;
    if (std::min({light.red(), light.green(), light.blue()}) > kNearWhite)
        return light.darker(112);
    return light;
}

calendar::Date toDate(QDate date) {
    return {date.year(), date.month(), date.day()};
}

// The language the window is shown in, with its own ways of writing dates.
QLocale shownLocale() {
    return ui::translatedLocale().value_or(QLocale(QLocale::English, QLocale::UnitedStates));
}

// A translated window heads its columns with its language's short weekday names ("So",
// "日"); a listener hears the whole name, since a lone "日" also means "day" and "sun".
QLabel *makeWeekdayHeader(QWidget *frame, const WeekdayHeader &header) {
    const std::optional<QLocale> translated = ui::translatedLocale();
    const QString caption = translated
                                ? translated->standaloneDayName(header.day, QLocale::ShortFormat)
                                : QLatin1String(header.caption);
    QLabel *label = ui::makeLabel(frame, header.name, caption,
                                  ui::twipsRect(header.left, 240, 375, 255), Qt::AlignHCenter);
    if (translated)
        label->setAccessibleName(translated->standaloneDayName(header.day, QLocale::LongFormat));
    return label;
}

// What a screen reader says for a day cell: the whole date, in the window's language.
QString spokenDate(QDate date) {
    //: How a screen reader names a day cell. A QLocale date format: d day, M month number,
    //: MMMM month name, yyyy year, dddd weekday name; Latin letters meant as text go in
    //: single quotes. For example "yyyy年M月d日dddd", "dddd, d. MMMM yyyy".
    return shownLocale().toString(date, FrmCalendar::tr("dddd d MMMM yyyy"));
}

} // namespace

FrmCalendar::FrmCalendar(QWidget *parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmCalendar"));
    //: The window's title.
    setWindowTitle(tr("Calendar"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    ui::setBackground(this, ui::kToolBackground);

    // Resizable, but the controls keep their designed places.
    QWidget *client = ui::makeClientArea(this, ui::twipsSize(3750, 3750), false);
    //: The caption of the frame round the month grid and the two lists.
    auto *frame = new QGroupBox(tr("Calendar"), client);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(ui::twipsRect(120, 120, 3495, 3495));

    const QFont verdana = ui::verdanaFont();
    for (const WeekdayHeader &header : kWeekdayHeaders) {
        QLabel *label = makeWeekdayHeader(frame, header);
        label->setFont(verdana);
        ui::keepTextVisible(label);
    }
    QLabel *sunday = frame->findChild<QLabel *>(QStringLiteral("Label2"));
    QPalette red = sunday->palette();
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    sunday->setPalette(red);

    // The cells sit on a see-through sheet at the frame's origin, so their places stay the
    // frame's. Qt names a label with neither text nor name of its own after the frame it
    // lies in; on the sheet a hidden cell has no name at all.
    grid_ = new QWidget(frame);
    grid_->setGeometry(ui::twipsRect(0, 0, 3495, 600 + 360 * 5 + 255));
    for (std::size_t i = 0; i < dateLabel_.size(); ++i) {
        const int column = static_cast<int>(i % 7); // 0 = Sunday
        const int row = static_cast<int>(i / 7);
        const QByteArray name = "dateLabel_" + QByteArray::number(static_cast<int>(i));
        dateLabel_[i] = ui::makeLabel(grid_, name.constData(), QString(),
                                      ui::twipsRect(120 + 480 * column, 600 + 360 * row, 375, 255),
                                      Qt::AlignHCenter);
        dateLabel_[i]->setFont(verdana);
    }

    //: Caption of the month list, 41 pixels wide.
    QLabel *monthLabel = ui::makeLabel(frame, "Label11", tr("Month"),
                                       ui::twipsRect(480, 3120, 615, 255), Qt::AlignRight);
    monthList_ = makeNumberList(frame, "MonthList", 1, 12, ui::twipsRect(1200, 3000, 615, 315));
    ui::nameAfterLabel(monthList_, monthLabel);
    //: Caption of the year list, 33 pixels wide.
    QLabel *yearLabel = ui::makeLabel(frame, "Label10", tr("Year"),
                                      ui::twipsRect(2040, 3120, 495, 255), Qt::AlignRight);
    yearList_ = makeNumberList(frame, "YearList", kFirstListedYear, kLastListedYear,
                               ui::twipsRect(2640, 3000, 735, 315));
    ui::nameAfterLabel(yearList_, yearLabel);

    // Choosing an item, even the one already chosen, lays the month out again; so does
    // confirming a field: Enter, or leaving it, which is also how a screen reader that
    // sets the field's text moves on.
    connect(monthList_, &QComboBox::activated, this, &FrmCalendar::MonthList_Click);
    connect(yearList_, &QComboBox::activated, this, &FrmCalendar::YearList_Click);
    connect(monthList_->lineEdit(), &QLineEdit::editingFinished, this,
            &FrmCalendar::fieldConfirmed);
    connect(yearList_->lineEdit(), &QLineEdit::editingFinished, this, &FrmCalendar::fieldConfirmed);

    setTabOrder(monthList_, yearList_);
    monthList_->setFocus();

    ui::placeClientArea(this, ui::twipsPoint(6075, 1410));
    Form_Load();
    // The cells' light 3D colour is the scheme's.
    ui::onColourSchemeChange(this, [this] { FillCalendar(); });
}

void FrmCalendar::Form_Load() {
    shownDate_ = calendar::today();
    showShownMonthInLists();
    FillCalendar();
}

void FrmCalendar::FillCalendar() {
    const calendar::MonthLayout layout =
        calendar::LayoutMonth(shownDate_.month(), shownDate_.year(), toDate(calendar::today()));
    firstWeekday_ = layout.firstWeekday;
    //: How a screen reader names the month grid. A QLocale date format: MMMM month name,
    //: M month number, yyyy year; Latin letters meant as text go in single quotes. For
    //: example "yyyy年M月".
    grid_->setAccessibleName(shownLocale().toString(shownDate_, tr("MMMM yyyy")));
    const QColor light = cellBackground();
    // Cell firstWeekday - 1 holds day 1.
    const QDate beforeCell0 =
        QDate(shownDate_.year(), shownDate_.month(), 1).addDays(-firstWeekday_ + 1);
    for (std::size_t i = 0; i < dateLabel_.size(); ++i) {
        const calendar::CellState &cell = layout.cells[i];
        QLabel *label = dateLabel_[i];
        if (!cell.visible) {
            // Unseen, but a screen reader would still find a stale day by its name.
            label->hide();
            label->clear();
            label->setAccessibleName(QString());
            continue;
        }
        ui::setBackground(label,
                          cell.background == calendar::Background::White ? Qt::white : light);
        label->setText(QString::fromStdString(cell.caption));
        label->setAccessibleName(spokenDate(beforeCell0.addDays(static_cast<qint64>(i))));
        label->show();
    }
    HighlightToday();
}

void FrmCalendar::HighlightToday() {
    const std::optional<std::size_t> cell = calendar::todayCell(
        shownDate_.month(), shownDate_.year(), firstWeekday_, toDate(calendar::today()));
    if (cell) {
        QLabel *label = dateLabel_[*cell];
        ui::setBackground(label, Qt::white);
        // White alone is lost on a listener.
        //: How a screen reader names today's day cell: %1 is the date, as spoken for a day.
        label->setAccessibleName(tr("%1, today").arg(spokenDate(calendar::today())));
    }
}

void FrmCalendar::MonthList_Click() {
    showTypedMonth();
}

void FrmCalendar::YearList_Click() {
    showTypedMonth();
}

void FrmCalendar::fieldConfirmed() {
    // Opening a list's drop-down takes the focus from its field; the choice comes next.
    if (QApplication::activePopupWidget())
        return;
    showTypedMonth();
}

// Lays out the month and year the two fields hold; a month may be typed as its name, in the
// window's language or in English. Text that is no month or no year is refused: the month
// shown stays. Either way the fields show the month shown, by its number.
void FrmCalendar::showTypedMonth() {
    const std::optional<int> month =
        calendar::readTypedMonth(monthList_->currentText(), shownLocale());
    const std::optional<int> year =
        calendar::parseTypedYear(yearList_->currentText().toStdString());
    if (month && year) {
        shownDate_ = QDate(*year, *month, 1);
        FillCalendar();
    }
    showShownMonthInLists();
}

void FrmCalendar::showShownMonthInLists() {
    showInList(monthList_, QString::number(shownDate_.month()));
    showInList(yearList_, QString::number(shownDate_.year()));
}
