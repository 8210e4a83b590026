// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <QString>
#include <QTemporaryDir>

namespace random_actions {

// A temporary folder tree to browse: good, short, empty and text ".wav" files, a folder
// whose name ends in ".wav", nested and non-ASCII subfolders, and files of other types.
class WaveTree {
public:
    WaveTree();
    bool isValid() const { return dir_.isValid(); }
    QString root() const { return dir_.path(); }
    // True for the root and anything below it.
    bool contains(const QString &path) const;

private:
    QTemporaryDir dir_;
};

} // namespace random_actions
