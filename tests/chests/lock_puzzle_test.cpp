// lock_puzzle_test.cpp -- the disc lock played by pointer: catching, stopping, forcing, the trap, odd lock records
#include <climits>
#include <cmath>

#include "chests_fixture.h"

namespace hm {
namespace {

// Screen points inside the puzzle's buttons.
constexpr int START_X = 264, START_Y = 88;
constexpr int FORCE_X = 280, FORCE_Y = 120;
constexpr int CLOSE_X = 296, CLOSE_Y = 88;

class LockPuzzle : public ChestTest {
protected:
    // The pick set opposite disc i's starting angle, so that it takes half a turn.
    void pick_opposite(int i) { f[lock_pick] = std::fmod(f[disc_angle + i] + 3.14159f, 6.283185f); }

    void start() { press_at(START_X, START_Y); }

    // An empty table and a new lock of `discs` discs, its cover off and the pick
    // half a turn from the first disc.
    int fresh_lock(int discs, int resist)
    {
        j[chest_screen] = 0;
        clear_chests();
        int c = add_chest(0, 10, 10, LOCK_LOCKED, discs, resist);
        open_cover(c);
        pick_opposite(0);
        return c;
    }
    bool reach(int state, int limit = 2000)
    {
        return run_until([this, state] { return screen() == state; }, limit);
    }
};

TEST_F(LockPuzzle, TheTrapIsSetInTheBarsLastTwentyFrames)
{
    int c = add_chest(0, 10, 10);
    int seen[20] = {};
    for (int k = 0; k < 300; k++) {
        srandom(k);
        use_chest(c);
        frame();
        ASSERT_GE(j[lock_trigger], 200);
        ASSERT_LE(j[lock_trigger], 219);
        seen[j[lock_trigger] - 200] = 1;
        EXPECT_EQ(j[lock_warn], 200);
        EXPECT_EQ(j[lock_span], 220);
        j[chest_screen] = 0;
    }
    int kinds = 0;
    for (int s : seen) kinds += s;
    EXPECT_GT(kinds, 10);
}

TEST_F(LockPuzzle, ADiscAtThePickIsCaughtInTheFirstTurningFrame)
{
    int c = add_chest(0, 10, 10, LOCK_LOCKED, 3);
    open_cover(c);
    f[lock_pick] = f[disc_angle + 0];
    start();
    EXPECT_EQ(screen(), LOCK_CAUGHT);
    EXPECT_EQ(f[disc_angle + 0], f[lock_pick]);

    // A disc a little past the pick goes all the way round first.
    j[chest_screen] = 0;
    open_cover(c);
    f[lock_pick] = std::fmod(f[disc_angle + 0] + 6.283185f - 0.3f, 6.283185f);
    start();
    EXPECT_EQ(screen(), LOCK_TURNING);
    EXPECT_TRUE(reach(LOCK_CAUGHT, 60));
    EXPECT_GT(j[lock_timer], 40);
}

TEST_F(LockPuzzle, CatchingEveryDiscOpensTheLockForSure)
{
    int c = add_chest(0, 10, 10, LOCK_LOCKED, 3, 90);
    chest[c].difficulty = -200;   // time enough for three discs
    new_chest_item(c, 8, 1);
    open_cover(c);
    f[lock_pick] = 1.0f;
    start();
    ASSERT_TRUE(reach(LOCK_DECIDE));
    EXPECT_EQ(j[lock_trap], TRAP_ALL_CAUGHT);
    EXPECT_EQ(j[lock_disc], 3);
    EXPECT_EQ((int)lock_chance(), 100);
    // The pick stays where it was set while the discs turn.
    EXPECT_EQ(f[lock_pick], 1.0f);
    for (int i = 0; i < 3; i++) EXPECT_NEAR(f[disc_angle + i], 1.0f, 1e-6) << "disc " << i;

    release_at(FORCE_X, FORCE_Y);
    EXPECT_EQ(screen(), LOCK_RESULT);
    EXPECT_EQ(j[lock_outcome], LOCK_OPENED);
    EXPECT_EQ(chest[c].trap_state, LOCK_NONE);
    release_at(CLOSE_X, CLOSE_Y);
    EXPECT_EQ(screen(), LOCK_CLOSED);
    EXPECT_EQ(j[chest_items_req], 1);
    frame();
    EXPECT_EQ(j[istk_shown], STK_CHEST);
    EXPECT_EQ(stack_items(STK_CHEST).size(), 1u);
}

TEST_F(LockPuzzle, StoppingLeavesTheChanceOfTheDiscsNotCaught)
{
    int c = add_chest(0, 10, 10, LOCK_LOCKED, 2, 20);
    open_cover(c);
    pick_opposite(0);
    start();
    frame(3);
    press_at(START_X, START_Y);   // stop
    EXPECT_EQ(screen(), LOCK_DECIDE);
    EXPECT_EQ(j[lock_trap], TRAP_STOPPED);
    EXPECT_EQ((int)lock_chance(), 64);
    int timer = j[lock_timer];
    frame(30);
    EXPECT_EQ(j[lock_timer], timer);   // stopped for good

    // One disc that cannot give: 0, and forcing does nothing.
    j[chest_screen] = 0;
    c = add_chest(1, 11, 10, LOCK_LOCKED, 1, 100);
    open_cover(c);
    pick_opposite(0);
    start();
    press_at(START_X, START_Y);
    ASSERT_EQ(screen(), LOCK_DECIDE);
    EXPECT_EQ((int)lock_chance(), 0);
    release_at(FORCE_X, FORCE_Y);
    EXPECT_EQ(screen(), LOCK_DECIDE);
    EXPECT_EQ(j[lock_outcome], LOCK_NO_OUTCOME);
    release_at(CLOSE_X, CLOSE_Y);
    EXPECT_EQ(screen(), LOCK_CLOSED);
    EXPECT_EQ(j[chest_items_req], 0);
    EXPECT_EQ(chest[c].trap_state, LOCK_LOCKED);   // a failure leaves the lock as it was
}

TEST_F(LockPuzzle, ForcingOpensFailsOrJamsByTheChance)
{
    int outcomes[4] = {};
    for (int k = 0; k < 120; k++) {
        int c = fresh_lock(2, 20);
        start();
        press_at(START_X, START_Y);
        srandom(k);
        release_at(FORCE_X, FORCE_Y);
        ASSERT_EQ(screen(), LOCK_RESULT);
        int o = j[lock_outcome];
        outcomes[o]++;
        EXPECT_EQ(chest[c].trap_state, o == LOCK_OPENED ? LOCK_NONE : o == LOCK_HAS_JAMMED ? LOCK_JAMMED : LOCK_LOCKED);
    }
    EXPECT_GT(outcomes[LOCK_OPENED], 50);
    EXPECT_GT(outcomes[LOCK_HAS_JAMMED], 5);
    EXPECT_GT(outcomes[LOCK_FAILED], 5);
}

TEST_F(LockPuzzle, ATrapFiringAsTheLastDiscIsCaughtFailsButNeverJams)
{
    for (int k = 0; k < 40; k++) {
        int c = fresh_lock(1, 20);
        start();
        ASSERT_TRUE(reach(LOCK_CAUGHT));
        j[lock_trigger] = j[lock_timer] + 2;   // the trap springs while the disc swings out
        srandom(k);
        ASSERT_TRUE(reach(LOCK_RESULT));
        EXPECT_EQ(j[lock_outcome], LOCK_FAILED);
        EXPECT_EQ(chest[c].trap_state, LOCK_LOCKED);
    }
}

TEST_F(LockPuzzle, AFiredTrapLeavesOnlyTheRiskOfJamming)
{
    int outcomes[4] = {};
    for (int k = 0; k < 60; k++) {
        fresh_lock(2, 20);
        srandom(k);
        start();
        j[lock_trigger] = 5;
        ASSERT_TRUE(reach(LOCK_RESULT, 40));
        EXPECT_EQ(j[lock_trap], TRAP_FIRED);
        outcomes[j[lock_outcome]]++;
        // The force button is dead once the trap has fired.
        release_at(FORCE_X, FORCE_Y);
        EXPECT_EQ(screen(), LOCK_RESULT);
    }
    EXPECT_EQ(outcomes[LOCK_OPENED], 0);
    EXPECT_GT(outcomes[LOCK_HAS_JAMMED], 5);   // 36 % of the time
    EXPECT_GT(outcomes[LOCK_FAILED], 20);
}

TEST_F(LockPuzzle, AJammedLockOpensOnlyByCatchingEveryDisc)
{
    int c = add_chest(0, 10, 10, LOCK_JAMMED, 2, 20);
    chest[c].difficulty = -200;
    open_cover(c);
    for (int i = 0; i < LOCK_DISCS; i++) EXPECT_EQ(j[lock_r + i], 100);
    pick_opposite(1);
    start();
    ASSERT_TRUE(reach(LOCK_DECIDE));
    release_at(FORCE_X, FORCE_Y);
    EXPECT_EQ(j[lock_outcome], LOCK_OPENED);
    EXPECT_EQ(chest[c].trap_state, LOCK_NONE);
}

TEST_F(LockPuzzle, ThePickTurnsOnlyNearTheDialAndBeforeTheStart)
{
    int c = add_chest(0, 10, 10);
    open_cover(c);
    f[lock_pick] = 6.25f;
    point(130, 120);
    j[lmb_held] = 1;
    frame();
    EXPECT_NEAR(f[lock_pick], 6.30f - 6.283185f, 1e-4);   // wrapped round
    EXPECT_EQ(j[cursor_pic], 33);
    j[lmb_held] = 0;
    j[rmb_held] = 1;
    frame(2);
    EXPECT_NEAR(f[lock_pick], 6.283185f - 0.0832f, 1e-3);
    point(200, 120);   // far from the dial
    float pick = f[lock_pick];
    frame();
    EXPECT_EQ(f[lock_pick], pick);
    j[rmb_held] = 0;
    start();
    point(130, 120);
    j[lmb_held] = 1;
    frame();
    j[lmb_held] = 0;
    EXPECT_EQ(f[lock_pick], pick);
}

TEST_F(LockPuzzle, OddLockRecordsStayInBoundsAndCanBeLeft)
{
    for (int discs : {0, -3, 9, 1000})
        for (int difficulty : {320, 400, INT_MIN, INT_MAX}) {
            j[chest_screen] = 0;
            clear_chests();
            int c = add_chest(0, 10, 10, LOCK_LOCKED, discs);
            chest[c].difficulty = difficulty;
            open_cover(c);
            EXPECT_GE(j[lock_last], 0);
            EXPECT_LE(j[lock_last], LOCK_DISCS - 1);
            start();
            ASSERT_TRUE(run_until([this] { return screen() == LOCK_DECIDE || screen() == LOCK_RESULT; }, 4000))
                << discs << " discs, difficulty " << difficulty;
            release_at(CLOSE_X, CLOSE_Y);
            EXPECT_EQ(screen(), LOCK_CLOSED);
        }
    // A lock open on a chest that is gone closes.
    j[chest_screen] = LOCK_TURNING;
    j[cur_chest] = 7;
    frame();
    EXPECT_EQ(screen(), LOCK_CLOSED);
}

}  // namespace
}  // namespace hm
