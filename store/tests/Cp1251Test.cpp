#include <gtest/gtest.h>

#include <string>

#include "store/Cp1251.h"

using quillon::fromCp1251;
using quillon::toCp1251String;

TEST(Cp1251, EveryDefinedByteRoundTrips) {
    for (int b = 1; b < 256; ++b) {
        if (b == 0x98) {
            continue;  // undefined in Windows-1251
        }
        const std::string bytes(1, static_cast<char>(b));
        EXPECT_EQ(toCp1251String(fromCp1251(bytes)), bytes) << "byte " << b;
    }
}

TEST(Cp1251, LettersAndSpecials) {
    EXPECT_EQ(fromCp1251(std::string("\xCC\xE0\xEC\xE0 \xA8\xB8 \xB9", 9)),
              QString::fromUtf8("Мама Ёё №"));
    EXPECT_EQ(toCp1251String(QString::fromUtf8("Яя «»")), std::string("\xDF\xFF \xAB\xBB"));
    // Characters outside the code page and the undefined byte are not silent garbage.
    EXPECT_EQ(toCp1251String(QString::fromUtf8("a漢b")), std::string("a?b"));
    EXPECT_EQ(fromCp1251(std::string("\x98")), QString(QChar(0xFFFD)));
}
