// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "wave/file_select.h"

#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>

#include "ui/colours.h"
#include "ui/controls.h"
#include "ui/dialog_role.h"
#include "ui/labelled_drop_down.h"
#include "ui/labels.h"
#include "ui/message_box.h"
#include "ui/twips.h"
#include "ui/window_frame.h"
#include "ui/window_registry.h"
#include "wave/drives.h"
#include "wave/folder_listing.h"
#include "wave/folder_path.h"
#include "wave/wav_anal_main.h"

namespace {

// The folder each list stands for, as the Qt property the rest of the program reads.
constexpr const char *kPathProperty = "path";
// Full path of a folder item in Dir1.
constexpr int kFolderRole = Qt::UserRole;

QString folderName(const QString &path) {
    const QString name = path.section(QLatin1Char('/'), -1);
    return name.isEmpty() ? QDir::toNativeSeparators(path) : name; // a root is shown whole
}

// A drive shows the program's current folder when it holds it, else its root: there is no
// current folder per drive here.
QString currentFolderOn(const QString &drive) {
    const QString current = wave::CurrentFolder();
    return wave::DriveOf(current) == drive ? current : drive;
}

// The folder list only indents; it never folds, so it draws no branch arrows.
class FolderTree : public QTreeWidget {
public:
    using QTreeWidget::QTreeWidget;

protected:
    void drawBranches(QPainter *, const QRect &, const QModelIndex &) const override {}
};

} // namespace

FileSelect::FileSelect(QWidget *parent) : QWidget(parent) {
    ui::announceAsDialog(this);
    setObjectName(QStringLiteral("File_select"));
    //: Title of the window that chooses the wave file to open.
    setWindowTitle(tr("Open"));
    ui::setCloseBoxOnly(this);
    ui::setBackground(this, ui::kSelectionBackground);
    setFixedSize(ui::twipsSize(4305, 3075));

    // No caption stands beside the three lists; these names tell a screen reader which is which.
    drive1_ = new ui::LabelledDropDown(tr("Drive"), this);
    drive1_->setObjectName(QStringLiteral("Drive1"));
    drive1_->setGeometry(ui::twipsRect(120, 120, 2295, 315));

    dir1_ = new FolderTree(this);
    dir1_->setObjectName(QStringLiteral("Dir1"));
    dir1_->setGeometry(ui::twipsRect(120, 480, 2295, 1665));
    dir1_->setHeaderHidden(true);
    // Screen readers still see the hidden header, as the column's name.
    dir1_->setHeaderLabel(tr("Folder"));
    dir1_->setRootIsDecorated(false);
    dir1_->setItemsExpandable(false);
    dir1_->setExpandsOnDoubleClick(false);
    dir1_->setUniformRowHeights(true);
    dir1_->setIndentation(8);
    dir1_->setAccessibleName(tr("Folder"));

    file1_ = new QListWidget(this);
    file1_->setObjectName(QStringLiteral("File1"));
    file1_->setGeometry(ui::twipsRect(2520, 120, 1695, 2040));
    file1_->setUniformItemSizes(true);
    file1_->setAccessibleName(tr("Files"));

    selectedFile_ = new QLabel(this);
    selectedFile_->setObjectName(QStringLiteral("selected_file"));
    selectedFile_->setGeometry(ui::twipsRect(120, 2280, 4095, 255));
    selectedFile_->setFrameStyle(QFrame::Box | QFrame::Plain);
    showSelectedFile(QString());

    auto *analyze =
        ui::makeButton(this, "analyze", tr("Analyze"), ui::twipsRect(2640, 2640, 735, 375));
    auto *cancel =
        ui::makeButton(this, "cancel", tr("Cancel"), ui::twipsRect(3480, 2640, 735, 375));
    ui::makeLabel(this, "Label2", tr("File type:  wave files (*.wav)"),
                  ui::twipsRect(240, 2760, 2055, 255));

    connect(drive1_, &QComboBox::activated, this, &FileSelect::Drive1_Change);
    connect(dir1_, &QTreeWidget::itemActivated, this, &FileSelect::Dir1_Change);
    connect(file1_, &QListWidget::itemSelectionChanged, this, &FileSelect::File1_Click);
    connect(analyze, &QPushButton::clicked, this, &FileSelect::analyze_Click);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);

    setTabOrder(file1_, dir1_);
    setTabOrder(dir1_, drive1_);
    setTabOrder(drive1_, analyze);
    setTabOrder(analyze, cancel);
    file1_->setFocus();

    const QString current = wave::CurrentFolder();
    const QString drive = wave::DriveOf(current);
    QStringList drives = wave::MountedDrives();
    if (!drives.contains(drive))
        drives.append(drive);
    // Shown as the system writes paths ("C:\"); each item keeps its root in Qt's form.
    for (const QString &root : drives)
        drive1_->addItem(QDir::toNativeSeparators(root), root);
    shownDrive_ = static_cast<int>(drives.indexOf(drive));
    drive1_->setCurrentIndex(shownDrive_);
    if (!openFolder(current))
        openFolder(drive);

    ui::centreOnScreen(this);
}

