#include "catalogue/catalogue.h"

#include <cctype>

#include "antennas/aperture/circular_aperture_te11.h"
#include "antennas/aperture/circular_aperture_uniform.h"
#include "antennas/aperture/rectangular_aperture_te10.h"
#include "antennas/aperture/rectangular_aperture_uniform.h"
#include "antennas/arrays/broadside_array.h"
#include "antennas/arrays/end_fire_array.h"
#include "antennas/arrays/hansen_woodyard_array.h"
#include "antennas/arrays/phased_array.h"
#include "antennas/arrays/planar_array.h"
#include "antennas/microstrip/circular_patch.h"
#include "antennas/microstrip/circular_patch_array.h"
#include "antennas/microstrip/microstrip_log_periodic.h"
#include "antennas/microstrip/microstrip_yagi_uda.h"
#include "antennas/microstrip/rectangular_patch.h"
#include "antennas/microstrip/rectangular_patch_array.h"
#include "antennas/wire/axial_helix.h"
#include "antennas/wire/finite_dipole.h"
#include "antennas/wire/infinitesimal_dipole.h"
#include "antennas/wire/log_periodic_dipoles.h"
#include "antennas/wire/normal_helix.h"
#include "antennas/wire/small_loop.h"
#include "antennas/wire/yagi_uda_dipoles.h"
#include "antennas/wire/yagi_uda_loops.h"
#include "matching/folded_dipole.h"
#include "matching/gamma_match.h"
#include "matching/l_network.h"
#include "matching/t_match.h"
#include "nec/nec_deck.h"

namespace ondarel {

namespace {

// The one registration list: every calculator in catalogue order.
std::vector<CalculatorDescriptor> registered()
{
    return {
        infinitesimalDipoleCalculator(), finiteDipoleCalculator(),        smallLoopCalculator(),
        axialHelixCalculator(),          normalHelixCalculator(),         yagiUdaLoopsCalculator(),
        yagiUdaDipolesCalculator(),    logPeriodicDipolesCalculator(),    broadsideArrayCalculator(),
        endFireArrayCalculator(),        hansenWoodyardArrayCalculator(), phasedArrayCalculator(),
        planarArrayCalculator(),         rectangularApertureUniformCalculator(),    rectangularApertureTe10Calculator(),
        circularApertureUniformCalculator(),    circularApertureTe11Calculator(),    rectangularPatchCalculator(),
        circularPatchCalculator(),    rectangularPatchArrayCalculator(),    circularPatchArrayCalculator(),
        microstripYagiUdaCalculator(),    microstripLogPeriodicCalculator(),    tMatchCalculator(),
        gammaMatchCalculator(),          foldedDipoleCalculator(),        lNetworkCalculator(),
    };
}

// The wire structures also write their solver models.
std::vector<CalculatorDescriptor> build()
{
    std::vector<CalculatorDescriptor> all = registered();
    for (auto& d : all) {
        if (!d.implemented() || !nec::exportsNec(d.file.extension)) continue;
        d.necDeck = [ext = d.file.extension](const std::vector<long double>& values) {
            auto deck = nec::necDeck(ext, values);
            if (auto* refused = std::get_if<Refusal>(&deck)) return NecExport{"", refused->message};
            return NecExport{std::get<std::string>(deck), std::nullopt};
        };
    }
    return all;
}

}  // namespace

const std::vector<CalculatorDescriptor>& catalogue()
{
    static const std::vector<CalculatorDescriptor> all = build();
    return all;
}

const CalculatorDescriptor* findByWindowClass(std::string_view windowClass)
{
    for (const auto& d : catalogue())
        if (d.windowClass == windowClass) return &d;
    return nullptr;
}

const CalculatorDescriptor* findByExtension(std::string_view extension)
{
    for (const auto& d : catalogue()) {
        if (d.file.extension.size() != extension.size()) continue;
        bool same = true;
        for (std::size_t i = 0; i < extension.size(); ++i)
            same = same && std::tolower(static_cast<unsigned char>(extension[i])) == d.file.extension[i];
        if (same) return &d;
    }
    return nullptr;
}

const CalculatorDescriptor* findByCode(int code)
{
    for (const auto& d : catalogue())
        if (d.code == code) return &d;
    return nullptr;
}

const PatternSource* patternSourceFor(int code, std::string_view patternWindow)
{
    const CalculatorDescriptor* d = findByCode(code);
    if (!d || !d->pattern || d->pattern->windowClass != patternWindow) return nullptr;
    const PatternSource& source = d->pattern->source;
    if (!source.polarTables && source.curveCharts.empty()) return nullptr;
    return &source;
}

}  // namespace ondarel
