#pragma once
// The pattern window shared by the wire and array diagrams: "Polar" and
// "Retangular" pages, the "&Gráficos" menu, the tool bar, and the calculator
// code it remembers across printing. Subclasses supply the patterns.
#include <QMainWindow>
#include <optional>

#include "framework/linked_windows.h"
#include "plots/chart_panel.h"
#include "plots/polar_paint_box.h"
#include "plots/printable_patterns.h"

class QTabWidget;

namespace ondarel {

class PatternWindowBase : public QMainWindow, public PatternWindow, public PrintablePatterns {
    Q_OBJECT
public:
    // `ownCode` is written before opening the print window.
    PatternWindowBase(int ownCode, QWidget* parent = nullptr);

    void polarCommand() override;        // "P&olar"
    void rectangularCommand() override;  // "&Retangular"
    void printCommand();                 // "Im&primir"
    void setChartTitle(const QString& title) override;

    QStringList chartTitles() const override;
    QWidget* chartView(int index) const override;
    void repaintChart(int index) override;
    void printPolarPages() override;

    ChartPanel* chart() const { return chart_; }
    PolarPage* polarPage() const { return polar_; }
    QTabWidget* pages() const { return pages_; }
    const PatternTable& leftTable() const { return left_; }
    const PatternTable& rightTable() const { return right_; }
    // The calculator code the window serves: the current window code when it
    // is one of this window's, else the one last found. 0 before any.
    int calculatorCode();

protected:
    virtual bool servesCode(int code) const = 0;
    virtual QString callerWindowClass(int code) const = 0;
    virtual void fillPolarTables(int code, PatternTable& left, PatternTable& right) = 0;
    virtual std::vector<ChartPoint> chartPoints(int code) = 0;
    virtual void printPolarPage(Canvas& page, int code) = 0;
    virtual std::vector<CaptionStrip::Caption> polarCaptions(int code) const = 0;

    // The code to serve, or nullopt when the calling calculator has gone.
    std::optional<int> liveCalculatorCode();

private:
    int ownCode_;
    int rememberedCode_ = 0;
    PatternTable left_{};
    PatternTable right_{};
    QTabWidget* pages_;
    PolarPage* polar_;
    ChartPanel* chart_;
};

}  // namespace ondarel
