// progress_test.cpp -- saving in play: the extension block, F5, the question on quitting, the autosave
#include <sys/stat.h>

#include "flow_fixture.h"
#include "story/story.h"

namespace hm {
namespace {

class Progress : public FlowTest {
protected:
    const int SQUARE = 42 + MAP_W * 37, STREET = 43 + MAP_W * 32;   // two cells of the village

    // A new player in play on the village, the leader moved onto the square.
    void play_as(const std::string &name)
    {
        ASSERT_EQ(create(name), 1);
        make_level(1, 4, 26, 78);
        j[game_begun] = 150;
        begin_progress();
        put_leader(42, 37);
        j[focus_cell] = STREET;   // where the roofs last looked: not where he stands
    }

    static void put_leader(int x, int y)
    {
        int c = leader_crt();
        ASSERT_GE(c, 0);
        CRT[c].x = x;
        CRT[c].y = y;
    }

    static int leader_cell()
    {
        int c = leader_crt();
        return c < 0 ? -1 : CRT[c].x + MAP_W * CRT[c].y;
    }

    // The tables a save file holds; what the described layout gives back.
    static std::string tables()
    {
        std::string s;
        s.append((const char *)j, 4 * SLOT_COUNT).append((const char *)f, 4 * SLOT_COUNT);
        s.append((const char *)p1cr, sizeof(p1cr_rec) * P1CR_COUNT);
        s.append((const char *)ITEM, sizeof(item_rec) * ITEM_COUNT);
        s.append((const char *)chest_state, CHEST_STATE_BYTES);
        return s;
    }

    // A note over the view: the top band darkened and written on.
    static bool note_in_view()
    {
        for (int i = 0; i < VIEW_W * VIEW_H; i++) vs[i] = plat_makecol(200, 200, 200);
        draw_progress_note();
        return vs[6 * VIEW_W + 2] != plat_makecol(200, 200, 200);
    }

    // A message of the saving texts waits in the queue; it is taken off.
    static bool said(int text)
    {
        bool found = false;
        for (int k = 0; k < MES_COUNT; k++)
            if (mes[k].in_use && mes[k].group == PROGRESS_TEXTS && mes[k].num == text) {
                found = true;
                mes[k].in_use = 0;
            }
        return found;
    }

    static bool lexists(const std::string &name)
    {
        struct stat st;
        return lstat(name.c_str(), &st) == 0;
    }

    static uint32_t fnv(const std::string &s)
    {
        uint32_t h = 2166136261u;
        for (unsigned char c : s) h = (h ^ c) * 16777619u;
        return h;
    }

