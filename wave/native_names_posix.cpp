// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "wave/native_names.h"

#include <QByteArrayView>
#include <QStringView>

namespace wave {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

bool isEscapedByte(QChar c) {
    return c.unicode() >= kEscapeBase + 0x80 && c.unicode() <= kEscapeBase + 0xFF;
}

// Qt's decoder turns invalid bytes into U+FFFD; a text that re-encodes to the same bytes
// was valid UTF-8 (a U+FFFD that was really there included).
bool decodesExactly(QByteArrayView bytes, QString &text) {
    text = QString::fromUtf8(bytes);
    return text.toUtf8() == bytes;
}

} // namespace

QString fromNativeName(std::string_view bytes) {
    const QByteArrayView all(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QString name;
    if (decodesExactly(all, name))
        return name;
    // At each place take the longest valid run of up to four bytes (one UTF-8 sequence is
    // at most four); a byte that starts none is escaped.
    name.clear();
    for (qsizetype at = 0; at < all.size();) {
        QString character;
        qsizetype length = 4;
        for (; length > 0; --length)
            if (at + length <= all.size() && decodesExactly(all.sliced(at, length), character))
                break;
        if (length == 0) {
            name.append(QChar(static_cast<char16_t>(kEscapeBase + static_cast<uchar>(all[at]))));
            length = 1;
        } else {
            name.append(character);
        }
        at += length;
    }
    return name;
}

std::string toNativeName(const QString &name) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(name.size()));
    qsizetype runStart = 0;
    const auto flushRun = [&](qsizetype end) {
        const QByteArray run = QStringView(name).sliced(runStart, end - runStart).toUtf8();
        bytes.append(run.constData(), static_cast<std::size_t>(run.size()));
    };
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (!isEscapedByte(name.at(i)))
            continue;
        flushRun(i);
        bytes.push_back(static_cast<char>(name.at(i).unicode() - kEscapeBase));
        runStart = i + 1;
    }
    flushRun(name.size());
    return bytes;
}

} // namespace wave
