#include "ui/fonts.h"

#include <QStringList>

namespace ui {

namespace {
constexpr double kDesignedPointSize = 8.25;
}

QFont dialogFont() {
    QFont font;
    font.setFamilies({QStringLiteral("MS Shell Dlg 2"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arimo"), QStringLiteral("Arial"),
                      QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(kDesignedPointSize);
    return font;
}

QFont verdanaFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(kDesignedPointSize);
    return font;
}

QFont courierNewFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                      QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Monospace")});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(kDesignedPointSize);
    return font;
}

} // namespace ui
