#pragma once
// TForm38: the finite dipole's diagrams. Besides the polar pair and the
// rectangular chart, three curves of its figures of merit against the
// normalised length. It serves the dipole only while the current window code
// is the dipole's.
#include <array>

#include "plots/pattern_window.h"

namespace ondarel {

class FiniteDipoleWindow : public PatternWindowBase {
    Q_OBJECT
public:
    explicit FiniteDipoleWindow(QWidget* parent = nullptr);

    // "Rr, Rin x Comp. &Norm. Dipolo", "&Xm, Xin x Comp. Norm. Dipolo",
    // "&D0 x Comp. Norm. Dipolo".
    void curveCommand(std::size_t index) override;
    void setCurveChartTitle(std::size_t index, const QString& title) override;
    ChartPanel* curveChart(std::size_t index) const { return curves_.at(index); }

    QStringList chartTitles() const override;
    QWidget* chartView(int index) const override;
    void repaintChart(int index) override;

protected:
    void printPolarPage(Canvas& page, const PatternSource* source) override;
    std::vector<CaptionStrip::Caption> polarCaptions(const PatternSource* source) const override;

private:
    std::array<ChartPanel*, 3> curves_{};
};

}  // namespace ondarel
