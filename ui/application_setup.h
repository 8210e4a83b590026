#pragma once

namespace ui {

// What every window expects of the application: the program icon and the designed
// dialog font. Call once, after the QApplication exists.
void setUpApplication();

} // namespace ui
