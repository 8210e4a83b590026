// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

namespace ui {

// What every window expects of the application: the program icon, the designed dialog
// font and frames that show the designed background. Call once, after the QApplication exists.
void setUpApplication();

} // namespace ui