void FileSelect::Drive1_Change(int index) {
    if (index == shownDrive_)
        return;
    const QPointer<FileSelect> self(this); // the error box runs the event loop
    const QString drive = drive1_->itemData(index).toString();
    bool opened = false;
    if (wave::DriveIsReady(drive))
        opened = openFolder(currentFolderOn(drive));
    else
        //: %1 is a drive (on Windows, a drive letter); it has no medium in it, as an empty
        //: card reader.
        ui::showError(this, tr("The drive %1 is not ready.").arg(QDir::toNativeSeparators(drive)));
    if (!self)
        return;
    if (opened)
        shownDrive_ = index;
    else
        drive1_->setCurrentIndex(shownDrive_); // stay where the window was
}

void FileSelect::Dir1_Change(QTreeWidgetItem *item) {
    openFolder(item->data(0, kFolderRole).toString());
}

void FileSelect::File1_Click() {
    const QList<QListWidgetItem *> selected = file1_->selectedItems();
    if (selected.isEmpty())
        return; // a new folder was listed: the earlier choice stays
    const QString folder = QDir::toNativeSeparators(dir1_->property(kPathProperty).toString());
    const QString path = wave::JoinFolderAndFile(folder, selected.first()->text());
    showSelectedFile(path);
}

void FileSelect::showSelectedFile(const QString &path) {
    selectedFile_->setText(path);
    selectedFile_->setToolTip(path);
    // The path alone would not say what it is.
    selectedFile_->setAccessibleName(
        //: What a screen reader says for the selected file box; %1 is the path, or "none".
        tr("Selected file, %1").arg(path.isEmpty() ? tr("none") : path));
}

void FileSelect::analyze_Click() {
    const QString path = selectedFile_->text();
    if (path.isEmpty()) {
        ui::showError(this, tr("Open file first."));
        return;
    }
    WavAnalMain &analyzer = ui::load<WavAnalMain>();
    // The analyzer may have been closed meanwhile; its result must not go unseen.
    if (!analyzer.isVisible())
        ui::bringToFront(analyzer);
    analyzer.setFileText(path);
    // The error box runs the event loop, and this window may be closed and deleted meanwhile
    // (a screen reader's actions reach it past the box).
    const QPointer<FileSelect> self(this);
    analyzer.AnalyzeWaveFile(path);
    if (self)
        close();
}

bool FileSelect::openFolder(const QString &folder) {
    const wave::FolderListing listing = wave::ListFolder(folder);
    if (!listing.readable) {
        //: %1 is the folder, %2 why it cannot be read.
        ui::showError(this, tr("The folder %1 cannot be read: %2.")
                                .arg(QDir::toNativeSeparators(folder), listing.error));
        return false;
    }
    fillFolderList(folder, listing.subfolders);
    file1_->clear();
    file1_->addItems(listing.waveFiles);
    // No current entry until the user picks one: otherwise the list makes its first entry
    // current, unselected, on gaining the focus, and the first Down selects the second.
    file1_->setCurrentIndex(QModelIndex());
    file1_->setProperty(kPathProperty, folder);
    return true;
}

void FileSelect::fillFolderList(const QString &folder, const QStringList &subfolders) {
    dir1_->clear();
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);
    const auto makeItem = [](const QString &path, const QIcon &icon) {
        auto *item = new QTreeWidgetItem(QStringList{folderName(path)});
        item->setIcon(0, icon);
        item->setData(0, kFolderRole, path);
        return item;
    };
    // Each folder above the current one holds the next, so the tree indents them.
    QTreeWidgetItem *parent = nullptr;
    for (const QString &path : wave::FolderAndParents(folder)) {
        QTreeWidgetItem *item = makeItem(path, openIcon);
        if (parent)
            parent->addChild(item);
        else
            dir1_->addTopLevelItem(item);
        item->setExpanded(true);
        parent = item;
    }
    if (!parent)
        return; // no folder to show: nothing to hang subfolders on
    QList<QTreeWidgetItem *> children;
    children.reserve(subfolders.size());
    for (const QString &name : subfolders)
        children.append(
            makeItem(wave::JoinFolderAndFile(folder, name, QLatin1Char('/')), closedIcon));
    parent->addChildren(children);
    parent->setExpanded(true);
    dir1_->setCurrentItem(parent);
    dir1_->scrollToItem(parent, QAbstractItemView::PositionAtTop);
    dir1_->setProperty(kPathProperty, folder);
}
