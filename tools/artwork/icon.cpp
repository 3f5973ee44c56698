// The program's icon (desktop menu, window lists): an attitude indicator seen
// in a slight right bank, drawn on the same primitives as the gauges.
#include "artwork.h"

namespace {

const QSizeF kIcon(128, 128);   // drawn at 256 x 256 pixels
const double kBankDeg = 12;     // the horizon's tilt, so it reads as a dial and not a flag
const double kPitchUnits = 8;   // the horizon a little below centre: a climb

} // namespace

RADOD_ARTWORK("packaging/radod-panels.png", kIcon, [](QPainter &p) {
    const QPointF c(64, 64);
    const double rFace = 52;
    const double rBezel = 62;

    QPainterPath dial;
    dial.addEllipse(c, rFace, rFace);
    p.save();
    p.setClipPath(dial);
    p.translate(c);
    p.rotate(-kBankDeg);
    p.fillRect(QRectF(-rBezel, -rBezel, 2 * rBezel, rBezel + kPitchUnits), art::colour::sky);
    p.fillRect(QRectF(-rBezel, kPitchUnits, 2 * rBezel, rBezel), art::colour::ground);
    p.setPen(QPen(art::colour::white, 2.5));
    p.drawLine(QPointF(-rBezel, kPitchUnits), QPointF(rBezel, kPitchUnits));
    // Pitch ladder: two short rungs above the horizon.
    p.setPen(QPen(art::colour::white, 1.5));
    for (const double rung : {10.0, 20.0})
        p.drawLine(QPointF(-rung * 0.8, kPitchUnits - rung), QPointF(rung * 0.8, kPitchUnits - rung));
    p.restore();

    // Bank marks along the top of the dial, turned with the horizon.
    QVector<double> bankMarks;
    for (const double a : {-60.0, -30.0, -20.0, -10.0, 0.0, 10.0, 20.0, 30.0, 60.0})
        bankMarks << a - kBankDeg;
    art::ticks(p, c, rFace, 7, 2, bankMarks);

    art::bezel(p, c, rFace, rBezel);

    // The fixed aircraft symbol: wings and a centre dot.
    p.setPen(QPen(art::colour::orange, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(c.x() - 30, c.y()), QPointF(c.x() - 10, c.y()));
    p.drawLine(QPointF(c.x() + 10, c.y()), QPointF(c.x() + 30, c.y()));
    p.setPen(Qt::NoPen);
    p.setBrush(art::colour::orange);
    p.drawEllipse(c, 4, 4);
});
