#include "PasturePicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int width = PasturePicture::Width;
constexpr int height = PasturePicture::Height;
constexpr double meadowTop = 176;

double uniform(QRandomGenerator& random, double from, double to) {
    return from + random.generateDouble() * (to - from);
}

// Smooth one-dimensional noise in [-1, 1], one value per pixel column: octaves of random values
// at lattice points joined by cosine interpolation.
std::vector<double> noiseProfile(QRandomGenerator& random, double period, int octaves) {
    std::vector<double> profile(width + 1, 0.0);
    double amplitude = 1.0;
    double total = 0.0;
    for (int octave = 0; octave < octaves; ++octave) {
        const int points = int(width / period) + 2;
        std::vector<double> lattice(points);
        for (double& value : lattice)
            value = uniform(random, -1.0, 1.0);
        for (int x = 0; x <= width; ++x) {
            const double t = x / period;
            const int i = int(t);
            const double f = (1.0 - std::cos((t - i) * M_PI)) / 2.0;
            profile[x] += amplitude * (lattice[i] * (1.0 - f) + lattice[i + 1] * f);
        }
        total += amplitude;
        amplitude /= 2.0;
        period /= 2.0;
    }
    for (double& value : profile)
        value /= total;
    return profile;
}

struct Peak {
    double x;
    double y;
};

struct Range {
    std::vector<Peak> peaks;
    double slope;     // steepness of the flanks, pixels down per pixel aside
    double roughness; // pixels of noise on the ridge
    double snowLine;  // no snow below this height
    QColor rockLit;
    QColor foot; // the colour the slopes take towards their foot
    QColor rockShade;
};

// The ridge of a range: the peaks as steep cones with flanks of unequal steepness, the lowest
// cone wins, roughened by noise.
std::vector<double> ridgeOf(const Range& range, QRandomGenerator& random) {
    std::vector<std::pair<double, double>> flanks;
    for (std::size_t i = 0; i < range.peaks.size(); ++i)
        flanks.emplace_back(range.slope * uniform(random, 0.7, 1.3),
                            range.slope * uniform(random, 0.7, 1.3));
    const std::vector<double> noise = noiseProfile(random, 30.0, 5);
    std::vector<double> ridge(width + 1);
    for (int x = 0; x <= width; ++x) {
        double y = height;
        for (std::size_t i = 0; i < range.peaks.size(); ++i) {
            const Peak& peak = range.peaks[i];
            const double flank = x < peak.x ? flanks[i].first : flanks[i].second;
            y = std::min(y, peak.y + flank * std::abs(x - peak.x));
        }
        ridge[x] = y + noise[x] * range.roughness;
    }
    return ridge;
}

QPainterPath areaBelow(const std::vector<double>& ridge, double bottom) {
    QPainterPath path;
    path.moveTo(0, bottom);
    for (int x = 0; x <= width; ++x)
        path.lineTo(x, ridge[x]);
    path.lineTo(width, bottom);
    path.closeSubpath();
    return path;
}

void paintSky(QPainter& painter) {
    QLinearGradient sky(0, 0, 0, meadowTop);
    sky.setColorAt(0.0, QColor(28, 78, 160));
    sky.setColorAt(0.45, QColor(74, 134, 204));
    sky.setColorAt(1.0, QColor(196, 222, 240));
    painter.fillRect(QRectF(0, 0, width, meadowTop + 20), sky);
}

void paintCloud(QPainter& painter, QRandomGenerator& random, QPointF centre, double size) {
    for (int i = 0; i < 9; ++i) {
        const QPointF puff = centre + QPointF(uniform(random, -1.6, 1.6) * size,
                                              uniform(random, -0.35, 0.25) * size);
        const double radius = size * uniform(random, 0.45, 0.8);
        QRadialGradient gradient(puff, radius);
        gradient.setColorAt(0.0, QColor(255, 255, 255, 150));
        gradient.setColorAt(1.0, QColor(255, 255, 255, 0));
        painter.setBrush(gradient);
        painter.drawEllipse(puff, radius * 1.6, radius);
    }
}

