// The finite dipole's calculator window and its diagrams window TForm38,
// driven offscreen as a user drives them.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTimer>

#include <QAbstractScrollArea>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QToolButton>

#include "plots/finite_dipole_window.h"
#include "plots/pattern_driver.h"
#include "support/fake_seam.h"

namespace ondarel::test {
namespace {

const QString kLinear = "A Antena se comporta como um Dipolo Linear!";
const QString kFault = "Erro de operação com dados do tipo real !";
constexpr int kResistancePage = 2, kReactancePage = 3, kDirectivityPage = 4;

class FiniteDipoleWindows : public ::testing::Test {
protected:
    SeamScope scope;
    FakeSeam& seam = scope.seam();
    CalculatorWindow* dipole = openCalculator("TForm4");

    FiniteDipoleWindow* openDiagrams(const char* length = "0.5", const char* radius = "0.001")
    {
        typeAll(dipole, {{"input1", "300"}, {"input2", length}, {"input3", radius}, {"input4", "57000000"}});
        trigger(dipole, "Grafico2D1");
        return dynamic_cast<FiniteDipoleWindow*>(WindowRegistry::instance().find("TForm38"));
    }
};

TEST_F(FiniteDipoleWindows, CalcularShowsTheNoteThenTheResults)
{
    typeAll(dipole, {{"input1", "300"}, {"input2", "0.5"}, {"input3", "0.001"}, {"input4", "57000000"}});
    trigger(dipole, "Calcular1");
    EXPECT_EQ(seam.messages, (std::vector<Message>{{MessageKind::Information, kLinear}}));
    EXPECT_EQ(text(dipole, "output9"), "73.151");
    EXPECT_EQ(text(dipole, "output10"), "42.550");
    EXPECT_EQ(text(dipole, "output4"), "1.641");
    EXPECT_TRUE(dipole->field("output9")->isEnabled());
    // The "..." beside the conductivity opens the commercial-parameter
    // dialog for this calculator; "OK" writes the chosen conductivity.
    bool appeared = false;
    QObject timerScope;
    QTimer::singleShot(0, &timerScope, [&] {
        auto* dialog = WindowRegistry::instance().find("TDialogMenu1");
        if (!dialog) return;
        appeared = true;
        EXPECT_EQ(WindowRegistry::instance().windowCode(), 4);
        dialog->findChild<QPushButton*>("OKBtn")->click();
    });
    dipole->findChild<QPushButton*>("Button1")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(appeared);
    EXPECT_EQ(text(dipole, "input4"), "39600000");  // the list's first conductivity, aluminium
}

TEST_F(FiniteDipoleWindows, APoleGivesTheNoteThenTheFaultAndKeepsTheResults)
{
    typeAll(dipole, {{"input1", "300"}, {"input2", "0.5"}, {"input3", "0.001"}, {"input4", "57000000"}});
    trigger(dipole, "Calcular1");
    dipole->field("input2")->setText("0.990099009901");
    seam.messages.clear();
    trigger(dipole, "Calcular1");
    EXPECT_EQ(seam.messages, (std::vector<Message>{{MessageKind::Information, kLinear}, {MessageKind::Plain, kFault}}));
    EXPECT_EQ(text(dipole, "output9"), "73.151");
}

TEST_F(FiniteDipoleWindows, Graficos2DRunsEveryCommandSetsTheTitlesAndEndsOnPolar)
{
    FiniteDipoleWindow* w = openDiagrams();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), "Diagrama de Irradiação da Antena Dipolo Filamentar e Gráficos");
    EXPECT_EQ(currentPage(w), kPolarPage);
    EXPECT_EQ(
        w->chartTitles(),
        (QStringList{"Diagrama de irradiação retangular da antena dipolo filamentar",
                     "Gráfico das resistências de irradiação e de entrada x Comprimento da antena dipolo "
                     "filamentar",
                     "Gráfico das reatâncias de irradiação e de entrada x Comprimento da antena dipolo filamentar",
                     "Gráfico da diretividade x Comprimento da antena dipolo filamentar"}));
    EXPECT_EQ(w->chart()->points().size(), 360u);
    struct Curve {
        std::size_t chart;
        int series;
        const char* name;
        std::size_t points;
    };
    for (const Curve& c : {Curve{0, 0, "Rr - Resist. Irrad.", 179}, Curve{0, 1, "Rent - Resist. Ent.", 179},
                           Curve{1, 0, "Xm - Reatância Irrad.", 179}, Curve{1, 1, "Xent - Reatância Entrada", 179},
                           Curve{2, 0, "D0 - Diretividade", 399}}) {
        EXPECT_EQ(w->curveChart(c.chart)->seriesTitle(c.series), c.name);
        EXPECT_EQ(w->curveChart(c.chart)->points(c.series).size(), c.points) << c.name;
    }
    EXPECT_TRUE(w->curveChart(0)->legendVisible());
    EXPECT_TRUE(w->curveChart(1)->legendVisible());
    EXPECT_FALSE(w->curveChart(2)->legendVisible());
    // Half wave: the E plane peaks broadside, the H plane is a full circle.
    EXPECT_NEAR(static_cast<double>(w->leftTable()[90]), 1, 1e-9);
    EXPECT_EQ(w->rightTable()[200], 100);
    EXPECT_TRUE(seam.messages.empty());
}

