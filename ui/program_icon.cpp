#include "ui/program_icon.h"

#include <QIcon>
#include <QPixmap>

#include "ui/zendrel_icon.xpm"

namespace ui {

QIcon programIcon() {
    return QIcon(QPixmap(zendrel_icon_xpm));
}

} // namespace ui
