#include "nec/nec_deck.h"

#include <cmath>
#include <algorithm>
#include <charconv>
#include <cstdint>

#include "core/number_text.h"

namespace ondarel::nec {

namespace {

std::string padded(const std::string& text, int width)
{
    return text.size() >= static_cast<std::size_t>(width) ? text : std::string(width - text.size(), ' ') + text;
}

std::string integerField(int value, int width)
{
    char text[16];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return padded(std::string(text, end), width);
}

// Program-control cards: I1 in columns 3-5, I2-I4 in 5-column fields, then
// up to six 10-column reals.
std::string controlCard(const char* name, std::array<int, 4> ints, const std::vector<double>& reals)
{
    std::string card = std::string(name) + integerField(ints[0], 3);
    for (int i = 1; i < 4; ++i) card += integerField(ints[i], 5);
    for (double r : reals) card += cardNumber(r);
    return card + "\n";
}

std::string segmentRefusal(const char* why, double length_m, double radius_m, double wavelength_m, int count)
{
    const double segment = length_m / count / wavelength_m;
    return std::string("O modelo NEC2 não pode representar esta estrutura: ") + why + " (segmento de " +
           formatFixed(segment, 4) + " λ, raio do fio de " + formatFixed(radius_m / wavelength_m, 5) + " λ)!";
}

}  // namespace

namespace {

// printf's %g at the most precision that leaves a blank before the field.
std::string generalCardNumber(double value, int width, int start)
{
    char text[32];
    std::size_t length = 0;
    for (int precision = start; precision >= 1; --precision) {
        length = static_cast<std::size_t>(
            std::to_chars(text, text + sizeof text, value, std::chars_format::general, precision).ptr - text);
        if (length < static_cast<std::size_t>(width)) break;
    }
    std::string field(static_cast<std::size_t>(width) > length ? width - length : 0, ' ');
    return field.append(text, length);
}

constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14};

// floor(log10(x)) for 1e-4 <= x < 1e6 by comparison; next to a power of ten,
// where the two could disagree in the last bit, log10 itself decides.
int decimalExponent(double x)
{
    static constexpr double kBounds[] = {1e-4, 1e-3, 1e-2, 1e-1, 1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6};
    int e = 0;
    while (e + 1 < 11 && x >= kBounds[e + 1]) ++e;
    const double below = kBounds[e], above = kBounds[e + 1];
    if (x < below * (1 + 1e-12) || x > above * (1 - 1e-12)) return static_cast<int>(std::floor(std::log10(x)));
    return e - 4;
}

// The field written straight into the deck. A deck can hold thousands of
// coordinates (a many-turn helix), so %g's fixed notation is produced by
// integer rounding here, and whatever that cannot decide exactly (a near tie,
// a carry into another digit, scientific notation) goes to the general routine.
void appendCardNumber(std::string& out, double value, int width)
{
    if (value == 0 || std::fabs(value) < 1e-12) value = 0;  // no "-0" nor rounding noise
    const double magnitude = std::fabs(value);
    if (value == 0 || magnitude < 1e-4 || magnitude >= 1e6) {
        out += generalCardNumber(value, width, 7);
        return;
    }
    // The precision whose fixed notation just fits (sign, integer digits,
    // point, decimals) with a blank before it.
    const int exponent = decimalExponent(magnitude);
    const int room = width - 1 - (value < 0 ? 1 : 0) - 1 - (exponent >= 0 ? exponent + 1 : 1);
    const int precision = std::clamp(room + exponent + 1, 1, 7);
    const int decimals = precision - 1 - exponent;
    if (decimals < 0 || decimals > 14) {
        out += generalCardNumber(value, width, precision);
        return;
    }
    const double scaled = magnitude * kPowersOfTen[decimals];
    const double whole = std::floor(scaled);
    const double fraction = scaled - whole;
    auto digits = static_cast<std::uint64_t>(whole) + (fraction > 0.5 ? 1 : 0);
    if (std::fabs(fraction - 0.5) < 1e-6 || static_cast<double>(digits) >= kPowersOfTen[precision] ||
        static_cast<double>(digits) < kPowersOfTen[precision - 1]) {
        out += generalCardNumber(value, width, precision);
        return;
    }
    // Right to left: the decimals without trailing zeros, the point, the
    // integer digits, the sign.
    char text[32];
    char* at = text + sizeof text;
    int place = 0;
    while (place < decimals && digits % 10 == 0) {
        digits /= 10;
        ++place;
    }
    for (; place < decimals; ++place, digits /= 10) *--at = static_cast<char>('0' + digits % 10);
    if (at != text + sizeof text) *--at = '.';
    do {
        *--at = static_cast<char>('0' + digits % 10);
        digits /= 10;
    } while (digits > 0);
    if (value < 0) *--at = '-';
    const auto length = static_cast<int>(text + sizeof text - at);
    if (length >= width) {
        out += generalCardNumber(value, width, precision);
        return;
    }
    out.append(static_cast<std::size_t>(width - length), ' ').append(at, static_cast<std::size_t>(length));
}

}  // namespace

std::string cardNumber(double value, int width)
{
    std::string field;
    appendCardNumber(field, value, width);
    return field;
}

