// The four aperture calculators and their pattern window TForm39, driven
// offscreen through fields, menus and the print window.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QToolButton>

#include "plots/aperture_pattern_window.h"
#include "plots/pattern_driver.h"
#include "support/fake_seam.h"

namespace ondarel::test {
namespace {

struct ApertureCase {
    const char* calculator;
    int code;
    std::vector<std::pair<const char*, const char*>> inputs;
    const char* caption;
    const char* chartTitle;
    const char* printTitle;
    bool circular;
};

void PrintTo(const ApertureCase& c, std::ostream* os) { *os << c.calculator; }

const ApertureCase kRectangular{"TForm13",
                                13,
                                {{"input1", "2"}, {"input2", "3"}},
                                "Diagrama de Irradiação da Antena de Abertura Retangular Uniforme",
                                "Diagrama de irradiação retangular da antena de abertura retangular uniforme",
                                "Diagrama da Antena de abertura retangular - Distribuição uniforme",
                                false};
const ApertureCase kCircular{"TForm26",
                             26,
                             {{"input1", "2"}},
                             "Diagrama de Irradiação da Antena de Abertura Circular Uniforme",
                             "Diagrama de irradiação retangular da antena de abertura circular uniforme",
                             "Diagrama da Antena de abertura circular - Distribuição uniforme",
                             true};

class ApertureWindows : public ::testing::Test {
protected:
    SeamScope scope;
    FakeSeam& seam = scope.seam();

