#pragma once

#include <QMainWindow>

class UConv : public QMainWindow {
    Q_OBJECT

public:
    explicit UConv(QWidget *parent = nullptr);
};
