#pragma once

#include <string>
#include <vector>

// Marks an English text that a player reads. The core keeps its texts in
// English and stays free of Qt; the window layer translates them under
// `context`. Qt's lupdate is told to read this as QT_TRANSLATE_NOOP, so the
// texts reach the translators from here.
#define BMD_TRANSLATABLE(context, text) text
// The same for a text that says a count as %n, which the window layer
// translates in the plural form for that count (read as QT_TRANSLATE_N_NOOP).
#define BMD_TRANSLATABLE_COUNT(context, text) text

namespace bmd {

// The text with %1, %2, ... %9 replaced by the numbers and %n by the count,
// as the window layer's translation fills them in.
std::string FillIn(const char* text, const std::vector<int>& numbers, int count = 0);

} // namespace bmd
