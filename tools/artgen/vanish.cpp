#include "art.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <cmath>
#include <cstdint>
#include <numbers>

namespace artgen {
namespace {

constexpr double kPi = std::numbers::pi;
const QPointF kCentre(0.5, 0.5);

// A tiny generator of our own: the standard distributions may differ between libraries, and
// the pictures must come out byte for byte the same on every run.
class Random {
public:
    explicit Random(std::uint32_t seed) : state_(seed) {}
    double next() {
        state_ = state_ * 1664525u + 1013904223u;
        return (state_ >> 8) / 16777216.0;
    }
    double between(double low, double high) { return low + (high - low) * next(); }

private:
    std::uint32_t state_;
};

const QColor kWhiteHot(255, 255, 240);
const QColor kPaleYellow(255, 246, 170);
const QColor kYellow(255, 214, 0);
const QColor kAmber(250, 160, 0);
const QColor kRed(226, 24, 24);
const QColor kDeepRed(170, 0, 10);
const QColor kPink(255, 110, 190);
const QColor kBlue(30, 80, 235);
const QColor kCyan(0, 200, 235);
const QColor kPaleBlue(150, 185, 250);
const QColor kPaleCyan(140, 225, 240);

void paintSpark(QPainter& painter, QPointF at, double size, const QColor& colour, double turn) {
    QPolygonF star;
    for (int i = 0; i < 8; ++i) {
        const double a = turn + i * kPi / 4.0;
        const double r = (i % 2 == 0) ? size : size * 0.3;
        star << at + QPointF(r * std::cos(a), r * std::sin(a));
    }
    painter.setBrush(colour);
    painter.drawPolygon(star);
}

void paintBall(QPainter& painter, double radius, const QGradientStops& stops) {
    QRadialGradient gradient(kCentre, radius);
    gradient.setStops(stops);
    painter.setBrush(gradient);
    painter.drawEllipse(kCentre, radius, radius);
}

// One ring of sparks. Each spark's direction and speed come from the frame-independent seed so
// that sparks of the same ring fly outwards along the same lines from frame to frame.
struct Sparks {
    std::uint32_t seed;
    int count;
    double nearRadius, farRadius, size;
    std::vector<QColor> colours;
};

void paintSparks(QPainter& painter, const Sparks& s) {
    Random random(s.seed);
    for (int i = 0; i < s.count; ++i) {
        const double angle = (i + random.between(0.15, 0.85)) * 2.0 * kPi / s.count;
        const double reach = random.next();
        const double sizeScale = random.between(0.7, 1.15);
        const double turn = random.next() < 0.5 ? 0.0 : kPi / 4.0;
        const double r = s.nearRadius + (s.farRadius - s.nearRadius) * reach;
        const QPointF at = kCentre + QPointF(r * std::cos(angle), r * std::sin(angle));
        const QColor& colour = s.colours[static_cast<size_t>(i) % s.colours.size()];
        paintSpark(painter, at, s.size * sizeScale, colour, turn);
    }
}

void paintFrame(QPainter& painter, int frame) {
    painter.setPen(Qt::NoPen);
    switch (frame) {
    case 1: // the stone flashes white-hot
        paintSpark(painter, kCentre, 0.3, kYellow, 0.0);
        paintBall(painter, 0.17,
                  {{0.0, kWhiteHot}, {0.55, kPaleYellow}, {0.8, kYellow}, {1.0, kAmber}});
        break;
    case 2: { // and bursts
        QPolygonF burst;
        for (int i = 0; i < 24; ++i) {
            const double a = i * kPi / 12.0 - kPi / 2.0;
            const double r = (i % 2 == 0) ? ((i % 4 == 0) ? 0.3 : 0.24) : 0.14;
            burst << kCentre + QPointF(r * std::cos(a), r * std::sin(a));
        }
        QRadialGradient gradient(kCentre, 0.3);
        gradient.setStops({{0.0, kWhiteHot}, {0.3, kPaleYellow}, {0.6, kYellow}, {1.0, kAmber}});
        painter.setBrush(gradient);
        painter.drawPolygon(burst);
        paintSparks(painter, {11, 10, 0.33, 0.42, 0.045, {kYellow, kAmber}});
        break;
    }
    case 3:
        paintBall(painter, 0.14, {{0.0, QColor(255, 150, 110)}, {0.5, kRed}, {1.0, kDeepRed}});
        paintSparks(painter, {23, 10, 0.19, 0.26, 0.05, {kRed, kDeepRed}});
        paintSparks(painter, {11, 12, 0.33, 0.44, 0.045, {kYellow, kAmber}});
        break;
    case 4:
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(kYellow, 0.05));
        painter.drawEllipse(kCentre, 0.115, 0.115);
        painter.setPen(Qt::NoPen);
        paintBall(painter, 0.085, {{0.0, QColor(255, 130, 100)}, {0.6, kRed}, {1.0, kDeepRed}});
        paintSparks(painter, {23, 10, 0.22, 0.34, 0.048, {kRed, kPink}});
        paintSparks(painter, {11, 12, 0.38, 0.5, 0.042, {kYellow, kPink, kRed, kAmber}});
        break;
    case 5: // the sparks cool
        paintSparks(painter, {37, 4, 0.06, 0.16, 0.045, {kPink, kCyan}});
        paintSparks(painter, {23, 10, 0.16, 0.38, 0.055, {kBlue, kPink, kCyan, kRed}});
        paintSparks(painter, {11, 14, 0.36, 0.62, 0.055, {kCyan, kBlue, kRed, kPink}});
        break;
    case 6:
        paintSparks(painter, {23, 8, 0.3, 0.48, 0.05, {kBlue, kCyan, kCyan, kYellow}});
        paintSparks(painter, {11, 12, 0.44, 0.66, 0.05, {kBlue, kCyan, kBlue, kYellow}});
        break;
    default: // and fade out at the edges
        paintSparks(painter, {11, 8, 0.46, 0.66, 0.04, {kPaleBlue, kPaleCyan}});
        break;
    }
}

} // namespace

QImage vanishImage(int frame, int size) {
    const QImage rgb = renderSupersampled(
        size, [frame](QPainter& p) { paintFrame(p, frame); }, Qt::white);
    return quantize(rgb, {0xffffffffu});
}

} // namespace artgen
