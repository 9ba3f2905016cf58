#include "ui/highscores/StringGrid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <numeric>

namespace {
constexpr int Border = 1;
constexpr int Line = 1;
constexpr int TextIndent = 2;
} // namespace

TStringGrid::TStringGrid(QList<int> colWidths, int rowCount, int rowHeight, QWidget* parent)
    : QWidget(parent), FColWidths(std::move(colWidths)), FRowCount(rowCount), FRowHeight(rowHeight),
      FCells(ColCount() * rowCount) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(sizeHint());
}

QSize TStringGrid::sizeHint() const {
    const int width = std::accumulate(FColWidths.begin(), FColWidths.end(), 0);
    return {2 * Border + width + ColCount() * Line, 2 * Border + FRowCount * (FRowHeight + Line)};
}

QString TStringGrid::Cells(int col, int row) const {
    if (col < 0 || col >= ColCount() || row < 0 || row >= FRowCount) {
        return {};
    }
    return FCells[row * ColCount() + col];
}

void TStringGrid::SetCells(int col, int row, const QString& text) {
    if (col < 0 || col >= ColCount() || row < 0 || row >= FRowCount) {
        return;
    }
    FCells[row * ColCount() + col] = text;
    update(CellRect(col, row));
}

QRect TStringGrid::Selection() const {
    // Not QRect::normalized(): it leaves out the corner cells of a block
    // drawn upwards or leftwards.
    return QRect(QPoint(std::min(FAnchor.x(), FCurrent.x()), std::min(FAnchor.y(), FCurrent.y())),
                 QPoint(std::max(FAnchor.x(), FCurrent.x()), std::max(FAnchor.y(), FCurrent.y())));
}

int TStringGrid::ColLeft(int col) const {
    int x = Border;
    for (int c = 0; c < col; ++c) {
        x += FColWidths[c] + Line;
    }
    return x;
}

QRect TStringGrid::CellRect(int col, int row) const {
    return {ColLeft(col), Border + row * (FRowHeight + Line), FColWidths[col], FRowHeight};
}

QPoint TStringGrid::CellAt(QPoint point) const {
    for (int row = 0; row < FRowCount; ++row) {
        for (int col = 0; col < ColCount(); ++col) {
            if (CellRect(col, row).contains(point)) {
                return {col, row};
            }
        }
    }
    return {-1, -1};
}

QPoint TStringGrid::NearestCell(QPoint point) const {
    int col = ColCount() - 1;
    while (col > 1 && point.x() < ColLeft(col)) {
        --col;
    }
    const int row = (point.y() - Border) / (FRowHeight + Line);
    return {col, std::clamp(row, 1, FRowCount - 1)};
}

void TStringGrid::MoveTo(QPoint cell, bool extend) {
    cell.setX(std::clamp(cell.x(), 1, ColCount() - 1));
    cell.setY(std::clamp(cell.y(), 1, FRowCount - 1));
    FCurrent = cell;
    if (!extend) {
        FAnchor = cell;
    }
    update();
}

void TStringGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette& colours = palette();

    // Everything that is not a cell is border or grid line.
    painter.fillRect(rect(), colours.color(QPalette::Mid));
    painter.setPen(colours.color(QPalette::Dark));
    painter.drawLine(0, 0, width() - 1, 0);
    painter.drawLine(0, 0, 0, height() - 1);
    painter.setPen(colours.color(QPalette::Light));
    painter.drawLine(width() - 1, 1, width() - 1, height() - 1);
    painter.drawLine(1, height() - 1, width() - 1, height() - 1);

    const QRect selection = Selection();
    const bool focused = hasFocus();
    for (int row = 0; row < FRowCount; ++row) {
        for (int col = 0; col < ColCount(); ++col) {
            const QRect cell = CellRect(col, row);
            const bool fixed = col == 0 || row == 0;
            const bool current = QPoint(col, row) == FCurrent;
            // The current cell of a focused grid shows its focus rectangle
            // instead of the selection colour.
            const bool highlighted =
                !fixed && selection.contains(col, row) && !(current && focused);
            QColor text = QColor(0, 0, 128);
            if (fixed) {
                painter.fillRect(cell, colours.color(QPalette::Button));
                painter.setPen(colours.color(QPalette::Light));
                painter.drawLine(cell.topLeft(), cell.topRight());
                painter.drawLine(cell.topLeft(), cell.bottomLeft());
            } else if (highlighted) {
                painter.fillRect(cell, colours.color(QPalette::Highlight));
                text = colours.color(QPalette::HighlightedText);
            } else {
                painter.fillRect(cell, colours.color(QPalette::Base));
            }
            painter.save();
            painter.setClipRect(cell);
            painter.setPen(text);
            painter.drawText(cell.adjusted(TextIndent, TextIndent, 0, 0),
                             Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                             FCells[row * ColCount() + col]);
            painter.restore();
            if (current && focused) {
                // Drawn by hand: some styles draw no focus frame for a mouse
                // click, and the player must always see the current cell.
                painter.setPen(QPen(colours.color(QPalette::WindowText), 1, Qt::DotLine));
                painter.drawRect(cell.adjusted(0, 0, -1, -1));
            }
        }
    }
}

void TStringGrid::keyPressEvent(QKeyEvent* event) {
    const bool extend = event->modifiers() & Qt::ShiftModifier;
    const bool control = event->modifiers() & Qt::ControlModifier;
    QPoint cell = FCurrent;
    switch (event->key()) {
    case Qt::Key_Left:
        cell.rx() -= 1;
        break;
    case Qt::Key_Right:
        cell.rx() += 1;
        break;
    case Qt::Key_Up:
        cell.ry() -= 1;
        break;
    case Qt::Key_Down:
        cell.ry() += 1;
        break;
    case Qt::Key_Home:
        cell = control ? QPoint(1, 1) : QPoint(1, cell.y());
        break;
    case Qt::Key_End:
        cell = control ? QPoint(ColCount() - 1, FRowCount - 1) : QPoint(ColCount() - 1, cell.y());
        break;
    case Qt::Key_PageUp:
        cell.setY(1);
        break;
    case Qt::Key_PageDown:
        cell.setY(FRowCount - 1);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    MoveTo(cell, extend);
}

void TStringGrid::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const QPoint cell = CellAt(event->position().toPoint());
    // The header cells and the lines between cells take no clicks.
    if (cell.x() < 1 || cell.y() < 1) {
        return;
    }
    FDragging = true;
    MoveTo(cell, event->modifiers() & Qt::ShiftModifier);
}

void TStringGrid::mouseMoveEvent(QMouseEvent* event) {
    if (!FDragging || !(event->buttons() & Qt::LeftButton)) {
        FDragging = false;
        return;
    }
    MoveTo(NearestCell(event->position().toPoint()), true);
}

void TStringGrid::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        FDragging = false;
    }
}

void TStringGrid::focusInEvent(QFocusEvent* event) {
    update();
    QWidget::focusInEvent(event);
}

void TStringGrid::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}
