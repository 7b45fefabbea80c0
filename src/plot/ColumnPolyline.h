#pragma once
#include <QPolygon>

namespace plotwise {

// A polyline in pixels whose points arrive in drawing order and whose X
// moves in one direction only, as a curve's samples do, reduced to at most
// four points per pixel column: the column's first, lowest, highest and last
// point, in the order they came. Drawn with segments whose pixels depend on
// their ends alone (drawPixelPolyline), it sets the same pixels as every
// point would: the segments between columns are kept, and those inside a
// column are vertical spans whose union is the column's span from its lowest
// to its highest point, which the kept points span too. The drawing then
// costs what the picture is wide, not what the curve is long.
class ColumnPolyline {
public:
    void reserve(int points) { points_.reserve(points); }
    void add(QPoint point);
    // The reduced polyline; a single point becomes a segment of one pixel.
    const QPolygon& finish();

private:
    void reduceColumn();

    QPolygon points_;
    qsizetype columnStart_ = 0; // first point of the column being gathered
};

} // namespace plotwise
