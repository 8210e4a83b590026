// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

class QString;
class QWidget;

namespace ui {

// Modal box with title "Error", the critical icon and one OK button; returns when closed.
void showError(QWidget *parent, const QString &text);

} // namespace ui
