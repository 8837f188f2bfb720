#include "NumberText.h"

#include <charconv>

namespace bmd {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Moves `i` past a run of digits and returns how many there were.
std::size_t SkipDigits(const std::string& text, std::size_t& i)
{
    const std::size_t start = i;
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
    }
    return i - start;
}

} // namespace

std::string TrimSpaces(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::optional<double> ParseNumber(const std::string& text, char decimalPoint)
{
    const std::string trimmed = TrimSpaces(text);
    std::size_t i = 0;
    const bool negative = !trimmed.empty() && trimmed[0] == '-';
    if (i < trimmed.size() && (trimmed[i] == '+' || trimmed[i] == '-')) {
        ++i;
    }
    const std::size_t mantissaStart = i;
    std::size_t digits = SkipDigits(trimmed, i);
    const std::size_t integerEnd = i;
    if (i < trimmed.size() && trimmed[i] == decimalPoint) {
        ++i;
        digits += SkipDigits(trimmed, i);
    }
    if (digits == 0) {
        return std::nullopt;
    }
    if (i < trimmed.size() && (trimmed[i] == 'e' || trimmed[i] == 'E')) {
        ++i;
        if (i < trimmed.size() && (trimmed[i] == '+' || trimmed[i] == '-')) {
            ++i;
        }
        if (SkipDigits(trimmed, i) == 0) {
            return std::nullopt;
        }
    }
    if (i != trimmed.size()) {
        return std::nullopt;
    }
    // What from_chars takes: no '+', a '.' for the decimal point.
    std::string number = trimmed.substr(mantissaStart);
    if (integerEnd < trimmed.size() && trimmed[integerEnd] == decimalPoint) {
        number[integerEnd - mantissaStart] = '.';
    }
    if (negative) {
        number.insert(0, 1, '-');
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || end != number.data() + number.size()) {
        return std::nullopt;
    }
    return value;
}

} // namespace bmd
