#include "plots/polar_paint_box.h"

#include <QPainter>

#include "core/fault.h"
#include "framework/command_guard.h"
#include "framework/painter_canvas.h"

namespace ondarel {

PolarPaintBox::PolarPaintBox(PolarPlane plane, const PatternTable& table, QWidget* parent)
    : QWidget(parent), plane_(plane), table_(table)
{
}

void PolarPaintBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    PainterCanvas canvas(painter);
    msSansSerif(13);
    canvas.setFont(CanvasFont{"MS Sans Serif", 13, true});
    const PolarBox box{0, 0, width(), height()};
    guarded([&] { drawPolarDiagram(canvas, table_, polarFrameOnScreen(box, plane_)); });
}

void PolarPaintBox::mousePressEvent(QMouseEvent*) { update(); }

QFont msSansSerif(int pixels)
{
    // Where the classic face is missing, a metric-compatible narrow sans
    // keeps the fixed caption positions from overlapping.
    static const bool substituted = [] {
        QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "Arial", "DejaVu Sans"});
        return true;
    }();
    (void)substituted;
    QFont font("MS Sans Serif");
    font.setPixelSize(pixels);
    return font;
}

CaptionStrip::CaptionStrip(Source source, QWidget* parent) : QWidget(parent), source_(std::move(source)) {}

void CaptionStrip::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(msSansSerif(12));
    painter.setPen(Qt::black);
    const int ascent = painter.fontMetrics().ascent();
    for (const Caption& c : source_()) painter.drawText(c.x, 5 + ascent, c.text);  // text top at y = 5
}

void CaptionStrip::mousePressEvent(QMouseEvent*) { update(); }

PolarPage::PolarPage(const PatternTable& left, const PatternTable& right, CaptionStrip::Source captions,
                     QWidget* parent)
    : QWidget(parent),
      strip_(new CaptionStrip(std::move(captions), this)),
      left_(new PolarPaintBox(PolarPlane::E, left, this)),
      right_(new PolarPaintBox(PolarPlane::H, right, this))
{
    strip_->setObjectName("PaintBox1");
    left_->setObjectName("PaintBox3");
    right_->setObjectName("PaintBox4");
}

void PolarPage::place()
{
    strip_->setGeometry(0, 0, width(), 20);
    for (PolarPaintBox* box : {left_, right_}) {
        const PolarBox b = polarBox(width(), height(), box->plane());
        box->setGeometry(b.left, b.top, std::max(0, b.width), std::max(0, b.height));
    }
}

void PolarPage::redraw()
{
    place();
    strip_->update();
    left_->update();
    right_->update();
}

void PolarPage::resizeEvent(QResizeEvent*) { redraw(); }

}  // namespace ondarel
