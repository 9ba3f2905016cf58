// The game's pictures, compiled into the program, in both densities.
#pragma once

#include "core/GameState.h"

#include <QImage>

class TQtPicture : public TPicture {
public:
    explicit TQtPicture(const QString& name);
    // The drawing for a surface of the given device pixel ratio.
    const QImage& For(qreal devicePixelRatio) const {
        return devicePixelRatio > 1.25 ? FDouble : FSingle;
    }

private:
    QImage FSingle; // 46 x 46
    QImage FDouble; // 92 x 92, for high-density screens
};

// Fills JewelPictures with the blank cell and the six jewels, and
// VanishFrames with the seven frames.
void LoadPictureTables();
