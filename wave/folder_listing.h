// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <QString>
#include <QStringList>

namespace wave {

// What the selection window lists of one folder: the subfolders and the files whose names
// end in ".wav" in any letter case, each sorted with letter case ignored. Hidden entries
// (names starting with ".") are left out, as file managers do.
struct FolderListing {
    bool readable = false;
    QString error; // why the folder could not be read, when it could not
    QStringList subfolders;
    QStringList waveFiles;
};

FolderListing ListFolder(const QString &folder);

// The folder the program is in, which browsing never changes.
QString CurrentFolder();

// True when `name` ends in ".wav", in any letter case.
bool IsWaveFileName(const QString &name);

// Why a folder could not be read, from the error number the system gave, in the language
// the windows are shown in: the usual reasons in the program's own words (which the
// Qt-only layer reports too), any other in the system's.
QString UnreadableReason(int errorNumber);

// Sorts names for display, letter case ignored.
void SortNamesForDisplay(QStringList &names);

} // namespace wave
