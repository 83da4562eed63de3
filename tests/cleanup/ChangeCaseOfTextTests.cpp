#include "tools/cleanup/CaseMode.h"
#include "tools/cleanup/ChangeCaseOfText.h"

#include <gtest/gtest.h>

#include <climits>
#include <initializer_list>
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

// Letters of every alphabet change into their one-unit partner; ß (whose capital is "SS"), the lone halves
// and the pairs of surrogates, and everything that is no letter stay.
struct CaseCase
{
    const wchar_t* before;
    const wchar_t* after;
};

void ExpectRule(CaseMode mode, std::initializer_list<CaseCase> cases)
{
    for (const CaseCase& c : cases)
        EXPECT_EQ(std::wstring(c.after), Changed(c.before, mode)) << "mode " << static_cast<int>(mode) << ": "
                                                                  << testing::PrintToString(std::wstring(c.before));
}
} // namespace

TEST(UpperCase, ChangesEveryLetterWithAOneUnitCapital)
{
    ExpectRule(CaseMode::Upper, {
        {L"caf\u00E9 \u00E0 la cr\u00E8me", L"CAF\u00C9 \u00C0 LA CR\u00C8ME"},
        {L"\u03BB\u03CC\u03B3\u03BF\u03C2 \u043C\u0438\u0440", L"\u039B\u038C\u0393\u039F\u03A3 \u041C\u0418\u0420"},   // the final sigma too
        {L"stra\u00DFe \u01C6\u01C5\u01C4 \U00010428a\U00010400", L"STRA\u00DFE \u01C4\u01C4\u01C4 \U00010428A\U00010400"},
        {L"i \u0131 \u00B5m 42 @[`{", L"I \u0131 \u00B5M 42 @[`{"},     // no Turkish casing, no micro to Mu
    });
}

TEST(LowerCase, ChangesEveryLetterWithAOneUnitSmallForm)
{
    ExpectRule(CaseMode::Lower, {
        {L"\u00C9COLE \u00C4RGER", L"\u00E9cole \u00E4rger"},
        {L"\u0391\u0398\u0397\u039D\u0391 \u041C\u0418\u0420", L"\u03B1\u03B8\u03B7\u03BD\u03B1 \u043C\u0438\u0440"},
        {L"STRA\u00DFE \u01C4\u01C5\u01C6 \U00010400A\U00010428", L"stra\u00DFe \u01C6\u01C6\u01C6 \U00010400a\U00010428"},
        {L"I \u0130 @[`{", L"i \u0130 @[`{"},
    });
}

TEST(FirstUpper, UpperCasesTheFirstCharacterAfterLeadingWhiteSpaceAndNothingElse)
{
    ExpectRule(CaseMode::FirstUpper, {
        {L"  hello world", L"  Hello world"},
        {L"hELLO wORLD", L"HELLO wORLD"},
        {L"\u00E9lan \u00E9t\u00E9", L"\u00C9lan \u00E9t\u00E9"},
        {L"\u03B1\u03B8\u03AE\u03BD\u03B1", L"\u0391\u03B8\u03AE\u03BD\u03B1"},
        {L"\u01C6emal", L"\u01C4emal"},
        {L"\u00DFe", L"\u00DFe"},
        {L"\U00010428ab", L"\U00010428ab"},
        {L"(note) text", L"(note) text"},   // it does not look past a first character that is no letter
        {L"3rd street", L"3rd street"},
    });
    EXPECT_EQ(kTab + kNoBreakSpace + L"\r\n\u041C\u0438\u0440", Changed(kTab + kNoBreakSpace + L"\r\n\u043C\u0438\u0440", CaseMode::FirstUpper));
    EXPECT_EQ(kIdeographicSpace + L"Abc", Changed(kIdeographicSpace + L"abc", CaseMode::FirstUpper));
    EXPECT_EQ(kNextLine + L"abc", Changed(kNextLine + L"abc", CaseMode::FirstUpper))
        << "133 is not white space, so it is the first character";
}

TEST(FirstUpperRestLower, KeepsLeadingWhiteSpaceAndLowerCasesEverythingAfterTheFirstCharacter)
{
    ExpectRule(CaseMode::FirstUpperRestLower, {
        {L"hELLO wORLD", L"Hello world"},
        {L"  HELLO\tWORLD", L"  Hello\tworld"},
        {L"\u00E9COLE \u00C9T\u00C9 \u041C\u0418\u0420 \u0391\u0398", L"\u00C9cole \u00E9t\u00E9 \u043C\u0438\u0440 \u03B1\u03B8"},
        {L"\u01C5EMAL \u01C4 \u00DF\U00010400", L"\u01C4emal \u01C6 \u00DF\U00010400"},
        {L"\U00010400AB", L"\U00010400ab"},
        {L"(NOTE) TEXT", L"(note) text"},
    });
}

TEST(EachWord, CapitalisesEveryRunBetweenWhiteSpaceAndLowerCasesTheRest)
{
    ExpectRule(CaseMode::EachWord, {
        {L"hELLO wORLD", L"Hello World"},
        {L"  two  BLANKS  ", L"  Two  Blanks  "},
        {L"\u00E9COLE \u00E0 PARIS \u03B3\u0395\u0399\u0391 \u043C\u0418\u0420", L"\u00C9cole \u00C0 Paris \u0393\u03B5\u03B9\u03B1 \u041C\u0438\u0440"},
        {L"\u01C6EMAL \u01C5", L"\u01C4emal \u01C4"},
        {L"\u00DFE \U00010400AB", L"\u00DFe \U00010400ab"},
        {L"o'neil-smith and 3rd street", L"O'neil-smith And 3rd Street"},   // punctuation and digits belong to their word
        {L"(NOTE) TEXT", L"(note) Text"},
    });
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
