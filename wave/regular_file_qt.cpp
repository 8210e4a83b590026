// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "wave/regular_file.h"

#include <QFile>
#include <QFileInfo>
#include <QString>

namespace wave {

namespace {

// Where file names are Unicode already and no FIFO can sit behind an ordinary path.
class QtFile final : public RegularFile {
public:
    explicit QtFile(const QString &path) : file_(path) {}
    // ExistingOnly: a missing file stays missing. A device swapped in after the look reads
    // as a sequential stream, and is refused.
    bool open() {
        return file_.open(QIODevice::ReadOnly | QIODevice::ExistingOnly) && !file_.isSequential();
    }

    std::optional<std::size_t> readAt(std::int64_t offset,
                                      std::span<unsigned char> buffer) override {
        if (offset >= file_.size())
            return 0;
        if (!file_.seek(offset))
            return std::nullopt;
        const qint64 got =
            file_.read(reinterpret_cast<char *>(buffer.data()), static_cast<qint64>(buffer.size()));
        if (got < 0)
            return std::nullopt;
        return static_cast<std::size_t>(got);
    }

private:
    QFile file_;
};

} // namespace

std::unique_ptr<RegularFile> RegularFile::open(const QString &path) {
    // Looking first means a FIFO, a device, a folder or a dangling link is never opened:
    // isFile() follows links and is true for regular files only.
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return nullptr;
    auto file = std::make_unique<QtFile>(path);
    if (!file->open())
        return nullptr;
    return file;
}

} // namespace wave
