// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "wave/wave_header.h"

#include <array>

#include "wave/regular_file.h"

namespace wave {

namespace {

// A little-endian two's-complement field as wide as `Field`; bytes past the end of the file
// stay zero.
template <class Field> std::optional<Field> readField(RegularFile &file, std::int64_t offset) {
    std::array<unsigned char, sizeof(Field)> bytes{};
    if (!file.readAt(offset, bytes))
        return std::nullopt;
    std::uint32_t value = 0;
    for (std::size_t i = bytes.size(); i-- > 0;)
        value = (value << 8) | bytes[i];
    return static_cast<Field>(value);
}

} // namespace

std::optional<WaveHeaderInfo> ReadWaveHeader(const QString &path) {
    const std::unique_ptr<RegularFile> file = RegularFile::open(path);
    if (!file)
        return std::nullopt;
    const auto channels = readField<std::int16_t>(*file, kChannelsOffset);
    if (!channels)
        return std::nullopt;
    const auto sampleRate = readField<std::int32_t>(*file, kSampleRateOffset);
    if (!sampleRate)
        return std::nullopt;
    const auto bitsPerSample = readField<std::int16_t>(*file, kBitsPerSampleOffset);
    if (!bitsPerSample)
        return std::nullopt;
    return WaveHeaderInfo{*channels, *sampleRate, *bitsPerSample};
}

} // namespace wave
