#include "IndexedImage.h"

#include <cmath>
#include <stdexcept>

std::vector<Rgb> BuildRampPalette(const std::vector<Rgb>& rampColours,
                                  const std::vector<Rgb>& extraColours, int paletteSize) {
    std::vector<Rgb> palette = rampColours;
    palette.insert(palette.end(), extraColours.begin(), extraColours.end());
    const int pairs = static_cast<int>(rampColours.size() * (rampColours.size() - 1) / 2);
    const int free = paletteSize - static_cast<int>(palette.size());
    if (free < 0) {
        throw std::runtime_error("too many key colours for the palette");
    }
    const int steps = pairs > 0 ? free / pairs : 0;
    auto mix = [](std::uint8_t a, std::uint8_t b, double t) {
        return static_cast<std::uint8_t>(std::lround(a + (b - a) * t));
    };
    for (std::size_t i = 0; i < rampColours.size(); ++i) {
        for (std::size_t j = i + 1; j < rampColours.size(); ++j) {
            const Rgb& a = rampColours[i];
            const Rgb& b = rampColours[j];
            for (int k = 1; k <= steps; ++k) {
                const double t = static_cast<double>(k) / (steps + 1);
                palette.push_back({mix(a.r, b.r, t), mix(a.g, b.g, t), mix(a.b, b.b, t)});
            }
        }
    }
    palette.resize(static_cast<std::size_t>(paletteSize), Rgb{0, 0, 0});
    return palette;
}

IndexedImage Quantise(const QImage& image, const std::vector<Rgb>& palette) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    IndexedImage out;
    out.width = rgb.width();
    out.height = rgb.height();
    out.palette = palette;
    out.indices.reserve(static_cast<std::size_t>(out.width) * out.height);
    for (int y = 0; y < out.height; ++y) {
        for (int x = 0; x < out.width; ++x) {
            const QRgb p = rgb.pixel(x, y);
            int best = 0;
            long bestDistance = -1;
            for (std::size_t i = 0; i < palette.size(); ++i) {
                const long dr = qRed(p) - palette[i].r;
                const long dg = qGreen(p) - palette[i].g;
                const long db = qBlue(p) - palette[i].b;
                const long d = dr * dr + dg * dg + db * db;
                if (bestDistance < 0 || d < bestDistance) {
                    bestDistance = d;
                    best = static_cast<int>(i);
                }
            }
            out.indices.push_back(static_cast<std::uint8_t>(best));
        }
    }
    return out;
}
