// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

class PlimMain;

// Everything the program does before its event loop runs: its names, the desktop's language,
// the look every window expects, and the main window shown. Call once, after the
// QApplication exists.
PlimMain &startProgram();
