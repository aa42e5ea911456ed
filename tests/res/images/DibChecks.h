#pragma once

// Reading and checking of the device-independent bitmaps that the dialog loads: the
// stand-alone bitmap files and the images inside the icon file. Each check answers with
// the name of the first problem it finds, or an empty text when the picture is sound, so
// that a test can also show that a damaged picture is caught for the right reason.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

namespace dib {

using Bytes = std::vector<std::uint8_t>;

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kBackground{173, 214, 115};
inline constexpr Rgb kButtonBody{90, 132, 41};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlack{0, 0, 0};

inline Bytes ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::uint32_t U16(const Bytes& d, std::size_t at) {
    return static_cast<std::uint32_t>(d[at] | (d[at + 1] << 8));
}

inline std::uint32_t U32(const Bytes& d, std::size_t at) {
    return U16(d, at) | (U16(d, at + 2) << 16);
}

inline std::int32_t I32(const Bytes& d, std::size_t at) {
    return static_cast<std::int32_t>(U32(d, at));
}

inline void Put32(Bytes& d, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        d[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
    }
}

// A DIB as its BITMAPINFOHEADER describes it, with the places of its pixel rows (bottom
// row first) and, for an icon image, of its AND mask.
struct Dib {
    std::int32_t width = 0;
    std::int32_t storedHeight = 0; // doubled in an icon image
    int rows = 0;                  // rows of colour pixels
    std::uint32_t bitCount = 0;
    std::uint32_t compression = 0;
    std::vector<Rgb> palette;
    std::size_t pixels = 0;
    std::size_t stride = 0;
    std::size_t mask = 0;
    std::size_t maskStride = 0;
    std::size_t end = 0; // just past the last byte the DIB needs
};

inline std::size_t Stride(std::int32_t width, std::uint32_t bits) {
    return static_cast<std::size_t>((width * static_cast<std::int64_t>(bits) + 31) / 32 * 4);
}

// Reads the header and palette at `at`. A bitmap file names where its pixels start
// (pixelOffset); in an icon image they follow the palette and the AND mask follows them.
inline std::string ReadDib(const Bytes& d, std::size_t at, std::size_t limit, bool icon,
                           std::size_t pixelOffset, Dib& out) {
    if (limit > d.size() || at + 40 > limit) {
        return "truncated";
    }
    if (U32(d, at) != 40) {
        return "header size";
    }
    out.width = I32(d, at + 4);
    out.storedHeight = I32(d, at + 8);
    out.bitCount = U16(d, at + 14);
    out.compression = U32(d, at + 16);
    if (out.width <= 0 || out.width > 4096 || out.storedHeight <= 0 || out.storedHeight > 4096 ||
        (icon && out.storedHeight % 2 != 0)) {
        return "dimensions";
    }
    if (U16(d, at + 12) != 1) {
        return "planes";
    }
    if (out.bitCount != 4 && out.bitCount != 8 && out.bitCount != 24) {
        return "bit count";
    }
    if (out.compression != 0) {
        return "compression";
    }
    const std::uint32_t used = U32(d, at + 32);
    const std::uint32_t most = out.bitCount <= 8 ? 1u << out.bitCount : 0u;
    if (used > most) {
        return "palette size";
    }
    const std::uint32_t entries = used != 0 ? used : most;
    const std::size_t paletteAt = at + 40;
    if (paletteAt + 4u * entries > limit) {
        return "truncated";
    }
    for (std::uint32_t i = 0; i < entries; ++i) {
        const std::size_t p = paletteAt + 4u * i;
        out.palette.push_back({d[p + 2], d[p + 1], d[p]});
    }
    out.rows = icon ? out.storedHeight / 2 : out.storedHeight;
    out.stride = Stride(out.width, out.bitCount);
    if (icon) {
        out.pixels = paletteAt + 4u * entries;
    } else {
        if (pixelOffset != paletteAt + 4u * entries) {
            return "pixel offset";
        }
        out.pixels = pixelOffset;
    }
    out.mask = out.pixels + out.stride * static_cast<std::size_t>(out.rows);
    out.maskStride = icon ? Stride(out.width, 1) : 0;
    out.end = out.mask + out.maskStride * static_cast<std::size_t>(out.rows);
    if (out.end > limit) {
        return "truncated";
    }
    return "";
}

// The palette index or, at 24 bits, the colour of the pixel at (x, y), y counted from the top.
inline Rgb ColourAt(const Bytes& d, const Dib& dib, int x, int y, std::uint32_t* index = nullptr) {
    const std::size_t row = dib.pixels + dib.stride * static_cast<std::size_t>(dib.rows - 1 - y);
    if (dib.bitCount == 24) {
        const std::size_t p = row + 3u * static_cast<std::size_t>(x);
        return {d[p + 2], d[p + 1], d[p]};
    }
    std::uint32_t i =
        dib.bitCount == 8
            ? d[row + static_cast<std::size_t>(x)]
            : (d[row + static_cast<std::size_t>(x / 2)] >> (x % 2 == 0 ? 4 : 0)) & 0x0F;
    if (index != nullptr) {
        *index = i;
    }
    return i < dib.palette.size() ? dib.palette[i] : Rgb{};
}

inline bool TransparentAt(const Bytes& d, const Dib& dib, int x, int y) {
    const std::size_t row = dib.mask + dib.maskStride * static_cast<std::size_t>(dib.rows - 1 - y);
    return (d[row + static_cast<std::size_t>(x / 8)] & (0x80 >> (x % 8))) != 0;
}

enum class Picture { Button, Banner };

struct BitmapExpectation {
    const char* file;
    int width;
    int height;
    std::uint32_t bitCount;
    Picture picture;
};

inline void PrintTo(const BitmapExpectation& e, std::ostream* os) {
    *os << e.file;
}

inline std::string CheckButtonLook(const Bytes& d, const Dib& dib) {
    long body = 0;
    long white = 0;
    int left = dib.width;
    int right = -1;
    for (int y = 0; y < dib.rows; ++y) {
        for (int x = 0; x < dib.width; ++x) {
            const Rgb c = ColourAt(d, dib, x, y);
            body += c == kButtonBody;
            if (c == kWhite) {
                ++white;
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    const long all = static_cast<long>(dib.width) * dib.rows;
    if (body * 10 < all * 4) {
        return "button body";
    }
    // Thin antialiased strokes leave only their cores exactly white.
    if (white * 100 < all) {
        return "lettering";
    }
    // The lettering sits in the middle of the button, give or take a pixel and a half.
    if (std::abs((left + right) - (dib.width - 1)) > 3) {
        return "lettering off centre";
    }
    return "";
}

inline std::string CheckBannerLook(const Bytes& d, const Dib& dib) {
    long script = 0;
    long figure = 0;
    for (int y = 0; y < dib.rows; ++y) {
        for (int x = 0; x < dib.width; ++x) {
            const Rgb c = ColourAt(d, dib, x, y);
            if (c == kBlack) {
                // The name belongs in the upper right, clear of the golfer.
                if (x < dib.width / 3 || y > dib.rows / 2) {
                    return "script misplaced";
                }
                ++script;
            } else if (x < dib.width / 3 && c.g < 100) {
                ++figure;
            }
        }
    }
    if (script < 300) {
        return "script";
    }
    if (figure < 1000) {
        return "figure";
    }
    return "";
}

inline std::string CheckBitmap(const Bytes& d, const BitmapExpectation& expected) {
    if (d.size() < 54) {
        return "truncated";
    }
    if (d[0] != 'B' || d[1] != 'M') {
        return "signature";
    }
    if (U32(d, 2) != d.size()) {
        return "file size";
    }
    Dib dib;
    if (std::string problem = ReadDib(d, 14, d.size(), false, U32(d, 10), dib); !problem.empty()) {
        return problem;
    }
    if (dib.width != expected.width) {
        return "width";
    }
    if (dib.rows != expected.height) {
        return "height";
    }
    if (dib.bitCount != expected.bitCount) {
        return "bit count";
    }
    for (int y = 0; y < dib.rows; ++y) {
        for (int x = 0; x < dib.width; ++x) {
            std::uint32_t index = 0;
            ColourAt(d, dib, x, y, &index);
            if (index >= dib.palette.size()) {
                return "pixel beyond palette";
            }
        }
    }
    const int w = dib.width - 1;
    const int h = dib.rows - 1;
    if (ColourAt(d, dib, 0, 0) != kBackground || ColourAt(d, dib, w, 0) != kBackground ||
        ColourAt(d, dib, 0, h) != kBackground || ColourAt(d, dib, w, h) != kBackground) {
        return "background";
    }
    return expected.picture == Picture::Button ? CheckButtonLook(d, dib) : CheckBannerLook(d, dib);
}

struct IconExpectation {
    int edge;
    std::uint32_t bitCount;
    std::uint8_t colourCount; // as the directory entry gives it: 16, or 0 for more
};

inline std::string CheckIconImage(const Bytes& d, std::size_t entry, const IconExpectation& e) {
    if (d[entry] != e.edge || d[entry + 1] != e.edge) {
        return "entry size";
    }
    if (U16(d, entry + 6) != e.bitCount || d[entry + 2] != e.colourCount) {
        return "entry depth";
    }
    const std::size_t length = U32(d, entry + 8);
    const std::size_t offset = U32(d, entry + 12);
    if (offset > d.size() || length > d.size() - offset) {
        return "entry bounds";
    }
    Dib dib;
    if (std::string problem = ReadDib(d, offset, offset + length, true, 0, dib); !problem.empty()) {
        return problem;
    }
    if (dib.width != e.edge || dib.storedHeight != 2 * e.edge) {
        return "image size";
    }
    if (dib.bitCount != e.bitCount) {
        return "image depth";
    }
    if (dib.end != offset + length) {
        return "image length";
    }
    const int last = e.edge - 1;
    const int middle = e.edge / 2;
    if (!TransparentAt(d, dib, 0, 0) || !TransparentAt(d, dib, last, last) ||
        TransparentAt(d, dib, middle, middle)) {
        return "mask";
    }
    for (int y = 0; y < e.edge; ++y) {
        for (int x = 0; x < e.edge; ++x) {
            // Where the mask lets the desktop through, the colour pixel must add nothing.
            if (TransparentAt(d, dib, x, y) && ColourAt(d, dib, x, y) != kBlack) {
                return "mask colour";
            }
        }
    }
    return "";
}

inline std::string CheckIcon(const Bytes& d, const std::vector<IconExpectation>& expected) {
    if (d.size() < 6) {
        return "truncated";
    }
    if (U16(d, 0) != 0 || U16(d, 2) != 1) {
        return "type";
    }
    if (U16(d, 4) != expected.size()) {
        return "count";
    }
    if (d.size() < 6 + 16 * expected.size()) {
        return "truncated";
    }
    for (std::size_t i = 0; i < expected.size(); ++i) {
        if (std::string problem = CheckIconImage(d, 6 + 16 * i, expected[i]); !problem.empty()) {
            return problem;
        }
    }
    return "";
}

} // namespace dib
