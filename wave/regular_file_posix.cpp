// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "wave/regular_file.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QString>

#include "wave/native_names.h"

namespace wave {

namespace {

class PosixFile final : public RegularFile {
public:
    explicit PosixFile(int descriptor) : descriptor_(descriptor) {}
    ~PosixFile() override { ::close(descriptor_); }
    PosixFile(const PosixFile &) = delete;
    PosixFile &operator=(const PosixFile &) = delete;

    std::optional<std::size_t> readAt(std::int64_t offset,
                                      std::span<unsigned char> buffer) override {
        std::size_t filled = 0;
        while (filled < buffer.size()) {
            const ssize_t got = ::pread(descriptor_, buffer.data() + filled, buffer.size() - filled,
                                        static_cast<off_t>(offset) + static_cast<off_t>(filled));
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                return std::nullopt;
            if (got == 0)
                break; // end of file
            filled += static_cast<std::size_t>(got);
        }
        return filled;
    }

private:
    int descriptor_;
};

} // namespace

std::unique_ptr<RegularFile> RegularFile::open(const QString &path) {
    const std::string native = toNativeName(path);
    // Looking first means a FIFO or a device is never opened at all: opening some of them
    // blocks or has side effects.
    struct stat info = {};
    if (native.empty() || ::stat(native.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return nullptr;
    // No O_CREAT: a missing file stays missing. O_NONBLOCK guards against a FIFO swapped in
    // after the look; fstat then refuses it.
    const int descriptor = ::open(native.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0)
        return nullptr;
    auto file = std::make_unique<PosixFile>(descriptor);
    if (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode))
        return nullptr;
    return file;
}

} // namespace wave
