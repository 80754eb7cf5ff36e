// The four geometry windows: their pages and legends, the "&Voltar" menus,
// each calculator's "&Geometria", the drawings' labels and the line with the
// calling calculator's current dimensions.
#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QTabWidget>
#include <map>

#include "framework/window_driver.h"
#include "geometry/figures.h"
#include "geometry/geometry_picture_window.h"
#include "support/fake_seam.h"

namespace ondarel::test {
namespace {

GeometryPictureWindow* openGeometry(const QString& windowClass)
{
    return dynamic_cast<GeometryPictureWindow*>(WindowRegistry::instance().openOrShow(windowClass));
}

std::vector<Sketch::PlacedLabel> drawnLabels(Figure figure)
{
    QImage image(920, 440, QImage::Format_ARGB32);
    QPainter painter(&image);
    Sketch sketch(painter, QRectF(image.rect()), figureSize(figure));
    drawFigure(figure, sketch);
    return sketch.labels();
}

// Every text a page shows: legend and caption labels, legend symbols and
// the labels painted in its drawings.
QStringList pageTexts(GeometryPictureWindow* w, int index)
{
    QStringList texts;
    QWidget* page = w->pages()->widget(index);
    for (QLabel* label : page->findChildren<QLabel*>()) texts << label->text();
    for (QWidget* symbol : page->findChildren<QWidget*>("Symbol")) texts << symbol->accessibleName();
    const auto& spec = *geometryWindow(w->objectName().toStdString());
    for (const Panel& panel : spec.pages[std::size_t(index)].panels)
        for (const auto& label : drawnLabels(panel.figure)) texts << label.text;
    return texts;
}

struct PageCase {
    const char* window;
    int index;
    const char* title;
    QStringList texts;  // a selection, as the window must show them
};

void PrintTo(const PageCase& c, std::ostream* os) { *os << c.window << " page " << c.index; }

class GeometryPages : public ::testing::TestWithParam<PageCase> {
protected:
    SeamScope scope;
};

TEST_P(GeometryPages, ShowTheirTitleAndLegendsInOrder)
{
    GeometryPictureWindow* w = openGeometry(GetParam().window);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->pages()->tabText(GetParam().index), GetParam().title);
    const QStringList texts = pageTexts(w, GetParam().index);
    for (const QString& expected : GetParam().texts) EXPECT_TRUE(texts.contains(expected)) << expected.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    AllPages, GeometryPages,
    ::testing::Values(
        PageCase{"TForm9",
                 0,
                 "Dipolo",
                 {"2a - Diâmetro do tubo. ", "l - ", "Comprimento do dipolo. ", "- Dipolo infinitesimal.", "l", "2a"}},
        PageCase{"TForm9",
                 1,
                 "Helicoidal",
                 {"2a", "S", "D", "L", "Lo", "C =    D", "α", "Lo - Comprimento do fio entre cada volta.",
                  "- Ângulo de passo."}},
        PageCase{
            "TForm9", 2, "Espira Circular", {"- Espira circular raio finito;", "- Espira circular infinitesimal;"}},
        PageCase{"TForm9",
                 3,
                 "Log - Periódica",
                 {"an", "dn", "ln", " - Espaçamento entre os elementos.", " - Ângulo de abertura da antena."}},
        PageCase{"TForm9",
                 4,
                 "Yagi - Uda Espira Circular",
                 {"Refletor", "Excitador", "Diretores", "S", "b - Raio dos diretores."}},
        PageCase{"TForm9",
                 5,
                 "Yagi - Uda de Dipolos",
                 {"Dipolo Excitador", "Refletor", "Diretores", "Sik", "2a", "li", " - Comprimento dos diretores."}},
        PageCase{"TForm23",
                 0,
                 "Retangular",
                 {"Antena de Microfita Retangular", "Plano de terra", "εr", "- Constante dielétrica relativa.", "yo",
                  "W", "L", "h", "t", "L - Comprimento da antena de microfita retangular. "}},
        PageCase{"TForm23",
                 1,
                 "Circular",
                 {"Antena de Microfita Circular", "t - Espessura da antena e do plano de terra.", "h", "t"}},
        PageCase{"TForm23",
                 2,
                 "Arranjo Retangular",
                 {"D1", "D2", "Rin", "Zo", "Zo - Impedância característca das linhas de transmissão."}},
        PageCase{"TForm23",
                 3,
                 "Arranjo Circular",
                 {"D1", "D2", "Zt", "Zo", "Zt - Impedância do transformador de impedâncias."}},
        PageCase{
            "TForm23", 4, "Yagi-Uda", {"Antena de Microfita Yagi-Uda", "H", "H - Altura do substrato dielétrico."}},
        PageCase{"TForm23", 5, "Log-Periódica", {"Antena de Microfita Log-periódica"}},
        PageCase{"TForm35",
                 0,
                 "Casador T",
                 {"2a", "2a'", "l'/2", "S", "C", "l", "l'/2 - ", "Metade do comprimento das varetas  ", "l -  "}},
        PageCase{"TForm35",
                 1,
                 "Casador Gamma",
                 {"Zc", "l  - ", "Metade do comprimento  da vareta", "Zc - Impedância característica do cabo coaxial"}},
        PageCase{"TForm35",
                 2,
                 "Dipolo Dobrado",
                 {"V", "S", "l", "2a", "V - Tensão aplicada no terminal do dipolo dobrado ",
                  "2a - Diâmetro dos Condutores "}},
        PageCase{
            "TForm35",
            3,
            "Acoplamento em L",
            {"Zs", "Zo", "Xa", "Zp", "Ra", "Za - Ra +/- j Xa  - Impedância de entrada da  antena no espaço livre."}},
        PageCase{"TfrmGemAbert",
                 0,
                 "Abertura Retangular",
                 {"Antena de abertura retangular - Uniforme. ", "Antena de abertura retangular - Modo TE10. ", "a", "b",
                  "b - Dimensão da abertura ao longo do eixo y."}},
        PageCase{"TfrmGemAbert",
                 1,
                 "Abertura Circular",
                 {"Antena de abertura Circular - Uniforme.", "Antena de abertura circular - Modo TE11.",
                  "a - Raio da abertura."}}));

// No drawing's labels run into each other or off the drawing.
TEST(GeometryFigures, KeepTheirLabelsApartAndOnTheDrawing)
{
    for (int f = int(Figure::Dipole); f <= int(Figure::CircularApertureTe11); ++f) {
        const Figure figure = Figure(f);
        const QRectF area(QPointF(0, 0), figureSize(figure));
        const auto labels = drawnLabels(figure);
        for (std::size_t i = 0; i < labels.size(); ++i) {
            EXPECT_TRUE(area.contains(labels[i].rect)) << f << " " << labels[i].text.toStdString();
            for (std::size_t j = i + 1; j < labels.size(); ++j)
                EXPECT_FALSE(labels[i].rect.intersects(labels[j].rect))
                    << f << " " << labels[i].text.toStdString() << " / " << labels[j].text.toStdString();
        }
    }
}

struct WindowCase {
    const char* window;
    const char* title;
    QSize client;  // fixed client area; empty for the sizeable window
    int initialPage;
    bool hides;
};

void PrintTo(const WindowCase& c, std::ostream* os) { *os << c.window; }

class GeometryWindows : public ::testing::TestWithParam<WindowCase> {
protected:
    SeamScope scope;
};

TEST_P(GeometryWindows, OpenOnTheirInitialPageAndCloseAsSpecified)
{
    GeometryPictureWindow* w = openGeometry(GetParam().window);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), GetParam().title);
    EXPECT_EQ(w->pages()->currentIndex(), GetParam().initialPage);
    if (GetParam().client.isEmpty()) {
        EXPECT_NE(w->minimumSize(), w->maximumSize());
    } else {
        EXPECT_EQ(w->size(), GetParam().client + QSize(0, w->menuBar()->height()));
        EXPECT_EQ(w->minimumSize(), w->maximumSize());
    }
    w->showPage(0);
    trigger(w, "Sair1");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QWidget* again = WindowRegistry::instance().find(GetParam().window);
    EXPECT_EQ(again != nullptr, GetParam().hides);
    w = openGeometry(GetParam().window);
    EXPECT_EQ(w->pages()->currentIndex(), GetParam().hides ? 0 : GetParam().initialPage);
    // The main window's menu leaves the page as it is.
    w->showPage(1);
    openGeometry(GetParam().window);
    EXPECT_EQ(w->pages()->currentIndex(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    FourWindows, GeometryWindows,
    ::testing::Values(WindowCase{"TForm9", "Geometria - Antenas Filamentares", {572, 429}, 3, false},
                      WindowCase{"TForm23", "Geometria - Antenas de Microfita", {583, 445}, 0, false},
                      WindowCase{"TForm35", "Geometria - Casadores", {}, 3, true},
                      WindowCase{"TfrmGemAbert", "Geometria - Antenas de Abertura", {572, 300}, 1, false}));

struct LinkCase {
    const char* calculator;
    const char* window;
    const char* backEntry;  // caption in "&Voltar"
    int page;               // -1: the page stays as it was
};

void PrintTo(const LinkCase& c, std::ostream* os) { *os << c.calculator; }

class GeometryLinks : public ::testing::TestWithParam<LinkCase> {
protected:
    SeamScope scope;
};

TEST_P(GeometryLinks, GeometriaLandsOnThePageAndVoltarOpensTheCalculator)
{
    CalculatorWindow* c = openCalculator(GetParam().calculator);
    ASSERT_NE(c, nullptr);
    GeometryPictureWindow* w = openGeometry(GetParam().window);
    const int before = GetParam().page == 0 ? 1 : 0;
    w->showPage(before);
    trigger(c, "Geometria1");
    EXPECT_EQ(WindowRegistry::instance().find(GetParam().window), w);
    EXPECT_EQ(w->pages()->currentIndex(), GetParam().page < 0 ? before : GetParam().page);

    trigger(c, "Fechar1");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QAction* back = nullptr;
    for (QAction* a : w->findChild<QMenu*>("Voltar1")->actions())
        if (a->text() == GetParam().backEntry) back = a;
    ASSERT_NE(back, nullptr);
    ASSERT_TRUE(back->isEnabled());
    back->trigger();
    QWidget* reopened = WindowRegistry::instance().find(GetParam().calculator);
    ASSERT_NE(reopened, nullptr);
    EXPECT_TRUE(reopened->isVisible());
    EXPECT_TRUE(scope.seam().messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    EveryBuiltCalculator, GeometryLinks,
    ::testing::Values(
        LinkCase{"TForm2", "TForm9", "Dipolo Infinitesimal", 0}, LinkCase{"TForm4", "TForm9", "Dipolo Filamentar", 0},
        LinkCase{"TForm8", "TForm9", "Helicoidal - Modo Axial", 1},
        LinkCase{"TForm12", "TForm9", "Helicoidal - Modo Normal", -1},
        LinkCase{"TForm10", "TForm9", "Espira Circular", 2},
        LinkCase{"TForm13", "TfrmGemAbert", "Abertura retangular - Distribuição uniforme", 0},
        LinkCase{"TForm27", "TfrmGemAbert", "Abertura retangular - Distribuição modo TE10", 0},
        LinkCase{"TForm26", "TfrmGemAbert", "Abertura circular - Distribuição uniforme", 1},
        LinkCase{"TForm30", "TfrmGemAbert", "Abertura circular - Distribuição modo TE11", 1},
        LinkCase{"TForm31", "TForm35", "Casador &T", 0}, LinkCase{"TForm33", "TForm35", "Casador &Gamma", 1},
        LinkCase{"TForm34", "TForm35", "&Dipolo Dobrado", 2}, LinkCase{"TForm36", "TForm35", "Acoplamento em &L", 3},
        LinkCase{"TForm15", "TForm9", "Log - Periódica", 3},
        LinkCase{"TForm29", "TForm9", "Yagi - Uda Espira Circular", 4},
        LinkCase{"TForm14", "TForm9", "Yagi - Uda de Dipolos", 5},
        LinkCase{"TForm16", "TForm23", "Antena de Microfita Retangular", 0},
        LinkCase{"TForm17", "TForm23", "Antena de Microfita Circular", 1},
        LinkCase{"TForm18", "TForm23", "Arranjo de Antenas de Microfita Retangular", 2},
        LinkCase{"TForm21", "TForm23", "Arranjo de Antenas de Microfita Circular", 3},
        LinkCase{"TForm20", "TForm23", "Antena de Microfita Yagi-Uda", 4},
        LinkCase{"TForm19", "TForm23", "Antena de Microfita Log-Periódica", 5}));

TEST(GeometryBackMenus, GreyNoEntryOnceEveryCalculatorIsBuilt)
{
    SeamScope scope;
    for (const char* window : {"TForm9", "TForm23"}) {
        QMenu* back = openGeometry(window)->findChild<QMenu*>("Voltar1");
        QStringList greyed;
        for (QAction* a : back->actions())
            if (!a->isEnabled()) greyed << a->text();
        EXPECT_EQ(greyed, QStringList()) << window;  // every calculator is built
    }
}

QString dimensionLine(GeometryPictureWindow* w)
{
    auto* line = w->pages()->currentWidget()->findChild<QLabel*>("CurrentDimensions");
    return line->isVisibleTo(w) ? line->text() : QString();
}

TEST(GeometryDimensions, NameTheCallersCurrentDesignUntilItIsCleared)
{
    SeamScope scope;
    CalculatorWindow* dipole = openCalculator("TForm4");
    trigger(dipole, "Geometria1");
    GeometryPictureWindow* w = openGeometry("TForm9");
    EXPECT_EQ(dimensionLine(w), "");  // nothing computed yet
    type(dipole, "input1", "300");
    type(dipole, "input2", "1.25");
    type(dipole, "input3", "0.005");
    type(dipole, "input4", "57000000");
    trigger(dipole, "Calcular1");
    trigger(dipole, "Geometria1");
    // lambda = 1 m: l = 1.25 m, 2a = 2 x 0.005 m
    EXPECT_EQ(dimensionLine(w), "Projeto atual: l = 1.250 m; 2a = 10.000 mm");
    w->showPage(1);  // another page says nothing about the dipole
    EXPECT_EQ(dimensionLine(w), "");
    trigger(dipole, "Novo1");
    trigger(dipole, "Geometria1");
    EXPECT_EQ(dimensionLine(w), "");

    CalculatorWindow* l = openCalculator("TForm36");
    for (const auto& [field, value] : {std::pair{"imput1", "100"}, {"imput2", "25"}, {"imput3", "0"}, {"imput4", "50"}})
        type(l, field, value);
    trigger(l, "Calcular1");
    trigger(l, "Geometria1");
    GeometryPictureWindow* matching = openGeometry("TForm35");
    EXPECT_EQ(dimensionLine(matching), QString("Projeto atual: Zs = %1 ohm; Zp = %2 ohm; Zo = 50.000 ohm")
                                           .arg(l->field("output2")->text(), l->field("output1")->text()));
    // Only the dipole's own note ("A Antena se comporta como um Dipolo Linear!").
    for (const auto& m : scope.seam().messages) EXPECT_EQ(m.kind, MessageKind::Information) << m.text.toStdString();
}

struct DimensionCase {
    const char* calculator;
    std::map<std::string, std::string> fields;
    const char* line;
};

void PrintTo(const DimensionCase& c, std::ostream* os) { *os << c.calculator << " " << c.line; }

class CurrentDimensions : public ::testing::TestWithParam<DimensionCase> {};

TEST_P(CurrentDimensions, ScaleNormalisedFieldsAndStayQuietWithoutAResult)
{
    const auto& fields = GetParam().fields;
    const FieldTexts texts = [&](std::string_view name) {
        const auto it = fields.find(std::string(name));
        return it == fields.end() ? std::string() : it->second;
    };
    EXPECT_EQ(currentDimensions(GetParam().calculator, texts), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Callers, CurrentDimensions,
    ::testing::Values(
        // 2a = 2 x 0.001 x 300/300 m
        DimensionCase{"TForm10",
                      {{"output1", "1.257"}, {"input1", "300"}, {"input3", "0.001"}},
                      "Projeto atual: C = 1.257 m; 2a = 2.000 mm"},
        // lambda = 3 m from the wavelength result
        DimensionCase{
            "TForm31",
            {{"output9", "12.5"}, {"output1", "3.000"}, {"imput4", "0.004"}, {"imput5", "0.002"}, {"imput6", "0.025"}},
            "Projeto atual: 2a = 12.000 mm; 2a' = 6.000 mm; S = 0.075 m; C = 12.500 pF"},
        DimensionCase{"TForm13",
                      {{"output8", "10.5"}, {"input1", "2"}, {"input2", "3"}},
                      "Projeto atual: a = 2.000 λ; b = 3.000 λ"},
        DimensionCase{"TForm4", {{"input1", "300"}, {"input3", "0.001"}}, ""},  // not computed
        DimensionCase{"TForm4", {{"output8", "1.250"}, {"input1", "0"}, {"input3", "0.001"}}, ""},
        DimensionCase{"TForm2", {{"output3", "abc"}}, ""}, DimensionCase{"TForm5", {{"output2", "1"}}, ""}));

}  // namespace
}  // namespace ondarel::test
