#include "TarvelinIcons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>

#include <array>
#include <cmath>

namespace {

using Painting = void (*)(QPainter&);

const QColor outlineGrey(70, 70, 70);

QLinearGradient vertical(double top, double bottom, const QColor& light, const QColor& dark) {
    QLinearGradient gradient(0, top, 0, bottom);
    gradient.setColorAt(0.0, light);
    gradient.setColorAt(1.0, dark);
    return gradient;
}

void paintCheckMark(QPainter& painter) {
    const QPointF stroke[] = {{2.8, 8.6}, {6.3, 12.2}, {13.4, 3.6}};
    painter.setPen(QPen(QColor(20, 90, 20), 3.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(stroke, 3);
    painter.setPen(QPen(QColor(60, 190, 50), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(stroke, 3);
}

void paintMinus(QPainter& painter) {
    painter.setPen(QPen(QColor(120, 10, 10), 1.0));
    painter.setBrush(vertical(6, 10, QColor(255, 110, 100), QColor(200, 20, 20)));
    painter.drawRoundedRect(QRectF(2.5, 6.0, 11, 4), 1.5, 1.5);
}

void paintDownArrow(QPainter& painter) {
    const QPointF arrow[] = {{5.5, 1.5}, {10.5, 1.5}, {10.5, 7.5}, {14, 7.5},
                             {8, 14.5},  {2, 7.5},    {5.5, 7.5}};
    painter.setPen(QPen(QColor(150, 70, 0), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(vertical(1.5, 14.5, QColor(255, 200, 90), QColor(235, 120, 0)));
    painter.drawPolygon(arrow, 7);
}

void paintHazard(QPainter& painter) {
    const QPointF sign[] = {{8, 1.2}, {15.2, 14.5}, {0.8, 14.5}};
    painter.setPen(QPen(QColor(60, 50, 0), 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(vertical(1, 15, QColor(255, 236, 90), QColor(240, 190, 0)));
    painter.drawPolygon(sign, 3);
    painter.setPen(QPen(Qt::black, 1.8, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(8, 5.6), QPointF(8, 9.6));
    painter.drawPoint(QPointF(8, 12.3));
}

void paintArrowArc(QPainter& painter, double startDegrees, const QColor& colour) {
    const QRectF orbit(1.2, 1.2, 13.6, 13.6);
    const double span = 110;
    painter.setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(orbit, int(startDegrees * 16), int(span * 16));
    // The head at the end of the arc, pointing along it (counter-clockwise).
    const double end = (startDegrees + span) * M_PI / 180;
    const QPointF tip(8 + 6.8 * std::cos(end), 8 - 6.8 * std::sin(end));
    const QPointF along(-std::sin(end), -std::cos(end));
    const QPointF across(std::cos(end), -std::sin(end));
    const QPointF head[] = {tip + along * 3.0, tip + across * 2.4, tip - across * 2.4};
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(head, 3);
}

void paintGlobe(QPainter& painter) {
    const QPointF centre(8, 8);
    QRadialGradient ocean(QPointF(6.5, 6.5), 6);
    ocean.setColorAt(0.0, QColor(140, 200, 255));
    ocean.setColorAt(1.0, QColor(20, 90, 190));
    painter.setPen(QPen(QColor(10, 50, 120), 0.8));
    painter.setBrush(ocean);
    painter.drawEllipse(centre, 4.8, 4.8);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(70, 170, 60));
    painter.drawEllipse(QPointF(6.6, 6.4), 1.9, 1.4);
    painter.drawEllipse(QPointF(9.6, 9.8), 1.6, 1.9);
    painter.setPen(QPen(QColor(255, 255, 255, 110), 0.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, 2.2, 4.8);
    painter.drawLine(QPointF(3.2, 8), QPointF(12.8, 8));
    paintArrowArc(painter, 20, QColor(20, 130, 40));
    paintArrowArc(painter, 200, QColor(20, 130, 40));
}

QPainterPath gear(QPointF centre, double radius, int teeth) {
    QPainterPath path;
    const double inner = radius * 0.72;
    for (int i = 0; i < teeth * 4; ++i) {
        const double angle = i * M_PI / (teeth * 2);
        const double r = (i % 4 == 1 || i % 4 == 2) ? radius : inner;
        const QPointF point = centre + QPointF(std::cos(angle), std::sin(angle)) * r;
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    path.addEllipse(centre, radius * 0.28, radius * 0.28);
    return path;
}

void paintCogs(QPainter& painter) {
    painter.setPen(QPen(QColor(50, 50, 60), 0.8));
    painter.setBrush(vertical(0, 11, QColor(215, 220, 230), QColor(120, 130, 145)));
    painter.drawPath(gear({5.8, 5.8}, 5.3, 8));
    painter.setBrush(vertical(7, 16, QColor(240, 200, 110), QColor(170, 110, 30)));
    painter.drawPath(gear({11.4, 11.4}, 4.2, 6));
}

void paintInfoBubble(QPainter& painter) {
    QPainterPath bubble;
    bubble.addEllipse(QRectF(0.8, 0.8, 14.4, 12));
    QPainterPath tail;
    tail.moveTo(3.5, 10);
    tail.lineTo(2, 15.2);
    tail.lineTo(7.5, 12);
    tail.closeSubpath();
    painter.setPen(QPen(QColor(10, 50, 130), 0.9));
    painter.setBrush(vertical(1, 13, QColor(110, 170, 250), QColor(25, 90, 200)));
    painter.drawPath(bubble.united(tail));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(8, 3.9), 1.2, 1.2);
    painter.drawRoundedRect(QRectF(7.0, 5.8, 2.0, 5.2), 0.5, 0.5);
}

void paintNoEntry(QPainter& painter) {
    painter.setPen(QPen(QColor(110, 0, 0), 0.9));
    painter.setBrush(vertical(1, 15, QColor(250, 80, 70), QColor(190, 10, 10)));
    painter.drawEllipse(QPointF(8, 8), 7, 7);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(3.5, 6.8, 9, 2.4));
}

void paintDocument(QPainter& painter) {
    const QPointF page[] = {{2.5, 0.5}, {10, 0.5}, {13.5, 4}, {13.5, 15.5}, {2.5, 15.5}};
    painter.setPen(QPen(QColor(90, 90, 100), 1.0));
    painter.setBrush(vertical(0, 16, Qt::white, QColor(220, 225, 235)));
    painter.drawPolygon(page, 5);
    const QPointF fold[] = {{10, 0.5}, {10, 4}, {13.5, 4}};
    painter.setBrush(QColor(200, 205, 215));
    painter.drawPolygon(fold, 3);
    painter.setPen(QPen(QColor(60, 100, 180), 1.0));
    for (const double y : {6.5, 8.5, 10.5, 12.5})
        painter.drawLine(QPointF(4.5, y), QPointF(y < 7 ? 8.5 : 11.5, y));
}

void paintMagnifier(QPainter& painter) {
    painter.setPen(QPen(QColor(90, 60, 30), 2.8, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(10, 10), QPointF(14, 14));
    QRadialGradient glass(QPointF(5.5, 5.5), 4.5);
    glass.setColorAt(0.0, QColor(235, 250, 255));
    glass.setColorAt(1.0, QColor(150, 200, 235));
    painter.setPen(QPen(QColor(40, 40, 50), 1.6));
    painter.setBrush(glass);
    painter.drawEllipse(QPointF(6.5, 6.5), 4.4, 4.4);
}

void paintPerson(QPainter& painter) {
    QPainterPath body;
    body.moveTo(2.5, 15.5);
    body.cubicTo(2.5, 10.5, 4.5, 9.0, 8, 9.0);
    body.cubicTo(11.5, 9.0, 13.5, 10.5, 13.5, 15.5);
    body.closeSubpath();
    painter.setPen(QPen(QColor(20, 40, 90), 0.9));
    painter.setBrush(vertical(9, 16, QColor(90, 140, 230), QColor(30, 70, 160)));
    painter.drawPath(body);
    painter.setPen(QPen(QColor(120, 70, 40), 0.9));
    painter.setBrush(QColor(250, 210, 170));
    painter.drawEllipse(QPointF(8, 5), 3.2, 3.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(110, 70, 30));
    painter.drawChord(QRectF(4.8, 1.5, 6.4, 5), 0, 180 * 16);
}

void paintFarm(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(80, 160, 50));
    painter.drawRect(QRectF(0, 14, 16, 2));
    const QPointF walls[] = {{2, 7.5}, {8, 3}, {14, 7.5}, {14, 14.5}, {2, 14.5}};
    painter.setPen(QPen(QColor(90, 20, 10), 0.9));
    painter.setBrush(vertical(3, 15, QColor(225, 70, 50), QColor(160, 30, 20)));
    painter.drawPolygon(walls, 5);
    const QPointF roof[] = {{0.5, 8}, {8, 1.5}, {15.5, 8}};
    painter.setPen(QPen(QColor(50, 50, 55), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(roof, 3);
    painter.setPen(QPen(Qt::white, 0.9));
    painter.setBrush(QColor(120, 40, 25));
    const QRectF door(5.5, 9.5, 5, 5);
    painter.drawRect(door);
    painter.drawLine(door.topLeft(), door.bottomRight());
    painter.drawLine(door.topRight(), door.bottomLeft());
}

// A small cow in profile facing right, standing on a strip of ground.
void paintAnimalOnGround(QPainter& painter, const QColor& ground, const QColor& coat,
                         const QColor& patches) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(ground);
    painter.drawRoundedRect(QRectF(0, 10.5, 16, 5.5), 1.5, 1.5);
    painter.setPen(QPen(QColor(40, 30, 25), 1.1, Qt::SolidLine, Qt::FlatCap));
    for (const double x : {3.6, 5.2, 10.0, 11.6})
        painter.drawLine(QPointF(x, 8), QPointF(x, 13.2));
    painter.setPen(QPen(QColor(40, 30, 25), 0.8));
    painter.setBrush(coat);
    painter.drawRoundedRect(QRectF(2, 4, 11, 5.5), 2, 2);
    painter.drawRoundedRect(QRectF(11.6, 2.5, 3.6, 4.2), 1.4, 1.4);
    painter.setPen(Qt::NoPen);
    painter.setBrush(patches);
    painter.drawEllipse(QPointF(5.2, 6), 2.0, 1.6);
    painter.drawEllipse(QPointF(9.6, 5.4), 1.5, 1.2);
    painter.setPen(QPen(coat.darker(140), 1.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(2.2, 4.8), QPointF(1.0, 8.5));
}

void paintCowOnGrass(QPainter& painter) {
    paintAnimalOnGround(painter, QColor(60, 170, 50), QColor(250, 248, 240), QColor(150, 70, 30));
}

void paintAnimalOnBlue(QPainter& painter) {
    paintAnimalOnGround(painter, QColor(50, 110, 220), QColor(160, 90, 45), QColor(90, 45, 20));
}

QImage imageOf(Painting paint, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 16.0, size / 16.0);
    paint(painter);
    return image;
}

QIcon iconOf(Painting paint) {
    QIcon icon;
    for (const int scale : {1, 2})
        icon.addPixmap(QPixmap::fromImage(imageOf(paint, 16 * scale)));
    return icon;
}

struct NamedPainting {
    const char* name;
    Painting paint;
};

const std::array<NamedPainting, 10> toolbarPaintings{{
    {"pripojit", paintCheckMark},
    {"odpojit", paintMinus},
    {"strom", paintDownArrow},
    {"zaloha", paintHazard},
    {"aktualizacia", paintGlobe},
    {"nastavenia", paintCogs},
    {"info", paintInfoBubble},
    {"koniec", paintNoEntry},
    {"zostava", paintDocument},
    {"hladaj", paintMagnifier},
}};

const std::array<Painting, 5> treePaintings{
    {paintPerson, paintFarm, paintCowOnGrass, paintAnimalOnBlue, paintCogs}};

Painting treePainting(int index) {
    return index >= 0 && index < int(treePaintings.size()) ? treePaintings[std::size_t(index)]
                                                           : nullptr;
}

} // namespace

QIcon TarvelinIcons::toolbar(const QString& name) {
    for (const NamedPainting& entry : toolbarPaintings) {
        if (name == QLatin1String(entry.name))
            return iconOf(entry.paint);
    }
    return {};
}

QIcon TarvelinIcons::tree(int index) {
    const Painting paint = treePainting(index);
    return paint ? iconOf(paint) : QIcon();
}

QImage TarvelinIcons::treeImage(int index, int size) {
    const Painting paint = treePainting(index);
    return paint ? imageOf(paint, size) : QImage();
}
