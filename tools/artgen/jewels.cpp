#include "art.h"

#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace artgen {
namespace {

constexpr double kPi = std::numbers::pi;

// Seven shades of a stone, darkest first; the facets pick from these so that they stay flat and
// crisp after reduction to sixteen colours.
using Ramp = std::array<QRgb, 7>;

struct Vec3 {
    double x, y, z;
};

// A stone is a silhouette plus a skeleton of rings: the outer ring lies on the girdle (z = 0),
// the last ring is the table, and corresponding vertices of neighbouring rings bound the crown
// facets. The skeleton may reach past the silhouette (round and cushion stones); the facets
// are clipped to it.
struct Stone {
    QPainterPath outline;
    std::vector<QPolygonF> rings;
    std::vector<double> heights;
    bool starFacets = true; // split the facets around the table as a brilliant does
    Ramp ramp;
    int tableShade = 4;
    bool curvedHighlight = false; // a reflected window along the rim of a round stone
};

QPolygonF regularPolygon(int corners, double radius, double firstAngleDegrees) {
    QPolygonF p;
    for (int i = 0; i < corners; ++i) {
        const double a = (firstAngleDegrees + 360.0 * i / corners) * kPi / 180.0;
        p << QPointF(0.5 + radius * std::cos(a), 0.5 + radius * std::sin(a));
    }
    return p;
}

QPolygonF scaled(const QPolygonF& polygon, double factor) {
    QPolygonF p;
    for (const QPointF& v : polygon)
        p << QPointF(0.5, 0.5) + (v - QPointF(0.5, 0.5)) * factor;
    return p;
}

// An upright rectangle with its corners cut at 45 degrees, inset by `inset` on every side.
QPolygonF cutRectangle(double halfWidth, double halfHeight, double cut, double inset) {
    const double w = halfWidth - inset, h = halfHeight - inset;
    const double c = cut - inset * (2.0 - std::numbers::sqrt2);
    QPolygonF p;
    p << QPointF(0.5 - w + c, 0.5 - h) << QPointF(0.5 + w - c, 0.5 - h)
      << QPointF(0.5 + w, 0.5 - h + c) << QPointF(0.5 + w, 0.5 + h - c)
      << QPointF(0.5 + w - c, 0.5 + h) << QPointF(0.5 - w + c, 0.5 + h)
      << QPointF(0.5 - w, 0.5 + h - c) << QPointF(0.5 - w, 0.5 - h + c);
    return p;
}

QPainterPath pathOf(const QPolygonF& polygon) {
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    return path;
}

Vec3 normalOf(const std::vector<Vec3>& corners) {
    // Newell's method copes with the slightly non-planar quads of a clipped skeleton.
    Vec3 n{0, 0, 0};
    for (size_t i = 0; i < corners.size(); ++i) {
        const Vec3& a = corners[i];
        const Vec3& b = corners[(i + 1) % corners.size()];
        n.x += (a.y - b.y) * (a.z + b.z);
        n.y += (a.z - b.z) * (a.x + b.x);
        n.z += (a.x - b.x) * (a.y + b.y);
    }
    const double len = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
    if (n.z < 0)
        return {-n.x / len, -n.y / len, -n.z / len};
    return {n.x / len, n.y / len, n.z / len};
}

// Light from the upper left and in front, as the player expects on a screen.
double lightOn(const Vec3& n) {
    const Vec3 light{-0.48, -0.62, 0.62};
    const double len = std::sqrt(light.x * light.x + light.y * light.y + light.z * light.z);
    return (n.x * light.x + n.y * light.y + n.z * light.z) / len;
}

struct Facet {
    QPolygonF polygon;
    double light;
};

Facet facetOf(const std::vector<Vec3>& corners) {
    Facet f;
    for (const Vec3& c : corners)
        f.polygon << QPointF(c.x, c.y);
    f.light = lightOn(normalOf(corners));
    return f;
}

Vec3 at(const QPolygonF& ring, qsizetype i, double z) {
    const QPointF p = ring[i % ring.size()];
    return {p.x(), p.y(), z};
}

// A four-pointed glint, the classic sparkle on a polished face.
void paintGlint(QPainter& painter, QPointF centre, double size) {
    QPolygonF star;
    for (int i = 0; i < 8; ++i) {
        const double a = i * kPi / 4.0 - kPi / 2.0;
        const double r = (i % 2 == 0) ? size : size * 0.3;
        star << centre + QPointF(r * std::cos(a), r * std::sin(a));
    }
    painter.setBrush(QColor::fromRgb(kHighlightGrey));
    painter.drawPolygon(star);
}

Stone stoneOf(int kind) {
    Stone s;
    switch (kind) {
    case 1: { // blue square cushion
        s.ramp = {0xff0a1f6e, 0xff123a9e, 0xff1d5ccc, 0xff3a82e6,
                  0xff6aa8f2, 0xffa3cdf8, 0xffd6ecfd};
        s.outline.addRoundedRect(QRectF(0.07, 0.07, 0.86, 0.86), 0.17, 0.17);
        QPolygonF outer, table;
        const double half = 0.43, sideTable = 0.22, cornerTable = 0.2;
        for (int i = 0; i < 8; ++i) {
            const double a = (i * 45.0 - 90.0) * kPi / 180.0;
            const bool corner = i % 2 == 1;
            const double dx = std::cos(a), dy = std::sin(a);
            const double outerScale = corner ? half * std::numbers::sqrt2 : half;
            const double tableScale = corner ? cornerTable * std::numbers::sqrt2 : sideTable;
            outer << QPointF(0.5 + dx * outerScale, 0.5 + dy * outerScale);
            table << QPointF(0.5 + dx * tableScale, 0.5 + dy * tableScale);
        }
        s.rings = {outer, table};
        s.heights = {0.0, 0.11};
        break;
    }
    case 2: { // green octagonal step cut, upright
        s.ramp = {0xff064a1c, 0xff0c6e2c, 0xff16923c, 0xff28b450,
                  0xff5acd78, 0xff98e3a8, 0xffd2f4da};
        const double hw = 0.34, hh = 0.44, cut = 0.15;
        s.rings = {cutRectangle(hw, hh, cut, 0.0), cutRectangle(hw, hh, cut, 0.07),
                   cutRectangle(hw, hh, cut, 0.14), cutRectangle(hw, hh, cut, 0.2)};
        s.heights = {0.0, 0.05, 0.085, 0.1};
        s.outline = pathOf(s.rings.front());
        s.starFacets = false;
        break;
    }
    case 3: { // orange hexagon, points up and down
        s.ramp = {0xff7a2e00, 0xffb04a04, 0xffe06a0c, 0xfff68a22,
                  0xfffbaa52, 0xfffdca8c, 0xfffeeacc};
        const QPolygonF outer = regularPolygon(6, 0.45, -90.0);
        s.rings = {outer, scaled(outer, 0.5)};
        s.heights = {0.0, 0.12};
        s.outline = pathOf(outer);
        break;
    }
    case 4: { // magenta hexagon, points left and right
        s.ramp = {0xff4e0a52, 0xff78127c, 0xffa31ea6, 0xffc43cc6,
                  0xffd870da, 0xffe8a6ea, 0xfff6d8f6};
        const QPolygonF outer = regularPolygon(6, 0.45, 0.0);
        s.rings = {outer, scaled(outer, 0.5)};
        s.heights = {0.0, 0.12};
        s.outline = pathOf(outer);
        break;
    }
    case 5: { // red round brilliant
        s.ramp = {0xff600808, 0xff8e0e10, 0xffbc1a1c, 0xffe0322e,
                  0xfff06a60, 0xfff8a49c, 0xfffddad6};
        const double radius = 0.43;
        s.outline.addEllipse(QPointF(0.5, 0.5), radius, radius);
        const QPolygonF outer = regularPolygon(8, radius / std::cos(kPi / 8) + 0.01, -90.0);
        s.rings = {outer, scaled(outer, 0.48)};
        s.heights = {0.0, 0.12};
        s.curvedHighlight = true;
        break;
    }
    default: { // gold octagon with broad cut corners
        s.ramp = {0xff6e4c00, 0xffa07000, 0xffcc9a06, 0xffecbc1c,
                  0xfff8d652, 0xfffce88e, 0xfffef6cc};
        const QPolygonF outer = regularPolygon(8, 0.43 / std::cos(kPi / 8), -112.5);
        s.rings = {outer, scaled(outer, 0.55)};
        s.heights = {0.0, 0.1};
        s.outline = pathOf(outer);
        break;
    }
    }
    return s;
}

} // namespace

