#include "antennas/wire/normal_helix.h"

#include <cmath>

#include "antennas/wire/wire_patterns.h"

namespace ondarel {

namespace {

// (X·sin θ)² + sin² θ with X the normal-mode condition.
float normalHelixFunction(const WirePatternValues& v, float theta)
{
    const float s = std::sin(theta);
    const float xs = static_cast<float>(v.normal_mode_nl) * s;
    return xs * xs + s * s;
}

}  // namespace

CalculatorDescriptor normalHelixCalculator()
{
    using V = WirePatternValues;
    CalculatorDescriptor d;
    d.windowClass = "TForm12";
    d.code = 12;
    d.title = "Antena Helicoidal - Modo Normal";
    d.closePolicy = ClosePolicy::Hide;
    d.file = projectFile("mng", "NorGeral1.mng", {2, 2, 2, 3, 3}, StatusForm::Bracketed, kRefusalOndarel,
                         "Projetos de antenas|*.mng|Todos os arquivos [*.*]|*.*");
    d.pattern =
        PatternLink{"TForm3", "Diagrama de Irradiação da Antena Helicoidal - Modo Normal",
                    "Diagrama retangular da antena helicoidal - Modo normal", true,
                    wirePatternSource({{"input4", &V::normal_mode_nl}}, normalHelixPolarTables, normalHelixFieldTable,
                                      "Diagrama da Antena Helicoidal - Modo Normal", normalHelixFunction)};
    d.caption3d = "Diagrama de Irradiação 3D da Antena Helicoidal - Modo Normal";
    return d;
}

}  // namespace ondarel
