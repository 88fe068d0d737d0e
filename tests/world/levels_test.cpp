// levels_test.cpp -- entering and leaving levels, level files, chests and spawners across levels
#include "world_fixture.h"

namespace hm {
namespace {

class Levels : public WorldTest {
protected:
    // A level in the tables with every part filled: layers, statistics, spawners, chests.
    void fill_level(int n, unsigned seed)
    {
        srandom(seed);
        create_level_template(n);
        std::snprintf(lev_nam, sizeof lev_nam, "Level %d", n);
        for (int i = 0; i < MAP_CELLS; i++) {
            gr[i] = (uint16_t)(random() % 250);
            gr2[i] = (uint16_t)(random() % 3 ? 0 : random() % 250);
            ls[i] = (uint16_t)(random() % 4 ? 0 : random() % 250);
            rf[i] = (uint16_t)(random() % 4 ? 0 : random() % 125);
            gr_lt[i] = (int8_t)(random() % 21 - 10);
            ls_lt[i] = (int8_t)(random() % 21 - 10);
            rf_lt[i] = (int8_t)(random() % 21 - 10);
        }
        for (int k = 0; k < LSTS_STORED; k++) lsts[k] = random() % 100;
        lsts[lev_id] = n;
        for (int k = 0; k < SPAWNER_COUNT; k++) {
            spawner_rec &s = crt_spawner[k];
            s.active = 1;
            s.x = (int8_t)(random() % 100);
            s.y = (int8_t)(random() % 100);
            s.crt_types[0] = random() % 30;
            s.id = n * SPAWNER_COUNT + k;
        }
        for (int k = 0; k < 5; k++) add_chest(n * CHESTS_PER_LEVEL + k, 10 + 3 * k, 20 + k);
    }

    chest_rec &add_chest(int id, int x, int y)
    {
        int slot = new_chest_n();
        EXPECT_GE(slot, 0);
        chest_rec &c = chest[slot < 0 ? 0 : slot];
        std::memset(&c, 0, sizeof c);
        c.in_use = 1;
        c.chest_id = id;
        c.x = x;
        c.y = y;
        c.chest_pic = 99;
        for (int i = 0; i < CHEST_SLOTS; i++) c.item_types[i] = -1;
        c.item_types[0] = (int16_t)(id % 100);
        c.item_seeds[0] = (int16_t)id;
        c.trap_state = 1;
        c.n_discs = 4;
        return c;
    }

    int find_chest(int id) const
    {
        int found = -1;
        for (int i = 0; i < CHEST_COUNT; i++)
            if (chest[i].in_use && chest[i].chest_id == id) {
                EXPECT_EQ(found, -1) << "chest " << id << " is in the table twice";
                found = i;
            }
        return found;
    }

    int chests_in_use() const
    {
        int n = 0;
        for (int i = 0; i < CHEST_COUNT; i++) n += chest[i].in_use != 0;
        return n;
    }

