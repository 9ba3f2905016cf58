// brindlex-artgen: writes the game's pictures.
//
//   brindlex-artgen <pictures directory> [--sheets <directory>]
//
// The pictures are generated, not drawn by hand, so that both densities come from one drawing
// and a change of colour or shape is one edit and a re-run. Output is deterministic.

#include "art.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

#include <cstdio>

namespace {

bool writeResourceFile(const QDir& directory, const std::vector<artgen::Picture>& pictures) {
    QFile file(directory.filePath(QStringLiteral("pictures.qrc")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QTextStream out(&file);
    out << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/pictures\">\n";
    for (const artgen::Picture& p : pictures)
        if (p.inResource)
            out << "    <file>" << p.fileName << "</file>\n";
    out << "</qresource>\n</RCC>\n";
    out.flush();
    return file.error() == QFileDevice::NoError;
}

int usage() {
    std::fputs("usage: brindlex-artgen <pictures directory> [--sheets <directory>]\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2 && argc != 4)
        return usage();
    QString sheets;
    if (argc == 4) {
        if (QString::fromLocal8Bit(argv[2]) != QLatin1String("--sheets"))
            return usage();
        sheets = QString::fromLocal8Bit(argv[3]);
    }
    const QDir directory(QString::fromLocal8Bit(argv[1]));
    if (!directory.exists()) {
        std::fprintf(stderr, "brindlex-artgen: no such directory: %s\n", argv[1]);
        return 1;
    }

    const std::vector<artgen::Picture> pictures = artgen::allPictures();
    std::vector<artgen::Picture> written;
    for (const artgen::Picture& p : pictures) {
        const QString path = directory.filePath(p.fileName);
        if (!p.image.save(path)) {
            std::fprintf(stderr, "brindlex-artgen: cannot write %s\n", qPrintable(path));
            return 1;
        }
        // Read each file back so the sheets show what the game will load, not what we meant.
        QImage reread(path);
        if (reread.isNull() || reread.size() != p.image.size()) {
            std::fprintf(stderr, "brindlex-artgen: %s does not read back\n", qPrintable(path));
            return 1;
        }
        written.push_back({p.fileName, reread, p.inResource});
    }
    if (!writeResourceFile(directory, pictures)) {
        std::fputs("brindlex-artgen: cannot write pictures.qrc\n", stderr);
        return 1;
    }
    if (!sheets.isEmpty())
        artgen::writeSheets(written, sheets);
    return 0;
}
