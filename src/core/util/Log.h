#pragma once

#include <functional>
#include <string>

namespace bmd {

// Warnings of the core (a store set aside or that cannot be opened). The core
// has no logging of its own: the program routes these into its Qt logging
// category; until then they go to standard error.
using WarningSink = std::function<void(const std::string& message)>;

void SetWarningSink(WarningSink sink);
void Warn(const std::string& message);

} // namespace bmd
