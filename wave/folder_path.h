// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <QChar>
#include <QDir>
#include <QString>
#include <QStringList>

namespace wave {

// The path of `fileName` in `folder`, with one `separator` between them: none is added when
// the folder ends in one already (a root such as "/" or "C:\"). Nothing else is normalised.
QString JoinFolderAndFile(const QString &folder, const QString &fileName,
                          QChar separator = QDir::separator());

// `folder` and each folder above it, outermost first: "/home/ann" gives "/", "/home",
// "/home/ann". `folder` is an absolute, clean path with "/" separators.
QStringList FolderAndParents(const QString &folder);

} // namespace wave
