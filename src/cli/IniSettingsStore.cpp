#include "cli/IniSettingsStore.h"

#include <charconv>
#include <cstdint>
#include <limits>

namespace {

std::optional<long long> wholeNumber(const std::string& text) {
    long long number = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+') {
        ++first;
    }
    const auto [end, error] = std::from_chars(first, last, number);
    if (error != std::errc() || end != last || first == last) {
        return std::nullopt;
    }
    return number;
}

} // namespace

std::optional<std::string> IniSettingsStore::value(const std::string& group,
                                                   const std::string& name) const {
    const auto written = written_.find({group, name});
    if (written != written_.end()) {
        return written->second;
    }
    return file_.value(group, name);
}

std::string IniSettingsStore::readString(const std::string& group, const std::string& name,
                                         const std::string& fallback) {
    return value(group, name).value_or(fallback);
}

int IniSettingsStore::readInt(const std::string& group, const std::string& name, int fallback) {
    const std::optional<std::string> text = value(group, name);
    const std::optional<long long> number = text ? wholeNumber(*text) : std::nullopt;
    if (!number || *number < std::numeric_limits<int>::min() || *number > 0xFFFFFFFFLL) {
        return fallback;
    }
    // Colours are stored as unsigned 32-bit values; keep their bits.
    return static_cast<int>(static_cast<std::uint32_t>(*number));
}

void IniSettingsStore::writeString(const std::string& group, const std::string& name,
                                   const std::string& value) {
    written_[{group, name}] = value;
}

void IniSettingsStore::writeInt(const std::string& group, const std::string& name, int value) {
    written_[{group, name}] = std::to_string(value);
}
