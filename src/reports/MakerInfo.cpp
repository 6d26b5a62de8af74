#include "MakerInfo.h"

using namespace Qt::Literals::StringLiterals;

QString MakerInfo::copyrightLine() {
    return u"© 2026 Tarvelin – program pre chovateľov dojníc"_s;
}

QString MakerInfo::unitName() {
    return u"Stredisko informatiky v chove zvierat"_s;
}

QString MakerInfo::address() {
    return u"Pastierska 12, 974 01 Banská Bystrica"_s;
}
