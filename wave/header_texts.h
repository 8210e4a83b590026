// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <cstdint>

#include <QString>

namespace wave {

// "Stereo" for exactly two channels; every other count, 0 and negatives included, is "Mono".
QString ChannelsText(std::int16_t channels);

// The exact decimal value of sampleRate / 1000 with " KHz": at most three decimals, no
// trailing zeros, no grouping, "0" before the separator below 1. `decimalSeparator` is the
// user's locale's.
QString FrequencyText(std::int32_t sampleRate, const QString &decimalSeparator);

// The stored value in decimal digits, "-" first when negative.
QString BitsText(std::int16_t bitsPerSample);

} // namespace wave