    static void put32(std::string &s, size_t at, uint32_t v) { std::memcpy(&s[at], &v, 4); }
};

TEST_F(Progress, F5SavesTheGameAndANewRunStandsWhereTheLeaderStood)
{
    play_as("Wren");
    const std::string created = read_file("Wren.cha");
    j[gold] = 777;
    f[cam_fx] = 1510.5f;
    f[cam_fy] = 600.0f;
    ASSERT_EQ(save_progress(), 0);
    const std::string saved = read_file("Wren.cha");
    // The tables in their layout first, then the block.
    ASSERT_GT(saved.size(), (size_t)SAVE_BYTES);
    EXPECT_EQ(saved.compare(0, 4000, (const char *)j, 4000), 0);
    EXPECT_NE(saved, created);
    EXPECT_FALSE(exists("Wren.cha.tmp"));
    EXPECT_TRUE(said(PT_SAVED));

    // Another game in between, then Wren loaded from the list.
    ASSERT_EQ(make_new_state(), 0);
    make_level(1, 98, 28, 54);
    ASSERT_EQ(load_game(0), 1);
    EXPECT_EQ(save_block, BLOCK_READ);
    EXPECT_EQ(j[gold], 777);
    enter_saved_game();
    EXPECT_EQ(j[level_no], 4);
    EXPECT_EQ(leader_cell(), SQUARE);
    EXPECT_EQ(f[cam_fx], 1510.5f);
    EXPECT_EQ(j[cam_y], 600);
    EXPECT_FALSE(said(PT_BLOCK_DAMAGED));
}

TEST_F(Progress, ASaveWithoutTheBlockLoadsAsDescribedAtItsFocusCell)
{
    play_as("Wren");
    ASSERT_EQ(save_progress(), 0);
    std::string file = read_file("Wren.cha");
    int32_t c;
    std::memcpy(&c, &file[SAVE_BYTES - 4], 4);
    file.resize(SAVE_BYTES + sizeof(chest_rec) * (size_t)c);
    write_file("Wren.cha", file);
    ASSERT_EQ(make_new_state(), 0);
    ASSERT_EQ(load_game(0), 1);
    EXPECT_EQ(save_block, BLOCK_NONE);
    enter_saved_game();
    EXPECT_EQ(j[level_no], 4);
    EXPECT_EQ(leader_cell(), STREET);
    EXPECT_FALSE(said(PT_BLOCK_DAMAGED));

    // A new player's file, never played, has no block and starts the opening.
    ASSERT_EQ(create("Ash"), 1);
    EXPECT_EQ(read_file("Ash.cha").size(), (size_t)SAVE_BYTES);
}

TEST_F(Progress, ADamagedBlockLoadsAsDescribedWithANote)
{
    play_as("Wren");
    ASSERT_EQ(save_progress(), 0);
    const std::string good = read_file("Wren.cha");
    int32_t c;
    std::memcpy(&c, &good[SAVE_BYTES - 4], 4);
    const size_t at = SAVE_BYTES + sizeof(chest_rec) * (size_t)c;   // where the block begins
    const std::string head = good.substr(0, at), block = good.substr(at);
    ASSERT_EQ(block.compare(0, 4, "HMXB"), 0);

    // The place written as it stands, but off the map: the checksum holds.
    put_leader(150, 37);
    ASSERT_EQ(write_save("off.cha", 1), 0);
    put_leader(42, 37);

    std::vector<std::pair<const char *, std::string>> bad = {
        {"one stray byte", head + "x"},
        {"cut short", head + block.substr(0, block.size() - 3)},
        {"a byte scribbled", head + block.substr(0, 20) + "\x7f" + block.substr(21)},
        {"another tag", head + "HMXC" + block.substr(4)},
        {"version 0", head + block.substr(0, 4) + std::string(4, '\0') + block.substr(8)},
        {"a leader off the map", read_file("off.cha")},
        {"far too long", head + block + std::string(BLOCK_MAX, 'z')},
    };
    for (const auto &b : bad) {
        write_file("Wren.cha", b.second);
        ASSERT_EQ(make_new_state(), 0);
        ASSERT_EQ(load_game(0), 1) << b.first;
        EXPECT_EQ(save_block, BLOCK_DAMAGED) << b.first;
        enter_saved_game();
        EXPECT_EQ(leader_cell(), STREET) << b.first;
        EXPECT_TRUE(said(PT_BLOCK_DAMAGED)) << b.first;
    }

    // The same tables as the file without its block.
    write_file("Wren.cha", head);
    ASSERT_EQ(make_new_state(), 0);
    ASSERT_EQ(load_game(0), 1);
    const std::string plain = tables();
    write_file("Wren.cha", head + "x");
    ASSERT_EQ(make_new_state(), 0);
    ASSERT_EQ(load_game(0), 1);
    EXPECT_TRUE(tables() == plain);
}

TEST_F(Progress, ScriptedWalksInProgressComeBackWithTheGame)
{
    play_as("Wren");
    npc_walk[3] = {1, 40, 60, 7, 5, 2};
    ASSERT_EQ(save_progress(), 0);
    // A walk that names no NPC makes the block unreadable.
    npc_walk[4] = {1, 40, 60, NPC_COUNT, 5, 2};
    ASSERT_EQ(write_save("bad.cha", 1), 0);
    init_npc_walks();
    ASSERT_EQ(make_new_state(), 0);
    ASSERT_EQ(load_game(0), 1);
    enter_saved_game();
    EXPECT_EQ(npc_walk[3].in_use, 1);
    EXPECT_EQ(npc_walk[3].walk_x, 40);
    EXPECT_EQ(npc_walk[3].walk_y, 60);
    EXPECT_EQ(npc_walk[3].walk_npc, 7);
    EXPECT_EQ(npc_walk[3].chance, 5);
    EXPECT_EQ(npc_walk[4].in_use, 0);
    EXPECT_EQ(read_save("bad.cha"), 1);
    EXPECT_EQ(save_block, BLOCK_DAMAGED);
    for (const npc_walk_rec &w : npc_walk) EXPECT_EQ(w.in_use, 0);
}

TEST_F(Progress, SectionsOfLaterVersionsAreSkipped)
{
    play_as("Wren");
    ASSERT_EQ(save_progress(), 0);
    std::string file = read_file("Wren.cha");
    size_t at = file.find("HMXB", SAVE_BYTES);
    ASSERT_NE(at, std::string::npos);
    // A section this game does not know, ahead of the place, in a version 2 block.
    std::string sections = std::string("XTRA") + std::string("\x06\0\0\0", 4) + "abcdef" + file.substr(at + 16);
    std::string block = "HMXB" + std::string(12, '\0') + sections;
    put32(block, 4, 2);
    put32(block, 8, (uint32_t)sections.size());
    put32(block, 12, fnv(sections));
    write_file("Wren.cha", file.substr(0, at) + block);
    ASSERT_EQ(make_new_state(), 0);
    ASSERT_EQ(load_game(0), 1);
    EXPECT_EQ(save_block, BLOCK_READ);
    enter_saved_game();
    EXPECT_EQ(leader_cell(), SQUARE);
}

TEST_F(Progress, AFailedWriteLeavesTheOldSaveAndNoTemporaryFile)
{
    play_as("Wren");
    const std::string old = read_file("Wren.cha");
    j[gold] = 5;
    // The disc fills up half-way through the temporary file.
    ASSERT_EQ(symlink("/dev/full", "Wren.cha.tmp"), 0);
    EXPECT_EQ(save_progress(), -1);
    EXPECT_EQ(read_file("Wren.cha"), old);
    EXPECT_FALSE(lexists("Wren.cha.tmp"));
    EXPECT_TRUE(said(PT_NOT_SAVED));
    // Nowhere to put the temporary file at all.
    ASSERT_EQ(mkdir("Wren.cha.tmp", 0755), 0);
    EXPECT_EQ(save_progress(), -1);
    EXPECT_EQ(read_file("Wren.cha"), old);
}

TEST_F(Progress, NothingIsSavedWhileSomethingIsUnderWay)
{
    play_as("Wren");
    const std::string old = read_file("Wren.cha");
    for (int slot : {battle_on, talk_state, chest_screen, loot_state, editor_on}) {
        j[slot] = 1;
        EXPECT_EQ(save_progress(), -1) << slot;
        EXPECT_TRUE(note_in_view());
        j[slot] = 0;
    }
    EXPECT_EQ(read_file("Wren.cha"), old);
}

TEST_F(Progress, EscapeAsksAndYSavesNQuitsAndEscapeGoesBackButNeverQuitsUnsavedOnN)
{
    play_as("Wren");
    const std::string old = read_file("Wren.cha");
    auto answer = [&](const char *keys) {
        script(std::string("frames 2\n") + keys + "frames 5\n");
        int r = ask_quit();
        hl_set_frame_hook(nullptr);
        return r;
    };
    EXPECT_EQ(answer("key ESC tap\n"), 0);
    EXPECT_EQ(answer("key N tap\n"), 1);
    EXPECT_EQ(read_file("Wren.cha"), old);
    j[gold] = 31;
    EXPECT_EQ(answer("key Y tap\n"), 1);
    ASSERT_EQ(make_new_state(), 0);
    ASSERT_EQ(load_game(0), 1);
    EXPECT_EQ(j[gold], 31);

    // In the middle of a talk the question is whether to quit unsaved: N plays on.
    j[talk_state] = 3;
    EXPECT_EQ(answer("key N tap\n"), 0);
    EXPECT_EQ(answer("key Y tap\n"), 1);
    j[talk_state] = 0;
}

TEST_F(Progress, TheAutosaveFollowsLevelChangesAndNeverTouchesThePlayersFile)
{
    play_as("Wren");
    const std::string own = read_file("Wren.cha");
    autosave_at_level_change();
    EXPECT_FALSE(exists("Wren.autosave"));   // no change yet
    make_level(1, 3, 88, 37);
    j[gold] = 400;
    autosave_at_level_change();
    EXPECT_EQ(read_file("Wren.cha"), own);
    ASSERT_TRUE(exists("Wren.autosave"));

    // The list offers it under its player.
    char row[50];
    EXPECT_EQ(row_text(0, row), ROW_OWN);
    EXPECT_STREQ(row, "Wren");
    EXPECT_EQ(row_text(1, row), ROW_AUTOSAVE);
    EXPECT_STREQ(row, "Wren (autosave)");
    EXPECT_EQ(row_text(2, row), -1);
    title_screen = TITLE_LIST;
    title_frame();
    EXPECT_EQ(continue_game(0, 0), 1);

    // Loaded, it stands on level 3; F5 then writes the player's own file.
    ASSERT_EQ(make_new_state(), 0);
    ASSERT_EQ(load_game(1), 1);
    EXPECT_STREQ(cnam, "Wren.cha");
    enter_saved_game();
    EXPECT_EQ(j[level_no], 3);
    EXPECT_EQ(leader_cell(), 88 + MAP_W * 37);
    EXPECT_EQ(j[gold], 400);
    begin_progress();
    ASSERT_EQ(save_progress(), 0);
    ASSERT_EQ(make_new_state(), 0);
    ASSERT_EQ(load_game(0), 1);
    EXPECT_EQ(j[level_no], 3);

    // Deleting the autosave row leaves the player; deleting the player takes both.
    EXPECT_EQ(delete_row(1), 1);
    EXPECT_FALSE(exists("Wren.autosave"));
    EXPECT_TRUE(exists("Wren.cha"));
    EXPECT_EQ(list_text(), "Wren~^");
    make_level(1, 4, 26, 78);
    autosave_at_level_change();
    ASSERT_TRUE(exists("Wren.autosave"));
    EXPECT_EQ(delete_row(0), 1);
    EXPECT_FALSE(exists("Wren.autosave") || exists("Wren.cha"));

    // A new player of that name starts without the old autosave.
    write_file("Wren.autosave", own);
    ASSERT_EQ(create("Wren"), 1);
    EXPECT_FALSE(exists("Wren.autosave"));
}

}  // namespace
}  // namespace hm
