// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace dialer {

// The access code of source entry `sourceIndex` followed directly by the destination
// string of destination entry `destinationIndex`, both unchanged. Empty when either index
// lies outside its table.
std::optional<std::string> ComposeDialPrefix(std::size_t sourceIndex, std::size_t destinationIndex);

} // namespace dialer
