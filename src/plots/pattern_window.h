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

// The two polar tables and the calculator code whose pattern they hold. A
// window keeps its own, unless it is given tables that outlive it.
struct SharedPolarTables {
    PatternTable left{};
    PatternTable right{};
    int filledBy = 0;  // the calculator code of the last "P&olar"; 0 before any
};

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
    const PatternTable& leftTable() const { return tables_->left; }
    const PatternTable& rightTable() const { return tables_->right; }
    // The calculator code whose pattern the tables hold.
    int tablesFilledBy() const { return tables_->filledBy; }
    // The calculator code the window serves: the current window code when it
    // is one of this window's, else the one last found (0 for a window that
    // serves only the current code). 0 before any.
    int calculatorCode();

protected:
    enum class Serves {
        RememberedCaller,  // the current code, else the calculator last found
        CurrentCodeOnly,   // any other current code leaves everything as it is
    };
    // A window whose tables live in `tables` (which must outlive it).
    PatternWindowBase(int ownCode, SharedPolarTables& tables, Serves serves, QWidget* parent = nullptr);

    virtual void printPolarPage(Canvas& page, const PatternSource* source) = 0;
    virtual std::vector<CaptionStrip::Caption> polarCaptions(const PatternSource* source) const = 0;

    // The source of a calculator code whose diagrams this window draws.
    const PatternSource* sourceFor(int code) const;
    // The code to serve, or nullopt when the calling calculator has gone.
    std::optional<int> liveCalculatorCode();
    FieldTexts callerFields(int code) const;
    // The window serves a calculator only while the current window code is
    // that calculator's, instead of remembering the last one found.
    void serveOnlyTheCurrentCode() { serves_ = Serves::CurrentCodeOnly; }

private:
    bool servesCode(int code) const { return sourceFor(code) != nullptr; }

    int ownCode_;
    int rememberedCode_ = 0;
    Serves serves_ = Serves::RememberedCaller;
    SharedPolarTables ownTables_;
    SharedPolarTables* tables_;
    QTabWidget* pages_;
    PolarPage* polar_;
    ChartPanel* chart_;
};

}  // namespace ondarel
