// The game window's client area: the well on the left, the preview on the
// right. It remembers which picture each cell shows, so any part the window
// system asks for is painted again as it was, crisp at any pixel density.
#pragma once

#include <QRegion>
#include <QWidget>

class TQtPicture;

class TClientArea : public QWidget {
public:
    static constexpr int Width = 362;
    static constexpr int Height = 598;
    static constexpr QPoint PreviewOrigin{285, 250};

    explicit TClientArea(QWidget* parent);

    // Puts a picture at a pixel position of the well, 46 x 46, clipped to it.
    void PaintWellCell(int x, int y, const TQtPicture* picture);
    void PaintPreviewCell(int x, int y, const TQtPicture* picture);
    void ClearPreview();
    void MarkDirty(const QRect& rect) { FDirty += rect; }
    // Paints what changed and hands it to the window system now.
    void Flush();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const TQtPicture* FWell[6][13] = {}; // nullptr: white, as at start
    const TQtPicture* FPreview[3] = {};
    QRegion FDirty;
};
