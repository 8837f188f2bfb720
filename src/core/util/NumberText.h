#pragma once

#include <optional>
#include <string>

namespace bmd {

// The text without the space characters around it.
std::string TrimSpaces(const std::string& text);

// The number a text reads as: surrounding spaces, an optional sign, digits
// with an optional decimal point (the locale's) and fraction, an optional
// exponent. Empty for anything else, and for a number too large for a double.
std::optional<double> ParseNumber(const std::string& text, char decimalPoint = '.');

} // namespace bmd
