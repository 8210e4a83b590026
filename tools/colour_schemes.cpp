// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "tools/colour_schemes.h"

namespace colour_schemes {

namespace {

struct Scheme {
    QColor window, windowText, base, alternateBase, text, button, buttonText;
    QColor toolTipBase, toolTipText, highlight, highlightedText, link, placeholder;
};

// The 3D edge shades (Light, Midlight, Dark, Mid, Shadow) come from the button colour, as
// a desktop derives them.
QPalette build(const Scheme &s) {
    QPalette palette(s.button, s.window);
    palette.setColor(QPalette::WindowText, s.windowText);
    palette.setColor(QPalette::Base, s.base);
    palette.setColor(QPalette::AlternateBase, s.alternateBase);
    palette.setColor(QPalette::Text, s.text);
    palette.setColor(QPalette::ButtonText, s.buttonText);
    palette.setColor(QPalette::BrightText, s.text);
    palette.setColor(QPalette::ToolTipBase, s.toolTipBase);
    palette.setColor(QPalette::ToolTipText, s.toolTipText);
    palette.setColor(QPalette::Highlight, s.highlight);
    palette.setColor(QPalette::HighlightedText, s.highlightedText);
    palette.setColor(QPalette::Link, s.link);
    palette.setColor(QPalette::PlaceholderText, s.placeholder);
    return palette;
}

} // namespace

QPalette dark() {
    return build({.window = {42, 46, 50},
                  .windowText = {252, 252, 252},
                  .base = {27, 30, 32},
                  .alternateBase = {35, 38, 41},
                  .text = {252, 252, 252},
                  .button = {49, 54, 59},
                  .buttonText = {252, 252, 252},
                  .toolTipBase = {49, 54, 59},
                  .toolTipText = {252, 252, 252},
                  .highlight = {61, 174, 233},
                  .highlightedText = {252, 252, 252},
                  .link = {29, 153, 243},
                  .placeholder = {161, 169, 177}});
}

QPalette darkHighContrast() {
    return build({.window = Qt::black,
                  .windowText = Qt::white,
                  .base = Qt::black,
                  .alternateBase = {24, 24, 24},
                  .text = Qt::white,
                  .button = Qt::black,
                  .buttonText = Qt::white,
                  .toolTipBase = Qt::black,
                  .toolTipText = Qt::white,
                  .highlight = {26, 235, 255},
                  .highlightedText = Qt::black,
                  .link = {255, 255, 0},
                  .placeholder = {192, 192, 192}});
}

QPalette lightHighContrast() {
    return build({.window = Qt::white,
                  .windowText = Qt::black,
                  .base = Qt::white,
                  .alternateBase = {240, 240, 240},
                  .text = Qt::black,
                  .button = Qt::white,
                  .buttonText = Qt::black,
                  .toolTipBase = Qt::white,
                  .toolTipText = Qt::black,
                  .highlight = {55, 0, 110},
                  .highlightedText = Qt::white,
                  .link = {0, 0, 159},
                  .placeholder = {96, 96, 96}});
}

} // namespace colour_schemes
