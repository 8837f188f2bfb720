#include "BrightmooseConcentrationModule.h"

#include "NumberText.h"
#include "Rounding.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>

namespace bmd {

std::string ValueText(const RegistryValue& value)
{
    if (const auto* number = std::get_if<std::int32_t>(&value)) {
        return std::to_string(*number);
    }
    return std::get<std::string>(value);
}

namespace {

// The number a value is stored as (a REG_DWORD), or none when it is stored as
// its text: a text that reads as a number but cannot be held in 32 bits too.
std::optional<std::int32_t> StoredNumber(const RegistryValue& value, char decimalPoint)
{
    if (const auto* held = std::get_if<std::int32_t>(&value)) {
        return *held;
    }
    if (const auto parsed = ParseNumber(std::get<std::string>(value), decimalPoint)) {
        const double rounded = RoundHalfEven(*parsed);
        if (rounded >= std::numeric_limits<std::int32_t>::min()
            && rounded <= std::numeric_limits<std::int32_t>::max()) {
            return static_cast<std::int32_t>(rounded);
        }
    }
    return std::nullopt;
}

} // namespace

std::string StoredText(const RegistryValue& value, char decimalPoint)
{
    if (const auto number = StoredNumber(value, decimalPoint)) {
        return std::to_string(*number);
    }
    return TrimSpaces(std::get<std::string>(value));
}

namespace BrightmooseConcentrationModule {

RegistryValue ReadRegistryValue(RegistryStore& store, std::uint32_t root, const std::string& path,
                                const std::string& name)
{
    RegistryKey key = 0;
    store.OpenKey(root, path, key);
    if (key == 0) {
        return std::string();
    }
    std::uint32_t type = kRegNone;
    std::uint32_t size = 0;
    store.QueryValueInfo(key, name, type, size);

    RegistryValue result = std::string();
    if (type == kRegSz) {
        std::string buffer(size, ' ');
        std::uint32_t written = size;
        if (store.QueryValueData(key, name, buffer.data(), written) == kRegistrySuccess) {
            buffer.resize(std::min(written, size));
            result = buffer.substr(0, buffer.find('\0'));
        }
    } else if (type == kRegDword) {
        std::array<unsigned char, 4> bytes{};
        std::uint32_t written = bytes.size();
        // A DWORD of any other length is damaged and reads as "".
        if (store.QueryValueData(key, name, bytes.data(), written) == kRegistrySuccess && written == bytes.size()) {
            const std::uint32_t raw = bytes[0] | (bytes[1] << 8U) | (bytes[2] << 16U)
                                      | (static_cast<std::uint32_t>(bytes[3]) << 24U);
            result = static_cast<std::int32_t>(raw);
        }
    }
    store.CloseKey(key);
    return result;
}

void WriteRegistryValue(RegistryStore& store, std::uint32_t root, const std::string& path, const std::string& name,
                        const RegistryValue& value, char decimalPoint)
{
    const std::optional<std::int32_t> number = StoredNumber(value, decimalPoint);
    RegistryKey key = 0;
    if (store.CreateKey(root, path, key) != kRegistrySuccess || key == 0) {
        return;
    }
    if (number) {
        const auto raw = static_cast<std::uint32_t>(*number);
        const std::array<unsigned char, 4> bytes{
            static_cast<unsigned char>(raw & 0xFFU), static_cast<unsigned char>((raw >> 8U) & 0xFFU),
            static_cast<unsigned char>((raw >> 16U) & 0xFFU), static_cast<unsigned char>((raw >> 24U) & 0xFFU)};
        store.SetValue(key, name, kRegDword, bytes.data(), bytes.size());
    } else {
        const std::string text = TrimSpaces(std::get<std::string>(value));
        // The terminating NUL is part of the stored bytes.
        store.SetValue(key, name, kRegSz, text.c_str(), static_cast<std::uint32_t>(text.size() + 1));
    }
    store.CloseKey(key);
}

} // namespace BrightmooseConcentrationModule

} // namespace bmd
