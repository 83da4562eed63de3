#include "tools/cleanup/CaseMode.h"
#include "tools/cleanup/ChangeCaseOfText.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace
{
using cleanup::CaseMode;
using cleanup::kCaseModes;

std::wstring Changed(std::wstring text, CaseMode mode)
{
    ChangeCaseOfText(text, mode);
    return text;
}

const std::wstring kTab = L"\t";
const std::wstring kNoBreakSpace(1, static_cast<wchar_t>(160));
const std::wstring kNextLine(1, static_cast<wchar_t>(133));
const std::wstring kIdeographicSpace(1, static_cast<wchar_t>(0x3000));
} // namespace

TEST(UpperCase, ChangesOnlyAsciiLetters)
{
    EXPECT_EQ(L"STRA\u00DFE", Changed(L"stra\u00DFe", CaseMode::Upper));
    EXPECT_EQ(L"\u00E9LAN 42 @[`{", Changed(L"\u00E9lan 42 @[`{", CaseMode::Upper));
    EXPECT_EQ(L"ABC XYZ", Changed(L"aBc xYz", CaseMode::Upper));
}

TEST(LowerCase, ChangesOnlyAsciiLetters)
{
    EXPECT_EQ(L"\u00C9cole", Changed(L"\u00C9COLE", CaseMode::Lower));
    EXPECT_EQ(L"abc xyz @[`{", Changed(L"ABC xYZ @[`{", CaseMode::Lower));
}

TEST(FirstUpper, UpperCasesTheFirstCharacterAfterLeadingWhiteSpaceAndNothingElse)
{
    EXPECT_EQ(L"  Hello world", Changed(L"  hello world", CaseMode::FirstUpper));
    EXPECT_EQ(L"HELLO wORLD", Changed(L"hELLO wORLD", CaseMode::FirstUpper));
    EXPECT_EQ(kTab + kNoBreakSpace + L"\r\nAbc", Changed(kTab + kNoBreakSpace + L"\r\nabc", CaseMode::FirstUpper));
    EXPECT_EQ(kIdeographicSpace + L"Abc", Changed(kIdeographicSpace + L"abc", CaseMode::FirstUpper));
}

TEST(FirstUpper, DoesNotLookPastAFirstCharacterThatIsNoLowerCaseAsciiLetter)
{
    EXPECT_EQ(L"\u00E9lan", Changed(L"\u00E9lan", CaseMode::FirstUpper));
    EXPECT_EQ(L"(note) text", Changed(L"(note) text", CaseMode::FirstUpper));
    EXPECT_EQ(L"3rd street", Changed(L"3rd street", CaseMode::FirstUpper));
    EXPECT_EQ(kNextLine + L"abc", Changed(kNextLine + L"abc", CaseMode::FirstUpper))
        << "133 is not white space, so it is the first character";
}

TEST(FirstUpperRestLower, KeepsLeadingWhiteSpaceAndLowerCasesEverythingAfterTheFirstCharacter)
{
    EXPECT_EQ(L"Hello world", Changed(L"hELLO wORLD", CaseMode::FirstUpperRestLower));
    EXPECT_EQ(L"  Hello\tworld", Changed(L"  HELLO\tWORLD", CaseMode::FirstUpperRestLower));
    EXPECT_EQ(L"(note) text", Changed(L"(NOTE) TEXT", CaseMode::FirstUpperRestLower));
}

TEST(EachWord, CapitalisesEveryRunBetweenWhiteSpaceAndLowerCasesTheRest)
{
    EXPECT_EQ(L"Hello World", Changed(L"hELLO wORLD", CaseMode::EachWord));
    EXPECT_EQ(L"  Two  Blanks  ", Changed(L"  two  BLANKS  ", CaseMode::EachWord));
}

TEST(EachWord, PunctuationAndDigitsBelongToTheirWord)
{
    EXPECT_EQ(L"O'neil-smith And 3rd Street", Changed(L"o'neil-smith and 3rd street", CaseMode::EachWord));
    EXPECT_EQ(L"(note) Text", Changed(L"(NOTE) TEXT", CaseMode::EachWord));
}

TEST(EachWord, TabLineFeedCarriageReturnAndNoBreakSpaceSeparateWordsButNextLineDoesNot)
{
    for (const std::wstring& separator :
         {kTab, std::wstring(L"\n"), std::wstring(L"\r"), kNoBreakSpace, kIdeographicSpace})
        EXPECT_EQ(L"One" + separator + L"Two", Changed(L"oNE" + separator + L"tWO", CaseMode::EachWord))
            << "separator " << static_cast<unsigned>(separator[0]);
    EXPECT_EQ(L"One" + kNextLine + L"two", Changed(L"oNE" + kNextLine + L"tWO", CaseMode::EachWord));
}

TEST(CaseRules, LeaveEmptyAndWhiteSpaceOnlyTextsAlone)
{
    const std::wstring blanks = L" \t\r\n" + kNoBreakSpace + kIdeographicSpace;
    for (CaseMode mode : kCaseModes)
    {
        EXPECT_EQ(L"", Changed(L"", mode)) << "mode " << static_cast<int>(mode);
        EXPECT_EQ(blanks, Changed(blanks, mode)) << "mode " << static_cast<int>(mode);
    }
}

TEST(CaseRules, CodesOutsideTheFiveRulesLeaveTheTextUnchanged)
{
    for (int mode : {-1, 5, 6, 1000, INT_MIN, INT_MAX})
        EXPECT_EQ(L"mIxEd Text", Changed(L"mIxEd Text", static_cast<CaseMode>(mode))) << "mode " << mode;
}

TEST(CaseRules, TreatEachSurrogateAndTheLastCodeUnitAsOneCharacter)
{
    const wchar_t lead = 0xD800, trail = 0xDC00, last = 0xFFFF;
    // An unpaired trail surrogate opens a word of its own, so the letter after it stays lower case.
    const std::wstring text = std::wstring(1, trail) + L"ab " + std::wstring(1, lead) + L" cd" + std::wstring(1, last);
    EXPECT_EQ(std::wstring(1, trail) + L"ab " + std::wstring(1, lead) + L" Cd" + std::wstring(1, last),
              Changed(text, CaseMode::EachWord));
    EXPECT_EQ(std::wstring(1, trail) + L"AB " + std::wstring(1, lead) + L" CD" + std::wstring(1, last),
              Changed(text, CaseMode::Upper));
    EXPECT_EQ(text, Changed(text, CaseMode::FirstUpper));
}

TEST(CaseRules, HandleTheLongestCellText)
{
    std::wstring text(32767, L'q');
    text[0] = L' ';
    text[16000] = L'\t';
    text.back() = static_cast<wchar_t>(0xFFFF);

    const std::wstring words = Changed(text, CaseMode::EachWord);
    ASSERT_EQ(32767u, words.size());
    EXPECT_EQ(L'Q', words[1]);
    EXPECT_EQ(L'q', words[2]);
    EXPECT_EQ(L'Q', words[16001]);
    EXPECT_EQ(static_cast<wchar_t>(0xFFFF), words.back());

    const std::wstring upper = Changed(text, CaseMode::Upper);
    EXPECT_EQ(std::wstring::npos, upper.find(L'q'));
}
