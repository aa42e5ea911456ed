#include "Artwork.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

// Lays a colour over the picture in proportion to a coverage picture (white is full cover).
void Composite(QImage& target, const QImage& coverage, const QColor& colour) {
    for (int y = 0; y < target.height(); ++y) {
        for (int x = 0; x < target.width(); ++x) {
            const double t = qRed(coverage.pixel(x, y)) / 255.0;
            if (t <= 0.0) {
                continue;
            }
            const QRgb p = target.pixel(x, y);
            auto mix = [t](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * t)); };
            target.setPixel(x, y,
                            qRgba(mix(qRed(p), colour.red()), mix(qGreen(p), colour.green()),
                                  mix(qBlue(p), colour.blue()), qAlpha(p)));
        }
    }
}

// Lettering as an outline rather than through the font rasteriser, so that no hinting or
// sub-pixel rendering of the machine shapes the result.
QPainterPath TextOutline(const QString& text, const QFont& font) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    return path;
}

QTransform FigurePlacement(double left, double top, double scale) {
    return QTransform::fromScale(scale, scale) * QTransform::fromTranslate(left, top);
}

} // namespace

QImage DrawButton(QSize size, const QString& text, const QFont& font, int scale) {
    QImage image(size * scale, QImage::Format_RGB32);
    image.fill(Colours::kBackground);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    painter.setPen(Qt::NoPen);

    // One pixel of background around the body lets the button float on the dialog.
    const QRectF body(1, 2, size.width() - 2, size.height() - 4);
    const double radius = body.height() / 2;
    painter.setBrush(Colours::kButtonBody);
    painter.drawRoundedRect(body, radius, radius);

    // Centred on the body: across by the outline's extent, which includes the slant, and
    // down by the capital height, so that descenders do not push the word upwards.
    QPainterPath lettering = TextOutline(text, font);
    const QRectF bounds = lettering.boundingRect();
    const double capHeight = QFontMetricsF(font).capHeight();
    const double dx = body.center().x() - bounds.center().x();
    const double dy = body.center().y() + capHeight / 2;
    lettering.translate(dx, dy);
    painter.setBrush(Colours::kLettering);
    painter.drawPath(lettering);
    painter.end();
    return image;
}

QImage DrawBanner(QSize size, const GolferFigure& figure, const QFont& scriptFont, int scale) {
    QImage image(size * scale, QImage::Format_RGB32);
    image.fill(Colours::kBackground);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    painter.setPen(Qt::NoPen);

    // The patch of grass the golfer stands on.
    painter.setBrush(Colours::kGrass);
    painter.drawEllipse(QPointF(34, size.height() - 9), 30, 4.5);

    // The name in script at the top right.
    QPainterPath name = TextOutline(QStringLiteral("Caddora"), scriptFont);
    const QRectF bounds = name.boundingRect();
    name.translate(size.width() - 6 - bounds.right(), 6 - bounds.top());
    painter.setBrush(Colours::kScript);
    painter.drawPath(name);
    painter.end();

    const QImage golfer = figure.Coverage(
        image.size(), FigurePlacement(-22, 10, 1.3) * QTransform::fromScale(scale, scale), scale);
    Composite(image, golfer, Colours::kFigure);
    return image;
}

QImage DrawIcon(int edge, const GolferFigure& figure) {
    QImage image(edge, edge, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double ring = std::max(1.0, edge / 16.0);
    painter.setPen(QPen(Colours::kButtonBody, ring));
    painter.setBrush(Colours::kBackground);
    const double half = edge / 2.0;
    painter.drawEllipse(QPointF(half, half), half - ring / 2, half - ring / 2);
    painter.end();

    // At the smallest size the figure fills more of the disc and its thin parts are
    // widened, or it would dissolve into a few grey pixels.
    const bool small = edge <= 16;
    const double scale = edge * (small ? 0.0085 : 0.0078);
    const QTransform placement = small ? FigurePlacement(edge * 0.01, edge * 0.06, scale)
                                       : FigurePlacement(edge * 0.05, edge * 0.10, scale);
    const QImage golfer = figure.Coverage(image.size(), placement, small ? 1.1 : 0.9);
    Composite(image, golfer, Colours::kFigure);
    return image;
}

QString IconSvg(const GolferFigure& figure) {
    const QString figureColour = Colours::kFigure.name();
    QString svg;
    svg += QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    svg += QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"128\" "
                          "height=\"128\" viewBox=\"0 0 100 100\">\n");
    svg += QStringLiteral("  <title>Caddora</title>\n");
    svg += QStringLiteral("  <circle cx=\"50\" cy=\"50\" r=\"47\" fill=\"%1\" stroke=\"%2\" "
                          "stroke-width=\"6\"/>\n")
               .arg(Colours::kBackground.name(), Colours::kButtonBody.name());
    svg += QStringLiteral("  <g transform=\"translate(5 10) scale(0.78)\">\n");
    svg += figure.SvgElements(figureColour);
    svg += QStringLiteral("  </g>\n</svg>\n");
    return svg;
}
