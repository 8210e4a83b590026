#pragma once

#include <QMainWindow>

class FrmCalendar : public QMainWindow {
    Q_OBJECT

public:
    explicit FrmCalendar(QWidget *parent = nullptr);
};
