// The wire pattern window as the infinitesimal dipole opens it.
#include <gtest/gtest.h>

#include <cmath>

#include "plots/pattern_driver.h"
#include "support/fake_seam.h"

namespace ondarel::test {
namespace {

const QString kDipoleCaption = "Diagrama de Irradiação do Dipolo Elementar ou Infinitesimal";
const QString kDipoleChartTitle = "Diagrama de irradiação retangular da antena dipolo infinitesimal";

class DipolePattern : public ::testing::Test {
protected:
    SeamScope scope;
    FakeSeam& seam = scope.seam();
    CalculatorWindow* dipole = openCalculator("TForm2");

    // The user's way in: a key press makes "Gráfico 2D" available.
    PatternWindowBase* openPattern()
    {
        typeAll(dipole, {{"input1", "100"}, {"input2", "0.01"}});
        trigger(dipole, "Grafico2D1");
        return patternWindow("TForm3");
    }

    static double level(const std::vector<QPointF>& points, int angle)
    {
        for (const QPointF& p : points)
            if (p.x() == angle) return p.y();
        ADD_FAILURE() << "no point at " << angle;
        return 1;
    }
};

TEST_F(DipolePattern, Grafico2DOpensTheWindowWithTheDipolesTextsOnTheRectangularPage)
{
    PatternWindowBase* p = openPattern();
    ASSERT_NE(p, nullptr);
    EXPECT_TRUE(p->isVisible());
    EXPECT_EQ(p->windowTitle(), kDipoleCaption);
    EXPECT_EQ(p->chart()->title(), kDipoleChartTitle);
    EXPECT_EQ(currentPage(p), kRectangularPage);
    EXPECT_EQ(p->calculatorCode(), 2);
    EXPECT_EQ(WindowRegistry::instance().windowCode(), 2);
    EXPECT_EQ(p->pages()->tabText(kPolarPage), "Polar");
    EXPECT_EQ(p->pages()->tabText(kRectangularPage), "Retangular");
    EXPECT_TRUE(seam.messages.empty());
}

TEST_F(DipolePattern, TheChartHoldsTheMirroredLevelsInAscendingAngle)
{
    const auto points = openPattern()->chart()->points();
    ASSERT_EQ(points.size(), 360u);
    for (std::size_t i = 1; i < points.size(); ++i) EXPECT_LT(points[i - 1].x(), points[i].x());
    EXPECT_EQ(points.front().x(), -180);
    EXPECT_EQ(points.back().x(), 180);
    for (const QPointF& p : points) {
        EXPECT_NE(p.x(), 0);
        EXPECT_DOUBLE_EQ(p.y(), level(points, -static_cast<int>(p.x())));
    }
}

struct LevelCase {
    int angle;
    double db;
};

class DipoleChartLevels : public DipolePattern, public ::testing::WithParamInterface<LevelCase> {};

// 20·log10|sin θ|, floored at −35 dB where sin θ falls below 0.01; sin 1°
// (0.0175) lies just above the floor and below the axis.
TEST_P(DipoleChartLevels, FollowTheFieldOfASineInDecibels)
{
    const auto points = openPattern()->chart()->points();
    EXPECT_NEAR(level(points, GetParam().angle), GetParam().db, 1e-4) << GetParam().angle;
}

INSTANTIATE_TEST_SUITE_P(Angles, DipoleChartLevels,
                         ::testing::Values(LevelCase{90, 0}, LevelCase{-90, 0}, LevelCase{180, -35},
                                           LevelCase{-180, -35}, LevelCase{30, -6.0206}, LevelCase{-150, -6.0206},
                                           LevelCase{1, -35.1629}));

TEST_F(DipolePattern, ThePolarTablesAreASquaredSineAndAConstant)
{
    PatternWindowBase* p = openPattern();
    const PatternTable& e = p->leftTable();
    const PatternTable& h = p->rightTable();
    for (int k = 1; k <= 360; ++k) {
        const double s = std::sin(k * M_PI / 180);
        EXPECT_NEAR(static_cast<double>(e[static_cast<std::size_t>(k)]), s * s, 1e-9) << k;
        EXPECT_EQ(h[static_cast<std::size_t>(k)], 100) << k;
    }
    EXPECT_EQ(e[90], 1);
    EXPECT_EQ(e[270], 1);
}

TEST_F(DipolePattern, TheTitleStripNamesBothPlanes)
{
    PatternWindowBase* p = openPattern();
    p->pages()->setCurrentIndex(kPolarPage);
    const auto texts = textsPainted(p->polarPage()->captions());
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "Plano E (Plano Vertical)");
    EXPECT_EQ(texts[0].x, 10);
    EXPECT_EQ(texts[1].text, "Plano H (Plano Horizontal)");
    EXPECT_EQ(texts[1].x, p->polarPage()->width() / 2 + 10);
}

TEST_F(DipolePattern, ASecondGrafico2DReusesTheWindowAndSetsItsTextsAgain)
{
    PatternWindowBase* first = openPattern();
    first->setWindowTitle("outro");
    first->setChartTitle("outro");
    first->pages()->setCurrentIndex(kPolarPage);
    first->showMinimized();
    trigger(dipole, "Grafico2D1");
    EXPECT_EQ(patternWindow("TForm3"), first);
    EXPECT_EQ(first->windowTitle(), kDipoleCaption);
    EXPECT_EQ(first->chart()->title(), kDipoleChartTitle);
    EXPECT_EQ(currentPage(first), kRectangularPage);
    EXPECT_FALSE(first->windowState() & Qt::WindowMinimized);
    EXPECT_EQ(first->chart()->points().size(), 360u);
}

TEST_F(DipolePattern, ItsOwnCommandsTurnThePages)
{
    PatternWindowBase* p = openPattern();
    trigger(p, "Polar1");
    EXPECT_EQ(currentPage(p), kPolarPage);
    trigger(p, "Retangular1");
    EXPECT_EQ(currentPage(p), kRectangularPage);
    EXPECT_EQ(menuItem(p, "Polar1")->shortcut(), QKeySequence("Ctrl+O"));
    EXPECT_EQ(menuItem(p, "Retangular1")->shortcut(), QKeySequence("Ctrl+R"));
    EXPECT_EQ(menuItem(p, "Imprimir1")->shortcut(), QKeySequence("Ctrl+P"));
}

// A pattern window whose calculator has gone has nobody to draw for.
TEST_F(DipolePattern, AfterTheDipoleWindowClosesPolarAndRetangularDoNothing)
{
    PatternWindowBase* p = openPattern();
    const PatternTable e = p->leftTable();
    const PatternTable h = p->rightTable();
    const auto points = p->chart()->points();
    closeCalculator(dipole);
    ASSERT_EQ(WindowRegistry::instance().find("TForm2"), nullptr);
    ASSERT_EQ(patternWindow("TForm3"), p);

    trigger(p, "Polar1");
    EXPECT_EQ(currentPage(p), kRectangularPage);
    p->pages()->setCurrentIndex(kPolarPage);
    trigger(p, "Retangular1");
    EXPECT_EQ(currentPage(p), kPolarPage);
    EXPECT_EQ(p->leftTable(), e);
    EXPECT_EQ(p->rightTable(), h);
    EXPECT_EQ(p->chart()->points(), points);
    EXPECT_TRUE(seam.messages.empty());
}

TEST_F(DipolePattern, VoltarAoProjetoClosesAndFreesTheWindow)
{
    PatternWindowBase* p = openPattern();
    auto* back = p->findChild<QToolButton*>("SpeedButton2");
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->toolTip(), "Voltar ao projeto");
    back->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(WindowRegistry::instance().find("TForm3"), nullptr);
    // The next "Gráfico 2D" builds a new one.
    trigger(dipole, "Grafico2D1");
    ASSERT_NE(patternWindow("TForm3"), nullptr);
    EXPECT_EQ(patternWindow("TForm3")->windowTitle(), kDipoleCaption);
}

}  // namespace
}  // namespace ondarel::test
