#include "ImageResources.h"

#include <QFile>

#include <map>
#include <memory>

struct HICON__ {
    QIcon icon;
};

QPixmap LoadBitmapResource(UINT nID) {
    return QPixmap(QStringLiteral(":/images/bitmap%1.bmp").arg(nID));
}

HICON LoadIconResource(UINT nID) {
    static std::map<UINT, std::unique_ptr<HICON__>> icons;
    auto found = icons.find(nID);
    if (found == icons.end()) {
        const QString path = QStringLiteral(":/images/icon%1.ico").arg(nID);
        auto icon = std::make_unique<HICON__>();
        if (QFile::exists(path)) {
            icon->icon = QIcon(path);
        }
        found = icons.emplace(nID, std::move(icon)).first;
    }
    return found->second->icon.isNull() ? nullptr : found->second.get();
}

QIcon IconFromHandle(HICON hIcon) {
    return hIcon != nullptr ? hIcon->icon : QIcon();
}
