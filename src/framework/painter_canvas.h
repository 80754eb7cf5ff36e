#pragma once
#include <QPainter>

#include "core/canvas.h"

namespace ondarel {

// Canvas over a QPainter: a paint box on screen or a printer page.
class PainterCanvas : public Canvas {
public:
    explicit PainterCanvas(QPainter& painter) : painter_(painter) {}
    void setPen(CanvasColor color, int width) override;
    void setBrush(CanvasColor color) override;
    void setFont(const CanvasFont& font) override;
    void ellipse(int left, int top, int right, int bottom) override;
    void line(int x1, int y1, int x2, int y2) override;
    void text(int x, int y, const std::string& utf8) override;

    static QColor toQColor(CanvasColor color);

private:
    QPainter& painter_;
    QColor brush_ = Qt::white;
};

}  // namespace ondarel
