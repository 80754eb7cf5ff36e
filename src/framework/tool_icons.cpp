#include "framework/tool_icons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>

namespace ondarel {

namespace {

// Draws on a 24 x 24 grid scaled to the requested size.
void draw(ToolIcon icon, QPainter& p)
{
    const QColor ink(40, 40, 60);
    const QColor paper(250, 250, 245);
    const QColor accent(200, 30, 30);
    const QColor folder(230, 180, 60);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(ink, 1.2));
    switch (icon) {
        case ToolIcon::Open:
            p.setBrush(folder);
            p.drawRect(QRectF(3, 7, 17, 12));
            p.drawRect(QRectF(3, 5, 7, 3));
            p.setBrush(folder.lighter(120));
            p.drawPolygon(QPolygonF({{5, 11}, {22, 11}, {19, 19}, {3, 19}}));
            break;
        case ToolIcon::Save:
            p.setBrush(QColor(60, 90, 160));
            p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
            p.setBrush(paper);
            p.drawRect(QRectF(6, 3, 12, 7));
            p.drawRect(QRectF(7, 14, 10, 7));
            break;
        case ToolIcon::New:
            p.setBrush(paper);
            p.drawPolygon(QPolygonF({{5, 3}, {15, 3}, {19, 7}, {19, 21}, {5, 21}}));
            p.drawPolyline(QPolygonF({{15, 3}, {15, 7}, {19, 7}}));
            break;
        case ToolIcon::Calculate:
            p.setBrush(QColor(220, 220, 210));
            p.drawRoundedRect(QRectF(5, 2, 14, 20), 2, 2);
            p.setBrush(QColor(150, 200, 150));
            p.drawRect(QRectF(7, 4, 10, 4));
            p.setBrush(ink);
            for (int r = 0; r < 3; ++r)
                for (int c = 0; c < 3; ++c) p.drawRect(QRectF(7.5 + c * 3.3, 10 + r * 3.6, 2, 2));
            break;
        case ToolIcon::Chart2D: {
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(12, 12), 9, 9);
            p.drawEllipse(QPointF(12, 12), 4.5, 4.5);
            p.setPen(QPen(accent, 1.6));
            QPainterPath lobe;
            for (int k = 0; k <= 360; k += 5) {
                const double a = k * M_PI / 180;
                const double r = 9 * std::sin(a) * std::sin(a);
                const QPointF pt(12 + r * std::sin(a), 12 - r * std::cos(a));
                k == 0 ? lobe.moveTo(pt) : lobe.lineTo(pt);
            }
            p.drawPath(lobe);
            break;
        }
        case ToolIcon::Chart3D:
            p.setBrush(QColor(240, 120, 80));
            p.drawEllipse(QRectF(3, 8, 18, 8));
            p.setBrush(QColor(250, 190, 120));
            p.drawEllipse(QRectF(8, 3, 8, 18));
            break;
        case ToolIcon::Geometry:
            p.setPen(QPen(ink, 2));
            p.drawLine(QPointF(12, 2), QPointF(12, 10));
            p.drawLine(QPointF(12, 14), QPointF(12, 22));
            p.setPen(QPen(accent, 1.4));
            p.drawLine(QPointF(12, 11), QPointF(20, 11));
            p.drawLine(QPointF(12, 13), QPointF(20, 13));
            break;
        case ToolIcon::Print:
            p.setBrush(paper);
            p.drawRect(QRectF(7, 3, 10, 7));
            p.setBrush(QColor(150, 150, 160));
            p.drawRoundedRect(QRectF(3, 9, 18, 9), 2, 2);
            p.setBrush(paper);
            p.drawRect(QRectF(7, 15, 10, 6));
            break;
        case ToolIcon::Close:
            p.setPen(QPen(accent, 2.4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(6, 6), QPointF(18, 18));
            p.drawLine(QPointF(18, 6), QPointF(6, 18));
            break;
    }
}

class VectorIconEngine : public QIconEngine {
public:
    explicit VectorIconEngine(ToolIcon icon) : icon_(icon) {}
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        painter->save();
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / 24.0, rect.height() / 24.0);
        if (mode == QIcon::Disabled) painter->setOpacity(0.35);
        draw(icon_, *painter);
        painter->restore();
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pm(size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        paint(&p, QRect(QPoint(0, 0), size), mode, state);
        return pm;
    }
    QIconEngine* clone() const override { return new VectorIconEngine(icon_); }

private:
    ToolIcon icon_;
};

}  // namespace

QIcon toolIcon(ToolIcon icon) { return QIcon(new VectorIconEngine(icon)); }

}  // namespace ondarel
