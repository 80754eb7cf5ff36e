#pragma once
#include <QMenuBar>

namespace ondarel {

// The catalogue menus of the main window: every entry opens its window by
// class id through the registry; entries whose window is not built yet are
// shown disabled.
void buildCatalogueMenus(QMenuBar* bar);

}  // namespace ondarel
