#include "art.h"

#include <QDir>

#include <cstdint>
#include <cstdio>
#include <map>

namespace artgen {

std::vector<Picture> allPictures() {
    std::vector<Picture> pictures;
    for (int density : {1, 2}) {
        const int size = 46 * density;
        const QString suffix = density == 1 ? QString() : QStringLiteral("@2x");
        auto name = [&suffix](const QString& stem) { return stem + suffix + ".bmp"; };
        pictures.push_back({name(QStringLiteral("blank")), blankImage(size)});
        for (int kind = 1; kind <= kJewelKinds; ++kind)
            pictures.push_back({name(QStringLiteral("jewel%1").arg(kind)), jewelImage(kind, size)});
        for (int frame = 1; frame <= kVanishFrames; ++frame)
            pictures.push_back(
                {name(QStringLiteral("vanish%1").arg(frame)), vanishImage(frame, size)});
    }
    for (int size : {16, 24, 32, 64})
        pictures.push_back({QStringLiteral("icon%1.png").arg(size), iconImage(size)});
    // The menu and the software centre ask for these sizes; each is drawn at its own size.
    for (int size : {48, 128, 256})
        pictures.push_back({QStringLiteral("icon%1.png").arg(size), iconImage(size), false});
    return pictures;
}

namespace {

QImage find(const std::vector<Picture>& pictures, const QString& fileName) {
    for (const Picture& p : pictures) {
        if (p.fileName == fileName) {
            // Qt reads "@2x" files as double density; the sheets want their real pixels.
            QImage image = p.image.convertToFormat(QImage::Format_ARGB32);
            image.setDevicePixelRatio(1.0);
            return image;
        }
    }
    return {};
}

QStringList cellNames(const QString& suffix) {
    QStringList names{QStringLiteral("blank") + suffix + ".bmp"};
    for (int kind = 1; kind <= kJewelKinds; ++kind)
        names << QStringLiteral("jewel%1%2.bmp").arg(kind).arg(suffix);
    for (int frame = 1; frame <= kVanishFrames; ++frame)
        names << QStringLiteral("vanish%1%2.bmp").arg(frame).arg(suffix);
    return names;
}

// The cells side by side at their own size, then enlarged with hard pixel edges.
QImage cellSheet(const std::vector<Picture>& pictures, const QString& suffix, int zoom) {
    const QStringList names = cellNames(suffix);
    const int cell = find(pictures, names.front()).width();
    const int big = cell * zoom, columns = 5, gap = 8;
    const int rows = (static_cast<int>(names.size()) + columns - 1) / columns;
    QImage sheet((big + gap) * columns + gap, cell + 2 * gap + rows * (big + gap) + gap,
                 QImage::Format_ARGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    for (int i = 0; i < names.size(); ++i) {
        const QImage image = find(pictures, names[i]);
        painter.drawImage(gap + i * (cell + 2), gap, image);
        const int x = gap + (i % columns) * (big + gap);
        const int y = cell + 2 * gap + (i / columns) * (big + gap);
        painter.drawImage(QRect(x, y, big, big), image);
    }
    return sheet;
}

// A mock game: a 6 x 13 well filled with random stones, the way players will see them.
QImage wellSheet(const std::vector<Picture>& pictures, const QString& suffix) {
    const int cell = find(pictures, QStringLiteral("blank") + suffix + ".bmp").width();
    QImage sheet(cell * 6 + 1 + cell * 2, cell * 13, QImage::Format_ARGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    std::uint32_t seed = 7;
    auto draw = [&seed](int n) {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<int>((static_cast<std::uint64_t>(seed) * static_cast<unsigned>(n)) >>
                                32);
    };
    for (int row = 0; row < 13; ++row) {
        for (int column = 0; column < 6; ++column) {
            int kind = 0;
            if (row >= 5 && draw(10) < 2 + row - 5 + 3)
                kind = 1 + draw(6);
            if (row >= 1 && row <= 3 && column == 3)
                kind = 1 + (row + 2) % 6;
            QString name =
                kind == 0 ? QStringLiteral("blank") : QStringLiteral("jewel%1").arg(kind);
            if (row == 12 && column == 0)
                name = QStringLiteral("vanish2");
            if (row == 11 && column == 1)
                name = QStringLiteral("vanish4");
            painter.drawImage(column * cell, row * cell, find(pictures, name + suffix + ".bmp"));
        }
    }
    // The preview panel beside the well, and the icons on light and dark grounds.
    for (int i = 0; i < 3; ++i)
        painter.drawImage(cell * 6 + 1 + cell / 2, cell + i * cell,
                          find(pictures, QStringLiteral("jewel%1%2.bmp").arg(i + 4).arg(suffix)));
    int y = cell * 5;
    for (const QColor& ground : {QColor(Qt::white), QColor(60, 60, 64), QColor(200, 200, 200)}) {
        painter.fillRect(cell * 6 + 1, y, cell * 2, 70, ground);
        int x = cell * 6 + 3;
        for (int size : {16, 24, 32}) {
            painter.drawImage(x, y + 3, find(pictures, QStringLiteral("icon%1.png").arg(size)));
            x += size + 3;
        }
        painter.drawImage(QRect(cell * 6 + 3, y + 36, 32, 32),
                          find(pictures, QStringLiteral("icon16.png")));
        y += 72;
    }
    painter.drawImage(cell * 6 + 1, y, find(pictures, QStringLiteral("icon64.png")));
    return sheet;
}

} // namespace

void writeSheets(const std::vector<Picture>& pictures, const QString& directory) {
    QDir().mkpath(directory);
    const QDir dir(directory);
    const std::map<QString, QImage> sheets{
        {QStringLiteral("cells.png"), cellSheet(pictures, QString(), 4)},
        {QStringLiteral("cells@2x.png"), cellSheet(pictures, QStringLiteral("@2x"), 2)},
        {QStringLiteral("well.png"), wellSheet(pictures, QString())},
        {QStringLiteral("well@2x.png"), wellSheet(pictures, QStringLiteral("@2x"))},
    };
    for (const auto& [name, image] : sheets) {
        if (!image.save(dir.filePath(name)))
            std::fprintf(stderr, "brindlex-artgen: cannot write sheet %s\n", qPrintable(name));
    }
}

} // namespace artgen
