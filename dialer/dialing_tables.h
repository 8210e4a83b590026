// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace dialer {

// Where a call is dialled from: the list text (country, maybe a carrier in parentheses)
// and the international access code dialled there. "~" means wait for the dial tone,
// " or " separates alternatives.
struct SourceEntry {
    std::string_view listText;
    std::string_view accessCode;
};

// Where a call goes: the list text and "-country code-(domestic prefix)-"; the
// parenthesised prefix is information only and is not dialled on an international call.
struct DestinationEntry {
    std::string_view listText;
    std::string_view destination;
};

inline constexpr std::size_t kSourceEntryCount = 270;
inline constexpr std::size_t kDestinationEntryCount = 235;

extern const std::array<SourceEntry, kSourceEntryCount> SourceAccessCodes;
extern const std::array<DestinationEntry, kDestinationEntryCount> DestinationCodes;

} // namespace dialer
