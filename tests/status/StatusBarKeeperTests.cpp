// The status bar stays the user's: what it showed comes back after the delay or at once, a line someone
// else put since ours stays, and a keeper that is gone puts nothing back.
#include <gtest/gtest.h>

#include "tests/status/StatusTest.h"
#include "tools/status/StatusBarKeeper.h"

namespace {

using cwtest::StatusBarPuts;
using status::StatusBarKeeper;

using StatusBarKeeping = cwtest::StatusTest;

TEST_F(StatusBarKeeping, what_the_user_had_comes_back_after_the_delay_or_at_once) {
    for (std::optional<std::wstring> users : {std::optional<std::wstring>(), std::optional<std::wstring>(L"Macro at work")}) {
        for (bool later : {false, true}) {
            Excel().SetStatusBar(users);
            size_t before = Excel().StatusBarPuts().size();
            StatusBarKeeper keeper(App(), 50);
            keeper.Show(L"one");
            keeper.Show(L"two");
            if (later) {
                keeper.RestoreLater();
                EXPECT_EQ(Excel().StatusBar(), L"two") << "put back before the delay";
                EXPECT_TRUE(cwtest::PumpMessagesUntil([&] { return !keeper.Holding(); }, 3000));
            } else {
                keeper.RestoreNow();
            }
            EXPECT_EQ(PutsSince(before), (StatusBarPuts{L"one", L"two", users})) << "later " << later;
            // Read once before our first line, once to see that ours is still there.
            EXPECT_EQ(Excel().Log().Count(L"Application.StatusBar", host::Kind::Get), 2u);
            Excel().ClearLog();
        }
    }
}

TEST_F(StatusBarKeeping, a_put_back_excel_refuses_is_tried_again_after_the_delay) {
    StatusBarKeeper keeper(App(), 30);
    keeper.Show(L"ours");
    keeper.RestoreLater();
    Excel().SetStatusBarFails(true);  // the user is editing a cell, say
    size_t refusedBefore = Excel().Log().Count(L"Application.StatusBar", host::Kind::Get);
    EXPECT_TRUE(cwtest::PumpMessagesUntil(
        [&] { return Excel().Log().Count(L"Application.StatusBar", host::Kind::Get) > refusedBefore; }, 3000));
    EXPECT_TRUE(keeper.Holding());
    Excel().SetStatusBarFails(false);
    EXPECT_TRUE(cwtest::PumpMessagesUntil([&] { return !keeper.Holding(); }, 3000));
    EXPECT_EQ(Excel().StatusBar(), std::nullopt);
}

TEST_F(StatusBarKeeping, a_line_put_since_ours_stays_and_a_keeper_gone_puts_nothing_back) {
    size_t before = Excel().StatusBarPuts().size();
    {
        StatusBarKeeper keeper(App(), 20);
        keeper.Show(L"ours");
        Excel().SetStatusBar(L"a macro's");
        keeper.RestoreNow();
    }
    EXPECT_EQ(Excel().StatusBar(), L"a macro's");
    {
        StatusBarKeeper keeper(App(), 20);
        keeper.Show(L"ours again");
        keeper.RestoreLater();
    }
    EXPECT_FALSE(cwtest::PumpMessagesUntil([&] { return Excel().StatusBar() != L"ours again"; }, 200));
    EXPECT_EQ(PutsSince(before), (StatusBarPuts{L"ours", L"ours again"}));
}

}  // namespace
