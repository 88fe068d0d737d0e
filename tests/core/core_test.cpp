// core_test.cpp -- the generator, the tables and the slot names
#include <gtest/gtest.h>

#include <set>

#include "battle/battle.h"
#include "core/core.h"
#include "data/data.h"
#include "world/world.h"

namespace hm {
namespace {

TEST(Random, FifteenBitsAndRepeatable)
{
    srandom(1234);
    int first[50];
    std::set<int> seen;
    int lo = RANDOM_MAX, hi = 0;
    for (int &v : first) v = hm::random();
    for (int i = 0; i < 100000; i++) {
        int v = hm::random();
        lo = std::min(lo, v);
        hi = std::max(hi, v);
        seen.insert(v >> 8);
    }
    EXPECT_EQ(lo, 0);
    EXPECT_EQ(hi, RANDOM_MAX);
    EXPECT_EQ(seen.size(), 128u);   // every value of the top seven bits turns up
    srandom(1234);
    for (int v : first) EXPECT_EQ(hm::random(), v);
    srandom(1235);
    int same = 0;
    for (int v : first) same += hm::random() == v;
    EXPECT_LT(same, 5);
}

TEST(Memory, TablesAreZeroedAndSized)
{
    init_mem();
    for (int s = 0; s < SLOT_COUNT; s++) {
        ASSERT_EQ(j[s], 0);
        ASSERT_EQ(f[s], 0.0f);
    }
    EXPECT_EQ(jpal, jpal_buf);
    // The last element of the biggest tables is writable (the sanitizer checks it).
    swad[SWAD_BYTES - 1] = 1;
    vs[VIEW_W * VIEW_H - 1] = 1;
    scr_buf[SCR_W * SCR_H - 1] = 1;
    CRT[CRT_COUNT - 1].effect[CRT_EFFECTS - 1] = 1;
    crt_spawner[SPAWNER_COUNT - 1].reserved[95] = 1;
    // Leaks would be reported by LeakSanitizer at exit.
    delete_mem();
    init_mem();
    EXPECT_EQ(swad[SWAD_BYTES - 1], 0);
    delete_mem();
}

TEST(Slots, NamesAndNumbers)
{
    EXPECT_EQ(j_slot_by_name("cam_x"), 0);
    EXPECT_EQ(j_slot_by_name("party_hold"), 161);
    EXPECT_EQ(j_slot_by_name("lock_r"), 107);
    EXPECT_EQ(f_slot_by_name("cam_vy"), 25);
    EXPECT_EQ(f_slot_by_name("disc_angle"), 13);
    EXPECT_EQ(j_slot_by_name("999"), 999);
    EXPECT_EQ(j_slot_by_name("1000"), -1);
    EXPECT_EQ(j_slot_by_name("cam_fx"), -1);   // a float slot is not an integer one
    EXPECT_EQ(j_slot_by_name(""), -1);
}

}  // namespace
}  // namespace hm
