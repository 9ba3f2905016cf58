#pragma once

// Picture generator for the game's cells, vanish frames and program icon.
// All drawing happens in unit coordinates: the cell is the square (0,0)-(1,1),
// so the same drawing code serves the normal and the double-density pictures.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>

#include <functional>
#include <vector>

namespace artgen {

using Painting = std::function<void(QPainter&)>;

// Paints at `factor` times the size without antialiasing and averages each block: facets that
// share an edge then meet without the hairline seams antialiased polygons leave, and every
// edge still gets factor² levels of coverage. A transparent background keeps the alpha.
QImage renderSupersampled(int size, const Painting& paint, QColor background, int factor = 12);

// Reduces an opaque picture to an indexed one with exactly `paletteSize` colours: the fixed
// colours first, in their order, then the shades that represent the remaining pixels best.
QImage quantize(const QImage& picture, const std::vector<QRgb>& fixed, int paletteSize = 16);

inline constexpr int kJewelKinds = 6;
inline constexpr int kVanishFrames = 7;

// The background of the stones: nearly, but deliberately not quite, white.
inline constexpr QRgb kJewelBackground = 0xfffcfefc;
inline constexpr QRgb kHighlightGrey = 0xffe4e2e4;

void paintJewel(QPainter& painter, int kind);
QImage jewelImage(int kind, int size);
QImage vanishImage(int frame, int size);
QImage blankImage(int size);
QImage iconImage(int size);

struct Picture {
    QString fileName;
    QImage image;
    // Compiled into the game; the larger icons are only installed for the desktop.
    bool inResource = true;
};

// Every picture the game loads, at both densities, then the desktop's icons, in a fixed order.
std::vector<Picture> allPictures();

// Contact sheets for looking at the art: the cells enlarged, and mock wells.
void writeSheets(const std::vector<Picture>& pictures, const QString& directory);

} // namespace artgen
