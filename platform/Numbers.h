// Number texts as both programs read and write them.
//
// Reading follows one rule everywhere: commas count as decimal points, then optional
// leading spaces, an optional sign, digits with at most one point and an optional
// exponent, and nothing after it. Writing uses the decimal separator of the user's
// locale unless a caller asks for a point.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// Parses a decimal number by the rule above; false (and value untouched) when the text
// is not a number or does not fit a double.
bool ParseNumber(std::string_view text, double& value);

// The number at the start of a text by the same rule ("1,5x" gives 1.5), or 0 when the
// text does not begin with one.
double LeadingNumber(std::string_view text);

// Parses a 32-bit integer: optional leading spaces, an optional sign, then decimal digits
// (or, with allowHex, '$' followed by hexadecimal digits). Nothing may follow. False when
// the text is not an integer or does not fit.
bool ParseInt(std::string_view text, int32_t& value, bool allowHex = false);

// The integer of a text, or fallback when it is not one.
int32_t IntOr(std::string_view text, int32_t fallback);

// The decimal separator of the user's locale (QLocale's default locale, which tests set).
char LocaleDecimalSeparator();

// General number format: at most 15 significant digits without trailing zeros; fixed
// notation for zero and magnitudes in [0.0001, 1e15), otherwise d.dddE-xxx with an
// exponent of at least three digits and no plus sign.
std::string FormatGeneral(double value, char decimalSeparator);
// The same, appended to out (no allocation beyond out's own growth).
void AppendGeneral(std::string& out, double value, char decimalSeparator);

// Fixed notation with the given number of decimals and a point as separator.
std::string FormatFixed(double value, int decimals);

// Nearest integer, halves to the even neighbour. Values beyond the int range saturate.
int32_t RoundHalfEven(double value);

} // namespace platform
