// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <QString>
#include <QStringList>

namespace wave {

// The drives the selection window offers: the root folder of every mounted file system
// that is ready (on Windows "C:/" and so on), sorted, each once.
QStringList MountedDrives();

// The root of the mounted file system that holds `folder`.
QString DriveOf(const QString &folder);

} // namespace wave
