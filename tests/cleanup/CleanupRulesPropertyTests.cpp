#include "tools/cleanup/CaseMode.h"
#include "tools/cleanup/ChangeCaseOfText.h"
#include "tools/cleanup/RemoveCharactersFromText.h"
#include "tools/cleanup/RemoveMode.h"
#include "tools/common/TextCharacters.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <string>
#include <vector>

namespace
{
using cleanup::CaseMode;
using cleanup::kCaseModes;
using cleanup::RemoveMode;
using cleanup::kRemoveModes;

// Letters at and around the ASCII letter ranges, every kind of white space, non-printing units and
// their neighbours, accented letters, lone surrogates and the last code unit.
const std::vector<wchar_t> kAlphabet = {
    L'a', L'm', L'z', L'A', L'M', L'Z', L'@', L'[', L'`', L'{', L'\'', L'-', L'3', L'(',
    L' ', L'\t', L'\n', L'\v', L'\f', L'\r', 160, 0x2003, 0x3000,
    1, 8, 14, 31, 127, 128, 129, 133, 141, 143, 144, 145, 157, 159,
    0xC9, 0xDF, 0xE9, 0x0130, 0x0431, 0x4E2D, 0xD800, 0xDBFF, 0xDC00, 0xDFFF, 0xFFFF};

// A small fixed-seed generator, so every run sees the same texts on both architectures.
class RandomTexts
{
public:
    explicit RandomTexts(std::uint32_t seed) : m_state(seed) {}

    std::wstring Next()
    {
        const std::size_t length = NextBelow(41);
        std::wstring text;
        for (std::size_t i = 0; i < length; ++i)
            text += kAlphabet[NextBelow(kAlphabet.size())];
        return text;
    }

private:
    std::size_t NextBelow(std::size_t bound)
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state % bound;
    }

    std::uint32_t m_state;
};

std::vector<std::wstring> SampleTexts()
{
    RandomTexts generator(0x5EEDC0DEu);
    std::vector<std::wstring> texts{L""};
    for (int i = 0; i < 3000; ++i)
        texts.push_back(generator.Next());
    return texts;
}

const std::vector<std::wstring>& Samples()
{
    static const std::vector<std::wstring> samples = SampleTexts();
    return samples;
}

std::wstring CaseChanged(std::wstring text, CaseMode mode)
{
    ChangeCaseOfText(text, mode);
    return text;
}

std::wstring Removed(std::wstring text, RemoveMode mode)
{
    RemoveCharactersFromText(text, mode);
    return text;
}

bool IsAsciiLetter(wchar_t c)
{
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z');
}

bool SameLetterIgnoringCase(wchar_t a, wchar_t b)
{
    return IsAsciiLetter(a) && IsAsciiLetter(b) && (a | 0x20) == (b | 0x20);
}

bool IsSubsequence(const std::wstring& part, const std::wstring& whole)
{
    std::size_t at = 0;
    for (wchar_t c : whole)
        if (at < part.size() && part[at] == c)
            ++at;
    return at == part.size();
}

std::string Describe(const std::wstring& text)
{
    std::string units;
    for (wchar_t c : text)
        units += std::to_string(static_cast<unsigned>(c)) + " ";
    return "code units [ " + units + "]";
}

const int kOutOfRangeModes[] = {-1, 5, 7, 255, INT_MIN, INT_MAX};
} // namespace

TEST(CaseRuleProperties, KeepTheLengthAndChangeOnlyTheCaseOfAsciiLetters)
{
    for (const std::wstring& text : Samples())
        for (CaseMode mode : kCaseModes)
        {
            const std::wstring result = CaseChanged(text, mode);
            ASSERT_EQ(text.size(), result.size()) << "mode " << static_cast<int>(mode) << ", " << Describe(text);
            for (std::size_t i = 0; i < text.size(); ++i)
                ASSERT_TRUE(result[i] == text[i] || SameLetterIgnoringCase(result[i], text[i]))
                    << "mode " << static_cast<int>(mode) << ", position " << i << ", " << Describe(text);
        }
}

TEST(CaseRuleProperties, UpperCaseLeavesNoLowerCaseAsciiLetterAndLowerCaseNoUpperCaseOne)
{
    for (const std::wstring& text : Samples())
    {
        const std::wstring upper = CaseChanged(text, CaseMode::Upper);
        const std::wstring lower = CaseChanged(text, CaseMode::Lower);
        EXPECT_TRUE(std::none_of(upper.begin(), upper.end(), [](wchar_t c) { return c >= L'a' && c <= L'z'; }))
            << Describe(text);
        EXPECT_TRUE(std::none_of(lower.begin(), lower.end(), [](wchar_t c) { return c >= L'A' && c <= L'Z'; }))
            << Describe(text);
    }
}

TEST(CaseRuleProperties, ApplyingARuleASecondTimeChangesNothing)
{
    for (const std::wstring& text : Samples())
        for (CaseMode mode : kCaseModes)
        {
            const std::wstring once = CaseChanged(text, mode);
            ASSERT_EQ(once, CaseChanged(once, mode)) << "mode " << static_cast<int>(mode) << ", " << Describe(text);
        }
}

