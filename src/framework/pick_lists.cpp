#include "framework/pick_lists.h"

namespace ondarel {

const std::vector<PickItem>& pickItems(PickList list)
{
    static const std::vector<PickItem> conductors = {
        {"39600000 - Al: Aluminio", "39600000", ""},
        {"41000000 - Au: Ouro", "41000000", ""},
        {"57600000 - Cu: Cobre", "57600000", ""},
        {"61000000 - Ag: Prata", "61000000", ""},
    };
    // Scale factor τ with the relative spacing σ of the optimum design.
    static const std::vector<PickItem> scaleFactors = {
        {"0.760 para 7.5 dB", "0.760", "0.130"},  {"0.782 para 8.0 dB", "0.782", "0.139"},
        {"0.822 para 8.5 dB", "0.822", "0.147"},  {"0.865 para 9.0 dB", "0.865", "0.157"},
        {"0.892 para 9.5 dB", "0.892", "0.163"},  {"0.916 para 10.0 dB", "0.916", "0.168"},
        {"0.928 para 10.5 dB", "0.928", "0.172"}, {"0.940 para 11.0 dB", "0.940", "0.174"},
        {"0.950 para 11.5 dB", "0.950", "0.176"}, {"0.964 para 12.0 dB", "0.964", "0.178"},
    };
    static const std::vector<PickItem> radii = {
        {"0.001", "0.001", ""}, {"0.00133", "0.00133", ""}, {"0.0033", "0.0033", ""},
        {"0.005", "0.005", ""}, {"0.01", "0.01", ""},       {"0.02", "0.02", ""},
    };
    // Relative permittivity with its loss tangent.
    static const std::vector<PickItem> substrates = {
        {"2.20 - RT/duroid® 5880", "2.20", "0.0009"}, {"2.33 - RT/duroid® 5870", "2.33", "0.0012"},
        {"2.50 - ULTRALAM® 2000", "2.50", "0.0019"},  {"2.94 - RT/duroid® 6002", "2.94", "0.0012"},
        {"6.15 - RT/duroid® 6006", "6.15", "0.0019"}, {"10.2 - RT/duroid® 6010LM", "10.2", "0.0023"},
        {"3.27 - TMM® 3", "3.27", "0.0020"},          {"4.50 - TMM® 4", "4.50", "0.0020"},
        {"6.00 - TMM® 6", "6.00", "0.0023"},          {"9.20 - TMM® 10", "9.20", "0.0023"},
        {"9.80 - TMM® 10i", "9.80", "0.0020"},        {"3.00 - RO3003", "3.00", "0.0013"},
        {"6.15 - RO3006", "6.15", "0.0025"},          {"10.2 - RO3010", "10.2", "0.0035"},
        {"3.98 - RO4003", "3.98", "0.0027"},          {"3.48 - RO4350", "3.48", "0.0040"},
    };
    static const std::vector<PickItem> heights = [] {
        std::vector<PickItem> items;
        for (const char* cm : {"0.013", "0.025", "0.038", "0.051", "0.064", "0.076", "0.079", "0.127", "0.152", "0.157",
                               "0.191", "0.254"})
            items.push_back({cm, cm, ""});
        return items;
    }();
    switch (list) {
        case PickList::Conductors: return conductors;
        case PickList::ScaleFactors: return scaleFactors;
        case PickList::Radii: return radii;
        case PickList::Substrates: return substrates;
        case PickList::Heights: return heights;
    }
    return conductors;
}

namespace {

const char* kConductivity = "Condutividade do material (S/m):";
const char* kScaleFactor = "Fator de escala:";
const char* kSubstrateHeight = "Altura do substrato (cm):";

const std::vector<PickDialogSpec>& dialogs()
{
    static const std::vector<PickDialogSpec> all = {
        {"TDialogMenu1",
         {{{"Label1", kConductivity, "ComboBox1", PickList::Conductors},
           {"Label2", kScaleFactor, "ComboBox2", PickList::ScaleFactors},
           {"Label3", "Raio normalizado dos elementos:", "ComboBox3", PickList::Radii}}}},
        {"TDialogMenu2",
         {{{"Label1", "Constante dielétrica relativa (Er): ", "ComboBox1", PickList::Substrates},
           {"Label2", kSubstrateHeight, "ComboBox2", PickList::Heights},
           {"Label3", kConductivity, "ComboBox3", PickList::Conductors}}}},
        {"TDialogMenu3",
         {{{"Label2", kScaleFactor, "ComboBox1", PickList::ScaleFactors},
           {"Label4", "Constante dielétrica relativa (Er):", "ComboBox2", PickList::Substrates},
           {"Label12", kSubstrateHeight, "ComboBox3", PickList::Heights}}}},
    };
    return all;
}

// Every calculator that opens a dialog, one row each. The wire calculators
// show only the row of the value they take; the microstrip arrays drop the
// conductor row and call the height the dielectric's.
const std::vector<PickCaller>& callers()
{
    using O = PickOpening;
    const std::optional<std::string> dielectricHeight = "Altura do dielétrico (cm):";
    static const std::vector<PickCaller> all = {
        {"TForm4", 4, "TDialogMenu1", O::CreateModal, {{{"input4", ""}, {}, {}}}, {true, false, false}, true, 0, {}},
        {"TForm10", 10, "TDialogMenu1", O::CreateModal, {{{"input4", ""}, {}, {}}}, {true, false, false}, true, 0, {}},
        {"TForm14", 14, "TDialogMenu1", O::CreateModal, {{{}, {}, {"input3", ""}}}, {false, false, true}, false, 2, {}},
        {"TForm15",
         15,
         "TDialogMenu1",
         O::CreateModal,
         {{{}, {"input4", "input5"}, {}}},
         {false, true, false},
         false,
         1,
         {}},
        {"TForm16",
         16,
         "TDialogMenu2",
         O::CreateModal,
         {{{"constdiel", "Tangente"}, {"altura", ""}, {"condut", ""}}},
         {true, true, true},
         false,
         -1,
         {}},
        {"TForm17",
         17,
         "TDialogMenu2",
         O::ReuseModal,
         {{{"constdiel2", "TanPerda2"}, {"altura2", ""}, {"condut2", ""}}},
         {true, true, true},
         false,
         -1,
         {}},
        {"TForm18",
         18,
         "TDialogMenu2",
         O::ReuseNonModal,
         {{{"constdiel", "Tangente"}, {"altura", ""}, {}}},
         {true, true, false},
         false,
         -1,
         dielectricHeight},
        {"TForm21",
         21,
         "TDialogMenu2",
         O::ReuseNonModal,
         {{{"constdiel", "Tangente"}, {"altura", ""}, {}}},
         {true, true, false},
         false,
         -1,
         dielectricHeight},
        {"TForm20",
         20,
         "TDialogMenu2",
         O::ReuseModal,
         {{{"constdiel", ""}, {"altura", ""}, {}}},
         {true, true, false},
         false,
         -1,
         dielectricHeight},
        {"TForm19",
         19,
         "TDialogMenu3",
         O::ReuseModal,
         {{{"fator", "espaco"}, {"constdiel", ""}, {"altura", ""}}},
         {true, true, true},
         false,
         -1,
         {}},
    };
    return all;
}

}  // namespace

const PickDialogSpec* pickDialog(std::string_view windowClass)
{
    for (const PickDialogSpec& d : dialogs())
        if (d.windowClass == windowClass) return &d;
    return nullptr;
}

const PickCaller* pickCallerFor(std::string_view callerClass)
{
    for (const PickCaller& c : callers())
        if (c.callerClass == callerClass) return &c;
    return nullptr;
}

std::vector<std::pair<std::string, std::string>> pickWrites(const PickCaller& caller, int row, int index)
{
    const PickDialogSpec* dialog = pickDialog(caller.dialogClass);
    if (!dialog || row < 0 || row >= 3) return {};
    const std::vector<PickItem>& items = pickItems(dialog->rows[static_cast<std::size_t>(row)].list);
    if (index < 0 || index >= static_cast<int>(items.size())) return {};
    const PickItem& item = items[static_cast<std::size_t>(index)];
    const PickTargets& to = caller.targets[static_cast<std::size_t>(row)];
    std::vector<std::pair<std::string, std::string>> writes;
    if (!to.value.empty()) writes.emplace_back(to.value, item.value);
    if (!to.second.empty()) writes.emplace_back(to.second, item.second);
    return writes;
}

}  // namespace ondarel
