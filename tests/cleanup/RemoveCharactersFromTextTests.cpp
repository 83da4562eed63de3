#include "tools/cleanup/RemoveCharactersFromText.h"
#include "tools/cleanup/RemoveMode.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace
{
std::wstring Removed(std::wstring text, int mode)
{
    RemoveCharactersFromText(text, mode);
    return text;
}

std::wstring Unit(unsigned codeUnit)
{
    return std::wstring(1, static_cast<wchar_t>(codeUnit));
}

const std::wstring kNoBreakSpace = Unit(160);
} // namespace

TEST(WhiteSpaceRemoval, TrimsOnlyTheChosenEndsAndNeverTouchesInnerBlanks)
{
    const std::wstring text = L"  a   b  ";
    EXPECT_EQ(L"a   b  ", Removed(text, REMOVE_LEADING));
    EXPECT_EQ(L"  a   b", Removed(text, REMOVE_TRAILING));
    EXPECT_EQ(L"a   b", Removed(text, REMOVE_LEADING_TRAILING));
}

TEST(WhiteSpaceRemoval, LeadingTabLineFeedAndNoBreakSpaceGoUnderRulesZeroAndTwo)
{
    for (const std::wstring& lead : {std::wstring(L"\t"), std::wstring(L"\n"), kNoBreakSpace})
    {
        EXPECT_EQ(L"word", Removed(lead + L"word", REMOVE_LEADING)) << "lead " << static_cast<unsigned>(lead[0]);
        EXPECT_EQ(L"word", Removed(lead + L"word", REMOVE_LEADING_TRAILING)) << "lead " << static_cast<unsigned>(lead[0]);
        EXPECT_EQ(lead + L"word", Removed(lead + L"word", REMOVE_TRAILING)) << "lead " << static_cast<unsigned>(lead[0]);
    }
}

TEST(WhiteSpaceRemoval, AllControlBlanksAndSystemSpacesCountAtTheEnds)
{
    const std::wstring ends = L"\t\n\v\f\r " + kNoBreakSpace + Unit(0x2003) + Unit(0x3000);
    EXPECT_EQ(L"x y", Removed(ends + L"x y" + ends, REMOVE_LEADING_TRAILING));
}

TEST(WhiteSpaceRemoval, NextLineAndOtherNonSpaceControlsStayAtTheEnds)
{
    const std::wstring text = Unit(133) + L" a " + Unit(1);
    EXPECT_EQ(text, Removed(text, REMOVE_LEADING_TRAILING));
}

TEST(WhiteSpaceRemoval, TextOfBlanksOnlyBecomesEmpty)
{
    const std::wstring blanks = L"   \t" + kNoBreakSpace + Unit(0x3000);
    EXPECT_EQ(L"", Removed(blanks, REMOVE_LEADING));
    EXPECT_EQ(L"", Removed(blanks, REMOVE_TRAILING));
    EXPECT_EQ(L"", Removed(blanks, REMOVE_LEADING_TRAILING));
}

TEST(NonPrintingRemoval, RemovesLineBreaksWhereverTheyStand)
{
    EXPECT_EQ(L"ab", Removed(L"a\r\nb", REMOVE_NONPRINTING));
    EXPECT_EQ(L"ab", Removed(L"ab\n", REMOVE_NONPRINTING));
    EXPECT_EQ(L"abc", Removed(Unit(1) + L"a" + Unit(127) + Unit(129) + L"b" + Unit(31) + Unit(157) + L"c" + Unit(145),
                             REMOVE_NONPRINTING));
    EXPECT_EQ(L"", Removed(L"\r\n\t", REMOVE_NONPRINTING));
}

TEST(NonPrintingRemoval, KeepsNextLineUnit144NoBreakSpaceAndBlanks)
{
    const std::wstring kept = Unit(133) + L" " + Unit(144) + Unit(160) + Unit(128) + Unit(159);
    EXPECT_EQ(kept, Removed(kept, REMOVE_NONPRINTING));
}

TEST(NoBreakSpaceRemoval, RemovesEveryNoBreakSpaceAndNothingElse)
{
    const std::wstring nbsp = kNoBreakSpace;
    EXPECT_EQ(L"ab\r\nc d", Removed(nbsp + L"a" + nbsp + nbsp + L"b\r\nc d" + nbsp, REMOVE_NO_BREAK_SPACES));
    EXPECT_EQ(L"", Removed(nbsp + nbsp, REMOVE_NO_BREAK_SPACES));
    const std::wstring kept = L"\r\n\t " + Unit(133) + Unit(0x202F) + Unit(0x3000);
    EXPECT_EQ(kept, Removed(kept, REMOVE_NO_BREAK_SPACES));
}

TEST(RemovalRules, CodesOutsideTheFiveRulesLeaveTheTextUnchanged)
{
    const std::wstring text = L"  a\r\n" + kNoBreakSpace + L" ";
    for (int mode : {-1, 5, 6, 1000, INT_MIN, INT_MAX})
        EXPECT_EQ(text, Removed(text, mode)) << "mode " << mode;
}

TEST(RemovalRules, TreatSurrogatesAndTheLastCodeUnitAsOrdinaryCharacters)
{
    const std::wstring odd = Unit(0xDC00) + L"\r" + Unit(0xD800) + Unit(0xFFFF);
    const std::wstring text = L" " + odd + L" ";
    EXPECT_EQ(odd, Removed(text, REMOVE_LEADING_TRAILING));
    EXPECT_EQ(L" " + Unit(0xDC00) + Unit(0xD800) + Unit(0xFFFF) + L" ", Removed(text, REMOVE_NONPRINTING));
}

TEST(RemovalRules, HandleTheLongestCellText)
{
    std::wstring text(32767, L' ');
    text[100] = L'x';
    text[32000] = L'y';
    EXPECT_EQ(L"x" + std::wstring(31899, L' ') + L"y", Removed(text, REMOVE_LEADING_TRAILING));

    std::wstring breaks(32767, L'\n');
    breaks[5] = L'z';
    EXPECT_EQ(L"z", Removed(breaks, REMOVE_NONPRINTING));
}
