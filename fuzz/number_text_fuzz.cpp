// Text to number and the fixed formatter.
//
// Any text: parseNumber either refuses it or gives a finite value, and
// fieldValue is that value or 0.
//
// Any finite value v, formatted with d decimals (d = 3, and 0..6 as reopened
// fields use them), gives a text s that reads back as a value w with:
//  - s in the fixed form -?digits.ddd (exactly d decimals, no leading zeros,
//    no "-" before an all-zero text) when v's 18 digits are below 1e18, else
//    the general form D[.DDD]E[-]N;
//  - |w - v| <= 10^-d / 2 + 1e-17 |v| (+ the read-back's own rounding): the
//    formatter rounds the value's 18-significant-digit decimal to d places,
//    so it is off by at most half a unit of the last decimal shown plus half
//    a unit of the 18th significant digit; the general form keeps only the
//    18 digits. This is the "value rounded to d decimals", allowing for the
//    18-digit step that makes a stored 0.0125 show as 0.013;
//  - formatting w again gives s: the text is a fixed point of read-back and
//    format, so reopening a saved value never drifts.
// Huge values: the formatter is fed every finite long double, far beyond the
// 6-byte real's 1.7e38, so the general form is covered up to 1.2e4932.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "core/number_text.h"
#include "fuzz_check.h"

using namespace ondarel;

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool fixedForm(const std::string& s, int decimals)
{
    std::size_t i = s.size() && s[0] == '-' ? 1 : 0;
    const std::size_t integerStart = i;
    while (i < s.size() && isDigit(s[i])) ++i;
    const std::size_t integerDigits = i - integerStart;
    if (integerDigits == 0) return false;
    if (integerDigits > 1 && s[integerStart] == '0') return false;
    if (decimals == 0) return i == s.size();
    if (i >= s.size() || s[i] != '.') return false;
    ++i;
    std::size_t fractionDigits = 0;
    while (i < s.size() && isDigit(s[i])) ++i, ++fractionDigits;
    if (i != s.size() || fractionDigits != static_cast<std::size_t>(decimals)) return false;
    const bool allZero = s.find_first_not_of("-0.") == std::string::npos;
    return !(allZero && s[0] == '-');
}

bool generalForm(const std::string& s)
{
    std::size_t i = s.size() && s[0] == '-' ? 1 : 0;
    if (i >= s.size() || !isDigit(s[i]) || s[i] == '0') return false;
    ++i;
    if (i < s.size() && s[i] == '.') {
        ++i;
        if (i >= s.size() || !isDigit(s[i])) return false;
        while (i < s.size() && isDigit(s[i])) ++i;
        if (s[i - 1] == '0') return false;  // trailing zeros are dropped
    }
    if (i >= s.size() || s[i] != 'E') return false;
    ++i;
    if (i < s.size() && s[i] == '-') ++i;
    if (i >= s.size()) return false;
    while (i < s.size() && isDigit(s[i])) ++i;
    return i == s.size();
}

void checkFormat(long double v, int decimals)
{
    const std::string s = formatFixed(v, decimals);
    const auto back = parseNumber(s);
    FUZZ_CHECK(back.has_value());
    const long double w = *back;
    const long double magnitude = std::fabs(v);
    if (s.find('E') == std::string::npos) {
        FUZZ_CHECK(magnitude < 1e18L);
        FUZZ_CHECK(fixedForm(s, decimals));
        const long double halfUnit = 0.5L * std::pow(10.0L, -decimals);
        FUZZ_CHECK(std::fabs(w - v) <= halfUnit * (1 + 1e-15L) + 1e-17L * magnitude);
    } else {
        // From 1e18 up, or just below when 18 digits round up to it.
        FUZZ_CHECK(magnitude >= 1e18L * (1 - 1e-17L));
        FUZZ_CHECK(generalForm(s));
        FUZZ_CHECK(std::fabs(w - v) <= 1e-17L * magnitude);
    }
    FUZZ_CHECK(formatFixed(w, decimals) == s);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto parsed = parseNumber(text);
    if (parsed) {
        FUZZ_CHECK(std::isfinite(*parsed));
        FUZZ_CHECK(fieldValue(text) == *parsed);
        checkFormat(*parsed, 3);
    } else {
        FUZZ_CHECK(fieldValue(text) == 0);
    }

    // The same bytes as a long double of any binade, and with every number of
    // decimals a reopened field uses.
    if (size >= 11) {
        std::uint64_t significand = 0;
        std::memcpy(&significand, data, 8);
        std::int16_t exponent = 0;
        std::memcpy(&exponent, data + 8, 2);
        long double v = std::ldexp(static_cast<long double>(significand), exponent % 200 - 64);
        if (data[10] & 0x80) v = std::ldexp(static_cast<long double>(significand), exponent);
        if (data[10] & 1) v = -v;
        if (std::isfinite(v)) {
            checkFormat(v, 3);
            checkFormat(v, (data[10] >> 1) % 7);
        }
    }
    return 0;
}
