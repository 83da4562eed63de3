// Change Case in a German user's Excel, which reads a call that passes the user's locale by German rules.
#include <gtest/gtest.h>

#include "tests/cleanup/EngineTest.h"
#include "tools/cleanup/ChangeCaseOfText.h"
#include "tools/cleanup/CleanupEngines.h"

namespace {

using GermanExcel = cwtest::EngineTest;

TEST_F(GermanExcel, change_case_leaves_texts_that_german_rules_would_read_as_booleans_or_dates_texts) {
    Excel().SetUserLocale(0x0407);
    const std::wstring texts[] = {L"wahr", L"falsch", L"mai 2024", L"dez 5"};
    for (cleanup::CaseMode mode : cleanup::kCaseModes) {
        for (long i = 0; i < 4; ++i) {  // one by one in column A, and as a row of plain texts in C6:F6
            Cells().SetText(At(i + 1, 1), texts[i]);
            Cells().SetText(At(6, i + 3), texts[i]);
        }
        Excel().Select(L"$A$1:$A$4,$C$6:$F$6");
        Excel().Log().Clear();
        cleanup::RunChangeCase(App(), mode);
        for (long i = 0; i < 4; ++i) {
            std::wstring changed = texts[i];
            cleanup::ChangeCaseOfText(changed, mode);
            EXPECT_TRUE(cwtest::IsText(Cells().At(At(i + 1, 1)), changed)) << "mode " << int(mode);
            EXPECT_TRUE(cwtest::IsText(Cells().At(At(6, i + 3)), changed)) << "mode " << int(mode);
        }
        for (const host::CallRecord& call : Excel().Log().Calls())
            ASSERT_EQ(call.locale, 1033u) << "every call into Excel is English (United States): " << call.Name();
    }
}

}  // namespace
