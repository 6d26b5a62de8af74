#include "ProgramIcon.h"

#include "PasturePicture.h"
#include "TarvelinIcons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

// Below this the pasture blurs into a brown smudge; the tree's cow is drawn for such sizes.
constexpr int largestSmallSize = 24;
constexpr int cowOnGrass = 2;

const QRectF tileArea(8, 8, 240, 240);
constexpr double meadowTop = 150;

QPainterPath tile() {
    QPainterPath path;
    path.addRoundedRect(tileArea, 44, 44);
    return path;
}

QPainterPath polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(points));
    path.closeSubpath();
    return path;
}

void paintTileSky(QPainter& painter, const QPainterPath& inside) {
    QLinearGradient sky(0, tileArea.top(), 0, meadowTop);
    sky.setColorAt(0.0, QColor(28, 78, 160));
    sky.setColorAt(0.45, QColor(74, 134, 204));
    sky.setColorAt(1.0, QColor(196, 222, 240));
    painter.fillPath(inside, sky);
}

void paintTilePeaks(QPainter& painter, const QPainterPath& inside) {
    const QPainterPath far = polygon({{0, 160}, {62, 92}, {96, 120}, {160, 160}});
    const QPainterPath near =
        polygon({{40, 160}, {112, 112}, {164, 46}, {204, 88}, {224, 78}, {256, 110}, {256, 160}});
    // The snow ends in tongues down the gullies.
    const QPainterPath snow = polygon({{0, 0},
                                       {256, 0},
                                       {256, 96},
                                       {222, 92},
                                       {206, 104},
                                       {190, 90},
                                       {176, 108},
                                       {160, 86},
                                       {142, 104},
                                       {128, 92},
                                       {84, 116},
                                       {70, 104},
                                       {50, 112},
                                       {0, 110}});
    QLinearGradient rock(0, 46, 0, meadowTop);
    rock.setColorAt(0.0, QColor(172, 186, 206));
    rock.setColorAt(0.6, QColor(132, 146, 172));
    rock.setColorAt(1.0, QColor(100, 128, 120));
    painter.fillPath(far.intersected(inside), QColor(150, 168, 196));
    painter.fillPath(far.intersected(snow).intersected(inside), QColor(236, 242, 250));
    painter.fillPath(near.intersected(inside), rock);
    painter.fillPath(near.intersected(snow).intersected(inside), QColor(250, 251, 253));
    // Light from the left: the right flank of the high peak lies in shade.
    const QPainterPath shade =
        polygon({{164, 46}, {204, 88}, {224, 78}, {256, 110}, {256, 160}, {196, 160}, {178, 104}});
    painter.fillPath(shade.intersected(near).intersected(inside), QColor(70, 86, 130, 90));
}

void paintTileMeadow(QPainter& painter, const QPainterPath& inside) {
    QPainterPath meadow;
    meadow.moveTo(0, meadowTop + 6);
    meadow.cubicTo(80, meadowTop - 8, 170, meadowTop + 10, 256, meadowTop - 2);
    meadow.lineTo(256, 256);
    meadow.lineTo(0, 256);
    meadow.closeSubpath();
    QLinearGradient grass(0, meadowTop - 8, 0, tileArea.bottom());
    grass.setColorAt(0.0, QColor(160, 196, 84));
    grass.setColorAt(0.35, QColor(112, 164, 54));
    grass.setColorAt(1.0, QColor(64, 118, 34));
    painter.fillPath(meadow.intersected(inside), grass);

    struct Flower {
        QPointF at;
        QColor colour;
    };
    const Flower flowers[] = {
        {{34, 176}, QColor(250, 214, 52)},   {{56, 226}, QColor(250, 250, 244)},
        {{30, 214}, QColor(150, 104, 206)},  {{214, 222}, QColor(250, 214, 52)},
        {{226, 184}, QColor(250, 250, 244)}, {{196, 234}, QColor(226, 70, 66)},
        {{84, 168}, QColor(250, 214, 52)},   {{232, 206}, QColor(96, 128, 226)}};
    painter.setPen(Qt::NoPen);
    for (const Flower& flower : flowers) {
        painter.setBrush(flower.colour);
        painter.drawEllipse(flower.at, 4.5, 3.5);
    }
}

} // namespace

void ProgramIcon::paint(QPainter& painter) {
    painter.save();
    painter.setPen(Qt::NoPen);
    const QPainterPath inside = tile();
    paintTileSky(painter, inside);
    paintTilePeaks(painter, inside);
    paintTileMeadow(painter, inside);
    PasturePicture::paintCow(painter, {112, 216}, 1.42, 20060330);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(30, 60, 30, 170), 3));
    painter.drawPath(inside);
    painter.restore();
}

QImage ProgramIcon::image(int size) {
    if (size <= largestSmallSize)
        return TarvelinIcons::treeImage(cowOnGrass, size);
    QImage picture(size, size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(double(size) / Canvas, double(size) / Canvas);
    paint(painter);
    return picture;
}

QIcon ProgramIcon::icon() {
    QIcon all;
    for (const int size : Sizes)
        all.addPixmap(QPixmap::fromImage(image(size)));
    return all;
}
