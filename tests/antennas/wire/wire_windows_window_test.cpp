// The small loop and the two helix windows driven through their fields,
// menus and tool bar.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QTemporaryDir>

#include "core/number_text.h"
#include "nec/nec_deck.h"
#include "plots/pattern_driver.h"
#include "support/fake_seam.h"

namespace ondarel::test {
namespace {

using Inputs = std::vector<std::pair<const char*, const char*>>;

const Inputs kSmallLoop = {
    {"input1", "300"}, {"input5", "1"}, {"input2", "0.05"}, {"input3", "0.001"}, {"input4", "57600000"}};
const Inputs kNormalHelix = {
    {"input1", "300"}, {"input2", "1.76"}, {"input3", "12.5"}, {"input4", "0.05"}, {"input5", "0.01"}};
const Inputs kAxialHelix = {{"input1", "300"}, {"input2", "10"}, {"input3", "13"}, {"input4", "1"}};

class WireWindows : public ::testing::Test {
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
};

TEST_F(WireWindows, TheLoopFormShowsTheTurnsSecondAndAButtonBesideTheConductivity)
{
    CalculatorWindow* w = openCalculator("TForm10");
    auto* grid = qobject_cast<QGridLayout*>(w->field("input1")->parentWidget()->layout());
    ASSERT_NE(grid, nullptr);
    std::vector<QString> order;
    for (int row = 0; row < grid->rowCount(); ++row)
        if (QLayoutItem* item = grid->itemAtPosition(row, 1)) order.push_back(item->widget()->objectName());
    EXPECT_EQ(order, (std::vector<QString>{"input1", "input5", "input2", "input3", "input4"}));
    int row = 0, column = 0, span = 0;
    grid->getItemPosition(grid->indexOf(w->findChild<QWidget*>("Button1")), &row, &column, &span, &span);
    EXPECT_EQ(grid->itemAtPosition(row, 1)->widget()->objectName(), "input4");
}

TEST_F(WireWindows, TheLoopCalculationFirstSaysWhichLoopItIs)
{
    CalculatorWindow* w = openWith("TForm10", kSmallLoop);
    trigger(w, "Calcular1");
    EXPECT_EQ(seam.messages, (std::vector<Message>{{MessageKind::Information, "Espira Circular Infinitesimal!"}}));
    EXPECT_EQ(text(w, "output4"), "1.500");
    EXPECT_EQ(text(w, "output5"), "1.761");
    EXPECT_TRUE(w->field("output7")->isEnabled());
    // A failed check shows its message only and leaves the results.
    paste(w, "input3", "0");
    trigger(w, "Calcular1");
    EXPECT_EQ(seam.messageTexts().back(), "Raio normalizado do fio condutor inválido!");
    EXPECT_EQ(seam.messages.size(), 2u);
    EXPECT_EQ(text(w, "output4"), "1.500");
}

TEST_F(WireWindows, TheLoopHidesOnCloseAndKeepsItsContents)
{
    CalculatorWindow* w = openWith("TForm10", kSmallLoop);
    closeCalculator(w);
    ASSERT_EQ(WindowRegistry::instance().find("TForm10"), w);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(text(w, "input4"), "57600000");
}

struct TitleCase {
    const char* radius;
    const char* chartTitle;
    const char* sheetTitle;
};

void PrintTo(const TitleCase& c, std::ostream* os) { *os << "a=" << c.radius; }

class LoopTitles : public WireWindows, public ::testing::WithParamInterface<TitleCase> {};

// The titles follow the radius in wavelengths, whatever the frequency.
TEST_P(LoopTitles, FollowTheNormalisedRadius)
{
    CalculatorWindow* w = openWith("TForm10", kSmallLoop);
    paste(w, "input1", "3");
    paste(w, "input2", GetParam().radius);
    trigger(w, "Calcular1");
    trigger(w, "Grafico2D1");
    PatternWindowBase* p = patternWindow("TForm3");
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->windowTitle(), "Diagrama de Irradiação da antena espira circular");
    EXPECT_EQ(p->chart()->title(), GetParam().chartTitle);
    EXPECT_EQ(currentPage(p), kRectangularPage);
    seam.printAnswers.push_back(1);
    trigger(w, "Imprimir1");
    ASSERT_EQ(seam.pages.size(), 1u);
    const CanvasCall* title = seam.pages[0].textAt(400, 100);
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->text, GetParam().sheetTitle);
    ASSERT_NE(seam.pages[0].textAt(900, 250), nullptr);
    EXPECT_EQ(seam.pages[0].textAt(900, 250)->text, "1");  // the turns
}

