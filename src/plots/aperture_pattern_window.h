#pragma once
// TForm39: the E-plane and H-plane diagrams of the four aperture
// calculators. Created hidden at start-up; its two tables outlive it.
#include "plots/pattern_window.h"

namespace ondarel {

class AperturePatternWindow : public PatternWindowBase {
    Q_OBJECT
public:
    explicit AperturePatternWindow(QWidget* parent = nullptr);

    // The tables every aperture window of the run fills and draws.
    static SharedPolarTables& tables();

protected:
    void printPolarPage(Canvas& page, const PatternSource* source) override;
    std::vector<CaptionStrip::Caption> polarCaptions(const PatternSource* source) const override;
};

}  // namespace ondarel
