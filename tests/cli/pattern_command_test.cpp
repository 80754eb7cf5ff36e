#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/commands.h"

namespace ondarel::cli {
namespace {

struct Ran {
    int status;
    std::string out;
    std::string err;
};

Ran runTool(const std::vector<std::string>& args)
{
    std::ostringstream out, err;
    const int status = run(args, out, err);
    return {status, out.str(), err.str()};
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> all;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) all.push_back(line);
    return all;
}

TEST(PatternCommand, DipoleWritesThreeCsvSections)
{
    const Ran r = runTool({"pattern", "dip"});
    ASSERT_EQ(r.status, kComputed) << r.err;
    const auto rows = lines(r.out);
    ASSERT_EQ(rows.size(), 3u * 362u);
    struct Row {
        std::size_t index;
        const char* text;
    };
    const Row expected[] = {
        {0, "# E-plane"}, {1, "angle,value"}, {91, "90,1"},           {362, "# H-plane"},
        {364, "1,100"},   {723, "360,100"},   {724, "# rectangular"}, {725, "angle,value"},
        {904, "90,0"},    {905, "-90,0"},     {1084, "180,-35"},      {1085, "-180,-35"},
    };
    for (const Row& row : expected) EXPECT_EQ(rows[row.index], row.text) << "line " << row.index;
    // The chart points come in the order added: 1, −1, 2, −2, …
    EXPECT_EQ(rows[726].rfind("1,", 0), 0u);
    EXPECT_EQ(rows[727].rfind("-1,", 0), 0u);
    EXPECT_EQ(rows[728].rfind("2,", 0), 0u);
}

TEST(PatternCommand, JsonGivesTheSameTablesAsArrays)
{
    const Ran r = runTool({"--json", "pattern", "dip", "input1=100", "input2=0.01"});
    ASSERT_EQ(r.status, kComputed) << r.err;
    EXPECT_EQ(r.out.rfind("{\"extension\": \"dip\", \"code\": 2, \"e_plane\": [[1, ", 0), 0u);
    for (const char* piece :
         {"[90, 1]", "\"h_plane\": [[1, 100], [2, 100]", "[90, 0], [-90, 0]", "[180, -35], [-180, -35]]}"})
        EXPECT_NE(r.out.find(piece), std::string::npos) << piece;
}

TEST(PatternCommand, YagiUdaPrintsTheFourElementCountCurves)
{
    const Ran r = runTool({"pattern", "yud", "input1=300", "input2=10", "input3=0.005"});
    ASSERT_EQ(r.status, kComputed) << r.err;
    const auto rows = lines(r.out);
    // Four sections: heading and column line, then 19, 21, 21 and 21 points.
    ASSERT_EQ(rows.size(), 4u * 2u + 19u + 3u * 21u);
    EXPECT_EQ(rows[0], "# gain");
    EXPECT_EQ(rows[1], "x,Ganho (dB)");
    EXPECT_EQ(rows[2].rfind("1.2000000476837", 0), 0u);  // 6/5 in single precision
    EXPECT_EQ(rows[21], "# optimum_length");
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string out;
    };
    const Case refused[] = {
        {{"pattern", "yud", "output1=0"}, kRefused, "Número de Elementos Inválido!!\n"},
        {{"pattern", "yud", "output1=1"}, kFault, "Erro de operação com dados do tipo real !\n"},
        {{"pattern", "yud", "input1=300", "input2=2"}, kRefused, "Ganho inválido!\n"},
    };
    for (const Case& c : refused) {
        const Ran bad = runTool(c.args);
        EXPECT_EQ(bad.status, c.status);
        EXPECT_EQ(bad.out, c.out);
    }
}

TEST(PatternCommand, RefusesWhatItCannotDraw)
{
    struct Case {
        std::vector<std::string> args;
        const char* message;  // on the error stream
    };
    const Case cases[] = {
        {{"pattern"}, "usage"},
        {{"pattern", "xyz"}, "no pattern for 'xyz'"},
        {{"pattern", "mar"}, "no pattern for 'mar'"},  // not built yet
        {{"pattern", "lgp"}, "no pattern for 'lgp'"},  // no diagrams
        {{"pattern", "dip", "input1=abc"}, "Valor inválido !"},
        {{"pattern", "dip", "output9=1"}, "unknown input 'output9'"},
        {{"pattern", "aec", "input3"}, "unknown input 'input3'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        const Ran r = runTool(c.args);
        EXPECT_EQ(r.status, kUsage);
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty());
    }
}

TEST(PatternCommand, FloatingPointFaultsPrintTheHandlersMessage)
{
    struct Case {
        std::vector<std::string> args;
        std::string out;
    };
    const Case cases[] = {
        {{"pattern", "aec", "input1=0", "input2=0.1"}, "Erro de operação com dados do tipo real !\n"},
        {{"pattern", "mag", "input1=300", "output1=0.25", "output7=0"}, "Erro de operação com dados do tipo real !\n"},
        {{"--json", "pattern", "aec", "input2=0.1"}, "{\"fault\": \"Erro de operação com dados do tipo real !\"}\n"},
    };
    for (const auto& c : cases) {
        const Ran r = runTool(c.args);
        EXPECT_EQ(r.status, kFault);
        EXPECT_EQ(r.out, c.out);
    }
}

