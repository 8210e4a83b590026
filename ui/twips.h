// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace ui {

// Designed geometry is in twips: 1440 per inch, 15 twips per logical pixel at 96 dpi.
// Every designed value divides evenly, so integer division loses nothing.
inline constexpr int kTwipsPerPixel = 15;

constexpr int px(int twips) {
    return twips / kTwipsPerPixel;
}

constexpr QPoint twipsPoint(int left, int top) {
    return {px(left), px(top)};
}
constexpr QSize twipsSize(int width, int height) {
    return {px(width), px(height)};
}
constexpr QRect twipsRect(int left, int top, int width, int height) {
    return {px(left), px(top), px(width), px(height)};
}

} // namespace ui
