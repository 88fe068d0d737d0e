// walking_test.cpp -- the leader walking by mouse up to doors and chests, and using them
#include "battle_fixture.h"

namespace hm {
namespace {

class Walking : public BattleTest {
protected:
    // A left click on cell (x, y) in the view.
    static void click(int x, int y)
    {
        j[lmb_down] = j[ptr_in_view] = 1;
        j[mouse_cell] = x + MAP_W * y;
        main_p1cr_walk();
        j[lmb_down] = 0;
    }

    // Frames of walking with no click, as the loop runs them.
    static void frames(int n)
    {
        for (int i = 0; i < n; i++) {
            set_grs();
            crtr_main();
            main_p1cr_walk();
        }
    }

    static int add_chest(int x, int y, int side, int lock)
    {
        static int next = 0;
        int i = new_chest_n();
        chest_rec &c = chest[i];
        std::memset(&c, 0, sizeof c);
        c.in_use = 1;
        c.chest_id = j[level_no] * CHESTS_PER_LEVEL + next++ % CHESTS_PER_LEVEL;
        c.x = x;
        c.y = y;
        c.face_side = side;
        c.trap_state = (uint8_t)lock;
        chest_state[c.chest_id] = CHEST_UNOPENED;
        block(x, y);
        return i;
    }
};

TEST_F(Walking, ClickingAChestWhoseApproachIsUnreachableStillArmsItsUse)
{
    int l = leader_at(40, 40);
    int ch = add_chest(46, 40, 4, 1);   // used from the cell south of it, walled in
    block(45, 41);
    block(47, 41);
    block(46, 42);
    click(46, 40);
    EXPECT_EQ(j[ob_kind], OB_CHEST);
    EXPECT_EQ(j[ob_state], 1);
    EXPECT_EQ(CRT[l].path_step, -1);
    frames(5);
    EXPECT_EQ(j[ob_state], 1);
    // Standing there later, and not walking, the leader turns to it and opens it.
    CRT[l].x = 46;
    CRT[l].y = 41;
    frames(1);
    EXPECT_EQ(j[ob_state], 0);
    EXPECT_EQ(j[cur_chest], ch);
    EXPECT_EQ(j[chest_screen], 1);
    EXPECT_EQ(chest_state[chest[ch].chest_id], CHEST_OPENED);
    EXPECT_EQ(CRT[l].facing, -1);
}

TEST_F(Walking, AChestWithoutALockIsWalkedUpToAndOpenedStraight)
{
    int l = leader_at(40, 40);
    int ch = add_chest(44, 42, 1, 0);   // used from the west
    int edge = add_chest(0, 44, 1, 1);  // its approach would lie off the map
    click(0, 44);
    EXPECT_EQ(j[ob_state], 0);
    click(44, 42);
    frames(150);
    EXPECT_EQ(CRT[l].cell, cell(43, 42));
    EXPECT_EQ(j[cur_chest], ch);
    EXPECT_EQ(j[chest_items_req], 1);
    EXPECT_EQ(j[chest_screen], 0);
    EXPECT_NE(j[cur_chest], edge);
}

TEST_F(Walking, TheVillageDoorLeadsDownAndTheTownDoorBack)
{
    j[level_no] = 4;
    leader_at(86, 80);
    click(89, 77);
    EXPECT_EQ(j[ob_kind], OB_DOOR_TO_6);
    for (int guard = 0; j[level_no] == 4 && guard < 200; guard++) frames(1);
    ASSERT_EQ(j[level_no], 6);
    int l = leader_crt();
    EXPECT_EQ(CRT[l].cell, cell(36, 81));
    // In front of the town door already, a click on the door walks onto it, as
    // onto any cell one may walk; the next click walks back and uses it.
    click(36, 82);
    frames(30);
    EXPECT_EQ(CRT[l].cell, cell(36, 82));
    click(36, 82);
    for (int guard = 0; j[level_no] == 6 && guard < 200; guard++) frames(1);
    ASSERT_EQ(j[level_no], 4);
    EXPECT_EQ(CRT[leader_crt()].cell, cell(89, 78));
    EXPECT_EQ(j[box_crt], leader_crt());
}

}  // namespace
}  // namespace hm
