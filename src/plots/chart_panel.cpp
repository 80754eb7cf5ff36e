#include "plots/chart_panel.h"

#include <QChart>
#include <QChartView>
#include <QEvent>
#include <QLegend>
#include <QLineSeries>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace ondarel {

namespace {

QFont blueTitleFont()
{
    QFont font("Arial");
    font.setPixelSize(12);
    return font;
}

// Ticks on round steps (5, 10, 30, 45 … units) where the span allows.
int niceTickCount(double minimum, double maximum)
{
    const double span = maximum - minimum;
    for (double step : {5.0, 10.0, 30.0, 45.0, 60.0, 90.0}) {
        const double intervals = span / step;
        if (intervals <= 12 && intervals == std::floor(intervals)) return static_cast<int>(intervals) + 1;
    }
    return 5;
}

}  // namespace

ChartPanel::ChartPanel(QWidget* parent)
    : QWidget(parent),
      chart_(new QChart),
      view_(new QChartView(chart_, this)),
      bottom_(new QValueAxis),
      left_(new QValueAxis)
{
    chart_->legend()->hide();
    chart_->setBackgroundBrush(Qt::white);
    chart_->setPlotAreaBackgroundBrush(Qt::white);
    chart_->setPlotAreaBackgroundVisible(true);
    chart_->setDropShadowEnabled(false);
    chart_->setTitleFont(blueTitleFont());
    chart_->setTitleBrush(Qt::blue);
    for (QValueAxis* axis : {bottom_, left_}) {
        axis->setTitleFont(blueTitleFont());
        axis->setTitleBrush(Qt::blue);
    }
    bottom_->setLabelFormat("%.0f");
    left_->setLabelFormat("%.0f");
    chart_->addAxis(bottom_, Qt::AlignBottom);
    chart_->addAxis(left_, Qt::AlignLeft);
    view_->setRenderHint(QPainter::Antialiasing);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    addSeries("Series1", Qt::red);
    view_->viewport()->installEventFilter(this);
}

bool ChartPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == view_->viewport() && event->type() == QEvent::MouseButtonPress) emit clicked();
    return QWidget::eventFilter(watched, event);
}

void ChartPanel::setTitle(const QString& title) { chart_->setTitle(title); }
QString ChartPanel::title() const { return chart_->title(); }

void ChartPanel::setAxisTitles(const QString& bottom, const QString& left)
{
    bottom_->setTitleText(bottom);
    left_->setTitleText(left);
}

void ChartPanel::setLeftAxisFixed(double minimum, double maximum)
{
    leftFixed_ = true;
    left_->setRange(minimum, maximum);
    left_->setTickCount(niceTickCount(minimum, maximum));
}

void ChartPanel::setBottomAxisFixed(double minimum, double maximum)
{
    bottomFixed_ = true;
    bottom_->setRange(minimum, maximum);
}

void ChartPanel::setAxisTicks(Qt::Orientation axis, int count, const QString& labelFormat)
{
    QValueAxis* a = axis == Qt::Horizontal ? bottom_ : left_;
    a->setTickCount(count);
    a->setLabelFormat(labelFormat);
}

void ChartPanel::setLegendVisible(bool visible) { chart_->legend()->setVisible(visible); }
bool ChartPanel::legendVisible() const { return chart_->legend()->isVisible(); }

void ChartPanel::setSeriesTitle(int series, const QString& title)
{
    series_.at(static_cast<std::size_t>(series))->setName(title);
}

void ChartPanel::setSeriesColor(int series, const QColor& color)
{
    series_.at(static_cast<std::size_t>(series))->setPen(QPen(color, 1.5));
}

QString ChartPanel::seriesTitle(int series) const { return series_.at(static_cast<std::size_t>(series))->name(); }

void ChartPanel::setLeftAxisAutomatic()
{
    leftFixed_ = false;
    rescale();
}

int ChartPanel::addSeries(const QString& title, const QColor& color)
{
    auto* series = new QLineSeries;
    series->setName(title);
    series->setPen(QPen(color, 1.5));
    chart_->addSeries(series);
    series->attachAxis(bottom_);
    series->attachAxis(left_);
    series_.push_back(series);
    return static_cast<int>(series_.size()) - 1;
}

void ChartPanel::clear(int series)
{
    series_.at(static_cast<std::size_t>(series))->clear();
    rescale();
}

void ChartPanel::setPoints(const std::vector<ChartPoint>& points, int series)
{
    QList<QPointF> sorted;
    sorted.reserve(static_cast<qsizetype>(points.size()));
    for (const ChartPoint& p : points) sorted.append(QPointF(p.angle_deg, static_cast<double>(p.level_db)));
    std::stable_sort(sorted.begin(), sorted.end(), [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); });
    series_.at(static_cast<std::size_t>(series))->replace(sorted);
    rescale();
}

void ChartPanel::setPoints(const std::vector<QPointF>& points, int series)
{
    QList<QPointF> sorted(points.begin(), points.end());
    std::stable_sort(sorted.begin(), sorted.end(), [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); });
    series_.at(static_cast<std::size_t>(series))->replace(sorted);
    rescale();
}

std::vector<QPointF> ChartPanel::points(int series) const
{
    const QList<QPointF> list = series_.at(static_cast<std::size_t>(series))->points();
    return {list.begin(), list.end()};
}

// Automatic axes span the data of every series.
void ChartPanel::rescale()
{
    double xMin = 0, xMax = 1, yMin = 0, yMax = 1;
    bool any = false;
    for (const QLineSeries* s : series_) {
        for (const QPointF& p : s->points()) {
            if (!any) xMin = xMax = p.x(), yMin = yMax = p.y(), any = true;
            xMin = std::min(xMin, p.x()), xMax = std::max(xMax, p.x());
            yMin = std::min(yMin, p.y()), yMax = std::max(yMax, p.y());
        }
    }
    if (xMin == xMax) xMax = xMin + 1;
    if (yMin == yMax) yMax = yMin + 1;
    if (!bottomFixed_) {
        bottom_->setRange(xMin, xMax);
        bottom_->setTickCount(niceTickCount(xMin, xMax));
    }
    if (!leftFixed_) left_->setRange(yMin, yMax);
}

QWidget* ChartPanel::view() const { return view_; }

void ChartPanel::repaintChart() { view_->viewport()->update(); }

}  // namespace ondarel
