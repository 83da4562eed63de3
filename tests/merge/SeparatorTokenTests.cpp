// The index arithmetic of the separator's line-break token: where an inserted token goes, which token
// Backspace and Delete take whole, and how tokens become line feeds.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "ui/SeparatorToken.h"

namespace {

constexpr std::optional<size_t> kNone = std::nullopt;

struct CaretCase {
    const char* name;
    const wchar_t* text;
    size_t caret;
    size_t insertAt;                    // where a new token goes
    std::optional<size_t> backspace;    // start of the token Backspace removes
    std::optional<size_t> deleteKey;    // start of the token Delete removes
};

TEST(SeparatorToken, the_caret_before_inside_and_after_a_token_picks_the_token_the_key_removes) {
    const CaretCase cases[] = {
        {"empty text", L"", 0, 0, kNone, kNone},
        {"plain text", L"ab", 1, 1, kNone, kNone},
        {"caret at a token's start", L"x[ALT+ENTER]y", 1, 1, kNone, 1},
        {"caret after the token's [", L"x[ALT+ENTER]y", 2, 12, 1, 1},
        {"caret inside a token", L"x[ALT+ENTER]y", 6, 12, 1, 1},
        {"caret before a token's last character", L"x[ALT+ENTER]y", 11, 12, 1, 1},
        {"caret just after a token", L"x[ALT+ENTER]y", 12, 12, 1, kNone},
        {"caret one past a token", L"x[ALT+ENTER]y", 13, 13, kNone, kNone},
        {"two tokens, caret between", L"[ALT+ENTER][ALT+ENTER]", 11, 11, 0, 11},
        {"two tokens, caret inside the second", L"[ALT+ENTER][ALT+ENTER]", 12, 22, 11, 11},
        {"a token at the start, caret 0", L"[ALT+ENTER]ab", 0, 0, kNone, 0},
        {"a token at the end, caret at the end", L"ab[ALT+ENTER]", 13, 13, 2, kNone},
        {"the same letters in lower case are no token", L"[alt+enter]", 5, 5, kNone, kNone},
    };
    for (const CaretCase& c : cases) {
        EXPECT_EQ(ui::TokenInsertionPoint(c.text, c.caret), c.insertAt) << c.name;
        EXPECT_EQ(ui::TokenEndingAtOrAround(c.text, c.caret), c.backspace) << c.name;
        EXPECT_EQ(ui::TokenStartingAtOrAround(c.text, c.caret), c.deleteKey) << c.name;
    }
}

TEST(SeparatorToken, every_exact_token_becomes_one_line_feed) {
    const struct {
        const wchar_t* typed;
        const wchar_t* separator;
    } cases[] = {
        {L"", L""},
        {L"[ALT+ENTER]", L"\n"},
        {L", [ALT+ENTER]", L", \n"},
        {L"[ALT+ENTER][ALT+ENTER]x", L"\n\nx"},
        {L"[alt+enter] [ALT+ENTER", L"[alt+enter] [ALT+ENTER"},
        {L"[[ALT+ENTER]]", L"[\n]"},
    };
    for (const auto& c : cases) EXPECT_EQ(ui::NewLinesFromTokens(c.typed), c.separator) << testing::PrintToString(c.typed);
}

}  // namespace
