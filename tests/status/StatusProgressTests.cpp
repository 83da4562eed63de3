// Progress on the status bar and Esc between checkpoints, as a long run reports them row by row.
#include <gtest/gtest.h>

#include "tests/status/StatusTest.h"
#include "tools/status/StatusProgress.h"

namespace {

using cwtest::StatusBarPuts;
using status::StatusProgress;

using StatusProgressing = cwtest::StatusTest;

// Reports rows 1 to total, pressing Esc while row pressAt runs; gives the row at which the run was stopped.
long RunRows(StatusProgress& progress, long total, long pressAt = 0) {
    progress.Begin(total);
    for (long row = 1; row <= total; ++row) {
        if (row == pressAt) cwtest::PressEscape();
        if (!progress.Continue(row)) return row;
    }
    return 0;
}

TEST_F(StatusProgressing, a_run_past_the_row_limit_shows_a_line_per_checkpoint_and_a_short_one_none) {
    status::StatusLines lines(L",");
    status::StatusBarKeeper keeper(App());
    StatusProgress shortRun(keeper, lines, L"Change Case");
    EXPECT_EQ(RunRows(shortRun, 900), 0);
    EXPECT_TRUE(Excel().StatusBarPuts().empty());

    StatusProgress longRun(keeper, lines, L"Change Case");
    EXPECT_EQ(RunRows(longRun, 3000), 0);
    EXPECT_FALSE(longRun.Stopped());
    EXPECT_EQ(Excel().StatusBarPuts(), (StatusBarPuts{L"Change Case: 16% (500 of 3,000 rows)",
                                                      L"Change Case: 33% (1,000 of 3,000 rows)",
                                                      L"Change Case: 50% (1,500 of 3,000 rows)",
                                                      L"Change Case: 66% (2,000 of 3,000 rows)",
                                                      L"Change Case: 83% (2,500 of 3,000 rows)"}));
    keeper.RestoreNow();
}

TEST_F(StatusProgressing, esc_pressed_since_the_run_began_stops_it_at_the_next_checkpoint_and_is_taken_from_the_queue) {
    status::StatusLines lines(L",");
    status::StatusBarKeeper keeper(App());
    cwtest::PressEscape();  // before the run: not for it
    StatusProgress progress(keeper, lines, L"Remove Characters");
    EXPECT_EQ(RunRows(progress, 3000, 700), 1000);
    EXPECT_TRUE(progress.Stopped());
    EXPECT_EQ(progress.RowsDone(), 1000);
    EXPECT_FALSE(progress.Continue(1001)) << "a stopped run stays stopped";
    EXPECT_FALSE(cwtest::EscapeQueued());
    keeper.RestoreNow();
}

}  // namespace
