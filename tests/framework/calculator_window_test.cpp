#include <gtest/gtest.h>

#include <QLabel>

#include "framework/window_driver.h"
#include "framework/window_registry.h"
#include "support/fake_seam.h"
#include "support/help_folder.h"

namespace ondarel::test {
namespace {

const std::map<QString, bool> kFreshMenus = {{"Novo1", false},     {"Abrir1", true},       {"Calcular1", false},
                                             {"Salvar1", false},   {"SalvarComo1", false}, {"Imprimir1", false},
                                             {"Fechar1", true},    {"Grafico2D1", false},  {"Grafico3D1", false},
                                             {"Geometria1", true}, {"Tutorial1", true},    {"Sobre1", true}};

std::map<QString, bool> allMenus(bool on)
{
    std::map<QString, bool> m = kFreshMenus;
    for (auto& [k, v] : m) v = on;
    return m;
}

class DipoleWindow : public ::testing::Test {
protected:
    SeamScope scope;
    FakeSeam& seam = scope.seam();
    CalculatorWindow* w = openCalculator("TForm2");
};

TEST_F(DipoleWindow, StartsFreshWithOnlyOpenGeometryCloseTutorialAndAbout)
{
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), "Antena Dipolo Elementar ou Infinitesimal");
    EXPECT_EQ(speedButtonStates(w), "100000101");
    EXPECT_EQ(menuStates(w), kFreshMenus);
    EXPECT_TRUE(text(w, "input1").isEmpty());
    EXPECT_FALSE(w->field("output2")->isEnabled());
    EXPECT_EQ(speedButton(w, 4)->toolTip(), "Calcular");
    EXPECT_EQ(menuItem(w, "Salvar1")->shortcut(), QKeySequence("Ctrl+B"));
    EXPECT_EQ(menuItem(w, "Grafico2D1")->shortcut(), QKeySequence("Shift+F2"));
    EXPECT_EQ(menuItem(w, "SalvarComo1")->text(), "Salvar Co&mo...");
}

struct TypingCase {
    const char* keys;
    const char* kept;
    int errors;
};

void PrintTo(const TypingCase& c, std::ostream* os) { *os << "keys \"" << c.keys << "\""; }

class Typing : public DipoleWindow, public ::testing::WithParamInterface<TypingCase> {};

TEST_P(Typing, EveryKeystrokeIsChecked)
{
    type(w, "input1", GetParam().keys);
    EXPECT_EQ(text(w, "input1"), GetParam().kept);
    EXPECT_EQ(seam.messages.size(), static_cast<std::size_t>(GetParam().errors));
    for (const auto& m : seam.messages) EXPECT_EQ(m, (Message{MessageKind::Error, "Valor inválido !"}));
}

INSTANTIATE_TEST_SUITE_P(Keys, Typing,
                         ::testing::Values(TypingCase{"1x", "1", 1}, TypingCase{"100", "100", 0},
                                           TypingCase{"-", "", 1}, TypingCase{"1e", "1", 1}, TypingCase{"1e5", "15", 1},
                                           TypingCase{"2.5", "2.5", 0}, TypingCase{"x", "", 1},
                                           TypingCase{"1,5", "15", 1}, TypingCase{"12a3", "123", 1}));

TEST_F(DipoleWindow, AnInvalidKeystrokeRestoresThatFieldsOwnText)
{
    type(w, "input1", "5");
    type(w, "input2", "7");
    type(w, "input2", "x");
    EXPECT_EQ(text(w, "input2"), "7");
    EXPECT_EQ(text(w, "input1"), "5");
    w->field("input1")->setText("abc");  // pasted text is checked too
    EXPECT_EQ(text(w, "input1"), "5");
    EXPECT_EQ(seam.messages.size(), 2u);
}

