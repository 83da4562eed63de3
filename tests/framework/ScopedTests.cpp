// The framework's small owners: each gives back what it holds exactly once, however its scope ends.
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "framework/Scoped.h"

namespace {

std::vector<int> g_closed;
void CloseNumber(int handle) { g_closed.push_back(handle); }
using UniqueNumber = framework::UniqueHandle<int, &CloseNumber>;

TEST(Scoped, a_unique_handle_is_closed_once_by_its_last_owner_and_never_after_release) {
    g_closed.clear();
    {
        UniqueNumber first(7);
        UniqueNumber second(std::move(first));
        EXPECT_FALSE(first);
        UniqueNumber released(9);
        EXPECT_EQ(released.Release(), 9);
        UniqueNumber third(11);
        third = std::move(second);  // 11 goes to `second`, which closes it after `third` closes 7
        EXPECT_TRUE(g_closed.empty());
    }
    EXPECT_EQ(g_closed, (std::vector<int>{7, 11}));
}

TEST(Scoped, a_scoped_value_is_put_back_when_an_exception_leaves_the_scope) {
    int slot = 1;
    EXPECT_THROW(
        {
            framework::ScopedValue<int> set(slot, 2);
            EXPECT_EQ(slot, 2);
            throw std::runtime_error("out");
        },
        std::runtime_error);
    EXPECT_EQ(slot, 1);
}

TEST(Scoped, safe_array_data_is_unlocked_at_the_end_so_the_array_can_be_destroyed) {
    SAFEARRAY* array = SafeArrayCreateVector(VT_I4, 0, 3);
    ASSERT_NE(array, nullptr);
    {
        framework::SafeArrayData<LONG> data(array);
        ASSERT_NE(data.Data(), nullptr);
        data.Data()[2] = 42;
        EXPECT_EQ(SafeArrayDestroy(array), DISP_E_ARRAYISLOCKED);
    }
    LONG index = 2, value = 0;
    EXPECT_EQ(SafeArrayGetElement(array, &index, &value), S_OK);
    EXPECT_EQ(value, 42);
    EXPECT_EQ(SafeArrayDestroy(array), S_OK);
    EXPECT_EQ(framework::SafeArrayData<LONG>(nullptr).Data(), nullptr);
}

}  // namespace
