#include <gtest/gtest.h>

#include <algorithm>

#include "host/excel/MergedAreaIndex.h"

namespace host {
namespace {

// Thousands of areas added in a scattered order fill and split the index's runs; every answer is still the
// one a plain sorted list gives, after a band of them is removed and some are added again too.
TEST(MergedAreaIndexTest, ManyAreasAddedOutOfOrderAnswerAsAPlainSortedList)
{
    MergedAreaIndex index;
    std::vector<Area> plain;
    auto add = [&](long k) {  // four areas of 1 to 3 rows by 2 columns in each 4 rows: none meets another
        const Area area{k / 4 * 4 + 1, k % 4 * 3 + 1, k / 4 * 4 + 1 + k % 3, k % 4 * 3 + 2};
        index.Add(area);
        plain.push_back(area);
    };
    auto meeting = [&](const Area& area) {
        std::vector<Area> found;
        for (const Area& a : plain)
            if (a.Intersects(area)) found.push_back(a);
        return found;
    };
    auto expectSameAnswers = [&] {
        std::sort(plain.begin(), plain.end(),
                  [](const Area& a, const Area& b) { return a.top != b.top ? a.top < b.top : a.left < b.left; });
        EXPECT_EQ(index.All(), plain);
        for (const Area& probe : {Area::Cell(3, 8), Area::Cell(3, 3), Area{100, 2, 180, 4}, Area{2500, 5, 4000, 5}})
            EXPECT_EQ(index.Meeting(probe), meeting(probe));
        EXPECT_EQ(index.At(3, 8), std::optional<Area>(Area{1, 7, 3, 8}));
    };
    for (long i = 0; i < 5000; ++i) add(i * 7919 % 5000);  // 7919 is prime to 5000: each k once
    expectSameAnswers();
    const Area band{1001, 4, 3000, 9};
    const std::vector<Area> removed = meeting(band);
    EXPECT_EQ(removed.size(), 1000u);
    EXPECT_EQ(index.RemoveMeeting(band), removed);
    for (const Area& area : removed) plain.erase(std::find(plain.begin(), plain.end(), area));
    for (long k = 1000; k < 3000; k += 8) add(k + 1);
    expectSameAnswers();
    EXPECT_EQ(index.RemoveMeeting({1, 1, 5000, 12}).size(), plain.size());
    EXPECT_TRUE(index.Empty());
}

}  // namespace
}  // namespace host
