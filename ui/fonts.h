// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <QFont>

namespace ui {

// The font of every control that has none of its own: a plain sans-serif at 8.25 pt, the
// size (and, with Liberation Sans or Arial, about the width) the layouts were designed for.
QFont dialogFont();
// "Verdana" 8.25 pt, or a sans-serif of the same size where Verdana is missing.
QFont verdanaFont();
// "Courier New" 8.25 pt, or any fixed-pitch font, so that columns of text line up.
QFont courierNewFont();

} // namespace ui
