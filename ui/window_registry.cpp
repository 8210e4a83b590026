#include "ui/window_registry.h"

namespace ui {

void bringToFront(QWidget &window) {
    if (window.isMinimized())
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace ui
