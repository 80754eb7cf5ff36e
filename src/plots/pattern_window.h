#pragma once
// The pattern window shared by the wire and array diagrams: "Polar" and
// "Retangular" pages, the "&Gráficos" menu, the tool bar, and the calculator
// code it remembers across printing. What it draws for a calculator comes
// from that calculator's pattern source; subclasses supply the page layout.
#include <QMainWindow>
#include <optional>

#include "core/pattern_source.h"
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
    // is one of this window's, else the one last found (0 for a window that
    // serves only the current code). 0 before any.
    int calculatorCode();

protected:
    virtual void printPolarPage(Canvas& page, const PatternSource* source) = 0;
    virtual std::vector<CaptionStrip::Caption> polarCaptions(const PatternSource* source) const = 0;

    // The source of a calculator code whose diagrams this window draws.
    const PatternSource* sourceFor(int code) const;
    // The code to serve, or nullopt when the calling calculator has gone.
    std::optional<int> liveCalculatorCode();
    FieldTexts callerFields(int code) const;
    // The window serves a calculator only while the current window code is
    // that calculator's, instead of remembering the last one found.
    void serveOnlyTheCurrentCode() { remembersCaller_ = false; }

private:
    bool servesCode(int code) const { return sourceFor(code) != nullptr; }

    int ownCode_;
    int rememberedCode_ = 0;
    bool remembersCaller_ = true;
    PatternTable left_{};
    PatternTable right_{};
    QTabWidget* pages_;
    PolarPage* polar_;
    ChartPanel* chart_;
};

}  // namespace ondarel
