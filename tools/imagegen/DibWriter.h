#pragma once

#include "IndexedImage.h"

#include <cstdint>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// One image of an icon group: palettized (4 or 8 bits) or 24-bit, with the pixels that
// show the desktop through the icon marked transparent (the AND mask).
struct IconImage {
    int width = 0;
    int height = 0;
    int bitCount = 0;
    IndexedImage indexed;          // 4 and 8 bits; palette entry 0 must be black
    std::vector<Rgb> truecolour;   // 24 bits, row by row, top row first
    std::vector<bool> transparent; // row by row, top row first
};

// An uncompressed bitmap file (BITMAPFILEHEADER, BITMAPINFOHEADER, palette, bottom-up rows)
// at 4 or 8 bits per pixel.
Bytes WriteBmp(const IndexedImage& image, int bitCount);

// An icon file: the icon directory, then each image as a DIB of double height whose upper
// half is the AND mask.
Bytes WriteIco(const std::vector<IconImage>& images);
