#pragma once
// TForm28: the diagrams of the five uniform and planar array calculators.
#include "plots/pattern_window.h"
#include "plots/pure/array_patterns.h"

namespace ondarel {

class ArrayPatternWindow : public PatternWindowBase {
    Q_OBJECT
public:
    explicit ArrayPatternWindow(QWidget* parent = nullptr);

protected:
    bool servesCode(int code) const override;
    QString callerWindowClass(int code) const override;
    void fillPolarTables(int code, PatternTable& left, PatternTable& right) override;
    std::vector<ChartPoint> chartPoints(int code) override;
    void printPolarPage(Canvas& page, int code) override;
    std::vector<CaptionStrip::Caption> polarCaptions(int code) const override;

private:
    ArrayPatternValues readCaller(int code) const;
};

}  // namespace ondarel
