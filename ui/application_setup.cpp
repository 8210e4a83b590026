// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "ui/application_setup.h"

#include <QApplication>
#include <QIcon>

#include "ui/fonts.h"
#include "ui/plain_frame_style.h"
#include "ui/program_icon.h"

namespace ui {

void setUpApplication() {
    QApplication::setStyle(new PlainFrameStyle);
    QApplication::setWindowIcon(programIcon());
    QApplication::setFont(dialogFont());
}

} // namespace ui
