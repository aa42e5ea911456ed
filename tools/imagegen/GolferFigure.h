#pragma once

#include <QImage>
#include <QPointF>
#include <QString>
#include <QTransform>

#include <vector>

// The golfer of the banner and the icon, at the finish of a shot: facing the target on the
// left, club raised high behind the head, weight on the lead leg, the trail foot on its toe.
// The figure is drawn in a box of 100 x 100 units (y grows downwards) from round-capped
// strokes and one circle, so that the same shapes serve the bitmaps and the scalable icon.
class GolferFigure {
public:
    struct Stroke {
        std::vector<QPointF> points;
        double width;
    };

    GolferFigure();

    // The figure's coverage as a grey picture (white where the figure covers a pixel fully).
    // Strokes are at least minStrokePixels wide so that thin parts survive small sizes.
    QImage Coverage(QSize size, const QTransform& unitsToPixels, double minStrokePixels) const;

    // The figure as SVG elements in its own units, filled and stroked with colour.
    QString SvgElements(const QString& colour) const;

private:
    QPointF m_headCentre;
    double m_headRadius;
    std::vector<Stroke> m_strokes;
};
