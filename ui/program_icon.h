// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

class QIcon;

namespace ui {

// The one program icon, 32 by 32 pixels in at most 16 colours, shown on every window.
QIcon programIcon();

} // namespace ui
