#pragma once
// Conversions between the dialogs' descriptions and Qt's.
#include "platform/core/CString.h"
#include "platform/ui/AcceleratorTable.h"
#include "platform/ui/Gdi.h"

#include <QColor>
#include <QFont>
#include <QKeySequence>
#include <QString>

QString ToQString(const CString& text);
CString FromQString(const QString& text);
QColor ToQColor(COLORREF color);

// The installed face that stands in for the handheld's "MS Sans Serif" and "System" (and for
// a description that names no face). It is named directly, so that no font look-up fails and
// falls back, and drawn a size smaller than the character height asked for, since its
// letters run wider than the handheld's: so every text of the templates fits its rectangle.
inline constexpr const char* kStandInFace = "Liberation Sans";
// The pixel size the stand-in face is drawn at for a character height, at 96 dpi.
int StandInPixelSize(int characterHeight);

// A font from its logical description. A negative height is the character height in
// logical units, which are pixels at 96 dpi and grow with the screen's logical dpi.
QFont ToQFont(const LOGFONT& lf, int logicalDpi = 96);
// The template font: a face at a point size, on the handheld's 96 pixels per inch.
LOGFONT LogFontFromPoints(const char16_t* face, int pointSize);

// The key of an accelerator entry; empty for a key that has no counterpart here.
QKeySequence ToKeySequence(const ACCEL& accel);
