.pragma library

// Clamped piecewise-linear lookup shared by every gauge: turns a value into an
// angle (or an offset) through a table of points and the angles at them.
// Points ascend; a value on an interior point falls in the segment that ends at
// it, so at a repeated point the needle takes the first of its two angles.
function interpolate(value, points, angles) {
    var n = points.length;
    if (value <= points[0])
        return angles[0];
    if (value >= points[n - 1])
        return angles[n - 1];
    var i = 0;
    while (i < n - 1 && points[i + 1] < value)
        i++;
    var x1 = points[i], y1 = angles[i];
    var x2 = points[i + 1], y2 = angles[i + 1];
    if (x2 === x1)
        return y1;
    return y1 + (y2 - y1) * ((value - x1) / (x2 - x1));
}
