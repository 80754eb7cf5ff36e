#include <gtest/gtest.h>

#include "framework/window_driver.h"
#include "support/fake_seam.h"

namespace ondarel::test {
namespace {

class DipoleDataSheet : public ::testing::Test {
protected:
    SeamScope scope;
    FakeSeam& seam = scope.seam();
    CalculatorWindow* w = openCalculator("TForm2");

    static std::string textAt(const RecordingCanvas& page, int x, int y)
    {
        const CanvasCall* call = page.textAt(x, y);
        return call ? call->text : "<nothing>";
    }
};

TEST_F(DipoleDataSheet, PrintsEveryLineAtItsPrinterPixels)
{
    type(w, "input1", "100");
    type(w, "input2", "0.01");
    trigger(w, "Calcular1");
    seam.printAnswers.push_back(1);
    trigger(w, "Imprimir1");
    ASSERT_EQ(seam.pages.size(), 1u);
    const RecordingCanvas& page = seam.pages[0];
    const std::vector<std::tuple<int, int, std::string>> expected = {
        {400, 100, "Antena dipolo elementar ou infinitesimal"},
        {150, 150, "Entrada de dados:"},
        {150, 200, "Freqüência (MHz):"},
        {900, 200, "100"},
        {150, 250, "Comprimento normalizado do dipolo (L<0.02):"},
        {900, 250, "0.01"},
        {150, 350, "Resultados:"},
        {150, 400, "Resistência de irradiação(Ohms):"},
        {900, 400, "0.079"},
        {150, 450, "Comprimento da antena(m):"},
        {900, 450, "0.030"},
        {150, 500, "Diretividade:"},
        {900, 500, "1.500"},
        {150, 550, "Diretividade(dB):"},
        {900, 550, "1.761"},
        {150, 600, "Área efetiva máxima(m²):"},
        {900, 600, "1.074"},
    };
    for (const auto& [x, y, text] : expected) EXPECT_EQ(textAt(page, x, y), text) << x << "," << y;
    // of() returns a fresh vector: keep it alive while its calls are read.
    const std::vector<CanvasCall> texts = page.of(CallKind::Text);
    EXPECT_EQ(texts.size(), expected.size());
    const CanvasCall& first = texts.front();
    EXPECT_EQ(first.font.family, "Arial");
    EXPECT_EQ(first.font.size, 8);
    EXPECT_FALSE(first.font.sizeInPixels);
    EXPECT_EQ(first.penWidth, 5);
    EXPECT_EQ(w->findChild<QWidget*>("ProgressBar1"), nullptr);  // shown and gone
}

TEST_F(DipoleDataSheet, EachCopyIsAJobOfItsOwn)
{
    type(w, "input1", "1");
    seam.printAnswers.push_back(2);
    trigger(w, "Imprimir1");
    EXPECT_EQ(seam.pages.size(), 2u);
    // Before any computation the result texts print empty.
    EXPECT_EQ(textAt(seam.pages[1], 900, 400), "");
    EXPECT_EQ(textAt(seam.pages[1], 900, 200), "1");
}

TEST_F(DipoleDataSheet, CancellingPrintsNothing)
{
    type(w, "input1", "1");
    seam.printAnswers.push_back(std::nullopt);
    trigger(w, "Imprimir1");
    EXPECT_TRUE(seam.pages.empty());
    EXPECT_TRUE(seam.messages.empty());
}

}  // namespace
}  // namespace ondarel::test
