#include "antennas/wire/small_loop.h"

#include <cmath>

#include "antennas/wire/wire_patterns.h"

namespace ondarel {

namespace {

// sin θ for a small loop (λ/(6π) > a, λ in metres as the window reads it),
// otherwise sin θ · J1(2π·a·sin θ).
float loopFunction(const WirePatternValues& v, float theta)
{
    const float wavelength = 300.0f / static_cast<float>(v.frequency_mhz);
    const float a = static_cast<float>(v.loop_radius_norm);
    const float s = std::sin(theta);
    if (wavelength * 0.0530516476972984f > a) return s;
    return s * static_cast<float>(std::cyl_bessel_j(1.0, 2 * 3.14159265358979 * a * s));
}

}  // namespace

CalculatorDescriptor smallLoopCalculator()
{
    using V = WirePatternValues;
    CalculatorDescriptor d;
    d.windowClass = "TForm10";
    d.code = 10;
    d.title = "Antena Espira Circular ";
    d.closePolicy = ClosePolicy::Hide;
    d.file = projectFile("aec", "AntEspCir.aec", {3, 3, 5, 3, 3}, StatusForm::Bare, kRefusalOndarel,
                         "Antena espira circular|*.aec|Todos os arquivos|*.*");
    d.pattern = PatternLink{"TForm3", "Diagrama de Irradiação da antena espira circular", "", false,
                            wirePatternSource({{"input1", &V::frequency_mhz}, {"input2", &V::loop_radius_norm}},
                                              smallLoopPolarTables, smallLoopFieldTable, std::nullopt, loopFunction)};
    return d;
}

}  // namespace ondarel
