#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include "app/main_window.h"
#include "framework/window_driver.h"
#include "support/fake_seam.h"
#include "support/help_folder.h"

namespace ondarel::test {
namespace {

class MainWindowTest : public ::testing::Test {
protected:
    SeamScope scope;
    FakeSeam& seam = scope.seam();
    MainWindow main;

    // The action reached by following menu captions from the menu bar.
    QAction* entry(const QStringList& path) const
    {
        QList<QAction*> actions = main.menuBar()->actions();
        QAction* found = nullptr;
        for (const QString& caption : path) {
            found = nullptr;
            for (QAction* a : actions)
                if (a->text() == caption) found = a;
            if (!found) return nullptr;
            actions = found->menu() ? found->menu()->actions() : QList<QAction*>{};
        }
        return found;
    }
};

TEST_F(MainWindowTest, HasItsCaptionClientAreaAndPicture)
{
    EXPECT_EQ(main.windowTitle(),
              "Ondarel - Ambiente computacional para análise e projeto de antenas e estruturas de casamento");
    EXPECT_EQ(main.objectName(), "TForm1");
    EXPECT_EQ(main.findChild<QWidget*>("ClientArea")->size(), QSize(630, 234));
    EXPECT_EQ(main.findChild<QLabel*>("Image1")->geometry(), QRect(208, 27, 206, 180));
    EXPECT_EQ(main.pos(), QPoint(0, 0));
}

struct CatalogueCase {
    QStringList path;
    const char* windowClass;
    bool built;
};

void PrintTo(const CatalogueCase& c, std::ostream* os) { *os << c.windowClass; }

class Catalogue : public MainWindowTest, public ::testing::WithParamInterface<CatalogueCase> {};

TEST_P(Catalogue, EveryEntryIsThereAndOpensItsWindowWhenBuilt)
{
    QAction* action = entry(GetParam().path);
    ASSERT_NE(action, nullptr) << GetParam().path.join(" > ").toStdString();
    EXPECT_EQ(action->isEnabled(), GetParam().built);
    if (!GetParam().built) return;
    action->trigger();
    QWidget* window = WindowRegistry::instance().find(GetParam().windowClass);
    ASSERT_NE(window, nullptr);
    window->showMinimized();
    action->trigger();  // brought forward in the normal state, not a second window
    EXPECT_EQ(WindowRegistry::instance().find(GetParam().windowClass), window);
    EXPECT_FALSE(window->isMinimized());
}

const QString A = "&Antenas", F = "Filamentar", R = "Arranjo", M = "Microfita", E = "&Estruturas de casamento",
              G = "&Geometrias";

INSTANTIATE_TEST_SUITE_P(
    Entries, Catalogue,
    ::testing::Values(
        CatalogueCase{{A, F, "Dipolo", "Infinitesimal"}, "TForm2", true},
        CatalogueCase{{A, F, "Dipolo", "Filamentar"}, "TForm4", true},
        CatalogueCase{{A, F, "Espira Circular"}, "TForm10", true},
        CatalogueCase{{A, F, R, "Helicoidal", "Modo Axial"}, "TForm8", true},
        CatalogueCase{{A, F, R, "Helicoidal", "Modo Normal"}, "TForm12", true},
        CatalogueCase{{A, F, R, "Yagi-Uda Loop Circular"}, "TForm29", true},
        CatalogueCase{{A, F, R, "Yagi-Uda"}, "TForm14", true},
        CatalogueCase{{A, F, R, "Log-Periodico"}, "TForm15", true},
        CatalogueCase{{A, F, R, "Uniforme", "Broadside"}, "TForm5", true},
        CatalogueCase{{A, F, R, "Uniforme", "End-Fire"}, "TForm7", true},
        CatalogueCase{{A, F, R, "Uniforme", "Hansen"}, "TForm37", true},
        CatalogueCase{{A, F, R, "Uniforme", "Phased"}, "TForm11", true},
        CatalogueCase{{A, F, R, "Planar"}, "TForm6", true},
        CatalogueCase{{A, "Abertura", "Retangular", "Uniforme"}, "TForm13", true},
        CatalogueCase{{A, "Abertura", "Retangular", "Modo TE10"}, "TForm27", true},
        CatalogueCase{{A, "Abertura", "Circular", "Uniforme"}, "TForm26", true},
        CatalogueCase{{A, "Abertura", "Circular", "Modo TE11"}, "TForm30", true},
        CatalogueCase{{A, M, "Retangular"}, "TForm16", true}, CatalogueCase{{A, M, "Circular"}, "TForm17", true},
        CatalogueCase{{A, M, R, "Retangular"}, "TForm18", true},
        CatalogueCase{{A, M, R, "Circular"}, "TForm21", true}, CatalogueCase{{A, M, R, "Yagi-Uda"}, "TForm20", true},
        CatalogueCase{{A, M, R, "Log-Periodico"}, "TForm19", true}, CatalogueCase{{E, "Casador T"}, "TForm31", true},
        CatalogueCase{{E, "Casador Gamma"}, "TForm33", true}, CatalogueCase{{E, "Dipolo Dobrado"}, "TForm34", true},
        CatalogueCase{{E, "Acoplamento em L"}, "TForm36", true}, CatalogueCase{{G, "Lineares"}, "TForm9", true},
        CatalogueCase{{G, "Aberturas"}, "TfrmGemAbert", true}, CatalogueCase{{G, "Microfitas"}, "TForm23", true},
        CatalogueCase{{G, "Casadores"}, "TForm35", true}, CatalogueCase{{"A&juda", "&Sobre..."}, "Tfrmsobre", true}));

TEST_F(MainWindowTest, HelpAndQuitAreWhereTheyBelong)
{
    QAction* tutorial = entry({"A&juda", "&Tutorial"});
    ASSERT_NE(tutorial, nullptr);
    {
        HelpFolder folder(/*withChm=*/true);
        tutorial->trigger();
    }
    EXPECT_EQ(seam.shellOpened, std::vector<QString>{"Ondarel.chm"});
    EXPECT_TRUE(seam.messages.empty());
    tutorial->trigger();  // neither the document nor a manual: the user is told
    EXPECT_EQ(seam.shellOpened.size(), 1u);
    EXPECT_EQ(seam.messages.size(), 1u);
    QAction* quit = entry({"Sai&r"});
    ASSERT_NE(quit, nullptr);
    EXPECT_EQ(quit->menu(), nullptr);  // a command on the menu bar itself
    const QStringList order = [&] {
        QStringList captions;
        for (QAction* a : main.menuBar()->actions()) captions << a->text();
        return captions;
    }();
    EXPECT_EQ(order, (QStringList{"&Antenas", "&Estruturas de casamento", "&Geometrias", "A&juda", "Sai&r"}));
}

// The standard dialogs speak the program's language: Qt's own Brazilian
// Portuguese, loaded at start-up as in the program.
TEST(StandardDialogs, SpeakPortuguese)
{
    struct Case {
        const char* context;
        const char* english;
        const char* portuguese;
    };
    for (const Case& c :
         {Case{"QFileDialog", "Look in:", "Procurar em:"}, Case{"QFileDialog", "File &name:", "&Nome do arquivo:"},
          Case{"QFileDialog", "&Save", "&Salvar"}, Case{"QPlatformTheme", "Cancel", "Cancelar"},
          Case{"QPrintDialog", "&Print", "&Imprimir"}})
        EXPECT_EQ(QCoreApplication::translate(c.context, c.english), QString::fromUtf8(c.portuguese)) << c.english;
}

}  // namespace
}  // namespace ondarel::test