void paintRange(QPainter& painter, QRandomGenerator& random, const Range& range) {
    const std::vector<double> ridge = ridgeOf(range, random);
    const QPainterPath mountain = areaBelow(ridge, meadowTop + 10);
    painter.save();
    painter.setClipPath(mountain);

    QLinearGradient rock(0, 50, 0, meadowTop);
    rock.setColorAt(0.0, range.rockLit.lighter(115));
    rock.setColorAt(0.55, range.rockLit);
    rock.setColorAt(1.0, range.foot);
    painter.fillPath(mountain, rock);

    // Snow reaches further down below the higher peaks and runs down the gullies in streaks.
    const std::vector<double> streaks = noiseProfile(random, 9.0, 3);
    QPainterPath snow;
    snow.moveTo(0, ridge[0]);
    for (int x = 0; x <= width; ++x)
        snow.lineTo(x, ridge[x]);
    for (int x = width; x >= 0; --x) {
        const double above = std::max(0.0, range.snowLine - ridge[x]);
        const double depth =
            above * 0.85 + (above > 0 ? 7.0 * std::abs(streaks[x]) * above / 20 : 0);
        snow.lineTo(x, ridge[x] + depth);
    }
    snow.closeSubpath();
    painter.fillPath(snow, QColor(250, 251, 253));

    // Light comes from the left: the right flank of every peak, down to the next saddle, lies
    // in shade, bounded by a spur that runs from the summit down and slightly right.
    for (std::size_t i = 0; i < range.peaks.size(); ++i) {
        const int from = std::clamp(int(range.peaks[i].x) - 6, 0, width);
        const int to = std::clamp(int(range.peaks[i].x) + 6, 0, width);
        const int summit =
            int(std::min_element(ridge.begin() + from, ridge.begin() + to + 1) - ridge.begin());
        int saddle = width;
        if (i + 1 < range.peaks.size()) {
            const int next = std::clamp(int(range.peaks[i + 1].x), summit, width);
            saddle = int(std::max_element(ridge.begin() + summit, ridge.begin() + next + 1) -
                         ridge.begin());
        }
        const double bottom = meadowTop + 10;
        const double drop = bottom - ridge[summit];
        QPainterPath shade;
        shade.moveTo(summit, ridge[summit]);
        for (int x = summit; x <= saddle; ++x)
            shade.lineTo(x, ridge[x]);
        shade.lineTo(saddle + drop * 0.3, bottom);
        const int steps = 24;
        for (int step = steps; step >= 0; --step) {
            const double t = double(step) / steps;
            const double x = summit + drop * t * 0.4 + uniform(random, -1.5, 1.5) * t * 3;
            shade.lineTo(std::min(x, double(saddle) + drop * t * 0.3), ridge[summit] + drop * t);
        }
        shade.closeSubpath();
        painter.fillPath(shade, range.rockShade);
    }
    painter.restore();
}

void paintHaze(QPainter& painter, double top, double bottom, int alpha) {
    QLinearGradient haze(0, top, 0, bottom);
    haze.setColorAt(0.0, QColor(205, 225, 240, 0));
    haze.setColorAt(1.0, QColor(205, 225, 240, alpha));
    painter.fillRect(QRectF(0, top, width, bottom - top), haze);
}

void paintForest(QPainter& painter, QRandomGenerator& random) {
    const std::vector<double> hills = noiseProfile(random, 120.0, 3);
    std::vector<double> edge(width + 1);
    for (int x = 0; x <= width; ++x)
        edge[x] = meadowTop - 12 + hills[x] * 9;
    painter.fillPath(areaBelow(edge, meadowTop + 12), QColor(46, 86, 44));
    painter.setBrush(QColor(34, 70, 36));
    for (double x = -2; x < width + 2; x += uniform(random, 2.0, 4.5)) {
        const double base = edge[std::clamp(int(x), 0, width)] + 4;
        const double tall = uniform(random, 6, 12);
        const QPointF tree[] = {{x, base - tall}, {x - tall * 0.3, base}, {x + tall * 0.3, base}};
        painter.drawPolygon(tree, 3);
    }
}

