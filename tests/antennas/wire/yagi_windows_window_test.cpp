// The Yagi-Uda and log-periodic windows and the element-count charts window,
// driven offscreen as a user drives them.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include "plots/element_count_window.h"
#include "plots/pattern_driver.h"
#include "support/fake_seam.h"

namespace ondarel::test {
namespace {

QStringList items(CalculatorWindow* w, const char* list)
{
    QStringList shown;
    for (int i = 0; i < w->list(list)->count(); ++i) shown << w->list(list)->itemText(i);
    return shown;
}

class YagiWindows : public ::testing::Test {
protected:
    SeamScope scope;
    FakeSeam& seam = scope.seam();

    ElementCountWindow* charts()
    {
        return dynamic_cast<ElementCountWindow*>(WindowRegistry::instance().find("TForm25"));
    }
};

TEST_F(YagiWindows, EachCalculationRefillsTheListsWithTheFirstItemSelected)
{
    CalculatorWindow* w = openCalculator("TForm14");
    EXPECT_EQ(WindowRegistry::instance().windowCode(), 14);  // written on creation
    typeAll(w, {{"input1", "300"}, {"input2", "10"}, {"input3", "0.005"}});
    trigger(w, "Calcular1");
    EXPECT_EQ(items(w, "ComboBox2"), (QStringList{"0.200", "0.160", "0.250", "0.350", "0.320"}));
    EXPECT_EQ(w->list("ComboBox3")->currentText(), "0.444");
    w->list("ComboBox2")->setCurrentIndex(3);
    paste(w, "input2", "3");
    trigger(w, "Calcular1");
    EXPECT_EQ(items(w, "ComboBox2"), QStringList{"0.200"});
    EXPECT_EQ(w->list("ComboBox2")->currentIndex(), 0);
    EXPECT_EQ(items(w, "ComboBox3"), QStringList{});
    // The data sheet prints the text each list shows.
    seam.printAnswers = {1};
    trigger(w, "Imprimir1");
    ASSERT_EQ(seam.pages.size(), 1u);
    auto printed = [&](int x, int y) {
        const CanvasCall* call = seam.pages[0].textAt(x, y);
        return call ? call->text : std::string("(none)");
    };
    EXPECT_EQ(printed(900, 800), "0.200");
    EXPECT_EQ(printed(900, 850), "");
    EXPECT_EQ(printed(150, 750), "Largura de feixe plano vertical(m):");
    trigger(w, "Novo1");
    EXPECT_EQ(w->list("ComboBox2")->count(), 0);
}

TEST_F(YagiWindows, TheDotsButtonsOpenTheReducedDialogAndWriteBack)
{
    struct Case {
        const char* calculator;
        int code;
        const char* combo;
        int index;
        std::vector<std::pair<const char*, const char*>> written;
    };
    for (const Case& c : {Case{"TForm14", 14, "ComboBox3", 1, {{"input3", "0.00133"}}},
                          Case{"TForm15", 15, "ComboBox2", 9, {{"input4", "0.964"}, {"input5", "0.178"}}}}) {
        CalculatorWindow* w = openCalculator(c.calculator);
        EXPECT_EQ(WindowRegistry::instance().windowCode(), c.code);
        QObject timerScope;
        bool appeared = false;
        QTimer::singleShot(0, &timerScope, [&] {
            QWidget* dialog = WindowRegistry::instance().find("TDialogMenu1");
            if (!dialog) return;
            appeared = true;
            auto* combo = dialog->findChild<QComboBox*>(c.combo);
            EXPECT_TRUE(combo->isVisible());
            EXPECT_EQ(combo->pos(), QPoint(34, 55));
            combo->setCurrentIndex(c.index);
            dialog->findChild<QPushButton*>("OKBtn")->click();
        });
        w->findChild<QPushButton*>("Button1")->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(appeared) << c.calculator;
        for (const auto& [field, value] : c.written) EXPECT_EQ(text(w, field), value) << c.calculator;
    }
}

TEST_F(YagiWindows, GraficosDrawsTheFourChartsWithTheCallersTitles)
{
    CalculatorWindow* w = openCalculator("TForm14");
    typeAll(w, {{"input1", "300"}, {"input2", "10"}, {"input3", "0.005"}});
    trigger(w, "Calcular1");
    EXPECT_EQ(menuItem(w, "Grafico2D1")->text(), "Gráfico&s");
    trigger(w, "Grafico2D1");
    ElementCountWindow* c = charts();
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->windowTitle(), "Gráficos da antena Yagi-Uda de dipolos filamentar");
    const std::size_t counts[] = {19, 21, 21, 21};
    for (std::size_t i = 0; i < 4; ++i) {
        ASSERT_EQ(c->curveChart(i)->points().size(), counts[i]);
        EXPECT_NEAR(c->curveChart(i)->points().front().x(), 1.2, 1e-6);
    }
    EXPECT_EQ(c->curveChart(1)->title(),
              "Comprimento ótimo (Comp. de Onda) x  Número de elementos da antena Yagi-Uda de Dipolos Filamentares");
    EXPECT_EQ(c->pages()->currentIndex(), 3);  // the last command's tab
    EXPECT_TRUE(seam.messages.empty());

