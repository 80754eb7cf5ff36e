// The print window as the pattern windows open it, and the wire pattern
// window's printed polar page.
#include <gtest/gtest.h>

#include <QPushButton>
#include <cmath>

#include "plots/pattern_driver.h"
#include "support/fake_seam.h"

namespace ondarel::test {
namespace {

// A pattern window opened the way its calculator opens it.
struct Opener {
    const char* name;
    const char* calculator;
    std::vector<std::pair<const char*, const char*>> inputs;
    const char* patternClass;
    int printCode;  // what the pattern window writes before printing
};

void PrintTo(const Opener& o, std::ostream* os) { *os << o.name; }

PatternWindowBase* open(const Opener& o)
{
    CalculatorWindow* w = openCalculator(o.calculator);
    for (const auto& [field, keys] : o.inputs) type(w, field, keys);
    trigger(w, "Grafico2D1");
    return patternWindow(o.patternClass);
}

const Opener kDipole{"dipole", "TForm2", {{"input1", "100"}, {"input2", "0.01"}}, "TForm3", 3};
const Opener kBroadside{"broadside", "TForm5", {{"input2", "10"}, {"input3", "0.25"}}, "TForm28", 28};

class PrintWindowOf : public ::testing::TestWithParam<Opener> {
protected:
    SeamScope scope;
    FakeSeam& seam = scope.seam();
};

// Both windows have one polar pair and one chart: two choices only.
TEST_P(PrintWindowOf, OffersThePolarAndTheRectangularDiagramOnly)
{
    PatternWindowBase* p = open(GetParam());
    ASSERT_NE(p, nullptr);
    int codeSeen = 0;
    const bool appeared = printThroughWindow(p, [&](PrintWindow* print) {
        codeSeen = WindowRegistry::instance().windowCode();
        EXPECT_EQ(print->windowTitle(), "Janela de impressão");
        EXPECT_EQ(print->choice(1)->text(), "Diagrama de irradiação polar. ");
        EXPECT_EQ(print->choice(2)->text(), "Diagrama de irradiação retangular.");
        EXPECT_TRUE(print->choice(1)->isChecked());
        EXPECT_TRUE(print->choice(1)->isVisible());
        EXPECT_TRUE(print->choice(2)->isVisible());
        for (int n = 3; n <= 5; ++n) EXPECT_FALSE(print->choice(n)->isVisible()) << n;
        EXPECT_TRUE(print->isModal());
    });
    EXPECT_TRUE(appeared);
    EXPECT_EQ(codeSeen, GetParam().printCode);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(WindowRegistry::instance().find("Tfrmprint"), nullptr);  // freed on close
    EXPECT_TRUE(seam.pages.empty());
    EXPECT_TRUE(seam.messages.empty());
}

TEST_P(PrintWindowOf, TheChartChoiceGoesToThePreviewWithThatChart)
{
    PatternWindowBase* p = open(GetParam());
    printChoice(p, 2);
    ASSERT_EQ(seam.previews.size(), 1u);
    EXPECT_EQ(seam.previews[0], p->chart()->view());
    EXPECT_EQ(seam.printDialogs, 0);
    EXPECT_TRUE(seam.pages.empty());
}

TEST_P(PrintWindowOf, FecharPrintsNothing)
{
    PatternWindowBase* p = open(GetParam());
    printThroughWindow(p, [](PrintWindow* print) { print->findChild<QPushButton*>("FecharButton")->click(); });
    EXPECT_EQ(seam.printDialogs, 0);
    EXPECT_TRUE(seam.previews.empty());
    EXPECT_TRUE(seam.pages.empty());
}

struct CopiesCase {
    std::optional<int> answer;
    std::size_t pages;
};

class PolarCopies : public ::testing::TestWithParam<std::tuple<Opener, CopiesCase>> {
protected:
    SeamScope scope;
    FakeSeam& seam = scope.seam();
};

// Each copy is a print job of its own; a cancelled dialog prints nothing.
TEST_P(PolarCopies, OnePagePerCopy)
{
    const auto& [opener, copies] = GetParam();
    PatternWindowBase* p = open(opener);
    seam.printAnswers.push_back(copies.answer);
    printChoice(p, 1);
    EXPECT_EQ(seam.printDialogs, 1);
    EXPECT_EQ(seam.pages.size(), copies.pages);
    EXPECT_TRUE(seam.previews.empty());
    EXPECT_TRUE(seam.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Windows, PrintWindowOf, ::testing::Values(kDipole, kBroadside),
                         [](const auto& info) { return std::string(info.param.name); });
INSTANTIATE_TEST_SUITE_P(Windows, PolarCopies,
                         ::testing::Combine(::testing::Values(kDipole, kBroadside),
                                            ::testing::Values(CopiesCase{1, 1}, CopiesCase{2, 2},
                                                              CopiesCase{std::nullopt, 0})));

class DipolePolarPrintout : public ::testing::Test {
protected:
    SeamScope scope;
    FakeSeam& seam = scope.seam();
    PatternWindowBase* p = open(kDipole);

    const RecordingCanvas& printOnePage()
    {
        const std::size_t before = seam.pages.size();
        seam.printAnswers.push_back(1);
        printChoice(p, 1);
        EXPECT_EQ(seam.pages.size(), before + 1);
        return seam.pages.back();
    }
};

TEST_F(DipolePolarPrintout, CarriesTheDipolesTitleAndThePlaneCaptionsAtTheirPositions)
{
    const RecordingCanvas& page = printOnePage();
    const CanvasCall* title = page.textAt(700, 150);
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->text, "Diagrama da Antena Dipolo Elementar ou Infinitesimal");
    EXPECT_EQ(title->font.size, 12);
    EXPECT_EQ(title->font.family, "Arial");
    ASSERT_NE(page.textAt(550, 250), nullptr);
    EXPECT_EQ(page.textAt(550, 250)->text, "Plano E (Plano Vertical):");
    EXPECT_EQ(page.textAt(550, 250)->font.size, 8);
    ASSERT_NE(page.textAt(1200, 250), nullptr);
    EXPECT_EQ(page.textAt(1200, 250)->text, "Plano H (Plano Horizontal):");
}

TEST_F(DipolePolarPrintout, DrawsBothDiagramsOfRadius250AroundTheirCentres)
{
    const RecordingCanvas& page = printOnePage();
    auto hasCircle = [&](int cx, int cy, int r) {
        for (const CanvasCall& c : page.of(CallKind::Ellipse))
            if (c.x1 == cx - r && c.y1 == cy - r && c.x2 == cx + r && c.y2 == cy + r) return true;
        return false;
    };
    EXPECT_TRUE(hasCircle(700, 600, 250));
    EXPECT_TRUE(hasCircle(1400, 600, 250));
    EXPECT_FALSE(hasCircle(700, 600, 300));
    // Two curves of 359 segments each, in red with a thin pen.
    const auto curve = page.linesIn(CanvasColor::Red);
    EXPECT_EQ(curve.size(), 2u * 359u);
    for (const CanvasCall& c : curve) EXPECT_EQ(c.penWidth, 1);
    // The H plane is a constant: its curve runs on the outer circle.
    const CanvasCall& onCircle = curve.back();
    EXPECT_NEAR(std::hypot(onCircle.x2 - 1400, onCircle.y2 - 600), 250, 1.5);
}

// Printing writes the pattern window's own number into the window code; the
// window goes on serving the dipole.
TEST_F(DipolePolarPrintout, AfterPrintingTheCommandsStillServeTheDipole)
{
    printOnePage();
    EXPECT_EQ(WindowRegistry::instance().windowCode(), 3);
    p->pages()->setCurrentIndex(kPolarPage);
    trigger(p, "Retangular1");
    EXPECT_EQ(currentPage(p), kRectangularPage);
    EXPECT_EQ(p->chart()->points().size(), 360u);
    trigger(p, "Polar1");
    EXPECT_EQ(currentPage(p), kPolarPage);
    EXPECT_EQ(p->calculatorCode(), 2);
    // A second printout still carries the dipole's title.
    const RecordingCanvas& second = printOnePage();
    ASSERT_NE(second.textAt(700, 150), nullptr);
    EXPECT_EQ(second.textAt(700, 150)->text, "Diagrama da Antena Dipolo Elementar ou Infinitesimal");
    EXPECT_TRUE(seam.messages.empty());
}

TEST_F(DipolePolarPrintout, ThePrintButtonOfTheToolBarOpensTheSameWindow)
{
    auto* button = p->findChild<QToolButton*>("SpeedButton1");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->toolTip(), "Imprimir gráficos");
    bool appeared = false;
    QObject scopeObject;
    QTimer::singleShot(0, &scopeObject, [&] {
        if (auto* print = WindowRegistry::instance().find("Tfrmprint")) {
            appeared = true;
            print->close();
        }
    });
    button->click();
    EXPECT_TRUE(appeared);
}

}  // namespace
}  // namespace ondarel::test
