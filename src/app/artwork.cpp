#include "app/artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace ondarel {

namespace {

QPixmap canvasFor(const QSize& size, qreal ratio)
{
    QPixmap pm(size * ratio);
    pm.setDevicePixelRatio(ratio);
    pm.fill(Qt::black);
    return pm;
}

// A polar pattern sin²θ·(lobes) in screen coordinates around (cx, cy).
QPainterPath lobes(QPointF centre, double radius, double power)
{
    QPainterPath path;
    for (int k = 0; k <= 720; ++k) {
        const double theta = k * M_PI / 360;
        const double r = radius * std::pow(std::fabs(std::sin(theta)), power);
        const QPointF p(centre.x() + r * std::sin(theta), centre.y() - r * std::cos(theta));
        k == 0 ? path.moveTo(p) : path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}

}  // namespace

QPixmap dipoleArtwork(const QSize& size, qreal ratio)
{
    QPixmap pm = canvasFor(size, ratio);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(size.width() / 2.0, size.height() / 2.0);
    const double R = std::min(size.width(), size.height()) / 2.0 - 8;

    // Grid: level circles and spokes every 30 degrees.
    p.setPen(QPen(QColor(40, 90, 60), 1));
    p.setBrush(Qt::NoBrush);
    for (int n = 1; n <= 4; ++n) p.drawEllipse(c, R * n / 4, R * n / 4);
    for (int l = 0; l < 12; ++l) {
        const double a = l * M_PI / 6;
        p.drawLine(c, QPointF(c.x() + R * std::sin(a), c.y() - R * std::cos(a)));
    }

    // The figure-of-eight pattern, filled with a glow.
    QRadialGradient glow(c, R);
    glow.setColorAt(0, QColor(255, 70, 40, 200));
    glow.setColorAt(1, QColor(255, 200, 60, 90));
    p.setBrush(glow);
    p.setPen(QPen(QColor(255, 90, 50), 1.8));
    p.drawPath(lobes(c, R * 0.98, 2));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 230, 120, 180), 1.0, Qt::DashLine));
    p.drawPath(lobes(c, R * 0.98, 1));

    // The dipole: two arms and a feed gap along the vertical axis.
    QLinearGradient metal(c.x() - 3, 0, c.x() + 3, 0);
    metal.setColorAt(0, QColor(150, 160, 180));
    metal.setColorAt(0.5, QColor(245, 245, 255));
    metal.setColorAt(1, QColor(120, 130, 150));
    p.setPen(Qt::NoPen);
    p.setBrush(metal);
    p.drawRoundedRect(QRectF(c.x() - 2.5, c.y() - R * 0.55, 5, R * 0.55 - 4), 2, 2);
    p.drawRoundedRect(QRectF(c.x() - 2.5, c.y() + 4, 5, R * 0.55 - 4), 2, 2);
    p.setBrush(QColor(255, 220, 80));
    p.drawEllipse(c, 2.5, 2.5);
    return pm;
}

QPixmap programIcon(int size, qreal ratio) { return dipoleArtwork(QSize(size, size), ratio); }

}  // namespace ondarel