TEST_F(DipoleWindow, CalculateShowsTheResultsAndEnablesEverything)
{
    type(w, "input1", "100");
    type(w, "input2", "0.01");
    trigger(w, "Calcular1");
    EXPECT_TRUE(seam.messages.empty());
    EXPECT_EQ(text(w, "output2"), "0.079");
    EXPECT_EQ(text(w, "output3"), "0.030");
    EXPECT_EQ(text(w, "output4"), "1.500");
    EXPECT_EQ(text(w, "output5"), "1.761");
    EXPECT_EQ(text(w, "output6"), "1.074");
    EXPECT_TRUE(w->field("output6")->isEnabled());
    EXPECT_EQ(speedButtonStates(w), "111111111");
    EXPECT_EQ(menuStates(w), allMenus(true));
}

struct CheckCase {
    const char* f;
    const char* L;
    const char* message;
};

void PrintTo(const CheckCase& c, std::ostream* os) { *os << "f=\"" << c.f << "\" L=\"" << c.L << "\""; }

class RangeChecks : public DipoleWindow, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(RangeChecks, AFailedCheckLeavesTheResultsAsTheyWere)
{
    type(w, "input1", "100");
    type(w, "input2", "0.01");
    trigger(w, "Calcular1");
    paste(w, "input1", GetParam().f);
    paste(w, "input2", GetParam().L);
    trigger(w, "Calcular1");
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0], (Message{MessageKind::Information, GetParam().message}));
    EXPECT_EQ(text(w, "output2"), "0.079");
    EXPECT_TRUE(w->field("output2")->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Order, RangeChecks,
                         ::testing::Values(CheckCase{"0", "0.01", "Frequência com valor inválido!"},
                                           CheckCase{"", "", "Frequência com valor inválido!"},
                                           CheckCase{"-3", "0.01", "Frequência com valor inválido!"},
                                           CheckCase{"100", "", "Comprimento do Dipolo com valor inválido!"},
                                           CheckCase{"100", "0.02",
                                                     "Parametro fora das especificações, veja condição de L<0.02!"}));

TEST_F(DipoleWindow, AFloatingPointFaultIsReportedAndAbandonsTheCommand)
{
    paste(w, "input1", "1e39");
    type(w, "input2", "0.01");
    trigger(w, "Calcular1");
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0], (Message{MessageKind::Plain, "Erro de operação com dados do tipo real !"}));
    EXPECT_TRUE(text(w, "output2").isEmpty());
    EXPECT_FALSE(w->field("output2")->isEnabled());
}

TEST_F(DipoleWindow, AKeyPressEnablesEveryCommandAndNovoReturnsToFresh)
{
    type(w, "input1", "1");
    EXPECT_EQ(speedButtonStates(w), "111111111");
    EXPECT_EQ(menuStates(w), allMenus(true));
    type(w, "input2", "0.01");
    trigger(w, "Calcular1");
    trigger(w, "Novo1");
    EXPECT_TRUE(text(w, "input1").isEmpty());
    EXPECT_TRUE(text(w, "output2").isEmpty());
    EXPECT_FALSE(w->field("output2")->isEnabled());
    EXPECT_EQ(speedButtonStates(w), "100000101");
    EXPECT_EQ(menuStates(w), kFreshMenus);
    EXPECT_TRUE(statusText(w).isEmpty());
}

TEST_F(DipoleWindow, TutorialAsksTheShellForTheHelpDocument)
{
    HelpFolder folder(/*withChm=*/true);
    trigger(w, "Tutorial1");
    EXPECT_EQ(seam.shellOpened, std::vector<QString>{"Ondarel.chm"});
    EXPECT_TRUE(seam.messages.empty());
}

TEST_F(DipoleWindow, OpenOrShowBringsTheSameWindowAndClosingFreesIt)
{
    type(w, "input1", "42");
    EXPECT_EQ(openCalculator("TForm2"), w);
    EXPECT_EQ(text(w, "input1"), "42");
    trigger(w, "Fechar1");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    CalculatorWindow* fresh = openCalculator("TForm2");
    ASSERT_NE(fresh, nullptr);
    EXPECT_TRUE(text(fresh, "input1").isEmpty());
    EXPECT_FALSE(fresh->field("output2")->isEnabled());
}

}  // namespace
}  // namespace ondarel::test
