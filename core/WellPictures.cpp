// The whole well drawn at once: blanked for a new game, redrawn after a
// cascade pass or a resume, covered while paused, striped at the end.
#include "core/Game.h"

void TGame::DrawWell(TWellPicture picture, TWellOrder order) {
    const auto kindAt = [picture](int32_t c, int32_t r) -> uint8_t {
        switch (picture) {
        case TWellPicture::Blank:
            return CellEmpty;
        case TWellPicture::Position:
            return Board[c][r];
        case TWellPicture::EndStripes:
            return static_cast<uint8_t>((c + r) % JewelKinds + 1);
        case TWellPicture::PauseBands:
            return static_cast<uint8_t>(r % JewelKinds + 1);
        }
        return CellEmpty;
    };
    if (order == TWellOrder::ColumnByColumn) {
        for (int32_t c = 1; c <= WellColumns; ++c) {
            for (int32_t r = 1; r <= WellRows; ++r) {
                DrawShape(c, r, kindAt(c, r));
            }
        }
    } else {
        for (int32_t r = 1; r <= WellRows; ++r) {
            for (int32_t c = 1; c <= WellColumns; ++c) {
                DrawShape(c, r, kindAt(c, r));
            }
        }
    }
}
