// The four aperture calculators through their descriptors, as the window and
// the command-line tool run them: displayed texts, refusals at both sides of
// every limit, and the floating-point fault of an overflowing product.
#include <gtest/gtest.h>

#include <map>
#include <optional>

#include "catalogue/catalogue.h"
#include "core/fault.h"
#include "core/real48.h"

namespace ondarel {
namespace {

using Shown = std::map<std::string, std::string>;

Shown shown(const Outcome& o)
{
    Shown m;
    for (const auto& [field, text] : o.results) m[field] = text;
    return m;
}

struct Example {
    const char* what;
    const char* windowClass;
    std::vector<long double> inputs;
    Shown expected;  // the fields checked; the others are checked elsewhere
};

void PrintTo(const Example& e, std::ostream* os) { *os << e.what; }

class ApertureExamples : public ::testing::TestWithParam<Example> {};

TEST_P(ApertureExamples, ShowTheirResults)
{
    const Example& e = GetParam();
    const Outcome o = findByWindowClass(e.windowClass)->compute(e.inputs);
    ASSERT_FALSE(o.refusal) << *o.refusal;
    const Shown all = shown(o);
    for (const auto& [field, text] : e.expected) EXPECT_EQ(all.at(field), text) << field;
    for (const auto& [field, text] : all) {
        EXPECT_EQ(text.find("nan"), std::string::npos) << field;
        EXPECT_EQ(text.find("inf"), std::string::npos) << field;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ApertureExamples,
    ::testing::Values(
        Example{"uniform rectangle a=2 b=3",
                "TForm13",
                {2, 3},
                {{"output2", "19.473"},
                 {"output9", "30.002"},
                 {"output3", "8.492"},
                 {"output10", "12.798"},
                 {"output4", "28.470"},
                 {"output11", "45.647"},
                 {"output5", "38.945"},
                 {"output12", "60.004"},
                 {"output6", "16.985"},
                 {"output13", "25.596"},
                 {"output7", "56.940"},
                 {"output14", "91.293"},
                 {"output16", "-13.271"},
                 {"output17", "-16.370"},
                 {"output8", "18.774"},
                 {"output15", "18.774"}}},
        // At the bound the H-plane side lobe lies on the horizon: 57.3·π/2.
        Example{"uniform rectangle at the bound a=b=1.43",
                "TForm13",
                {1.43L, 1.43L},
                {{"output11", "90.007"}, {"output14", "180.013"}, {"output4", "90.007"}, {"output16", "-13.271"}}},
        // arcsin(1/5)·57.3, arcsin(0.443/5)·57.3, 10·log10(4π·5·1.5)
        Example{"uniform rectangle a=5 b=1.5",
                "TForm13",
                {5, 1.5L},
                {{"output9", "11.538"}, {"output10", "5.083"}, {"output8", "19.743"}, {"output16", "-13.271"}}},
        Example{"TE10 rectangle a=2 b=3",
                "TForm27",
                {2, 3},
                {{"output2", "19.473"},
                 {"output9", "42.975"},
                 {"output3", "8.492"},
                 {"output10", "17.200"},
                 {"output5", "38.945"},
                 {"output12", "85.950"},
                 {"output6", "16.985"},
                 {"output13", "34.400"},
                 {"output16", "-13.271"},
                 {"output17", "-23.000"},
                 {"output8", "17.858"},
                 {"output15", "17.858"}}},
        // Doubling a halves every H-plane angle.
        Example{"TE10 rectangle a=4 b=3",
                "TForm27",
                {4, 3},
                {{"output10", "8.600"}, {"output12", "42.975"}, {"output13", "17.200"}}},
        Example{"TE10 rectangle at the bound", "TForm27", {1.43L, 1.43L}, {{"output17", "-23.000"}}},
        Example{"uniform circle a=2",
                "TForm26",
                {2},
                {{"output5", "34.950"},
                 {"output12", "34.950"},
                 {"output6", "14.600"},
                 {"output13", "14.600"},
                 {"output16", "-17.600"},
                 {"output17", "-17.600"},
                 {"output8", "21.984"},
                 {"output15", "21.984"}}},
        // Doubling a halves both widths and adds 6.021 dB.
        Example{
            "uniform circle a=4", "TForm26", {4}, {{"output5", "17.475"}, {"output6", "7.300"}, {"output8", "28.005"}}},
        Example{"uniform circle at the bound", "TForm26", {1.43L}, {{"output5", "48.881"}}},
        Example{"TE11 circle a=2",
                "TForm30",
                {2},
                {{"output5", "34.950"},
                 {"output12", "44.500"},
                 {"output6", "14.600"},
                 {"output13", "18.500"},
                 {"output16", "-17.600"},
                 {"output17", "-26.200"},
                 {"output8", "21.206"},
                 {"output15", "21.206"}}},
        // 0.836 of the uniform circle's directivity: 28.005 − 0.778
        Example{"TE11 circle a=4", "TForm30", {4}, {{"output8", "27.227"}, {"output12", "22.250"}}},
        Example{"TE11 circle at the bound", "TForm30", {1.43L}, {{"output13", "25.874"}}}));

struct Refused {
    const char* windowClass;
    std::vector<long double> inputs;
    const char* message;
};

void PrintTo(const Refused& r, std::ostream* os) { *os << r.windowClass << " " << r.message; }

class ApertureRefusals : public ::testing::TestWithParam<Refused> {};

TEST_P(ApertureRefusals, NameTheFirstFailedCheckAndComputeNothing)
{
    const Outcome o = findByWindowClass(GetParam().windowClass)->compute(GetParam().inputs);
    ASSERT_TRUE(o.refusal);
    EXPECT_EQ(*o.refusal, GetParam().message);
    EXPECT_TRUE(o.results.empty());
}

const char* kSideX = "Dimensão da abertura retangular ao longo do eixo x (a>=1.43comprimento de onda) !";
const char* kSideY = "Dimensão da abertura retangular ao longo do eixo y (b>=1.43comprimento de onda)!";
const char* kRadius = "Raio da abertura circular deve ser (a>=1.43comprimento de onda) !";

INSTANTIATE_TEST_SUITE_P(Cases, ApertureRefusals,
                         ::testing::Values(Refused{"TForm13", {1.4299L, 3}, kSideX},
                                           Refused{"TForm13", {1.4299L, 1}, kSideX}, Refused{"TForm13", {0, 0}, kSideX},
                                           Refused{"TForm13", {2, 1}, kSideY}, Refused{"TForm13", {2, 1.4299L}, kSideY},
                                           Refused{"TForm27", {1.42L, 2}, kSideX}, Refused{"TForm27", {-2, 2}, kSideX},
                                           Refused{"TForm27", {2, 1.4299L}, kSideY},
                                           Refused{"TForm26", {1.42L}, kRadius}, Refused{"TForm26", {1.4299L}, kRadius},
                                           Refused{"TForm26", {0}, kRadius}, Refused{"TForm30", {1.42L}, kRadius},
                                           Refused{"TForm30", {1.4299L}, kRadius}));

// The limit typed as it is stored: the 6-byte neighbours of 1.43 fall on
// either side.
TEST(ApertureLimits, TheStoredBoundIsAcceptedAndItsLowerNeighbourRefused)
{
    const long double bound = store48(1.43L);
    const long double below = store48(bound * (1 - 0x1p-38L));
    for (const char* windowClass : {"TForm13", "TForm27", "TForm26", "TForm30"}) {
        SCOPED_TRACE(windowClass);
        const CalculatorDescriptor& d = *findByWindowClass(windowClass);
        const std::size_t n = d.inputs.size();
        EXPECT_FALSE(d.compute(std::vector<long double>(n, bound)).refusal);
        EXPECT_TRUE(d.compute(std::vector<long double>(n, below)).refusal);
    }
}

// The kind of fault a computation raises; nullopt when it raises none.
std::optional<FaultKind> faultOf(const CalculatorDescriptor& d, const std::vector<long double>& inputs)
{
    try {
        d.compute(inputs);
    } catch (const Fault& f) {
        return f.kind();
    }
    return std::nullopt;
}

// A product beyond the 6-byte range (a side of 10^20 wavelengths each way)
// ends in the floating-point fault, not in "inf" shown as a directivity.
TEST(ApertureOverflow, AnOverflowingStoredProductIsTheFloatingPointFault)
{
    const std::vector<std::pair<const char*, std::vector<long double>>> cases = {
        {"TForm13", {1e20L, 1e20L}}, {"TForm27", {1e20L, 1e20L}}, {"TForm26", {1e19L}}, {"TForm30", {1e19L}}};
    for (const auto& [windowClass, inputs] : cases) {
        SCOPED_TRACE(windowClass);
        EXPECT_EQ(faultOf(*findByWindowClass(windowClass), inputs), FaultKind::FloatingPoint);
    }
    // An input beyond the range itself faults when it is stored.
    EXPECT_EQ(faultOf(*findByWindowClass("TForm26"), {1e39L}), FaultKind::FloatingPoint);
    // Just inside the range the product still fits.
    EXPECT_EQ(faultOf(*findByWindowClass("TForm13"), {1e18L, 1e18L}), std::nullopt);
}

TEST(ApertureDescriptors, HideOnCloseAndKeepTheirFileData)
{
    struct Case {
        const char* windowClass;
        const char* extension;
        const char* defaultName;
        std::size_t values;
        bool captionOnSaveAs;
    };
    for (const Case& c :
         {Case{"TForm13", "aru", "AbretUni.aru", 2, false}, Case{"TForm27", "art", "AbrTE10.art", 2, true},
          Case{"TForm26", "acu", "AbCirUni.acu", 1, true}, Case{"TForm30", "act", "AbCirTE.act", 1, true}}) {
        SCOPED_TRACE(c.windowClass);
        const CalculatorDescriptor& d = *findByWindowClass(c.windowClass);
        EXPECT_EQ(d.closePolicy, ClosePolicy::Hide);
        EXPECT_EQ(d.file.extension, c.extension);
        EXPECT_EQ(d.file.defaultName, c.defaultName);
        EXPECT_EQ(d.file.valueCount(), c.values);
        EXPECT_EQ(d.file.captionOnSaveAs, c.captionOnSaveAs);
        const std::string filter = std::string("Projetos de antenas|*.") + c.extension + "|Todos os arquivos|*.*";
        EXPECT_EQ(d.file.openFilter, filter);
        EXPECT_EQ(d.file.saveFilter, filter);
        EXPECT_EQ(d.file.refusal, "O Ondarel não pode abrir este arquivo");
        EXPECT_EQ(d.pattern->windowClass, "TForm39");
        EXPECT_TRUE(d.pattern->polarLast);
    }
}

}  // namespace
}  // namespace ondarel
