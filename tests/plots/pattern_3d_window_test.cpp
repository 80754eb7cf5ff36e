// The 3D view driven offscreen through the seam, with golden pictures.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "framework/window_driver.h"
#include "plots/image/render3d_image.h"
#include "plots/pattern_3d_window.h"
#include "support/fake_seam.h"

namespace ondarel::test {
namespace {

class View3dTest : public ::testing::Test {
protected:
    SeamScope scope;
    FakeSeam& seam = scope.seam();

    // Opens the calculator, types its inputs and opens the view from "Gráfico &3D".
    Pattern3dWindow* viewOf(const QString& windowClass, const std::vector<std::pair<QString, QString>>& inputs)
    {
        CalculatorWindow* w = openCalculator(windowClass);
        for (const auto& [field, value] : inputs) type(w, field, value);
        trigger(w, "Calcular1");
        trigger(w, "Grafico3D1");
        return qobject_cast<Pattern3dWindow*>(WindowRegistry::instance().find("TfrmZB"));
    }
    static QScrollBar* bar(Pattern3dWindow* v, const char* name) { return v->findChild<QScrollBar*>(name); }
    static QLineEdit* edit(Pattern3dWindow* v, const char* name) { return v->findChild<QLineEdit*>(name); }
    static void plot(Pattern3dWindow* v) { v->findChild<QPushButton*>("btnPlotar")->click(); }
    static QImage shaded(const Pattern3dWindow* v)
    {
        Picture3d picture;
        shadeDepthBuffer(v->depthBuffer(), v->swatchPalette(), kRenderLight, kShadeStep, picture);
        return pictureImage(picture);
    }
};

TEST_F(View3dTest, OpensWithItsControlsAtTheirDefaultsAndDrawsNothing)
{
    Pattern3dWindow* v = viewOf("TForm2", {{"input1", "100"}, {"input2", "0.01"}});
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->windowTitle(), "Diagrama de Irradiação 3D do Dipolo Elementar ou Infinitesimal");
    EXPECT_EQ(v->size(), QSize(624, 404));
    struct Control {
        const char* bar;
        const char* edit;
        int low, high, value;
    };
    for (const Control& c :
         {Control{"scrEixoX", "edtEixoX", 0, 360, 60}, Control{"scrEixoY", "edtEixoY", 0, 360, 0},
          Control{"scrEixoZ", "edtEixoZ", 0, 360, 40}, Control{"scbEscala", "edtEscala", 1, 500, 150},
          Control{"scbRes", "edtResol", 50, 640, 600}}) {
        EXPECT_EQ(bar(v, c.bar)->minimum(), c.low) << c.bar;
        EXPECT_EQ(bar(v, c.bar)->maximum(), c.high) << c.bar;
        EXPECT_EQ(bar(v, c.bar)->value(), c.value) << c.bar;
        EXPECT_EQ(edit(v, c.edit)->text(), QString::number(c.value)) << c.edit;
    }
    EXPECT_TRUE(v->depthBuffer().empty());
    EXPECT_FALSE(v->findChild<QWidget*>("shpD")->isVisibleTo(v));
    EXPECT_EQ(v->swatchPalette().surface, (Rgb{0, 128, 255}));
    EXPECT_EQ(v->swatchPalette().hidden, (Rgb{255, 0, 128}));
}

// The shaded picture of each family's pattern at the default view, pixel for
// pixel. ONDAREL_UPDATE_GOLDEN=1 writes the pictures anew.
TEST_F(View3dTest, RendersEachFamilyAsItsGoldenPicture)
{
    struct Case {
        const char* golden;
        const char* windowClass;
        std::vector<std::pair<QString, QString>> inputs;
    };
    const Case cases[] = {
        {"wire_dipole", "TForm2", {{"input1", "100"}, {"input2", "0.01"}}},
        {"array_broadside", "TForm5", {{"input2", "10"}, {"input3", "0.25"}}},
        {"aperture_circular_te11", "TForm30", {{"input1", "1.536"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.golden);
        Pattern3dWindow* v = viewOf(c.windowClass, c.inputs);
        plot(v);
        const QImage picture = shaded(v);
        const QString path = QDir(ONDAREL_TEST_DATA).filePath(QString("render3d/%1.png").arg(c.golden));
        if (qEnvironmentVariableIsSet("ONDAREL_UPDATE_GOLDEN")) picture.save(path);
        const QImage golden(path);
        ASSERT_FALSE(golden.isNull()) << path.toStdString();
        EXPECT_TRUE(golden.convertToFormat(QImage::Format_RGB32) == picture);
        // The window shows the same picture with the axis letters on it.
        int differing = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) differing += v->image().pixel(x, y) != picture.pixel(x, y);
        EXPECT_GT(differing, 0);
        EXPECT_LT(differing, 200);
        v->close();
    }
}

TEST_F(View3dTest, EditsTakeEffectOnEnterClampedToTheirRanges)
{
    Pattern3dWindow* v = viewOf("TForm2", {{"input1", "100"}, {"input2", "0.01"}});
    edit(v, "edtEixoX")->setText("900");
    edit(v, "edtEscala")->setText("0");
    edit(v, "edtResol")->setText(" 50");
    QTest::keyClick(edit(v, "edtEixoX"), Qt::Key_Return);
    EXPECT_EQ(bar(v, "scrEixoX")->value(), 360);
    EXPECT_EQ(edit(v, "edtEixoX")->text(), "360");
    EXPECT_EQ(bar(v, "scbEscala")->value(), 1);
    EXPECT_EQ(edit(v, "edtEscala")->text(), "1");
    EXPECT_EQ(bar(v, "scbRes")->value(), 50);
    EXPECT_FALSE(v->depthBuffer().empty());  // the moved bars rendered
    EXPECT_TRUE(seam.messages.empty());

    for (const char* bad : {"1.5", "", "x"}) {
        edit(v, "edtEixoY")->setText(bad);
        edit(v, "edtEixoX")->setText("10");
        QTest::keyClick(edit(v, "edtEixoZ"), Qt::Key_Return);
        EXPECT_EQ(seam.messageTexts().back(), "Erro de converção !") << bad;
        EXPECT_EQ(bar(v, "scrEixoX")->value(), 360) << bad;  // no bar moved
    }
}

TEST_F(View3dTest, SwatchesChooseColoursThroughTheColourDialog)
{
    Pattern3dWindow* v = viewOf("TForm2", {{"input1", "100"}, {"input2", "0.01"}});
    auto release = [&](const char* swatch) { QTest::mouseClick(v->findChild<QWidget*>(swatch), Qt::LeftButton); };
    seam.colorAnswers.push_back(QColor(10, 20, 30));
    release("shpG");
    EXPECT_EQ(v->swatchPalette().surface, (Rgb{10, 20, 30}));
    EXPECT_FALSE(v->depthBuffer().empty());     // and rendered
    seam.colorAnswers.push_back(std::nullopt);  // cancelled: the colour stays
    release("shpE");
    EXPECT_EQ(v->swatchPalette().axes, (Rgb{0, 0, 0}));
}

TEST_F(View3dTest, RepaintShadesWithAnotherLightAndAPanelClickEmptiesTheBuffer)
{
    Pattern3dWindow* v = viewOf("TForm2", {{"input1", "100"}, {"input2", "0.01"}});
    plot(v);
    const QImage rendered = v->image();
    v->repaintFromBuffer();
    EXPECT_NE(v->image(), rendered);
    Picture3d repainted;
    shadeDepthBuffer(v->depthBuffer(), v->swatchPalette(), kRepaintLight, kShadeStep, repainted);
    EXPECT_EQ(v->image(), pictureImage(repainted));  // no letters

    QTest::mouseClick(v->findChild<QWidget*>("GroupBox1"), Qt::LeftButton, {}, QPoint(80, 395));
    EXPECT_TRUE(v->depthBuffer().empty());
    EXPECT_EQ(v->image(), pictureImage(repainted));  // the picture stays until the next repaint
}

TEST_F(View3dTest, DrawsNothingOnceItsCalculatorIsClosedAndSavesThePicture)
{
    Pattern3dWindow* v = viewOf("TForm5", {{"input2", "10"}, {"input3", "0.25"}});
    plot(v);
    QTemporaryDir dir;
    seam.saveAnswers.push_back(dir.filePath("vista"));
    v->findChild<QPushButton*>("btnSalvar")->click();
    EXPECT_TRUE(QImage(dir.filePath("vista.png")).convertToFormat(QImage::Format_RGB888) ==
                v->image().convertToFormat(QImage::Format_RGB888));

    const QImage before = v->image();
    WindowRegistry::instance().find("TForm5")->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    bar(v, "scrEixoZ")->setValue(90);
    EXPECT_EQ(v->image(), before);
    EXPECT_TRUE(seam.messages.empty());
}

}  // namespace
}  // namespace ondarel::test
