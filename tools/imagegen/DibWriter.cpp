#include "DibWriter.h"

#include <stdexcept>

namespace {

void Put16(Bytes& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

void Put32(Bytes& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

std::uint32_t RowStride(int width, int bitCount) {
    return static_cast<std::uint32_t>(((width * bitCount + 31) / 32) * 4);
}

// 96 dots per inch, the resolution the dialog's pixel sizes were chosen for.
constexpr std::uint32_t kPixelsPerMetre = 3780;

void PutInfoHeader(Bytes& out, int width, int height, int bitCount, std::uint32_t imageSize,
                   std::uint32_t coloursUsed) {
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(height));
    Put16(out, 1);
    Put16(out, static_cast<std::uint32_t>(bitCount));
    Put32(out, 0); // BI_RGB
    Put32(out, imageSize);
    Put32(out, kPixelsPerMetre);
    Put32(out, kPixelsPerMetre);
    Put32(out, coloursUsed);
    Put32(out, 0);
}

void PutPalette(Bytes& out, const std::vector<Rgb>& palette, int bitCount) {
    if (palette.size() != (std::size_t{1} << bitCount)) {
        throw std::runtime_error("palette does not fill the bit depth");
    }
    for (const Rgb& c : palette) {
        out.push_back(c.b);
        out.push_back(c.g);
        out.push_back(c.r);
        out.push_back(0);
    }
}

// Rows bottom-up, each padded to a multiple of four bytes.
void PutIndexedRows(Bytes& out, const IndexedImage& image, int bitCount) {
    const std::uint32_t stride = RowStride(image.width, bitCount);
    for (int y = image.height - 1; y >= 0; --y) {
        Bytes row(stride, 0);
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t index = image.At(x, y);
            if (bitCount == 8) {
                row[static_cast<std::size_t>(x)] = index;
            } else if (bitCount == 4) {
                if (index > 15) {
                    throw std::runtime_error("palette index beyond 16 colours");
                }
                row[static_cast<std::size_t>(x / 2)] |=
                    static_cast<std::uint8_t>(x % 2 == 0 ? index << 4 : index);
            } else {
                throw std::runtime_error("unsupported bit depth");
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
}

void PutTruecolourRows(Bytes& out, const IconImage& image) {
    const std::uint32_t stride = RowStride(image.width, 24);
    for (int y = image.height - 1; y >= 0; --y) {
        Bytes row(stride, 0);
        for (int x = 0; x < image.width; ++x) {
            const Rgb& c = image.truecolour[static_cast<std::size_t>(y) * image.width + x];
            row[static_cast<std::size_t>(x) * 3] = c.b;
            row[static_cast<std::size_t>(x) * 3 + 1] = c.g;
            row[static_cast<std::size_t>(x) * 3 + 2] = c.r;
        }
        out.insert(out.end(), row.begin(), row.end());
    }
}

void PutMaskRows(Bytes& out, const IconImage& image) {
    const std::uint32_t stride = RowStride(image.width, 1);
    for (int y = image.height - 1; y >= 0; --y) {
        Bytes row(stride, 0);
        for (int x = 0; x < image.width; ++x) {
            if (image.transparent[static_cast<std::size_t>(y) * image.width + x]) {
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
}

Bytes IconDib(const IconImage& image) {
    const std::uint32_t xorSize = RowStride(image.width, image.bitCount) * image.height;
    const std::uint32_t andSize = RowStride(image.width, 1) * image.height;
    Bytes out;
    PutInfoHeader(out, image.width, image.height * 2, image.bitCount, xorSize + andSize, 0);
    if (image.bitCount == 24) {
        PutTruecolourRows(out, image);
    } else {
        if (image.indexed.palette.front() != Rgb{0, 0, 0}) {
            throw std::runtime_error("an icon palette needs black first for transparency");
        }
        PutPalette(out, image.indexed.palette, image.bitCount);
        PutIndexedRows(out, image.indexed, image.bitCount);
    }
    PutMaskRows(out, image);
    return out;
}

} // namespace

Bytes WriteBmp(const IndexedImage& image, int bitCount) {
    const std::uint32_t imageSize = RowStride(image.width, bitCount) * image.height;
    const std::uint32_t paletteBytes = static_cast<std::uint32_t>(4u << bitCount);
    const std::uint32_t offset = 14 + 40 + paletteBytes;
    Bytes out;
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + imageSize);
    Put16(out, 0);
    Put16(out, 0);
    Put32(out, offset);
    PutInfoHeader(out, image.width, image.height, bitCount, imageSize, 1u << bitCount);
    PutPalette(out, image.palette, bitCount);
    PutIndexedRows(out, image, bitCount);
    return out;
}

Bytes WriteIco(const std::vector<IconImage>& images) {
    std::vector<Bytes> dibs;
    for (const IconImage& image : images) {
        dibs.push_back(IconDib(image));
    }
    Bytes out;
    Put16(out, 0);
    Put16(out, 1); // icon, not cursor
    Put16(out, static_cast<std::uint32_t>(images.size()));
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const IconImage& image = images[i];
        out.push_back(static_cast<std::uint8_t>(image.width));
        out.push_back(static_cast<std::uint8_t>(image.height));
        out.push_back(static_cast<std::uint8_t>(image.bitCount == 4 ? 16 : 0));
        out.push_back(0);
        Put16(out, 1);
        Put16(out, static_cast<std::uint32_t>(image.bitCount));
        Put32(out, static_cast<std::uint32_t>(dibs[i].size()));
        Put32(out, offset);
        offset += static_cast<std::uint32_t>(dibs[i].size());
    }
    for (const Bytes& dib : dibs) {
        out.insert(out.end(), dib.begin(), dib.end());
    }
    return out;
}
