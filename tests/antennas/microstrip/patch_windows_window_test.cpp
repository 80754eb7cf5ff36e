// The two patch calculators and their diagram windows, driven offscreen.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include "framework/pick_list_dialog.h"

#include "plots/chart_panel.h"
#include "plots/patch_pattern_window.h"
#include "plots/pattern_driver.h"
#include "plots/print_window.h"
#include "support/fake_seam.h"

namespace ondarel::test {
namespace {

class PatchWindows : public ::testing::Test {
protected:
    SeamScope scope;
    FakeSeam& seam = scope.seam();

    static CalculatorWindow* rectangular()
    {
        CalculatorWindow* w = openCalculator("TForm16");
        typeAll(w, {{"Freq", "10"},
                    {"constdiel", "2.2"},
                    {"altura", "0.1588"},
                    {"Tangente", "0.0009"},
                    {"Imped", "50"},
                    {"condut", "58000000"},
                    {"Angulo", "0"},
                    {"VSW", "2"}});
        return w;
    }
};

// The patch arrays: counts reopened as "4.000" compute as 4, the circular
// array's "Grafico&s" stays disabled, and the data sheet prints what is shown.
TEST_F(PatchWindows, TheArraysReopenTheirCountsAndDrawNoDiagrams)
{
    QTemporaryDir dir;
    for (const char* windowClass : {"TForm18", "TForm21"}) {
        CalculatorWindow* w = openCalculator(windowClass);
        typeAll(w, {{"Freq", "10"},
                    {"constdiel", "2.2"},
                    {"Tangente", "0.0009"},
                    {"altura", "0.1588"},
                    {"VSWR", "2"},
                    {"NumHoz", "4"},
                    {"NumVer", "4"},
                    {"EspHoz", "1.5"},
                    {"EspVer", "1.5"}});
        const bool circular = QString(windowClass) == "TForm21";
        EXPECT_EQ(menuItem(w, "Grafico2D1")->isEnabled(), !circular) << windowClass;
        EXPECT_TRUE(menuItem(w, "Calcular1")->isEnabled());
        const QString file = dir.filePath(circular ? "a.mac" : "a.mar");
        seam.saveAnswers.push_back(file);
        trigger(w, "SalvarComo1");
        trigger(w, "Novo1");
        seam.openAnswers.push_back(file);
        trigger(w, "Abrir1");
        EXPECT_EQ(text(w, "NumHoz"), "4.000");
        EXPECT_EQ(statusText(w), circular ? "a.mac" : "a.mar");
        EXPECT_EQ(text(w, "CompHoz"), circular ? "8.700" : "8.124");
        trigger(w, "Grafico2D1");  // no diagrams to open
        EXPECT_EQ(menuItem(w, "Grafico2D1")->isEnabled(), !circular);
        seam.printAnswers = {1};
        seam.pages.clear();
        trigger(w, "Imprimir1");
        ASSERT_EQ(seam.pages.size(), 1u);
        EXPECT_EQ(seam.pages[0].textAt(1000, 500)->text, "4.000");
        // tan δ came back as "0.001": a little lossier than the typed 0.0009.
        EXPECT_EQ(text(w, "Tangente"), "0.001");
        EXPECT_EQ(seam.pages[0].textAt(1000, 1200)->text, circular ? "98.149" : "98.134");
    }
    EXPECT_TRUE(seam.messages.empty());
}

TEST_F(PatchWindows, EitherFeedButtonComputesAndClearsTheOtherFeedsResult)
{
    CalculatorWindow* w = rectangular();
    auto* strip = w->findChild<QRadioButton*>("Strip");
    auto* cable = w->findChild<QRadioButton*>("Cabo");
    ASSERT_TRUE(strip && cable);
    EXPECT_TRUE(cable->isChecked());
    struct Step {
        QRadioButton* button;
        const char* input;
        const char* inset;
        const char* edge;
    };
    for (const Step& s : {Step{strip, "228.411", "0.313", ""}, Step{cable, "151.789", "", "0.000"},
                          Step{cable, "151.789", "", "0.000"}}) {
        s.button->click();
        EXPECT_EQ(text(w, "impedancia"), s.input);
        EXPECT_EQ(text(w, "Dista"), s.inset);
        EXPECT_EQ(text(w, "distancia"), s.edge);
    }
    // The data sheet names the feed that is checked.
    for (const auto& [button, feed] :
         {std::pair{strip, "LTM - Linha de transmissão de microfita."}, std::pair{cable, "Cabo coaxial de 50 Ohms."}}) {
        button->click();
        seam.printAnswers.push_back(1);
        trigger(w, "Imprimir1");
        ASSERT_FALSE(seam.pages.empty());
        const CanvasCall* call = seam.pages.back().textAt(1000, 650);
        ASSERT_NE(call, nullptr);
        EXPECT_EQ(call->text, feed);
        EXPECT_EQ(seam.pages.back().textAt(150, 650)->text, "Tipo de Alimentador:");
    }
    EXPECT_TRUE(seam.messages.empty());
}

TEST_F(PatchWindows, TheRectangularDiagramsRunTheirFourCommands)
{
    CalculatorWindow* w = rectangular();
    trigger(w, "Calcular1");
    trigger(w, "Grafico2D1");
    // The cable feed leaves no inset: "Rr x L" refuses and the rest goes on.
    EXPECT_EQ(seam.messageTexts(),
              (std::vector<QString>{"Ponto de Alimentação para Ressonância com Alimentação de Microfita Inválida!!"}));
    auto* p = dynamic_cast<PatchPatternWindow*>(patternWindow("TForm22"));
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->windowTitle(), "Diagrama de Irradiação da Antena de Microfita Retangular");
    EXPECT_EQ(currentPage(p), kPolarPage);
    EXPECT_GT(p->rightTable()[90], 0);
    EXPECT_EQ(p->chart()->points(0).size(), 180u);
    EXPECT_EQ(p->chart()->points(1).size(), 180u);
    EXPECT_EQ(p->resistanceChart(1)->points().size(), 180u);
    EXPECT_TRUE(p->resistanceChart(0)->points().empty());
    EXPECT_EQ(
        p->chartTitles(),
        (QStringList{"Diagrama Retangular da Antena de Microfita Retangular",
                     "Impedância de entrada com alimentador (Cabo coaxial de 50 Ohms) x Comprimento elétrico (ßl)",
                     "Impedância de ressonância  (Ohms) x Comprimento da antena (L=cm)"}));
    // With the line feed "Rr x L" draws.
    seam.messages.clear();
    w->findChild<QRadioButton*>("Strip")->click();
    trigger(w, "Grafico2D1");
    EXPECT_TRUE(seam.messages.empty());
    EXPECT_EQ(p->resistanceChart(0)->points().size(), 99u);
}

TEST_F(PatchWindows, TheCircularDiagramsOpenOnThePolarPage)
{
    CalculatorWindow* w = openCalculator("TForm17");
    typeAll(w, {{"freq", "10"},
                {"constdiel2", "2.2"},
                {"altura2", "0.1588"},
                {"TanPerda2", "0"},
                {"ImpRes", "50"},
                {"condut2", "58000000"},
                {"VSW", "2"}});
    trigger(w, "Calcular1");
    EXPECT_EQ(text(w, "Raioatual"), "0.525");
    // Its own menu: "O&pção" with "Gráfico&s" and "&Geometria" only, "A&juda".
    EXPECT_EQ(menuItem(w, "Opcao1")->text(), "O&pção");
    EXPECT_EQ(menuItem(w, "Ajuda1")->text(), "A&juda");
    EXPECT_EQ(menuItem(w, "Grafico2D1")->text(), "Gráfico&s");
    EXPECT_FALSE(menuItem(w, "Grafico3D1")->isVisible());
    EXPECT_TRUE(menuItem(openCalculator("TForm16"), "Grafico3D1")->isVisible());
    trigger(w, "Grafico2D1");
    auto* p = dynamic_cast<PatchPatternWindow*>(patternWindow("TForm24"));
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->windowTitle(), "Diagrama de Irradiação da Antena de Microfita Circular");
    EXPECT_EQ(currentPage(p), kPolarPage);
    EXPECT_EQ(p->chart()->title(), "Diagrama Retangular da Antena de Microfita Circular");
    EXPECT_EQ(p->chart()->points(1).size(), 180u);
    EXPECT_EQ(p->chartTitles().size(), 1);
    // Its menu's "Imprimir" does nothing; the tool button "Imprimir gráficos"
    // writes code 24, and the polar page carries the circular patch's title.
    trigger(p, "Imprimir1");
    EXPECT_EQ(WindowRegistry::instance().find("Tfrmprint"), nullptr);
    seam.printAnswers.push_back(1);
    bool hidden = false;
    QObject scope;
    QTimer::singleShot(0, &scope, [&] {
        auto* print = qobject_cast<PrintWindow*>(WindowRegistry::instance().find("Tfrmprint"));
        ASSERT_NE(print, nullptr);
        EXPECT_EQ(WindowRegistry::instance().windowCode(), 24);
        hidden = !print->choice(3)->isVisibleTo(print);
        print->choice(1)->click();
        print->OKClick();
        print->close();
    });
    p->findChild<QToolButton*>("SpeedButton1")->click();
    EXPECT_TRUE(hidden);
    ASSERT_EQ(seam.pages.size(), 1u);
    for (const auto& [x, y, expected] : std::vector<std::tuple<int, int, QString>>{
             {100, 100, "Diagrama de Irradiação para Antenas de Microfita Circular"},
             {200, 150, "Plano E (Plano Horizontal)"},
             {1050, 150, "Plano H (Plano Vertical)"}}) {
        const CanvasCall* call = seam.pages[0].textAt(x, y);
        ASSERT_NE(call, nullptr) << x << "," << y;
        EXPECT_EQ(QString::fromStdString(call->text), expected);
    }
    EXPECT_TRUE(seam.messages.empty());
}

