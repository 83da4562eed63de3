// The row key and the first-occurrence rule, without Excel: which rows key alike, which rows take no part,
// and which rows of a scan are duplicates.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sheet/Variant.h"
#include "tools/duplicates/RowKey.h"
#include "tools/duplicates/SeenKeys.h"

namespace {

using sheet::Variant;

Variant Text(const std::wstring& text) { return Variant::String(text); }
Variant Number(double number) { return Variant::Double(number); }
Variant Blank() { return Variant(); }

// A VARIANT of a type sheet::Variant has no maker for.
template <class Fill>
Variant Typed(VARTYPE type, Fill fill) {
    VARIANT v;
    VariantInit(&v);
    v.vt = type;
    fill(v);
    return Variant::Adopt(v);
}

Variant Date(double serial) { return Typed(VT_DATE, [&](VARIANT& v) { v.date = serial; }); }
Variant Currency(LONGLONG tenThousandths) { return Typed(VT_CY, [&](VARIANT& v) { v.cyVal.int64 = tenThousandths; }); }
Variant Error(SCODE code) { return Typed(VT_ERROR, [&](VARIANT& v) { v.scode = code; }); }

constexpr SCODE kErrNA = static_cast<SCODE>(0x800A07FA);
constexpr SCODE kErrDiv0 = static_cast<SCODE>(0x800A07D7);

std::string KeyOf(const std::vector<Variant>& row) {
    duplicates::RowKey key;
    for (const Variant& value : row) key.AddValue(value.get());
    return key.Take();
}

struct RowPair {
    const char* what;
    std::vector<Variant> first;
    std::vector<Variant> second;
    bool alike;
};

TEST(RowKey, two_rows_key_alike_only_when_every_ticked_column_gives_the_same_part) {
    const RowPair pairs[] = {
        {"parts keep their places: ab|c against a|bc", {Text(L"ab"), Text(L"c")}, {Text(L"a"), Text(L"bc")}, false},
        {"an empty cell keeps its place: x|blank against blank|x", {Text(L"x"), Blank()}, {Blank(), Text(L"x")}, false},
        {"an empty text and an empty cell are both blank", {Text(L"x"), Text(L"")}, {Text(L"x"), Blank()}, true},
        {"dates that differ", {Date(43831), Text(L"a")}, {Date(43832), Text(L"a")}, false},
        {"the same date", {Date(43831.5)}, {Date(43831.5)}, true},
        {"a date and its serial number", {Date(43831)}, {Number(43831)}, true},
        {"currency amounts that differ", {Currency(125000)}, {Currency(125001)}, false},
        {"a currency amount and the same number", {Currency(125000)}, {Number(12.5)}, true},
        {"TRUE against FALSE", {Variant::Bool(true)}, {Variant::Bool(false)}, false},
        {"a boolean against the text of its name", {Variant::Bool(true)}, {Text(L"TRUE")}, false},
        {"two error values", {Error(kErrNA)}, {Error(kErrDiv0)}, false},
        {"an error value against the text of its name", {Error(kErrNA)}, {Text(L"#N/A")}, false},
        {"the same error value", {Error(kErrNA), Text(L"a")}, {Error(kErrNA), Text(L"a")}, true},
        {"2.5 against the text 2.500000", {Number(2.5)}, {Text(L"2.500000")}, true},
        {"2.5 against the text 2.5", {Number(2.5)}, {Text(L"2.5")}, false},
        {"numbers equal to six decimals", {Number(1.0000001)}, {Number(1.0000004)}, true},
        {"a tiny number and its negative", {Number(0.0000001)}, {Number(-0.0000001)}, false},
        {"letter case counts", {Text(L"Apple")}, {Text(L"apple")}, false},
        {"a trailing blank counts", {Text(L"a")}, {Text(L"a ")}, false},
        {"texts no ANSI code page holds", {Text(L"\u65E5\u672C")}, {Text(L"\u4E2D\u56FD")}, false},
        {"texts that differ after a NUL", {Text(std::wstring(L"a\0b", 3))}, {Text(std::wstring(L"a\0c", 3))}, false},
        {"a text with a NUL against the text before it", {Text(std::wstring(L"a\0", 2))}, {Text(L"a")}, false},
        {"unpaired surrogates that differ", {Text(L"\xD800" L"a")}, {Text(L"\xD801" L"a")}, false},
        {"the same row", {Text(L"x"), Number(3), Blank()}, {Text(L"x"), Number(3), Blank()}, true},
    };
    for (const RowPair& pair : pairs) {
        std::string first = KeyOf(pair.first);
        std::string second = KeyOf(pair.second);
        EXPECT_FALSE(first.empty()) << pair.what;
        EXPECT_EQ(first == second, pair.alike) << pair.what;
    }
}

TEST(RowKey, a_row_whose_ticked_cells_are_all_blank_takes_no_part) {
    EXPECT_EQ(KeyOf({}), "");
    EXPECT_EQ(KeyOf({Blank(), Text(L""), Blank()}), "");
    EXPECT_NE(KeyOf({Blank(), Variant::Bool(false)}), "") << "a boolean is a value";
    EXPECT_NE(KeyOf({Error(kErrNA)}), "") << "an error value is a value";
    EXPECT_NE(KeyOf({Blank(), Number(0)}), "") << "zero is a value";
}

TEST(SeenKeys, the_first_row_of_each_key_stays_and_every_later_one_is_a_duplicate) {
    duplicates::SeenKeys seen;
    const std::string keys[] = {"a", "b", "", "a", "", "b", "a", "c"};
    const bool repeats[] = {false, false, false, true, false, true, true, false};
    for (size_t i = 0; i < std::size(keys); ++i) EXPECT_EQ(seen.Repeats(keys[i]), repeats[i]) << "row " << i;
    EXPECT_EQ(seen.Distinct(), 3u) << "blank keys are not kept";
}

TEST(SeenKeys, long_keys_kept_packed_still_tell_apart_every_key_that_differs_anywhere) {
    // Around the length kept whole, and long keys alike but for their length, one byte at the start, in the
    // middle or at the end; then enough keys that the table grows many times over.
    const std::string base(5000, 'k');
    std::vector<std::string> keys = {std::string(48, 'a'), std::string(49, 'a'), std::string(47, 'a'), base,
                                     base + "k", base.substr(1)};
    for (size_t at : {0u, 16u, 17u, 2500u, 4999u}) keys.push_back(base.substr(0, at) + 'x' + base.substr(at + 1));
    for (int i = 0; i < 100000; ++i) keys.push_back("t" + std::to_string(i) + (i % 100 ? std::string() : base));
    duplicates::SeenKeys seen;
    for (const std::string& key : keys) ASSERT_FALSE(seen.Repeats(key)) << key.size() << " bytes";
    for (const std::string& key : keys) ASSERT_TRUE(seen.Repeats(key)) << key.size() << " bytes";
    EXPECT_EQ(seen.Distinct(), keys.size());
    EXPECT_LE(duplicates::PackedKey(base).size(), duplicates::SeenKeys::kKeptWhole);
}

}  // namespace
