#include "antennas/wire/yagi_uda_charts.h"

#include <cmath>
#include <optional>

#include "core/fault.h"
#include "core/number_text.h"

namespace ondarel {

namespace {

// Horner form, coefficients from the constant term up.
template <std::size_t Size>
long double polynomial(const long double (&c)[Size], long double x)
{
    long double sum = 0;
    for (std::size_t k = Size; k-- > 0;) sum = sum * x + c[k];
    return sum;
}

int lastIndex(ElementCountCurve curve) { return curve == ElementCountCurve::Gain ? 20 : 22; }

}  // namespace

long double elementCountCurve(ElementCountCurve curve, long double x)
{
    static const long double gain[] = {-1.9102352L, 3.1473877L, -0.23888526L, 0.0084248998L, -8.061048e-5L};
    static const long double length[] = {-0.05573L, 0.05265L, 0.0314L, -0.001445L, 2.814e-5L};
    static const long double vertical[] = {181.6206L,  -65.6195L, 14.8035L,   -1.9853L, 0.1613L,
                                           -0.008023L, 2.389e-4L, -3.911e-6L, 2.707e-8L};
    static const long double horizontal[] = {76.494L, -7.461L, 0.3831L, -0.01017L, 1.0242e-4L};
    switch (curve) {
        case ElementCountCurve::Gain: return polynomial(gain, x);
        case ElementCountCurve::OptimumLength: return polynomial(length, x);
        case ElementCountCurve::VerticalBeamwidth: return polynomial(vertical, x);
        case ElementCountCurve::HorizontalBeamwidth: return polynomial(horizontal, x);
    }
    return 0;
}

std::vector<CurvePoint> elementCountPoints(ElementCountCurve curve, float elements)
{
    // One element leaves no spacing to scale the axis by.
    if (elements == 1.0f) raiseFloatingPointFault();
    const float step = elements / (elements - 1.0f);
    std::vector<CurvePoint> points;
    for (int i = 2; i <= lastIndex(curve); ++i) {
        const float x = static_cast<float>(i - 1) * step;
        points.push_back({x, {elementCountCurve(curve, x)}});
    }
    return points;
}

PatternSource elementCountCharts(std::string elementsField)
{
    PatternSource source;
    source.fieldsRead = {elementsField};
    auto elements = [elementsField](const FieldTexts& texts) {
        return static_cast<float>(fieldValue(texts(elementsField)));
    };
    auto refusal = [elements](const FieldTexts& texts) -> std::optional<std::string> {
        if (elements(texts) <= 0) return "Número de Elementos Inválido!!";
        return std::nullopt;
    };
    auto chart = [&](const char* name, const char* series, ElementCountCurve curve) {
        return CurveChart{
            name,
            {series},
            [elements, curve](const FieldTexts& texts) { return elementCountPoints(curve, elements(texts)); },
            refusal};
    };
    source.curveCharts = {
        chart("gain", "Ganho (dB)", ElementCountCurve::Gain),
        chart("optimum_length", "Comprimento Ótimo (Lambda)", ElementCountCurve::OptimumLength),
        chart("vertical_beamwidth", "LFPV (Graus)", ElementCountCurve::VerticalBeamwidth),
        chart("horizontal_beamwidth", "LFPH (Graus)", ElementCountCurve::HorizontalBeamwidth),
    };
    return source;
}

}  // namespace ondarel
