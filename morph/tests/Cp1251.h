#pragma once
// Test helpers: Russian test texts are written in UTF-8 in the sources and
// handed to Lexavar as Windows-1251 bytes.
#include <string>
#include <string_view>

namespace lexavar::test {

inline std::string Cp(std::string_view utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const unsigned char b = static_cast<unsigned char>(utf8[i]);
        if (b < 0x80) {
            out += static_cast<char>(b);
            ++i;
            continue;
        }
        const unsigned cp = ((b & 0x1F) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3F);
        i += 2;
        if (cp >= 0x410 && cp <= 0x44F)
            out += static_cast<char>(cp - 0x410 + 0xC0);
        else if (cp == 0x451)
            out += static_cast<char>(0xB8);
        else if (cp == 0x401)
            out += static_cast<char>(0xA8);
        else
            out += '?';
    }
    return out;
}

inline std::string Utf(std::string_view cp1251) {
    std::string out;
    for (unsigned char b : cp1251) {
        unsigned cp = b;
        if (b >= 0xC0)
            cp = b - 0xC0 + 0x410;
        else if (b == 0xB8)
            cp = 0x451;
        else if (b == 0xA8)
            cp = 0x401;
        else if (b >= 0x80)
            cp = '?';
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

}  // namespace lexavar::test
