// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <cstdint>
#include <optional>

class QString;

namespace wave {

// The three header fields the analyzer shows, exactly as stored: nothing is validated, so
// negative or absurd values come through unchanged.
struct WaveHeaderInfo {
    std::int16_t channels = 0;
    std::int32_t sampleRate = 0; // hertz
    std::int16_t bitsPerSample = 0;
};

// Byte offsets of the fields when "fmt " is the first chunk, as in the common 44-byte header.
inline constexpr std::int64_t kChannelsOffset = 22;
inline constexpr std::int64_t kSampleRateOffset = 24;
inline constexpr std::int64_t kBitsPerSampleOffset = 34;

// Reads the three little-endian fields at their fixed offsets of the file at `path` and
// nothing else. A field wholly past the end of the file reads as 0; one that the end cuts
// short counts its missing high-order bytes as zero. Only a regular file (or a link to one)
// is opened, read-only and without blocking; it is closed on every path.
// std::nullopt means FileUnreadable: no such file, not a regular file, no permission, or a
// read error.
std::optional<WaveHeaderInfo> ReadWaveHeader(const QString &path);

} // namespace wave
