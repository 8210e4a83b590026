// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

class QWidget;

namespace ui {

// Screen readers announce a new window by its role, and a top-level window that is
// neither a QMainWindow nor a QDialog reaches them as a plain panel, so it opens in
// silence. Call before the window's accessible interface is first asked for (at the top
// of its constructor); its class must have its own Q_OBJECT.
void announceAsDialog(QWidget *window);

} // namespace ui