TEST(PatternCommand, ArrayPatternsGiveBothTablesAndTheMirroredChart)
{
    const Ran broadside = runTool({"pattern", "abd", "input2=10", "input3=0.25"});
    ASSERT_EQ(broadside.status, kComputed) << broadside.err;
    const auto rows = lines(broadside.out);
    ASSERT_EQ(rows.size(), 3u * 362u);
    EXPECT_EQ(rows[0], "# left");
    EXPECT_EQ(rows[362], "# right");
    EXPECT_EQ(rows[1 + 90], "90,1");  // broadside maximum
    EXPECT_EQ(rows[724], "# rectangular");
    EXPECT_EQ(rows[726 + 178], "90,0");
    EXPECT_EQ(rows[726 + 179], "-90,0");
    // The phased array reads its beam direction from its own result.
    const Ran phased = runTool({"pattern", "aph", "imput2=10", "imput3=0.25", "imput4=60"});
    EXPECT_EQ(phased.status, kComputed) << phased.err;
    const Ran refused = runTool({"pattern", "aph", "imput3=0.25", "imput4=60"});
    EXPECT_EQ(refused.status, kRefused);
    EXPECT_EQ(refused.out, "Números de elementos fora dos parâmetros!\n");
    const Ran zero = runTool({"pattern", "abd", "input3=0.25"});
    EXPECT_EQ(zero.status, kFault);
    EXPECT_EQ(zero.out, "Erro de operação com dados do tipo real !\n");
}

TEST(PatternCommand, WirePatternsReadTheCallingCalculatorsFields)
{
    // A small loop draws the dipole's diagrams; the helix planes coincide.
    const Ran dipole = runTool({"pattern", "dip"});
    const Ran smallLoop = runTool({"pattern", "aec", "input1=300", "input2=0.053"});
    ASSERT_EQ(smallLoop.status, kComputed);
    EXPECT_EQ(smallLoop.out, dipole.out);

    const Ran helix = runTool({"pattern", "mag", "input1=300", "output1=0.25", "output7=10"});
    ASSERT_EQ(helix.status, kComputed) << helix.err;
    const auto rows = lines(helix.out);
    ASSERT_EQ(rows.size(), 3u * 362u);
    for (std::size_t k = 1; k <= 360; ++k) EXPECT_EQ(rows[1 + k], rows[363 + k]) << k;

    // Given its inputs only, the axial helix reads the spacing and turns its
    // own calculation shows; the same as typing those texts.
    const Ran computed = runTool({"pattern", "mag", "input1=300", "input2=10", "input3=13", "input4=1"});
    ASSERT_EQ(computed.status, kComputed) << computed.err;
    EXPECT_EQ(computed.out, runTool({"pattern", "mag", "input1=300", "output1=0.231", "output7=2.888"}).out);
    const Ran refused = runTool({"pattern", "mag", "input1=300", "input3=13", "input4=1"});
    EXPECT_EQ(refused.status, kRefused);
    EXPECT_EQ(refused.out, "Ganho com valor não especificado!\n");
    // The normal-mode helix: the same sin⁴θ whatever NL.
    EXPECT_EQ(runTool({"pattern", "mng", "input4=0.05"}).status, kComputed);
}

