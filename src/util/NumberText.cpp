#include "util/NumberText.h"

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

std::optional<double> ParseNumber(const std::string& text)
{
    const std::string trimmed = TrimSpaces(text);
    std::size_t i = 0;
    std::string number; // what from_chars takes: no '+', no spaces
    if (i < trimmed.size() && (trimmed[i] == '+' || trimmed[i] == '-')) {
        if (trimmed[i] == '-') {
            number += '-';
        }
        ++i;
    }
    const std::size_t mantissaStart = i;
    std::size_t digits = SkipDigits(trimmed, i);
    if (i < trimmed.size() && trimmed[i] == '.') {
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
    number += trimmed.substr(mantissaStart);
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || end != number.data() + number.size()) {
        return std::nullopt;
    }
    return value;
}

} // namespace bmd
