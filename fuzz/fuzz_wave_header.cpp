// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

// Any file content yields the little-endian values at the three fixed offsets, with bytes
// past the end of the file counting as zero.

#include <QDir>
#include <QFile>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include <unistd.h>

#include "wave/wave_header.h"

namespace {

std::uint32_t fieldAt(const std::uint8_t *data, std::size_t size, std::size_t offset,
                      std::size_t width) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < width; ++i)
        if (offset + i < size)
            value |= std::uint32_t{data[offset + i]} << (8 * i);
    return value;
}

const QString &scratchPath() {
    static const QString path =
        QDir::temp().filePath(QStringLiteral("zendrel-fuzz-%1.wav").arg(getpid()));
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    QFile file(scratchPath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size));
    file.close();

    const auto header = wave::ReadWaveHeader(scratchPath());
    if (!header)
        std::abort();
    if (static_cast<std::uint16_t>(header->channels) != fieldAt(data, size, 22, 2) ||
        static_cast<std::uint32_t>(header->sampleRate) != fieldAt(data, size, 24, 4) ||
        static_cast<std::uint16_t>(header->bitsPerSample) != fieldAt(data, size, 34, 2))
        std::abort();
    return 0;
}
