#include <gtest/gtest.h>

#include <algorithm>

#include "host/excel/MergedAreaIndex.h"

namespace host {
namespace {

std::vector<Area> MeetingIn(const std::vector<Area>& areas, const Area& area) {
    std::vector<Area> meeting;
    for (const Area& a : areas)
        if (a.Intersects(area)) meeting.push_back(a);
    return meeting;
}

// Thousands of areas added in a scattered order fill and split the index's runs; every answer is still the
// one a plain sorted list gives, before and after a band of them is removed and some are added again.
TEST(MergedAreaIndexTest, ManyAreasAddedOutOfOrderAnswerAsAPlainSortedList)
{
    MergedAreaIndex index;
    std::vector<Area> plain;
    const long count = 5000;
    auto add = [&](long k) {
        // Four areas of 1 to 3 rows by 2 columns in each 4-row band: none meets another.
        const Area area{k / 4 * 4 + 1, k % 4 * 3 + 1, k / 4 * 4 + 1 + k % 3, k % 4 * 3 + 2};
        index.Add(area);
        plain.push_back(area);
    };
    auto sortPlain = [&] {
        std::sort(plain.begin(), plain.end(),
                  [](const Area& a, const Area& b) { return a.top != b.top ? a.top < b.top : a.left < b.left; });
    };
    for (long i = 0; i < count; ++i) add(i * 7919 % count);  // 7919 is prime to 5000: each k once
    sortPlain();
    const Area probes[] = {Area::Cell(1, 1), Area::Cell(3, 8), Area::Cell(3, 3), {100, 2, 180, 4},
                           {2500, 5, 4000, 5}, {1, 1, 5000, 12}, Area::Cell(5000, 12)};
    auto expectSameAnswers = [&] {
        EXPECT_EQ(index.All(), plain);
        for (const Area& probe : probes) EXPECT_EQ(index.Meeting(probe), MeetingIn(plain, probe));
        EXPECT_EQ(index.At(3, 8), std::optional<Area>(Area{1, 7, 3, 8}));
    };
    expectSameAnswers();

    const Area band{1001, 4, 3000, 9};
    const std::vector<Area> removed = MeetingIn(plain, band);
    EXPECT_EQ(index.RemoveMeeting(band), removed);
    EXPECT_EQ(removed.size(), 1000u);
    plain.erase(std::remove_if(plain.begin(), plain.end(), [&](const Area& a) { return a.Intersects(band); }),
                plain.end());
    expectSameAnswers();
    for (long k = 1000; k < 3000; k += 8) add(k + 1);
    sortPlain();
    expectSameAnswers();
    EXPECT_TRUE(index.RemoveMeeting({1, 1, 5000, 12}).size() == plain.size());
    EXPECT_TRUE(index.Empty());
}

}  // namespace
}  // namespace host
