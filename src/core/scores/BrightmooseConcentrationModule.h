#pragma once

#include "RegistryStore.h"

#include <cstdint>
#include <string>
#include <variant>

namespace bmd {

// A value handed to or from the registry: text, or a signed 32-bit number.
using RegistryValue = std::variant<std::string, std::int32_t>;

// The value as text; a number becomes its decimal digits ("-" when negative).
std::string ValueText(const RegistryValue& value);

// The text a value reads back as once written: a number's digits, or the
// text without its surrounding spaces ("007" comes back as "7").
std::string StoredText(const RegistryValue& value, char decimalPoint = '.');

namespace BrightmooseConcentrationModule {

// Reads a named value: a REG_SZ gives its text up to the first NUL, a
// REG_DWORD its number; a missing key or value, a failed read and any other
// type give "".
RegistryValue ReadRegistryValue(RegistryStore& store, std::uint32_t root, const std::string& path,
                                const std::string& name);

// Writes a named value, creating the key path as needed. A number, or a text
// that reads as one with the locale's decimal point, is stored as a REG_DWORD
// rounded half to even; any other text as a REG_SZ without its surrounding
// spaces. A number that does not fit in 32 bits is stored as its text.
// Failures are silent.
void WriteRegistryValue(RegistryStore& store, std::uint32_t root, const std::string& path, const std::string& name,
                        const RegistryValue& value, char decimalPoint = '.');

} // namespace BrightmooseConcentrationModule

} // namespace bmd
