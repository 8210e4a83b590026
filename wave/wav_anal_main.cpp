#include "wave/wav_anal_main.h"

#include "ui/window_frame.h"

WavAnalMain::WavAnalMain(QWidget *parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("wav_anal_main"));
    setWindowTitle(QStringLiteral("Wave File Analyzer"));
    ui::setCloseBoxOnly(this);
}
