#pragma once
// Conversions between the dialogs' descriptions and Qt's.
#include "Gdi.h"
#include "platform/core/CString.h"

#include <QColor>
#include <QFont>
#include <QString>

QString ToQString(const CString& text);
CString FromQString(const QString& text);
QColor ToQColor(COLORREF color);
// A font from its logical description. A negative height is the character height in
// pixels; the dialogs' faces are mapped to installed faces of the same kind.
QFont ToQFont(const LOGFONT& lf);
// The template font: a face at a point size, on the handheld's 96 pixels per inch.
LOGFONT LogFontFromPoints(const char16_t* face, int pointSize);
