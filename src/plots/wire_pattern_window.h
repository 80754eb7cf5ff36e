#pragma once
// TForm3: the diagrams of the wire antennas (infinitesimal dipole, loop,
// helices), two planes side by side.
#include "plots/pattern_window.h"

namespace ondarel {

class WirePatternWindow : public PatternWindowBase {
    Q_OBJECT
public:
    explicit WirePatternWindow(QWidget* parent = nullptr);

protected:
    void printPolarPage(Canvas& page, const PatternSource* source) override;
    std::vector<CaptionStrip::Caption> polarCaptions(const PatternSource* source) const override;
};

}  // namespace ondarel