    // A level file by hand: the fixed part from the tables, then count and records.
    std::string level_bytes(int n, int32_t count, const std::vector<chest_rec> &records)
    {
        clear_chests();
        EXPECT_EQ(write_level_file("head.txt", n), 0);
        std::string head = read_file("head.txt").substr(0, 119650);
        head.append((const char *)&count, 4);
        for (const chest_rec &c : records) head.append((const char *)&c, sizeof c);
        int32_t zero = 0;
        head.append((const char *)&zero, 4);
        return head;
    }
};

TEST_F(Levels, EnteringTheOpeningLevelCentresTheCameraOnItsEntryCell)
{
    j[grid_on] = 1;
    j[free_camera] = 1;
    f[cam_vx] = 3;
    j[gold] = 77;
    j[leader] = 2;
    make_level(1, 4, 26, 78);
    EXPECT_EQ(j[level_no], 4);
    EXPECT_EQ(lsts[start_x], 26);
    EXPECT_EQ(lsts[start_y], 78);
    EXPECT_EQ(j[cam_x], 2400);
    EXPECT_EQ(j[cam_y], 1440);
    EXPECT_EQ(f[cam_fx], 2400.0f);
    EXPECT_EQ(f[cam_fy], 1440.0f);
    // Per-level slots start afresh; the party's own do not.
    EXPECT_EQ(j[grid_on], 0);
    EXPECT_EQ(j[free_camera], 0);
    EXPECT_EQ(f[cam_vx], 0.0f);
    EXPECT_EQ(j[shown_member], -1);
    EXPECT_EQ(j[istk_shown], -1);
    EXPECT_EQ(j[crtbox_page], 1);
    EXPECT_EQ(j[edit_layer], 5);
    EXPECT_EQ(j[gold], 77);
    EXPECT_EQ(j[leader], 2);
}

TEST_F(Levels, AnEntryCoordinateOfZeroTakesTheLevelsOwnStart)
{
    enter_scratch();
    create_level_template(7);
    lsts[start_x] = 33;
    lsts[start_y] = 60;
    ASSERT_EQ(save_level(7), 0);
    make_level(1, 7, 0, 35);
    EXPECT_EQ(lsts[start_x], 33);
    EXPECT_EQ(lsts[start_y], 35);
    EXPECT_EQ(j[cam_x], 40 * 33 + 20 * 35 - 200);
    EXPECT_EQ(j[cam_y], 20 * 35 - 120);

    // Start cells from a file or a caller are kept on the map.
    create_level_template(7);
    lsts[start_x] = 120;
    lsts[start_y] = -5;
    ASSERT_EQ(save_level(7), 0);
    make_level(1, 7, 0, 0);
    EXPECT_EQ(lsts[start_x], 99);
    EXPECT_EQ(lsts[start_y], 0);
    make_level(1, 7, -40, 400);
    EXPECT_EQ(lsts[start_x], 0);
    EXPECT_EQ(lsts[start_y], 99);
}

TEST_F(Levels, LevelsOutsideTheStateTablesAreRefused)
{
    enter_scratch();
    make_level(1, 12, 40, 40);
    gr[123] = 77;
    for (int level : {-1, 400, 100000}) {
        make_level(1, level, 50, 50);
        load_level(level, 0);
        EXPECT_EQ(j[level_no], 12);
        EXPECT_EQ(lsts[start_x], 40);
        EXPECT_EQ(gr[123], 77);
    }
}

TEST_F(Levels, LeavingAcrossTwoBoundsGoesSouthAndNeverDuringABattle)
{
    enter_scratch();
    make_level(1, 12, 40, 40);
    lsts[west_lev] = 14;
    lsts[south_lev] = 13;
    put_creature(3, 5, 95);
    make_leader(3);

    j[battle_stage] = 1;
    leave_level_chk();
    EXPECT_EQ(j[level_no], 12);

    // An exit to a level that cannot exist keeps the leader where it is.
    j[battle_stage] = 0;
    lsts[south_lev] = 400;
    leave_level_chk();
    EXPECT_EQ(j[level_no], 12);
    EXPECT_EQ(CRT[3].in_use, 1);

    lsts[south_lev] = 13;
    leave_level_chk();
    EXPECT_EQ(j[level_no], 13);
    EXPECT_EQ(lsts[start_x], 50);   // the template's south exit enters at (50, 20)
    EXPECT_EQ(lsts[start_y], 20);
    EXPECT_EQ(CRT[3].in_use, 0);    // entering a level frees every creature

    // No leader creature: nothing to test against the bounds.
    leave_level_chk();
    EXPECT_EQ(j[level_no], 13);
}

TEST_F(Levels, AMissingFileIsTheEmptyLevel)
{
    enter_scratch();
    char name[LEV_NAME_BYTES + 1];
    get_lev_name(31, name);
    EXPECT_STREQ(name, "DOES NOT EXIST");
    gr[5] = 9;
    make_level(1, 31, 0, 0);
    for (int i = 0; i < MAP_CELLS; i++) ASSERT_EQ(gr[i], 1);
    EXPECT_EQ(lsts[west_bound], 10);
    EXPECT_EQ(lsts[east_bound], 90);
    EXPECT_EQ(lsts[roof_height], -1);
    EXPECT_EQ(lsts[north_lev], 0);
    EXPECT_EQ(lsts[north_y], 80);
    EXPECT_EQ(j[lev_roof_dy], -1);
    EXPECT_EQ(lsts[start_x], 0);
    EXPECT_EQ(lsts[lev_id], 31);
    for (int k = 0; k < SPAWNER_COUNT; k++) EXPECT_EQ(crt_spawner[k].active, 0);
}

TEST_F(Levels, ChestsComeBackByTheirState)
{
    enter_scratch();
    create_level_template(5);
    std::strcpy(lev_nam, "Chest yard");
    for (int k = 0; k < 4; k++) add_chest(250 + k, 30 + k, 40);
    ASSERT_EQ(save_level(5), 0);
    char name[LEV_NAME_BYTES + 1];
    get_lev_name(5, name);
    EXPECT_STREQ(name, "Chest yard");

    clear_chests();
    chest_state[250] = CHEST_UNOPENED;
    chest_state[251] = CHEST_OPENED;
    chest_state[252] = CHEST_DELETED;
    chest_state[253] = CHEST_EMPTIED;
    // Opened earlier, here and on level 7: their records live in the table.
    add_chest(251, 31, 40).item_types[3] = 42;
    add_chest(350, 5, 5);
    chest_state[350] = CHEST_OPENED;

    ls_tile[100].passable = 0;   // entering takes the blocking from the objects' tiles
    make_level(1, 5, 0, 0);
    EXPECT_STREQ(lev_nam, "Chest yard");
    int c250 = find_chest(250), c251 = find_chest(251), c253 = find_chest(253);
    ASSERT_GE(c250, 0);
    ASSERT_GE(c251, 0);
    ASSERT_GE(c253, 0);
    EXPECT_EQ(chest[c250].item_types[0], 50);
    EXPECT_EQ(chest[c251].item_types[3], 42);   // the table's record, not the file's
    EXPECT_EQ(find_chest(252), -1);
    EXPECT_EQ(ls[32 + 4000], 100);              // the emptied picture, blocking
    EXPECT_EQ(grsc[32 + 4000], BLOCKED);
    for (int i = 0; i < CHEST_SLOTS; i++) EXPECT_EQ(chest[c253].item_types[i], -1);
    EXPECT_EQ(chest[c253].trap_state, 0);
    for (int x : {30, 31, 33}) {
        EXPECT_EQ(ls[x + 4000], 99);
        EXPECT_EQ(grsc[x + 4000], BLOCKED);
    }
    // Entering a level keeps the chests opened on other levels.
    EXPECT_GE(find_chest(350), 0);
    EXPECT_EQ(ls[505], 0);   // but only this level's chests stand on its map

    // Reading the level for editing takes its chests as stored, and only its own.
    chest[c251].item_types[3] = 7;
    load_level(5, 1);
    EXPECT_EQ(chests_in_use(), 5);
    EXPECT_EQ(chest[find_chest(251)].item_types[3], -1);
    EXPECT_GE(find_chest(252), 0);
    EXPECT_GE(find_chest(350), 0);
}

TEST_F(Levels, TheChestTableAcrossLevels)
{
    chest_rec &full = add_chest(10, 1, 1);
    chest_rec &empty = add_chest(11, 2, 1);
    chest_rec &vanishing = add_chest(12, 3, 1);
    chest_rec &refilled = add_chest(13, 4, 1);
    chest_rec &unopened = add_chest(14, 5, 1);
    empty.item_types[0] = -1;
    vanishing.item_types[0] = -1;
    vanishing.trap_state = 3;
    chest_state[10] = chest_state[11] = chest_state[12] = CHEST_OPENED;
    chest_state[13] = CHEST_EMPTIED;
    chest_state[14] = CHEST_UNOPENED;

    j[editor_on] = 1;
    delete_empty_chests();
    EXPECT_EQ(chests_in_use(), 5);

    j[editor_on] = 0;
    delete_empty_chests();
    EXPECT_TRUE(full.in_use);
    EXPECT_FALSE(empty.in_use);
    EXPECT_FALSE(vanishing.in_use);
    EXPECT_TRUE(refilled.in_use);
    EXPECT_FALSE(unopened.in_use);
    EXPECT_EQ(chest_state[11], CHEST_EMPTIED);
    EXPECT_EQ(chest_state[12], CHEST_DELETED);
    EXPECT_EQ(chest_state[13], CHEST_OPENED);

    for (int i = 0; i < CHEST_COUNT; i++) chest[i].in_use = 1;
    EXPECT_EQ(new_chest_n(), -1);
}

TEST_F(Levels, SpawnersDefeatedOrOffTheMapStayOff)
{
    enter_scratch();
    create_level_template(9);
    for (int k = 0; k < 3; k++) {
        crt_spawner[k].active = 1;
        crt_spawner[k].x = 20;
        crt_spawner[k].y = 20;
    }
    crt_spawner[2].x = 120;
    crt_spawner[2].y = -3;
    ASSERT_EQ(save_level(9), 0);
    cspns[9 * SPAWNER_COUNT + 0] = 0;
    make_level(1, 9, 0, 0);
    EXPECT_EQ(crt_spawner[0].active, 0);
    EXPECT_EQ(crt_spawner[1].active, 1);
    EXPECT_EQ(crt_spawner[2].active, 0);
    // The editor sees them as stored.
    load_level(9, 1);
    EXPECT_EQ(crt_spawner[0].active, 1);
}

TEST_F(Levels, FilesRoundTripByteForByte)
{
    enter_scratch();
    fill_level(6, 17);
    add_chest(7 * CHESTS_PER_LEVEL, 1, 1);   // another level's chest is not written
    ASSERT_EQ(save_level(6), 0);
    std::string first = read_file("l6.txt");
    ASSERT_EQ(first.size(), 119654u + 148 * 5 + 4);

    create_level_template(0);
    clear_chests();
    load_level(6, 1);
    EXPECT_EQ(chests_in_use(), 5);
    ASSERT_EQ(save_level(6), 0);
    EXPECT_EQ(read_file("l6.txt"), first);

    // The compiled proving ground too.
    write_file("l99.txt", read_file(home + "/l99.txt"));
    load_level(99, 1);
    ASSERT_EQ(save_level(99), 0);
    EXPECT_EQ(read_file("l99.txt"), read_file(home + "/l99.txt"));
}

TEST_F(Levels, AFailedSaveKeepsTheOldFile)
{
    enter_scratch();
    fill_level(5, 3);
    ASSERT_EQ(save_level(5), 0);
    std::string before = read_file("l5.txt");
    ASSERT_EQ(mkdir("l5.txt.tmp", 0755), 0);   // the new file cannot be made
    gr[0] = 200;
    EXPECT_EQ(save_level(5), -1);
    EXPECT_EQ(read_file("l5.txt"), before);
    EXPECT_EQ(save_level(400), -1);
    EXPECT_EQ(read_file("l400.txt"), "");
}

TEST_F(Levels, TruncatedFilesLoadAsFarAsTheyGo)
{
    enter_scratch();
    fill_level(6, 5);
    ASSERT_EQ(save_level(6), 0);
    const std::string whole = read_file("l6.txt");
    std::vector<uint16_t> file_gr(gr, gr + MAP_CELLS);
    std::vector<size_t> cuts = {0, 1, 49, 50, 51, 2049, 2050, 2051, 12051, 22049, 22050, 42051, 62050,
                                82049, 82050, 92050, 102050, 112049, 112050, 112354, 112400, 119649, 119650,
                                119652, 119654, 119700, 119802, 119803, whole.size() - 5, whole.size() - 4};
    for (size_t cut = 3; cut < whole.size(); cut += 2999) cuts.push_back(cut);
    for (size_t cut : cuts) {
        SCOPED_TRACE("cut at " + std::to_string(cut));
        write_file("l6.txt", whole.substr(0, cut));
        clear_chests();
        make_level(1, 6, 50, 50);
        // Whole cells of the ground that arrived are the file's; the rest is the template's.
        long arrived = ((long)cut - 2050) / 2;
        for (int i : {0, 4999, 5000, 9999})
            EXPECT_EQ(gr[i], i < arrived ? file_gr[i] : 1) << "cell " << i;
        EXPECT_EQ(chests_in_use(), cut >= 119654 + 148 * 5 ? 5 : (int)(cut < 119654 ? 0 : (cut - 119654) / 148));
        load_level(6, 1);
    }
}

TEST_F(Levels, ChestCountsAndRecordsFromTheFileAreChecked)
{
    enter_scratch();
    create_level_template(6);
    chest_rec good = {};
    good.in_use = 1;
    good.chest_id = 6 * CHESTS_PER_LEVEL + 1;
    good.x = 4;
    good.y = 4;
    good.chest_pic = 99;
    for (int i = 0; i < CHEST_SLOTS; i++) good.item_types[i] = -1;
    chest_state[good.chest_id] = CHEST_UNOPENED;

    // A count far past the records that follow.
    write_file("l6.txt", level_bytes(6, 100000, {good, good, good}));
    make_level(1, 6, 0, 0);
    EXPECT_EQ(chests_in_use(), 3);

    // More records than the table holds: it fills, and nothing else is touched.
    write_file("l6.txt", level_bytes(6, 600, std::vector<chest_rec>(600, good)));
    make_level(1, 6, 0, 0);
    EXPECT_EQ(chests_in_use(), CHEST_COUNT);
    EXPECT_EQ(chest_state[good.chest_id], CHEST_UNOPENED);
    load_level(6, 1);
    EXPECT_EQ(chests_in_use(), CHEST_COUNT);

    // Ids past the state table or of another level, cells off the map, a negative count.
    std::vector<chest_rec> bad(5, good);
    bad[0].chest_id = 70000;
    bad[1].chest_id = -5;
    bad[2].chest_id = 7 * CHESTS_PER_LEVEL;
    bad[3].x = 150;
    bad[4].y = -1;
    bad[3].chest_id = bad[4].chest_id = 6 * CHESTS_PER_LEVEL + 2;
    chest_state[6 * CHESTS_PER_LEVEL + 2] = CHEST_DELETED;
    for (int mode : {0, 1}) {
        clear_chests();
        write_file("l6.txt", level_bytes(6, 5, bad));
        if (mode == 0) make_level(1, 6, 0, 0);
        else load_level(6, 1);
        EXPECT_EQ(chests_in_use(), 0);
    }
    write_file("l6.txt", level_bytes(6, -3, {good}));
    make_level(1, 6, 0, 0);
    EXPECT_EQ(chests_in_use(), 0);
}

TEST_F(Levels, BlockingComesFromTheObjectsTiles)
{
    ls[0] = 5;        // a blocking object
    ls[1] = 6;        // a passable one
    ls[2] = 4000;     // past the tile table
    ls[3] = 65535;
    gr[4] = 32;
    gr[5] = 25;
    ls_tile[5] = {0, 0, 0, 0, 0, 0};
    ls_tile[6] = {1, 30, 0, 0, 0, 0};
    update_grsc();
    EXPECT_EQ(grsc[0], BLOCKED);
    EXPECT_EQ(grsc[1], 0);
    EXPECT_EQ(rng_pen[1], 30);
    EXPECT_EQ(grsc[2], BLOCKED);
    EXPECT_EQ(grsc[3], BLOCKED);
    EXPECT_EQ(rng_pen[3], 0);
    EXPECT_EQ(grsc[4], BLOCKED);
    EXPECT_EQ(grsc[5], ls_tile[0].passable ? 0 : BLOCKED);
}

}  // namespace
}  // namespace hm
