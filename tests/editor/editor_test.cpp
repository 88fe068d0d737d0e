// editor_test.cpp -- the level editor: painting, chests and spawners, the cave roof, saving
#include <sys/stat.h>

#include <cstdlib>

#include "../world/world_fixture.h"
#include "editor/editor.h"

namespace hm {
namespace {

constexpr int LEVEL = 41;

class Editor : public WorldTest {
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        j[level_no] = LEVEL;
        create_level_template(LEVEL);
        j[sel_chest] = j[sel_spawner] = -1;
        j[edit_layer] = 5;
        j[editor_on] = 1;
        j[edit_loaded] = 1;
    }

    // The camera centred on (c, r) and the pointer on cell (pc, pr) of the view.
    void point_at(int pc, int pr, int c = 50, int r = 50)
    {
        j[cam_x] = 40 * c + 20 * r - 200;
        j[cam_y] = 20 * r - 120;
        mx = view_x(pc, pr) + 30 + VIEW_X;
        my = view_y(pr) + 10 + VIEW_Y;
        j[mouse_x] = mx;
        j[mouse_y] = my;
        j[ptr_in_view] = 1;
        ASSERT_EQ(get_square(mx - VIEW_X, my - VIEW_Y), pc + MAP_W * pr);
    }

    // One frame of the editor's controls with these edges; they last one frame.
    void frame(int left = EDGE_UP, int key = -1, int state = EDGE_RELEASED)
    {
        mb1 = left;
        if (key >= 0) keyr[key] = (uint8_t)state;
        editor_controls();
        mb1 = mb2 = EDGE_UP;
        clear_keyr();
    }

    // Every layer of every cell, to see that nothing changed.
    std::string layers() const
    {
        std::string s;
        for (const uint16_t *l : {gr, gr2, ls, rf}) s.append((const char *)l, MAP_CELLS * 2);
        for (const int8_t *l : {gr_lt, ls_lt, rf_lt}) s.append((const char *)l, MAP_CELLS);
        s.append((const char *)grsc, MAP_CELLS);
        return s;
    }

    int placed_chest(int c, int r)
    {
        int k = new_chest();
        EXPECT_GE(k, 0);
        j[sel_chest] = k;
        point_at(c, r);
        move_chest();
        return k;
    }

