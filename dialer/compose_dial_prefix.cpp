// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "dialer/compose_dial_prefix.h"

#include "dialer/dialing_tables.h"

namespace dialer {

std::optional<std::string> ComposeDialPrefix(std::size_t sourceIndex,
                                             std::size_t destinationIndex) {
    if (sourceIndex >= SourceAccessCodes.size() || destinationIndex >= DestinationCodes.size())
        return std::nullopt;
    std::string prefix(SourceAccessCodes[sourceIndex].accessCode);
    prefix += DestinationCodes[destinationIndex].destination;
    return prefix;
}

} // namespace dialer
