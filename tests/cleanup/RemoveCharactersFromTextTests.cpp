#include "tools/cleanup/RemoveCharactersFromText.h"
#include "tools/cleanup/RemoveMode.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace
{
using cleanup::RemoveMode;

std::wstring Removed(std::wstring text, RemoveMode mode)
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
    EXPECT_EQ(L"a   b  ", Removed(text, RemoveMode::Leading));
    EXPECT_EQ(L"  a   b", Removed(text, RemoveMode::Trailing));
    EXPECT_EQ(L"a   b", Removed(text, RemoveMode::LeadingAndTrailing));
}

TEST(WhiteSpaceRemoval, LeadingTabLineFeedAndNoBreakSpaceGoUnderRulesZeroAndTwo)
{
    for (const std::wstring& lead : {std::wstring(L"\t"), std::wstring(L"\n"), kNoBreakSpace})
    {
        EXPECT_EQ(L"word", Removed(lead + L"word", RemoveMode::Leading)) << "lead " << static_cast<unsigned>(lead[0]);
        EXPECT_EQ(L"word", Removed(lead + L"word", RemoveMode::LeadingAndTrailing)) << "lead " << static_cast<unsigned>(lead[0]);
        EXPECT_EQ(lead + L"word", Removed(lead + L"word", RemoveMode::Trailing)) << "lead " << static_cast<unsigned>(lead[0]);
    }
}

TEST(WhiteSpaceRemoval, AllControlBlanksAndSystemSpacesCountAtTheEnds)
{
    const std::wstring ends = L"\t\n\v\f\r " + kNoBreakSpace + Unit(0x2003) + Unit(0x3000);
    EXPECT_EQ(L"x y", Removed(ends + L"x y" + ends, RemoveMode::LeadingAndTrailing));
}

TEST(WhiteSpaceRemoval, NextLineAndOtherNonSpaceControlsStayAtTheEnds)
{
    const std::wstring text = Unit(133) + L" a " + Unit(1);
    EXPECT_EQ(text, Removed(text, RemoveMode::LeadingAndTrailing));
}

TEST(WhiteSpaceRemoval, TextOfBlanksOnlyBecomesEmpty)
{
    const std::wstring blanks = L"   \t" + kNoBreakSpace + Unit(0x3000);
    EXPECT_EQ(L"", Removed(blanks, RemoveMode::Leading));
    EXPECT_EQ(L"", Removed(blanks, RemoveMode::Trailing));
    EXPECT_EQ(L"", Removed(blanks, RemoveMode::LeadingAndTrailing));
}

TEST(NonPrintingRemoval, RemovesLineBreaksWhereverTheyStand)
{
    EXPECT_EQ(L"ab", Removed(L"a\r\nb", RemoveMode::NonPrinting));
    EXPECT_EQ(L"ab", Removed(L"ab\n", RemoveMode::NonPrinting));
    EXPECT_EQ(L"abc", Removed(Unit(1) + L"a" + Unit(127) + Unit(129) + L"b" + Unit(31) + Unit(157) + L"c" + Unit(145),
                             RemoveMode::NonPrinting));
    EXPECT_EQ(L"", Removed(L"\r\n\t", RemoveMode::NonPrinting));
}

TEST(NonPrintingRemoval, KeepsNextLineUnit144NoBreakSpaceAndBlanks)
{
    const std::wstring kept = Unit(133) + L" " + Unit(144) + Unit(160) + Unit(128) + Unit(159);
    EXPECT_EQ(kept, Removed(kept, RemoveMode::NonPrinting));
}

TEST(NoBreakSpaceRemoval, RemovesEveryNoBreakSpaceAndNothingElse)
{
    const std::wstring nbsp = kNoBreakSpace;
    EXPECT_EQ(L"ab\r\nc d", Removed(nbsp + L"a" + nbsp + nbsp + L"b\r\nc d" + nbsp, RemoveMode::NoBreakSpaces));
    EXPECT_EQ(L"", Removed(nbsp + nbsp, RemoveMode::NoBreakSpaces));
    const std::wstring kept = L"\r\n\t " + Unit(133) + Unit(0x202F) + Unit(0x3000);
    EXPECT_EQ(kept, Removed(kept, RemoveMode::NoBreakSpaces));
}

TEST(RemovalRules, CodesOutsideTheFiveRulesLeaveTheTextUnchanged)
{
    const std::wstring text = L"  a\r\n" + kNoBreakSpace + L" ";
    for (int mode : {-1, 5, 6, 1000, INT_MIN, INT_MAX})
        EXPECT_EQ(text, Removed(text, static_cast<RemoveMode>(mode))) << "mode " << mode;
}

TEST(RemovalRules, TreatSurrogatesAndTheLastCodeUnitAsOrdinaryCharacters)
{
    const std::wstring odd = Unit(0xDC00) + L"\r" + Unit(0xD800) + Unit(0xFFFF);
    const std::wstring text = L" " + odd + L" ";
    EXPECT_EQ(odd, Removed(text, RemoveMode::LeadingAndTrailing));
    EXPECT_EQ(L" " + Unit(0xDC00) + Unit(0xD800) + Unit(0xFFFF) + L" ", Removed(text, RemoveMode::NonPrinting));
}

TEST(RemovalRules, HandleTheLongestCellText)
{
    std::wstring text(32767, L' ');
    text[100] = L'x';
    text[32000] = L'y';
    EXPECT_EQ(L"x" + std::wstring(31899, L' ') + L"y", Removed(text, RemoveMode::LeadingAndTrailing));

    std::wstring breaks(32767, L'\n');
    breaks[5] = L'z';
    EXPECT_EQ(L"z", Removed(breaks, RemoveMode::NonPrinting));
}
