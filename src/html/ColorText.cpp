#include "html/ColorText.h"

#include "html/AsciiText.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr size_t MaxHexDigits = 6;

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

std::uint32_t hexValue(std::string_view digits) {
    std::uint32_t value = 0;
    for (size_t i = 0; i < digits.size() && i < MaxHexDigits && hexDigit(digits[i]) >= 0; ++i) {
        value = value * 16 + static_cast<std::uint32_t>(hexDigit(digits[i]));
    }
    return value;
}

ColorChoice fromValue(std::string_view digits) {
    ColorChoice choice;
    choice.value = hexValue(digits);
    choice.hasValue = true;
    return choice;
}

ColorChoice fromName(std::string_view name) {
    ColorChoice choice;
    choice.name = name;
    choice.byName = true;
    return choice;
}

bool quotedAndUpperCased(ColorTextCaller caller) {
    return caller == ColorTextCaller::ChooseParameter || caller == ColorTextCaller::InsertTag;
}

// "#" and the value in six lower-case hexadecimal digits, zero-padded.
std::string hashValue(std::uint32_t value) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%x", value);
    std::string text(digits);
    if (text.size() < MaxHexDigits) {
        text.insert(0, MaxHexDigits - text.size(), '0');
    }
    return "#" + text;
}

} // namespace

namespace ColorText {

ColorChoice Read(std::string_view text) {
    if (AsciiText::startsWith(text, "#")) {
        return fromValue(text.substr(1));
    }
    if (AsciiText::startsWith(text, "\"#")) {
        return fromValue(text.substr(2));
    }
    if (AsciiText::startsWith(text, "\"")) {
        return fromName(text.size() >= 2 ? text.substr(1, text.size() - 2) : std::string_view());
    }
    return fromName(text);
}

std::string Write(const ColorChoice& choice, ColorTextCaller caller) {
    std::string text =
        choice.byName && !choice.name.empty() ? choice.name : hashValue(choice.value);
    if (!quotedAndUpperCased(caller)) {
        return text;
    }
    if (!(choice.byName && !choice.name.empty())) {
        text = "\"" + text + "\"";
    }
    return AsciiText::upperCopy(text);
}

std::uint32_t ChannelFromText(std::string_view text) {
    while (!text.empty() && AsciiText::isLineSpace(text.front())) {
        text.remove_prefix(1);
    }
    std::uint32_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            break;
        }
        value = std::min<std::uint32_t>(value * 10 + static_cast<std::uint32_t>(c - '0'), 1000);
    }
    return std::min(value, ChannelMax);
}

std::uint32_t Combine(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    return (std::min(red, ChannelMax) << 16) | (std::min(green, ChannelMax) << 8) |
           std::min(blue, ChannelMax);
}

std::uint32_t Red(std::uint32_t value) {
    return (value >> 16) & ChannelMax;
}

std::uint32_t Green(std::uint32_t value) {
    return (value >> 8) & ChannelMax;
}

std::uint32_t Blue(std::uint32_t value) {
    return value & ChannelMax;
}

} // namespace ColorText
