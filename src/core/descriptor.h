#pragma once
// A calculator as data: the generic window, the command-line tool and the
// tests are all built from one of these. Qt-free.
#include <exception>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
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

// A text chosen from the calling window's current field texts, where a
// calculator words a title by what its inputs describe.
using TextRule = std::function<std::string(const FieldTexts&)>;

struct InputRow {
    std::string name;   // widget object name, e.g. "input1"
    std::string label;  // may hold "\n" for a two-line label
    std::string defaultText;
    std::string heading;  // a sub-heading shown above this input, if any
    // When set, the field stands on the previous input's line after this text
    // ("+/-j" between a resistance and its reactance).
    std::string joiner;
    // The computation reads only the text's leading digits (element counts
    // typed as "4.000" count 4); the project file still keeps the typed value.
    bool leadingDigits = false;
};

// What a result field shows: one text, or a list of texts in a drop-down
// that each computation empties and refills (its first item selected).
enum class ResultKind { Text, List };

// One line of the results group; two fields stand on one line after "ou".
struct ResultRow {
    std::string label;
    std::vector<std::string> fields;
    std::vector<std::string> columnHeads;  // captions above the fields, if any
    std::string joiner = "ou";             // between two fields without column heads
    std::string prefix;                    // just before the first field ("j" before a reactance)
    ResultKind kind = ResultKind::Text;
};

// One text of the printed data sheet: a fixed text, or the displayed text of
// a field when `field` is set.
struct SheetText {
    int x = 0;
    int y = 0;
    std::string text;
    std::string field;
    TextRule rule{};  // when set, the text is chosen from the fields
};

struct PatternLink {
    std::string windowClass;  // "TForm3", "TForm28", ...
    std::string caption;
    std::string chartTitle;
    bool polarLast = false;     // run "&Retangular" then "P&olar"
    PatternSource source;       // what the pattern window draws for this calculator
    TextRule chartTitleRule{};  // when set, chooses the chart title instead
    // Titles of the source's curve charts, each set after its chart's command.
    std::vector<std::string> curveChartTitles = {};
};

struct GeometryLink {
    std::string windowClass;
    int page = 0;  // negative: the window keeps the page it shows
};

// Radio buttons under the inputs (a feed type, say); clicking one computes at
// once. The buttons' states follow the typed inputs in the values handed to
// `compute`, 1 for the checked button and 0 for the others, and read "1" or
// "0" as field texts. The first button is checked when the window is made.
struct ChoiceButton {
    std::string name;  // object name, e.g. "Cabo"; set by name on the command line
    std::string caption;
};

struct ChoiceGroup {
    std::string caption;
    std::vector<ChoiceButton> buttons;
    // The values of the buttons with button `checked` checked.
    std::vector<long double> values(std::size_t checked) const
    {
        std::vector<long double> v(buttons.size(), 0);
        if (checked < v.size()) v[checked] = 1;
        return v;
    }
    int indexOf(const std::string& name) const
    {
        for (std::size_t i = 0; i < buttons.size(); ++i)
            if (buttons[i].name == name) return static_cast<int>(i);
        return -1;
    }
};

// How a calculator words and binds its "Gráfico &2D" command where it
// differs from the template.
struct Graphics2dCommand {
    std::string menuCaption = "Gráfico &2D";
    std::string hint = "Gráficos 2D";
    bool menuActs = true;  // false: only the tool-bar button opens the diagrams
    // The menu item keeps its place but never acts and stays disabled, even
    // when a key press enables every other command.
    bool menuIdle = false;
};

// What a computation returns: the first failed check, or the result texts in
// the order they are written, plus any informational notes that do not stop
// it. Faults are thrown (core/fault.h); a fault raised after a note was given
// comes back in `fault`, so that the note is shown before the fault report.
struct Outcome {
    std::optional<std::string> refusal;
    std::vector<std::string> notes;
    std::vector<std::pair<std::string, std::string>> results;  // field, text
    // List results: field, then its items as displayed, in order.
    std::vector<std::pair<std::string, std::vector<std::string>>> lists;
    std::exception_ptr fault;
};

// The commands a window offers. The matching structures draw no diagrams:
// their "Gráficos &2D" and "Gráficos &3D" keep their menu places but never act
// and stay disabled, their tool bar has no chart buttons and calls the
// geometry "Geometria do casador", and "&Novo", "&Abrir" and "&Calcular" have
// shortcuts of their own.
enum class CommandSet { Antenna, Matching };

struct NecExport {
    std::string deck;
    std::optional<std::string> refusal;
};

struct CalculatorDescriptor {
    std::string windowClass;  // "TForm2"
    int code = 0;             // the current-window code it writes
    std::string title;        // window caption
    ProjectFileSpec file;     // stores the first file.valueCount() inputs, in order
    ClosePolicy closePolicy = ClosePolicy::Free;
    CommandSet commands = CommandSet::Antenna;
    // Creating the window makes its code the current window code (before any
    // dialog or chart window it opens reads it).
    bool writesCodeOnCreation = false;
    std::string inputsCaption = "Entrada de dados:";

    std::vector<InputRow> inputs;
    // Input names in the order the form shows them, where that differs from
    // the order of the file (and of `inputs`); empty: as `inputs`.
    std::vector<std::string> inputDisplayOrder;
    // The input beside which a "..." button opens the calculator's pick-list
    // dialog (which dialog, and what it writes, is the dialog's own table).
    std::optional<std::string> pickListBeside;
    std::optional<ChoiceGroup> choices;
    std::vector<ResultRow> results;
    // Fields whose key presses forget the file name and enable every command;
    // empty means every input. The window itself always has the rule.
    std::vector<std::string> keyPressFields;
    // Result fields that stay enabled when the window is created.
    std::vector<std::string> resultsEnabledAtStart;
    // A key press also enables every label and field of the results group.
    bool keyPressEnablesResults = false;
    // Menu shortcuts of this window where they differ from the template, by
    // menu item object name ("Novo1" -> "Ctrl+N").
    std::vector<std::pair<std::string, std::string>> shortcuts;
    // Menu captions of this window where they differ from the template, by
    // menu or menu item object name ("Sobre1" -> "So&bre..."); an empty
    // caption hides the item.
    std::vector<std::pair<std::string, std::string>> menuCaptions;
    Graphics2dCommand graphics2d;

    std::vector<SheetText> sheet;
    std::optional<PatternLink> pattern;
    std::optional<std::string> caption3d;
    TextRule caption3dRule;  // when set, chooses the 3D caption instead
    std::optional<GeometryLink> geometry;

    // Input values by input order, as converted from the field texts (an
    // unconvertible text is 0); not yet rounded to 6-byte reals.
    std::function<Outcome(const std::vector<long double>&)> compute;

    // A wire structure's NEC2 card deck from the same input values, or the
    // refusal that says why it cannot be modelled; empty for calculators
    // that are not wire structures.
    std::function<NecExport(const std::vector<long double>&)> necDeck;

    bool implemented() const { return static_cast<bool>(compute); }
    int inputIndex(const std::string& name) const;
    // The value `compute` gets for the input at `index` typed as `text`.
    long double computedValue(std::size_t index, std::string_view text) const;
};

}  // namespace ondarel
