#include "antennas/wire/axial_helix.h"

#include <cmath>

#include "antennas/wire/wire_patterns.h"

namespace ondarel {

namespace {

// sin(π/(2N))·cos θ·sin(N·u)/u with u = (π·S/λ)(1 + cos θ) + π/(2N).
float axialHelixFunction(const WirePatternValues& v, float theta)
{
    const float pi = 3.14159265f;
    const float N = static_cast<float>(v.turns);
    const float wavelength = 300.0f / static_cast<float>(v.frequency_mhz);
    const float u = pi * static_cast<float>(v.spacing_m) / wavelength * (1 + std::cos(theta)) + pi / (2 * N);
    // sin(N·u)/u tends to N where u vanishes.
    const float ratio = u == 0 ? N : std::sin(N * u) / u;
    return std::sin(pi / (2 * N)) * std::cos(theta) * ratio;
}

}  // namespace

CalculatorDescriptor axialHelixCalculator()
{
    using V = WirePatternValues;
    CalculatorDescriptor d;
    d.windowClass = "TForm8";
    d.code = 8;
    d.title = "Antena Helicoidal - Modo Axial ";
    d.file = projectFile("mag", "AxiGeral1.mag", {2, 2, 2, 3}, StatusForm::Bare, kRefusalThisProgram,
                         "Projetos de antenas|*.mag|Todos os arquivos [*.*]|*.*");
    d.pattern = PatternLink{
        "TForm3", "Diagrama de Irradiação da Antena Helicoidal - Modo Axial",
        "Diagrama Retangular da Antena Helicoidal - Modo Axial", true,
        wirePatternSource({{"input1", &V::frequency_mhz}, {"output1", &V::spacing_m}, {"output7", &V::turns}},
                          axialHelixPolarTables, axialHelixFieldTable, "Diagrama da Antena Helicoidal - Modo Axial",
                          axialHelixFunction)};
    d.caption3d = "Diagrama de Irradiação 3D da Antena Helicoidal - Modo Axial";
    return d;
}

}  // namespace ondarel
