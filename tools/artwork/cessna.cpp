// Images of the Cessna layout menu (Cessna/images): the carbon-fibre
// background and the tick of its boxes. The menu's preview of the panel is not
// drawn here: it is a picture of the panel itself (Cessna/preview/PreviewPainel.qml).
#include "artwork.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

const QSizeF menuSize(902, 771);

// One float of a 2/2 twill weave: a tow of fibres lying over two squares,
// horizontally or vertically, lit along its middle and dipping at its ends
// where it passes under the crossing tows.
void tow(QPainter &p, const QRectF &float_, bool horizontal)
{
    const QRectF r = float_.adjusted(0.3, 0.3, -0.3, -0.3);
    QLinearGradient across = horizontal ? QLinearGradient(r.topLeft(), r.bottomLeft())
                                        : QLinearGradient(r.topLeft(), r.topRight());
    across.setColorAt(0.0, QColor(16, 16, 18));
    across.setColorAt(0.42, QColor(54, 55, 59));
    across.setColorAt(0.58, QColor(47, 48, 52));
    across.setColorAt(1.0, QColor(13, 13, 15));
    p.fillRect(r, across);

    QLinearGradient along = horizontal ? QLinearGradient(r.topLeft(), r.topRight())
                                       : QLinearGradient(r.topLeft(), r.bottomLeft());
    along.setColorAt(0.0, QColor(0, 0, 0, 110));
    along.setColorAt(0.2, QColor(0, 0, 0, 0));
    along.setColorAt(0.8, QColor(0, 0, 0, 0));
    along.setColorAt(1.0, QColor(0, 0, 0, 110));
    p.fillRect(r, along);

    // A few fibres along the tow.
    p.setPen(QPen(QColor(80, 81, 86, 50), 0.25));
    const int fibres = 4;
    for (int i = 1; i <= fibres; ++i) {
        const double t = double(i) / (fibres + 1);
        if (horizontal)
            p.drawLine(QPointF(r.left(), r.top() + t * r.height()), QPointF(r.right(), r.top() + t * r.height()));
        else
            p.drawLine(QPointF(r.left() + t * r.width(), r.top()), QPointF(r.left() + t * r.width(), r.bottom()));
    }
}

} // namespace

// Dark carbon fibre: a 2/2 twill (diagonal stripes of crossing tows) under a
// soft diagonal sheen, darker towards the edges.
RADOD_ARTWORK("Cessna/images/bg_config.jpg", menuSize, [](QPainter &p) {
    const QRectF all(QPointF(0, 0), menuSize);
    p.fillRect(all, QColor(10, 10, 12));

    // Square (column, row) lies under a horizontal float when (column + row)
    // mod 4 is 0 or 1 and under a vertical one when it is 2 or 3: floats of
    // two squares, shifted by one square per row, so the weave runs in
    // diagonal stripes. Each float is drawn from its first square.
    const double cell = 7; // one square of the weave, in menu pixels
    const int columns = int(menuSize.width() / cell) + 2;
    const int rows = int(menuSize.height() / cell) + 2;
    for (int row = -1; row < rows; ++row) {
        for (int column = -1; column < columns; ++column) {
            const int phase = ((column + row) % 4 + 4) % 4;
            if (phase == 0)
                tow(p, QRectF(column * cell, row * cell, 2 * cell, cell), true);
            else if (phase == 2)
                tow(p, QRectF(column * cell, row * cell, cell, 2 * cell), false);
        }
    }

    QLinearGradient sheen(all.topLeft(), all.bottomRight());
    sheen.setColorAt(0.0, QColor(255, 255, 255, 10));
    sheen.setColorAt(0.35, QColor(255, 255, 255, 26));
    sheen.setColorAt(0.55, QColor(255, 255, 255, 0));
    sheen.setColorAt(1.0, QColor(255, 255, 255, 8));
    p.fillRect(all, sheen);

    QRadialGradient vignette(all.center(), all.width() * 0.7);
    vignette.setColorAt(0.55, QColor(0, 0, 0, 0));
    vignette.setColorAt(1.0, QColor(0, 0, 0, 150));
    p.fillRect(all, vignette);
});

// The tick of the menu's boxes: a green check mark on the boxes' white.
RADOD_ARTWORK("Cessna/images/check.jpg", QSizeF(36, 36), [](QPainter &p) {
    p.fillRect(QRectF(0, 0, 36, 36), Qt::white);
    QPainterPath mark;
    mark.moveTo(7, 19);
    mark.lineTo(15, 27);
    mark.lineTo(30, 9);
    p.setPen(QPen(QColor(28, 150, 60), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mark);
});
