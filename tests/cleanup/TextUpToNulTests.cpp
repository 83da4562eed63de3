#include "tools/cleanup/TextUpToNul.h"

#include <gtest/gtest.h>

TEST(TextUpToNul, StopsAtTheFirstEmbeddedNul)
{
    const wchar_t stored[] = {L'a', L'b', 0, L'c', 0, L'd'};
    EXPECT_EQ(L"ab", TextUpToNul(stored, 6));
}

TEST(TextUpToNul, TakesTheWholeLengthWhenNoNulIsInside)
{
    const wchar_t stored[] = {L'x', L'y', L'z', 0};
    EXPECT_EQ(L"xy", TextUpToNul(stored, 2)) << "must not read past the given length";
    EXPECT_EQ(L"xyz", TextUpToNul(stored, 3));
}

TEST(TextUpToNul, LeadingNulNullPointerAndZeroLengthGiveTheEmptyText)
{
    const wchar_t leadingNul[] = {0, L'a'};
    EXPECT_EQ(L"", TextUpToNul(leadingNul, 2));
    EXPECT_EQ(L"", TextUpToNul(nullptr, 0));
    EXPECT_EQ(L"", TextUpToNul(nullptr, 5));
    EXPECT_EQ(L"", TextUpToNul(L"abc", 0));
}

TEST(TextUpToNul, KeepsSurrogatesAndTheLastCodeUnit)
{
    const wchar_t stored[] = {0xD800, L'a', 0xFFFF, 0xDC00};
    EXPECT_EQ(std::wstring(stored, 4), TextUpToNul(stored, 4));
}
