// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <QColor>

namespace ui {

// WCAG 2's least contrast for body text.
inline constexpr double kReadableContrast = 4.5;

// WCAG 2 relative luminance of an sRGB colour: 0 for black, 1 for white.
double relativeLuminance(const QColor &colour);

// WCAG 2 contrast ratio of two colours, from 1 (equal) to 21 (black on white); the order
// of the two does not matter.
double contrastRatio(const QColor &first, const QColor &second);

// `preferred` where it reads on `background`, else black or white, whichever reads better.
QColor readableText(const QColor &background, const QColor &preferred);

} // namespace ui
