#include "app/window_factories.h"

#include "app/about_window.h"
#include "catalogue/catalogue.h"
#include "framework/calculator_window.h"
#include "framework/pick_list_dialog.h"
#include "framework/window_registry.h"
#include "geometry/geometry_picture_window.h"
#include "plots/aperture_pattern_window.h"
#include "plots/element_count_window.h"
#include "plots/array_pattern_window.h"
#include "plots/pattern_3d_window.h"
#include "plots/finite_dipole_window.h"
#include "plots/patch_pattern_window.h"
#include "plots/print_window.h"
#include "plots/wire_pattern_window.h"

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
    registry.registerWindow("TForm3", [] { return new WirePatternWindow; });
    registry.registerWindow("TForm28", [] { return new ArrayPatternWindow; });
    registry.registerWindow("TForm39", [] { return new AperturePatternWindow; });
    registry.registerWindow("TForm38", [] { return new FiniteDipoleWindow; });
    registry.registerWindow("TForm22", [] { return new PatchPatternWindow(22); });
    registry.registerWindow("TForm24", [] { return new PatchPatternWindow(24); });
    registry.registerWindow("TForm25", [] { return new ElementCountWindow; });
    registry.registerWindow("Tfrmprint", [] { return new PrintWindow; });
    registry.registerWindow("TfrmZB", [] { return new Pattern3dWindow; });
    for (const GeometryWindowSpec& spec : geometryWindows()) {
        const GeometryWindowSpec* geometry = &spec;
        registry.registerWindow(
            QString::fromStdString(spec.windowClass), [geometry] { return new GeometryPictureWindow(*geometry); },
            spec.hidesOnClose ? ClosePolicy::Hide : ClosePolicy::Free);
    }
    for (const char* dialog : {"TDialogMenu1", "TDialogMenu2", "TDialogMenu3"})
        registry.registerWindow(dialog, [dialog] { return new PickListDialog(*pickDialog(dialog)); });
}

}  // namespace ondarel
