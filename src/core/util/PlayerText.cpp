#include "PlayerText.h"

namespace bmd {

std::string FillIn(const char* text, const std::vector<int>& numbers, int count)
{
    std::string filled;
    for (const char* c = text; *c != '\0'; ++c) {
        if (c[0] == '%' && c[1] == 'n') {
            filled += std::to_string(count);
            ++c;
            continue;
        }
        const std::size_t slot = c[0] == '%' && c[1] >= '1' && c[1] <= '9' ? std::size_t(c[1] - '1') : numbers.size();
        if (slot < numbers.size()) {
            filled += std::to_string(numbers[slot]);
            ++c;
        } else {
            filled += *c;
        }
    }
    return filled;
}

} // namespace bmd
