// Change Case in a German user's Excel, which reads a call that passes the user's locale by German rules
// (WAHR, FALSCH, Mai, Dez). The add-in speaks English (United States) to Excel, so what it writes back stays
// the text it was.
#include <gtest/gtest.h>

#include <string>

#include "tests/cleanup/EngineTest.h"
#include "tools/cleanup/ChangeCaseOfText.h"
#include "tools/cleanup/CleanupEngines.h"

namespace {

class GermanExcel : public cwtest::EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        Excel().SetUserLocale(0x0407);
    }
};

TEST_F(GermanExcel, change_case_leaves_texts_that_german_rules_would_read_as_booleans_or_dates_texts) {
    const std::wstring texts[] = {L"wahr", L"falsch", L"mai 2024", L"dez 5"};
    for (cleanup::CaseMode mode : cleanup::kCaseModes) {
        SCOPED_TRACE(static_cast<int>(mode));
        // One by one in column A, and as a row of plain texts in C6:F6.
        for (long i = 0; i < 4; ++i) {
            Cells().SetText(At(i + 1, 1), texts[i]);
            Cells().SetText(At(6, i + 3), texts[i]);
        }
        Excel().Select(L"$A$1:$A$4,$C$6:$F$6");
        Excel().Log().Clear();
        cleanup::RunChangeCase(App(), mode);
        for (long i = 0; i < 4; ++i) {
            std::wstring changed = texts[i];
            cleanup::ChangeCaseOfText(changed, mode);
            EXPECT_TRUE(cwtest::IsText(Cells().At(At(i + 1, 1)), changed));
            EXPECT_TRUE(cwtest::IsText(Cells().At(At(6, i + 3)), changed));
        }
        for (const host::CallRecord& call : Excel().Log().Calls())
            ASSERT_EQ(call.locale, 1033u) << "every call into Excel is English (United States): " << call.Name();
    }
}

}  // namespace
