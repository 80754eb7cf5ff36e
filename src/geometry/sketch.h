#pragma once
// The small drawing vocabulary every geometry picture is made of, so the
// pictures look like one family: conductors, plates, ground planes,
// substrates, coaxial feeds, lumped elements and labelled dimension arrows.
// Figures draw in their own logical units; the sketch scales them into the
// target rectangle keeping the aspect ratio, so they stay vector-sharp at
// any device pixel ratio and on a printer.
#include <QPainter>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <vector>

namespace ondarel {

// Where a label stands relative to its anchor point.
inline constexpr Qt::Alignment kLeftOf = Qt::AlignRight | Qt::AlignVCenter;
inline constexpr Qt::Alignment kRightOf = Qt::AlignLeft | Qt::AlignVCenter;
inline constexpr Qt::Alignment kAbove = Qt::AlignHCenter | Qt::AlignBottom;
inline constexpr Qt::Alignment kBelow = Qt::AlignHCenter | Qt::AlignTop;

class Sketch {
public:
    struct PlacedLabel {
        QString text;
        QRectF rect;  // logical units
    };
    enum class Side { Left, Right, Above, Below };

    Sketch(QPainter& painter, const QRectF& target, const QSizeF& logical);
    ~Sketch();
    Sketch(const Sketch&) = delete;
    Sketch& operator=(const Sketch&) = delete;

    QSizeF size() const { return logical_; }

    void wire(QPointF a, QPointF b, double thickness = 3);
    void wire(const QPolygonF& path, double thickness = 3);
    void loop(QPointF centre, double rx, double ry, double thickness = 3);
    void plate(const QPolygonF& outline);
    void plate(const QRectF& r) { plate(QPolygonF(r)); }
    void disc(QPointF centre, double rx, double ry);
    void ground(const QRectF& r);
    void ground(const QPolygonF& outline);
    void substrate(const QRectF& r);
    void substrate(const QPolygonF& outline);
    // An opening cut through a ground plane.
    void opening(const QRectF& r);
    void opening(QPointF centre, double radius);
    // A coaxial cable running from `end` over `length` in the direction of `towards`.
    void coax(QPointF end, QPointF towards, double length);
    void capacitor(QPointF a, QPointF b);
    void impedance(const QRectF& box);  // a lumped element drawn as a box
    void terminal(QPointF at);          // a small open circle: a connection point
    void dot(QPointF at);
    // Thin dashed line from a structure to where a dimension arrow is taken.
    void extension(QPointF a, QPointF b);
    // Arrow with heads at both ends; the label (if any) sits beside its middle.
    void dimension(QPointF a, QPointF b, const QString& label, Side side);
    // Single arrow from `from` to `to` (leaders from labels, field lines).
    void pointer(QPointF from, QPointF to);
    // A curved field line with its arrow head at the last point.
    void fieldLine(const QPolygonF& path);
    // An angle mark: an arc of `radius` about `vertex` from `fromDeg` to
    // `toDeg` (counter-clockwise, 0 pointing right), without a label.
    void angle(QPointF vertex, double fromDeg, double toDeg, double radius);
    // Text anchored at `at`; "L_o" draws "o" as a subscript, and a run of
    // four blanks holds `gapSymbol` (the "C =    D" helix label).
    void label(QPointF at, const QString& text, Qt::Alignment align, const QString& gapSymbol = {});

    const std::vector<PlacedLabel>& labels() const { return labels_; }

private:
    QRectF textRect(QPointF at, QSizeF size, Qt::Alignment align) const;
    QSizeF textSize(const QString& text) const;

    QPainter& p_;
    QSizeF logical_;
    std::vector<PlacedLabel> labels_;
};

}  // namespace ondarel