void paintMeadow(QPainter& painter, QRandomGenerator& random) {
    const std::vector<double> rolling = noiseProfile(random, 160.0, 2);
    std::vector<double> edge(width + 1);
    for (int x = 0; x <= width; ++x)
        edge[x] = meadowTop + rolling[x] * 5;
    QLinearGradient grass(0, meadowTop - 5, 0, height);
    grass.setColorAt(0.0, QColor(160, 196, 84));
    grass.setColorAt(0.35, QColor(112, 164, 54));
    grass.setColorAt(1.0, QColor(64, 118, 34));
    painter.fillPath(areaBelow(edge, height), grass);

    // Patches of lighter and darker grass, flattened by the distance.
    for (int i = 0; i < 70; ++i) {
        const double y = uniform(random, meadowTop + 4, height);
        const double depth = (y - meadowTop) / (height - meadowTop);
        const QPointF centre(uniform(random, 0, width), y);
        const double radius = 10 + 60 * depth;
        QRadialGradient patch(centre, radius);
        const QColor tone = random.bounded(2) ? QColor(180, 210, 90, 60) : QColor(40, 90, 30, 60);
        patch.setColorAt(0.0, tone);
        patch.setColorAt(1.0, QColor(tone.red(), tone.green(), tone.blue(), 0));
        painter.setBrush(patch);
        painter.drawEllipse(centre, radius, radius * (0.15 + 0.2 * depth));
    }

    // Blades of grass, longer towards the viewer.
    for (int i = 0; i < 5000; ++i) {
        const double depth = std::pow(random.generateDouble(), 0.7);
        const double y = meadowTop + 3 + depth * (height - meadowTop);
        const double x = uniform(random, 0, width);
        const double length = 0.8 + depth * depth * 7;
        const QColor blade = QColor::fromHsv(random.bounded(70, 105), random.bounded(120, 220),
                                             random.bounded(70, 190), 150);
        painter.setPen(QPen(blade, 0.5 + depth * 0.8));
        painter.drawLine(QPointF(x, y),
                         QPointF(x + uniform(random, -0.4, 0.4) * length, y - length));
    }
    painter.setPen(Qt::NoPen);
}

void paintFlowers(QPainter& painter, QRandomGenerator& random) {
    struct Kind {
        QColor petals;
        int share;
    };
    const Kind kinds[] = {{QColor(250, 214, 52), 38},
                          {QColor(250, 250, 244), 30},
                          {QColor(150, 104, 206), 14},
                          {QColor(226, 70, 66), 8},
                          {QColor(96, 128, 226), 10}};
    for (int i = 0; i < 1400; ++i) {
        const double depth = std::pow(random.generateDouble(), 0.8);
        const QPointF centre(uniform(random, 0, width),
                             meadowTop + 5 + depth * (height - meadowTop - 5));
        int pick = random.bounded(100);
        const Kind* kind = std::begin(kinds);
        while (pick >= kind->share) {
            pick -= kind->share;
            ++kind;
        }
        const double size = 0.5 + depth * depth * 3.2;
        if (size < 1.6) {
            painter.setBrush(kind->petals);
            painter.drawEllipse(centre, size * 0.8, size * 0.6);
            continue;
        }
        painter.setBrush(kind->petals);
        for (int petal = 0; petal < 5; ++petal) {
            const double angle = petal * 2 * M_PI / 5 + i;
            painter.drawEllipse(centre +
                                    QPointF(std::cos(angle), std::sin(angle) * 0.7) * size * 0.6,
                                size * 0.45, size * 0.35);
        }
        painter.setBrush(kind->petals == QColor(250, 214, 52) ? QColor(200, 120, 20)
                                                              : QColor(246, 200, 40));
        painter.drawEllipse(centre, size * 0.3, size * 0.25);
    }
}

struct Cow {
    QPointF ground; // under the middle of the body
    double scale;
    bool facingLeft;
    bool grazing;
    bool pinzgau; // chestnut with a white back and belly, otherwise pied
};

const QColor cowWhite(246, 242, 234);
const QColor cowBrown(140, 66, 30);
const QColor cowOutline(70, 42, 26, 150);

// The cow is drawn facing right with its hooves on y = 0, about 110 units long.
QPainterPath cowBody() {
    QPainterPath body;
    body.moveTo(10, -84);
    body.cubicTo(30, -86, 40, -82, 56, -82);
    body.cubicTo(70, -82, 80, -88, 90, -88);
    body.cubicTo(100, -86, 108, -70, 106, -56);
    body.cubicTo(104, -46, 98, -42, 90, -40);
    body.cubicTo(72, -34, 50, -34, 36, -40);
    body.cubicTo(28, -44, 22, -50, 16, -52);
    body.cubicTo(6, -56, 2, -70, 10, -84);
    return body;
}

QPainterPath cowNeck(bool grazing) {
    QPainterPath neck;
    neck.moveTo(78, -86);
    if (grazing) {
        neck.cubicTo(96, -90, 108, -66, 118, -40);
        neck.lineTo(104, -32);
        neck.cubicTo(100, -42, 98, -48, 94, -52);
    } else {
        neck.cubicTo(90, -92, 100, -96, 108, -99);
        neck.lineTo(116, -80);
        neck.cubicTo(108, -70, 102, -58, 96, -50);
    }
    neck.closeSubpath();
    return neck;
}

