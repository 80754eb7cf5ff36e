#pragma once
class QCoreApplication;

namespace ondarel {

// Installs Qt's own Portuguese (Brazil) translations, so that the standard
// dialogs and buttons speak the program's language. Returns false where the
// translations are not installed; the program then goes on in Qt's English.
bool installPortugueseTranslations(QCoreApplication& app);

}  // namespace ondarel
