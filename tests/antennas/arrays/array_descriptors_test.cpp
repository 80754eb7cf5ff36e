// The five array calculators as the window and the command-line tool see
// them: fields, labels, data-sheet lines, pattern links and the CLI.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>

#include "catalogue/catalogue.h"
#include "cli/commands.h"

namespace ondarel {
namespace {

struct Identity {
    const char* windowClass;
    int code;
    const char* extension;
    std::vector<std::string> inputs;
    std::string pattern_caption;
    std::string caption3d;
};

void PrintTo(const Identity& p, std::ostream* os) { *os << p.windowClass; }

class ArrayDescriptors : public ::testing::TestWithParam<Identity> {};

TEST_P(ArrayDescriptors, AreCompleteAndKeepTheirCatalogueIdentity)
{
    const Identity& id = GetParam();
    const CalculatorDescriptor* d = findByWindowClass(id.windowClass);
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->implemented());
    EXPECT_EQ(d->code, id.code);
    EXPECT_EQ(d->file.extension, id.extension);
    std::vector<std::string> names;
    for (const auto& in : d->inputs) names.push_back(in.name);
    EXPECT_EQ(names, id.inputs);
    ASSERT_TRUE(d->pattern);
    EXPECT_EQ(d->pattern->windowClass, "TForm28");
    EXPECT_EQ(d->pattern->caption, id.pattern_caption);
    EXPECT_TRUE(d->pattern->polarLast);
    EXPECT_EQ(d->caption3d, id.caption3d);
    EXPECT_FALSE(d->geometry);  // "&Geometria" does nothing here
}

// Every value on the printed sheet is a field of the window, and every
// input and result is printed exactly once.
TEST_P(ArrayDescriptors, DataSheetPrintsEachFieldOnce)
{
    const CalculatorDescriptor& d = *findByWindowClass(GetParam().windowClass);
    std::multiset<std::string> printed;
    for (const auto& t : d.sheet)
        if (!t.field.empty()) printed.insert(t.field);
    std::multiset<std::string> owned;
    for (const auto& in : d.inputs) owned.insert(in.name);
    for (const auto& row : d.results)
        for (const auto& f : row.fields) owned.insert(f);
    EXPECT_EQ(printed, owned);
}

// No two texts of the sheet start at the same place.
TEST_P(ArrayDescriptors, DataSheetTextsDoNotOverprint)
{
    const CalculatorDescriptor& d = *findByWindowClass(GetParam().windowClass);
    std::set<std::pair<int, int>> places;
    for (const auto& t : d.sheet) EXPECT_TRUE(places.insert({t.x, t.y}).second) << t.text << t.field;
}

INSTANTIATE_TEST_SUITE_P(
    All, ArrayDescriptors,
    ::testing::Values(Identity{"TForm5",
                               5,
                               "abd",
                               {"input2", "input3"},
                               "Diagrama de Irradiação do Arranjo Broadside",
                               "Diagrama de Irradiação 3D do Arranjo Broadside"},
                      Identity{"TForm7",
                               7,
                               "aef",
                               {"input2", "input3"},
                               "Diagrama de Irradiação do Arranjo End-Fire",
                               "Diagrama de Irradiação 3D do Fator do Arranjo End-Fire"},
                      Identity{"TForm37",
                               37,
                               "ahw",
                               {"Numero", "Espaco"},
                               "Diagrama de Irradiação do Arranjo Hansen-Woodyard",
                               "Diagrama de Irradiação 3D do Fator do Arranjo Hansen-Woodyard"},
                      Identity{"TForm11",
                               11,
                               "aph",
                               {"imput2", "imput3", "imput4"},
                               "Diagrama de Irradiação do Arranjo de Fase \"Phased(Scanning)\"",
                               "Diagrama de Irradiação 3D do Fator do Arranjo de Fase \"Phased(Scanning)\""},
                      Identity{"TForm6",
                               6,
                               "apl",
                               {"input1", "input2", "input3", "input4", "input5", "input6"},
                               "Diagrama de Irradiação do Fator do Arranjo Planar",
                               "Diagrama de Irradiação do Fator do Arranjo Planar"}),
    [](const auto& info) { return std::string(info.param.windowClass); });

const SheetText* sheetText(const CalculatorDescriptor& d, const std::string& textOrField)
{
    auto it = std::find_if(d.sheet.begin(), d.sheet.end(),
                           [&](const SheetText& t) { return t.text == textOrField || t.field == textOrField; });
    return it == d.sheet.end() ? nullptr : &*it;
}

struct Placed {
    const char* windowClass;
    const char* textOrField;
    int x, y;
};

void PrintTo(const Placed& p, std::ostream* os) { *os << p.windowClass << " " << p.textOrField; }

class SheetPlaces : public ::testing::TestWithParam<Placed> {};

TEST_P(SheetPlaces, StandWhereThePageHasThem)
{
    const Placed& p = GetParam();
    const SheetText* t = sheetText(*findByWindowClass(p.windowClass), p.textOrField);
    ASSERT_NE(t, nullptr) << p.textOrField;
    EXPECT_EQ(t->x, p.x) << p.textOrField;
    EXPECT_EQ(t->y, p.y) << p.textOrField;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SheetPlaces,
    ::testing::Values(Placed{"TForm5", "Arranjos de antenas - Broadside", 1050, 200},
                      Placed{"TForm5", "output9", 1000, 650}, Placed{"TForm5", "Diretividade(dB):", 150, 1050},
                      Placed{"TForm7", "output12", 1000, 650}, Placed{"TForm7", "output13", 1250, 650},
                      Placed{"TForm7", "angulo2", 1250, 700}, Placed{"TForm7", "output11", 1000, 1050},
                      Placed{"TForm37", "coef2", 1250, 650}, Placed{"TForm37", "max2", 1250, 700},
                      Placed{"TForm37", "Arranjos de antenas - Hansen-Woodyard", 1050, 200},
                      Placed{"TForm11", "imput4", 1000, 500}, Placed{"TForm11", "output8", 1000, 1000},
                      Placed{"TForm6", "Eixo - Y", 1300, 900}, Placed{"TForm6", "output2", 1300, 950},
                      Placed{"TForm6", "output8", 1100, 1050},
                      // the y-axis beam width gets the half line under the x-axis one
                      Placed{"TForm6", "output9", 1100, 1075},
                      Placed{"TForm6", "HPBW - L.F. de 1/2 potência dos elementos no eixo-Y(graus):", 150, 1075},
                      Placed{"TForm6", "output7", 1100, 1200}));

TEST(ArrayDescriptors, TwoValueRowsPrintOuBetweenTheirValues)
{
    for (const char* cls : {"TForm7", "TForm37"}) {
        const CalculatorDescriptor& d = *findByWindowClass(cls);
        int ou = 0;
        for (const auto& t : d.sheet)
            if (t.text == "ou") {
                EXPECT_EQ(t.x, 1150) << cls;
                ++ou;
            }
        EXPECT_EQ(ou, 2) << cls;
        EXPECT_EQ(d.results[0].fields.size(), 2u) << cls;
        EXPECT_EQ(d.results[1].fields.size(), 2u) << cls;
    }
}

TEST(ArrayDescriptors, KeyPressesForgetTheFileOnlyInTheirFields)
{
    EXPECT_TRUE(findByWindowClass("TForm5")->keyPressFields.empty());
    EXPECT_TRUE(findByWindowClass("TForm11")->keyPressFields.empty());
    EXPECT_EQ(findByWindowClass("TForm37")->keyPressFields, std::vector<std::string>{"Numero"});
    EXPECT_EQ(findByWindowClass("TForm6")->keyPressFields, std::vector<std::string>{"input1"});
}

TEST(ArrayDescriptors, PlanarWindowLayout)
{
    const CalculatorDescriptor& d = *findByWindowClass("TForm6");
    EXPECT_EQ(d.resultsEnabledAtStart, (std::vector<std::string>{"output1", "output2", "output4"}));
    EXPECT_EQ(d.results[0].columnHeads, (std::vector<std::string>{"Eixo - X", "Eixo - Y"}));
    EXPECT_EQ(d.inputs[0].heading, "Ângulos de Orientação do\nFeixe Principal:");
    EXPECT_EQ(d.inputs[2].heading, "Espaçamentos normalizados\nentre os elementos:");
    EXPECT_EQ(d.inputs[4].heading, "Número de elementos MxN:");
    EXPECT_EQ(d.inputs[1].label, "Phi   (graus): ");
}

TEST(ArrayDescriptors, TwoLineLabelsKeepTheirBreak)
{
    EXPECT_EQ(findByWindowClass("TForm5")->inputs[1].label, "Espaçamento Normalizado\nEntre os Elementos:");
    EXPECT_EQ(findByWindowClass("TForm37")->inputs[1].label, "Espaçamento Normalizado Entre \nEntre os Elementos:");
    EXPECT_EQ(findByWindowClass("TForm11")->inputs[1].label, "Espaçamento normalizado\nentre os elementos:");
}

TEST(ArrayDescriptors, LeaveOtherCalculatorsAlone)
{
    // The patch array has no diagrams of its own.
    const CalculatorDescriptor& d = *findByWindowClass("TForm18");
    EXPECT_TRUE(d.implemented());
    EXPECT_EQ(d.inputs.size(), 9u);
    EXPECT_FALSE(d.sheet.empty());
    EXPECT_FALSE(d.pattern);
}

struct CliRun {
    std::vector<std::string> args;
    int status;
    std::string printed;
};

void PrintTo(const CliRun& p, std::ostream* os)
{
    for (const auto& a : p.args) *os << a << " ";
}

class ArrayCli : public ::testing::TestWithParam<CliRun> {};

TEST_P(ArrayCli, PrintsWhatTheWindowShows)
{
    std::ostringstream out, err;
    EXPECT_EQ(cli::run(GetParam().args, out, err), GetParam().status) << err.str();
    EXPECT_EQ(out.str(), GetParam().printed);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ArrayCli,
    ::testing::Values(
        CliRun{{"run", "abd", "input2=10", "input3=0.25"},
               cli::kComputed,
               "output9=0\noutput2=90\noutput1=66.422\noutput3=79.799\noutput4=53.130\n"
               "output5=47.156\noutput6=20.403\noutput7=73.740\noutput8=6.990\n"},
        CliRun{{"run", "abd", "input2=5", "input3="},
               cli::kRefused,
               "Espaçamento normalizados entre elementos está fora dos parâmetros!\n"},
        CliRun{{"run", "abd", "input2=4", "input3=0.3"}, cli::kFault, "Erro de operação com dados do tipo real !\n"},
        CliRun{{"run", "ahw", "Numero=1.5", "Espaco=1"},
               cli::kComputed,
               "coef1=-472.300\ncoef2=472.300\nmax1=0\nmax2=180\nnulo=48.190\npmeia=24.933\n"
               "smaior=70.529\nLarnulo=96.379\nLarmeia=49.866\nLarseg=141.058\nDiretivi=10.308\n"}));

}  // namespace
}  // namespace ondarel