    // A level with something on every layer, a chest and a spawner, saved as l41.txt.
    void edited_level()
    {
        std::strcpy(lev_nam, "Test cave");
        lsts[roof_height] = 40;
        for (int c = 20; c < 40; c++) {
            paint_cell(1, c + MAP_W * 30, 12);
            paint_cell(2, c + MAP_W * 31, 130);
            paint_cell(3, c + MAP_W * 32, 5);
            paint_cell(4, c + MAP_W * 33, 8);
            shift_cell_light(c % 4 + 1, c + MAP_W * 34, -3);
        }
        int k = placed_chest(48, 49);
        chest[k].item_types[0] = 1;
        int s = new_crt_spawner();
        ASSERT_GE(s, 0);
        crt_spawner[s].crt_types[0] = 14;
        crt_spawner[s].crt_levels[0] = 2;
        j[sel_spawner] = s;
        point_at(52, 51);
        move_crt_spawner();
        ASSERT_EQ(save_level(LEVEL), 0);
    }
};

TEST_F(Editor, LayerFiveOnlySelectsAndMovesChestsAndSpawners)
{
    int k = placed_chest(48, 50);
    int s = new_crt_spawner();
    crt_spawner[s].x = 48;
    crt_spawner[s].y = 50;
    std::string before = layers();

    point_at(48, 50);
    frame(EDGE_PRESSED);
    EXPECT_EQ(j[sel_chest], k);
    EXPECT_EQ(j[sel_spawner], s);
    frame(EDGE_HELD, K_ENTER, EDGE_HELD);
    EXPECT_EQ(layers(), before);

    // Dragged one cell on: the new cell blocks, the old one is free again.
    point_at(49, 51);
    frame(EDGE_RELEASED);
    EXPECT_EQ(j[sel_chest], -1);
    EXPECT_EQ(j[sel_spawner], -1);
    EXPECT_EQ(chest[k].x + MAP_W * chest[k].y, 49 + MAP_W * 51);
    EXPECT_EQ(ls[48 + MAP_W * 50], 0);
    EXPECT_EQ(grsc[48 + MAP_W * 50], 0);
    EXPECT_EQ(ls[49 + MAP_W * 51], 99);
    EXPECT_EQ(grsc[49 + MAP_W * 51], BLOCKED);
    EXPECT_EQ(crt_spawner[s].x, 49);
    EXPECT_EQ(crt_spawner[s].y, 51);
    // Spawners change no layer.
    EXPECT_EQ(gr[49 + MAP_W * 51], 1);

    // Delete frees both.
    point_at(49, 51);
    frame(EDGE_PRESSED);
    frame(EDGE_HELD, K_DEL, EDGE_PRESSED);
    EXPECT_EQ(chest[k].in_use, 0);
    EXPECT_EQ(crt_spawner[s].active, 0);
    EXPECT_EQ(ls[49 + MAP_W * 51], 0);
}

TEST_F(Editor, EnterPaintsTheLayerAndTheLightKeysStopAtTheByteEnds)
{
    j[edit_layer] = 2;
    j[edit_pic] = 130;
    point_at(47, 52);
    frame(EDGE_UP, K_ENTER, EDGE_HELD);
    EXPECT_EQ(gr2[47 + MAP_W * 52], 130);
    j[edit_layer] = 3;
    frame(EDGE_UP, K_EQUALS);
    frame(EDGE_UP, K_EQUALS);
    EXPECT_EQ(ls_lt[47 + MAP_W * 52], 2);
    ls_lt[47 + MAP_W * 52] = 127;
    frame(EDGE_UP, K_EQUALS);
    EXPECT_EQ(ls_lt[47 + MAP_W * 52], 127);
    frame(EDGE_UP, K_4);
    EXPECT_EQ(j[edit_layer], 4);
    EXPECT_EQ(j[edit_pic], 8);
}

TEST_F(Editor, NothingHappensOffTheMap)
{
    // The camera past the map's west edge: the pointer is on no cell.
    int k = new_chest();
    j[sel_chest] = k;
    j[cam_x] = -2000;
    j[cam_y] = 0;
    mx = my = 140;
    j[ptr_in_view] = 1;
    ASSERT_EQ(get_square(mx - VIEW_X, my - VIEW_Y), -1);
    j[edit_layer] = 1;
    j[edit_cell] = 7;
    std::string before = layers();
    frame(EDGE_UP, K_ENTER, EDGE_HELD);
    frame(EDGE_UP, K_EQUALS);
    frame(EDGE_UP, K_MINUS);
    keyr[K_R] = EDGE_HELD;
    frame(EDGE_RELEASED);
    EXPECT_EQ(layers(), before);
    EXPECT_EQ(j[edit_cell], 7);
    EXPECT_EQ(j[sel_chest], k);
    EXPECT_EQ(chest[k].x + chest[k].y, 0);
}

TEST_F(Editor, NewChestsAndSpawnersWhenTheirIdsRunOut)
{
    // One waiting at (0, 0) is given again rather than a second made.
    int k = new_chest();
    EXPECT_EQ(new_chest(), k);
    EXPECT_EQ(chest[k].chest_id, LEVEL * CHESTS_PER_LEVEL);
    EXPECT_EQ(chest[k].chest_pic, 99);
    for (int n = 1; n < CHESTS_PER_LEVEL; n++) placed_chest(n % 40 + 30, 50 + n / 40);
    placed_chest(30, 60);
    EXPECT_EQ(new_chest(), -1);
    // The tool bar's button then selects nothing.
    mx = 130;
    my = 10;
    j[ptr_in_view] = 0;
    frame(EDGE_PRESSED);
    EXPECT_EQ(j[sel_chest], -1);

    int s = new_crt_spawner();
    EXPECT_EQ(new_crt_spawner(), s);
    EXPECT_EQ(crt_spawner[s].trigger, 10);
    EXPECT_EQ(crt_spawner[s].crt_levels[0], 0);
    EXPECT_EQ(crt_spawner[s].loot_items[0], -1);
    for (int i = 0; i < SPAWNER_COUNT; i++) {
        crt_spawner[i].active = 1;
        crt_spawner[i].id = LEVEL * SPAWNER_COUNT + i;
        crt_spawner[i].x = 1;
    }
    EXPECT_EQ(new_spawner_id(), 0);
    EXPECT_EQ(new_crt_spawner(), -1);
    crt_spawner[3].active = 0;
    EXPECT_EQ(new_spawner_id(), LEVEL * SPAWNER_COUNT + 3);
    crt_spawner[9].id = crt_spawner[4].id;
    EXPECT_EQ(get_spawner_from_id(crt_spawner[4].id), 9);
    EXPECT_EQ(get_spawner_from_id(LEVEL * SPAWNER_COUNT + 3), -1);
}

TEST_F(Editor, ChooserPagesStayWithinTheGroup)
{
    keyr[K_MINUS] = EDGE_RELEASED;
    EXPECT_EQ(turn_page(0, 1), 0);
    EXPECT_EQ(turn_page(2, 1), 1);
    clear_keyr();
    keyr[K_EQUALS] = EDGE_RELEASED;
    EXPECT_EQ(chooser_last_page(1), 4);
    EXPECT_EQ(chooser_last_page(3), 4);
    EXPECT_EQ(chooser_last_page(4), 2);
    EXPECT_EQ(turn_page(1, 4), 2);
    EXPECT_EQ(turn_page(2, 4), 2);
    clear_keyr();
}

TEST_F(Editor, LootWithAnItemHasAChance)
{
    int s = new_crt_spawner();
    spawner_rec &sp = crt_spawner[s];
    sp.loot_items[0] = 8;
    sp.loot_chances[0] = 0;
    sp.loot_items[1] = 9;
    sp.loot_chances[1] = 35;
    sp.loot_items[2] = -1;
    sp.loot_chances[2] = 50;
    fix_spawner_loot(s);
    EXPECT_EQ(sp.loot_chances[0], 100);
    EXPECT_EQ(sp.loot_chances[1], 35);
    EXPECT_EQ(sp.loot_chances[2], 0);
}

TEST_F(Editor, CaveRoofFillsAsFarAsTwentyPassesReach)
{
    // A corridor of floor in row 50 running west from a wall at column 60 that
    // faces west: the fill moves one cell a pass against the scan.
    for (int i = 0; i < MAP_CELLS; i++) ls[i] = 1;
    for (int c = 10; c < 60; c++) ls[c + MAP_W * 50] = 0;
    ls[60 + MAP_W * 50] = 83;
    ls[5 + MAP_W * 70] = 93;
    rf[3] = 44;
    make_cave_roof();
    EXPECT_EQ(rf[3], 0);
    EXPECT_EQ(rf[60 + MAP_W * 50], 20);
    EXPECT_EQ(rf[5 + MAP_W * 70], 25);
    for (int c = 39; c < 60; c++) EXPECT_EQ(rf[c + MAP_W * 50], 63) << c;
    EXPECT_EQ(rf[38 + MAP_W * 50], 0);

    // With the wall at the west end the fill runs with the scan: the whole corridor.
    for (int c = 10; c < 60; c++) ls[c + MAP_W * 50] = 0;
    ls[60 + MAP_W * 50] = 1;
    ls[9 + MAP_W * 50] = 82;
    make_cave_roof();
    EXPECT_EQ(rf[59 + MAP_W * 50], 63);
    EXPECT_EQ(rf[60 + MAP_W * 50], 0);
}

TEST_F(Editor, ASavedLevelReadsBackAndSavesTheSameBytes)
{
    enter_scratch();
    edited_level();
    std::string saved = read_file("l41.txt");
    ASSERT_EQ(saved.size(), 119654u + 148u + 4u);
    std::string before = layers();
    create_level_template(LEVEL);
    load_level(LEVEL, 1);
    EXPECT_EQ(std::string(lev_nam), "Test cave");
    EXPECT_EQ(get_num_lev_chests(), 1);
    ASSERT_EQ(save_level(LEVEL), 0);
    EXPECT_EQ(read_file("l41.txt"), saved);
}

TEST_F(Editor, AFailedSaveLeavesTheOldFile)
{
    enter_scratch();
    edited_level();
    std::string saved = read_file("l41.txt");
    // The temporary file cannot be made: a folder stands in its place.
    ASSERT_EQ(mkdir("l41.txt.new", 0755), 0);
    paint_cell(1, 0, 40);
    EXPECT_EQ(save_level(LEVEL), -1);
    EXPECT_EQ(read_file("l41.txt"), saved);
}

TEST_F(Editor, SwitchingOnKeepsTheChestsOfOtherLevels)
{
    enter_scratch();
    edited_level();
    // A chest opened on level 3, its items still in it.
    int other = new_chest_n();
    chest[other].in_use = 1;
    chest[other].chest_id = 3 * CHESTS_PER_LEVEL + 2;
    chest[other].item_types[0] = 5;
    chest_state[chest[other].chest_id] = CHEST_OPENED;
    j[editor_on] = 0;
    j[edit_loaded] = 0;
    paint_cell(1, 5, 40);
    frame(EDGE_UP, K_E);
    EXPECT_EQ(j[editor_on], 1);
    EXPECT_EQ(j[free_camera], 1);
    EXPECT_EQ(j[edit_loaded], 1);
    EXPECT_EQ(chest[other].in_use, 1);
    EXPECT_EQ(chest[other].item_types[0], 5);
    // The level was read again as saved, its chest on its cell.
    EXPECT_EQ(gr[5], 1);
    EXPECT_EQ(get_num_lev_chests(), 1);
    EXPECT_EQ(ls[48 + MAP_W * 49], 99);
    frame(EDGE_UP, K_1);
    frame(EDGE_UP, K_E);
    EXPECT_EQ(j[editor_on], 0);
    EXPECT_EQ(j[free_camera], 0);
    EXPECT_EQ(j[edit_layer], 5);
}

TEST_F(Editor, ASavedLevelTurnedIntoAPlanBuildsTheSameFile)
{
    enter_scratch();
    edited_level();
    std::string tool = "'" + home + "/../hm_levels' ", tiles = " '" + home + "/ls_tile.txt'";
    ASSERT_EQ(std::system((tool + "--plan l41.txt l41.plan" + tiles).c_str()), 0);
    std::string plan = read_file("l41.plan");
    EXPECT_NE(plan.find("name Test cave"), std::string::npos);
    EXPECT_NE(plan.find("spawner 0"), std::string::npos);
    EXPECT_NE(plan.find("chest 0"), std::string::npos);
    ASSERT_EQ(std::system((tool + "l41.plan rebuilt.txt" + tiles).c_str()), 0);
    EXPECT_EQ(read_file("rebuilt.txt"), read_file("l41.txt"));

    // The game's own levels too: the tool writes a plan only when it builds the same bytes.
    for (int n : {4, 98, 99}) {
        std::string level = "l" + std::to_string(n) + ".txt";
        EXPECT_EQ(std::system((tool + "--plan '" + home + "/" + level + "' " + level + ".plan" + tiles).c_str()), 0)
            << level;
    }

    // A file that is not a whole level gives no plan.
    write_file("l42.txt", read_file("l41.txt").substr(0, 5000));
    EXPECT_NE(std::system((tool + "--plan l42.txt l42.plan" + tiles + " 2>/dev/null").c_str()), 0);
}

}  // namespace
}  // namespace hm
