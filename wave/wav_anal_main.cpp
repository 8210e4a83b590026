// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "wave/wav_anal_main.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>

#include "ui/colours.h"
#include "ui/controls.h"
#include "ui/labels.h"
#include "ui/message_box.h"
#include "ui/twips.h"
#include "ui/window_frame.h"
#include "ui/window_registry.h"
#include "wave/file_select.h"
#include "wave/header_texts.h"
#include "wave/wave_header.h"

namespace {

// A caption above its value box; both centred, the box with a single-line border. A screen
// reader reads the value as the box's name, and the caption as the label it is labelled by.
QLabel *addValue(QWidget *frame, const char *captionName, const QString &caption,
                 const char *valueName, int left, int top) {
    QLabel *heading = ui::makeLabel(frame, captionName, caption,
                                    ui::twipsRect(left, top, 1455, 255), Qt::AlignHCenter);
    auto *value = new QLabel(frame);
    value->setObjectName(QLatin1String(valueName));
    value->setGeometry(ui::twipsRect(left, top + 240, 1455, 255));
    value->setAlignment(Qt::AlignCenter);
    value->setFrameStyle(QFrame::Box | QFrame::Plain);
    heading->setBuddy(value);
    // Qt would name an empty box after its caption, and the caption would be heard twice.
    //: What a screen reader says for a value box that shows nothing yet.
    value->setAccessibleName(QCoreApplication::translate("WavAnalMain", "none"));
    return value;
}

void showValue(QLabel *value, const QString &text) {
    value->setText(text);
    value->setAccessibleName(text);
}

} // namespace

WavAnalMain::WavAnalMain(QWidget *parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("wav_anal_main"));
    setWindowTitle(tr("Wave File Analyzer"));
    ui::setCloseBoxOnly(this);
    ui::setBackground(this, ui::kToolBackground);

    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("file"));
    connect(ui::addMenuItem(file, "file_open", tr("&Open")), &QAction::triggered, this,
            &WavAnalMain::file_open_Click);
    file->addSeparator()->setObjectName(QStringLiteral("bar"));
    connect(ui::addMenuItem(file, "exit", tr("E&xit")), &QAction::triggered, this,
            &WavAnalMain::exit_Click);

    QWidget *client = ui::makeClientArea(this, ui::twipsSize(3495, 2625));
    auto *fileFrame = new QGroupBox(tr("Filename"), client);
    fileFrame->setObjectName(QStringLiteral("Frame1"));
    fileFrame->setGeometry(ui::twipsRect(120, 120, 3255, 615));
    txtFile_ = new QLineEdit(fileFrame);
    txtFile_->setObjectName(QStringLiteral("txtFile"));
    txtFile_->setGeometry(ui::twipsRect(120, 240, 3015, 285));
    txtFile_->setAccessibleName(fileFrame->title());

    auto *headerFrame = new QGroupBox(tr("Header Information"), client);
    headerFrame->setObjectName(QStringLiteral("Frame2"));
    headerFrame->setGeometry(ui::twipsRect(120, 960, 3255, 1575));
    lblHz_ = addValue(headerFrame, "Label9", tr("Sampling frequency"), "lblHz", 120, 360);
    lblChannels_ = addValue(headerFrame, "Label7", tr("Channels"), "lblChannels", 1680, 360);
    lblBits_ = addValue(headerFrame, "Label3", tr("Bits per sample"), "lblBits", 120, 960);

    txtFile_->setFocus();
    ui::centreOnScreen(this);
}

void WavAnalMain::AnalyzeWaveFile(const QString &path) {
    const std::optional<wave::WaveHeaderInfo> info = wave::ReadWaveHeader(path);
    if (!info) {
        ui::showError(this, tr("Invalid wave file format"));
        return;
    }
    showValue(lblChannels_, wave::ChannelsText(info->channels));
    showValue(lblHz_, wave::FrequencyText(info->sampleRate, QLocale().decimalPoint()));
    showValue(lblBits_, wave::BitsText(info->bitsPerSample));
}

void WavAnalMain::setFileText(const QString &path) {
    txtFile_->setText(path);
}

void WavAnalMain::file_open_Click() {
    ui::show<FileSelect>();
}

void WavAnalMain::exit_Click() {
    close();
}
