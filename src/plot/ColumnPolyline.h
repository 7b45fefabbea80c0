#pragma once
#include <QPolygon>

namespace plotwise {

// A polyline in pixels whose points arrive in drawing order and whose X
// moves in one direction only, as a curve's samples do, reduced to at most
// seven points per pixel column that draw the same pixels: the column's first
// two and last three points, so the segments into, out of and at the ends of
// the column are drawn as before (a crisp line's joins depend on the segment
// before), and the lowest and highest of the points between, in the order
// they came. Every other segment inside a column is vertical and lies within
// the column's span, which these points cover as all of them do, turning
// points included. The drawing then costs what the picture is wide, not what
// the curve is long.
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
