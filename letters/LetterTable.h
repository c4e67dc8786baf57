#pragma once
// The 32 letters of the Russian alphabet as Windows-1251 bytes, in the order
// every letter table of the statistics shows them.
//
// Position p holds two bytes: the display byte (the letter printed in tables:
// capitals, except ъ, ы, ь, which print in lower case) and the partner byte
// (the other case). A byte is the letter at p when it equals either. Ё and ё
// (0xA8, 0xB8) are not in the table; the counts add them to position 5 (Е).

#include <array>
#include <cstdint>

namespace quillon::letters {

inline constexpr int kLetterCount = 32;
inline constexpr int kPositionE = 5;
inline constexpr unsigned char kYoCapital = 0xA8;
inline constexpr unsigned char kYoSmall = 0xB8;

// The display byte of letter position p (0..31).
constexpr unsigned char displayByte(int p) {
    const unsigned char capital = static_cast<unsigned char>(0xC0 + p);
    return (p >= 26 && p <= 28) ? static_cast<unsigned char>(capital + 0x20) : capital;
}

// The other case of a Cyrillic letter byte 0xC0..0xFF.
constexpr unsigned char otherCase(unsigned char b) {
    return static_cast<unsigned char>(b ^ 0x20);
}

// Byte -> letter position, or -1 for a byte that is not one of the 64 letter
// bytes. Ё/ё map to -1 here; callers apply the Ё rule themselves.
inline constexpr std::array<std::int8_t, 256> kLetterOfByte = [] {
    std::array<std::int8_t, 256> t{};
    for (auto& v : t)
        v = -1;
    for (int b = 0xC0; b <= 0xFF; ++b)
        t[b] = static_cast<std::int8_t>((b - 0xC0) & 0x1F);
    return t;
}();

// Byte -> letter position with the Ё rule applied (Ё/ё count as Е), or -1.
inline constexpr std::array<std::int8_t, 256> kCountedLetterOfByte = [] {
    std::array<std::int8_t, 256> t = kLetterOfByte;
    t[kYoCapital] = kPositionE;
    t[kYoSmall] = kPositionE;
    return t;
}();

}  // namespace quillon::letters
