#include "DesignFont.h"

#include <QStringList>

QFont DesignFont::make(const QString& family, int pixelSize, bool bold) {
    QFont font;
    font.setFamilies({family, QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}
