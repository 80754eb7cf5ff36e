#pragma once
// "&Tutorial": the compiled help document beside the program when there is
// one, otherwise the HTML manual installed with the program.
#include <QString>
#include <QStringList>

class QWidget;

namespace ondarel {

// The document's name as the shell is asked to open it.
inline constexpr const char* kHelpDocument = "Ondarel.chm";

// Where an installed program finds its manual's first page, nearest first:
// beside the executable's prefix (an installed tree or the build tree), then
// the prefix the program was configured for.
QStringList installedManualLocations();

// What "&Tutorial" opens: "Ondarel.chm" when the current folder holds it,
// else the absolute path of the first manual page found in `manualLocations`,
// else an empty string.
QString tutorialDocument(const QStringList& manualLocations);

// Opens the help through the registry's seam; tells the user when there is
// neither document nor manual instead of doing nothing.
void openTutorial(QWidget* parent);

}  // namespace ondarel
