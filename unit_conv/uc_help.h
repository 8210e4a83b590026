#pragma once

#include <QMainWindow>

// The converter's help: what Convert does, with two examples.
class UcHelp : public QMainWindow {
    Q_OBJECT

public:
    explicit UcHelp(QWidget *parent = nullptr);
};
