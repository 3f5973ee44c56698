// Radio stacks: the faces of the avionics and the compact radio panels (their
// unlit segments printed where the documents' face tables put the lit ones),
// and the settings menus' background and tick.
#include "artwork.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <QLinearGradient>

namespace {

const QString avionicsFace = QStringLiteral("RadioAvionico/AvionicsFace.js");
const QString compactFace = QStringLiteral("RadioCompacto/CompactFace.js");

// The display fonts the documents load (fonts/resources.cmake names them
// DSEG7Classic-Bold.ttf, digital-7.ttf and "digital-7 (italic).ttf").
QFont displayFont(const QString &kind, int pixelSize)
{
    static QHash<QString, QString> families;
    const QString file = kind == QLatin1String("lcd")         ? QStringLiteral("DSEG14Classic-Regular.ttf")
                         : kind == QLatin1String("lcdItalic") ? QStringLiteral("DSEG14Classic-Italic.ttf")
                                                              : QStringLiteral("DSEG7Classic-Bold.ttf");
    if (!families.contains(file)) {
        const int id = QFontDatabase::addApplicationFont(art::sourceRoot() + QStringLiteral("/fonts/") + file);
        const QStringList names = QFontDatabase::applicationFontFamilies(id);
        if (names.isEmpty())
            qFatal("artwork: cannot load font %s", qPrintable(file));
        families.insert(file, names.first());
    }
    QFont f(families.value(file));
    f.setPixelSize(pixelSize);
    f.setWeight(kind == QLatin1String("segments") ? QFont::Bold : QFont::Normal);
    f.setItalic(kind == QLatin1String("lcdItalic"));
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

double number(const QJSValue &entry, const char *name, double fallback = 0)
{
    const QJSValue v = entry.property(QLatin1String(name));
    return v.isNumber() ? v.toNumber() : fallback;
}

QJSValue entry(const QString &face, const char *name)
{
    return art::script(face).property(QLatin1String(name));
}

QRectF box(const QJSValue &e)
{
    return QRectF(number(e, "x"), number(e, "y"), number(e, "width"), number(e, "height"));
}

// Draws `text` where a document's SegmentText with this face-table entry puts
// it: centred in its box, right-aligned at `right`, or from its top-left
// corner; glyphs narrowed by `condense` and lowered by `squash` as the
// document does.
void segmentText(QPainter &p, const QJSValue &e, const QString &text, const QColor &colour)
{
    const QFont font = displayFont(e.property(QStringLiteral("font")).toString(), int(number(e, "size", 12)));
    const QFontMetricsF metrics(font);
    const double width = metrics.horizontalAdvance(text);
    const double condense = number(e, "condense", 1);
    const double squash = number(e, "squash", 1);
    const bool boxed = e.hasProperty(QStringLiteral("width"));
    const bool right = e.hasProperty(QStringLiteral("right"));

    double left = number(e, "x");
    double top = number(e, "y");
    double originX = left; // the point the condensing keeps in place
    if (boxed) {
        const QRectF b = box(e);
        left = b.center().x() - width / 2;
        top = b.center().y() - metrics.height() / 2;
        originX = b.center().x();
    } else if (right) {
        left = number(e, "right") - width;
        originX = number(e, "right");
    }
    p.save();
    p.translate(originX, top);
    p.scale(condense, squash);
    p.translate(-originX, -top);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(QPointF(left, top + metrics.ascent()), text);
    p.restore();
}

void roundedPanel(QPainter &p, const QRectF &r, double radius, const QBrush &fill, const QColor &edge,
                  double edgeWidth = 1)
{
    p.setPen(edgeWidth > 0 ? QPen(edge, edgeWidth) : QPen(Qt::NoPen));
    p.setBrush(fill);
    p.drawRoundedRect(r, radius, radius);
}

// A recessed display glass: dark, a shade lighter at the top.
void displayGlass(QPainter &p, const QRectF &r, const QColor &dark, const QColor &light)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, light);
    g.setColorAt(0.35, dark);
    g.setColorAt(1, dark.darker(130));
    roundedPanel(p, r, 3, g, QColor(58, 58, 60), 0.8);
    // the shadow under the upper rim
    p.setPen(QPen(QColor(0, 0, 0, 200), 1.2));
    p.drawLine(r.topLeft() + QPointF(3, 1.2), r.topRight() + QPointF(-3, 1.2));
}

void caption(QPainter &p, QPointF centre, const QString &text, double size,
             QColor colour = QColor(150, 150, 146))
{
    art::label(p, centre, text, size, colour, art::Typeface::Cockpit);
}

