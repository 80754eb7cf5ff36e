#pragma once
// The chart component as the pattern windows use it: a titled line chart
// with titled axes, fixed or automatic, no legend, a flat white look, and
// series filled point by point in ascending x. Nothing outside plots/ sees
// Qt Charts.
#include <QWidget>
#include <vector>

#include "core/rectangular_levels.h"

QT_BEGIN_NAMESPACE
class QChart;
class QChartView;
class QLineSeries;
class QValueAxis;
QT_END_NAMESPACE

namespace ondarel {

class ChartPanel : public QWidget {
    Q_OBJECT
public:
    explicit ChartPanel(QWidget* parent = nullptr);

    void setTitle(const QString& title);
    QString title() const;
    void setAxisTitles(const QString& bottom, const QString& left);
    void setLeftAxisFixed(double minimum, double maximum);
    void setLeftAxisAutomatic();
    void setBottomAxisFixed(double minimum, double maximum);
    // Tick count and printf label format of an axis (fixed axes of curves
    // that span a few units need decimals).
    void setAxisTicks(Qt::Orientation axis, int count, const QString& labelFormat);
    void setLegendVisible(bool visible);
    void setSeriesTitle(int series, const QString& title);
    void setSeriesColor(int series, const QColor& color);

    // Series: index 0 exists from the start; more can be added.
    int addSeries(const QString& title, const QColor& color);
    void clear(int series = 0);
    // Replaces the series' points, kept sorted by ascending x.
    void setPoints(const std::vector<ChartPoint>& points, int series = 0);
    void setPoints(const std::vector<QPointF>& points, int series = 0);
    std::vector<QPointF> points(int series = 0) const;

    QString seriesTitle(int series) const;
    int seriesCount() const { return static_cast<int>(series_.size()); }
    bool legendVisible() const;

    // The widget the print preview renders.
    QWidget* view() const;
    void repaintChart();

signals:
    void clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void rescale();

    QChart* chart_;
    QChartView* view_;
    QValueAxis* bottom_;
    QValueAxis* left_;
    std::vector<QLineSeries*> series_;
    bool leftFixed_ = false;
    bool bottomFixed_ = false;
};

}  // namespace ondarel
