#pragma once

#include <QMainWindow>

// The dialer's help: the dialling sequence, explained in a fixed monospace text.
class CcHelp : public QMainWindow {
    Q_OBJECT

public:
    explicit CcHelp(QWidget *parent = nullptr);
};
