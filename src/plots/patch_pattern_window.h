#pragma once
// TForm22 and TForm24: the diagrams of the single microstrip patches. The
// polar pair, a "Retangular" chart of both planes in dB, and for the
// rectangular patch the charts "Rin x ßl" and "Rr x L". Everything is read
// from the calling calculator's fields through its pattern source, whose
// first curve chart is the two-plane chart and whose others are the
// resistance charts, in the order the calculator runs them.
#include <array>

#include "plots/pattern_window.h"

namespace ondarel {

class PatchPatternWindow : public PatternWindowBase {
    Q_OBJECT
public:
    // TForm22 (code 22, rectangular patch) or TForm24 (code 24, circular).
    explicit PatchPatternWindow(int ownCode, QWidget* parent = nullptr);

    void rectangularCommand() override;
    // 0: "Rr x L", 1: "Rin x ßl" (TForm22 only).
    void curveCommand(std::size_t index) override;
    void setCurveChartTitle(std::size_t index, const QString& title) override;
    ChartPanel* resistanceChart(std::size_t index) const { return resistance_.at(index); }

    QStringList chartTitles() const override;
    QWidget* chartView(int index) const override;
    void repaintChart(int index) override;

protected:
    void printPolarPage(Canvas& page, const PatternSource* source) override;
    std::vector<CaptionStrip::Caption> polarCaptions(const PatternSource* source) const override;

private:
    bool rectangularPatch() const { return ownCode_ == 22; }

    int ownCode_;
    // By command index: "Rr x L" (Chart3), "Rin x ßl" (Chart2); empty in TForm24.
    std::array<ChartPanel*, 2> resistance_{};
};

}  // namespace ondarel
