// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <QString>

namespace dialer {

// The form in which typed text and list texts are compared when the user searches a
// list: accents dropped and letter case folded, so that "curacao" finds "Curaçao" and
// "REUNION" finds "Réunion Island"; full-width and half-width forms folded (NFKC), so that
// "ＵＳＡ" finds "USA" and "ﾆﾎﾝ" finds "ニホン"; hiragana read as katakana. The kana voicing
// marks count ("ハ" does not find "バ"). Blanks and punctuation stay as they are.
QString searchKey(const QString &text);

} // namespace dialer
