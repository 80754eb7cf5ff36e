#include "framework/help_document.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "framework/window_registry.h"

namespace ondarel {

namespace {

const char* kManualPage = "share/doc/ondarel/manual/index.html";

}  // namespace

QStringList installedManualLocations()
{
    QStringList locations;
    if (QCoreApplication::instance())
        locations << QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QString("../") + kManualPage);
#ifdef ONDAREL_INSTALL_PREFIX
    locations << QDir(ONDAREL_INSTALL_PREFIX).absoluteFilePath(kManualPage);
#endif
    return locations;
}

QString tutorialDocument(const QStringList& manualLocations)
{
    if (QFileInfo(QDir::current(), kHelpDocument).isFile()) return kHelpDocument;
    for (const QString& location : manualLocations) {
        const QFileInfo page(location);
        if (page.isFile()) return page.canonicalFilePath();
    }
    return {};
}

void openTutorial(QWidget* parent)
{
    WindowRegistry& registry = WindowRegistry::instance();
    const QString document = tutorialDocument(registry.manualLocations());
    if (document.isEmpty()) {
        registry.seam().message(parent, MessageKind::Information,
                                "O manual do Ondarel não foi encontrado. Procure-o em share/doc/ondarel/manual, "
                                "na pasta onde o programa foi instalado.");
        return;
    }
    registry.seam().shellOpen(document);
}

}  // namespace ondarel
