#pragma once
// A calculator as data: the generic window, the command-line tool and the
// tests are all built from one of these. Qt-free.
#include <exception>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/pattern_source.h"

namespace ondarel {

enum class StatusForm { Bare, Bracketed };  // "name" or "Ondarel[ name ]"
enum class ClosePolicy { Free, Hide };

struct ProjectFileSpec {
    std::string extension;    // three letters, lower case
    std::string defaultName;  // preset in "Salvar Co&mo..."
    std::string openFilter;   // "Text|*.ext|Text|*.*"
    std::string saveFilter;
    std::vector<int> decimals;  // one per stored value, used when reopening
    StatusForm statusAfterOpen = StatusForm::Bare;
    bool captionOnSaveAs = false;  // "Ondarel[ name ]" becomes the window caption
    std::string refusal;           // warning shown for a wrong extension
    std::size_t valueCount() const { return decimals.size(); }
};

// The two warnings shown for a file of another extension.
inline constexpr const char* kRefusalThisProgram = "Este programa não pode abrir este arquivo";
inline constexpr const char* kRefusalOndarel = "O Ondarel não pode abrir este arquivo";

// A project file's data; an empty save filter takes the open filter's first
// description with "|*.ext|Todos os arquivos [*.*]|*.*".
ProjectFileSpec projectFile(std::string extension, std::string defaultName, std::vector<int> decimals,
                            StatusForm status, std::string refusal, std::string openFilter, std::string saveFilter = "",
                            bool captionOnSaveAs = false);

struct InputRow {
    std::string name;   // widget object name, e.g. "input1"
    std::string label;  // may hold "\n" for a two-line label
    std::string defaultText;
    std::string heading;  // a sub-heading shown above this input, if any
    // The pick-list dialog a "..." button beside the field opens ("" for no
    // button).
    std::string pickListDialog = {};
};

// One line of the results group; two fields stand on one line after "ou".
struct ResultRow {
    std::string label;
    std::vector<std::string> fields;
    std::vector<std::string> columnHeads;  // captions above the fields, if any
};

// One text of the printed data sheet: a fixed text, or the displayed text of
// a field when `field` is set.
struct SheetText {
    int x = 0;
    int y = 0;
    std::string text;
    std::string field;
};

struct PatternLink {
    std::string windowClass;  // "TForm3", "TForm28", ...
    std::string caption;
    std::string chartTitle;
    bool polarLast = false;  // run "&Retangular" then "P&olar"
    PatternSource source;    // what the pattern window draws for this calculator
    // Titles of the source's curve charts, each set after its chart's command.
    std::vector<std::string> curveChartTitles = {};
};

struct GeometryLink {
    std::string windowClass;
    int page = 0;
};

// What a computation returns: the first failed check, or the result texts in
// the order they are written, plus any informational notes that do not stop
// it. Faults are thrown (core/fault.h); a fault raised after a note was given
// comes back in `fault`, so that the note is shown before the fault report.
struct Outcome {
    std::optional<std::string> refusal;
    std::vector<std::string> notes;
    std::vector<std::pair<std::string, std::string>> results;  // field, text
    std::exception_ptr fault;
};

struct CalculatorDescriptor {
    std::string windowClass;  // "TForm2"
    int code = 0;             // the current-window code it writes
    std::string title;        // window caption
    ProjectFileSpec file;     // stores the first file.valueCount() inputs, in order
    ClosePolicy closePolicy = ClosePolicy::Free;

    std::vector<InputRow> inputs;
    std::vector<ResultRow> results;
    // Fields whose key presses forget the file name and enable every command;
    // empty means every input. The window itself always has the rule.
    std::vector<std::string> keyPressFields;
    // Result fields that stay enabled when the window is created.
    std::vector<std::string> resultsEnabledAtStart;

    std::vector<SheetText> sheet;
    std::optional<PatternLink> pattern;
    std::optional<std::string> caption3d;
    std::optional<GeometryLink> geometry;

    // Input values by input order, as converted from the field texts (an
    // unconvertible text is 0); not yet rounded to 6-byte reals.
    std::function<Outcome(const std::vector<long double>&)> compute;

    bool implemented() const { return static_cast<bool>(compute); }
    int inputIndex(const std::string& name) const;
};

}  // namespace ondarel
