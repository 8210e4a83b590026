// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>

// Test helpers that write wave headers and awkward files into a temporary folder.
namespace wave_files {

// Built on the Qt-only platform files (ZENDREL_PORTABLE, and always on Windows): file names
// are then Unicode text, so a name whose bytes are not UTF-8 cannot be listed or opened as
// it is on disk.
inline constexpr bool kQtOnlyPlatform = ZENDREL_QT_ONLY_PLATFORM != 0;

// What only a POSIX system can put in a folder; the cases that need it skip elsewhere.
inline constexpr bool kPosixSystem = ZENDREL_POSIX_SYSTEM != 0;
inline constexpr bool kByteNames = kPosixSystem;
inline constexpr bool kSpecialFiles = kPosixSystem;
inline constexpr bool kLinks = kPosixSystem;

inline constexpr const char *kNoByteNames =
    kPosixSystem ? "the Qt-only platform layer names files by Unicode text; bytes that are not "
                   "UTF-8 do not survive it"
                 : "Windows names files in UTF-16; a name cannot be bytes that are not UTF-8";
inline constexpr const char *kNoSpecialFiles =
    "Windows has no FIFOs, and no device files in a folder or to link to";
inline constexpr const char *kNoLinks =
    "QFile::link makes a shortcut on Windows, a file of its own, and a symbolic link needs a "
    "privilege the tests do not have";
inline constexpr const char *kNoPermissions =
    kPosixSystem ? "root reads every file and folder whatever its permissions; "
                   "scripts/test-as-user.sh runs this as another user"
                 : "Windows decides who reads a file by its access control list, which "
                   "QFile::setPermissions leaves alone";

// False for root, and on Windows: a file whose read permission is taken can still be read.
bool permissionsApply();

// The canonical 44-byte header: "fmt " first, no samples.
QByteArray canonicalHeader(std::int16_t channels, std::int32_t sampleRate,
                           std::int16_t bitsPerSample);

// Writes `bytes` to `name` in `dir` and returns the file's path.
QString write(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes);

// Names as the bytes a POSIX system stores (on Windows, UTF-8 stands for its UTF-16): they
// reach names that Qt cannot (kByteNames) where a test needs a name exactly as on disk.
// `nativeName` may lead through a folder in `dir` ("odd/name.wav").
void writeByName(const QTemporaryDir &dir, const QByteArray &nativeName, const QByteArray &bytes);
void removeByName(const QTemporaryDir &dir, const QByteArray &nativeName);
// The name the program shows for `nativeName`, and the stored name of `path`.
QString nameOf(const QByteArray &nativeName);
QByteArray nativePath(const QString &path);

// Makes a FIFO at `path` (kSpecialFiles); false where it cannot.
bool makeFifo(const QString &path);

} // namespace wave_files
