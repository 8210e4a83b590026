// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "wave/header_texts.h"

#include <QCoreApplication>

#include <cstdlib>

namespace wave {

QString ChannelsText(std::int16_t channels) {
    return channels == 2 ? QCoreApplication::translate("WavAnalMain", "Stereo")
                         : QCoreApplication::translate("WavAnalMain", "Mono");
}

QString FrequencyText(std::int32_t sampleRate, const QString &decimalSeparator) {
    // Whole and thousandths apart, in integers: a double would print 2147483.647 with a
    // rounding tail on some platforms, and 64 bits hold the magnitude of INT32_MIN.
    const std::int64_t magnitude = std::llabs(static_cast<std::int64_t>(sampleRate));
    QString text = sampleRate < 0 ? QStringLiteral("-") : QString();
    text += QString::number(magnitude / 1000);
    if (const std::int64_t thousandths = magnitude % 1000; thousandths != 0) {
        QString decimals = QStringLiteral("%1").arg(thousandths, 3, 10, QLatin1Char('0'));
        while (decimals.endsWith(QLatin1Char('0')))
            decimals.chop(1);
        text += decimalSeparator + decimals;
    }
    //: Unit after the sampling frequency, with the blank before it; designed as "KHz".
    return text + QCoreApplication::translate("WavAnalMain", " KHz");
}

QString BitsText(std::int16_t bitsPerSample) {
    return QString::number(bitsPerSample);
}

} // namespace wave
