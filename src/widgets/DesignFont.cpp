#include "DesignFont.h"

#include <QStringList>

using namespace Qt::Literals::StringLiterals;

QFont DesignFont::make(const QString& family, int pixelSize, bool bold) {
    QFont font;
    font.setFamilies({family, u"Liberation Sans"_s, u"DejaVu Sans"_s});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}