void paintJewel(QPainter& painter, int kind) {
    const Stone s = stoneOf(kind);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setClipPath(s.outline);

    std::vector<Facet> facets;
    for (size_t k = 0; k + 1 < s.rings.size(); ++k) {
        const QPolygonF& outer = s.rings[k];
        const QPolygonF& inner = s.rings[k + 1];
        const double zo = s.heights[k], zi = s.heights[k + 1];
        const bool stars = s.starFacets && k + 2 == s.rings.size();
        for (qsizetype i = 0; i < outer.size(); ++i) {
            const Vec3 a = at(outer, i, zo), b = at(outer, i + 1, zo);
            const Vec3 c = at(inner, i + 1, zi), d = at(inner, i, zi);
            if (!stars) {
                facets.push_back(facetOf({a, b, c, d}));
                continue;
            }
            // The star facet's outer point stands inside the girdle and above it, so the star
            // lies flatter than the facets beside it and catches the light differently.
            const double pull = 0.78;
            const Vec3 m{0.5 + ((a.x + b.x) / 2 - 0.5) * pull, 0.5 + ((a.y + b.y) / 2 - 0.5) * pull,
                         zo + (zi - zo) * 0.4};
            facets.push_back(facetOf({d, m, c}));
            facets.push_back(facetOf({a, m, d}));
            facets.push_back(facetOf({m, b, c}));
            facets.push_back(facetOf({a, b, m}));
        }
    }
    // Shade by rank rather than by amount of light, so that every stone uses its whole ramp
    // whatever its shape and neighbouring facets stay apart; facets lit alike stay alike.
    std::vector<double> lights;
    for (const Facet& f : facets)
        lights.push_back(f.light);
    std::sort(lights.begin(), lights.end());
    for (const Facet& f : facets) {
        const auto below = std::lower_bound(lights.begin(), lights.end(), f.light - 1e-9);
        const double rank =
            static_cast<double>(below - lights.begin()) / static_cast<double>(lights.size());
        const auto shade = static_cast<size_t>(1 + std::min(5, static_cast<int>(rank * 6.0)));
        painter.setBrush(QColor::fromRgb(s.ramp[shade]));
        painter.drawPolygon(f.polygon);
    }

    // The table, with a lighter sheen over its upper left part.
    const QPolygonF& table = s.rings.back();
    const auto tableShade = static_cast<size_t>(s.tableShade);
    painter.setBrush(QColor::fromRgb(s.ramp[tableShade]));
    painter.drawPolygon(table);
    const QRectF box = table.boundingRect();
    const double k = box.center().x() + box.center().y() - 0.05;
    QPolygonF upperLeft;
    upperLeft << QPointF(-1, -1) << QPointF(k + 1, -1) << QPointF(-1, k + 1);
    painter.setBrush(QColor::fromRgb(s.ramp[tableShade + 1]));
    painter.drawPolygon(table.intersected(upperLeft));

    // The table's edge catches the light and sets the table off from the crown.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(
        QPen(QColor::fromRgb(s.ramp[6]), 0.022, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawPolygon(table);

    // The girdle: a dark rim that keeps the silhouette readable against the pale background.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor::fromRgb(s.ramp[0]), 0.05));
    painter.drawPath(s.outline);

    if (s.curvedHighlight) {
        // A round stone mirrors a window as a bright curve; it takes the place of the glint.
        painter.setPen(QPen(QColor::fromRgb(kHighlightGrey), 0.045, Qt::SolidLine, Qt::RoundCap));
        const QRectF arc(0.5 - 0.31, 0.5 - 0.31, 0.62, 0.62);
        painter.drawArc(arc, 100 * 16, 70 * 16);
        painter.setPen(Qt::NoPen);
    } else {
        painter.setPen(Qt::NoPen);
        paintGlint(painter, box.topLeft() + QPointF(box.width() * 0.3, box.height() * 0.3), 0.12);
    }
    painter.restore();
}

QImage jewelImage(int kind, int size) {
    const QImage rgb = renderSupersampled(
        size, [kind](QPainter& p) { paintJewel(p, kind); }, QColor::fromRgb(kJewelBackground));
    const Stone s = stoneOf(kind);
    std::vector<QRgb> fixed{kJewelBackground, kHighlightGrey};
    fixed.insert(fixed.end(), s.ramp.begin(), s.ramp.end());
    return quantize(rgb, fixed);
}

QImage iconImage(int size) {
    // Small icons need the stone to fill the square; the cell's margin would waste a tenth.
    return renderSupersampled(
        size,
        [](QPainter& p) {
            p.translate(0.5, 0.5);
            p.scale(1.13, 1.13);
            p.translate(-0.5, -0.5);
            paintJewel(p, 1);
        },
        Qt::transparent, 16);
}

QImage blankImage(int size) {
    QImage image(size, size, QImage::Format_Mono);
    image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    image.fill(1);
    return image;
}

} // namespace artgen
