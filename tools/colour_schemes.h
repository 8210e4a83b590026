// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <QPalette>

// Application palettes like those that desktops hand to every Qt program, for the pictures
// and the window tests; the program itself never sets a palette.
namespace colour_schemes {

// A dark scheme: dark windows, views and buttons, light text (like Breeze Dark).
QPalette dark();
// White text on black, cyan selection.
QPalette darkHighContrast();
// Black text on white, purple selection.
QPalette lightHighContrast();

} // namespace colour_schemes
