// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "wave/folder_listing.h"

#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <system_error>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include "wave/native_names.h"

namespace wave {

namespace {

enum class Kind : std::uint8_t { Folder, File, Other };

// The directory entry usually tells the kind; only links and file systems that do not
// report it need a look at the target, so a large folder costs no stat per file.
Kind kindOf(DIR *folder, const dirent &entry) {
    if (entry.d_type == DT_DIR)
        return Kind::Folder;
    if (entry.d_type == DT_REG)
        return Kind::File;
    if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN)
        return Kind::Other;
    const int descriptor = ::dirfd(folder);
    struct stat info = {};
    if (descriptor < 0 || ::fstatat(descriptor, entry.d_name, &info, 0) != 0)
        return Kind::Other; // a dangling or looping link
    if (S_ISDIR(info.st_mode))
        return Kind::Folder;
    return S_ISREG(info.st_mode) ? Kind::File : Kind::Other;
}

} // namespace

FolderListing ListFolder(const QString &folder) {
    FolderListing listing;
    const std::unique_ptr<DIR, int (*)(DIR *)> handle(::opendir(toNativeName(folder).c_str()),
                                                      &::closedir);
    if (!handle) {
        listing.error = UnreadableReason(errno);
        return listing;
    }
    for (;;) {
        errno = 0;
        const dirent *entry = ::readdir(handle.get());
        if (!entry)
            break;
        const std::string_view name(entry->d_name);
        if (name.starts_with('.'))
            continue; // hidden, and "." and ".."
        switch (kindOf(handle.get(), *entry)) {
        case Kind::Folder:
            listing.subfolders.append(fromNativeName(name));
            break;
        case Kind::File:
            if (QString decoded = fromNativeName(name); IsWaveFileName(decoded))
                listing.waveFiles.append(std::move(decoded));
            break;
        case Kind::Other:
            break;
        }
    }
    if (errno != 0) {
        listing.error = UnreadableReason(errno);
        return listing;
    }
    SortNamesForDisplay(listing.subfolders);
    SortNamesForDisplay(listing.waveFiles);
    listing.readable = true;
    return listing;
}

QString CurrentFolder() {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::current_path(error);
    return error ? QStringLiteral("/") : fromNativeName(folder.native());
}

} // namespace wave
