#include "ImageResources.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QResource>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <optional>

struct HICON__ {
    QString folder;
    std::optional<QIcon> icon;
};

namespace {

// Reads a picture in the one format it is in. Left to guess, the reader would first load
// every image plugin installed and ask each whether it reads the file.
QImage ReadImage(const QString& path, const char* format) {
    if (!QFile::exists(path)) {
        return QImage();
    }
    QImageReader reader(path, format);
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

std::uint32_t Le32(const uchar* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

std::uint16_t Le16(const uchar* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

// The dialogs' bitmaps as they are stored: uncompressed rows of palette indices (1, 4 or 8
// bits) or of blue-green-red triples, after a 40-byte header. Decoded straight into the
// screen's pixel format, without the image plugins that Qt's reader would look through
// first. Anything else, or anything that does not add up, is left to Qt's reader (a null
// image here).
QImage DecodePlainBitmap(const uchar* data, qint64 size) {
    constexpr qint64 kFileHeader = 14;
    constexpr std::uint32_t kInfoHeader = 40;
    if (size < kFileHeader + kInfoHeader || data[0] != 'B' || data[1] != 'M' ||
        Le32(data + kFileHeader) != kInfoHeader) {
        return QImage();
    }
    const uchar* info = data + kFileHeader;
    const auto width = static_cast<std::int32_t>(Le32(info + 4));
    const auto height = static_cast<std::int32_t>(Le32(info + 8));
    const int bits = Le16(info + 14);
    const std::uint32_t compression = Le32(info + 16);
    std::uint32_t colours = Le32(info + 32);
    if (Le16(info + 12) != 1 || compression != 0 || width <= 0 || height == 0 ||
        height == INT32_MIN || width > 0x4000 || std::abs(height) > 0x4000 ||
        (bits != 1 && bits != 4 && bits != 8 && bits != 24)) {
        return QImage();
    }
    if (bits <= 8 && colours == 0) {
        colours = 1U << bits;
    }
    if (bits > 8) {
        colours = 0;
    }
    const qint64 paletteAt = kFileHeader + kInfoHeader;
    const qint64 pixelsAt = Le32(data + 10);
    const qint64 stride = ((qint64{width} * bits + 31) / 32) * 4;
    const int rows = std::abs(height);
    if (colours > (1U << std::min(bits, 8)) || paletteAt + qint64{colours} * 4 > pixelsAt ||
        pixelsAt + stride * rows > size) {
        return QImage();
    }
    QRgb palette[256] = {};
    for (std::uint32_t i = 0; i < colours; ++i) {
        const uchar* entry = data + paletteAt + i * 4;
        palette[i] = qRgb(entry[2], entry[1], entry[0]);
    }
    QImage image(width, rows, QImage::Format_RGB32);
    if (image.isNull()) {
        return QImage();
    }
    for (int row = 0; row < rows; ++row) {
        const uchar* in = data + pixelsAt + stride * row;
        // Rows run from the bottom up unless the height is negative.
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(height > 0 ? rows - 1 - row : row));
        if (bits == 24) {
            for (int x = 0; x < width; ++x, in += 3) {
                out[x] = qRgb(in[2], in[1], in[0]);
            }
            continue;
        }
        // Every index is looked up as it is (the table has room for all 256); one off the
        // palette is found once the row is done.
        unsigned highest = 0;
        if (bits == 8) {
            for (int x = 0; x < width; ++x) {
                highest = std::max<unsigned>(highest, in[x]);
                out[x] = palette[in[x]];
            }
        } else if (bits == 4) {
            for (int x = 0; x < width; ++x) {
                const unsigned index = (x & 1) != 0 ? in[x >> 1] & 0x0F : in[x >> 1] >> 4;
                highest = std::max(highest, index);
                out[x] = palette[index];
            }
        } else {
            for (int x = 0; x < width; ++x) {
                const unsigned index = (in[x >> 3] >> (7 - (x & 7))) & 1;
                highest = std::max(highest, index);
                out[x] = palette[index];
            }
        }
        if (highest >= colours) {
            return QImage(); // Qt's reader has its own answer for a pixel off the palette
        }
    }
    return image;
}

QImage ReadBitmap(const QString& path) {
    const QResource resource(path);
    if (resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression) {
        QImage image = DecodePlainBitmap(resource.data(), resource.size());
        if (!image.isNull()) {
            return image;
        }
    }
    return ReadImage(path, "bmp");
}

} // namespace

QPixmap LoadBitmapResource(UINT nID, int scale) {
    const QString path = scale == 1
                             ? QStringLiteral(":/images/bitmap%1.bmp").arg(nID)
                             : QStringLiteral(":/images/bitmap%1@%2x.bmp").arg(nID).arg(scale);
    QPixmap pixmap = QPixmap::fromImage(ReadBitmap(path));
    pixmap.setDevicePixelRatio(scale);
    return pixmap;
}

HICON LoadIconResource(UINT nID) {
    static std::map<UINT, std::unique_ptr<HICON__>> icons;
    auto found = icons.find(nID);
    if (found == icons.end()) {
        const QString folder = QStringLiteral(":/icons/%1").arg(nID);
        if (!QDir(folder).exists()) {
            return nullptr;
        }
        found = icons.emplace(nID, std::make_unique<HICON__>(HICON__{folder, std::nullopt})).first;
    }
    return found->second.get();
}

QIcon IconFromHandle(HICON hIcon) {
    if (hIcon == nullptr) {
        return QIcon();
    }
    if (!hIcon->icon) {
        QIcon icon;
        // Picked by name here: a name filter would start a regular-expression engine.
        const QStringList files = QDir(hIcon->folder).entryList(QDir::Files, QDir::Name);
        for (const QString& file : files) {
            if (file.endsWith(QLatin1String(".png"))) {
                icon.addPixmap(QPixmap::fromImage(ReadImage(hIcon->folder + '/' + file, "png")));
            }
        }
        hIcon->icon = icon;
    }
    return *hIcon->icon;
}
