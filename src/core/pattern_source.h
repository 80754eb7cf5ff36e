#pragma once
// What a calculator's diagrams are made of, registered beside its
// computation: how the values are read from the calling window's fields, the
// two polar tables, the rectangular chart, the titles, and the pattern
// function for the 3D view and for export. Pattern windows and the
// command-line tool ask the source of the current code; nothing else knows
// which calculator draws what. Qt-free.
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/pattern_table.h"
#include "core/rectangular_levels.h"

namespace ondarel {

// The current text of a field of the calling calculator window, by object
// name ("" when it has no such field).
using FieldTexts = std::function<std::string(std::string_view field)>;

struct PolarTables {
    PatternTable left{};  // E plane, or the window's first diagram
    PatternTable right{};
};

struct DiagramTitle {
    std::string text;
    int x = 0;  // pixels, on the title strip above the diagrams
};

// One x of a curve chart with the value of each of its series there.
struct CurvePoint {
    long double x = 0;
    std::vector<long double> y;  // one per series, in series order
};

// A chart of figures of merit against one parameter (the normalised length,
// say), drawn on a page of its own beside the pattern: named series that
// share their x values. A series gives no point where its function has no
// value, so each x carries every series.
struct CurveChart {
    std::string name;                      // in exported data
    std::vector<std::string> seriesNames;  // in the legend and in exported data
    std::function<std::vector<CurvePoint>(const FieldTexts&)> points;
    // A check of the caller's fields made before the points are read: its
    // message is shown instead of the chart. Empty: the chart always draws.
    std::function<std::optional<std::string>(const FieldTexts&)> refusal = {};
};

// Relative field strength in the direction (θ, φ), radians; not normalised.
using PatternFunction = std::function<long double(long double theta, long double phi)>;

struct PatternSource {
    // Every field of the calling window the pattern reads (inputs and results).
    std::vector<std::string> fieldsRead;
    // What the two polar tables are called in exported data.
    std::array<std::string, 2> tableNames{"left", "right"};
    std::function<PolarTables(const FieldTexts&)> polarTables;
    std::function<std::vector<ChartPoint>(const FieldTexts&)> chartPoints;
    // Captions over the polar pair, where the window shows the calculator's own.
    std::optional<std::array<DiagramTitle, 2>> titles;
    // Title of the printed polar page; none prints no title.
    std::optional<std::string> printTitle;
    // f(θ, φ) for the 3D view and for export; empty where the calculator has none.
    std::function<PatternFunction(const FieldTexts&)> function;
    // Whether f changes with φ; where it does not, one value serves a whole
    // ring of directions.
    bool functionDependsOnPhi = false;
    // Charts drawn besides the polar pair and the rectangular chart; most
    // calculators have none.
    std::vector<CurveChart> curveCharts;
};

}  // namespace ondarel
