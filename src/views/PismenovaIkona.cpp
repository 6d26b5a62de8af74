#include "PismenovaIkona.h"

#include <QPainter>
#include <QPixmap>

QIcon PismenovaIkona::vytvor(const QString& text, const QColor& farba) {
    QPixmap obrazok(16, 16);
    obrazok.fill(Qt::transparent);
    QPainter maliar(&obrazok);
    maliar.setRenderHint(QPainter::Antialiasing);
    maliar.setPen(farba.darker(140));
    maliar.setBrush(farba);
    maliar.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
    QFont pismo = maliar.font();
    pismo.setBold(true);
    pismo.setPixelSize(text.size() > 1 ? 7 : 11);
    maliar.setFont(pismo);
    maliar.setPen(Qt::white);
    maliar.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, text);
    return QIcon(obrazok);
}
