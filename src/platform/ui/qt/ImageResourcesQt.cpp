#include "platform/ui/qt/ImageResourcesQt.h"

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

namespace {

// What an icon handle stands for here: the folder of the group's images, and the icon once
// they have been read.
struct IconRecord {
    QString folder;
    std::optional<QIcon> icon;
};

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
struct PlainBitmap {
    std::int32_t width;
    std::int32_t height; // negative: the rows run from the top down
    int bits;
    std::uint32_t colours;
    qint64 pixelsAt;
    qint64 stride;
    int Rows() const { return std::abs(height); }
};

constexpr qint64 kFileHeader = 14;
constexpr std::uint32_t kInfoHeader = 40;

// The layout the header describes, when it is one the decoder takes and it fits the data.
std::optional<PlainBitmap> ReadPlainHeader(const uchar* data, qint64 size) {
    if (size < kFileHeader + kInfoHeader || data[0] != 'B' || data[1] != 'M' ||
        Le32(data + kFileHeader) != kInfoHeader) {
        return std::nullopt;
    }
    const uchar* info = data + kFileHeader;
    PlainBitmap bmp{static_cast<std::int32_t>(Le32(info + 4)),
                    static_cast<std::int32_t>(Le32(info + 8)),
                    Le16(info + 14),
                    Le32(info + 32),
                    Le32(data + 10),
                    0};
    const std::uint32_t compression = Le32(info + 16);
    if (Le16(info + 12) != 1 || compression != 0 || bmp.width <= 0 || bmp.height == 0 ||
        bmp.height == INT32_MIN || bmp.width > 0x4000 || bmp.Rows() > 0x4000 ||
        (bmp.bits != 1 && bmp.bits != 4 && bmp.bits != 8 && bmp.bits != 24)) {
        return std::nullopt;
    }
    if (bmp.bits <= 8 && bmp.colours == 0) {
        bmp.colours = 1U << bmp.bits;
    }
    if (bmp.bits > 8) {
        bmp.colours = 0;
    }
    bmp.stride = ((qint64{bmp.width} * bmp.bits + 31) / 32) * 4;
    const qint64 paletteAt = kFileHeader + kInfoHeader;
    if (bmp.colours > (1U << std::min(bmp.bits, 8)) ||
        paletteAt + qint64{bmp.colours} * 4 > bmp.pixelsAt ||
        bmp.pixelsAt + bmp.stride * bmp.Rows() > size) {
        return std::nullopt;
    }
    return bmp;
}

// One row of palette indices; false when an index lies off the palette.
bool DecodeIndexedRow(const PlainBitmap& bmp, const uchar* in, const QRgb* palette, QRgb* out) {
    // Every index is looked up as it is (the table has room for all 256); one off the
    // palette is found once the row is done.
    unsigned highest = 0;
    for (int x = 0; x < bmp.width; ++x) {
        unsigned index = 0;
        if (bmp.bits == 8) {
            index = in[x];
        } else if (bmp.bits == 4) {
            index = (x & 1) != 0 ? in[x >> 1] & 0x0F : in[x >> 1] >> 4;
        } else {
            index = (in[x >> 3] >> (7 - (x & 7))) & 1;
        }
        highest = std::max(highest, index);
        out[x] = palette[index];
    }
    return highest < bmp.colours;
}

QImage DecodePlainBitmap(const uchar* data, qint64 size) {
    const std::optional<PlainBitmap> bmp = ReadPlainHeader(data, size);
    if (!bmp) {
        return QImage();
    }
    QRgb palette[256] = {};
    for (std::uint32_t i = 0; i < bmp->colours; ++i) {
        const uchar* entry = data + kFileHeader + kInfoHeader + i * 4;
        palette[i] = qRgb(entry[2], entry[1], entry[0]);
    }
    const int rows = bmp->Rows();
    QImage image(bmp->width, rows, QImage::Format_RGB32);
    if (image.isNull()) {
        return QImage();
    }
    for (int row = 0; row < rows; ++row) {
        const uchar* in = data + bmp->pixelsAt + bmp->stride * row;
        // Rows run from the bottom up unless the height is negative.
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(bmp->height > 0 ? rows - 1 - row : row));
        if (bmp->bits == 24) {
            for (int x = 0; x < bmp->width; ++x, in += 3) {
                out[x] = qRgb(in[2], in[1], in[0]);
            }
        } else if (!DecodeIndexedRow(*bmp, in, palette, out)) {
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
    static std::map<UINT, std::unique_ptr<IconRecord>> icons;
    auto found = icons.find(nID);
    if (found == icons.end()) {
        const QString folder = QStringLiteral(":/icons/%1").arg(nID);
        if (!QDir(folder).exists()) {
            return nullptr;
        }
        found = icons.emplace(nID, std::make_unique<IconRecord>(IconRecord{folder, std::nullopt}))
                    .first;
    }
    return reinterpret_cast<HICON>(found->second.get());
}

QIcon IconFromHandle(HICON hIcon) {
    auto* record = reinterpret_cast<IconRecord*>(hIcon);
    if (record == nullptr) {
        return QIcon();
    }
    if (!record->icon) {
        QIcon icon;
        // Picked by name here: a name filter would start a regular-expression engine.
        const QStringList files = QDir(record->folder).entryList(QDir::Files, QDir::Name);
        for (const QString& file : files) {
            if (file.endsWith(QLatin1String(".png"))) {
                icon.addPixmap(QPixmap::fromImage(ReadImage(record->folder + '/' + file, "png")));
            }
        }
        record->icon = icon;
    }
    return *record->icon;
}
