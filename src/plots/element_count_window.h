#pragma once
// TForm25: the Yagi-Uda element-count charts. Four curves against the number
// of elements around the count the calling calculator found; the caller sets
// the caption and the titles and runs the four commands.
#include <QMainWindow>
#include <array>

#include "framework/linked_windows.h"
#include "plots/chart_panel.h"
#include "plots/printable_patterns.h"

class QTabWidget;

namespace ondarel {

class ElementCountWindow : public QMainWindow, public PatternWindow, public PrintablePatterns {
    Q_OBJECT
public:
    explicit ElementCountWindow(QWidget* parent = nullptr);

    // The charts have no polar pair nor rectangular pattern.
    void polarCommand() override {}
    void rectangularCommand() override {}
    void setChartTitle(const QString&) override {}
    // "Ganho (dB) x N", "Comp. Ótimo x N", "LFPV x N", "LFPH x N".
    void curveCommand(std::size_t index) override;
    void setCurveChartTitle(std::size_t index, const QString& title) override;
    void printCommand();

    ChartPanel* curveChart(std::size_t index) const { return charts_.at(index); }
    QTabWidget* pages() const { return pages_; }

    QStringList chartTitles() const override;
    QWidget* chartView(int index) const override;
    void repaintChart(int index) override;
    void printPolarPages() override {}

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QTabWidget* pages_;
    std::array<ChartPanel*, 4> charts_{};
    int callerCode_ = 0;  // the calculator last served, shown again on closing
};

}  // namespace ondarel
