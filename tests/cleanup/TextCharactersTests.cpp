#include "tools/common/TextCharacters.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace
{
bool SystemMarksAsSpace(wchar_t c)
{
    WORD type = 0xBEEF;
    if (!GetStringTypeW(CT_CTYPE1, &c, 1, &type))
        ADD_FAILURE() << "GetStringTypeW failed for " << static_cast<unsigned>(c) << ", error " << GetLastError();
    return (type & C1_SPACE) != 0;
}
} // namespace

TEST(WhiteSpace, BelowCodeUnit256OnlyTabToCarriageReturnBlankAndNoBreakSpaceCount)
{
    for (unsigned c = 0; c < 256; ++c)
    {
        const bool expected = (c >= 9 && c <= 13) || c == 32 || c == 160;
        EXPECT_EQ(expected, IsWhiteSpace(static_cast<wchar_t>(c))) << "code unit " << c;
    }
}

TEST(WhiteSpace, NextLineIsNotWhiteSpaceEvenThoughTheSystemMayCallItASpace)
{
    EXPECT_FALSE(IsWhiteSpace(static_cast<wchar_t>(133)));
}

TEST(WhiteSpace, IdeographicAndEmSpacesCountAsTheSystemMarksThemAsSpaces)
{
    EXPECT_TRUE(SystemMarksAsSpace(0x3000));
    EXPECT_TRUE(SystemMarksAsSpace(0x2003));
    EXPECT_TRUE(IsWhiteSpace(0x3000));
    EXPECT_TRUE(IsWhiteSpace(0x2003));
}

TEST(WhiteSpace, FromCodeUnit256UpAgreesWithTheSystemForEveryCodeUnit)
{
    unsigned mismatches = 0;
    for (unsigned c = 256; c <= 0xFFFF; ++c)
    {
        const wchar_t unit = static_cast<wchar_t>(c);
        if (IsWhiteSpace(unit) != SystemMarksAsSpace(unit) && ++mismatches <= 10)
            ADD_FAILURE() << "code unit " << c << " disagrees with GetStringTypeW";
    }
    EXPECT_EQ(0u, mismatches);
}

TEST(WhiteSpace, LettersSurrogatesAndTheLastCodeUnitAreNotWhiteSpace)
{
    for (wchar_t c : {L'a', L'Z', L'0', static_cast<wchar_t>(0xE9), static_cast<wchar_t>(0x4E2D),
                      static_cast<wchar_t>(0xD800), static_cast<wchar_t>(0xDFFF),
                      static_cast<wchar_t>(0xFFFF), static_cast<wchar_t>(0)})
        EXPECT_FALSE(IsWhiteSpace(c)) << "code unit " << static_cast<unsigned>(c);
}

TEST(NonPrinting, IsExactlyTheControlCodesAndSixUnitsFrom127Up)
{
    for (unsigned c = 0; c <= 0xFFFF; ++c)
    {
        const bool expected = (c >= 1 && c <= 31) || c == 127 || c == 129 || c == 141 || c == 143 ||
                              c == 145 || c == 157;
        if (expected != IsNonPrinting(static_cast<wchar_t>(c)))
            ADD_FAILURE() << "code unit " << c << " should " << (expected ? "" : "not ") << "be non-printing";
    }
}
