#include "Utf8Text.h"

#include <algorithm>

namespace {

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Sequence length announced by a lead byte; 0 for a byte that cannot lead.
int announcedLength(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 4;
    }
    return 0;
}

// Rejects overlong forms, surrogates and code points above U+10FFFF, which
// the second byte alone decides.
bool secondByteFits(unsigned char lead, unsigned char second) {
    switch (lead) {
    case 0xE0:
        return second >= 0xA0;
    case 0xED:
        return second <= 0x9F;
    case 0xF0:
        return second >= 0x90;
    case 0xF4:
        return second <= 0x8F;
    default:
        return true;
    }
}

void appendUtf16(std::u16string& out, char32_t code) {
    if (code < 0x10000) {
        out.push_back(static_cast<char16_t>(code));
        return;
    }
    code -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
}

void appendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (code >> 6)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (code >> 12)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (code >> 18)));
        out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
}

} // namespace

namespace Utf8Text {

int charLength(std::string_view text, int offset) {
    const auto size = static_cast<int>(text.size());
    if (offset < 0 || offset >= size) {
        return 0;
    }
    const auto lead = static_cast<unsigned char>(text[offset]);
    const int length = announcedLength(lead);
    if (length <= 1 || offset + length > size) {
        return 1;
    }
    if (!secondByteFits(lead, static_cast<unsigned char>(text[offset + 1]))) {
        return 1;
    }
    for (int i = 1; i < length; ++i) {
        if (!isContinuation(static_cast<unsigned char>(text[offset + i]))) {
            return 1;
        }
    }
    return length;
}

int previousCharStart(std::string_view text, int offset) {
    if (offset <= 0) {
        return 0;
    }
    offset = std::min(offset, static_cast<int>(text.size()));
    // A sequence is at most four bytes; take the longest that ends exactly here.
    for (int back = 4; back >= 2; --back) {
        const int start = offset - back;
        if (start >= 0 && charLength(text, start) == back) {
            return start;
        }
    }
    return offset - 1;
}

char32_t codePointAt(std::string_view text, int offset) {
    const int length = charLength(text, offset);
    if (length == 0) {
        return 0;
    }
    const auto lead = static_cast<unsigned char>(text[offset]);
    if (length == 1) {
        return lead;
    }
    char32_t code = lead & (0xFF >> (length + 1));
    for (int i = 1; i < length; ++i) {
        code = (code << 6) | (static_cast<unsigned char>(text[offset + i]) & 0x3F);
    }
    return code;
}

std::u16string toDisplay(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    int offset = 0;
    const auto size = static_cast<int>(bytes.size());
    while (offset < size) {
        appendUtf16(out, codePointAt(bytes, offset));
        offset += charLength(bytes, offset);
    }
    return out;
}

std::string fromDisplay(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t code = text[i];
        const bool highSurrogate = code >= 0xD800 && code <= 0xDBFF;
        if (highSurrogate && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            code = 0x10000 + ((code - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (code >= 0xD800 && code <= 0xDFFF) {
            code = 0xFFFD; // an unpaired surrogate has no UTF-8 form
        }
        appendUtf8(out, code);
    }
    return out;
}

} // namespace Utf8Text
