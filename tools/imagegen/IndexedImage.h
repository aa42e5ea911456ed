#pragma once

#include <QImage>

#include <cstdint>
#include <vector>

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A picture held as palette indices, the form the 16- and 256-colour bitmaps store.
struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<Rgb> palette;
    std::vector<std::uint8_t> indices; // row by row, top row first

    std::uint8_t At(int x, int y) const { return indices[static_cast<std::size_t>(y) * width + x]; }
};

// The palette of a picture drawn in a few flat colours: the colours themselves first, so that
// a fully covered pixel keeps its exact colour, then even ramps between every pair of them
// for the antialiased edges, then black up to paletteSize. Nothing depends on the pixels, so
// every run gives the same palette.
std::vector<Rgb> BuildRampPalette(const std::vector<Rgb>& rampColours,
                                  const std::vector<Rgb>& extraColours, int paletteSize);

// Maps every pixel to the nearest palette entry (the lowest index on a tie).
IndexedImage Quantise(const QImage& image, const std::vector<Rgb>& palette);
