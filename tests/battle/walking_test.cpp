// walking_test.cpp -- the leader walking by mouse, up to doors and chests, and using them
#include "battle_fixture.h"

namespace hm {
namespace {

class Walking : public BattleTest {
protected:
    // A left click on cell (x, y) in this frame.
    static void click(int x, int y)
    {
        j[lmb_down] = 1;
        j[ptr_in_view] = 1;
        j[mouse_cell] = x + MAP_W * y;
    }

    // Frames of walking with no click, as the loop runs them.
    static void frames(int n)
    {
        j[lmb_down] = 0;
        for (int i = 0; i < n; i++) {
            set_grs();
            crtr_main();
            main_p1cr_walk();
        }
    }

    int add_chest(int x, int y, int side, int lock)
    {
        int i = new_chest_n();
        chest_rec &c = chest[i];
        std::memset(&c, 0, sizeof c);
        c.in_use = 1;
        c.chest_id = j[level_no] * CHESTS_PER_LEVEL + 3;
        c.x = x;
        c.y = y;
        c.face_side = side;
        c.trap_state = (uint8_t)lock;
        chest_state[c.chest_id] = CHEST_UNOPENED;
        block(x, y);
        return i;
    }
};

TEST_F(Walking, AClickInTheViewSendsTheLeaderThereAndOneOutsideDoesNot)
{
    int l = leader_at(40, 40);
    click(43, 41);
    j[ptr_in_view] = 0;
    main_p1cr_walk();
    EXPECT_EQ(CRT[l].path_step, -1);
    click(43, 41);
    main_p1cr_walk();
    EXPECT_EQ(CRT[l].path_step, 1);
    frames(200);
    EXPECT_EQ(CRT[l].cell, cell(43, 41));
    // A pointer off the map names no cell.
    click(0, 0);
    j[mouse_cell] = -1;
    main_p1cr_walk();
    EXPECT_EQ(CRT[l].path_step, -1);
}

TEST_F(Walking, ClickingAChestWhoseApproachIsUnreachableStillArmsItsUse)
{
    j[level_no] = 98;
    int l = leader_at(40, 40);
    int ch = add_chest(46, 40, 4, 1);   // used from the cell south of it
    block(45, 41);
    block(47, 41);
    block(46, 42);
    click(46, 40);
    main_p1cr_walk();
    EXPECT_EQ(j[ob_kind], OB_CHEST);
    EXPECT_EQ(j[ob_state], 1);
    EXPECT_EQ(CRT[l].path_step, -1);
    frames(5);
    EXPECT_EQ(j[ob_state], 1);
    // Standing there later, still and not walking, the leader uses the chest.
    CRT[l].x = 46;
    CRT[l].y = 41;
    frames(1);
    EXPECT_EQ(j[ob_state], 0);
    EXPECT_EQ(j[ob_index], ch);
    EXPECT_EQ(j[cur_chest], ch);
    EXPECT_EQ(j[chest_screen], 1);
    EXPECT_EQ(chest_state[chest[ch].chest_id], CHEST_OPENED);
    EXPECT_EQ(CRT[l].facing, -1);   // turned up towards the chest
}

TEST_F(Walking, AChestIsWalkedUpToAndOpenedStraightWhenItHasNoLock)
{
    j[level_no] = 98;
    int l = leader_at(40, 40);
    int ch = add_chest(44, 42, 1, 0);   // used from the west
    click(44, 42);
    main_p1cr_walk();
    EXPECT_EQ(j[ob_state], 1);
    EXPECT_EQ(CRT[l].path[3], cell(43, 42));
    frames(150);
    EXPECT_EQ(CRT[l].cell, cell(43, 42));
    EXPECT_EQ(j[ob_state], 0);
    EXPECT_EQ(j[cur_chest], ch);
    EXPECT_EQ(j[chest_items_req], 1);
    EXPECT_EQ(j[chest_screen], 0);
    EXPECT_EQ(CRT[l].facing, 1);
}

TEST_F(Walking, ChestsOfOtherLevelsAndOfStateZeroAreNotWalkedTo)
{
    j[level_no] = 98;
    leader_at(40, 40);
    int ch = add_chest(44, 40, 1, 1);
    chest_state[chest[ch].chest_id] = 0;
    click(44, 40);
    main_p1cr_walk();
    EXPECT_EQ(j[ob_state], 0);
    chest_state[chest[ch].chest_id] = CHEST_UNOPENED;
    chest[ch].chest_id = 97 * CHESTS_PER_LEVEL;
    chest_state[chest[ch].chest_id] = CHEST_UNOPENED;
    main_p1cr_walk();
    EXPECT_EQ(j[ob_state], 0);
}

TEST_F(Walking, AnObjectWhoseApproachLiesOffTheMapIsNeverUsed)
{
    j[level_no] = 98;
    leader_at(3, 40);
    add_chest(0, 40, 1, 1);   // approached from the west: column -1
    click(0, 40);
    main_p1cr_walk();
    EXPECT_EQ(j[ob_state], 0);
}

TEST_F(Walking, TheVillageDoorLeadsDownAndTheTownDoorBack)
{
    j[level_no] = 4;
    int l = leader_at(86, 80);
    click(89, 77);
    main_p1cr_walk();
    EXPECT_EQ(j[ob_kind], OB_DOOR_TO_6);
    EXPECT_EQ(j[ob_state], 1);
    int guard = 0;
    while (j[level_no] == 4 && guard++ < 200) frames(1);
    EXPECT_EQ(j[level_no], 6);
    l = leader_crt();
    ASSERT_GE(l, 0);
    EXPECT_EQ(CRT[l].cell, cell(36, 81));
    // Standing on the town door's approach already, a click on the door walks
    // onto it, as onto any cell one may walk; the next click walks back and uses it.
    click(36, 82);
    main_p1cr_walk();
    EXPECT_EQ(j[ob_state], 1);
    frames(30);
    EXPECT_EQ(CRT[l].cell, cell(36, 82));
    EXPECT_EQ(j[level_no], 6);
    click(36, 82);
    main_p1cr_walk();
    guard = 0;
    while (j[level_no] == 6 && guard++ < 200) frames(1);
    EXPECT_EQ(j[level_no], 4);
    l = leader_crt();
    ASSERT_GE(l, 0);
    EXPECT_EQ(CRT[l].cell, cell(89, 78));
    EXPECT_EQ(j[box_crt], l);
}

TEST_F(Walking, DoorsOfOtherLevelsAreNotThere)
{
    j[level_no] = 5;
    leader_at(88, 78);
    click(89, 77);
    main_p1cr_walk();
    EXPECT_EQ(j[ob_state], 0);
    EXPECT_EQ(j[level_no], 5);
}

}  // namespace
}  // namespace hm
