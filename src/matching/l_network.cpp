#include "matching/l_network.h"

#include <cmath>

#include "core/checked_math.h"
#include "core/data_sheet.h"
#include "core/real48.h"

namespace ondarel {

namespace {

// Capacitor across the antenna, inductor towards the line. It exists where
// the antenna's conductance is at most 1/Z0, Ra² + Xa² ≥ Z0·Ra: always when
// Ra > Z0, and for Ra < Z0 when Xa is large enough.
void shuntAcrossAntenna(long double Ra, long double Xa, long double Z0, LNetworkResults& r)
{
    const long double magnitude2 = Ra * Ra + Xa * Xa;
    const long double s = store48(xmath::sqrt(store48((Ra / Z0) * (magnitude2 - Z0 * Ra))));
    const long double X1 = store48(std::fabs(xmath::div(Z0, Ra - Z0) * (s - Xa)));
    const long double X2 = store48(std::fabs(X1 * xmath::div(magnitude2 - Xa * X1, Ra * Ra + (Xa - X1) * (Xa - X1))));
    r.capacitive_reactance_ohm = X1;
    r.inductive_reactance_ohm = X2;
    r.shunt = ShuntSide::Antenna;
}

}  // namespace

Checked<LNetworkResults> computeLNetwork(const LNetworkInputs& in)
{
    const long double f = store48(in.frequency_mhz);
    const long double Ra = store48(in.resistance_ohm);
    const long double Xa = store48(in.reactance_ohm);
    const long double Z0 = store48(in.line_z0_ohm);
    if (f <= 0) return Refusal{"Freqüência inválida!!"};
    // The message asks for Ra > 0: a resistance of 0 cannot be matched.
    if (Ra <= 0 || Ra == Z0)
        return Refusal{
            "Impedância da antena parte real(Ra) deve ser diferente da impedância característica(Zo) ou Ra>0!!"};
    if (Z0 <= 0) return Refusal{"Impedância característica da Linha de Transmissão Inválida!!"};

    LNetworkResults r;
    if (Z0 > Ra) {
        // Capacitor across the line, inductor in series with the antenna. The
        // series branch must reach Ra·q in all, so the inductor supplies what
        // the antenna's own reactance does not.
        const long double q = store48(xmath::sqrt(store48(xmath::div(Z0, Ra)) - 1));
        const long double series = store48(Ra * q);
        if (Xa > 0 && Ra * Ra + Xa * Xa - Z0 * Ra > 0) {
            // Xa > Ra·q: the series branch would need a capacitor; the
            // other arrangement matches with the same two elements.
            shuntAcrossAntenna(Ra, Xa, Z0, r);
        } else {
            r.capacitive_reactance_ohm = store48(std::fabs(xmath::div(Z0, q)));
            r.inductive_reactance_ohm = store48(std::fabs(series - Xa));
            r.shunt = ShuntSide::Line;
        }
    } else {
        shuntAcrossAntenna(Ra, Xa, Z0, r);
    }
    const long double omega = 2 * xmath::kPi * f;  // per microsecond: f is in MHz
    r.capacitance_pf = store48(xmath::div(1e6L, omega * r.capacitive_reactance_ohm));
    r.inductance_nh = store48(1000 * r.inductive_reactance_ohm / omega);
    return r;
}

CalculatorDescriptor lNetworkCalculator()
{
    CalculatorDescriptor d;
    d.windowClass = "TForm36";
    d.code = 36;
    d.title = "Circuito de acoplamento em L";
    d.commands = CommandSet::Matching;
    d.file = projectFile("acl", "AcoplaL.AcL", {3, 3, 3, 3}, StatusForm::Bare, kRefusalThisProgram,
                         "Arquivos do Circuito em L [*.acl]|*.acl|Todos os arquivos (*.*)|*.*",
                         "Arquivos do Circuito em L [*.acl]|*.acl");
    using In = LNetworkInputs;
    using Out = LNetworkResults;
    d.inputsCaption = "Entrada de Dados:";
    d.inputs = {
        {"imput1", "Freqüência (MHz):", "", ""},
        {"imput2", "Impedância da antena  Ra +/- j Xa (ohm):", "", ""},
        {"imput3", "", "", "", "+/-j"},
        {"imput4", "Impedância característica da L. T. (ohm):", "", ""},
    };
    d.keyPressFields = {"imput1"};
    d.results = {
        {"Reatância capacitiva para ressoar com a antena (ohm):", {"output1"}, {}},
        {"Reatância indutiva para ressoar com a antena (ohm):", {"output2"}, {}},
        {"Valor do capacitor para ressoar com a antena (pF):", {"output3"}, {}},
        {"Valor do indutor para ressoar com a antena  (nH):", {"output4"}, {}},
    };
    d.compute =
        bindComputation<In, Out>({&In::frequency_mhz, &In::resistance_ohm, &In::reactance_ohm, &In::line_z0_ohm},
                                 {
                                     {"output1", &Out::capacitive_reactance_ohm},
                                     {"output2", &Out::inductive_reactance_ohm},
                                     {"output3", &Out::capacitance_pf},
                                     {"output4", &Out::inductance_nh},
                                 },
                                 &computeLNetwork);
    d.sheet = DataSheet(900)
                  .text(400, 100, "Circuito de acoplamento em L")
                  .heading(150, "Entrada de dados")
                  .line(200, "Freqüência (MHz):", "imput1")
                  .line(250, "Impedância da antena Ra +/- jXa (ohm):", "imput2")
                  .value(1100, 250, "imput3")
                  .line(300, "Impedância característica da L.T. (ohm):", "imput4")
                  .heading(400, "Resultados")
                  .line(450, "Reatância capacitiva para ressoar com a antena (ohm):", "output1")
                  .line(500, "Reatância indutiva para ressoar com a antena (ohm):", "output2")
                  .line(550, "Valor do capacitor para ressoar com a antena (pF):", "output3")
                  .line(600, "Valor do indutor para ressoar com a antena (nH):", "output4");
    d.geometry = GeometryLink{"TForm35", 3};
    return d;
}

}  // namespace ondarel
