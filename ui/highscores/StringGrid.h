// A small read-only grid of texts with a fixed first row and column, laid out
// to the pixel: every column its own width, every row the same height, a
// 1-pixel line after each cell and a 1-pixel sunken border around them all.
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QWidget>

class TStringGrid : public QWidget {
    Q_OBJECT

public:
    TStringGrid(QList<int> colWidths, int rowCount, int rowHeight, QWidget* parent = nullptr);

    int ColCount() const { return static_cast<int>(FColWidths.size()); }
    int RowCount() const { return FRowCount; }

    QString Cells(int col, int row) const;
    void SetCells(int col, int row, const QString& text);

    // The current cell, which carries the focus rectangle.
    int Col() const { return FCurrent.x(); }
    int Row() const { return FCurrent.y(); }
    // The selected block: the current cell and the anchor at opposite corners.
    QRect Selection() const;

    // Where a cell lies in the widget, without the line after it.
    QRect CellRect(int col, int row) const;
    // The cell at a point, or (-1, -1) for a line, the border or outside.
    QPoint CellAt(QPoint point) const;

    // The widget's size: the cells, their lines and the border.
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // Makes cell the current one, clamped to the cells that can be selected;
    // extend keeps the anchor, otherwise the block shrinks to the cell.
    void MoveTo(QPoint cell, bool extend);
    // The cell nearest to a point, even outside the grid, while dragging.
    QPoint NearestCell(QPoint point) const;
    int ColLeft(int col) const;

    QList<int> FColWidths;
    int FRowCount;
    int FRowHeight;
    QList<QString> FCells; // row by row
    QPoint FCurrent{1, 1};
    QPoint FAnchor{1, 1};
    bool FDragging = false;
};