INSTANTIATE_TEST_SUITE_P(Radii, LoopTitles,
                         ::testing::Values(TitleCase{"0.05",
                                                     "Diagrama de irradiação retangular da antena espira circular "
                                                     "infinitesimal",
                                                     "Antena espira circular infinitesimal"},
                                           TitleCase{"0.06",
                                                     "Diagrama de irradiação retangular da antena espira circular de "
                                                     "raio finito",
                                                     "Antena espira circular raio finito"}));

struct DiagramCase {
    const char* calculator;
    const Inputs* inputs;
    int button;  // the tool-bar button that opens the diagrams
    const char* hint;
    const char* menuCaption;
    bool menuActs;
    int endPage;
};

void PrintTo(const DiagramCase& c, std::ostream* os) { *os << c.calculator; }

class WireDiagrams : public WireWindows, public ::testing::WithParamInterface<DiagramCase> {};

TEST_P(WireDiagrams, OpenFromTheirOwnCommand)
{
    const DiagramCase& c = GetParam();
    CalculatorWindow* w = openWith(c.calculator, *c.inputs);
    trigger(w, "Calcular1");
    seam.messages.clear();
    EXPECT_EQ(speedButton(w, 5)->toolTip(), c.hint);
    EXPECT_EQ(menuItem(w, "Grafico2D1")->text(), c.menuCaption);
    trigger(w, "Grafico2D1");
    EXPECT_EQ(patternWindow("TForm3") != nullptr, c.menuActs);
    speedButton(w, 5)->click();
    PatternWindowBase* p = patternWindow("TForm3");
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(WindowRegistry::instance().windowCode(), w->descriptor().code);
    EXPECT_EQ(currentPage(p), c.endPage);
    EXPECT_GT(p->leftTable()[90], 0);
    EXPECT_TRUE(seam.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Calculators, WireDiagrams,
    ::testing::Values(DiagramCase{"TForm10", &kSmallLoop, 5, "Gráfico 2D", "Gráficos &2D", true, kRectangularPage},
                      DiagramCase{"TForm12", &kNormalHelix, 5, "Gráficos 2D", "Gráfico &2D", false, kPolarPage},
                      DiagramCase{"TForm8", &kAxialHelix, 5, "Gráficos", "Gráficos &2D", false, kPolarPage}));

TEST_F(WireWindows, AFloatingPointFaultIsReportedNotShown)
{
    CalculatorWindow* w = openWith("TForm12", kNormalHelix);
    paste(w, "input3", "90");
    trigger(w, "Calcular1");
    EXPECT_EQ(seam.messageTexts(), (std::vector<QString>{"Erro de operação com dados do tipo real !"}));
    EXPECT_EQ(text(w, "output9"), "");
}

// The axial helix binds the key-press rule to the frequency only; both
// helices enable their results group on a key press.
TEST_F(WireWindows, KeyPressesEnableTheHelixResults)
{
    CalculatorWindow* axial = openCalculator("TForm8");
    type(axial, "input2", "10");
    EXPECT_FALSE(menuItem(axial, "Calcular1")->isEnabled());
    EXPECT_FALSE(axial->field("output1")->isEnabled());
    type(axial, "input1", "3");
    EXPECT_TRUE(menuItem(axial, "Calcular1")->isEnabled());
    EXPECT_TRUE(axial->field("output1")->isEnabled());

    CalculatorWindow* normal = openCalculator("TForm12");
    type(normal, "input5", "1");
    EXPECT_TRUE(normal->field("output9")->isEnabled());
    CalculatorWindow* loop = openCalculator("TForm10");
    type(loop, "input5", "1");
    EXPECT_FALSE(loop->field("output1")->isEnabled());  // the template's rule
}

struct FileCase {
    const char* calculator;
    const Inputs* inputs;
    const char* file;
    std::vector<std::pair<const char*, const char*>> reopened;
    const char* status;
};

void PrintTo(const FileCase& c, std::ostream* os) { *os << c.calculator; }

class WireFiles : public WireWindows, public ::testing::WithParamInterface<FileCase> {};

TEST_P(WireFiles, ComeBackWithTheirDecimalsAndRecompute)
{
    const FileCase& c = GetParam();
    CalculatorWindow* w = openWith(c.calculator, *c.inputs);
    seam.saveAnswers.push_back(dir.filePath(c.file));
    trigger(w, "Salvar1");
    trigger(w, "Novo1");
    seam.openAnswers.push_back(dir.filePath(c.file));
    trigger(w, "Abrir1");
    for (const auto& [field, shown] : c.reopened) EXPECT_EQ(text(w, field), shown) << field;
    EXPECT_EQ(statusText(w), c.status);
    EXPECT_FALSE(text(w, "output2").isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Calculators, WireFiles,
    ::testing::Values(FileCase{"TForm10",
                               &kSmallLoop,
                               "l.aec",
                               {{"input1", "300.000"},
                                {"input2", "0.050"},
                                {"input3", "0.00100"},
                                {"input4", "57600000.000"},
                                {"input5", "1.000"}},
                               "l.aec"},
                      FileCase{"TForm12",
                               &kNormalHelix,
                               "n.mng",
                               {{"input1", "300.00"}, {"input3", "12.50"}, {"input4", "0.050"}, {"input5", "0.010"}},
                               "Ondarel[ n.mng ]"},
                      FileCase{"TForm8",
                               &kAxialHelix,
                               "a.mag",
                               {{"input2", "10.00"}, {"input3", "13.00"}, {"input4", "1.000"}},
                               "a.mag"}));

// "Exportar modelo NEC2..." saves the deck of the inputs as they stand, only
// once "&Calcular" has shown results; a design NEC cannot model is refused
// before any file is asked for; other calculators do not offer it.
TEST_F(WireWindows, ExportingTheNecModelFollowsTheComputedState)
{
    struct Row {
        const char* window;
        Inputs inputs;
        std::string extension;
        const char* preset;
    } rows[] = {
        {"TForm10", kSmallLoop, "aec", "AntEspCir.nec"},
        {"TForm8", kAxialHelix, "mag", "AxiGeral1.nec"},
        {"TForm4",
         {{"input1", "300"}, {"input2", "0.5"}, {"input3", "0.001"}, {"input4", "57600000"}},
         "lin",
         "DipLinear1.nec"},
        {"TForm14", {{"input1", "300"}, {"input2", "10"}, {"input3", "0.005"}}, "yud", "YagiUda1.nec"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.window);
        CalculatorWindow* w = openWith(row.window, row.inputs);
        ASSERT_TRUE(menuItem(w, "ExportarNec1")->isVisible());
        trigger(w, "ExportarNec1");  // typed but not computed: no dialog, no message
        EXPECT_TRUE(seam.messages.empty());
        trigger(w, "Calcular1");
        seam.messages.clear();
        const QString path = dir.filePath(QString("modelo-") + row.window);
        seam.saveAnswers.push_back(path);
        trigger(w, "ExportarNec1");
        EXPECT_TRUE(seam.messages.empty());
        EXPECT_EQ(seam.savePresets.back(), row.preset);
        EXPECT_EQ(seam.saveFilters.back(), "Modelos NEC2|*.nec|Todos os arquivos [*.*]|*.*");
        std::vector<long double> values;
        for (const auto& input : w->descriptor().inputs)
            values.push_back(fieldValue(text(w, QString::fromStdString(input.name)).toStdString()));
        QFile file(path + ".nec");
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll().toStdString(), std::get<std::string>(nec::necDeck(row.extension, values)));
        trigger(w, "Novo1");
        trigger(w, "ExportarNec1");  // fresh again: nothing
        w->close();
    }

    // A radius NEC cannot segment: the refusal, and no save dialog.
    CalculatorWindow* thick =
        openWith("TForm4", {{"input1", "300"}, {"input2", "0.5"}, {"input3", "0.05"}, {"input4", "57600000"}});
    trigger(thick, "Calcular1");
    seam.messages.clear();
    trigger(thick, "ExportarNec1");
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].kind, MessageKind::Warning);
    EXPECT_TRUE(seam.messages[0].text.startsWith("O modelo NEC2 não pode representar esta estrutura"));
    thick->close();

    EXPECT_FALSE(menuItem(openCalculator("TForm5"), "ExportarNec1")->isVisible());
}

}  // namespace
}  // namespace ondarel::test
