// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "ui/application_setup.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QPointer>
#include <QStyleFactory>

#include "ui/fonts.h"
#include "ui/plain_frame_style.h"
#include "ui/program_icon.h"

namespace ui {

namespace {

// Qt 6.4's Windows style paints edit boxes, buttons and drop-down lists with the light
// Windows theme whatever the colour scheme: under a dark scheme their text would stand light
// on white. Under a dark scheme the windows take Fusion instead, which paints with the
// scheme's colours (as Qt does itself from 6.5 on).
constexpr QLatin1String kLightOnlyStyle("windowsvista");

bool isDark(const QPalette &palette) {
    return palette.color(QPalette::Window).lightness() <
           palette.color(QPalette::WindowText).lightness();
}

class StyleChooser : public QObject {
public:
    explicit StyleChooser(const QString &platformStyle)
        : QObject(qApp), platformStyle_(platformStyle) {
        qApp->installEventFilter(this);
        choose();
    }

    bool eventFilter(QObject *watched, QEvent *event) override {
        // Setting a style sets the palette again: that change is the chooser's own.
        if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange && !choosing_)
            choose();
        return false;
    }

private:
    void choose() {
        const QString wanted = platformStyle_.compare(kLightOnlyStyle, Qt::CaseInsensitive) == 0 &&
                                       isDark(QApplication::palette())
                                   ? QStringLiteral("fusion")
                                   : platformStyle_;
        if (style_ && style_ == QApplication::style() &&
            style_->baseStyle()->name().compare(wanted, Qt::CaseInsensitive) == 0)
            return;
        choosing_ = true;
        style_ = new PlainFrameStyle(QStyleFactory::create(wanted));
        QApplication::setStyle(style_);
        choosing_ = false;
    }

    QString platformStyle_;
    QPointer<PlainFrameStyle> style_;
    bool choosing_ = false;
};

} // namespace

void setUpApplication() {
    static QPointer<StyleChooser> chooser;
    if (!chooser)
        chooser = new StyleChooser(QApplication::style()->name());
    QApplication::setWindowIcon(programIcon());
    QApplication::setFont(dialogFont());
}

} // namespace ui
