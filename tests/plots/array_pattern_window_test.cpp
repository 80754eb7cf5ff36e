// The array pattern window as each of the five array calculators opens it.
#include <gtest/gtest.h>

#include <algorithm>

#include "plots/pattern_driver.h"
#include "support/fake_seam.h"

namespace ondarel::test {
namespace {

struct ArrayCase {
    const char* name;
    const char* calculator;
    int code;
    std::vector<std::pair<const char*, const char*>> inputs;
    const char* caption;
    const char* chartTitle;
    DrawnText left, right;  // the title strip, at y = 5
    const char* printTitle;
};

void PrintTo(const ArrayCase& c, std::ostream* os) { *os << c.name; }

const std::vector<ArrayCase>& arrayCases()
{
    static const std::vector<ArrayCase> all = {
        {"broadside",
         "TForm5",
         5,
         {{"input2", "10"}, {"input3", "0.25"}},
         "Diagrama de Irradiação do Arranjo Broadside",
         "Diagrama de Irradiação Retangular do Fator do Arranjo Broadside",
         {"Diagrama do Fator do Arranjo", 90},
         {"Diagrama do Campo Total do Arranjo", 390},
         "Diagrama de Irradiação para Arranjo Broadside."},
        {"planar",
         "TForm6",
         6,
         {{"input1", "30"}, {"input2", "45"}, {"input3", "0.5"}, {"input4", "0.5"}, {"input5", "10"}, {"input6", "10"}},
         "Diagrama de Irradiação do Fator do Arranjo Planar",
         "Diagrama de Irradiação Retangular do Fator do Arranjo Planar",
         {"Diagrama do Fator do Arranjo Planar para Phi = 0° ou 90°", 10},
         {"Diagrama do Fator do Arranjo Planar para Phi = 45°", 350},
         "Diagrama de Irradiação para Arranjo Planar."},
        {"endfire",
         "TForm7",
         7,
         {{"input2", "10"}, {"input3", "0.25"}},
         "Diagrama de Irradiação do Arranjo End-Fire",
         "Diagrama de Irradiação Retangular do Fator do Arranjo End-Fire",
         {"Diagrama do Fator do Arranjo para Theta = 0°", 35},
         {"Diagrama do Fator do Arranjo para Theta = 180°", 350},
         "Diagrama de Irradiação para Arranjo End-Fire."},
        {"phased",
         "TForm11",
         11,
         {{"imput2", "10"}, {"imput3", "0.25"}, {"imput4", "60"}},
         "Diagrama de Irradiação do Arranjo de Fase \"Phased(Scanning)\"",
         "Diagrama de Irradiação Retangular do Fator do Arranjo de Fase \"Phased(Scanning)\"",
         {"Diagrama do Fator do Arranjo", 50},
         {"Diagrama do Campo Total do Arranjo", 350},
         "Diagrama de Irradiação para Arranjo de Fase."},
        {"hansenwoodyard",
         "TForm37",
         37,
         {{"Espaco", "0.25"}, {"Numero", "10"}},
         "Diagrama de Irradiação do Arranjo Hansen-Woodyard",
         "Diagrama de Irradiação Retangular do Fator do Arranjo Hansen-Woodyard",
         {"Diagrama do Fator de Arranjo para Theta = 0°", 50},
         {"Diagrama do Fator do Arranjo para Theta = 180°", 350},
         "Diagrama de Irradiação para Arranjo Hansen-Woodyard."},
    };
    return all;
}

class ArrayPattern : public ::testing::Test {
protected:
    SeamScope scope;
    FakeSeam& seam = scope.seam();

    // Types the inputs, computes, then "Gráfico 2D".
    PatternWindowBase* openFrom(const ArrayCase& c)
    {
        CalculatorWindow* w = openCalculator(c.calculator);
        for (const auto& [field, keys] : c.inputs) type(w, field, keys);
        trigger(w, "Calcular1");
        trigger(w, "Grafico2D1");
        return patternWindow("TForm28");
    }
    PatternWindowBase* openFrom(const char* name)
    {
        for (const ArrayCase& c : arrayCases())
            if (std::string(c.name) == name) return openFrom(c);
        return nullptr;
    }

