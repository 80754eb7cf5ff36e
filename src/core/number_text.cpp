#include "core/number_text.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace ondarel {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

bool matchesGrammar(std::string_view s)
{
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        std::size_t expDigits = 0;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++expDigits;
        if (expDigits == 0) return false;
    }
    return i == s.size();
}

// Decimal digits of |value| to 18 significant digits, and the decimal
// exponent of the first one.
struct Decimal {
    std::string digits;  // exactly 18 digits
    int exponent = 0;    // value = 0.d1d2... × 10^(exponent + 1)
};

Decimal toDecimal(long double magnitude)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17Le", magnitude);
    Decimal d;
    const char* p = buffer;
    for (; *p && *p != 'e'; ++p)
        if (std::isdigit(static_cast<unsigned char>(*p))) d.digits.push_back(*p);
    d.exponent = (*p == 'e') ? std::atoi(p + 1) : 0;
    return d;
}

std::string formatGeneral(long double magnitude, bool negative)
{
    Decimal d = toDecimal(magnitude);
    while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
    std::string out = negative ? "-" : "";
    out += d.digits[0];
    if (d.digits.size() > 1) out += "." + d.digits.substr(1);
    out += "E" + std::to_string(d.exponent);
    return out;
}

}  // namespace

std::optional<long double> parseNumber(std::string_view text)
{
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    if (!matchesGrammar(text)) return std::nullopt;
    const std::string copy(text);
    errno = 0;
    char* end = nullptr;
    const long double value = std::strtold(copy.c_str(), &end);
    if (end != copy.c_str() + copy.size()) return std::nullopt;
    if (errno == ERANGE && std::isinf(value)) return std::nullopt;
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

long double fieldValue(std::string_view text) { return parseNumber(text).value_or(0.0L); }

long double leadingDigitsValue(std::string_view text)
{
    long double value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') break;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::string formatFixed(long double value, int decimals)
{
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    const bool negative = value < 0;
    const long double magnitude = std::fabs(value);
    if (magnitude >= 1e18L) return formatGeneral(magnitude, negative);

    // Digits of the integer and fraction parts, from 18 significant digits.
    std::string integer = "0";
    std::string fraction;
    if (magnitude != 0) {
        const Decimal d = toDecimal(magnitude);
        // Taken to 18 digits, a magnitude just below 1e18 can round up to it:
        // it then shows as the 18-digit value it has become.
        if (d.exponent >= 18) return formatGeneral(magnitude, negative);
        const int pointAt = d.exponent + 1;  // digits before the decimal point
        if (pointAt > 0) {
            integer = d.digits.substr(0, static_cast<std::size_t>(pointAt));
            fraction = d.digits.substr(static_cast<std::size_t>(pointAt));
        } else {
            fraction = std::string(static_cast<std::size_t>(-pointAt), '0') + d.digits;
        }
    }
    fraction.resize(std::max<std::size_t>(fraction.size(), static_cast<std::size_t>(decimals) + 1), '0');

    // Round half away from zero at the requested decimal.
    const bool roundUp = fraction[static_cast<std::size_t>(decimals)] >= '5';
    std::string kept = integer + fraction.substr(0, static_cast<std::size_t>(decimals));
    if (roundUp) {
        int i = static_cast<int>(kept.size()) - 1;
        for (; i >= 0; --i) {
            if (kept[i] == '9') {
                kept[i] = '0';
            } else {
                ++kept[i];
                break;
            }
        }
        if (i < 0) kept.insert(kept.begin(), '1');
    }
    const std::size_t integerDigits = kept.size() - static_cast<std::size_t>(decimals);
    std::string out = kept.substr(0, integerDigits);
    if (decimals > 0) out += "." + kept.substr(integerDigits);
    const bool allZero = kept.find_first_not_of('0') == std::string::npos;
    if (negative && !allZero) out.insert(out.begin(), '-');
    return out;
}

}  // namespace ondarel
