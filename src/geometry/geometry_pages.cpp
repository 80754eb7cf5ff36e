#include "geometry/geometry_pages.h"

#include <algorithm>

#include "core/number_text.h"

namespace ondarel {

namespace {

using F = Figure;

Legend symbolLine(const std::string& letter, const std::string& subscript, const std::string& text)
{
    return Legend{text, "", LegendSymbol{letter, subscript}};
}

GeometryWindowSpec wireAntennas()
{
    return {
        "TForm9",
        "Geometria - Antenas Filamentares",
        572,
        429,
        false,
        false,
        3,
        {
            {"Dipolo",
             {{F::Dipole}},
             {{"2a - Diâmetro do tubo. "},
              {"Comprimento do dipolo. ", "l - "},
              symbolLine("Δl", "", "- Dipolo infinitesimal.")}},
            {"Helicoidal",
             {{F::Helix}},
             {{"L - Comprimento axial da antena helicoidal."},
              {"Lo - Comprimento do fio entre cada volta."},
              {"S - Espaçamento entre as espiras."},
              {"D - Diâmetro das espiras."},
              {"C - Circunferência das espiras."},
              symbolLine("α", "", "- Ângulo de passo.")}},
            {"Espira Circular",
             {{F::Loops}},
             {symbolLine("○", "", "- Espira circular raio finito;"),
              symbolLine("∘", "", "- Espira circular infinitesimal;")}},
            {"Log - Periódica",
             {{F::LogPeriodic}},
             {symbolLine("a", "n", " - Espaçamento entre os elementos."),
              symbolLine("d", "n", " - Diâmetro dos elementos."), symbolLine("l", "n", " - Comprimento dos elementos."),
              symbolLine("2α", "", " - Ângulo de abertura da antena.")}},
            {"Yagi - Uda Espira Circular",
             {{F::LoopYagi}},
             {{"S - Espaçamento entre os diretores."}, {"b - Raio dos diretores."}, {"2a - Diâmetro do tubo."}}},
            {"Yagi - Uda de Dipolos",
             {{F::DipoleYagi}},
             {{"2a - Diâmetro do tubo."},
              {"Sik - Espaçamento entre os diretores."},
              {" - Comprimento dos diretores.", "li"}}},
        },
        {{"Dipolo Infinitesimal", "TForm2", "", 0},
         {"Dipolo Filamentar", "TForm4", "", 0},
         {"Espira Circular", "TForm10", "", 2},
         {"Helicoidal - Modo Axial", "TForm8", "", 1},
         {"Helicoidal - Modo Normal", "TForm12", "", 1},
         {"Log - Periódica", "TForm15", "", 3},
         {"Yagi - Uda Espira Circular", "TForm29", "", 4},
         {"Yagi - Uda de Dipolos", "TForm14", "", 5}}};
}

GeometryWindowSpec microstripAntennas()
{
    const Legend permittivity = symbolLine("ε", "r", "- Constante dielétrica relativa.");
    const Legend arrayX{"D1 - Comprimento do arranjo na direção X."};
    const Legend arrayY{"D2 - Comprimento do arranjo na direção Y."};
    const Legend lines{"Zo - Impedância característca das linhas de transmissão."};
    return {
        "TForm23",
        "Geometria - Antenas de Microfita",
        583,
        445,
        false,
        false,
        0,
        {
            {"Retangular",
             {{F::RectangularPatch, "Antena de Microfita Retangular", true}},
             {permittivity,
              {"yo - Ponto de casamento da antena com a linha de microfita."},
              {"h - Altura do substrato dielétrico."},
              {"t - Espessura da strip condutora e da antena de microfita."},
              {"W - Largura da antena de microfita retangular."},
              {"L - Comprimento da antena de microfita retangular. "}}},
            {"Circular",
             {{F::CircularPatch, "Antena de Microfita Circular", true}},
             {permittivity, {"h - Altura do substrato dielétrico."}, {"t - Espessura da antena e do plano de terra."}}},
            {"Arranjo Retangular",
             {{F::RectangularPatchArray, "Arranjo de Antenas de Microfita Retangular", true}},
             {arrayX, arrayY, {"Rin - Impedância de entrada da antena de microfita retangular."}, lines}},
            {"Arranjo Circular",
             {{F::CircularPatchArray, "Arranjo de Antenas de Microfita Circular", true}},
             {arrayX, arrayY, {"Zt - Impedância do transformador de impedâncias."}, lines}},
            {"Yagi-Uda",
             {{F::MicrostripYagi, "Antena de Microfita Yagi-Uda", true}},
             {{"H - Altura do substrato dielétrico."}}},
            {"Log-Periódica", {{F::MicrostripLogPeriodic, "Antena de Microfita Log-periódica", true}}, {}},
        },
        {{"Antena de Microfita Retangular", "TForm16", "", 0},
         {"Antena de Microfita Circular", "TForm17", "", 1},
         {"Arranjo de Antenas de Microfita Retangular", "TForm18", "", 2},
         {"Arranjo de Antenas de Microfita Circular", "TForm21", "", 3},
         {"Antena de Microfita Yagi-Uda", "TForm20", "", 4},
         {"Antena de Microfita Log-Periódica", "TForm19", "", 5}}};
}

GeometryWindowSpec matchingStructures()
{
    const Legend spacing{"S - Espaçamento centro-a-centro entre os condutores"};
    return {"TForm35",
            "Geometria - Casadores",
            545,
            378,
            true,
            true,
            3,
            {
                {"Casador T",
                 {{F::TMatch}},
                 {{"2a - Diâmetro do maior elemento"},
                  {"2a' - Diâmetro dos menores elementos"},
                  {"Metade do comprimento das varetas  ", "l'/2 - "},
                  spacing,
                  {"C - Capacitância de cada capacitor para ressoar a antena"},
                  {"Comprimento do maior elemento", "l -  "}}},
                {"Casador Gamma",
                 {{F::GammaMatch}},
                 {{"2a - Diâmetro do maior elemento"},
                  {"2a' - Diâmetro do menor elemento"},
                  {"Comprimento do maior elemento", "l  - "},
                  {"Metade do comprimento  da vareta", "l'/2 - "},
                  {"C - Capacitância de entrada para ressoar a antena"},
                  {"Zc - Impedância característica do cabo coaxial"},
                  spacing}},
                {"Dipolo Dobrado",
                 {{F::FoldedDipole}},
                 {spacing,
                  {"V - Tensão aplicada no terminal do dipolo dobrado "},
                  {"Comprimento do dipolo", "l - "},
                  {"2a - Diâmetro dos Condutores "}}},
                {"Acoplamento em L",
                 {{F::LNetwork}},
                 {{"Zo - Impedância característica da Linha de Transmissão."},
                  {"Za - Ra +/- j Xa  - Impedância de entrada da  antena no espaço livre."},
                  {"Zs = XL - Reatância indutiva  para ressoar com a antena."},
                  {"Zp = Xc - Reatância capacitiva para ressoar com a antena."}}},
            },
            {{"Casador &T", "TForm31", "Ctrl+T", 0},
             {"Casador &Gamma", "TForm33", "Ctrl+G", 1},
             {"&Dipolo Dobrado", "TForm34", "Ctrl+D", 2},
             {"Acoplamento em &L", "TForm36", "Ctrl+L", 3}}};
}

GeometryWindowSpec apertureAntennas()
{
    return {"TfrmGemAbert",
            "Geometria - Antenas de Abertura",
            572,
            300,
            false,
            false,
            1,
            {
                {"Abertura Retangular",
                 {{F::RectangularApertureUniform, "Antena de abertura retangular - Uniforme. "},
                  {F::RectangularApertureTe10, "Antena de abertura retangular - Modo TE10. "}},
                 {{"a - Dimensão da abertura ao longo do eixo x."}, {"b - Dimensão da abertura ao longo do eixo y."}}},
                {"Abertura Circular",
                 {{F::CircularApertureUniform, "Antena de abertura Circular - Uniforme."},
                  {F::CircularApertureTe11, "Antena de abertura circular - Modo TE11."}},
                 {{"a - Raio da abertura."}}},
            },
            {{"Abertura retangular - Distribuição uniforme", "TForm13", "", 0},
             {"Abertura retangular - Distribuição modo TE10", "TForm27", "", 0},
             {"Abertura circular - Distribuição uniforme", "TForm26", "", 1},
             {"Abertura circular - Distribuição modo TE11", "TForm30", "", 1}}};
}

// How one dimension of the current design is read: a field, times a factor,
// times the wavelength when the field is normalised to it.
enum class Scale { None, WavelengthField, FrequencyMhz };

struct Dimension {
    const char* symbol;
    const char* field;
    const char* unit;
    double factor = 1;
    Scale scale = Scale::None;
    const char* scaleField = nullptr;  // the wavelength (m) or the frequency (MHz) field
};

struct CallerDimensions {
    const char* windowClass;
    const char* computedField;  // empty until the calculator has results
    std::vector<Dimension> dimensions;
};

// The T and gamma matches share their inputs; only the capacitor differs.
CallerDimensions rodMatch(const char* windowClass, const char* capacitance)
{
    constexpr Scale kW = Scale::WavelengthField;
    return {windowClass,
            capacitance,
            {{"2a", "imput4", "mm", 1000, kW, "output1"},
             {"2a'", "imput5", "mm", 1000, kW, "output1"},
             {"S", "imput6", "m", 1, kW, "output1"},
             {"C", capacitance, "pF"}}};
}

const std::vector<CallerDimensions>& callerDimensions()
{
    constexpr Scale kF = Scale::FrequencyMhz;
    constexpr Scale kW = Scale::WavelengthField;
    static const std::vector<CallerDimensions> all = {
        {"TForm2", "output3", {{"l", "output3", "m"}}},
        {"TForm4", "output8", {{"l", "output8", "m"}, {"2a", "input3", "mm", 2000, kF, "input1"}}},
        {"TForm10", "output1", {{"C", "output1", "m"}, {"2a", "input3", "mm", 2000, kF, "input1"}}},
        {"TForm8",
         "output9",
         {{"L", "output9", "m"},
          {"Lo", "output8", "m"},
          {"S", "output1", "m"},
          {"D", "output2", "m"},
          {"C", "output3", "m"},
          {"2a", "output6", "cm"}}},
        {"TForm12",
         "output7",
         {{"L", "output7", "m"}, {"Lo", "output6", "m"}, {"D", "output2", "m"}, {"C", "output3", "m"}}},
        {"TForm13", "output8", {{"a", "input1", "λ"}, {"b", "input2", "λ"}}},
        {"TForm27", "output8", {{"a", "input1", "λ"}, {"b", "input2", "λ"}}},
        {"TForm26", "output8", {{"a", "input1", "λ"}}},
        {"TForm30", "output8", {{"a", "input1", "λ"}}},
        rodMatch("TForm31", "output9"),
        rodMatch("TForm33", "output8"),
        {"TForm34",
         "output1",
         {{"l", "imput4", "m", 1, kW, "output1"},
          {"2a", "imput5", "mm", 1000, kW, "output1"},
          {"S", "imput6", "m", 1, kW, "output1"}}},
        {"TForm36", "output1", {{"Zs", "output2", "ohm"}, {"Zp", "output1", "ohm"}, {"Zo", "imput4", "ohm"}}},
    };
    return all;
}

std::optional<long double> dimensionValue(const Dimension& d, const FieldTexts& fields)
{
    const auto value = parseNumber(fields(d.field));
    if (!value) return std::nullopt;
    long double scale = 1;
    if (d.scale != Scale::None) {
        const auto by = parseNumber(fields(d.scaleField));
        if (!by || (d.scale == Scale::FrequencyMhz && *by == 0)) return std::nullopt;
        scale = d.scale == Scale::WavelengthField ? *by : 300.0L / *by;
    }
    return *value * d.factor * scale;
}

}  // namespace

const std::vector<GeometryWindowSpec>& geometryWindows()
{
    static const std::vector<GeometryWindowSpec> all = {wireAntennas(), microstripAntennas(), matchingStructures(),
                                                        apertureAntennas()};
    return all;
}

const GeometryWindowSpec* geometryWindow(const std::string& windowClass)
{
    const auto& all = geometryWindows();
    const auto it = std::find_if(all.begin(), all.end(), [&](const auto& w) { return w.windowClass == windowClass; });
    return it == all.end() ? nullptr : &*it;
}

std::string currentDimensions(const std::string& calculatorClass, const FieldTexts& fields)
{
    const auto& all = callerDimensions();
    const auto it =
        std::find_if(all.begin(), all.end(), [&](const auto& c) { return calculatorClass == c.windowClass; });
    if (it == all.end() || fields(it->computedField).empty()) return "";
    std::string line = "Projeto atual: ";
    for (std::size_t i = 0; i < it->dimensions.size(); ++i) {
        const Dimension& d = it->dimensions[i];
        const auto value = dimensionValue(d, fields);
        if (!value) return "";
        line += (i ? "; " : "") + std::string(d.symbol) + " = " + formatFixed(*value) + " " + d.unit;
    }
    return line;
}

}  // namespace ondarel
