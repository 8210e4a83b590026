// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>

class QString;

namespace wave {

// A regular file opened read-only for reading at absolute offsets; closed when destroyed.
// Opening refuses anything else (folders, FIFOs, devices, dangling links) without blocking.
class RegularFile {
public:
    static std::unique_ptr<RegularFile> open(const QString &path);
    virtual ~RegularFile() = default;

    // Fills `buffer` from `offset` on. Returns how many bytes were read (fewer at the end of
    // the file, 0 past it), or std::nullopt when the read fails.
    virtual std::optional<std::size_t> readAt(std::int64_t offset,
                                              std::span<unsigned char> buffer) = 0;
};

} // namespace wave
