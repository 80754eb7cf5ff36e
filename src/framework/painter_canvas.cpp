#include "framework/painter_canvas.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPalette>

namespace ondarel {

QColor PainterCanvas::toQColor(CanvasColor color)
{
    switch (color) {
        case CanvasColor::Black: return Qt::black;
        case CanvasColor::White: return Qt::white;
        case CanvasColor::Red: return Qt::red;
        case CanvasColor::Blue: return Qt::blue;
        case CanvasColor::SystemWindow: return QApplication::palette().color(QPalette::Base);
        case CanvasColor::SystemActiveBorder: return QApplication::palette().color(QPalette::Button);
    }
    return Qt::black;
}

void PainterCanvas::setPen(CanvasColor color, int width)
{
    QPen pen(toQColor(color));
    pen.setWidth(width);
    painter_.setPen(pen);
}

void PainterCanvas::setBrush(CanvasColor color)
{
    brush_ = toQColor(color);
    painter_.setBrush(brush_);
}

void PainterCanvas::setFont(const CanvasFont& font)
{
    QFont f(QString::fromStdString(font.family));
    if (font.sizeInPixels)
        f.setPixelSize(font.size);
    else
        f.setPointSize(font.size);
    painter_.setFont(f);
}

void PainterCanvas::ellipse(int left, int top, int right, int bottom)
{
    // The box is inclusive of its top-left and exclusive of its bottom-right.
    painter_.drawEllipse(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
}

void PainterCanvas::line(int x1, int y1, int x2, int y2) { painter_.drawLine(x1, y1, x2, y2); }

void PainterCanvas::text(int x, int y, const std::string& utf8)
{
    const QString s = QString::fromStdString(utf8);
    const QFontMetrics metrics(painter_.font(), painter_.device());
    const QRect box(x, y, metrics.horizontalAdvance(s), metrics.height());
    painter_.fillRect(box, brush_);
    const QPen pen = painter_.pen();
    painter_.setPen(Qt::black);
    painter_.drawText(box, Qt::AlignLeft | Qt::AlignTop, s);
    painter_.setPen(pen);
}

}  // namespace ondarel
