#include "MakerInfo.h"

QString MakerInfo::copyrightLine() {
    return QStringLiteral("© 2026 Tarvelin – program pre chovateľov dojníc");
}

QString MakerInfo::unitName() {
    return QStringLiteral("Stredisko informatiky v chove zvierat");
}

QString MakerInfo::address() {
    return QStringLiteral("Pastierska 12, 974 01 Banská Bystrica");
}
