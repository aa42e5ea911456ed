#include "platform/ui/qt/ImageResourcesQt.h"
#include "support/UiTest.h"

#include <QDir>
#include <QImageReader>
#include <QPixmap>

#include <gtest/gtest.h>

// The dialogs' pictures are decoded without Qt's image plugins; every one of them, at each
// resolution it comes in, shows exactly the pixels that Qt's own BMP reader gives (palette
// colours, bottom-up rows, 4- and 8-bit indices, padded rows).
using BitmapResource = UiTest;

TEST_F(BitmapResource, EveryPictureHasThePixelsOfQtsOwnReader) {
    const QStringList files = QDir(QStringLiteral(":/images")).entryList(QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& file : files) {
        const QString name = file.section(QLatin1Char('.'), 0, 0);
        const int at = name.indexOf(QLatin1Char('@'));
        const UINT id = name.mid(6, at < 0 ? -1 : at - 6).toUInt();
        const int scale = at < 0 ? 1 : name.mid(at + 1, 1).toInt();
        QImageReader reader(QStringLiteral(":/images/") + file, "bmp");
        const QImage expected = reader.read().convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(expected.isNull()) << file.toStdString();
        const QImage decoded =
            LoadBitmapResource(id, scale).toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(decoded, expected) << file.toStdString();
    }
}