    // Printing offers the four charts by title under code 25.
    const bool appeared = printThroughWindow(c, [&](PrintWindow* print) {
        EXPECT_EQ(WindowRegistry::instance().windowCode(), 25);
        EXPECT_EQ(print->choice(1)->text(), c->curveChart(0)->title());
        EXPECT_EQ(print->choice(4)->text(), c->curveChart(3)->title());
        EXPECT_FALSE(print->choice(5)->isVisible());
        print->choice(3)->click();
        print->OKClick();
    });
    EXPECT_TRUE(appeared);
    EXPECT_EQ(seam.previews, std::vector<QWidget*>{c->chartView(2)});

    // "Voltar ao projeto" shows the calculator again and frees the charts.
    w->hide();
    c->findChild<QToolButton*>("SpeedButton2")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(charts(), nullptr);
}

// The printed Yagi-Uda opens the same charts under its own code and titles.
TEST_F(YagiWindows, ThePrintedYagiChartsItsOwnElementCount)
{
    CalculatorWindow* w = openCalculator("TForm20");
    EXPECT_EQ(WindowRegistry::instance().windowCode(), 20);  // written on creation
    typeAll(w, {{"Freq", "10"}, {"Ganho", "12"}, {"constdiel", "2.2"}, {"altura", "0.1588"}, {"Largura", "0.1"}});
    trigger(w, "Calcular1");
    EXPECT_EQ(items(w, "ComboBox1"), (QStringList{"0.943", "0.927", "0.932", "0.941", "0.934", "0.925"}));
    trigger(w, "Grafico2D1");
    ElementCountWindow* c = charts();
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->windowTitle(), "Gráficos da antena de microfita Yagi-Uda");
    EXPECT_EQ(c->curveChart(0)->title(), "Ganho (dB) x Número de elementos da antena de microfita Yagi-Uda");
    EXPECT_EQ(c->curveChart(2)->title(),
              "Largura de Feixe Plano Vertical x Número de elementos da antena Yagi-Uda "
              "da antena de microfita Yagi-Uda");
    ASSERT_EQ(c->curveChart(1)->points().size(), 21u);
    EXPECT_NEAR(c->curveChart(1)->points().front().x(), 8.0 / 7.0, 1e-6);  // N/(N − 1) with N = 8
    EXPECT_TRUE(seam.messages.empty());
    w->hide();
    c->findChild<QToolButton*>("SpeedButton2")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w->isVisible());
}

TEST_F(YagiWindows, ChartsRefuseNoElementsAndFaultOnOneElement)
{
    // A refusal stops each command; a fault abandons "Gráficos" as a whole
    // and is reported once.
    struct Case {
        const char* n;
        std::vector<QString> messages;
    };
    for (const Case& k : {Case{"0", std::vector<QString>(4, "Número de Elementos Inválido!!")},
                          Case{"1", {"Erro de operação com dados do tipo real !"}}}) {
        seam.messages.clear();
        CalculatorWindow* w = openCalculator("TForm14");
        w->field("output1")->setText(k.n);
        w->field("input1")->setText("300");
        type(w, "input2", "1");  // enables the commands
        trigger(w, "Grafico2D1");
        ASSERT_NE(charts(), nullptr);
        EXPECT_EQ(seam.messageTexts(), k.messages) << k.n;
        for (std::size_t i = 0; i < 4; ++i) EXPECT_TRUE(charts()->curveChart(i)->points().empty());
    }
}

