// Pictures of every window for a person to look at. Runs only when
// ONDAREL_SCREENSHOT_DIR names a folder; the suite skips it otherwise.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>

#include "app/about_window.h"
#include "app/main_window.h"
#include "catalogue/catalogue.h"
#include "framework/pick_list_dialog.h"
#include "framework/window_driver.h"
#include "geometry/geometry_picture_window.h"
#include "plots/element_count_window.h"
#include "plots/pattern_window.h"
#include "support/fake_seam.h"

namespace ondarel::test {
namespace {

QString shotDir() { return qEnvironmentVariable("ONDAREL_SCREENSHOT_DIR"); }

void save(QWidget* w, const QString& name)
{
    w->show();
    QCoreApplication::processEvents();
    w->grab().save(QDir(shotDir()).filePath(name + ".png"));
}

void computed(const QString& windowClass, const std::vector<std::pair<QString, QString>>& inputs, const QString& name)
{
    CalculatorWindow* w = openCalculator(windowClass);
    for (const auto& [field, value] : inputs) type(w, field, value);
    trigger(w, "Calcular1");
    save(w, name);
    trigger(w, "Grafico2D1");
    const QString patternClass = QString::fromStdString(w->descriptor().pattern->windowClass);
    auto* pattern = dynamic_cast<PatternWindowBase*>(WindowRegistry::instance().find(patternClass));
    ASSERT_NE(pattern, nullptr);
    pattern->pages()->setCurrentIndex(0);
    save(pattern, name + "_polar");
    pattern->pages()->setCurrentIndex(1);
    save(pattern, name + "_rect");
}

// Prints to PDF files at 300 dpi instead of a printer.
class PdfSeam : public FakeSeam {
public:
    std::unique_ptr<PrintJob> beginPrintJob() override
    {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setResolution(300);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(QDir(shotDir()).filePath(QString("printed_%1.pdf").arg(++count)));
        return beginPrintJobOn(*printer);
    }
    std::unique_ptr<QPrinter> printer;
    int count = 0;
};

TEST(Screenshots, PrintedPages)
{
    if (shotDir().isEmpty()) GTEST_SKIP() << "set ONDAREL_SCREENSHOT_DIR to take pictures";
    auto pdf = std::make_unique<PdfSeam>();
    PdfSeam* seam = pdf.get();
    auto previous = WindowRegistry::instance().setSeam(std::move(pdf));
    CalculatorWindow* w = openCalculator("TForm2");
    type(w, "input1", "100");
    type(w, "input2", "0.01");
    trigger(w, "Calcular1");
    seam->printAnswers = {1, 1};
    trigger(w, "Imprimir1");  // the data sheet
    trigger(w, "Grafico2D1");
    auto* pattern = dynamic_cast<PatternWindowBase*>(WindowRegistry::instance().find("TForm3"));
    pattern->printPolarPages();  // the polar pair
    CalculatorWindow* b = openCalculator("TForm7");
    type(b, "input2", "10");
    type(b, "input3", "0.25");
    trigger(b, "Calcular1");
    seam->printAnswers = {1, 1};
    trigger(b, "Imprimir1");
    trigger(b, "Grafico2D1");
    dynamic_cast<PatternWindowBase*>(WindowRegistry::instance().find("TForm28"))->printPolarPages();
    CalculatorWindow* c = openCalculator("TForm30");
    type(c, "input1", "2");
    trigger(c, "Calcular1");
    seam->printAnswers = {1, 1};
    trigger(c, "Imprimir1");
    trigger(c, "Grafico2D1");
    dynamic_cast<PatternWindowBase*>(WindowRegistry::instance().find("TForm39"))->printPolarPages();
    CalculatorWindow* t = openCalculator("TForm31");
    for (const auto& [field, value] : {std::pair{"imput1", "100"},
                                       {"imput2", "73"},
                                       {"imput3", "42.5"},
                                       {"imput4", "0.004"},
                                       {"imput5", "0.002"},
                                       {"imput6", "0.025"},
                                       {"imput7", "0.05"}})
        type(t, field, value);
    trigger(t, "Calcular1");
    seam->printAnswers = {1};
    trigger(t, "Imprimir1");
    seam->printer.reset();
    WindowRegistry::instance().closeAll();
    WindowRegistry::instance().setSeam(std::move(previous));
}

TEST(Screenshots, EveryWindow)
{
    if (shotDir().isEmpty()) GTEST_SKIP() << "set ONDAREL_SCREENSHOT_DIR to take pictures";
    SeamScope scope;
    MainWindow main;
    save(&main, "main_window");
    AboutWindow about;
    save(&about, "about");
    SplashWindow splash;
    save(&splash, "splash");
    save(openCalculator("TForm2"), "dipole_fresh");
    computed("TForm2", {{"input1", "100"}, {"input2", "0.01"}}, "dipole");
    computed("TForm5", {{"input2", "10"}, {"input3", "0.25"}}, "broadside");
    {
        // The finite dipole and every page of its diagrams window.
        CalculatorWindow* w = openCalculator("TForm4");
        for (const auto& [field, value] : std::vector<std::pair<QString, QString>>{
                 {"input1", "300"}, {"input2", "1.25"}, {"input3", "0.001"}, {"input4", "57000000"}})
            type(w, field, value);
        trigger(w, "Calcular1");
        save(w, "finite_dipole");
        trigger(w, "Grafico2D1");
        auto* diagrams = dynamic_cast<PatternWindowBase*>(WindowRegistry::instance().find("TForm38"));
        ASSERT_NE(diagrams, nullptr);
        for (int page = 0; page < diagrams->pages()->count(); ++page) {
            diagrams->pages()->setCurrentIndex(page);
            save(diagrams, QString("finite_dipole_page%1").arg(page));
        }
        WindowRegistry::instance().setWindowCode(38);
        QTimer::singleShot(0, [] {
            QWidget* print = WindowRegistry::instance().find("Tfrmprint");
            save(print, "finite_dipole_print_window");
            print->close();
        });
        WindowRegistry::instance().openOrShowModal("Tfrmprint");
    }
    computed("TForm7", {{"input2", "10"}, {"input3", "0.25"}}, "endfire");
    computed("TForm37", {{"Numero", "10"}, {"Espaco", "0.25"}}, "hansen");
    computed("TForm11", {{"imput2", "10"}, {"imput3", "0.25"}, {"imput4", "60"}}, "phased");
    computed(
        "TForm6",
        {{"input1", "30"}, {"input2", "45"}, {"input3", "0.5"}, {"input4", "0.5"}, {"input5", "10"}, {"input6", "10"}},
        "planar");
    computed("TForm13", {{"input1", "2"}, {"input2", "3"}}, "aperture_rect_uniform");
    computed("TForm27", {{"input1", "2"}, {"input2", "3"}}, "aperture_rect_te10");
    computed("TForm26", {{"input1", "2"}}, "aperture_circ_uniform");
    computed("TForm30", {{"input1", "1.536"}}, "aperture_circ_te11");
    for (const char* windowClass : {"TForm2", "TForm5", "TForm30"}) {
        trigger(openCalculator(windowClass), "Grafico3D1");
        auto* view = WindowRegistry::instance().find("TfrmZB");
        view->findChild<QPushButton*>("btnPlotar")->click();
        save(view, QString("view3d_%1").arg(windowClass));
        view->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    for (const auto& [windowClass, inputs, name] :
         std::vector<std::tuple<QString, std::vector<std::pair<QString, QString>>, QString>>{
             {"TForm31",
              {{"imput1", "100"},
               {"imput2", "73"},
               {"imput3", "42.5"},
               {"imput4", "0.004"},
               {"imput5", "0.002"},
               {"imput6", "0.025"},
               {"imput7", "0.05"}},
              "t_match"},
             {"TForm33",
              {{"imput1", "100"},
               {"imput2", "73"},
               {"imput3", "42.5"},
               {"imput4", "0.004"},
               {"imput5", "0.002"},
               {"imput6", "0.025"},
               {"imput7", "0.05"}},
              "gamma_match"},
             {"TForm34",
              {{"imput1", "100"},
               {"imput2", "73"},
               {"imput3", "42.5"},
               {"imput4", "0.45"},
               {"imput5", "0.002"},
               {"imput6", "0.02"}},
              "folded_dipole"},
             {"TForm36", {{"imput1", "100"}, {"imput2", "73"}, {"imput3", "42.5"}, {"imput4", "50"}}, "l_network"}}) {
        CalculatorWindow* w = openCalculator(windowClass);
        save(w, name + "_fresh");
        for (const auto& [field, value] : inputs) type(w, field, value);
        trigger(w, "Calcular1");
        save(w, name);
    }
    WindowRegistry::instance().setWindowCode(28);
    QTimer::singleShot(0, [] {
        QWidget* print = WindowRegistry::instance().find("Tfrmprint");
        save(print, "print_window");
        print->close();
    });
    WindowRegistry::instance().openOrShowModal("Tfrmprint");
}

// The loop and the helices open their diagrams from the tool-bar button.
TEST(Screenshots, WireCalculatorsAndPickLists)
{
    if (shotDir().isEmpty()) GTEST_SKIP() << "set ONDAREL_SCREENSHOT_DIR to take pictures";
    SeamScope scope;
    struct Shot {
        const char* windowClass;
        std::vector<std::pair<QString, QString>> inputs;
        const char* name;
    };
    const Shot shots[] = {
        {"TForm10",
         {{"input1", "300"}, {"input5", "2"}, {"input2", "0.1"}, {"input3", "0.001"}, {"input4", "57600000"}},
         "loop"},
        {"TForm12",
         {{"input1", "300"}, {"input2", "1.76"}, {"input3", "12.5"}, {"input4", "0.05"}, {"input5", "0.01"}},
         "normal_helix"},
        {"TForm8", {{"input1", "300"}, {"input2", "10"}, {"input3", "13"}, {"input4", "1"}}, "axial_helix"},
    };
    for (const Shot& shot : shots) {
        CalculatorWindow* w = openCalculator(shot.windowClass);
        for (const auto& [field, value] : shot.inputs) type(w, field, value);
        trigger(w, "Calcular1");
        save(w, shot.name);
        speedButton(w, 5)->click();
        auto* pattern = dynamic_cast<PatternWindowBase*>(WindowRegistry::instance().find("TForm3"));
        ASSERT_NE(pattern, nullptr);
        pattern->pages()->setCurrentIndex(0);
        save(pattern, QString(shot.name) + "_polar");
        pattern->pages()->setCurrentIndex(1);
        save(pattern, QString(shot.name) + "_rect");
    }
    for (const char* dialog : {"TDialogMenu1", "TDialogMenu2", "TDialogMenu3"}) {
        PickListDialog full(*pickDialog(dialog));
        save(&full, QString(dialog) + "_full");
    }
    QTimer::singleShot(0, [] {
        QWidget* dialog = WindowRegistry::instance().find("TDialogMenu1");
        save(dialog, "TDialogMenu1_loop");
        dialog->close();
    });
    qobject_cast<CalculatorWindow*>(WindowRegistry::instance().find("TForm10"))
        ->findChild<QPushButton*>("Button1")
        ->click();
}

// The Yagi-Uda arrays, the log-periodic array with its reduced dialog, the
// four element-count charts and a data sheet with list values.
TEST(Screenshots, YagiAndLogPeriodicArrays)
{
    if (shotDir().isEmpty()) GTEST_SKIP() << "set ONDAREL_SCREENSHOT_DIR to take pictures";
    SeamScope scope;
    const std::pair<const char*, std::vector<std::pair<QString, QString>>> calculators[] = {
        {"TForm14", {{"input1", "300"}, {"input2", "10"}, {"input3", "0.005"}}},
        {"TForm29", {{"input1", "300"}, {"input2", "10"}}},
        {"TForm15", {{"input1", "300"}, {"input2", "100"}, {"input3", "1"}, {"input4", "0.9"}, {"input5", "0.15"}}},
    };
    for (const auto& [windowClass, inputs] : calculators) {
        CalculatorWindow* w = openCalculator(windowClass);
        save(w, QString(windowClass) + "_fresh");
        for (const auto& [field, value] : inputs) type(w, field, value);
        trigger(w, "Calcular1");
        save(w, windowClass);
    }
    QTimer::singleShot(0, [] {
        QWidget* dialog = WindowRegistry::instance().find("TDialogMenu1");
        save(dialog, "TDialogMenu1_log_periodic");
        dialog->close();
    });
    openCalculator("TForm15")->findChild<QPushButton*>("Button1")->click();
    CalculatorWindow* yagi = openCalculator("TForm14");
    trigger(yagi, "Grafico2D1");
    auto* charts = dynamic_cast<ElementCountWindow*>(WindowRegistry::instance().find("TForm25"));
    ASSERT_NE(charts, nullptr);
    for (int page = 0; page < 4; ++page) {
        charts->pages()->setCurrentIndex(page);
        save(charts, QString("element_count_chart%1").arg(page + 1));
    }
}

}  // namespace
}  // namespace ondarel::test

namespace ondarel::test {
namespace {

// Every page of the four geometry windows, named after the device pixel
// ratio (run once more with QT_SCALE_FACTOR=2 for the sharp ones), with the
// dimension line of a computed finite dipole on the dipole page.
TEST(Screenshots, GeometryPages)
{
    if (shotDir().isEmpty()) GTEST_SKIP() << "set ONDAREL_SCREENSHOT_DIR to take pictures";
    SeamScope scope;
    CalculatorWindow* dipole = openCalculator("TForm4");
    for (const auto& [field, value] : std::vector<std::pair<QString, QString>>{
             {"input1", "300"}, {"input2", "1.25"}, {"input3", "0.005"}, {"input4", "57000000"}})
        type(dipole, field, value);
    trigger(dipole, "Calcular1");
    trigger(dipole, "Geometria1");
    for (const char* windowClass : {"TForm9", "TForm23", "TForm35", "TfrmGemAbert"}) {
        auto* w = dynamic_cast<GeometryPictureWindow*>(WindowRegistry::instance().openOrShow(windowClass));
        ASSERT_NE(w, nullptr);
        for (int page = 0; page < w->pages()->count(); ++page) {
            w->showPage(page);
            save(w, QString("geometry_%1_page%2_dpr%3").arg(windowClass).arg(page).arg(w->devicePixelRatio()));
        }
    }
}

// The two patches, computed with the line feed, and every page of their diagrams.
TEST(Screenshots, MicrostripPatches)
{
    if (shotDir().isEmpty()) GTEST_SKIP() << "set ONDAREL_SCREENSHOT_DIR to take pictures";
    SeamScope scope;
    struct Shot {
        const char* windowClass;
        const char* patternClass;
        std::vector<std::pair<QString, QString>> inputs;
        const char* name;
    };
    const Shot shots[] = {
        {"TForm16",
         "TForm22",
         {{"Freq", "10"},
          {"constdiel", "2.2"},
          {"altura", "0.1588"},
          {"Tangente", "0.0009"},
          {"Imped", "50"},
          {"condut", "58000000"},
          {"Angulo", "30"},
          {"VSW", "2"}},
         "patch_rect"},
        {"TForm17",
         "TForm24",
         {{"freq", "10"},
          {"constdiel2", "2.2"},
          {"altura2", "0.1588"},
          {"TanPerda2", "0.0009"},
          {"ImpRes", "50"},
          {"condut2", "58000000"},
          {"VSW", "2"}},
         "patch_circ"},
    };
    for (const Shot& shot : shots) {
        CalculatorWindow* w = openCalculator(shot.windowClass);
        for (const auto& [field, value] : shot.inputs) type(w, field, value);
        if (auto* strip = w->findChild<QRadioButton*>("Strip")) strip->click();
        trigger(w, "Calcular1");
        save(w, shot.name);
        trigger(w, "Grafico2D1");
        auto* pattern = dynamic_cast<PatternWindowBase*>(WindowRegistry::instance().find(shot.patternClass));
        ASSERT_NE(pattern, nullptr);
        for (int page = 0; page < pattern->pages()->count(); ++page) {
            pattern->pages()->setCurrentIndex(page);
            save(pattern, QString("%1_page%2").arg(shot.name).arg(page));
        }
    }
}

// The user manual's pictures, named by window class: each calculator with the
// worked design its page computes (the "run" lines of the pages' calc blocks,
// listed in ONDAREL_MANUAL_DESIGNS) and its diagram, the main window, the 3D
// view and the linear geometries. A calculator that is not built yet has no
// picture; the manual leaves it out.
TEST(Screenshots, ManualPictures)
{
    const QString designs = qEnvironmentVariable("ONDAREL_MANUAL_DESIGNS");
    if (shotDir().isEmpty() || designs.isEmpty())
        GTEST_SKIP() << "set ONDAREL_SCREENSHOT_DIR and ONDAREL_MANUAL_DESIGNS to take the manual's pictures";
    QFile list(designs);
    ASSERT_TRUE(list.open(QIODevice::ReadOnly | QIODevice::Text)) << designs.toStdString();
    SeamScope scope;
    MainWindow main;
    save(&main, "TForm1");
    int shots = 0;
    while (!list.atEnd()) {
        const QStringList words = QString::fromUtf8(list.readLine()).simplified().split(' ', Qt::SkipEmptyParts);
        if (words.size() < 2 || words[0] != "run") continue;
        const CalculatorDescriptor* d = findByExtension(words[1].toStdString());
        if (!d || !d->implemented() || !WindowRegistry::instance().isRegistered(QString::fromStdString(d->windowClass)))
            continue;
        const QString windowClass = QString::fromStdString(d->windowClass);
        CalculatorWindow* w = openCalculator(windowClass);
        ASSERT_NE(w, nullptr) << d->windowClass;
        for (const QString& assignment : words.mid(2)) {
            const QString name = assignment.section('=', 0, 0), value = assignment.section('=', 1);
            if (auto* button = w->findChild<QRadioButton*>(name))
                button->setChecked(value != "0");
            else if (w->field(name))
                type(w, name, value);  // keystrokes: they enable the commands
            else
                ADD_FAILURE() << d->windowClass << " has no field " << name.toStdString();
        }
        trigger(w, "Calcular1");
        save(w, windowClass);
        ++shots;
        if (d->pattern) {
            speedButton(w, 5)->click();  // "Gráficos 2D", whatever its menu entry is called
            QWidget* pattern = WindowRegistry::instance().find(QString::fromStdString(d->pattern->windowClass));
            ASSERT_NE(pattern, nullptr) << d->windowClass;
            if (auto* base = dynamic_cast<PatternWindowBase*>(pattern)) base->pages()->setCurrentIndex(0);
            save(pattern, windowClass + "_diagrama");
            pattern->close();
        }
        if (windowClass == "TForm2") {
            trigger(w, "Grafico3D1");
            QWidget* view = WindowRegistry::instance().find("TfrmZB");
            ASSERT_NE(view, nullptr);
            view->findChild<QPushButton*>("btnPlotar")->click();
            save(view, "TfrmZB");
            view->close();
            trigger(w, "Grafico2D1");
            auto* pattern = dynamic_cast<PatternWindowBase*>(WindowRegistry::instance().find("TForm3"));
            ASSERT_NE(pattern, nullptr);
            pattern->pages()->setCurrentIndex(1);
            save(pattern, "TForm3_retangular");
            pattern->close();
            trigger(w, "Geometria1");
            if (QWidget* geometry = WindowRegistry::instance().find("TForm9")) save(geometry, "TForm9");
        }
        WindowRegistry::instance().closeAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    EXPECT_GT(shots, 0) << "no design in " << designs.toStdString();
}

}  // namespace
}  // namespace ondarel::test

namespace ondarel::test {
namespace {

// The four microstrip arrays fresh and computed, the substrate dialogs they
// open, and the printed Yagi-Uda's element-count charts.
TEST(Screenshots, MicrostripArrays)
{
    if (shotDir().isEmpty()) GTEST_SKIP() << "set ONDAREL_SCREENSHOT_DIR to take pictures";
    SeamScope scope;
    const std::vector<std::pair<QString, QString>> grid = {
        {"Freq", "10"},  {"constdiel", "2.2"}, {"Tangente", "0.0009"}, {"altura", "0.1588"}, {"VSWR", "2"},
        {"NumHoz", "4"}, {"NumVer", "4"},      {"EspHoz", "1.5"},      {"EspVer", "1.5"}};
    const std::pair<const char*, std::vector<std::pair<QString, QString>>> calculators[] = {
        {"TForm18", grid},
        {"TForm21", grid},
        {"TForm20", {{"Freq", "10"}, {"Ganho", "12"}, {"constdiel", "2.2"}, {"altura", "0.1588"}, {"Largura", "0.1"}}},
        {"TForm19",
         {{"Freq", "2"},
          {"fator", "0.9"},
          {"espaco", "0.16"},
          {"constdiel", "2.2"},
          {"altura", "0.1588"},
          {"LBanda", "2"},
          {"Dipolo", "0.2"}}},
    };
    for (const auto& [windowClass, inputs] : calculators) {
        CalculatorWindow* w = openCalculator(windowClass);
        save(w, QString(windowClass) + "_fresh");
        for (const auto& [field, value] : inputs) type(w, field, value);
        trigger(w, "Calcular1");
        save(w, windowClass);
    }
    openCalculator("TForm18")->findChild<QPushButton*>("Button1")->click();  // left open beside the array
    QWidget* substrates = WindowRegistry::instance().find("TDialogMenu2");
    ASSERT_NE(substrates, nullptr);
    save(substrates, "TDialogMenu2_patch_array");
    substrates->close();
    QTimer::singleShot(0, [] {
        QWidget* dialog = WindowRegistry::instance().find("TDialogMenu3");
        save(dialog, "TDialogMenu3_log_periodic");
        dialog->close();
    });
    openCalculator("TForm19")->findChild<QPushButton*>("Button1")->click();
    trigger(openCalculator("TForm20"), "Grafico2D1");
    auto* charts = dynamic_cast<ElementCountWindow*>(WindowRegistry::instance().find("TForm25"));
    ASSERT_NE(charts, nullptr);
    charts->pages()->setCurrentIndex(0);
    save(charts, "microstrip_yagi_chart1");
}

}  // namespace
}  // namespace ondarel::test