// Yellow-green LCD glass with a soft inner shadow.
void lcd(QPainter &p, const QRectF &r)
{
    roundedPanel(p, r.adjusted(-4, -4, 4, 4), 5, QColor(24, 24, 24), QColor(70, 70, 72), 1);
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, QColor(184, 197, 96));
    g.setColorAt(0.5, QColor(170, 186, 82));
    g.setColorAt(1, QColor(150, 168, 66));
    roundedPanel(p, r, 3, g, QColor(0, 0, 0, 0), 0);
    QLinearGradient shade(r.topLeft(), r.topLeft() + QPointF(0, 10));
    shade.setColorAt(0, QColor(0, 0, 0, 70));
    shade.setColorAt(1, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawRoundedRect(r, 3, 3);
}

// The metal plate of a radio face: near black, with a fine edge.
void plate(QPainter &p, const QRectF &r)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(14, 14, 15));
    g.setColorAt(1, QColor(4, 4, 4));
    p.fillRect(r, Qt::black);
    roundedPanel(p, r.adjusted(1.5, 1.5, -1.5, -1.5), 6, g, QColor(48, 48, 50), 1.2);
}

// ---- avionics radio panel --------------------------------------------------

// Colour of unlit segments on the black face (the document's ghost layer).
const QColor unlit(0x11, 0x11, 0x11);
// Unlit LCD segments: a faint shadow on the glass.
const QColor lcdUnlit(0, 0, 0, 26);

RADOD_ARTWORK("RadioAvionico/images/RadioAvionicoOff.png", QSizeF(433, 496), [](QPainter &p) {
    const auto e = [](const char *name) { return entry(avionicsFace, name); };
    plate(p, QRectF(0, 0, 433, 496));

    // COM and NAV: one glass for the four windows and the divider, captions
    // above the windows.
    const QRectF frequencies = box(e("com")).united(box(e("navStby"))).united(box(e("divNavCom")));
    displayGlass(p, frequencies.adjusted(-8, -6, 9, 6), QColor(6, 6, 6), QColor(16, 16, 17));
    for (const char *name : {"com", "comStby", "nav", "navStby"}) {
        const QRectF b = box(e(name));
        const QString text = QLatin1String(name).endsWith(QLatin1String("Stby"))
                                 ? QStringLiteral("STBY")
                                 : QString::fromLatin1(name).toUpper();
        caption(p, QPointF(b.center().x(), b.top() - 17), text, 7.5);
        segmentText(p, e(name), QStringLiteral("888.88"), unlit);
    }
    const QRectF divider = box(e("divNavCom"));
    p.fillRect(divider, unlit);

    // DME row and ADF.
    const QRectF dmeRow = box(e("nav1Dme")).united(box(e("nav1Min"))).adjusted(-10, -12, 60, 46);
    displayGlass(p, dmeRow, QColor(6, 6, 6), QColor(15, 15, 16));
    caption(p, QPointF(dmeRow.left() + 18, dmeRow.top() - 7), QStringLiteral("DME"), 7.5);
    for (const char *name : {"nav1Dme", "nav1Kt", "nav1Min"})
        segmentText(p, e(name), QStringLiteral("88.8"), unlit);
    segmentText(p, e("nm"), QStringLiteral("nm"), unlit);
    segmentText(p, e("kt"), QStringLiteral("kt"), unlit);
    segmentText(p, e("min"), QStringLiteral("min"), unlit);
    segmentText(p, e("um"), QStringLiteral("1"), unlit);
    segmentText(p, e("dois"), QStringLiteral("2"), unlit);
    segmentText(p, e("adf"), QStringLiteral("adf"), unlit);
    segmentText(p, e("adfFreq"), QStringLiteral("8888"), unlit);

    // Transponder.
    const QJSValue digits = e("transponder");
    const QRectF xpdr(number(digits.property(0), "x") - 20, 238, 358, 72);
    displayGlass(p, xpdr, QColor(6, 6, 6), QColor(15, 15, 16));
    caption(p, QPointF(xpdr.left() + 22, xpdr.top() - 7), QStringLiteral("XPDR"), 7.5);
    for (quint32 i = 0; i < 4; ++i)
        segmentText(p, digits.property(i), QStringLiteral("8"), unlit);
    segmentText(p, e("mode"), QStringLiteral("mode"), unlit);
    segmentText(p, e("stby"), QStringLiteral("8888"), unlit);

    // Autopilot strip.
    const QRectF strip = box(e("lcdStrip"));
    caption(p, QPointF(strip.left() + 30, strip.top() - 13), QStringLiteral("AUTOPILOT"), 7.5);
    lcd(p, strip);
    const struct { const char *name; const char *text; } annunciators[] = {
        {"ap", "ap"}, {"navhdg", "hdg"}, {"alt", "alt"}, {"apr", "apr"}, {"arm", "arm"},
        {"rev", "rev"}, {"vs", "<vs>"}, {"seta1", ">"}, {"seta2", ">"},
        {"altitudeDial", "88888"}, {"approach", "-8888"},
    };
    for (const auto &a : annunciators)
        segmentText(p, e(a.name), QLatin1String(a.text), lcdUnlit);
});

