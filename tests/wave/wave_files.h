// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>

// Test helpers that write wave headers and awkward files into a temporary folder.
namespace wave_files {

// Built on the Qt-only platform files (ZENDREL_PORTABLE): file names are then Unicode text,
// so a name whose bytes are not UTF-8 cannot be listed or opened as it is on disk.
inline constexpr bool kQtOnlyPlatform = ZENDREL_QT_ONLY_PLATFORM != 0;
inline constexpr const char *kNoByteNames =
    "the Qt-only platform layer names files by Unicode text; bytes that are not UTF-8 do "
    "not survive it";

// Root reads every file and folder whatever its permissions.
bool permissionsApply();

// The canonical 44-byte header: "fmt " first, no samples.
QByteArray canonicalHeader(std::int16_t channels, std::int32_t sampleRate,
                           std::int16_t bitsPerSample);

// Writes `bytes` to `name` in `dir` and returns the file's path.
QString write(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes);

} // namespace wave_files
