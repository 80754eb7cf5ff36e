// The four matching-structure windows driven through their fields and menus.
#include <gtest/gtest.h>

#include <QFile>
#include <QGroupBox>
#include <QTemporaryDir>

#include "framework/window_driver.h"
#include "support/fake_seam.h"

namespace ondarel::test {
namespace {

using Inputs = std::vector<std::pair<const char*, const char*>>;

struct Window {
    const char* calculator;
    Inputs inputs;
    const char* file;
    Inputs reopened;  // as written back after "&Abrir"
    QString caption;  // after "Salvar Co&mo..."
    Inputs zeroImpedance;
};

void PrintTo(const Window& w, std::ostream* os) { *os << w.calculator; }

const Inputs kRods = {{"imput1", "100"},   {"imput2", "73"},    {"imput3", "42.5"}, {"imput4", "0.004"},
                      {"imput5", "0.002"}, {"imput6", "0.025"}, {"imput7", "0.05"}};
const Inputs kRodsReopened = {{"imput1", "100.000"},  {"imput2", "73.000"},   {"imput3", "42.500"},
                              {"imput4", "0.004000"}, {"imput5", "0.002000"}, {"imput6", "0.025000"},
                              {"imput7", "0.050000"}};

class MatchingWindows : public ::testing::TestWithParam<Window> {
protected:
    SeamScope scope;
    FakeSeam& seam = scope.seam();
    QTemporaryDir dir;

    CalculatorWindow* computed()
    {
        CalculatorWindow* w = openCalculator(GetParam().calculator);
        for (const auto& [field, keys] : GetParam().inputs) type(w, field, keys);
        trigger(w, "Calcular1");
        return w;
    }
};

// Seven tool buttons: open, save, new, calculate, geometry, print, close.
TEST_P(MatchingWindows, HaveNoChartCommandsAndBindTheKeyPressToTheFrequency)
{
    CalculatorWindow* w = openCalculator(GetParam().calculator);
    EXPECT_EQ(w->findChild<QGroupBox*>()->title(), "Entrada de Dados:");
    EXPECT_EQ(speedButtonStates(w), "1000101");
    EXPECT_EQ(speedButton(w, 5)->toolTip(), "Geometria do casador");
    EXPECT_EQ(menuItem(w, "Grafico2D1")->text(), "Gráficos &2D");
    type(w, "imput2", "5");  // checked, but the commands stay as they were
    EXPECT_EQ(speedButtonStates(w), "1000101");
    type(w, "imput1", "1");
    EXPECT_EQ(speedButtonStates(w), "1111111");
    EXPECT_FALSE(menuItem(w, "Grafico2D1")->isEnabled());
    EXPECT_FALSE(menuItem(w, "Grafico3D1")->isEnabled());
}

TEST_P(MatchingWindows, SaveThenReopenShowsTheStoredInputsAndRecomputes)
{
    CalculatorWindow* w = computed();
    EXPECT_TRUE(seam.messages.empty());
    EXPECT_FALSE(menuItem(w, "Grafico2D1")->isEnabled());
    const QString output1 = text(w, "output1");
    const QString path = dir.filePath(GetParam().file);
    seam.saveAnswers.push_back(path);
    trigger(w, "SalvarComo1");
    EXPECT_EQ(w->windowTitle(), GetParam().caption);
    EXPECT_EQ(statusText(w), GetParam().file);
    EXPECT_EQ(QFile(path).size(), 6 * static_cast<qint64>(GetParam().reopened.size()));
    trigger(w, "Novo1");
    seam.openAnswers.push_back(path);
    trigger(w, "Abrir1");
    for (const auto& [field, shown] : GetParam().reopened) EXPECT_EQ(text(w, field), shown) << field;
    EXPECT_EQ(text(w, "output1"), output1);
    EXPECT_EQ(statusText(w), GetParam().file);
}

TEST_P(MatchingWindows, AZeroImpedanceReportsTheFaultAndKeepsThePreviousResults)
{
    CalculatorWindow* w = computed();
    const QString output1 = text(w, "output1");
    for (const auto& [field, value] : GetParam().zeroImpedance) paste(w, field, value);
    trigger(w, "Calcular1");
    const std::vector<Message> expected = {{MessageKind::Plain, "Erro de operação com dados do tipo real !"}};
    const std::vector<Message> refused = {
        {MessageKind::Information,
         "Impedância da antena parte real(Ra) deve ser diferente da impedância característica(Zo) ou Ra>0!!"}};
    EXPECT_EQ(seam.messages, QString(GetParam().calculator) == "TForm36" ? refused : expected);
    EXPECT_EQ(text(w, "output1"), output1);
}

INSTANTIATE_TEST_SUITE_P(
    Calculators, MatchingWindows,
    ::testing::Values(
        Window{"TForm31", kRods, "t.ctm", kRodsReopened, "Ondarel[ t.ctm ]", {{"imput2", "0"}, {"imput3", "0"}}},
        Window{"TForm33", kRods, "g.csg", kRodsReopened, "Casador Gamma", {{"imput2", "0"}, {"imput3", "0"}}},
        Window{"TForm34",
               {{"imput1", "100"},
                {"imput2", "73"},
                {"imput3", "42.5"},
                {"imput4", "0.45"},
                {"imput5", "0.002"},
                {"imput6", "0.02"}},
               "d.dpd",
               {{"imput1", "100.000"},
                {"imput2", "73.000"},
                {"imput3", "42.500"},
                {"imput4", "0.450000"},
                {"imput5", "0.002000"},
                {"imput6", "0.020000"}},
               "Dipolo Dobrado",
               {{"imput2", "0"}, {"imput3", "0"}}},
        // Ra = 0 is refused by its check before anything can divide by it.
        Window{"TForm36",
               {{"imput1", "100"}, {"imput2", "25"}, {"imput3", "20"}, {"imput4", "50"}},
               "l.acl",
               {{"imput1", "100.000"}, {"imput2", "25.000"}, {"imput3", "20.000"}, {"imput4", "50.000"}},
               "Circuito de acoplamento em L",
               {{"imput2", "0"}}}));

}  // namespace
}  // namespace ondarel::test
