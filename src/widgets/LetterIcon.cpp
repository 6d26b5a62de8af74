#include "LetterIcon.h"

#include <QPainter>
#include <QPixmap>

QIcon LetterIcon::create(const QString& text, const QColor& color) {
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(color.darker(140));
    painter.setBrush(color);
    painter.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(text.size() > 1 ? 7 : 11);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, text);
    return QIcon(picture);
}
