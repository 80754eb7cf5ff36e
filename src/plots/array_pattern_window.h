#pragma once
// TForm28: the diagrams of the five uniform and planar array calculators.
#include "plots/pattern_window.h"

namespace ondarel {

class ArrayPatternWindow : public PatternWindowBase {
    Q_OBJECT
public:
    explicit ArrayPatternWindow(QWidget* parent = nullptr);

protected:
    void printPolarPage(Canvas& page, const PatternSource* source) override;
    std::vector<CaptionStrip::Caption> polarCaptions(const PatternSource* source) const override;
};

}  // namespace ondarel