// The head is drawn pointing down from the poll, then turned into place by this.
QTransform headPlacement(bool grazing) {
    return grazing ? QTransform().translate(112, -34).rotate(-25)
                   : QTransform().translate(111, -97).rotate(-42);
}

QPainterPath cowHead() {
    QPainterPath head;
    head.moveTo(-7, 0);
    head.cubicTo(-8, 10, -6, 22, -5, 30);
    head.cubicTo(-4, 35, 4, 35, 5, 30);
    head.cubicTo(6, 22, 8, 10, 7, 0);
    head.cubicTo(4, -3, -4, -3, -7, 0);
    return head;
}

// Legs are outlines that run down the back and up the front; the two points in their middle
// stand on the hoof.
void paintLeg(QPainter& painter, const QPolygonF& leg, const QColor& colour) {
    painter.setBrush(colour);
    painter.drawPolygon(leg);
    const QPointF heel = leg.at(leg.size() / 2);
    const QPointF toe = leg.at(leg.size() / 2 + 1);
    painter.setBrush(QColor(50, 40, 34));
    painter.drawRoundedRect(QRectF(QPointF(std::min(heel.x(), toe.x()) - 0.6, heel.y()),
                                   QPointF(std::max(heel.x(), toe.x()) + 0.6, 0)),
                            1.2, 1.2);
}

QPolygonF shifted(const QPolygonF& polygon, double dx) {
    return polygon.translated(dx, 0);
}

void paintCow(QPainter& painter, QRandomGenerator& random, const Cow& cow) {
    painter.save();
    painter.translate(cow.ground);
    painter.scale(cow.facingLeft ? -cow.scale : cow.scale, cow.scale);
    painter.translate(-55, 0);

    QRadialGradient shadow(QPointF(58, 0), 62);
    shadow.setColorAt(0.0, QColor(20, 50, 10, 120));
    shadow.setColorAt(1.0, QColor(20, 50, 10, 0));
    painter.setBrush(shadow);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(58, 0), 68, 7);

    const QPolygonF frontLeg(
        {{88, -56}, {103, -54}, {99, -32}, {100, -26}, {98, -6}, {92, -6}, {92, -26}, {90, -32}});
    const QPolygonF hindLeg(
        {{8, -70}, {32, -58}, {26, -36}, {22, -26}, {22, -6}, {16, -6}, {14, -22}, {10, -30}});
    const QColor legColour = cow.pinzgau ? cowBrown : cowWhite;
    const QPen outline(cowOutline, 1.0);
    painter.setPen(outline);

    // Legs first, the far ones darker, so that the body covers where they join it.
    paintLeg(painter, shifted(frontLeg, -11), legColour.darker(125));
    paintLeg(painter, shifted(hindLeg, 10), legColour.darker(125));
    paintLeg(painter, frontLeg, legColour);
    paintLeg(painter, hindLeg, legColour);

    QPainterPath tail;
    tail.moveTo(10, -82);
    tail.cubicTo(2, -72, 2, -52, 4, -28);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(cow.pinzgau ? cowWhite : cowBrown, 2.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(tail);
    painter.setPen(outline);
    painter.setBrush(cowWhite.darker(105));
    painter.drawEllipse(QPointF(4, -25), 2.6, 5);

    // The markings are cut to the trunk rather than clipped, so that the cow also draws into a
    // vector file (the program's icon), whose writer knows no clipping.
    const QPainterPath trunk = cowBody().united(cowNeck(cow.grazing));
    painter.setPen(Qt::NoPen);
    painter.fillPath(trunk, cow.pinzgau ? cowBrown : cowWhite);
    QPainterPath markings;
    if (cow.pinzgau) {
        // The breed's white line along the back and under the belly.
        markings.addEllipse(QRectF(6, -94, 90, 13));
        markings.addEllipse(QRectF(30, -42, 62, 14));
    } else {
        const int patches = 3 + random.bounded(3);
        for (int i = 0; i < patches; ++i) {
            const QPointF centre(uniform(random, 14, 104), uniform(random, -88, -54));
            markings.addEllipse(centre, uniform(random, 10, 20), uniform(random, 8, 15));
        }
        markings.addEllipse(QRectF(0, -90, 28, 32));   // rump
        markings.addEllipse(QRectF(84, -104, 40, 34)); // neck
    }
    markings.setFillRule(Qt::WindingFill);
    painter.fillPath(trunk.intersected(markings), cow.pinzgau ? cowWhite : cowBrown);
    QLinearGradient roundness(0, -90, 0, -36);
    roundness.setColorAt(0.0, QColor(255, 255, 255, 60));
    roundness.setColorAt(0.4, QColor(0, 0, 0, 0));
    roundness.setColorAt(1.0, QColor(0, 0, 0, 70));
    painter.fillPath(trunk, roundness);
    painter.setPen(outline);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(trunk);

    painter.setBrush(QColor(238, 170, 160));
    painter.drawEllipse(QPointF(40, -37), 9, 6);
    painter.drawRect(QRectF(35, -33, 1.6, 4));
    painter.drawRect(QRectF(43, -33, 1.6, 4));

    // The pied cows have a white face, the Pinzgau a chestnut one; ears, short horns, an eye and
    // a pink muzzle.
    painter.setTransform(headPlacement(cow.grazing), true);
    const QColor earColour = cowBrown.lighter(110);
    for (const double side : {-1.0, 1.0}) {
        painter.setBrush(QColor(232, 222, 196));
        painter.drawEllipse(QPointF(side * 5, -2.5), 1.6, 3.2);
        painter.save();
        painter.translate(side * 8, 3);
        painter.rotate(side * 35);
        painter.setBrush(earColour);
        painter.drawEllipse(QPointF(side * 3, 0), 5.5, 2.8);
        painter.restore();
    }
    painter.setBrush(cow.pinzgau ? cowBrown : cowWhite);
    painter.drawPath(cowHead());
    painter.setBrush(QColor(222, 152, 142));
    painter.drawEllipse(QPointF(0, 30), 5.4, 4.2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 24, 20));
    painter.drawEllipse(QPointF(-4.5, 10), 1.4, 1.4);

    painter.restore();
}

