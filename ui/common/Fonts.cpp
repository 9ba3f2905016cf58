#include "ui/common/Fonts.h"

QFont SansFont(int pixelSize) {
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    return font;
}