// ---- compact radio panel ---------------------------------------------------

RADOD_ARTWORK("RadioCompacto/images/FUNDO5.png", QSizeF(340, 779), [](QPainter &p) {
    const auto e = [](const char *name) { return entry(compactFace, name); };
    plate(p, QRectF(0, 0, 340, 779));
    const QColor rule(92, 92, 94);
    const QColor darkRed(34, 4, 4);
    const QColor redGlow(52, 9, 8);

    // Three wide windows: COM 1, NAV 1, NAV 2.
    const char *rows[][2] = {{"com", "COM 1"}, {"nav", "NAV 1"}, {"nav2", "NAV 2"}};
    for (const auto &row : rows) {
        const QRectF b = box(e(row[0]));
        const QRectF window(20, b.top() - 13, 300, b.height() + 26);
        p.setPen(QPen(rule, 0.8));
        p.drawLine(QPointF(window.left(), window.top() - 5), QPointF(window.right(), window.top() - 5));
        p.drawLine(QPointF(window.left(), window.bottom() + 5), QPointF(window.right(), window.bottom() + 5));
        displayGlass(p, window, darkRed, redGlow);
        art::label(p, QPointF(window.left() + 22, window.bottom() + 13), QStringLiteral("RADOD"), 6.5,
                   QColor(120, 120, 118), art::Typeface::Cockpit);
        art::label(p, QPointF(window.right() - 22, window.bottom() + 13), QLatin1String(row[1]), 6.5,
                   QColor(120, 120, 118), art::Typeface::Cockpit);
    }

    // ADF window with its caption.
    const QJSValue adf = e("adfFreq");
    const double adfSize = number(adf, "size");
    const QRectF adfWindow(number(adf, "x") - 12, number(adf, "y") - 10, adfSize * 3.3 + 24, adfSize + 20);
    roundedPanel(p, adfWindow.adjusted(-5, -5, 5, 5), 5, Qt::NoBrush, rule, 1.2);
    displayGlass(p, adfWindow, darkRed, redGlow);
    caption(p, QPointF(adfWindow.left() - 32, adfWindow.center().y()), QStringLiteral("ADF"), 11);

    // Transponder: a framed block of four digit windows.
    const QJSValue digits = e("transponder");
    const double digitSize = number(digits.property(0), "size");
    const QRectF block(number(digits.property(0), "x") - 14, number(digits.property(0), "y") - 12,
                       number(digits.property(3), "x") - number(digits.property(0), "x") + digitSize * 0.8 + 28,
                       digitSize + 24);
    roundedPanel(p, block, 5, Qt::NoBrush, rule, 1.2);
    caption(p, QPointF(block.center().x(), block.top() - 9), QStringLiteral("XPDR"), 8);
    for (quint32 i = 0; i < 4; ++i) {
        const QJSValue d = digits.property(i);
        displayGlass(p, QRectF(number(d, "x") - 6, number(d, "y") - 5, digitSize * 0.8 + 12, digitSize + 10),
                     darkRed, redGlow);
    }

    // The LCD area of the autopilot strip.
    lcd(p, box(e("lcdArea")));
});

// ---- settings menus --------------------------------------------------------

// The radio menus wear the suite's menu look: the carbon fibre background and
// the green tick of the Cessna layout menu, drawn by that menu's descriptions,
// scaled uniformly to cover `size` and centred on it.
void drawAs(QPainter &p, const QString &path, const QSizeF &size)
{
    for (const art::ImageSpec &spec : art::images()) {
        if (spec.path != path)
            continue;
        const double s = qMax(size.width() / spec.size.width(), size.height() / spec.size.height());
        p.save();
        p.setClipRect(QRectF(QPointF(0, 0), size));
        p.translate((size.width() - spec.size.width() * s) / 2, (size.height() - spec.size.height() * s) / 2);
        p.scale(s, s);
        spec.paint(p);
        p.restore();
        return;
    }
    qFatal("artwork: no description of %s", qPrintable(path));
}

const QSizeF menuSize(630, 450);
const QSizeF tickSize(32, 32);

void menuBackground(QPainter &p)
{
    drawAs(p, QStringLiteral("Cessna/images/bg_config.jpg"), menuSize);
}

void tick(QPainter &p)
{
    drawAs(p, QStringLiteral("Cessna/images/check.jpg"), tickSize);
}

RADOD_ARTWORK("RadioAvionico/images/bg_config.jpg", menuSize, menuBackground);
RADOD_ARTWORK("RadioCompacto/images/bg_config.jpg", menuSize, menuBackground);
RADOD_ARTWORK("RadioAvionico/images/check.jpg", tickSize, tick);
RADOD_ARTWORK("RadioCompacto/images/check.jpg", tickSize, tick);

} // namespace
