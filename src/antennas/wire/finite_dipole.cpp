#include "antennas/wire/finite_dipole.h"

#include <cmath>
#include <vector>

#include "antennas/wire/finite_dipole_pattern.h"
#include "core/checked_math.h"
#include "core/data_sheet.h"
#include "core/decibel.h"
#include "core/limits.h"
#include "core/real48.h"

namespace ondarel {

namespace {

using xmath::kPi;

// Euler's constant to the six decimals the formulas were written with.
constexpr long double kGamma = 0.577216L;
constexpr long double kOneOverFourPi = 0.0795774715459476678L;
constexpr long double kPi101 = 3.1730085801256911L;         // 1.01·π: the resonance shift of the input impedance
constexpr long double kSurfaceResistanceFactor = 3.94784L;  // ≈ 0.4π², frequency in MHz
constexpr long double kPatternStep = 2 * kPi * 1e-4L;       // 10000 steps over the full turn

// sin² of the input-impedance transformation, which has its poles at whole
// multiples of π. An argument that is such a multiple to within the
// precision of the stored length is the pole itself: the factor is 0 and
// the division by it faults, instead of dividing by the rounding noise of
// sin (L = 1/1.01 would give an Rin of 10^26 ohms).
long double resonanceFactor(long double argument)
{
    const long double s = std::sin(argument);
    if (std::fabs(s) <= std::fabs(argument) * 0x1p-39L) return 0;
    return s * s;
}

}  // namespace

SineCosineIntegrals sineCosineIntegrals(long double x)
{
    if (x < 1) {
        const long double lnx = store48(xmath::ln(x));
        const long double x2 = x * x;
        return {store48(x - x2 * x / 18 + x2 * x2 * x / 600),
                store48(kGamma + lnx - x2 / 4 + x2 * x2 / 96 - x2 * x2 * x2 / 4320)};
    }
    // Auxiliary functions f and g by their rational approximations.
    const long double x2 = x * x;
    const long double x4 = x2 * x2;
    const long double f = store48(xmath::div(x4 + 7.24116L * x2 + 2.46394L, (x4 + 9.06858L * x2 + 7.15743L) * x));
    const long double g = store48(xmath::div(x4 + 7.54748L * x2 + 1.56407L, (x4 + 12.72368L * x2 + 15.72361L) * x2));
    const long double c = std::cos(x);
    const long double s = std::sin(x);
    return {store48(kPi / 2 - f * c - g * s), store48(f * s - g * c)};
}

long double dipoleRadiationFactor(long double x)
{
    const long double kl = store48(2 * kPi * x);
    const long double kl2 = store48(4 * kPi * x);
    const SineCosineIntegrals one = sineCosineIntegrals(kl);
    const SineCosineIntegrals two = sineCosineIntegrals(kl2);
    return store48(kGamma + xmath::ln(kl) - one.ci + 0.5L * std::sin(kl) * (two.si - 2 * one.si) +
                   0.5L * std::cos(kl) * (kGamma + xmath::ln(kl / 2) + two.ci - 2 * one.ci));
}

long double dipoleReactance(long double kl, long double w)
{
    const SineCosineIntegrals one = sineCosineIntegrals(kl);
    const SineCosineIntegrals two = sineCosineIntegrals(store48(2 * kl));
    const SineCosineIntegrals atW = sineCosineIntegrals(w);
    return store48(30 *
                   (2 * one.si + std::cos(kl) * (2 * one.si - two.si) - std::sin(kl) * (2 * one.ci - two.ci - atW.ci)));
}

long double dipolePatternMaximum(long double x, long double step, int count)
{
    const long double u = store48(kPi * x);
    const long double cosU = std::cos(u);
    auto theta = [step](int i) { return store48(i * step); };
    auto pattern = [&](int i) -> long double {
        const long double s = std::sin(theta(i));
        return s == 0 ? 0 : (std::cos(u * std::cos(theta(i))) - cosU) / s;
    };
    auto storedSquare = [&](int i) {
        const long double F = std::sin(theta(i)) != 0 ? pattern(i) : (pattern(i - 1) + pattern(i + 1)) / 2;
        return store48(F * F);
    };

    // Extended sines and cosines cost too much for every sample. Double
    // precision finds the samples that can hold the maximum (its error,
    // below 1e-12 of the maximum, is far inside the margin); only those are
    // computed as specified.
    const double ud = static_cast<double>(u);
    const double cosUd = std::cos(ud);
    std::vector<double> approx(static_cast<std::size_t>(count) + 1);
    double largest = 0;
    for (int i = 1; i <= count; ++i) {
        const double t = static_cast<double>(theta(i));
        const double s = std::sin(t);
        const double F = s != 0 ? (std::cos(ud * std::cos(t)) - cosUd) / s : HUGE_VAL;  // zero: computed exactly
        approx[static_cast<std::size_t>(i)] = F * F;
        if (s != 0) largest = std::fmax(largest, F * F);
    }
    const double margin = largest * (1 - 1e-9);
    long double M = 0;
    for (int i = 1; i <= count; ++i)
        if (approx[static_cast<std::size_t>(i)] >= margin) M = std::fmax(M, std::fabs(storedSquare(i)));
    return M;
}

Checked<FiniteDipoleResults> computeFiniteDipole(const FiniteDipoleInputs& in, Notes& notes)
{
    const long double f = store48(in.frequency_mhz);
    const long double L = store48(in.length_norm);
    const long double rho = store48(in.radius_norm);
    const long double sigma = store48(in.conductivity_s_per_m);
    if (f <= 0) return Refusal{"Frequência com valor não especificado!"};
    if (L <= 0) return Refusal{"Comprimento Normalizado do Dipolo com valor não especificado!"};
    if (L >= storedLimit(43)) return Refusal{"Excedido o Valor do Comprimento Normalizado do Dipolo Escolha< 43!"};
    if (L <= storedLimit(0.02L)) return Refusal{"Este Dipolo Opera como Dipolo infinitesimal, Utilize outra Janela!"};
    if (rho <= 0) return Refusal{"Raio do Dipolo com valor não especificado!"};
    if (sigma <= 0) return Refusal{"Condutividade do Dipolo com valor não especificado!"};

    const long double wavelength_m = store48(xmath::div(300, f));
    const long double length_m = store48(L * wavelength_m);
    const long double radius_m = store48(rho * wavelength_m);

    const bool linear = L >= storedLimit(0.1L);
    notes.push_back(linear ? "A Antena se comporta como um Dipolo Linear!"
                           : "A Antena se comporta como um Dipolo Curto!");

    const long double kl = store48(2 * kPi * L);
    const long double w = store48(xmath::div(4 * kPi * radius_m * radius_m, length_m * wavelength_m));
    const long double Xm = dipoleReactance(kl, w);
    const long double lossResistance = store48(xmath::div(length_m, 2 * kPi * radius_m) *
                                               xmath::sqrt(xmath::div(kSurfaceResistanceFactor * f, sigma)));

    FiniteDipoleResults r;
    r.length_m = length_m;
    r.loss_resistance_ohm = lossResistance;
    long double resonance;  // sin² of the input-impedance transformation
    if (linear) {
        const long double Q = dipoleRadiationFactor(L);
        const long double M = store48(dipolePatternMaximum(L, kPatternStep, 10000));
        r.directivity = store48(xmath::div(2 * M, Q));
        r.radiation_resistance_ohm = store48(60 * Q);
        resonance = resonanceFactor(kPi101 * L);
    } else {
        r.radiation_resistance_ohm = store48(2 * 98.6960440108935861883L * L * L);  // 20π² L²
        r.directivity = store48(1.5L);
        resonance = resonanceFactor(kPi * xmath::div(length_m, wavelength_m));
    }
    r.directivity_db = store48(10 * log10Stored(r.directivity));
    r.effective_area_m2 = store48(wavelength_m * wavelength_m * r.directivity * kOneOverFourPi);
    r.input_resistance_ohm = store48(xmath::div(r.radiation_resistance_ohm, resonance));
    r.input_reactance_ohm = store48(xmath::div(Xm, resonance));
    r.efficiency_percent =
        store48(xmath::div(100 * r.radiation_resistance_ohm, lossResistance + r.radiation_resistance_ohm));
    return r;
}

CalculatorDescriptor finiteDipoleCalculator()
{
    CalculatorDescriptor d;
    d.windowClass = "TForm4";
    d.code = 4;
    d.title = "Antena Dipolo Filamentar";
    d.file = projectFile("lin", "DipLinear1.lin", {3, 3, 5, 3}, StatusForm::Bare, kRefusalOndarel,
                         "Projetos de antenas dipolo|*.lin|Todos os arquivos|*.*");
    using In = FiniteDipoleInputs;
    using Out = FiniteDipoleResults;
    d.pickListBeside = "input4";
    d.inputs = {
        {"input1", "Freqüência (MHz):", "", ""},
        {"input2", "Comprimento normalizado:", "", ""},
        {"input3", "Raio normalizado do dipolo:", "", ""},
        {"input4", "Condutividade do material (S/m):", "", ""},
    };
    d.results = {
        {"Impedância de entrada (Ohm):", {"output9", "output10"}, {"Rin", "+/- j Xin"}},
        {"Resistência de irradiação (Ohm):", {"output2"}, {}},
        {"Resistência de perda (Ohm):", {"output3"}, {}},
        {"Diretividade:", {"output4"}, {}},
        {"Diretividade (dB):", {"output5"}, {}},
        {"Área efetiva máxima (m²):", {"output6"}, {}},
        {"Eficiência de irradiação da antena (%):", {"output7"}, {}},
        {"Comprimento do dipolo (m):", {"output8"}, {}},
    };
    d.compute =
        bindComputation<In, Out>({&In::frequency_mhz, &In::length_norm, &In::radius_norm, &In::conductivity_s_per_m},
                                 {
                                     {"output9", &Out::input_resistance_ohm},
                                     {"output10", &Out::input_reactance_ohm},
                                     {"output2", &Out::radiation_resistance_ohm},
                                     {"output3", &Out::loss_resistance_ohm},
                                     {"output4", &Out::directivity},
                                     {"output5", &Out::directivity_db},
                                     {"output6", &Out::effective_area_m2},
                                     {"output7", &Out::efficiency_percent},
                                     {"output8", &Out::length_m},
                                 },
                                 &computeFiniteDipole);
    d.sheet = DataSheet(900)
                  .text(400, 100, "Antena dipolo filamentar")
                  .heading(150, "Entrada de dados:")
                  .line(200, "Freqüência (MHz):", "input1")
                  .line(250, "Comprimento normalizado:", "input2")
                  .line(300, "Raio normalizado do dipolo:", "input3")
                  .line(350, "Condutividade do material(S/m):", "input4")
                  .heading(450, "Resultados:")
                  .text(900, 450, "Rin")
                  .text(1100, 450, "+/- jXin")
                  .line(500, "Impedância de entrada(Ohms):", "output9")
                  .value(1100, 500, "output10")
                  .line(550, "Resistência de irradiação(Ohms):", "output2")
                  .line(600, "Resistência de perda(Ohms):", "output3")
                  .line(650, "Diretividade:", "output4")
                  .line(700, "Diretividade(dB):", "output5")
                  .line(750, "Área efetiva máxima(m²):", "output6")
                  .line(800, "Eficiência de irradiação da antena(%):", "output7")
                  .line(850, "Comprimento do dipolo(m):", "output8");
    d.pattern = PatternLink{"TForm38",
                            "Diagrama de Irradiação da Antena Dipolo Filamentar e Gráficos",
                            "Diagrama de irradiação retangular da antena dipolo filamentar",
                            true,
                            finiteDipolePatternSource(),
                            {},
                            {
                                "Gráfico das resistências de irradiação e de entrada x Comprimento da antena dipolo "
                                "filamentar",
                                "Gráfico das reatâncias de irradiação e de entrada x Comprimento da antena dipolo "
                                "filamentar",
                                "Gráfico da diretividade x Comprimento da antena dipolo filamentar",
                            }};
    d.caption3d = "Diagrama de Irradiação 3D da Antena Dipolo Filamentar";
    d.geometry = GeometryLink{"TForm9", 0};
    return d;
}

}  // namespace ondarel
