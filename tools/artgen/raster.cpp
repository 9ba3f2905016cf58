#include "art.h"

#include <vector>

namespace artgen {

QImage renderSupersampled(int size, const Painting& paint, QColor background, int factor) {
    const int big = size * factor;
    QImage canvas(big, big, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(background);
    {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.scale(big, big);
        paint(painter);
    }

    const bool opaque = background.alpha() == 255;
    QImage out(size, size, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    const int samples = factor * factor;
    std::vector<long> sum(static_cast<size_t>(size) * 4);
    for (int y = 0; y < size; ++y) {
        std::fill(sum.begin(), sum.end(), 0L);
        for (int sy = 0; sy < factor; ++sy) {
            const auto* line = reinterpret_cast<const QRgb*>(canvas.constScanLine(y * factor + sy));
            for (int x = 0; x < big; ++x) {
                long* s = &sum[static_cast<size_t>(x / factor) * 4];
                s[0] += qRed(line[x]);
                s[1] += qGreen(line[x]);
                s[2] += qBlue(line[x]);
                s[3] += qAlpha(line[x]);
            }
        }
        auto* outLine = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < size; ++x) {
            const long* s = &sum[static_cast<size_t>(x) * 4];
            auto avg = [samples](long v) { return static_cast<int>((v + samples / 2) / samples); };
            const int a = opaque ? 255 : avg(s[3]);
            outLine[x] =
                qRgba(std::min(avg(s[0]), a), std::min(avg(s[1]), a), std::min(avg(s[2]), a), a);
        }
    }
    if (!opaque)
        return out.convertToFormat(QImage::Format_ARGB32);
    return out;
}

} // namespace artgen
