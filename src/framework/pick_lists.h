#pragma once
// The "Parametros comerciais" dialogs as data: their three rows of label and
// drop-down, the commercial lists, and for each calculator that opens one
// what it writes where and how the dialog is reduced. Qt-free; the dialog
// window (pick_list_dialog.h) only shows what these tables say.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ondarel {

// One entry of a list: the text shown and the texts written (the second one,
// where the list has it, is the loss tangent or the relative spacing).
struct PickItem {
    std::string text;
    std::string value;
    std::string second;
};

enum class PickList { Conductors, ScaleFactors, Radii, Substrates, Heights };

const std::vector<PickItem>& pickItems(PickList list);

// A label and its drop-down, as the dialog names them.
struct PickRow {
    std::string labelName;  // "Label1"
    std::string labelText;
    std::string comboName;  // "ComboBox1"
    PickList list;
};

struct PickDialogSpec {
    std::string windowClass;  // "TDialogMenu1"
    std::array<PickRow, 3> rows;
};

const PickDialogSpec* pickDialog(std::string_view windowClass);

// How a caller opens its dialog.
enum class PickOpening {
    CreateModal,    // always a fresh dialog, shown modally
    ReuseModal,     // open-or-show, modally
    ReuseNonModal,  // open-or-show, left open beside the calculator
};

// The fields one row writes into its caller: the value, and the second
// value where the caller has a field for it. Empty: the row writes nothing.
struct PickTargets {
    std::string value;
    std::string second;
};

// One calculator that opens a dialog: the code it writes first, what each
// row writes into it, and the reduced form it sets up.
struct PickCaller {
    std::string callerClass;  // "TForm10"
    int code = 0;
    std::string dialogClass;
    PickOpening opening = PickOpening::CreateModal;
    std::array<PickTargets, 3> targets;
    std::array<bool, 3> rowShown{true, true, true};
    bool hiddenCombosDisabled = false;       // hidden drop-downs are also disabled
    int rowMovedToTop = -1;                  // this row's label goes to (34, 33), its drop-down to (34, 55)
    std::optional<std::string> heightLabel;  // Label2's text instead of the dialog's own
};

// The caller row of a calculator window class; nullptr when it opens none.
const PickCaller* pickCallerFor(std::string_view callerClass);

// What choosing item `index` of row `row` writes into the caller, in order
// (field, text); nothing for a row without targets or an index outside its
// list.
std::vector<std::pair<std::string, std::string>> pickWrites(const PickCaller& caller, int row, int index);

}  // namespace ondarel
