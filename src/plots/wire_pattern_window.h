#pragma once
// TForm3: the diagrams of the infinitesimal dipole (code 2), the axial-mode
// helix (8), the small circular loop (10) and the normal-mode helix (12).
#include "plots/pattern_window.h"
#include "plots/pure/wire_patterns.h"

namespace ondarel {

class WirePatternWindow : public PatternWindowBase {
    Q_OBJECT
public:
    explicit WirePatternWindow(QWidget* parent = nullptr);

protected:
    bool servesCode(int code) const override;
    QString callerWindowClass(int code) const override;
    void fillPolarTables(int code, PatternTable& left, PatternTable& right) override;
    std::vector<ChartPoint> chartPoints(int code) override;
    void printPolarPage(Canvas& page, int code) override;
    std::vector<CaptionStrip::Caption> polarCaptions(int code) const override;

private:
    WirePatternValues readCaller(int code) const;
};

}  // namespace ondarel