TEST_F(FiniteDipoleWindows, MenuEntriesShortcutsAndChartClicksRunTheirPagesCommand)
{
    FiniteDipoleWindow* w = openDiagrams();
    ASSERT_NE(w, nullptr);
    QStringList captions;
    for (QAction* a : w->menuBar()->actions().constFirst()->menu()->actions())
        captions << (a->isSeparator() ? "-" : a->text() + " " + a->shortcut().toString());
    EXPECT_EQ(captions, (QStringList{"P&olar Ctrl+O", "&Retangular Ctrl+R", "Rr, Rin x Comp. &Norm. Dipolo Ctrl+N",
                                     "&Xm, Xin x Comp. Norm. Dipolo Ctrl+X", "&D0 x Comp. Norm. Dipolo Ctrl+D", "-",
                                     "Im&primir Ctrl+P"}));
    QStringList tabs;
    for (int i = 0; i < w->pages()->count(); ++i) tabs << w->pages()->tabText(i);
    EXPECT_EQ(tabs, (QStringList{"Polar", "Retangular", "Rr, Rent x Comp. Norm.", "Xm, Xent x Comp. Norm.",
                                 "D0 x Comp. Norm."}));
    struct Step {
        const char* action;
        int page;
    };
    for (const Step& s : {Step{"RrRin1", kResistancePage}, Step{"XmXin1", kReactancePage},
                          Step{"D01", kDirectivityPage}, Step{"Retangular1", kRectangularPage}}) {
        trigger(w, s.action);
        EXPECT_EQ(currentPage(w), s.page) << s.action;
    }
    // A click on the directivity chart, shown from another page, runs its command.
    w->pages()->setCurrentIndex(kPolarPage);
    QWidget* viewport = qobject_cast<QAbstractScrollArea*>(w->curveChart(2)->view())->viewport();
    ASSERT_NE(viewport, nullptr);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(50, 50), QPointF(50, 50), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &press);
    EXPECT_EQ(currentPage(w), kDirectivityPage);
}

TEST_F(FiniteDipoleWindows, NothingIsDoneUnlessTheCurrentCodeIsTheDipoles)
{
    FiniteDipoleWindow* w = openDiagrams();
    ASSERT_NE(w, nullptr);
    const PatternTable halfWave = w->leftTable();
    WindowRegistry::instance().setWindowCode(38);  // as after printing
    dipole->field("input2")->setText("1.5");
    for (const char* action : {"Polar1", "Retangular1", "RrRin1", "XmXin1", "D01"}) trigger(w, action);
    EXPECT_EQ(w->leftTable(), halfWave);
    EXPECT_EQ(currentPage(w), kPolarPage);
    WindowRegistry::instance().setWindowCode(4);
    trigger(w, "Polar1");
    EXPECT_NE(w->leftTable(), halfWave);
    EXPECT_NEAR(static_cast<double>(w->leftTable()[90]), 1, 1e-9);  // (1 − cos 1.5π)²
    EXPECT_TRUE(seam.messages.empty());
}

TEST_F(FiniteDipoleWindows, AMissingRadiusFaultsTheReactanceCurveOnly)
{
    FiniteDipoleWindow* w = openDiagrams("0.5", "");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(seam.messages, (std::vector<Message>{{MessageKind::Plain, kFault}}));
    seam.messages.clear();
    trigger(w, "RrRin1");
    EXPECT_TRUE(seam.messages.empty());
    trigger(w, "XmXin1");
    EXPECT_EQ(seam.messages, (std::vector<Message>{{MessageKind::Plain, kFault}}));
}

TEST_F(FiniteDipoleWindows, PrintOffersThePolarPairAndTheFourChartsByTitle)
{
    FiniteDipoleWindow* w = openDiagrams();
    ASSERT_NE(w, nullptr);
    QStringList captions;
    bool allVisible = true;
    printThroughWindow(w, [&](PrintWindow* print) {
        for (int n = 1; n <= 5; ++n) {
            captions << print->choice(n)->text();
            allVisible = allVisible && !print->choice(n)->isHidden();
        }
    });
    EXPECT_TRUE(allVisible);
    EXPECT_EQ(captions.mid(1), w->chartTitles());
    EXPECT_EQ(WindowRegistry::instance().windowCode(), 38);

    printChoice(w, 4);  // the reactance chart
    ASSERT_EQ(seam.previews.size(), 1u);
    EXPECT_EQ(seam.previews[0], w->curveChart(1)->view());

    seam.printAnswers = {2};
    printChoice(w, 1);
    ASSERT_EQ(seam.pages.size(), 2u);
    const auto& page = seam.pages[0];
    struct Printed {
        int x, y;
        const char* text;
    };
    for (const Printed& p :
         {Printed{100, 100, "Diagrama de Irradiação para Antenas Filamentar"},
          Printed{200, 150, "Plano E (Plano Horizontal)"}, Printed{1050, 150, "Plano H (Plano Vertical)"}}) {
        const CanvasCall* call = page.textAt(p.x, p.y);
        ASSERT_NE(call, nullptr) << p.text;
        EXPECT_EQ(call->text, p.text);
        EXPECT_EQ(call->font.size, 8);
    }
}

}  // namespace
}  // namespace ondarel::test
