#include "antennas/wire/infinitesimal_dipole.h"

#include <cmath>

#include "antennas/wire/wire_patterns.h"
#include "core/checked_math.h"
#include "core/data_sheet.h"
#include "core/decibel.h"
#include "core/limits.h"
#include "core/real48.h"

namespace ondarel {

Checked<InfinitesimalDipoleResults> computeInfinitesimalDipole(const InfinitesimalDipoleInputs& in)
{
    const long double f = store48(in.frequency_mhz);
    const long double L = store48(in.length_norm);
    if (f <= 0) return Refusal{"Frequência com valor inválido!"};
    if (L <= 0) return Refusal{"Comprimento do Dipolo com valor inválido!"};

    const long double wavelength_m = store48(xmath::div(300, f));
    const long double length_m = store48(L * wavelength_m);
    // The limit is strict: L = 0.02 itself is refused.
    if (L >= storedLimit(0.02L)) return Refusal{"Parametro fora das especificações, veja condição de L<0.02!"};

    InfinitesimalDipoleResults r;
    r.radiation_resistance_ohm = store48(789.5683520871486895L * L * L);  // 80π² L²
    r.length_m = length_m;
    r.directivity = store48(1.5L);
    r.directivity_db = store48(10 * log10Stored(r.directivity));
    r.effective_area_m2 = store48(wavelength_m * wavelength_m * r.directivity * 0.0795774715459476678L);  // λ²D/(4π)
    return r;
}

namespace {

float dipoleFunction(const WirePatternValues&, float theta) { return std::sin(theta); }

}  // namespace

CalculatorDescriptor infinitesimalDipoleCalculator()
{
    CalculatorDescriptor d;
    d.windowClass = "TForm2";
    d.code = 2;
    d.title = "Antena Dipolo Elementar ou Infinitesimal";
    d.file = projectFile("dip", "DipElem1.dip", {3, 3}, StatusForm::Bare, kRefusalThisProgram,
                         "Projetos de antenas|*.dip|Todos os  arquivos [*.*]|*.*");
    using In = InfinitesimalDipoleInputs;
    using Out = InfinitesimalDipoleResults;
    d.inputs = {
        {"input1", "Frequência (MHz):", ""},
        {"input2", "Comprimento normalizado do dipolo (L<0.02):", ""},
    };
    d.results = {
        {"Resistência de irradiação (Ohms):", {"output2"}},
        {"Comprimento da antena (m):", {"output3"}},
        {"Diretividade:", {"output4"}},
        {"Diretividade (dB):", {"output5"}},
        {"Área efetiva máxima (m²):", {"output6"}},
    };
    d.compute = bindComputation<In, Out>({&In::frequency_mhz, &In::length_norm},
                                         {
                                             {"output2", &Out::radiation_resistance_ohm},
                                             {"output3", &Out::length_m},
                                             {"output4", &Out::directivity},
                                             {"output5", &Out::directivity_db},
                                             {"output6", &Out::effective_area_m2},
                                         },
                                         &computeInfinitesimalDipole);
    d.sheet = DataSheet(900)
                  .text(400, 100, "Antena dipolo elementar ou infinitesimal")
                  .heading(150, "Entrada de dados:")
                  .line(200, "Freqüência (MHz):", "input1")
                  .line(250, "Comprimento normalizado do dipolo (L<0.02):", "input2")
                  .heading(350, "Resultados:")
                  .line(400, "Resistência de irradiação(Ohms):", "output2")
                  .line(450, "Comprimento da antena(m):", "output3")
                  .line(500, "Diretividade:", "output4")
                  .line(550, "Diretividade(dB):", "output5")
                  .line(600, "Área efetiva máxima(m²):", "output6");
    d.pattern = PatternLink{"TForm3", "Diagrama de Irradiação do Dipolo Elementar ou Infinitesimal",
                            "Diagrama de irradiação retangular da antena dipolo infinitesimal", false,
                            wirePatternSource({}, infinitesimalDipolePolarTables, infinitesimalDipoleFieldTable,
                                              "Diagrama da Antena Dipolo Elementar ou Infinitesimal", dipoleFunction)};
    d.caption3d = "Diagrama de Irradiação 3D do Dipolo Elementar ou Infinitesimal";
    d.geometry = GeometryLink{"TForm9", 0};
    return d;
}

}  // namespace ondarel