    static double level(PatternWindowBase* p, int angle)
    {
        for (const QPointF& point : p->chart()->points())
            if (point.x() == angle) return point.y();
        ADD_FAILURE() << "no point at " << angle;
        return 1;
    }
    // Entries of a table that hold its largest value.
    static std::vector<int> maxima(const PatternTable& t)
    {
        const long double top = *std::max_element(t.begin() + 1, t.end());
        std::vector<int> at;
        for (int k = 1; k <= 360; ++k)
            if (t[static_cast<std::size_t>(k)] == top) at.push_back(k);
        return at;
    }
};

class EachArrayCalculator : public ArrayPattern, public ::testing::WithParamInterface<ArrayCase> {};

TEST_P(EachArrayCalculator, OpensThePatternOnThePolarPageWithItsTexts)
{
    const ArrayCase& c = GetParam();
    PatternWindowBase* p = openFrom(c);
    ASSERT_NE(p, nullptr);
    EXPECT_TRUE(seam.messages.empty());
    EXPECT_EQ(p->windowTitle(), c.caption);
    EXPECT_EQ(p->chart()->title(), c.chartTitle);
    EXPECT_EQ(currentPage(p), kPolarPage);
    EXPECT_EQ(p->calculatorCode(), c.code);
    const auto strip = textsPainted(p->polarPage()->captions());
    ASSERT_EQ(strip.size(), 2u);
    EXPECT_EQ(strip[0].text, c.left.text);
    EXPECT_EQ(strip[0].x, c.left.x);
    EXPECT_EQ(strip[1].text, c.right.text);
    EXPECT_EQ(strip[1].x, c.right.x);
    EXPECT_EQ(strip[0].baseline, strip[1].baseline);
}

// The chart's own floor is −40 dB (not the wire window's −35).
TEST_P(EachArrayCalculator, TheChartHoldsTheMirroredLevelsDownToTheFloor)
{
    PatternWindowBase* p = openFrom(GetParam());
    const auto points = p->chart()->points();
    ASSERT_EQ(points.size(), 360u);
    EXPECT_EQ(points.front().x(), -180);
    EXPECT_EQ(points.back().x(), 180);
    for (std::size_t i = 1; i < points.size(); ++i) EXPECT_LT(points[i - 1].x(), points[i].x());
    for (const QPointF& point : points) {
        EXPECT_NE(point.x(), 0);
        EXPECT_GE(point.y(), -40);
        EXPECT_LE(point.y(), 1e-9);
        EXPECT_DOUBLE_EQ(point.y(), level(p, -static_cast<int>(point.x())));
    }
    EXPECT_NE(maxima(p->leftTable()).size(), 360u);  // filled, not left at zero
}

TEST_P(EachArrayCalculator, PrintsThePolarPageUnderTheCalculatorsTitle)
{
    const ArrayCase& c = GetParam();
    PatternWindowBase* p = openFrom(c);
    seam.printAnswers.push_back(1);
    printChoice(p, 1);
    ASSERT_EQ(seam.pages.size(), 1u);
    const RecordingCanvas& page = seam.pages[0];
    const std::vector<std::tuple<int, int, const char*>> texts = {
        {100, 100, c.printTitle}, {200, 150, "Plano E (Plano Horizontal)"}, {1050, 150, "Plano H (Plano Vertical)"}};
    for (const auto& [x, y, text] : texts) {
        const CanvasCall* call = page.textAt(x, y);
        ASSERT_NE(call, nullptr) << x << "," << y;
        EXPECT_EQ(call->text, text);
        EXPECT_EQ(call->font.family, "Arial");
        EXPECT_EQ(call->font.size, 8);
        EXPECT_EQ(call->penWidth, 5);
    }
    // Both diagrams: outer circle of radius 300 around (400, 550) and (1200, 550).
    std::vector<std::array<int, 4>> outer;
    for (const CanvasCall& e : page.of(CallKind::Ellipse))
        if (e.x2 - e.x1 == 600) outer.push_back({e.x1, e.y1, e.x2, e.y2});
    EXPECT_EQ(outer, (std::vector<std::array<int, 4>>{{100, 250, 700, 850}, {900, 250, 1500, 850}}));
    // The first diagram is the window's right-hand table.
    RecordingCanvas expected;
    drawPolarDiagram(expected, p->rightTable(), PolarFrame{400, 550, 300}, 5);
    const auto curve = page.linesIn(CanvasColor::Red);
    const auto expectedCurve = expected.linesIn(CanvasColor::Red);
    ASSERT_EQ(curve.size(), 2 * expectedCurve.size());
    for (std::size_t i = 0; i < expectedCurve.size(); ++i) {
        EXPECT_EQ(curve[i].x1, expectedCurve[i].x1);
        EXPECT_EQ(curve[i].y2, expectedCurve[i].y2);
    }
}

// Printing writes 28 into the window code; the window goes on serving the
// calculator that opened it.
TEST_P(EachArrayCalculator, AfterPrintingTheCommandsStillServeTheCalculator)
{
    const ArrayCase& c = GetParam();
    PatternWindowBase* p = openFrom(c);
    const PatternTable left = p->leftTable();
    seam.printAnswers.push_back(1);
    printChoice(p, 1);
    EXPECT_EQ(WindowRegistry::instance().windowCode(), 28);
    trigger(p, "Retangular1");
    EXPECT_EQ(currentPage(p), kRectangularPage);
    EXPECT_EQ(p->chart()->points().size(), 360u);
    trigger(p, "Polar1");
    EXPECT_EQ(currentPage(p), kPolarPage);
    EXPECT_EQ(p->leftTable(), left);
    EXPECT_EQ(p->calculatorCode(), c.code);
    EXPECT_EQ(textsPainted(p->polarPage()->captions()).at(0).text, c.left.text);
    seam.printAnswers.push_back(1);
    printChoice(p, 1);
    ASSERT_EQ(seam.pages.size(), 2u);
    ASSERT_NE(seam.pages[1].textAt(100, 100), nullptr);
    EXPECT_EQ(seam.pages[1].textAt(100, 100)->text, c.printTitle);
    EXPECT_TRUE(seam.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Calculators, EachArrayCalculator, ::testing::ValuesIn(arrayCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ArrayPattern, BroadsideOfTenQuarterWaveElementsPeaksAtNinetyDegrees)
{
    PatternWindowBase* p = openFrom("broadside");
    EXPECT_EQ(maxima(p->leftTable()), (std::vector<int>{90, 270}));
    EXPECT_NEAR(level(p, 90), 0, 1e-9);
    EXPECT_NEAR(level(p, -90), 0, 1e-9);
    EXPECT_LT(level(p, 60), -3);
}

struct FloorCase {
    const char* calculator;
    std::vector<std::pair<const char*, const char*>> inputs;
    int angle;
    double db;
};

void PrintTo(const FloorCase& c, std::ostream* os) { *os << c.calculator << " at " << c.angle; }

class ChartLevels : public ArrayPattern, public ::testing::WithParamInterface<FloorCase> {};

// Nulls at whole degrees fall to the −40 dB floor.
TEST_P(ChartLevels, AtAnAngle)
{
    const FloorCase& c = GetParam();
    CalculatorWindow* w = openCalculator(c.calculator);
    for (const auto& [field, keys] : c.inputs) type(w, field, keys);
    trigger(w, "Grafico2D1");  // enabled by the key presses, whatever "Calcular" would say
    PatternWindowBase* p = patternWindow("TForm28");
    EXPECT_NEAR(level(p, c.angle), c.db, 1e-5) << c.calculator << " " << c.angle;
    EXPECT_NEAR(level(p, -c.angle), c.db, 1e-5);
    EXPECT_TRUE(seam.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Floor, ChartLevels,
    ::testing::Values(FloorCase{"TForm5", {{"input2", "4"}, {"input3", "0.5"}}, 60, -40},
                      FloorCase{"TForm5", {{"input2", "4"}, {"input3", "0.5"}}, 180, -40},
                      FloorCase{"TForm5", {{"input2", "4"}, {"input3", "0.5"}}, 90, 0},
                      FloorCase{"TForm7", {{"input2", "10"}, {"input3", "0.25"}}, 180, -40},
                      FloorCase{"TForm11", {{"imput2", "10"}, {"imput3", "0.25"}, {"imput4", "60"}}, 60, 0},
                      FloorCase{"TForm11", {{"imput2", "10"}, {"imput3", "0.25"}, {"imput4", "0"}}, 1, 0}));

// The phased polar diagrams steer to the beam direction the calculator
// shows; the chart steers to the angle typed.
TEST_F(ArrayPattern, PhasedPolarReadsTheShownDirectionAndTheChartTheTypedOne)
{
    CalculatorWindow* w = openCalculator("TForm11");
    typeAll(w, {{"imput2", "10"}, {"imput3", "0.25"}, {"imput4", "60"}});
    trigger(w, "Grafico2D1");  // not computed yet: no direction shown
    PatternWindowBase* p = patternWindow("TForm28");
    EXPECT_EQ(maxima(p->leftTable()), std::vector<int>{360});
    EXPECT_NEAR(level(p, 60), 0, 1e-9);
    trigger(w, "Calcular1");
    EXPECT_EQ(text(w, "output2"), "60.000");
    trigger(w, "Grafico2D1");
    EXPECT_EQ(maxima(p->leftTable()), (std::vector<int>{60, 300}));
}

struct FaultRoute {
    const char* name;
    bool throughCalculator;  // "Gráfico 2D" of the calculator, else the window's "P&olar"
};

void PrintTo(const FaultRoute& r, std::ostream* os) { *os << r.name; }

class BroadsideWithoutElements : public ArrayPattern, public ::testing::WithParamInterface<FaultRoute> {};

// N = 0 divides zero by zero; the calculator's own check would refuse it, but
// the pattern reads the field as it stands.
TEST_P(BroadsideWithoutElements, ReportsTheFaultOnceAndKeepsTheTables)
{
    PatternWindowBase* p = openFrom("broadside");
    const PatternTable left = p->leftTable();
    const PatternTable right = p->rightTable();
    CalculatorWindow* w = qobject_cast<CalculatorWindow*>(WindowRegistry::instance().find("TForm5"));
    w->field("input2")->clear();
    type(w, "input2", "0");
    if (GetParam().throughCalculator)
        trigger(w, "Grafico2D1");
    else
        trigger(p, "Polar1");
    EXPECT_EQ(seam.messages, (std::vector<Message>{{MessageKind::Plain, "Erro de operação com dados do tipo real !"}}));
    EXPECT_EQ(p->leftTable(), left);
    EXPECT_EQ(p->rightTable(), right);
}

INSTANTIATE_TEST_SUITE_P(Routes, BroadsideWithoutElements,
                         ::testing::Values(FaultRoute{"grafico2d", true}, FaultRoute{"polar", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ArrayPattern, AfterTheBroadsideWindowClosesPolarAndRetangularDoNothing)
{
    PatternWindowBase* p = openFrom("broadside");
    const PatternTable left = p->leftTable();
    const auto points = p->chart()->points();
    closeCalculator(qobject_cast<CalculatorWindow*>(WindowRegistry::instance().find("TForm5")));
    ASSERT_EQ(WindowRegistry::instance().find("TForm5"), nullptr);
    trigger(p, "Retangular1");
    EXPECT_EQ(currentPage(p), kPolarPage);
    p->pages()->setCurrentIndex(kRectangularPage);
    trigger(p, "Polar1");
    EXPECT_EQ(currentPage(p), kRectangularPage);
    EXPECT_EQ(p->leftTable(), left);
    EXPECT_EQ(p->chart()->points(), points);
    EXPECT_TRUE(seam.messages.empty());
}

// The planar window only hides when closed: its fields are still there to read.
TEST_F(ArrayPattern, AHiddenPlanarWindowStillFeedsTheDiagrams)
{
    PatternWindowBase* p = openFrom("planar");
    closeCalculator(qobject_cast<CalculatorWindow*>(WindowRegistry::instance().find("TForm6")));
    p->pages()->setCurrentIndex(kRectangularPage);
    trigger(p, "Polar1");
    EXPECT_EQ(currentPage(p), kPolarPage);
    EXPECT_TRUE(seam.messages.empty());
}

TEST_F(ArrayPattern, AnotherCalculatorTakesOverTheSameWindow)
{
    PatternWindowBase* first = openFrom("broadside");
    const PatternTable broadside = first->leftTable();
    PatternWindowBase* second = openFrom("endfire");
    EXPECT_EQ(first, second);
    EXPECT_EQ(second->windowTitle(), "Diagrama de Irradiação do Arranjo End-Fire");
    EXPECT_EQ(second->chart()->title(), "Diagrama de Irradiação Retangular do Fator do Arranjo End-Fire");
    EXPECT_EQ(second->calculatorCode(), 7);
    EXPECT_NE(second->leftTable(), broadside);
    EXPECT_EQ(textsPainted(second->polarPage()->captions()).at(0).text, "Diagrama do Fator do Arranjo para Theta = 0°");
}

}  // namespace
}  // namespace ondarel::test
