#include "app/catalogue_menu.h"

#include <QApplication>
#include <QStringList>

#include "framework/command_guard.h"
#include "framework/help_document.h"
#include "framework/window_registry.h"

namespace ondarel {

namespace {

struct Entry {
    QStringList path;  // menu captions down to the entry
    QString windowClass;
};

const std::vector<Entry>& entries()
{
    static const std::vector<Entry> all = {
        {{"&Antenas", "Filamentar", "Dipolo", "Infinitesimal"}, "TForm2"},
        {{"&Antenas", "Filamentar", "Dipolo", "Filamentar"}, "TForm4"},
        {{"&Antenas", "Filamentar", "Espira Circular"}, "TForm10"},
        {{"&Antenas", "Filamentar", "Arranjo", "Helicoidal", "Modo Axial"}, "TForm8"},
        {{"&Antenas", "Filamentar", "Arranjo", "Helicoidal", "Modo Normal"}, "TForm12"},
        {{"&Antenas", "Filamentar", "Arranjo", "Yagi-Uda Loop Circular"}, "TForm29"},
        {{"&Antenas", "Filamentar", "Arranjo", "Yagi-Uda"}, "TForm14"},
        {{"&Antenas", "Filamentar", "Arranjo", "Log-Periodico"}, "TForm15"},
        {{"&Antenas", "Filamentar", "Arranjo", "Uniforme", "Broadside"}, "TForm5"},
        {{"&Antenas", "Filamentar", "Arranjo", "Uniforme", "End-Fire"}, "TForm7"},
        {{"&Antenas", "Filamentar", "Arranjo", "Uniforme", "Hansen"}, "TForm37"},
        {{"&Antenas", "Filamentar", "Arranjo", "Uniforme", "Phased"}, "TForm11"},
        {{"&Antenas", "Filamentar", "Arranjo", "Planar"}, "TForm6"},
        {{"&Antenas", "Abertura", "Retangular", "Uniforme"}, "TForm13"},
        {{"&Antenas", "Abertura", "Retangular", "Modo TE10"}, "TForm27"},
        {{"&Antenas", "Abertura", "Circular", "Uniforme"}, "TForm26"},
        {{"&Antenas", "Abertura", "Circular", "Modo TE11"}, "TForm30"},
        {{"&Antenas", "Microfita", "Retangular"}, "TForm16"},
        {{"&Antenas", "Microfita", "Circular"}, "TForm17"},
        {{"&Antenas", "Microfita", "Arranjo", "Retangular"}, "TForm18"},
        {{"&Antenas", "Microfita", "Arranjo", "Circular"}, "TForm21"},
        {{"&Antenas", "Microfita", "Arranjo", "Yagi-Uda"}, "TForm20"},
        {{"&Antenas", "Microfita", "Arranjo", "Log-Periodico"}, "TForm19"},
        {{"&Estruturas de casamento", "Casador T"}, "TForm31"},
        {{"&Estruturas de casamento", "Casador Gamma"}, "TForm33"},
        {{"&Estruturas de casamento", "Dipolo Dobrado"}, "TForm34"},
        {{"&Estruturas de casamento", "Acoplamento em L"}, "TForm36"},
        {{"&Geometrias", "Lineares"}, "TForm9"},
        {{"&Geometrias", "Aberturas"}, "TfrmGemAbert"},
        {{"&Geometrias", "Microfitas"}, "TForm23"},
        {{"&Geometrias", "Casadores"}, "TForm35"},
    };
    return all;
}

QMenu* submenu(QWidget* parent, const QString& title)
{
    for (QAction* action : parent->actions())
        if (action->menu() && action->text() == title) return action->menu();
    if (auto* bar = qobject_cast<QMenuBar*>(parent)) return bar->addMenu(title);
    return static_cast<QMenu*>(parent)->addMenu(title);
}

}  // namespace

void buildCatalogueMenus(QMenuBar* bar)
{
    WindowRegistry& registry = WindowRegistry::instance();
    for (const Entry& entry : entries()) {
        QWidget* parent = bar;
        for (int i = 0; i + 1 < entry.path.size(); ++i) parent = submenu(parent, entry.path[i]);
        QAction* action = static_cast<QMenu*>(parent)->addAction(entry.path.last());
        action->setObjectName(entry.windowClass + "Menu");
        action->setEnabled(registry.isRegistered(entry.windowClass));
        const QString windowClass = entry.windowClass;
        QObject::connect(action, &QAction::triggered, [windowClass] {
            guarded([windowClass] { WindowRegistry::instance().openOrShow(windowClass); });
        });
    }

    QMenu* help = bar->addMenu("A&juda");
    QAction* tutorial = help->addAction("&Tutorial");
    tutorial->setObjectName("Tutorial1");
    QObject::connect(tutorial, &QAction::triggered, [bar] { guarded([bar] { openTutorial(bar->window()); }); });
    help->addSeparator();
    QAction* about = help->addAction("&Sobre...");
    about->setObjectName("Sobre1");
    QObject::connect(about, &QAction::triggered,
                     [] { guarded([] { WindowRegistry::instance().openOrShow("Tfrmsobre"); }); });

    QAction* quit = bar->addAction("Sai&r");
    quit->setObjectName("Sair1");
    QObject::connect(quit, &QAction::triggered, [] { QApplication::exit(0); });
}

}  // namespace ondarel
