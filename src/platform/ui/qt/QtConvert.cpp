#include "platform/ui/qt/QtConvert.h"

#include <QStringList>

#include <algorithm>

namespace {

constexpr int kBaseDpi = 96;

bool IsHandheldFace(const QString& face) {
    return face.isEmpty() ||
           face.compare(QStringLiteral("MS Sans Serif"), Qt::CaseInsensitive) == 0 ||
           face.compare(QStringLiteral("System"), Qt::CaseInsensitive) == 0;
}

struct VirtualKey {
    WORD vk;
    Qt::Key key;
};

constexpr VirtualKey kNamedKeys[] = {
    {VK_PRIOR, Qt::Key_PageUp},
    {VK_NEXT, Qt::Key_PageDown},
    {VK_APPS, Qt::Key_Menu},
};

// The Qt key of a virtual key: letters and digits are their own characters.
bool FindKey(WORD vk, Qt::Key& key) {
    if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) {
        key = static_cast<Qt::Key>(vk); // Qt's codes for these are the characters too
        return true;
    }
    if (vk >= VK_F1 && vk <= VK_F12) {
        key = static_cast<Qt::Key>(Qt::Key_F1 + (vk - VK_F1));
        return true;
    }
    for (const VirtualKey& named : kNamedKeys) {
        if (named.vk == vk) {
            key = named.key;
            return true;
        }
    }
    return false;
}

int CharacterHeight(LONG lfHeight) {
    if (lfHeight == 0) {
        return 12;
    }
    // A positive height is the whole cell; the character height is about five sixths of it.
    return lfHeight < 0 ? static_cast<int>(-static_cast<long long>(lfHeight))
                        : std::max(1, static_cast<int>(lfHeight) * 5 / 6);
}

} // namespace

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

int StandInPixelSize(int characterHeight) {
    // At 10 pixels the stand-in's letters are as wide as the handheld face's at 11.
    return std::max(1, MulDiv(characterHeight, 10, 11));
}

QFont ToQFont(const LOGFONT& lf, int logicalDpi) {
    const QString face = QString::fromUtf16(
        lf.lfFaceName,
        std::find(lf.lfFaceName, lf.lfFaceName + LF_FACESIZE, u'\0') - lf.lfFaceName);
    QFont font;
    int pixels = CharacterHeight(lf.lfHeight);
    if (IsHandheldFace(face)) {
        font.setFamily(QString::fromLatin1(kStandInFace));
        pixels = StandInPixelSize(pixels);
    } else {
        font.setFamilies({face, QString::fromLatin1(kStandInFace)});
    }
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(
        std::max(1, MulDiv(pixels, logicalDpi > 0 ? logicalDpi : kBaseDpi, kBaseDpi)));
    font.setWeight(static_cast<QFont::Weight>(
        std::clamp<LONG>(lf.lfWeight == 0 ? FW_NORMAL : lf.lfWeight, 100, 900)));
    font.setItalic(lf.lfItalic != 0);
    font.setUnderline(lf.lfUnderline != 0);
    font.setStrikeOut(lf.lfStrikeOut != 0);
    return font;
}

LOGFONT LogFontFromPoints(const char16_t* face, int pointSize) {
    LOGFONT lf{};
    lf.lfHeight = -MulDiv(pointSize, kBaseDpi, 72);
    lf.lfWeight = FW_NORMAL;
    for (int i = 0; face != nullptr && face[i] != u'\0' && i < LF_FACESIZE - 1; ++i) {
        lf.lfFaceName[i] = face[i];
    }
    return lf;
}

QKeySequence ToKeySequence(const ACCEL& accel) {
    Qt::Key key{};
    if (!(accel.fVirt & FVIRTKEY) || !FindKey(accel.key, key)) {
        return QKeySequence();
    }
    Qt::KeyboardModifiers modifiers;
    if (accel.fVirt & FSHIFT) {
        modifiers |= Qt::ShiftModifier;
    }
    if (accel.fVirt & FCONTROL) {
        modifiers |= Qt::ControlModifier;
    }
    if (accel.fVirt & FALT) {
        modifiers |= Qt::AltModifier;
    }
    return QKeySequence(QKeyCombination(modifiers, key));
}
