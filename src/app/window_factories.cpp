#include "app/window_factories.h"

#include "app/about_window.h"
#include "core/catalogue.h"
#include "framework/calculator_window.h"
#include "framework/window_registry.h"

namespace ondarel {

void registerWindows()
{
    WindowRegistry& registry = WindowRegistry::instance();
    for (const CalculatorDescriptor& d : catalogue()) {
        if (!d.implemented()) continue;
        const CalculatorDescriptor* descriptor = &d;
        registry.registerWindow(
            QString::fromStdString(d.windowClass), [descriptor] { return new CalculatorWindow(*descriptor); },
            d.closePolicy);
    }
    registry.registerWindow("Tfrmsobre", [] { return new AboutWindow; });
}

}  // namespace ondarel
