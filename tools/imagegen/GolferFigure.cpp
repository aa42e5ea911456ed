#include "GolferFigure.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <algorithm>

GolferFigure::GolferFigure() : m_headCentre(55, 18), m_headRadius(7.5) {
    m_strokes = {
        // torso, the back arched after the turn, hips pushed towards the target
        {{{55, 30}, {56, 44}, {52, 57}}, 12},
        {{{57, 33}, {58, 42}}, 12},
        // lead leg, straight, carrying the weight
        {{{50, 58}, {46, 76}, {44, 92}}, 9},
        {{{44, 93}, {36, 95}}, 6},
        // trail leg, knee turned in, foot up on its toe
        {{{56, 59}, {52, 77}, {66, 87}}, 8.5},
        {{{66, 87}, {62, 95}}, 5.5},
        // arms, hands together high over the lead shoulder
        {{{52, 32}, {41, 27}, {37, 12}}, 6},
        {{{57, 32}, {46, 22}, {38, 11}}, 5.5},
        // the peak of the cap, towards the target
        {{{51, 12.5}, {44, 15}}, 2.6},
        // club: the shaft across behind the head, the head hanging below the far end
        {{{37, 11}, {77, 24}}, 2.4},
        {{{77, 24}, {79, 30}}, 4.5},
    };
}

QImage GolferFigure::Coverage(QSize size, const QTransform& unitsToPixels,
                              double minStrokePixels) const {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // Each part is painted on its own and the coverages joined by taking the larger, so that
    // where parts overlap their edges do not add up to a darker seam.
    painter.setCompositionMode(QPainter::CompositionMode_Lighten);
    const double scale = std::sqrt(std::abs(unitsToPixels.determinant()));
    for (const Stroke& stroke : m_strokes) {
        QPainterPath path;
        path.moveTo(unitsToPixels.map(stroke.points.front()));
        for (std::size_t i = 1; i < stroke.points.size(); ++i) {
            path.lineTo(unitsToPixels.map(stroke.points[i]));
        }
        QPen pen(Qt::white, std::max(stroke.width * scale, minStrokePixels), Qt::SolidLine,
                 Qt::RoundCap, Qt::RoundJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(unitsToPixels.map(m_headCentre), m_headRadius * scale,
                        m_headRadius * scale);
    painter.end();
    return image;
}

QString GolferFigure::SvgElements(const QString& colour) const {
    QString out = QStringLiteral("  <g fill=\"none\" stroke=\"%1\" stroke-linecap=\"round\" "
                                 "stroke-linejoin=\"round\">\n")
                      .arg(colour);
    for (const Stroke& stroke : m_strokes) {
        QString points;
        for (const QPointF& p : stroke.points) {
            points += QStringLiteral("%1,%2 ").arg(p.x()).arg(p.y());
        }
        out += QStringLiteral("    <polyline stroke-width=\"%1\" points=\"%2\"/>\n")
                   .arg(stroke.width)
                   .arg(points.trimmed());
    }
    out += QStringLiteral("  </g>\n");
    out += QStringLiteral("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"%4\"/>\n")
               .arg(m_headCentre.x())
               .arg(m_headCentre.y())
               .arg(m_headRadius)
               .arg(colour);
    return out;
}
