#include "framework/application_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace ondarel {

bool installPortugueseTranslations(QCoreApplication& app)
{
    // qtbase_pt_BR covers every standard dialog; it lives as long as the app.
    auto* translator = new QTranslator(&app);
    if (!translator->load("qtbase_pt_BR", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    app.installTranslator(translator);
    return true;
}

}  // namespace ondarel
