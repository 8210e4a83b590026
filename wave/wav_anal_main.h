// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <QMainWindow>

class QLabel;
class QLineEdit;

// The wave file analyzer: shows the sampling frequency, mono or stereo, and the bits per
// sample of the file chosen in the selection window.
class WavAnalMain : public QMainWindow {
    Q_OBJECT

public:
    explicit WavAnalMain(QWidget *parent = nullptr);

    // Shows the header values of the file at `path`, or an error box when it cannot be read
    // (the values shown before then stay). Returns only after any box has been closed.
    void AnalyzeWaveFile(const QString &path);
    // The path the selection window handed over, shown in txtFile.
    void setFileText(const QString &path);

private slots:
    void file_open_Click();
    void exit_Click();

private:
    QLineEdit *txtFile_ = nullptr;
    QLabel *lblHz_ = nullptr;
    QLabel *lblChannels_ = nullptr;
    QLabel *lblBits_ = nullptr;
};
