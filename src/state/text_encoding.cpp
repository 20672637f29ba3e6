#include "state/text_encoding.h"

#include <array>
#include <cstdint>

namespace vekselgrad {
namespace {

// Code points of the bytes 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F. The one byte that the
// code page leaves unassigned, 0x98, maps to U+0098 so that every byte survives a round trip.
constexpr std::array<char32_t, 64> upperHalf{
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
    0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
    0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
    0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
    0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};

char32_t codePointOfByte(unsigned char byte) {
    if (byte < 0x80) {
        return byte;
    }
    if (byte < 0xC0) {
        return upperHalf[byte - 0x80u];
    }
    return 0x0410u + (byte - 0xC0u);
}

void appendUtf8(std::string& out, char32_t cp) {
    auto put = [&out](std::uint32_t v) { out.push_back(static_cast<char>(v)); };
    if (cp < 0x80) {
        put(cp);
    } else if (cp < 0x800) {
        put(0xC0 | (cp >> 6));
        put(0x80 | (cp & 0x3F));
    } else {
        put(0xE0 | (cp >> 12));
        put(0x80 | ((cp >> 6) & 0x3F));
        put(0x80 | (cp & 0x3F));
    }
}

// Decodes one character at `pos` and moves past it; a malformed byte counts as one character.
char32_t nextCodePoint(std::string_view s, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(s[pos]);
    std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (pos + length > s.size()) {
        length = 1;
    }
    char32_t cp = length == 1 ? lead : lead & (0x7Fu >> length);
    for (std::size_t i = 1; i < length; ++i) {
        cp = (cp << 6) | (static_cast<unsigned char>(s[pos + i]) & 0x3Fu);
    }
    pos += length;
    return cp;
}

char byteOfCodePoint(char32_t cp) {
    if (cp < 0x80) {
        return static_cast<char>(cp);
    }
    if (cp >= 0x0410 && cp <= 0x044F) {
        return static_cast<char>(0xC0 + (cp - 0x0410));
    }
    for (std::size_t i = 0; i < upperHalf.size(); ++i) {
        if (upperHalf[i] == cp) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

}  // namespace

std::string cp1251ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char c : bytes) {
        appendUtf8(out, codePointOfByte(static_cast<unsigned char>(c)));
    }
    return out;
}

std::string utf8ToCp1251(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        out.push_back(byteOfCodePoint(nextCodePoint(text, pos)));
    }
    return out;
}

std::size_t characterCount(std::string_view utf8) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < utf8.size(); ++count) {
        nextCodePoint(utf8, pos);
    }
    return count;
}

std::string fitToLength(std::string_view utf8, std::size_t length) {
    std::size_t pos = 0;
    std::size_t count = 0;
    while (pos < utf8.size() && count < length) {
        nextCodePoint(utf8, pos);
        ++count;
    }
    std::string out(utf8.substr(0, pos));
    out.append(length - count, ' ');
    return out;
}

}  // namespace vekselgrad
