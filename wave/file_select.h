// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QListWidget;
class QTreeWidget;
class QTreeWidgetItem;

// The "Open" window: browse drives and folders for a wave file and hand it to the analyzer.
class FileSelect : public QWidget {
    Q_OBJECT

public:
    explicit FileSelect(QWidget *parent = nullptr);

private slots:
    void Drive1_Change(int index);
    void Dir1_Change(QTreeWidgetItem *item);
    void File1_Click();
    void analyze_Click();

private:
    // Lists `folder` in Dir1 and File1. A folder that cannot be read is reported, and the
    // lists stay as they were.
    bool openFolder(const QString &folder);
    void fillFolderList(const QString &folder, const QStringList &subfolders);
    void showSelectedFile(const QString &path);

    QComboBox *drive1_ = nullptr;
    QTreeWidget *dir1_ = nullptr;
    QListWidget *file1_ = nullptr;
    QLabel *selectedFile_ = nullptr;
    int shownDrive_ = -1; // Drive1's entry before the user picked another; -1: none
};
