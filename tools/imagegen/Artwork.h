#pragma once

#include "GolferFigure.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

// The colours of the dialog's pictures: they sit on the light green of the dialog and carry
// the dark green of its brushes.
namespace Colours {
inline const QColor kBackground(173, 214, 115);
inline const QColor kButtonBody(90, 132, 41);
inline const QColor kLettering(255, 255, 255);
inline const QColor kFigure(44, 70, 20);
inline const QColor kScript(0, 0, 0);
inline const QColor kGrass(140, 188, 82);
} // namespace Colours

// A dark green button with semicircular ends and white italic lettering, centred. The size
// is in the dialog's pixels; the picture has `scale` device pixels for each of them.
QImage DrawButton(QSize size, const QString& text, const QFont& font, int scale = 1);

// The main dialog's banner: the golfer on the left, the product name in script at the top
// right.
QImage DrawBanner(QSize size, const GolferFigure& figure, const QFont& scriptFont, int scale = 1);

// The application icon at the given edge length, with alpha outside the disc.
QImage DrawIcon(int edge, const GolferFigure& figure);

// The same icon as a scalable picture.
QString IconSvg(const GolferFigure& figure);
