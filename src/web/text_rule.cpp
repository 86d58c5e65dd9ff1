#include "web/text_rule.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace vornak::web {

namespace {

// The characters of the bytes 0x80 to 0x9F.
constexpr std::array<char32_t, 32> kFrom80 = {
    0x20ac, 0x81,   0x201a, 0x192,  0x201e, 0x2026, 0x2020, 0x2021, 0x2c6,  0x2030, 0x160,  0x2039, 0x152,  0x8d,   0x17d, 0x8f,
    0x90,   0x2018, 0x2019, 0x201c, 0x201d, 0x2022, 0x2013, 0x2014, 0x2dc,  0x2122, 0x161,  0x203a, 0x153,  0x9d,   0x17e, 0x178,
};

constexpr char32_t characterOf(unsigned char byte) { return byte >= 0x80 && byte < 0xA0 ? kFrom80[byte - 0x80] : byte; }

void appendUtf8(std::string& text, char32_t c) {
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The byte a character stands for, or -1.
int byteOf(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c < 0x100)) return static_cast<int>(c);
    const auto found = std::find(kFrom80.begin(), kFrom80.end(), c);
    return found == kFrom80.end() ? -1 : 0x80 + static_cast<int>(found - kFrom80.begin());
}

} // namespace

std::string textOf(std::string_view bytes) {
    if (std::all_of(bytes.begin(), bytes.end(), [](char b) { return static_cast<unsigned char>(b) < 0x80; }))
        return std::string(bytes);
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 2);
    for (const char b : bytes) appendUtf8(text, characterOf(static_cast<unsigned char>(b)));
    return text;
}

std::optional<std::string> bytesOfText(std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        // Every character that stands for a byte is below U+10000: one to
        // three bytes of UTF-8.
        const std::size_t length = lead < 0x80 ? 1 : (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3 : 0;
        if (length == 0 || i + length > text.size()) return std::nullopt;
        char32_t c = length == 1 ? lead : lead & (length == 2 ? 0x1F : 0x0F);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return std::nullopt;
            c = (c << 6) | (next & 0x3F);
        }
        const int byte = (length == 2 && c < 0x80) || (length == 3 && c < 0x800) ? -1 : byteOf(c); // no overlong forms
        if (byte < 0) return std::nullopt;
        bytes += static_cast<char>(byte);
        i += length;
    }
    return bytes;
}

} // namespace vornak::web