TEST_F(YagiWindows, ProjectFilesKeepTheInputsAndReopenWithTheirDecimals)
{
    struct Case {
        const char* calculator;
        const char* file;
        const char* preset;
        const char* saveFilter;
        std::vector<std::pair<const char*, const char*>> typed, reopened;
        const char* result;  // the element count after reopening
        const char* resultField = "output1";
    };
    const Case cases[] = {
        {"TForm14",
         "a.yud",
         "YagiUda1.yud",
         "Projetos de antenas|*.yud|Todos os arquivos [*.*]|*.*",
         {{"input1", "300"}, {"input2", "10"}, {"input3", "0.005"}},
         {{"input1", "300.000"}, {"input2", "10.000"}, {"input3", "0.005"}},
         "6"},
        {"TForm29",
         "b.lpc",
         "LoopCir1.lpc",
         "Projetos de Antenas [*.lpc]|*.lpc|Todos os arquivos [*.*]|*.*",
         {{"input1", "300"}, {"input2", "10"}},
         {{"input1", "300.00"}, {"input2", "10.00"}},
         "6"},
        {"TForm15",
         "c.lgp",
         "LogPer1.lgp",
         "Projetos de antenas|*.lgp|Todos os arquivos [*.*]|*.*",
         {{"input1", "300"}, {"input2", "100"}, {"input3", "1"}, {"input4", "0.9"}, {"input5", "0.15"}},
         {{"input1", "300.000"}, {"input4", "0.900"}, {"input5", "0.150"}},
         "16"},
        {"TForm20",
         "d.may",
         "ArMicYagUd1.may",
         "Arquivos do Ondarel [*.may] |*.may|Todos os arquivos [*.*]|*.*",
         {{"Freq", "10"}, {"Ganho", "12"}, {"constdiel", "2.2"}, {"altura", "0.1588"}, {"Largura", "0.1"}},
         {{"Freq", "10.00"}, {"Ganho", "12.00"}, {"constdiel", "2.20"}, {"altura", "0.1588"}, {"Largura", "0.10"}},
         "8",
         "Numero"},
        {"TForm19",
         "e.mal",
         "ArMicLogPer1.mal",
         "Arquivos do Ondarel [*.mal]|*.mal|Todos os arquivos [*.*]|*.*",
         {{"Freq", "2"},
          {"fator", "0.9"},
          {"espaco", "0.16"},
          {"constdiel", "2.2"},
          {"LBanda", "2"},
          {"altura", "0.1588"},
          {"Dipolo", "0.2"}},
         {{"Freq", "2.00"}, {"fator", "0.9000"}, {"espaco", "0.1600"}, {"LBanda", "2.0000"}, {"altura", "0.16"}},
         "12",
         "NumDipolos"},
    };
    QTemporaryDir dir;
    for (const Case& c : cases) {
        seam.savePresets.clear();
        seam.saveFilters.clear();
        CalculatorWindow* w = openCalculator(c.calculator);
        for (const auto& [field, keys] : c.typed) type(w, field, keys);
        seam.saveAnswers.push_back(dir.filePath(c.file));
        trigger(w, "SalvarComo1");
        EXPECT_EQ(seam.savePresets, std::vector<QString>{c.preset});
        EXPECT_EQ(seam.saveFilters, std::vector<QString>{c.saveFilter});
        trigger(w, "Novo1");
        seam.openAnswers.push_back(dir.filePath(c.file));
        trigger(w, "Abrir1");
        EXPECT_EQ(statusText(w), QString("Ondarel[ %1 ]").arg(c.file));
        for (const auto& [field, shown] : c.reopened) EXPECT_EQ(text(w, field), shown) << c.calculator << field;
        EXPECT_EQ(text(w, c.resultField), c.result) << c.calculator;
    }
    EXPECT_EQ(menuItem(openCalculator("TForm29"), "Sobre1")->text(), "So&bre...");
    EXPECT_TRUE(seam.messages.empty());
}

}  // namespace
}  // namespace ondarel::test
