// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <QString>
#include <QStringList>

namespace wave {

// The drives the selection window offers, sorted, each once: the root folder of every
// mounted file system that is ready, and on Windows every drive letter ("C:/"), ready or not.
QStringList MountedDrives();

// False for a drive without its medium (an empty card reader or disc drive).
bool DriveIsReady(const QString &root);

// The root of the mounted file system that holds `folder`.
QString DriveOf(const QString &folder);

} // namespace wave
