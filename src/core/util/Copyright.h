#pragma once

#include <string>

namespace bmd {

// The maker's notice as the windows show it: 2011 alone in 2011, a span from
// 2011 to the given year after it.
inline std::string CopyrightNotice(int year)
{
    if (year == 2011) {
        return "Copyright \u00a9 2011 Brightmoose Software";
    }
    return "Copyright \u00a9 2011 - " + std::to_string(year) + " Brightmoose Software";
}

} // namespace bmd
