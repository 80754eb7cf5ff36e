#include "geometry/sketch.h"

#include <QFontMetricsF>
#include <QLineF>
#include <algorithm>
#include <cmath>

namespace ondarel {

namespace {

const QColor kConductor(0x8a, 0x4b, 0x08);
const QColor kCopper(0xe0, 0xa8, 0x48);
const QColor kCopperEdge(0x9a, 0x62, 0x10);
const QColor kGround(0xb8, 0xb8, 0xb8);
const QColor kGroundEdge(0x60, 0x60, 0x60);
const QColor kSubstrate(0xd4, 0xec, 0xd4);
const QColor kSubstrateEdge(0x4f, 0x8a, 0x4f);
const QColor kDimension(0x1f, 0x4e, 0x9c);
const QColor kCoax(0x40, 0x40, 0x40);
constexpr double kFontPixels = 12;
constexpr double kArrowHead = 6;

QFont labelFont()
{
    QFont font("DejaVu Sans");
    font.setPixelSize(int(kFontPixels));
    return font;
}

QFont subscriptFont()
{
    QFont font = labelFont();
    font.setPixelSize(int(kFontPixels * 0.75));
    return font;
}

// "L_o" -> ("L", "o"); text without '_' has no subscript.
std::pair<QString, QString> splitSubscript(const QString& text)
{
    const int at = text.indexOf('_');
    if (at < 0) return {text, {}};
    return {text.left(at), text.mid(at + 1)};
}

void arrowHead(QPainter& p, QPointF tip, QPointF from)
{
    const QLineF back(tip, from);
    const double length = back.length();
    if (length <= 0) return;
    const QPointF unit = (from - tip) / length;
    const QPointF normal(-unit.y(), unit.x());
    const QPointF base = tip + unit * kArrowHead;
    p.drawPolygon(QPolygonF{tip, base + normal * kArrowHead * 0.4, base - normal * kArrowHead * 0.4});
}

}  // namespace

Sketch::Sketch(QPainter& painter, const QRectF& target, const QSizeF& logical) : p_(painter), logical_(logical)
{
    p_.save();
    p_.setRenderHint(QPainter::Antialiasing);
    p_.setRenderHint(QPainter::TextAntialiasing);
    const double scale = std::min(target.width() / logical.width(), target.height() / logical.height());
    p_.translate(target.center());
    p_.scale(scale, scale);
    p_.translate(-logical.width() / 2, -logical.height() / 2);
    p_.setFont(labelFont());
}

Sketch::~Sketch() { p_.restore(); }

void Sketch::wire(QPointF a, QPointF b, double thickness) { wire(QPolygonF{a, b}, thickness); }

void Sketch::wire(const QPolygonF& path, double thickness)
{
    p_.setPen(QPen(kConductor, thickness, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p_.setBrush(Qt::NoBrush);
    p_.drawPolyline(path);
}

void Sketch::loop(QPointF centre, double rx, double ry, double thickness)
{
    p_.setPen(QPen(kConductor, thickness));
    p_.setBrush(Qt::NoBrush);
    p_.drawEllipse(centre, rx, ry);
}

void Sketch::plate(const QPolygonF& outline)
{
    p_.setPen(QPen(kCopperEdge, 1.2));
    p_.setBrush(kCopper);
    p_.drawPolygon(outline);
}

void Sketch::disc(QPointF centre, double rx, double ry)
{
    p_.setPen(QPen(kCopperEdge, 1.2));
    p_.setBrush(kCopper);
    p_.drawEllipse(centre, rx, ry);
}

void Sketch::ground(const QRectF& r) { ground(QPolygonF(r)); }

void Sketch::ground(const QPolygonF& outline)
{
    p_.setPen(QPen(kGroundEdge, 1.2));
    p_.setBrush(kGround);
    p_.drawPolygon(outline);
    p_.setBrush(QBrush(kGroundEdge, Qt::BDiagPattern));
    p_.drawPolygon(outline);
}

void Sketch::substrate(const QRectF& r) { substrate(QPolygonF(r)); }

void Sketch::substrate(const QPolygonF& outline)
{
    p_.setPen(QPen(kSubstrateEdge, 1.2));
    p_.setBrush(kSubstrate);
    p_.drawPolygon(outline);
}

void Sketch::opening(const QRectF& r)
{
    p_.setPen(QPen(kGroundEdge, 1.6));
    p_.setBrush(Qt::white);
    p_.drawRect(r);
}

void Sketch::opening(QPointF centre, double radius)
{
    p_.setPen(QPen(kGroundEdge, 1.6));
    p_.setBrush(Qt::white);
    p_.drawEllipse(centre, radius, radius);
}

void Sketch::coax(QPointF end, QPointF towards, double length)
{
    const QLineF axis(end, towards);
    if (axis.length() <= 0) return;
    const QPointF unit = (towards - end) / axis.length();
    const QPointF normal(-unit.y(), unit.x());
    const QPointF far = end + unit * length;
    const double outer = 5;
    p_.setPen(QPen(kCoax, 1.2));
    p_.setBrush(QColor(0x90, 0x90, 0x90));
    p_.drawPolygon(QPolygonF{end + normal * outer, far + normal * outer, far - normal * outer, end - normal * outer});
    p_.setBrush(QColor(0xf0, 0xf0, 0xf0));
    const double dielectric = 2.8;
    p_.drawPolygon(QPolygonF{end + normal * dielectric, end + normal * dielectric + unit * 4,
                             end - normal * dielectric + unit * 4, end - normal * dielectric});
    p_.setPen(QPen(kConductor, 1.6));
    p_.drawLine(end - unit * 3, end + unit * 4);
}

void Sketch::capacitor(QPointF a, QPointF b)
{
    const QLineF line(a, b);
    const double length = line.length();
    if (length <= 0) return;
    const QPointF unit = (b - a) / length;
    const QPointF normal(-unit.y(), unit.x());
    const QPointF mid = (a + b) / 2;
    const double gap = 2.5, half = 7;
    wire(a, mid - unit * gap, 1.6);
    wire(mid + unit * gap, b, 1.6);
    p_.setPen(QPen(Qt::black, 2.2));
    p_.drawLine(mid - unit * gap + normal * half, mid - unit * gap - normal * half);
    p_.drawLine(mid + unit * gap + normal * half, mid + unit * gap - normal * half);
}

void Sketch::impedance(const QRectF& box)
{
    p_.setPen(QPen(Qt::black, 1.4));
    p_.setBrush(Qt::white);
    p_.drawRect(box);
}

void Sketch::terminal(QPointF at)
{
    p_.setPen(QPen(Qt::black, 1.2));
    p_.setBrush(Qt::white);
    p_.drawEllipse(at, 3, 3);
}

void Sketch::dot(QPointF at)
{
    p_.setPen(Qt::NoPen);
    p_.setBrush(Qt::black);
    p_.drawEllipse(at, 2.2, 2.2);
}

void Sketch::extension(QPointF a, QPointF b)
{
    p_.setPen(QPen(kDimension, 0.8, Qt::DashLine));
    p_.drawLine(a, b);
}

void Sketch::dimension(QPointF a, QPointF b, const QString& text, Side side)
{
    p_.setPen(QPen(kDimension, 1));
    p_.drawLine(a, b);
    p_.setBrush(kDimension);
    arrowHead(p_, a, b);
    arrowHead(p_, b, a);
    if (text.isEmpty()) return;
    const QPointF mid = (a + b) / 2;
    constexpr double gap = 3;
    switch (side) {
        case Side::Left: label(mid - QPointF(gap, 0), text, Qt::AlignRight | Qt::AlignVCenter); break;
        case Side::Right: label(mid + QPointF(gap, 0), text, Qt::AlignLeft | Qt::AlignVCenter); break;
        case Side::Above: label(mid - QPointF(0, gap), text, Qt::AlignHCenter | Qt::AlignBottom); break;
        case Side::Below: label(mid + QPointF(0, gap), text, Qt::AlignHCenter | Qt::AlignTop); break;
    }
}

void Sketch::pointer(QPointF from, QPointF to)
{
    p_.setPen(QPen(kDimension, 1));
    p_.drawLine(from, to);
    p_.setBrush(kDimension);
    arrowHead(p_, to, from);
}

void Sketch::fieldLine(const QPolygonF& path)
{
    if (path.size() < 2) return;
    p_.setPen(QPen(kDimension, 1));
    p_.setBrush(Qt::NoBrush);
    p_.drawPolyline(path);
    p_.setBrush(kDimension);
    arrowHead(p_, path.back(), path[path.size() - 2]);
}

void Sketch::angle(QPointF vertex, double fromDeg, double toDeg, double radius)
{
    p_.setPen(QPen(kDimension, 1));
    p_.setBrush(Qt::NoBrush);
    const QRectF box(vertex - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius));
    p_.drawArc(box, int(fromDeg * 16), int((toDeg - fromDeg) * 16));
}

QSizeF Sketch::textSize(const QString& text) const
{
    const auto [main, sub] = splitSubscript(text);
    const QFontMetricsF metrics(labelFont());
    double width = metrics.horizontalAdvance(main);
    if (!sub.isEmpty()) width += QFontMetricsF(subscriptFont()).horizontalAdvance(sub) + 1;
    return {width, metrics.height() + (sub.isEmpty() ? 0 : 2)};
}

QRectF Sketch::textRect(QPointF at, QSizeF size, Qt::Alignment align) const
{
    double x = at.x(), y = at.y();
    if (align & Qt::AlignRight)
        x -= size.width();
    else if (align & Qt::AlignHCenter)
        x -= size.width() / 2;
    if (align & Qt::AlignBottom)
        y -= size.height();
    else if (align & Qt::AlignVCenter)
        y -= size.height() / 2;
    return {QPointF(x, y), size};
}

void Sketch::label(QPointF at, const QString& text, Qt::Alignment align, const QString& gapSymbol)
{
    const QSizeF size = textSize(text);
    const QRectF rect = textRect(at, size, align);
    const auto [main, sub] = splitSubscript(text);
    const QFontMetricsF metrics(labelFont());
    const double baseline = rect.top() + metrics.ascent();
    // A light backing keeps a label readable over hatching and lines.
    p_.setPen(Qt::NoPen);
    p_.setBrush(QColor(255, 255, 255, 190));
    p_.drawRoundedRect(rect.adjusted(-1, 0, 1, 0), 2, 2);
    p_.setPen(Qt::black);
    p_.setFont(labelFont());
    p_.drawText(QPointF(rect.left(), baseline), main);
    if (!sub.isEmpty()) {
        p_.setFont(subscriptFont());
        p_.drawText(QPointF(rect.left() + metrics.horizontalAdvance(main) + 1, baseline + 3), sub);
        p_.setFont(labelFont());
    }
    const int gap = main.indexOf("    ");
    if (!gapSymbol.isEmpty() && gap >= 0) {
        const double left = rect.left() + metrics.horizontalAdvance(main.left(gap));
        const double width = metrics.horizontalAdvance("    ");
        const double symbolWidth = metrics.horizontalAdvance(gapSymbol);
        p_.drawText(QPointF(left + (width - symbolWidth) / 2, baseline), gapSymbol);
    }
    labels_.push_back({sub.isEmpty() ? main : main + sub, rect});
}

}  // namespace ondarel
