// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "tests/wave/wave_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "wave/native_names.h"

namespace wave_files {

namespace {

std::string pathByName(const QTemporaryDir &dir, const QByteArray &nativeName) {
    return wave::toNativeName(dir.path()) + '/' + nativeName.toStdString();
}

} // namespace

bool permissionsApply() {
    return ::geteuid() != 0;
}

void writeByName(const QTemporaryDir &dir, const QByteArray &nativeName, const QByteArray &bytes) {
    const std::string path = pathByName(dir, nativeName);
    const int fd = ::open(path.c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
    const bool written = fd >= 0 && ::write(fd, bytes.constData(), bytes.size()) == bytes.size();
    if (fd >= 0)
        ::close(fd);
    if (!written)
        qFatal("cannot write test file %s", path.c_str());
}

// Qt cannot remove a name that is not UTF-8.
void removeByName(const QTemporaryDir &dir, const QByteArray &nativeName) {
    ::unlink(pathByName(dir, nativeName).c_str());
}

QString nameOf(const QByteArray &nativeName) {
    return wave::fromNativeName(nativeName.toStdString());
}

QByteArray nativePath(const QString &path) {
    return QByteArray::fromStdString(wave::toNativeName(path));
}

bool makeFifo(const QString &path) {
    return ::mkfifo(wave::toNativeName(path).c_str(), 0644) == 0;
}

} // namespace wave_files
