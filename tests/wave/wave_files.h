// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>

// Test helpers that write wave headers and awkward files into a temporary folder.
namespace wave_files {

// The canonical 44-byte header: "fmt " first, no samples.
QByteArray canonicalHeader(std::int16_t channels, std::int32_t sampleRate,
                           std::int16_t bitsPerSample);

// Writes `bytes` to `name` in `dir` and returns the file's path.
QString write(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes);

} // namespace wave_files
