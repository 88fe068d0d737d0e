// walks_test.cpp -- NPCs walked by the story: the shared walk slots, the stuck walker, distances
#include "flow/flow.h"
#include "story_fixture.h"

namespace hm {

namespace {

class Walks : public StoryTest {
protected:
    static int slots_of(int n)
    {
        int k = 0;
        for (const npc_walk_rec &w : npc_walk) k += w.in_use && w.walk_npc == n;
        return k;
    }
};

TEST_F(Walks, OneWalkFillsEverySlotAndTheNextWaits)
{
    leader_at(5, 5);
    int a = npc_at(7, 20, 20);
    npc_at(8, 30, 30);
    npc_walk_to(7, 25, 20, 1000000, 1);
    EXPECT_EQ(slots_of(7), WALK_SLOTS);
    npc_walk_to(8, 35, 30, 1, 1);
    EXPECT_EQ(slots_of(8), 0) << "no slot is free for a second walker";

    // The walker arrives: one slot is let go per frame.
    CRT[a].x = 25;
    do_npc_walk();
    EXPECT_EQ(slots_of(7), WALK_SLOTS - 1);
    for (int f = 1; f < WALK_SLOTS; f++) do_npc_walk();
    EXPECT_EQ(slots_of(7), 0);
    npc_walk_to(8, 35, 30, 1, 1);
    EXPECT_EQ(slots_of(8), WALK_SLOTS);
}

TEST_F(Walks, AWalkForAnNpcThatCannotWalkOnlyCancels)
{
    leader_at(5, 5);
    npc_at(7, 20, 20);
    npc_walk_to(7, 25, 20, 500, 1);
    npc[7].dead = 1;
    npc_walk_to(7, 26, 20, 500, 1);
    EXPECT_EQ(slots_of(7), 0);
    npc[7].dead = 0;
    npc[7].lev = j[level_no] + 1;
    npc_walk_to(7, 26, 20, 500, 1);
    EXPECT_EQ(slots_of(7), 0);
    npc_walk_to(-1, 1, 1, 1, 1);
    npc_walk_to(NPC_COUNT, 1, 1, 1, 1);
}

TEST_F(Walks, AWalkerWaitsWhileItTalks)
{
    int l = leader_at(5, 5);
    int a = npc_at(7, 20, 20);
    npc_walk_to(7, 25, 20, 1, 1);
    j[talk_state] = 3;
    j[talk_crt] = a;
    do_npc_walk();
    EXPECT_EQ(CRT[a].path_step, -1);
    j[talk_state] = 0;
    do_npc_walk();
    EXPECT_NE(CRT[a].path_step, -1);
    (void)l;
}

TEST_F(Walks, ABlockedWalkerGoesAsFarAsItCanAlongItsWay)
{
    leader_at(5, 5);
    // A corridor along row 20 from column 10 to 30, someone standing in it at 22.
    for (int x = 9; x <= 31; x++) {
        block(x, 19);
        block(x, 21);
    }
    block(9, 20);
    block(31, 20);
    int a = npc_at(7, 12, 20);
    npc_at(8, 22, 20);
    set_grs();
    npc_walk_to(7, 28, 20, 1, 1);
    int farthest = 0;
    for (int f = 0; f < 600; f++) {
        set_grs();
        do_npc_walk();
        crt_walk(a);
        farthest = std::max(farthest, (int)CRT[a].x);
    }
    EXPECT_EQ(farthest, 21) << "up to the one in its way, then aside and back again";
    EXPECT_EQ(slots_of(7), WALK_SLOTS) << "it keeps trying";

    // The way clears: it arrives and its walk ends.
    CRT[npc_crt(8)].in_use = 0;
    for (int f = 0; f < 1500; f++) {
        set_grs();
        do_npc_walk();
        crt_walk(a);
    }
    EXPECT_EQ(CRT[a].x, 28);
    for (int f = 0; f < WALK_SLOTS; f++) do_npc_walk();
    EXPECT_EQ(slots_of(7), 0);
}

TEST_F(Walks, AWalkerWithNoStepTowardsItsGoalShufflesAside)
{
    leader_at(5, 5);
    int a = npc_at(7, 40, 40);
    // Its only way east is taken; the goal lies beyond a wall otherwise.
    for (int y = 30; y <= 50; y++)
        if (y != 40) block(41, y);
    npc_at(8, 41, 40);
    set_grs();
    npc_walk_to(7, 45, 40, 1, 1);
    set_grs();
    do_npc_walk();
    EXPECT_NE(CRT[a].path_step, -1) << "it steps aside to try again later";
}

TEST_F(Walks, DistancesFromAPoint)
{
    leader_at(10, 10);
    npc_at(7, 20, 20);
    EXPECT_EQ(npc_dist_from_pnt(7, 20, 20, 0), 1);
    EXPECT_EQ(npc_dist_from_pnt(7, 21, 20, 0), 0);
    EXPECT_EQ(npc_dist_from_pnt(7, 23, 24, 5), 1) << "3, 4, 5: on the circle counts";
    EXPECT_EQ(npc_dist_from_pnt(7, 24, 24, 5), 0);
    npc[7].lev = j[level_no] + 1;
    EXPECT_EQ(npc_dist_from_pnt(7, 20, 20, 3), 0) << "not on this level";
    EXPECT_EQ(npc_dist_from_pnt(-1, 20, 20, 3), 0);
    EXPECT_EQ(p1cr_dist_from_pnt(10, 12, 2), 1);
    EXPECT_EQ(p1cr_dist_from_pnt(10, 13, 2), 0);
}

TEST_F(Walks, NothingOfTheLastGameWalksTalksOrFlashesInTheNext)
{
    leader_at(5, 5);
    npc_at(7, 20, 20);
    npc_walk_to(7, 25, 20, 500, 1);
    new_message(1, 5, 0, 14, 16, 0, 0, 0, 0, "Narrator");
    new_flash(100, 64, 64, 64);
    ASSERT_EQ(make_new_state(), 0);
    EXPECT_EQ(slots_of(7), 0);
    EXPECT_EQ(messages_clear(), 1);
    j[flash_on] = 0;
    do_flash();
    EXPECT_EQ(j[flash_on], 0);
    EXPECT_STREQ(npc[2].name, "Isolde") << "and the new game's people are read afresh";
}

}  // namespace

}  // namespace hm
