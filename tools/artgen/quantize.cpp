#include "art.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <map>
#include <optional>

namespace artgen {
namespace {

// Distances are measured in Oklab, where equal steps look roughly equally different; plain
// RGB distance would let the blues and purples collapse into too few shades.
struct Lab {
    double l = 0, a = 0, b = 0;
};

double toLinear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

int fromLinear(double c) {
    c = std::clamp(c, 0.0, 1.0);
    const double s = c <= 0.0031308 ? c * 12.92 : 1.055 * std::pow(c, 1.0 / 2.4) - 0.055;
    return static_cast<int>(std::lround(s * 255.0));
}

Lab toLab(QRgb rgb) {
    const double r = toLinear(qRed(rgb)), g = toLinear(qGreen(rgb)), b = toLinear(qBlue(rgb));
    const double l = std::cbrt(0.4122214708 * r + 0.5363325363 * g + 0.0514459929 * b);
    const double m = std::cbrt(0.2119034982 * r + 0.6806995451 * g + 0.1073969566 * b);
    const double s = std::cbrt(0.0883024619 * r + 0.2817188376 * g + 0.6299787005 * b);
    return {0.2104542553 * l + 0.7936177850 * m - 0.0040720468 * s,
            1.9779984951 * l - 2.4285922050 * m + 0.4505937099 * s,
            0.0259040371 * l + 0.7827717662 * m - 0.8086757660 * s};
}

QRgb fromLab(const Lab& c) {
    const double l = std::pow(c.l + 0.3963377774 * c.a + 0.2158037573 * c.b, 3);
    const double m = std::pow(c.l - 0.1055613458 * c.a - 0.0638541728 * c.b, 3);
    const double s = std::pow(c.l - 0.0894841775 * c.a - 1.2914855480 * c.b, 3);
    return qRgb(fromLinear(4.0767416621 * l - 3.3077115913 * m + 0.2309699292 * s),
                fromLinear(-1.2684380046 * l + 2.6097574011 * m - 0.3413193965 * s),
                fromLinear(-0.0041960863 * l - 0.7034186147 * m + 1.7076147010 * s));
}

double distance2(const Lab& p, const Lab& q) {
    const double dl = p.l - q.l, da = p.a - q.a, db = p.b - q.b;
    return dl * dl + da * da + db * db;
}

struct Entry {
    QRgb rgb;
    Lab lab;
    long count;
};

size_t nearest(const Lab& colour, const std::vector<Lab>& centres) {
    size_t best = 0;
    double bestDistance = std::numeric_limits<double>::max();
    for (size_t i = 0; i < centres.size(); ++i) {
        const double d = distance2(colour, centres[i]);
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

} // namespace

QImage quantize(const QImage& picture, const std::vector<QRgb>& fixed, int paletteSize) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);

    // An ordered map keeps every step below independent of hashing, so runs are repeatable.
    std::map<QRgb, long> histogram;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            ++histogram[line[x] | 0xff000000u];
    }
    std::vector<Entry> colours;
    for (const auto& [colour, count] : histogram)
        colours.push_back({colour, toLab(colour), count});

    std::vector<Lab> centres;
    for (QRgb c : fixed)
        centres.push_back(toLab(c));
    const size_t fixedCount = centres.size();
    const size_t wanted = static_cast<size_t>(paletteSize);

    // Seed the free entries with the colours worst served so far, favouring frequent ones, so
    // that a small spark of a distinct hue still gets a shade while single stray edge pixels
    // do not take an entry from a whole antialiased rim.
    auto farthest = [&]() -> std::optional<Lab> {
        double best = 1e-6;
        std::optional<Lab> pick;
        for (const Entry& e : colours) {
            const Lab& c = centres[nearest(e.lab, centres)];
            const double score = distance2(e.lab, c) * std::sqrt(static_cast<double>(e.count));
            if (score > best) {
                best = score;
                pick = e.lab;
            }
        }
        return pick;
    };
    while (centres.size() < wanted) {
        const auto pick = farthest();
        if (!pick)
            break;
        centres.push_back(*pick);
    }

    // Lloyd iterations move only the free entries.
    for (int iteration = 0; iteration < 40 && centres.size() > fixedCount; ++iteration) {
        std::vector<Lab> sums(centres.size());
        std::vector<double> weights(centres.size(), 0.0);
        for (const Entry& e : colours) {
            const size_t i = nearest(e.lab, centres);
            const double w = static_cast<double>(e.count);
            sums[i].l += e.lab.l * w;
            sums[i].a += e.lab.a * w;
            sums[i].b += e.lab.b * w;
            weights[i] += w;
        }
        for (size_t i = fixedCount; i < centres.size(); ++i) {
            if (weights[i] > 0)
                centres[i] = {sums[i].l / weights[i], sums[i].a / weights[i],
                              sums[i].b / weights[i]};
        }
    }

    std::vector<QRgb> palette(fixed.begin(), fixed.end());
    std::vector<QRgb> chosen;
    for (size_t i = fixedCount; i < centres.size(); ++i)
        chosen.push_back(fromLab(centres[i]));
    std::sort(chosen.begin(), chosen.end(),
              [](QRgb p, QRgb q) { return qGray(p) != qGray(q) ? qGray(p) > qGray(q) : p < q; });
    for (QRgb c : chosen) {
        if (std::find(palette.begin(), palette.end(), c) == palette.end())
            palette.push_back(c);
    }
    // Fewer distinct colours than entries: repeat the first so the table is always full size
    // and the file keeps its 4-bit layout.
    while (palette.size() < wanted)
        palette.push_back(palette.front());

    std::vector<Lab> paletteLab;
    for (QRgb c : palette)
        paletteLab.push_back(toLab(c));
    std::map<QRgb, int> indexOf;
    for (const Entry& e : colours)
        indexOf[e.rgb] = static_cast<int>(nearest(e.lab, paletteLab));

    QImage out(rgb.size(), QImage::Format_Indexed8);
    QList<QRgb> table(palette.begin(), palette.end());
    out.setColorTable(table);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* outLine = out.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x)
            outLine[x] = static_cast<uchar>(indexOf[line[x] | 0xff000000u]);
    }
    return out;
}

} // namespace artgen
