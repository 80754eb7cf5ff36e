#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "cli/commands.h"

namespace ondarel {
namespace {

namespace fs = std::filesystem;

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun cli(std::vector<std::string> args)
{
    std::ostringstream out, err;
    const int status = cli::run(args, out, err);
    return {status, out.str(), err.str()};
}

struct CliCase {
    std::vector<std::string> args;
    int status;
    std::string out;
};

void PrintTo(const CliCase& c, std::ostream* os)
{
    *os << [&] {
        std::string s;
        for (const auto& a : c.args) s += a + " ";
        return s;
    }();
}

class CommandLine : public ::testing::TestWithParam<CliCase> {};

TEST_P(CommandLine, PrintsWhatTheWindowWouldShow)
{
    const CliRun r = cli(GetParam().args);
    EXPECT_EQ(r.status, GetParam().status) << r.err;
    EXPECT_EQ(r.out, GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Dipole, CommandLine,
    ::testing::Values(
        CliCase{{"run", "dip", "input1=100", "input2=0.01"},
                0,
                "output2=0.079\noutput3=0.030\noutput4=1.500\noutput5=1.761\noutput6=1.074\n"},
        CliCase{{"run", "DIP", "input2=0.01", "input1=100"},
                0,
                "output2=0.079\noutput3=0.030\noutput4=1.500\noutput5=1.761\noutput6=1.074\n"},
        CliCase{{"run", "dip", "input1=100", "input2=0.02"},
                1,
                "Parametro fora das especificações, veja condição de L<0.02!\n"},
        CliCase{{"run", "dip", "input2=0.01"}, 1, "Frequência com valor inválido!\n"},
        CliCase{{"run", "dip", "input1=1e39", "input2=0.01"}, 3, "Erro de operação com dados do tipo real !\n"},
        CliCase{{"--json", "run", "dip", "input1=100", "input2=0.01"},
                0,
                "{\"notes\": [], \"results\": {\"output2\": \"0.079\", \"output3\": \"0.030\", \"output4\": "
                "\"1.500\", \"output5\": \"1.761\", \"output6\": \"1.074\"}}\n"},
        CliCase{{"run", "dip", "input1=1x"}, 2, ""}, CliCase{{"run", "dip", "input9=1"}, 2, ""},
        CliCase{{"run", "zzz"}, 2, ""}, CliCase{{}, 2, ""}, CliCase{{"frobnicate"}, 2, ""}));

// Each result with its own decimals: six for the T and gamma admittances,
// five for the folded dipole's.
INSTANTIATE_TEST_SUITE_P(
    Matching, CommandLine,
    ::testing::Values(
        CliCase{{"run", "ctm", "imput1=100", "imput2=73", "imput3=42.5", "imput4=0.004", "imput5=0.002", "imput6=0.025",
                 "imput7=0.05"},
                0,
                "output1=3.000\noutput2=344.194\noutput3=111.835\noutput4=55.712\noutput5=158.187\n"
                "output6=0.001981\noutput7=-0.005624\noutput8=10.061\noutput9=20.122\n"},
        CliCase{{"run", "csg", "imput1=100", "imput2=0", "imput4=0.004", "imput5=0.002", "imput6=0.025", "imput7=0.05"},
                3,
                "Erro de operação com dados do tipo real !\n"},
        CliCase{{"run", "dpd", "imput1=100", "imput2=73", "imput3=42.5", "imput4=0.45", "imput5=0.002", "imput6=0.02"},
                0,
                "output1=3.000\noutput2=359.187\noutput3=2267.816\noutput4=270.242\noutput5=180.628\n"
                "output6=0.00256\noutput7=-0.00171\n"},
        CliCase{
            {"run", "acl", "imput1=100", "imput2=0", "imput3=20", "imput4=50"},
            1,
            "Impedância da antena parte real(Ra) deve ser diferente da impedância característica(Zo) ou Ra>0!!\n"}));
INSTANTIATE_TEST_SUITE_P(
    WireCalculators, CommandLine,
    ::testing::Values(
        CliCase{{"run", "aec", "input1=300", "input2=0.05", "input3=0.001", "input4=57600000", "input5=1"},
                0,
                "Espira Circular Infinitesimal!\noutput1=0.314\noutput2=1.923\noutput3=0.227\noutput4=1.500\n"
                "output5=1.761\noutput6=0.119\noutput7=89.452\n"},
        CliCase{{"run", "aec", "input1=300", "input2=0.05", "input3=0.001", "input5=1"},
                1,
                "Condutividade do material inválida\n"},
        CliCase{{"run", "mng", "input1=300", "input2=1.76", "input3=12.5", "input4=0.05", "input5=0.01"},
                0,
                "output5=432.879\noutput2=0.014\noutput3=0.045\noutput4=0.750\noutput6=0.046\noutput7=4.329\n"
                "output8=20.000\noutput9=9.830\noutput1=1.760\n"},
        CliCase{{"run", "mng", "input1=300", "input2=1", "input3=90", "input4=0.05", "input5=0.01"},
                3,
                "Erro de operação com dados do tipo real !\n"},
        CliCase{{"run", "mag", "input1=300", "input2=10", "input3=11.9", "input4=1"},
                1,
                "O ângulo de Passo fora dos parâmetros!\n"},
        // A list result is one line of its items as displayed; an empty list prints "name=".
        CliCase{{"run", "yud", "input1=300", "input2=3", "input3=0.005"},
                0,
                "output1=2\noutput2=0.500\noutput3=0.447\noutput4=0.164\noutput5=63.025\noutput6=96.051\n"
                "ComboBox2=0.200\nComboBox3=\n"},
        CliCase{{"--json", "run", "yud", "input1=300", "input2=3", "input3=0.005"},
                0,
                "{\"notes\": [], \"results\": {\"output1\": \"2\", \"output2\": \"0.500\", \"output3\": \"0.447\", "
                "\"output4\": \"0.164\", \"output5\": \"63.025\", \"output6\": \"96.051\"}, "
                "\"lists\": {\"ComboBox2\": [\"0.200\"], \"ComboBox3\": []}}\n"},
        CliCase{{"run", "lgp", "input1=300", "input2=150", "input3=1", "input4=0.76", "input5=0.13"},
                0,
                "output1=7\noutput2=0.821\noutput3=24.775\noutput4=2.000\noutput5=2.061\noutput6=4.122\n"
                "output7=282.620\noutput8=2.000\nComboBox1=1.520;1.155;0.878;0.667;0.507;0.385\n"
                "ComboBox2=19.760;15.018;11.413;8.674;6.592;5.010\nComboBox3=0.760;0.578;0.439;0.334;0.254;0.193\n"},
        CliCase{{"run", "may", "Freq=10", "Ganho=3", "constdiel=2.2", "altura=0.1588", "Largura=0.1"},
                0,
                "Numero=2\nDielefet=1.734\nRefletor=1.139\nExcitador=0.966\nCompOtimo=0.164\nCompOtimo1=0.374\n"
                "LargFeixeE=62.825\nLargFeixeH=96.052\nComboBox1=\nComboBox3=0.456\n"},
        CliCase{{"run", "mal", "Freq=2", "fator=0.76", "espaco=0.05", "constdiel=2.2", "LBanda=1.0001",
                 "altura=0.1588", "Dipolo=0.2"},
                0,
                "NumDipolos=2\nLargRegAtiva=1.470\nBandaEstru=1.470\nFreqdip=2.000\nAngulo=50.194\nComprim=0.762\n"
                "ImpCarac=269.826\nComboBox2=4.349;3.305\ndistance=0.435\nComboBox1=0.152\n"},
        CliCase{{"run", "mal", "Freq=2", "fator=0.9", "espaco=0.16", "constdiel=2.2", "LBanda=1", "altura=0.1588",
                 "Dipolo=0.2"},
                1,
                "Largura de Banda Inválida!!\n"},
        // Element counts are the text's leading digits: "1e1" counts one, "+4" none.
        CliCase{{"run", "mar", "Freq=10", "constdiel=2.2", "Tangente=0.0009", "altura=0.1588", "VSWR=2",
                 "NumHoz=1e1", "NumVer=1.9", "EspHoz=1.5", "EspVer=1.5"},
                0,
                "Comp=0.906\nLargura=1.186\nCompHoz=0.906\nCompvert=1.186\nImpEnt=228.411\nImpCarac=26.018\n"
                "Diretiv=1.748\nLargbanda=2.678\nEficiencia=98.260\n"},
        CliCase{{"run", "mac", "Freq=10", "constdiel=2.2", "Tangente=0.0009", "altura=0.1588", "VSWR=2",
                 "NumHoz=+4", "NumVer=4", "EspHoz=1.5", "EspVer=1.5"},
                1,
                "Número de Elementos na Direção x Inválido!!\n"},
        CliCase{{"run", "lpc", "input1=300", "input2=10"},
                0,
                "output1=6\nEdit1=16.711\nEdit2=1.050\nEdit3=17.507\nEdit4=1.100\noutput2=11.141\noutput3=0.700\n"
                "output4=0.450\noutput5=0.100\noutput6=0.250\nEdit5=1.113\nEdit6=43.453\nEdit7=48.731\n"}));

// The deck goes alone to standard output (a refusal to the error stream);
// sweeps print one CSV row a step, refused steps with their message.
INSTANTIATE_TEST_SUITE_P(
    NecAndSweep, CommandLine,
    ::testing::Values(
        CliCase{{"nec", "dip", "input1=100", "input2=0.01", "--segments", "3"},
                0,
                "CM Ondarel - Dipolo infinitesimal (.dip)\nCM Entradas: 100.000000 0.010000\n"
                "CM Fio de raio igual a um milésimo do comprimento do dipolo\n"
                "CM Geometria em metros; frequência 100.000000 MHz\nCE\n"
                "GW  1    3         0         0    -0.015         0         0     0.015     3e-05\n"
                "GE  0    0    0    0\n"
                "EX  0    1    2    0         1         0\n"
                "FR  0    1    0    0       100         0\n"
                "RP  0  181    1 1000      -180         0         2         0\n"
                "RP  0    1  181 1000        90         0         0         2\nEN\n"},
        CliCase{{"nec", "lin", "input1=300", "input2=0.5", "input3=0.05", "input4=5.76e7"}, 1, ""},
        CliCase{{"nec", "lin", "input1=300", "input2=0", "input3=0.001", "input4=5.76e7"}, 1, ""},
        CliCase{{"nec", "dip", "input1=100", "input2=0.01", "--segments", "0"}, 2, ""},
        CliCase{{"nec", "dip", "input1=100", "input2=0.01", "--segments"}, 2, ""},
        CliCase{{"nec", "csg", "imput1=100"}, 2, ""},
        CliCase{{"sweep", "dip", "input1=100", "input2=0.01:0.03:0.01"},
                1,
                "input1,input2,output2,output3,output4,output5,output6,notas,mensagem\n"
                "100,0.01,0.079,0.030,1.500,1.761,1.074,,\n"
                "100,0.02,,,,,,,\"Parametro fora das especificações, veja condição de L<0.02!\"\n"
                "100,0.03,,,,,,,\"Parametro fora das especificações, veja condição de L<0.02!\"\n"},
        CliCase{{"sweep", "dip", "input1=100:200:100", "input2=0.005:0.006:0.001"},
                0,
                "input1,input2,output2,output3,output4,output5,output6,notas,mensagem\n"
                "100,0.005,0.020,0.015,1.500,1.761,1.074,,\n100,0.006,0.028,0.018,1.500,1.761,1.074,,\n"
                "200,0.005,0.020,0.008,1.500,1.761,0.269,,\n200,0.006,0.028,0.009,1.500,1.761,0.269,,\n"},
        CliCase{{"sweep", "yud", "input1=300", "input2=4:5:1", "input3=0.005"},
                0,
                "input1,input2,input3,output1,output2,output3,output4,output5,output6,ComboBox2,ComboBox3,notas,"
                "mensagem\n300,4,0.005,2,0.500,0.447,0.164,63.025,96.051,0.200,,,\n"
                "300,5,0.005,3,0.500,0.447,0.348,57.292,75.670,0.200;0.160,0.444,,\n"},
        CliCase{{"sweep", "dip", "input1=1e39", "input2=0.01:0.01:1"},
                1,
                "input1,input2,output2,output3,output4,output5,output6,notas,mensagem\n"
                "1e39,0.01,,,,,,,Erro de operação com dados do tipo real !\n"},
        CliCase{{"sweep", "dip", "input2=1:0:1"}, 2, ""}, CliCase{{"sweep", "dip", "input2=0:1:1e-9"}, 2, ""},
        CliCase{{"sweep", "dip", "input9=0:1:1"}, 2, ""}, CliCase{{"sweep", "dip", "input1=100"}, 2, ""}));

// A radio button is set by its object name: Strip=1 selects the line feed.
INSTANTIATE_TEST_SUITE_P(
    Patches, CommandLine,
    ::testing::Values(
        CliCase{{"run", "mcr", "Freq=10", "constdiel=2.2", "altura=0.1588", "Tangente=0.0009", "Imped=50", "condut=5.8e7",
                 "Angulo=0", "VSW=2", "Strip=1"},
                0,
                "Dielefet=1.972\nComp=0.906\nLargura=1.186\nimpedancia=228.411\nImpCarac=26.018\nQtotal=13.204\n"
                "Diretiv=6.775\nLargBanda=5.355\nEficiencia=98.262\nDista=0.313\ndistancia=\n"},
        CliCase{{"run", "mcr", "Freq=10", "constdiel=2.2", "altura=0.1588", "Tangente=0.0009", "Imped=50", "condut=5.8e7",
                 "Angulo=0", "VSW=2", "Cabo=1"},
                0,
                "Dielefet=1.972\nComp=0.906\nLargura=1.186\nimpedancia=151.789\nImpCarac=26.018\nQtotal=13.204\n"
                "Diretiv=6.775\nLargBanda=5.355\nEficiencia=98.262\nDista=\ndistancia=0.000\n"},
        CliCase{{"run", "mcr", "Strip=x"}, 2, ""},
        CliCase{{"run", "mcc", "freq=10", "constdiel2=2.2", "altura2=0.1588", "TanPerda2=0.0009", "ImpRes=1e6",
                 "condut2=5.8e7", "VSW=2"},
                3,
                "Erro de operação com dados do tipo real !\n"}));

class CommandLineFiles : public ::testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() / ("ondarel_cli_" + std::to_string(::getpid()));
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }
    std::string path(const char* name) { return (dir / name).string(); }
};

TEST_F(CommandLineFiles, SaveWritesTheSixByteRealsAndOpenRecomputesFromTheRoundedTexts)
{
    ASSERT_EQ(cli({"save", path("a.dip"), "input1=1.5", "input2=300"}).status, 0);
    std::ifstream in(path("a.dip"), std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    EXPECT_EQ(bytes, std::string("\x81\0\0\0\0\x40\x89\0\0\0\0\x16", 12));

    ASSERT_EQ(cli({"save", path("b.DIP"), "input1=100", "input2=0.0125"}).status, 0);
    const CliRun opened = cli({"open", path("b.DIP")});
    EXPECT_EQ(opened.status, 0);
    // 0.0125 comes back as 0.013 and the recomputation uses 0.013.
    EXPECT_EQ(opened.out,
              "input1=100.000\ninput2=0.013\noutput2=0.133\noutput3=0.039\noutput4=1.500\noutput5=1.761\n"
              "output6=1.074\n");
}

// The rod dimensions come back with six decimals, so a T match file keeps them.
TEST_F(CommandLineFiles, MatchingFilesKeepTheirSixDecimalValues)
{
    ASSERT_EQ(cli({"save", path("t.Ctm"), "imput1=100", "imput2=73", "imput3=-42.5", "imput4=0.0044",
                   "imput5=0.0012345", "imput6=0.025", "imput7=0.05"})
                  .out,
              "saved " + path("t.Ctm") + " (42 bytes)\n");
    const CliRun opened = cli({"open", path("t.Ctm")});
    EXPECT_EQ(opened.status, 0);
    EXPECT_EQ(opened.out.substr(0, opened.out.find("output1")),
              "imput1=100.000\nimput2=73.000\nimput3=-42.500\nimput4=0.004400\nimput5=0.001235\nimput6=0.025000\n"
              "imput7=0.050000\n");
}

TEST_F(CommandLineFiles, BadFilesAreReportedNotCrashed)
{
    std::ofstream(path("short.dip"), std::ios::binary) << std::string("\x81\0\0", 3);
    EXPECT_EQ(cli({"open", path("short.dip")}).out, "Há erro no progrma !\n");
    EXPECT_EQ(cli({"open", path("short.dip")}).status, 3);
    EXPECT_EQ(cli({"open", path("missing.dip")}).status, 3);
    EXPECT_EQ(cli({"open", path("x.dip.bak")}).status, 2);
    EXPECT_EQ(cli({"save", path("no/such/dir/a.dip"), "input1=1"}).out, "Há erro no progrma !\n");
    EXPECT_EQ(cli({"save", path("c.dip"), "input1=1e39"}).status, 3);
    EXPECT_FALSE(fs::exists(path("c.dip")));
}

TEST(CommandLineList, NamesEveryBuiltCalculator)
{
    const CliRun r = cli({"list"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("dip  TForm2  Antena Dipolo Elementar ou Infinitesimal  (input1 input2)"), std::string::npos);
}

// The manual page is generated from --help and --version: both succeed on
// standard output, whatever else is on the line, and name every command.
TEST(CommandLineHelp, HelpAndVersionGoToStandardOutput)
{
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--help"}, {"-h"}, {"run", "--help"}, {"--version"}}) {
        const CliRun r = cli(args);
        EXPECT_EQ(r.status, 0) << args[0];
        EXPECT_TRUE(r.err.empty()) << args[0];
        EXPECT_EQ(r.out.rfind("ondarel-calc 3.0\n", 0) == 0, args[0] == "--version") << r.out;
    }
    const std::string help = cli({"--help"}).out;
    for (const char* heading : {"Usage: ondarel-calc [--json] list\n   or: ondarel-calc [--json] run", "Commands:", "Options:", "Exit status:", "Examples:"})
        EXPECT_NE(help.find(heading), std::string::npos) << heading;
    for (const char* command : {"  list ", "  run ", "  open ", "  save ", "  pattern ", "  nec ", "  sweep ", "  render3d "})
        EXPECT_NE(help.find(command), std::string::npos) << command;
}

}  // namespace
}  // namespace ondarel
