// The five array calculator windows driven through their fields and menus.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QTemporaryDir>

#include "framework/window_driver.h"
#include "support/fake_seam.h"

namespace ondarel::test {
namespace {

using Inputs = std::vector<std::pair<const char*, const char*>>;

const Inputs kBroadside = {{"input2", "10"}, {"input3", "0.25"}};
const Inputs kEndFire = {{"input2", "10"}, {"input3", "0.25"}};
const Inputs kHansenWoodyard = {{"Espaco", "0.25"}, {"Numero", "10"}};
const Inputs kPhased = {{"imput2", "10"}, {"imput3", "0.25"}, {"imput4", "60"}};
const Inputs kPlanar = {{"input1", "30"},  {"input2", "45"}, {"input3", "0.5"},
                        {"input4", "0.5"}, {"input5", "10"}, {"input6", "10"}};

const std::string kFresh = "100000101";
const std::string kAll = "111111111";
const QString kRealFault = "Erro de operação com dados do tipo real !";

class ArrayWindows : public ::testing::Test {
protected:
    SeamScope scope;
    FakeSeam& seam = scope.seam();
    QTemporaryDir dir;

    static CalculatorWindow* openWith(const char* calculator, const Inputs& inputs)
    {
        CalculatorWindow* w = openCalculator(calculator);
        for (const auto& [field, keys] : inputs) type(w, field, keys);
        return w;
    }
    // "&Fechar", then let a window that frees itself go.
    static void closeCalculator(CalculatorWindow* w)
    {
        trigger(w, "Fechar1");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    static QByteArray bytes(const QString& path)
    {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }
};

struct KeyPressCase {
    const char* calculator;
    const char* field;
    bool enables;
};

void PrintTo(const KeyPressCase& c, std::ostream* os) { *os << c.calculator << "." << c.field; }

class KeyPressRule : public ArrayWindows, public ::testing::WithParamInterface<KeyPressCase> {};

// Hansen-Woodyard and planar bind the rule to one field only; typing
// elsewhere is checked but leaves the commands as they were.
TEST_P(KeyPressRule, IsBoundToItsFields)
{
    const KeyPressCase& c = GetParam();
    CalculatorWindow* w = openCalculator(c.calculator);
    ASSERT_EQ(speedButtonStates(w), kFresh);
    type(w, c.field, "0.5");
    EXPECT_EQ(text(w, c.field), "0.5");
    EXPECT_EQ(speedButtonStates(w), c.enables ? kAll : kFresh);
    EXPECT_EQ(menuItem(w, "Calcular1")->isEnabled(), c.enables);
    EXPECT_EQ(menuItem(w, "Grafico2D1")->isEnabled(), c.enables);
    EXPECT_TRUE(seam.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Fields, KeyPressRule,
    ::testing::Values(KeyPressCase{"TForm37", "Espaco", false}, KeyPressCase{"TForm37", "Numero", true},
                      KeyPressCase{"TForm6", "input1", true}, KeyPressCase{"TForm6", "input2", false},
                      KeyPressCase{"TForm6", "input3", false}, KeyPressCase{"TForm6", "input4", false},
                      KeyPressCase{"TForm6", "input5", false}, KeyPressCase{"TForm6", "input6", false},
                      KeyPressCase{"TForm5", "input3", true}, KeyPressCase{"TForm7", "input3", true},
                      KeyPressCase{"TForm11", "imput4", true}));

TEST_F(ArrayWindows, TypingTheSpacingKeepsTheHansenWoodyardFileName)
{
    CalculatorWindow* w = openWith("TForm37", kHansenWoodyard);
    seam.saveAnswers.push_back(dir.filePath("hw.ahw"));
    trigger(w, "SalvarComo1");
    type(w, "Espaco", "5");
    EXPECT_EQ(w->fileName(), dir.filePath("hw.ahw"));
    type(w, "Numero", "0");
    EXPECT_EQ(w->fileName(), " ");
}

struct FileCase {
    const char* calculator;
    Inputs inputs;
    const char* file;
    std::vector<std::pair<const char*, const char*>> reopened;
    QString statusAfterOpen;
    std::vector<QString> messagesAfterOpen;
};

void PrintTo(const FileCase& c, std::ostream* os) { *os << c.calculator; }

class ArrayProjectFiles : public ArrayWindows, public ::testing::WithParamInterface<FileCase> {};

TEST_P(ArrayProjectFiles, SaveThenReopenShowsTheStoredInputs)
{
    const FileCase& c = GetParam();
    CalculatorWindow* w = openWith(c.calculator, c.inputs);
    const QString path = dir.filePath(c.file);
    seam.saveAnswers.push_back(path);
    trigger(w, "SalvarComo1");
    EXPECT_EQ(statusText(w), c.file);  // bare after saving, for every one
    EXPECT_EQ(bytes(path).size(), static_cast<qsizetype>(6 * c.reopened.size()));
    trigger(w, "Novo1");
    seam.openAnswers.push_back(path);
    trigger(w, "Abrir1");
    for (const auto& [field, shown] : c.reopened) EXPECT_EQ(text(w, field), shown) << field;
    EXPECT_EQ(statusText(w), c.statusAfterOpen);
    EXPECT_EQ(seam.messageTexts(), c.messagesAfterOpen);
}

INSTANTIATE_TEST_SUITE_P(
    Calculators, ArrayProjectFiles,
    ::testing::Values(
        FileCase{"TForm5",
                 {{"input2", "8"}, {"input3", "0.5"}},
                 "b.abd",
                 {{"input2", "8.00"}, {"input3", "0.500"}},
                 "b.abd",
                 {}},
        FileCase{"TForm7", kEndFire, "e.aef", {{"input2", "10.000"}, {"input3", "0.250"}}, "Ondarel[ e.aef ]", {}},
        FileCase{
            "TForm37", kHansenWoodyard, "h.ahw", {{"Numero", "10.000"}, {"Espaco", "0.250"}}, "Ondarel[ h.ahw ]", {}},
        FileCase{"TForm11",
                 kPhased,
                 "p.aph",
                 {{"imput2", "10.000"}, {"imput3", "0.250"}, {"imput4", "60.000"}},
                 "Ondarel[ p.aph ]",
                 {}},
        // M and N are not stored: after "&Novo" they are empty.
        FileCase{"TForm6",
                 kPlanar,
                 "q.apl",
                 {{"input1", "30.00"}, {"input2", "45.00"}, {"input3", "0.50"}, {"input4", "0.50"}},
                 "q.apl",
                 {"Número de elementos no eixo X, M<2, inválido!"}}));

TEST_F(ArrayWindows, BroadsideReopenedFromFileRecomputes)
{
    CalculatorWindow* w = openWith("TForm5", {{"input2", "8"}, {"input3", "0.5"}});
    seam.saveAnswers.push_back(dir.filePath("b.abd"));
    trigger(w, "SalvarComo1");
    trigger(w, "Novo1");
    seam.openAnswers.push_back(dir.filePath("b.abd"));
    trigger(w, "Abrir1");
    EXPECT_EQ(text(w, "output1"), "75.522");  // arccos(1/4)
    EXPECT_EQ(text(w, "output8"), "9.031");   // 10·log10(2·8·0.5)
    EXPECT_TRUE(w->field("output8")->isEnabled());
}

TEST_F(ArrayWindows, PlanarStoresOnlyTheFourAnglesAndSpacingsAndTakesTheNameAsCaption)
{
    CalculatorWindow* w = openWith("TForm6", kPlanar);
    seam.saveAnswers.push_back(dir.filePath("plan.apl"));
    trigger(w, "SalvarComo1");
    EXPECT_EQ(seam.savePresets, std::vector<QString>{"ARPlan.apl"});
    EXPECT_EQ(seam.saveFilters, std::vector<QString>{"Projetos de antenas|*.apl|Todos os arquivos [*.*]|*.*"});
    // 30, 45, 0.5, 0.5 as 6-byte reals; M and N are not written.
    const QByteArray expected(
        "\x85\0\0\0\0\x70"
        "\x86\0\0\0\0\x34"
        "\x80\0\0\0\0\0"
        "\x80\0\0\0\0\0",
        24);
    EXPECT_EQ(bytes(dir.filePath("plan.apl")), expected);
    EXPECT_EQ(w->windowTitle(), "Ondarel[ plan.apl ]");
    EXPECT_EQ(statusText(w), "plan.apl");
    // A later "&Salvar" writes without asking and keeps the caption.
    trigger(w, "Salvar1");
    EXPECT_EQ(seam.savePresets.size(), 1u);
    EXPECT_EQ(w->windowTitle(), "Ondarel[ plan.apl ]");
}

TEST_F(ArrayWindows, PlanarHidesOnCloseAndKeepsItsInputsAndResults)
{
    CalculatorWindow* w = openWith("TForm6", kPlanar);
    trigger(w, "Calcular1");
    ASSERT_EQ(text(w, "output7"), "24.342");
    closeCalculator(w);
    ASSERT_EQ(WindowRegistry::instance().find("TForm6"), w);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(openCalculator("TForm6"), w);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(text(w, "input5"), "10");
    EXPECT_EQ(text(w, "output7"), "24.342");
    EXPECT_TRUE(w->field("output7")->isEnabled());
    EXPECT_EQ(speedButtonStates(w), kAll);
}

TEST_F(ArrayWindows, BroadsideIsFreedOnCloseAndReopensFresh)
{
    CalculatorWindow* w = openWith("TForm5", kBroadside);
    trigger(w, "Calcular1");
    closeCalculator(w);
    EXPECT_EQ(WindowRegistry::instance().find("TForm5"), nullptr);
    CalculatorWindow* again = openCalculator("TForm5");
    EXPECT_TRUE(text(again, "input2").isEmpty());
    EXPECT_TRUE(text(again, "output1").isEmpty());
    EXPECT_EQ(speedButtonStates(again), kFresh);
}

TEST_F(ArrayWindows, PlanarShowsThreeResultFieldsEnabledFromTheStart)
{
    CalculatorWindow* w = openCalculator("TForm6");
    for (const char* name : {"output1", "output2", "output4"}) EXPECT_TRUE(w->field(name)->isEnabled()) << name;
    for (const char* name : {"output5", "output6", "output7", "output8", "output9"})
        EXPECT_FALSE(w->field(name)->isEnabled()) << name;
    auto* results = w->findChild<QGroupBox*>("GroupBox2");
    ASSERT_NE(results, nullptr);
    const auto labels = results->findChildren<QLabel*>();
    ASSERT_FALSE(labels.isEmpty());
    for (const QLabel* label : labels) EXPECT_FALSE(label->isEnabled()) << label->text().toStdString();
}

struct FaultCase {
    const char* calculator;
    Inputs good;
    Inputs bad;  // pasted over the good ones
    const char* result;
    const char* shown;
};

void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.calculator; }

class SpacingTooSmall : public ArrayWindows, public ::testing::WithParamInterface<FaultCase> {};

// An inverse cosine out of its domain stops the computation before any result
// is written.
TEST_P(SpacingTooSmall, ReportsTheFaultAndKeepsThePreviousResults)
{
    const FaultCase& c = GetParam();
    CalculatorWindow* w = openWith(c.calculator, c.good);
    trigger(w, "Calcular1");
    ASSERT_EQ(text(w, c.result), c.shown);
    for (const auto& [field, value] : c.bad) paste(w, field, value);
    trigger(w, "Calcular1");
    EXPECT_EQ(seam.messages, (std::vector<Message>{{MessageKind::Plain, kRealFault}}));
    EXPECT_EQ(text(w, c.result), c.shown);
    EXPECT_TRUE(w->field(c.result)->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Calculators, SpacingTooSmall,
    ::testing::Values(FaultCase{"TForm5", kBroadside, {{"input2", "4"}, {"input3", "0.3"}}, "output1", "66.422"},
                      FaultCase{"TForm7", kEndFire, {{"input2", "2"}, {"input3", "0.3"}}, "output1", "53.130"},
                      FaultCase{"TForm37", kHansenWoodyard, {{"Numero", "2"}, {"Espaco", "0.1"}}, "nulo", "36.870"},
                      FaultCase{"TForm11", kPhased, {{"imput2", "2"}, {"imput3", "0.1"}}, "output3", "25.842"},
                      FaultCase{"TForm6", kPlanar, {{"input5", "2"}, {"input3", "0.1"}}, "output5", "11.733"}));

struct SheetCase {
    const char* calculator;
    Inputs inputs;
    std::vector<std::tuple<int, int, const char*>> texts;
};

void PrintTo(const SheetCase& c, std::ostream* os) { *os << c.calculator; }

class ArrayDataSheet : public ArrayWindows, public ::testing::WithParamInterface<SheetCase> {};

TEST_P(ArrayDataSheet, PrintsItsTextsAtTheirPrinterPositions)
{
    const SheetCase& c = GetParam();
    CalculatorWindow* w = openWith(c.calculator, c.inputs);
    trigger(w, "Calcular1");
    seam.printAnswers.push_back(1);
    trigger(w, "Imprimir1");
    ASSERT_EQ(seam.pages.size(), 1u);
    for (const auto& [x, y, expected] : c.texts) {
        const CanvasCall* call = seam.pages[0].textAt(x, y);
        ASSERT_NE(call, nullptr) << x << "," << y;
        EXPECT_EQ(call->text, expected) << x << "," << y;
        EXPECT_EQ(call->font.size, 8);
        EXPECT_EQ(call->penWidth, 5);
    }
}

INSTANTIATE_TEST_SUITE_P(Calculators, ArrayDataSheet,
                         ::testing::Values(SheetCase{"TForm5",
                                                     kBroadside,
                                                     {{1050, 200, "Arranjos de antenas - Broadside"},
                                                      {150, 300, "Entrada de Dados:"},
                                                      {150, 400, "Número de elementos:"},
                                                      {1000, 400, "10"},
                                                      {1000, 450, "0.25"},
                                                      {150, 600, "Resultados:"},
                                                      {1000, 650, "0"},
                                                      {150, 700, "Máxima direção de irradação(graus):"},
                                                      {1000, 700, "90"},
                                                      {1000, 750, "66.422"},
                                                      {150, 1050, "Diretividade(dB):"},
                                                      {1000, 1050, "6.990"}}},
                                           SheetCase{"TForm7",
                                                     kEndFire,
                                                     {{1050, 200, "Arranjos de antenas - End-fire"},
                                                      {1000, 650, "-90.000"},
                                                      {1150, 650, "ou"},
                                                      {1250, 650, "90.000"},
                                                      {1000, 700, "0"},
                                                      {1150, 700, "ou"},
                                                      {1250, 700, "180"},
                                                      {1000, 1050, "10.000"}}},
                                           SheetCase{"TForm37",
                                                     kHansenWoodyard,
                                                     {{1050, 200, "Arranjos de antenas - Hansen-Woodyard"},
                                                      {1000, 400, "10"},
                                                      {1000, 450, "0.25"},
                                                      {150, 700, "Máxima direção de irradação (graus):"},
                                                      {1000, 650, "-106.845"},
                                                      {1150, 650, "ou"},
                                                      {1250, 650, "106.845"},
                                                      {1000, 1050, "12.526"}}},
                                           SheetCase{"TForm11",
                                                     kPhased,
                                                     {{1050, 200, "Arranjos de antena - Phase(Scanning)"},
                                                      {150, 500, "Ângulo de defasagem(graus):"},
                                                      {1000, 500, "60"},
                                                      {1000, 650, "-45.000"},
                                                      {1000, 700, "60.000"},
                                                      {1000, 1000, "71.478"}}},
                                           SheetCase{"TForm6",
                                                     kPlanar,
                                                     {{1050, 200, "Arranjo de Antenas Planar"},
                                                      {1000, 450, "30"},
                                                      {1000, 750, "10"},
                                                      {1100, 900, "Eixo - X"},
                                                      {1300, 900, "Eixo - Y"},
                                                      {1100, 950, "-63.640"},
                                                      {1300, 950, "-63.640"},
                                                      {1100, 1000, "45.000"},
                                                      {1100, 1200, "24.342"}}}));

}  // namespace
}  // namespace ondarel::test
