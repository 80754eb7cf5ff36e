#pragma once
// What the four geometry windows show, as data: their titles, borders, pages
// in order, legend lines, "&Voltar" entries and the dimension line each
// calculator contributes. The windows only lay these out.
#include <optional>
#include <string>
#include <vector>

#include "core/pattern_source.h"

namespace ondarel {

// The schematic pictures; figures.h draws each one.
enum class Figure {
    Dipole,
    Helix,
    Loops,
    LogPeriodic,
    LoopYagi,
    DipoleYagi,
    RectangularPatch,
    CircularPatch,
    RectangularPatchArray,
    CircularPatchArray,
    MicrostripYagi,
    MicrostripLogPeriodic,
    TMatch,
    GammaMatch,
    FoldedDipole,
    LNetwork,
    RectangularApertureUniform,
    RectangularApertureTe10,
    CircularApertureUniform,
    CircularApertureTe11,
};

// A small symbol drawn before a legend line: a letter (often Greek) with an
// optional subscript, or one of the two loop marks of the loop page.
struct LegendSymbol {
    std::string letter;
    std::string subscript;
};

// One legend line: [symbol] [lead] text. `lead` is the separate "l - " part
// that some lines set apart from their wording.
struct Legend {
    std::string text;
    std::string lead = {};
    std::optional<LegendSymbol> symbol = {};
};

// One picture of a page with its caption (above it when `captionAbove`).
struct Panel {
    Figure figure;
    std::string caption = {};
    bool captionAbove = false;
};

struct GeometryPage {
    std::string title;
    std::vector<Panel> panels;
    std::vector<Legend> legends;
};

struct BackEntry {
    std::string caption;  // "&Voltar" entry
    std::string windowClass;
    std::string shortcut;  // "" when none
    int page;              // the page that shows this calculator's structure
};

struct GeometryWindowSpec {
    std::string windowClass;
    std::string title;
    int clientWidth;
    int clientHeight;
    bool sizeable;  // false: single fixed border, centred on the screen
    bool hidesOnClose;
    int initialPage;
    std::vector<GeometryPage> pages;
    std::vector<BackEntry> back;
};

const std::vector<GeometryWindowSpec>& geometryWindows();
const GeometryWindowSpec* geometryWindow(const std::string& windowClass);

// The line under a page that names the calling calculator's current design,
// e.g. "Projeto atual: l = 1.500 m; 2a = 0.010 m". Empty when the calculator
// has no results to show (never computed, or cleared by "&Novo").
std::string currentDimensions(const std::string& calculatorClass, const FieldTexts& fields);

}  // namespace ondarel