// "..." beside the permittivity opens the substrate dialog modally; "OK"
// untouched writes the first items into the patch that opened it.
TEST_F(PatchWindows, TheSubstrateDialogFillsEitherPatch)
{
    struct Case {
        const char* calculator;
        int code;
        std::vector<std::pair<const char*, const char*>> written;
    };
    for (const Case& c :
         {Case{"TForm16",
               16,
               {{"constdiel", "2.20"}, {"Tangente", "0.0009"}, {"altura", "0.013"}, {"condut", "39600000"}}},
          Case{"TForm17",
               17,
               {{"constdiel2", "2.20"}, {"TanPerda2", "0.0009"}, {"altura2", "0.013"}, {"condut2", "39600000"}}}}) {
        CalculatorWindow* w = openCalculator(c.calculator);
        bool appeared = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<PickListDialog*>(WindowRegistry::instance().find("TDialogMenu2"));
            ASSERT_NE(dialog, nullptr);
            appeared = true;
            EXPECT_TRUE(dialog->isModal());
            EXPECT_EQ(WindowRegistry::instance().windowCode(), c.code);
            dialog->OKClick();
        });
        w->findChild<QPushButton*>("Button1")->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(appeared) << c.calculator;
        for (const auto& [field, value] : c.written) EXPECT_EQ(text(w, field), value) << field;
    }
    EXPECT_TRUE(seam.messages.empty());
}

}  // namespace
}  // namespace ondarel::test