std::variant<int, Refusal> segmentsFor(double length_m, double radius_m, double wavelength_m, int wanted,
                                       bool centreFed, int minimum)
{
    const double longest = kMaxSegmentWavelengths * wavelength_m;
    const char* tooThick = "o raio do fio é grande demais para os seus segmentos (mínimo de 2 raios por segmento)";
    const char* tooLong = "os segmentos passam de um décimo do comprimento de onda";
    const char* even = "o elemento alimentado no centro precisa de um número ímpar de segmentos";
    if (wanted > 0) {
        if (length_m / wanted < kExtendedKernelSegmentToRadius * radius_m * (1 - 1e-12))
            return Refusal{segmentRefusal(tooThick, length_m, radius_m, wavelength_m, wanted)};
        if (length_m / wanted >= longest)
            return Refusal{segmentRefusal(tooLong, length_m, radius_m, wavelength_m, wanted)};
        if (centreFed && wanted % 2 == 0)
            return Refusal{segmentRefusal(even, length_m, radius_m, wavelength_m, wanted)};
        return wanted;
    }
    auto atMost = [&](double ratio) {
        return static_cast<int>(std::floor(length_m / (ratio * radius_m) * (1 + 1e-12)));
    };
    // Fewest segments below λ/10; most that stay thin-kernel, then most at all.
    int fewest = std::max(minimum, static_cast<int>(std::floor(length_m / longest)) + 1);
    if (centreFed && fewest % 2 == 0) ++fewest;
    const int thin = atMost(kThinKernelSegmentToRadius);
    const int most = atMost(kExtendedKernelSegmentToRadius);
    int n = std::max(fewest, static_cast<int>(std::ceil(length_m / (wavelength_m / 20))));
    n = std::min(n, std::max(thin, fewest));
    if (centreFed && n % 2 == 0) n = n + 1 <= std::max(thin, fewest) ? n + 1 : n - 1;
    if (n > most) return Refusal{segmentRefusal(tooThick, length_m, radius_m, wavelength_m, n)};
    return n;
}

bool needsExtendedKernel(const Model& m)
{
    for (const Wire& w : m.wires) {
        const double length = std::hypot(w.to[0] - w.from[0], w.to[1] - w.from[1], w.to[2] - w.from[2]);
        if (length / w.segments < kThinKernelSegmentToRadius * w.radius_m * (1 - 1e-12)) return true;
    }
    return false;
}

std::string renderDeck(const Model& m)
{
    std::string deck;
    deck.reserve(81 * (m.wires.size() + m.lines.size() + m.comments.size() + 12));
    for (const auto& c : m.comments) deck += "CM " + c + "\n";
    deck += "CE\n";
    // Chained wires (loops, spirals) start where the previous one ended and
    // share its radius: those fields are copied, not converted again.
    Point lastEnd{};
    double lastRadius = 0;
    int lastTag = 0, lastSegments = 0;
    std::string prefixText, endText, radiusText;
    for (const Wire& w : m.wires) {
        // Tag and segment count: the same for most wires of a chain.
        if (prefixText.empty() || w.tag != lastTag || w.segments != lastSegments) {
            prefixText = "GW" + integerField(w.tag, 3) + integerField(w.segments, 5);
            lastTag = w.tag;
            lastSegments = w.segments;
        }
        deck += prefixText;
        if (endText.empty() || w.from != lastEnd)
            for (double c : w.from) appendCardNumber(deck, c, 10);
        else
            deck += endText;
        endText.clear();
        for (double c : w.to) appendCardNumber(endText, c, 10);
        deck += endText;
        lastEnd = w.to;
        if (radiusText.empty() || w.radius_m != lastRadius) {
            radiusText.clear();
            appendCardNumber(radiusText, w.radius_m, 10);
            lastRadius = w.radius_m;
        }
        deck += radiusText;
        deck += '\n';
    }
    deck += controlCard("GE", {m.perfectGround ? 1 : 0, 0, 0, 0}, {});
    if (needsExtendedKernel(m)) deck += controlCard("EK", {0, 0, 0, 0}, {});
    if (m.perfectGround) deck += controlCard("GN", {1, 0, 0, 0}, {});
    if (m.conductivity_s_m > 0) deck += controlCard("LD", {5, 0, 0, 0}, {m.conductivity_s_m});
    deck += controlCard("EX", {0, m.feedTag, m.feedSegment, 0}, {1.0, 0.0});
    for (const Line& l : m.lines)
        deck += controlCard("TL", {l.tag1, l.segment1, l.tag2, l.segment2}, {l.impedance_ohm, 0, 0, 0, 0, 0});
    deck += controlCard("FR", {0, 1, 0, 0}, {m.frequency_mhz, 0});
    // The two principal planes: the vertical plane through x (φ = 0) and the
    // horizontal plane (θ = 90°); over ground, the two vertical planes above it.
    if (m.perfectGround) {
        deck += controlCard("RP", {0, 91, 1, 1000}, {-90, 0, 2, 0});
        deck += controlCard("RP", {0, 91, 1, 1000}, {-90, 90, 2, 0});
    } else {
        deck += controlCard("RP", {0, 181, 1, 1000}, {-180, 0, 2, 0});
        deck += controlCard("RP", {0, 1, 181, 1000}, {90, 0, 0, 2});
    }
    deck += "EN\n";
    return deck;
}

Checked<std::string> necDeck(const std::string& extension, const std::vector<long double>& inputs, int segments)
{
    Checked<Model> model = necModel(extension, inputs, segments);
    if (auto* refusal = std::get_if<Refusal>(&model)) return *refusal;
    return renderDeck(std::get<Model>(model));
}

}  // namespace ondarel::nec
