// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <QHash>
#include <QString>

class QWidget;

namespace random_actions {

class WaveTree;

// Cheap checks of what every window shows, run after each action. Each returns an empty
// text when all is well, else what is wrong.

// One visible instance per window; the dialer's lists keep their tables; the calendar
// shows one whole month with at most one white cell; the selection window lists only
// ".wav" files of the folder it shows, which lies inside `tree`.
QString checkWindows(const WaveTree &tree);

// The texts of every unit box of the converter, by box name.
using BoxTexts = QHash<QString, QString>;
BoxTexts converterTexts(const QWidget &converter);

// After a click on `button` ("convert_l", "clear_w", ...): no other row changed; Clear
// emptied its row; Convert kept its source's text.
QString checkConverterClick(const QString &button, const BoxTexts &before, const BoxTexts &after);

} // namespace random_actions
