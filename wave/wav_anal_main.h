#pragma once

#include <QMainWindow>

class WavAnalMain : public QMainWindow {
    Q_OBJECT

public:
    explicit WavAnalMain(QWidget *parent = nullptr);
};
