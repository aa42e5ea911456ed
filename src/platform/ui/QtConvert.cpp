#include "QtConvert.h"

#include <QStringList>

#include <algorithm>

QString ToQString(const CString& text) {
    return QString::fromUtf16(text.GetString(), text.GetLength());
}

CString FromQString(const QString& text) {
    return CString(std::u16string(reinterpret_cast<const char16_t*>(text.utf16()),
                                  static_cast<std::size_t>(text.size())));
}

QColor ToQColor(COLORREF color) {
    return QColor(RgbRed(color), RgbGreen(color), RgbBlue(color));
}

QFont ToQFont(const LOGFONT& lf) {
    const QString face = QString::fromUtf16(
        lf.lfFaceName,
        std::find(lf.lfFaceName, lf.lfFaceName + LF_FACESIZE, u'\0') - lf.lfFaceName);
    QFont font;
    // The handheld's faces are sans-serif faces; these installed faces have their metrics.
    font.setFamilies({face, QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    const LONG height = lf.lfHeight == 0 ? -12 : lf.lfHeight;
    // A positive height is the whole cell; the character height is about five sixths of it.
    font.setPixelSize(height < 0 ? static_cast<int>(-height)
                                 : std::max(1, static_cast<int>(height) * 5 / 6));
    font.setWeight(static_cast<QFont::Weight>(
        std::clamp<LONG>(lf.lfWeight == 0 ? FW_NORMAL : lf.lfWeight, 100, 900)));
    font.setItalic(lf.lfItalic != 0);
    font.setUnderline(lf.lfUnderline != 0);
    font.setStrikeOut(lf.lfStrikeOut != 0);
    return font;
}

LOGFONT LogFontFromPoints(const char16_t* face, int pointSize) {
    LOGFONT lf{};
    lf.lfHeight = -((pointSize * 96 + 36) / 72);
    lf.lfWeight = FW_NORMAL;
    for (int i = 0; face != nullptr && face[i] != u'\0' && i < LF_FACESIZE - 1; ++i) {
        lf.lfFaceName[i] = face[i];
    }
    return lf;
}