void paintCows(QPainter& painter, QRandomGenerator& random) {
    // The two near cows stay above the band where the splash screen writes its lines.
    const Cow cows[] = {
        {{170, 196}, 0.26, true, true, false},  {{316, 199}, 0.29, false, true, true},
        {{205, 204}, 0.3, false, false, false}, {{262, 222}, 0.46, false, true, false},
        {{418, 240}, 0.68, true, false, false}, {{86, 247}, 0.8, false, true, false},
    };
    for (const Cow& cow : cows)
        paintCow(painter, random, cow);
}

} // namespace

void PasturePicture::paintCow(QPainter& painter, QPointF ground, double scale, quint32 seed) {
    QRandomGenerator random(seed);
    ::paintCow(painter, random, {ground, scale, false, false, false});
}

QImage PasturePicture::paint() {
    QImage image(Width, Height, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    QRandomGenerator random(20060330);

    paintSky(painter);
    paintCloud(painter, random, {60, 40}, 18);
    paintCloud(painter, random, {455, 70}, 14);
    paintCloud(painter, random, {300, 118}, 12);

    paintRange(painter, random,
               {{{20, 58}, {118, 100}, {200, 96}, {282, 104}, {372, 98}, {478, 50}},
                0.62,
                5,
                128,
                QColor(150, 166, 190),
                QColor(128, 142, 166),
                QColor(96, 112, 150, 120)});
    paintHaze(painter, 110, meadowTop, 150);
    paintRange(painter, random,
               {{{30, 130},
                 {66, 114},
                 {118, 132},
                 {160, 124},
                 {206, 136},
                 {246, 118},
                 {300, 134},
                 {346, 122},
                 {400, 130},
                 {440, 106},
                 {490, 126}},
                0.75,
                8,
                128,
                QColor(132, 132, 130),
                QColor(70, 104, 78),
                QColor(50, 56, 76, 110)});
    paintHaze(painter, 130, meadowTop, 90);
    paintForest(painter, random);
    paintMeadow(painter, random);
    paintFlowers(painter, random);
    paintCows(painter, random);

    // The bottom darkens a little so that the silver lines written over it stay readable.
    QLinearGradient ground(0, 225, 0, Height);
    ground.setColorAt(0.0, QColor(0, 20, 0, 0));
    ground.setColorAt(1.0, QColor(0, 20, 0, 150));
    painter.fillRect(QRectF(0, 225, Width, Height - 225), ground);
    return image;
}