TEST(PatternCommand, AperturePatternsGiveBothPlanesAndTheEPlaneChart)
{
    struct Case {
        std::vector<std::string> args;
        std::vector<std::pair<std::size_t, const char*>> rows;  // line index, text
    };
    // Both tables hold 360 entries; the chart 180 points (±1 … ±90, or 1 … 180).
    const Case cases[] = {
        {{"pattern", "aru", "input1=2", "input2=3"},
         {{0, "# E-plane"},
          {1 + 360, "360,1"},
          {1 + 180, "180,0"},
          {362, "# H-plane"},
          {724, "# rectangular"},
          {905, "-90,-35"}}},
        {{"pattern", "art", "input1=2", "input2=3"}, {{1 + 360, "360,1"}, {1 + 270, "270,0"}, {724, "# rectangular"}}},
        // The circular tables run 1 … 180; sin 180° is not exactly 0, so J1(Z)/Z is 1/2 there.
        {{"pattern", "acu", "input1=2"}, {{1 + 180, "180,0.25"}, {1 + 181, "181,0"}, {724, "# rectangular"}}},
        {{"pattern", "act", "input1=2"}, {{363 + 180, "180,0.25"}, {363 + 360, "360,0"}, {905, "180,0"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[1]);
        const Ran r = runTool(c.args);
        ASSERT_EQ(r.status, kComputed) << r.err;
        const auto all = lines(r.out);
        ASSERT_EQ(all.size(), 2u * 362u + 182u);
        for (const auto& [index, text] : c.rows) EXPECT_EQ(all[index], text) << index;
    }
    const Ran empty = runTool({"pattern", "acu"});
    EXPECT_EQ(empty.status, kFault);
    EXPECT_EQ(empty.out, "Erro de operação com dados do tipo real !\n");
}

// Every series the finite dipole's diagrams window draws: both polar
// tables, the rectangular chart and the three curve charts as x tables.
TEST(PatternCommand, FiniteDipoleAddsItsThreeCurveCharts)
{
    const Ran r = runTool({"pattern", "lin", "input2=0.5", "input3=0.001"});
    ASSERT_EQ(r.status, kComputed) << r.err;
    const auto rows = lines(r.out);
    // 3 × 362 pattern lines; 179 + 179 curve points (x = 0.00168 has no
    // value), 399 (x = 0 has none), each chart with its two heading lines.
    ASSERT_EQ(rows.size(), 3u * 362u + 181u + 181u + 401u);
    struct Row {
        std::size_t index;
        const char* text;
    };
    const Row expected[] = {
        {0, "# E-plane"},        {362, "# H-plane"},
        {453, "90,100"},         {724, "# rectangular"},
        {1086, "# resistance"},  {1087, "x,Rr - Resist. Irrad.,Rent - Resist. Ent."},
        {1267, "# reactance"},   {1268, "x,Xm - Reatância Irrad.,Xent - Reatância Entrada"},
        {1448, "# directivity"}, {1449, "x,D0 - Diretividade"},
    };
    for (const Row& row : expected) EXPECT_EQ(rows[row.index], row.text) << "line " << row.index;
    EXPECT_EQ(rows[91].rfind("90,0.99999999999", 0), 0u);  // the half-wave maximum, (1 − cos(π/2 stored))²
    EXPECT_EQ(rows[1088].rfind("0.0184357538", 0), 0u);    // (2 − 0.9)·3/179 in single precision
    EXPECT_EQ(rows[1450].rfind("0.0074999998", 0), 0u);    // 3·0.0025
    // The D0 curve starts near 1.5 and passes 1.64 at half a wavelength.
    EXPECT_EQ(rows[1450].substr(rows[1450].find(',')), ",1.50000888963405");
    EXPECT_EQ(rows[1450 + 66], "0.502499997615814,1.6424699532472");
}

TEST(PatternCommand, FiniteDipoleCurvesInJsonAndTheirFaults)
{
    const Ran json = runTool({"--json", "pattern", "lin", "input2=1", "input3=0.001"});
    ASSERT_EQ(json.status, kComputed) << json.err;
    for (const char* piece : {"\"resistance\": {\"series\": [\"Rr - Resist. Irrad.\", \"Rent - Resist. Ent.\"], "
                              "\"points\": [[0.0184357538",
                              "\"directivity\": {\"series\": [\"D0 - Diretividade\"]", "]]}}\n"})
        EXPECT_NE(json.out.find(piece), std::string::npos) << piece;
    // The reactance curve takes Ci of 4π·ρ²/x: no radius is ln 0.
    const Ran noRadius = runTool({"pattern", "lin", "input2=0.5"});
    EXPECT_EQ(noRadius.status, kFault);
    EXPECT_EQ(noRadius.out, "Erro de operação com dados do tipo real !\n");
}

TEST(PatternCommand, PatchChartsPrintTheirSeriesOrWhyTheyHaveNone)
{
    const std::vector<std::string> design = {"pattern", "mcr",     "Freq=10",      "constdiel=2.2", "altura=0.1588",
                                             "Tangente=0.0009", "Imped=50", "condut=5.8e7", "Angulo=0", "VSW=2"};
    const Ran cable = runTool(design);
    EXPECT_EQ(cable.status, 0);
    for (const char* piece : {"# planes\nx,Plano E,Plano H\n1,", "# input-resistance\nx,Rin\n0,151.789",
                              "# resonance-resistance\nPonto de Alimentação para Ressonância com Alimentação de "
                              "Microfita Inválida!!\n"})
        EXPECT_NE(cable.out.find(piece), std::string::npos) << piece;
    std::vector<std::string> line = design;
    line.push_back("Strip=1");
    EXPECT_NE(runTool(line).out.find("# resonance-resistance\nx,Rr\n1.0101"), std::string::npos);
    const Ran disc = runTool({"pattern", "mcc", "freq=10", "constdiel2=2.2", "altura2=0.1588", "TanPerda2=0.0009",
                              "ImpRes=50", "condut2=5.8e7", "VSW=2"});
    EXPECT_EQ(disc.status, 0);
    EXPECT_NE(disc.out.find("# planes\nx,Plano E,Plano H\n"), std::string::npos);
}


}  // namespace
}  // namespace ondarel::cli
