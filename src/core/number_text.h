#pragma once
// Text <-> number, as every field and project file uses them.
#include <optional>
#include <string>
#include <string_view>

namespace ondarel {

// The whole text as a number: optional blanks around, optional sign, digits
// with an optional "." decimal point (at least one digit), optional exponent
// "e"/"E" with optional sign and at least one digit. Nothing else is accepted:
// a lone "-", "1e", "1x" and "1,5" fail, as do magnitudes beyond the extended
// range.
std::optional<long double> parseNumber(std::string_view text);

// A field's value when conversion errors are ignored: unconvertible or empty
// text counts as 0.
long double fieldValue(std::string_view text);

// A count read from the leading digits of the text, stopping at the first
// other character: "4.000" gives 4, "1e1" gives 1, "" and "-3" give 0.
long double leadingDigitsValue(std::string_view text);

// Fixed notation with the given number of decimals, "." as decimal point, no
// grouping. The value is first taken to 18 significant decimal digits (the
// precision the displays use), then rounded half away from zero, so a stored
// 0.0125 shows as "0.013". Magnitudes of 1e18 and above are shown in the
// general scientific form, e.g. "1.5E20".
std::string formatFixed(long double value, int decimals = 3);

}  // namespace ondarel
