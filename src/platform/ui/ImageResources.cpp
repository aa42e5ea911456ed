#include "ImageResources.h"

#include <QDir>
#include <QFile>
#include <QImageReader>

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

} // namespace

QPixmap LoadBitmapResource(UINT nID, int scale) {
    const QString path = scale == 1
                             ? QStringLiteral(":/images/bitmap%1.bmp").arg(nID)
                             : QStringLiteral(":/images/bitmap%1@%2x.bmp").arg(nID).arg(scale);
    QPixmap pixmap = QPixmap::fromImage(ReadImage(path, "bmp"));
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
        const QStringList sizes =
            QDir(hIcon->folder).entryList({QStringLiteral("*.png")}, QDir::Files);
        for (const QString& file : sizes) {
            icon.addPixmap(QPixmap::fromImage(ReadImage(hIcon->folder + '/' + file, "png")));
        }
        hIcon->icon = icon;
    }
    return *hIcon->icon;
}