TEST(CaseRuleProperties, UnderEachWordNoWordStartsInLowerCaseOrGoesOnInUpperCase)
{
    for (const std::wstring& text : Samples())
    {
        const std::wstring words = CaseChanged(text, CaseMode::EachWord);
        for (std::size_t i = 0; i < words.size(); ++i)
        {
            const bool startsWord = !IsWhiteSpace(words[i]) && (i == 0 || IsWhiteSpace(words[i - 1]));
            if (startsWord)
            {
                ASSERT_FALSE(words[i] >= L'a' && words[i] <= L'z') << "position " << i << ", " << Describe(text);
            }
            else if (!IsWhiteSpace(words[i]))
            {
                ASSERT_FALSE(words[i] >= L'A' && words[i] <= L'Z') << "position " << i << ", " << Describe(text);
            }
        }
    }
}

TEST(CaseRuleProperties, OutOfRangeCodesChangeNothing)
{
    for (const std::wstring& text : Samples())
        for (int mode : kOutOfRangeModes)
            ASSERT_EQ(text, CaseChanged(text, static_cast<CaseMode>(mode))) << "mode " << mode << ", " << Describe(text);
}

TEST(RemovalRuleProperties, NeverAddACharacterAndKeepTheOrderOfWhatStays)
{
    for (const std::wstring& text : Samples())
        for (RemoveMode mode : kRemoveModes)
        {
            const std::wstring result = Removed(text, mode);
            ASSERT_LE(result.size(), text.size()) << "mode " << static_cast<int>(mode) << ", " << Describe(text);
            ASSERT_TRUE(IsSubsequence(result, text)) << "mode " << static_cast<int>(mode) << ", " << Describe(text);
        }
}

TEST(RemovalRuleProperties, ApplyingARuleASecondTimeChangesNothing)
{
    for (const std::wstring& text : Samples())
        for (RemoveMode mode : kRemoveModes)
        {
            const std::wstring once = Removed(text, mode);
            ASSERT_EQ(once, Removed(once, mode)) << "mode " << static_cast<int>(mode) << ", " << Describe(text);
        }
}

TEST(RemovalRuleProperties, TrimmingCutsOnlyWhiteSpaceFromTheChosenEnd)
{
    for (const std::wstring& text : Samples())
    {
        const std::wstring leading = Removed(text, RemoveMode::Leading);
        const std::wstring trailing = Removed(text, RemoveMode::Trailing);
        const std::size_t cutFront = text.size() - leading.size();
        ASSERT_EQ(leading, text.substr(cutFront)) << Describe(text);
        ASSERT_EQ(trailing, text.substr(0, trailing.size())) << Describe(text);
        ASSERT_TRUE(std::all_of(text.begin(), text.begin() + cutFront, IsWhiteSpace)) << Describe(text);
        ASSERT_TRUE(std::all_of(text.begin() + trailing.size(), text.end(), IsWhiteSpace)) << Describe(text);
        ASSERT_TRUE(leading.empty() || !IsWhiteSpace(leading.front())) << Describe(text);
        ASSERT_TRUE(trailing.empty() || !IsWhiteSpace(trailing.back())) << Describe(text);
    }
}

TEST(RemovalRuleProperties, BothEndsEqualsLeadingThenTrailingInEitherOrder)
{
    for (const std::wstring& text : Samples())
    {
        const std::wstring both = Removed(text, RemoveMode::LeadingAndTrailing);
        ASSERT_EQ(Removed(Removed(text, RemoveMode::Leading), RemoveMode::Trailing), both) << Describe(text);
        ASSERT_EQ(Removed(Removed(text, RemoveMode::Trailing), RemoveMode::Leading), both) << Describe(text);
    }
}

TEST(RemovalRuleProperties, RemovingAllOfAKindTakesExactlyThatKind)
{
    const auto isNoBreakSpace = [](wchar_t c) { return c == 160; };
    for (const std::wstring& text : Samples())
    {
        const std::wstring printing = Removed(text, RemoveMode::NonPrinting);
        ASSERT_EQ(text.size() - std::count_if(text.begin(), text.end(), IsNonPrinting), printing.size())
            << Describe(text);
        ASSERT_TRUE(std::none_of(printing.begin(), printing.end(), IsNonPrinting)) << Describe(text);

        const std::wstring withoutNbsp = Removed(text, RemoveMode::NoBreakSpaces);
        ASSERT_EQ(text.size() - std::count_if(text.begin(), text.end(), isNoBreakSpace), withoutNbsp.size())
            << Describe(text);
        ASSERT_TRUE(std::none_of(withoutNbsp.begin(), withoutNbsp.end(), isNoBreakSpace)) << Describe(text);
    }
}

TEST(RemovalRuleProperties, OutOfRangeCodesChangeNothing)
{
    for (const std::wstring& text : Samples())
        for (int mode : kOutOfRangeModes)
            ASSERT_EQ(text, Removed(text, static_cast<RemoveMode>(mode))) << "mode " << mode << ", " << Describe(text);
}