    CalculatorWindow* openWith(const ApertureCase& c)
    {
        CalculatorWindow* w = openCalculator(c.calculator);
        for (const auto& [field, keys] : c.inputs) type(w, field, keys);
        return w;
    }
    PatternWindowBase* diagramsOf(const ApertureCase& c)
    {
        trigger(openWith(c), "Grafico2D1");
        return patternWindow("TForm39");
    }
};

class EachAperture : public ApertureWindows, public ::testing::WithParamInterface<ApertureCase> {};

TEST_P(EachAperture, Grafico2DFillsTheChartThenTheTablesAndEndsOnThePolarPage)
{
    const ApertureCase& c = GetParam();
    PatternWindowBase* p = diagramsOf(c);
    ASSERT_NE(p, nullptr);
    EXPECT_TRUE(p->isVisible());
    EXPECT_EQ(p->windowTitle(), c.caption);
    EXPECT_EQ(p->chart()->title(), c.chartTitle);
    EXPECT_EQ(currentPage(p), kPolarPage);
    EXPECT_EQ(p->tablesFilledBy(), c.code);
    EXPECT_EQ(p->chart()->points().size(), 180u);
    // The boresight sample holds the full level, the far side nothing.
    EXPECT_GT(p->leftTable()[c.circular ? 1 : 360], 0.9L * p->leftTable()[c.circular ? 180 : 1]);
    EXPECT_EQ(p->leftTable()[c.circular ? 270 : 180], 0);
    EXPECT_EQ(p->rightTable()[c.circular ? 270 : 180], 0);
    EXPECT_TRUE(seam.messages.empty());
}

TEST_P(EachAperture, ClosingTheCalculatorHidesItWithItsInputsAndResults)
{
    CalculatorWindow* w = openWith(GetParam());
    trigger(w, "Calcular1");
    const QString result = text(w, GetParam().circular ? "output5" : "output2");
    ASSERT_FALSE(result.isEmpty());
    trigger(w, "Fechar1");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(openCalculator(GetParam().calculator), w);
    EXPECT_EQ(text(w, "input1"), "2");
    EXPECT_EQ(text(w, GetParam().circular ? "output5" : "output2"), result);
    EXPECT_EQ(menuItem(w, "Novo1")->shortcut(), QKeySequence("Ctrl+N"));
    EXPECT_EQ(menuItem(w, "Abrir1")->shortcut(), QKeySequence("Ctrl+A"));
    EXPECT_EQ(menuItem(w, "Calcular1")->shortcut(), QKeySequence("Ctrl+C"));
}

INSTANTIATE_TEST_SUITE_P(
    Calculators, EachAperture,
    ::testing::Values(kRectangular,
                      ApertureCase{"TForm27",
                                   27,
                                   {{"input1", "2"}, {"input2", "3"}},
                                   "Diagrama de Irradiação da Antena de Abertura Retangular Modo TE10",
                                   "Diagrama de irradiação retangular da antena de abertura retangular Modo TE10",
                                   "Diagrama da Antena Antena de abertura retangular - Distribuição modo TE10",
                                   false},
                      kCircular,
                      ApertureCase{"TForm30",
                                   30,
                                   {{"input1", "2"}},
                                   "Diagrama de Irradiação da Antena de Abertura Circular Modo TE11",
                                   "Diagrama de irradiação retangular da antena de abertura circular Modo TE11",
                                   "Diagrama da Antena de abertura circular - Distribuição modo TE11",
                                   true}));

// Made hidden at start-up, on the "Retangular" page; the first "Gráfico 2D"
// shows that same window.
TEST_F(ApertureWindows, TheWindowMadeAtStartUpIsHiddenUntilACalculatorShowsIt)
{
    QWidget* made = WindowRegistry::instance().create("TForm39");
    ASSERT_NE(made, nullptr);
    EXPECT_FALSE(made->isVisible());
    EXPECT_EQ(currentPage(patternWindow("TForm39")), kRectangularPage);
    EXPECT_EQ(diagramsOf(kRectangular), made);
    EXPECT_TRUE(made->isVisible());
}

// The tables live for the whole run: a window made again after "Voltar ao
// projeto" draws them as they were, and prints the title of the calculator
// that filled them.
TEST_F(ApertureWindows, TheTablesOutliveTheWindowAndKeepTheirCalculatorsTitle)
{
    PatternWindowBase* first = diagramsOf(kCircular);
    const PatternTable left = first->leftTable();
    first->findChild<QToolButton*>("SpeedButton2")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(WindowRegistry::instance().find("TForm39"), nullptr);

    WindowRegistry::instance().setWindowCode(5);  // another calculator's code
    auto* again = dynamic_cast<PatternWindowBase*>(WindowRegistry::instance().openOrShow("TForm39"));
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->leftTable(), left);
    seam.printAnswers.push_back(1);
    printChoice(again, 1);
    ASSERT_EQ(seam.pages.size(), 1u);
    ASSERT_NE(seam.pages[0].textAt(700, 150), nullptr);
    EXPECT_EQ(seam.pages[0].textAt(700, 150)->text, kCircular.printTitle);
    EXPECT_EQ(seam.pages[0].textAt(700, 150)->font.size, 12);
    EXPECT_EQ(seam.pages[0].textAt(550, 250)->text, "Plano E (Plano Vertical):");
    EXPECT_EQ(seam.pages[0].textAt(1200, 250)->text, "Plano H (Plano Horizontal):");
}

// After the circular aperture, the rectangular one leaves the lower half of
// each diagram empty: the tables are cleared before they are filled.
TEST_F(ApertureWindows, ARectangularApertureAfterACircularOneEmptiesTheLowerHalf)
{
    diagramsOf(kCircular);
    PatternWindowBase* p = diagramsOf(kRectangular);
    for (int d = 91; d <= 269; ++d) {
        EXPECT_EQ(p->leftTable()[d], 0) << d;
        EXPECT_EQ(p->rightTable()[d], 0) << d;
    }
    EXPECT_EQ(p->leftTable()[360], 1);
}

// Printing writes 39; the page is titled by the calculator whose pattern the
// tables hold, and while 39 (or any code the window does not serve) is
// current its commands change nothing.
TEST_F(ApertureWindows, CodesItDoesNotServeChangeNothing)
{
    PatternWindowBase* p = diagramsOf(kRectangular);
    seam.printAnswers.push_back(1);
    printChoice(p, 1);
    EXPECT_EQ(WindowRegistry::instance().windowCode(), 39);
    ASSERT_EQ(seam.pages.size(), 1u);
    EXPECT_EQ(seam.pages[0].textAt(700, 150)->text, kRectangular.printTitle);

    const PatternTable left = p->leftTable();
    const auto points = p->chart()->points();
    for (int code : {39, 5, 2}) {
        SCOPED_TRACE(code);
        WindowRegistry::instance().setWindowCode(code);
        trigger(p, "Retangular1");
        EXPECT_EQ(currentPage(p), kPolarPage);
        p->pages()->setCurrentIndex(kRectangularPage);
        trigger(p, "Polar1");
        EXPECT_EQ(currentPage(p), kRectangularPage);
        p->pages()->setCurrentIndex(kPolarPage);
        EXPECT_EQ(p->leftTable(), left);
        EXPECT_EQ(p->chart()->points(), points);
        EXPECT_EQ(p->tablesFilledBy(), 13);
    }
    EXPECT_TRUE(seam.messages.empty());
}

// A dimension cleared after "Calcular" reaches the pattern as 0: the fault
// message, and the tables keep what they held.
TEST_F(ApertureWindows, AnEmptyDimensionIsReportedAsTheRealFault)
{
    PatternWindowBase* p = diagramsOf(kRectangular);
    const PatternTable left = p->leftTable();
    CalculatorWindow* w = openCalculator("TForm13");
    paste(w, "input2", "");
    trigger(w, "Grafico2D1");
    ASSERT_FALSE(seam.messages.empty());
    EXPECT_EQ(seam.messages.back().text, "Erro de operação com dados do tipo real !");
    EXPECT_EQ(p->leftTable(), left);
}

TEST_F(ApertureWindows, TheDataSheetPrintsBothPlanesInTheirColumns)
{
    CalculatorWindow* w = openWith(kRectangular);
    trigger(w, "Calcular1");
    seam.printAnswers.push_back(1);
    trigger(w, "Imprimir1");
    ASSERT_EQ(seam.pages.size(), 1u);
    const RecordingCanvas& page = seam.pages[0];
    const std::vector<std::tuple<int, int, const char*>> texts = {
        {900, 200, "Antena de abertura retangular - Distribuição uniforme"},
        {150, 350, "Entrada de Dados:"},
        {1000, 450, "2"},
        {1000, 550, "3"},
        {1000, 650, "Plano - E"},
        {1200, 650, "Plano - H"},
        {1000, 700, "19.473"},
        {1200, 700, "30.002"},
        {150, 1000, "FSLMM - Nível máximo do 1¤ lóbulo lateral (dB):"},
        {1200, 1000, "-16.370"},
        {1200, 1050, "18.774"}};
    for (const auto& [x, y, expected] : texts) {
        const CanvasCall* call = page.textAt(x, y);
        ASSERT_NE(call, nullptr) << x << "," << y;
        EXPECT_EQ(call->text, expected);
    }
}

}  // namespace
}  // namespace ondarel::test
