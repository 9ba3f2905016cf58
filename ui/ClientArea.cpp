#include "ui/ClientArea.h"

#include "core/GameState.h"
#include "ui/Pictures.h"

#include <QPaintEvent>
#include <QPainter>

namespace {

QRect CellRect(int x, int y) {
    return {x, y, CellSize, CellSize};
}

} // namespace

TClientArea::TClientArea(QWidget* parent) : QWidget(parent) {
    setFixedSize(Width, Height);
    setCursor(Qt::CrossCursor);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TClientArea::PaintWellCell(int x, int y, const TQtPicture* picture) {
    // The game draws whole cells only; one above the well is clipped away.
    if (x < 0 || y < 0 || x % CellSize != 0 || y % CellSize != 0) {
        return;
    }
    const int c = x / CellSize;
    const int r = y / CellSize;
    if (c >= WellColumns || r >= WellRows) {
        return;
    }
    FWell[c][r] = picture;
    FDirty += CellRect(x, y);
}

void TClientArea::PaintPreviewCell(int x, int y, const TQtPicture* picture) {
    if (x != 0 || y < 0 || y % CellSize != 0 || y / CellSize >= 3) {
        return;
    }
    FPreview[y / CellSize] = picture;
    FDirty += CellRect(PreviewOrigin.x(), PreviewOrigin.y() + y);
}

void TClientArea::ClearPreview() {
    for (auto& cell : FPreview) {
        cell = nullptr;
    }
    FDirty += QRect(PreviewOrigin, QSize(CellSize, 3 * CellSize));
}

void TClientArea::Flush() {
    if (FDirty.isEmpty()) {
        return;
    }
    const QRegion dirty = FDirty;
    FDirty = QRegion();
    if (isVisible()) {
        repaint(dirty);
    }
}

void TClientArea::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const qreal ratio = devicePixelRatioF();
    if (ratio != 1.0 && ratio != 2.0) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    }
    const QRect area = event->rect();
    painter.fillRect(area, Qt::white);
    auto paintCell = [&](const QRect& rect, const TQtPicture* picture) {
        if (picture != nullptr && rect.intersects(area)) {
            painter.drawImage(rect, picture->For(ratio));
        }
    };
    for (int c = 0; c < WellColumns; ++c) {
        for (int r = 0; r < WellRows; ++r) {
            paintCell(CellRect(c * CellSize, r * CellSize), FWell[c][r]);
        }
    }
    for (int i = 0; i < 3; ++i) {
        paintCell(CellRect(PreviewOrigin.x(), PreviewOrigin.y() + i * CellSize), FPreview[i]);
    }
}
