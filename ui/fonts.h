#pragma once

#include <QFont>

namespace ui {

// "Verdana" 8.25 pt, or a sans-serif of the same size where Verdana is missing.
QFont verdanaFont();
// "Courier New" 8.25 pt, or any fixed-pitch font, so that columns of text line up.
QFont courierNewFont();

} // namespace ui
