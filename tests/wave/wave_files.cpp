// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "tests/wave/wave_files.h"

#include <QDataStream>
#include <QFile>

namespace wave_files {

QByteArray canonicalHeader(std::int16_t channels, std::int32_t sampleRate,
                           std::int16_t bitsPerSample) {
    const std::int16_t blockAlign = static_cast<std::int16_t>(channels * bitsPerSample / 8);
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << std::int32_t{36};
    out.writeRawData("WAVEfmt ", 8);
    // The byte rate wraps as a 32-bit field does; extreme test rates would overflow an int.
    const auto byteRate =
        static_cast<std::uint32_t>(sampleRate) * static_cast<std::uint16_t>(blockAlign);
    out << std::int32_t{16} << std::int16_t{1} << channels << sampleRate << byteRate << blockAlign
        << bitsPerSample;
    out.writeRawData("data", 4);
    out << std::int32_t{0};
    return bytes;
}

QString write(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes) {
    QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write test file %s", qPrintable(path));
    return path;
}

} // namespace wave_files
