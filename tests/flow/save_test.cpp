// save_test.cpp -- the state of a new game, save files written and read back, refused saves
#include <algorithm>

#include "battle/battle.h"
#include "flow_fixture.h"
#include "story/story.h"

namespace hm {
namespace {

class Saves : public FlowTest {
protected:
    // Every table a save file holds, as the game has it now.
    std::string snapshot() const
    {
        std::string s;
        auto add = [&s](const void *p, size_t n) { s.append((const char *)p, n); };
        add(j, sizeof(int32_t) * SLOT_COUNT);
        add(f, sizeof(float) * SLOT_COUNT);
        add(p1cr, sizeof(p1cr_rec) * P1CR_COUNT);
        add(ISTK, sizeof(istk_rec) * ISTK_COUNT);
        add(ITEM, sizeof(item_rec) * ITEM_COUNT);
        add(cspns, CSPNS_BYTES);
        add(chest_state, CHEST_STATE_BYTES);
        add(npc, sizeof(npc_rec) * NPC_COUNT);
        add(chest, sizeof(chest_rec) * CHEST_COUNT);
        return s;
    }

    // A game in play: the opening level entered and some frames run, with the
    // camera moving and a chest opened on the way.
    void play_some_frames()
    {
        ASSERT_EQ(make_new_state(), 0);
        make_level(1, 4, 26, 78);
        j[game_begun] = 150;
        chest[3].in_use = 1;
        chest[3].chest_id = 4 * CHESTS_PER_LEVEL + 2;
        chest[3].x = 30;
        chest[3].y = 70;
        chest[3].item_types[0] = 12;
        chest_state[chest[3].chest_id] = CHEST_OPENED;
        hl_set_key(K_RIGHT, true);
        int exit_code = EXIT_NONE;
        for (int i = 0; i < 7; i++) play_frame(exit_code);
        hl_set_key(K_RIGHT, false);
        play_frame(exit_code);
    }

    void patch(std::string &file, size_t at, int32_t v) { std::memcpy(&file[at], &v, 4); }
    static int32_t peek(const std::string &file, size_t at)
    {
        int32_t v;
        std::memcpy(&v, &file[at], 4);
        return v;
    }
};

TEST_F(Saves, ANewGameStartsFromNothing)
{
    // Leftovers of a game played before.
    ITEM[7].in_use = 1;
    p1cr[3].in_use = 1;
    chest[9].in_use = 1;
    npc[2].in_use = 1;
    j[battle_stage] = 5;
    f[cam_vx] = 3;
    std::memset(chest_state, CHEST_DELETED, CHEST_STATE_BYTES);

    ASSERT_EQ(make_new_state(), 0);
    EXPECT_EQ(j[battle_stage], 0);
    EXPECT_EQ(f[cam_vx], 0);
    EXPECT_FALSE(p1cr[3].in_use);
    EXPECT_FALSE(chest[9].in_use);
    EXPECT_FALSE(npc[2].in_use);
    // Every chest id of every level is unopened, and every spawner armed.
    EXPECT_EQ(std::count(chest_state, chest_state + CHEST_STATE_BYTES, CHEST_UNOPENED), CHEST_STATE_BYTES);
    EXPECT_EQ(std::count(cspns, cspns + CSPNS_BYTES, 1), CSPNS_BYTES);

    // The hero, carrying one item of type 0.
    EXPECT_TRUE(p1cr[0].in_use);
    EXPECT_EQ(party_count(), 1);
    int carried = 0;
    for (int s = 0; s < ISTK_COUNT; s++)
        for (int32_t e : ISTK[s].item)
            if (e != -1) {
                EXPECT_EQ(s, STK_INVENTORY);
                EXPECT_EQ(ITEM[e].item_type, 0);
                carried++;
            }
    EXPECT_EQ(carried, 1);
    EXPECT_FALSE(ITEM[7].in_use);

    EXPECT_EQ(j[leader], 0);
    EXPECT_EQ(j[carry_cap], 2000);
    EXPECT_EQ(j[gold], 100);
    EXPECT_EQ(j[game_begun], 0);
    EXPECT_EQ(j[game_time], 30);
    EXPECT_EQ(j[hour], 11);
    EXPECT_EQ(f[wmap_x], 500.0f);
    EXPECT_EQ(f[wmap_y], 300.0f);
    // NPC goods get seeds of their own.
    int distinct = 0;
    for (int n = 1; n < NPC_COUNT; n++) {
        EXPECT_GE(npc[n].item_seed[5], 0);
        EXPECT_LT(npc[n].item_seed[5], 16000);
        if (npc[n].item_seed[5] != npc[0].item_seed[5]) distinct++;
    }
    EXPECT_GT(distinct, 300);
}

TEST_F(Saves, ANewPlayersFileIsTheStateAsCreated)
{
    ASSERT_EQ(create("Wren"), 1);
    std::string file = read_file("Wren.cha");
    ASSERT_EQ(file.size(), (size_t)SAVE_BYTES);
    EXPECT_EQ(peek(file, 4 * gold), 100);
    EXPECT_EQ(peek(file, 4 * game_begun), 0);
    EXPECT_EQ(peek(file, SAVE_BYTES - 4), 0);   // no chest records
    EXPECT_EQ(std::string(&file[8000]), std::string(p1cr[0].name));
    EXPECT_EQ(file.compare(0, 4000, (const char *)j, 4000), 0);
}

TEST_F(Saves, ASaveWrittenAfterFramesOfPlayRestoresTheState)
{
    play_some_frames();
    ASSERT_GT(f[cam_fx], 0.0f);
    std::string before = snapshot();
    ASSERT_EQ(write_save("mid.cha", 1), 0);
    EXPECT_EQ(read_file("mid.cha").size(), (size_t)SAVE_BYTES + 4 * sizeof(chest_rec));

    ASSERT_EQ(make_new_state(), 0);
    ASSERT_NE(snapshot(), before);
    ASSERT_EQ(read_save("mid.cha"), 1);
    EXPECT_EQ(std::memcmp(j, before.data(), 4000), 0);
    EXPECT_EQ(std::memcmp(f, before.data() + 4000, 4000), 0);
    EXPECT_TRUE(snapshot() == before);
    EXPECT_EQ(chest[3].item_types[0], 12);
    EXPECT_FALSE(chest[0].in_use);
}

TEST_F(Saves, RefusedSavesLeaveTheGameAsItWas)
{
    play_some_frames();
    ASSERT_EQ(write_save("good.cha", 1), 0);
    const std::string good = read_file("good.cha");
    ASSERT_EQ(make_new_state(), 0);
    j[gold] = 31337;
    chest[8].in_use = 1;
    const std::string state = snapshot();

    struct bad_file {
        const char *why;
        std::string bytes;
    };
    std::vector<bad_file> bad;
    bad.push_back({"empty", ""});
    bad.push_back({"cut in the NPCs", good.substr(0, 300000)});
    bad.push_back({"one chest byte short", good.substr(0, good.size() - 1)});
    bad.push_back({"one byte too long", good + "x"});
    std::string b = good;
    patch(b, SAVE_BYTES - 4, 501);
    bad.push_back({"501 chests", b + std::string(497 * sizeof(chest_rec), '\0')});
    b = good;
    patch(b, SAVE_BYTES - 4, -1);
    bad.push_back({"a count of -1", b});
    b = good;
    patch(b, SAVE_BYTES - 4, 6);
    bad.push_back({"six chests counted, four there", b});
    b = good;
    patch(b, 4 * leader, 8);
    bad.push_back({"a leader outside the party", b});
    b = good;
    patch(b, 4 * leader, 1);
    bad.push_back({"a leader nobody is", b});
    b = good;
    patch(b, 4 * level_no, 400);
    bad.push_back({"a level past the last", b});

    for (const bad_file &t : bad) {
        write_file("bad.cha", t.bytes);
        EXPECT_EQ(read_save("bad.cha"), 0) << t.why;
        EXPECT_TRUE(snapshot() == state) << t.why;
    }
    EXPECT_EQ(read_save("no such file.cha"), 0);
    EXPECT_TRUE(snapshot() == state);

    // Through the title: the list's name, a truncated file, nothing taken.
    write_file("pnames.txt", "cut~^");
    write_file("cut.cha", good.substr(0, 1000));
    LorS_pnames(1);
    EXPECT_EQ(load_game(0), 0);
    EXPECT_EQ(load_game(1), 0);
    EXPECT_TRUE(snapshot() == state);
}

TEST_F(Saves, LinksOutsideTheirTablesAreCutOnLoading)
{
    ASSERT_EQ(make_new_state(), 0);
    ISTK[2].item[4] = 600;
    ISTK[0].item[199] = -7;
    p1cr[0].eqp[3] = 9999;
    p1cr[0].belt[0] = 500;
    p1cr[0].crt = 100;
    p1cr[0].skills[2].known = 1;
    p1cr[0].skills[2].skill_id = 40;
    p1cr[0].skills[3].known = 1;
    p1cr[0].skills[3].skill_id = 17;
    ITEM[0].equipped_by = 8;
    ITEM[0].eqp_slot = 15;
    npc[4].p1cr_slot = 50;
    npc[4].lev = 4;
    npc[4].x = 100;
    std::memset(npc[5].name, 'x', NPC_NAME_LEN);
    j[istk_shown] = 10;
    j[talk_npc] = 400;
    j[cur_chest] = 12;
    j[shown_member] = 9;
    chest[0].in_use = 1;
    chest[0].chest_id = CHEST_STATE_BYTES;
    chest[1].in_use = 1;
    chest[1].chest_id = 5;
    chest[1].x = -1;
    chest[2].in_use = 1;
    chest[2].chest_id = 6;
    chest[2].x = 99;
    chest[2].y = 99;
    ASSERT_EQ(write_save("links.cha", 1), 0);

    ASSERT_EQ(read_save("links.cha"), 1);
    EXPECT_EQ(ISTK[2].item[4], -1);
    EXPECT_EQ(ISTK[0].item[199], -1);
    EXPECT_EQ(p1cr[0].eqp[3], -1);
    EXPECT_EQ(p1cr[0].belt[0], -1);
    EXPECT_EQ(p1cr[0].crt, -1);
    EXPECT_EQ(p1cr[0].skills[2].known, 0);
    EXPECT_EQ(p1cr[0].skills[3].skill_id, 17);
    EXPECT_EQ(ITEM[0].equipped_by, -1);
    EXPECT_EQ(ITEM[0].eqp_slot, -1);
    EXPECT_EQ(npc[4].p1cr_slot, -1);
    EXPECT_EQ(npc[4].lev, -1);
    EXPECT_EQ(std::strlen(npc[5].name), (size_t)NPC_NAME_LEN - 1);
    EXPECT_EQ(j[istk_shown], -1);
    EXPECT_EQ(j[talk_npc], -1);
    EXPECT_EQ(j[cur_chest], 12);
    EXPECT_EQ(j[shown_member], -1);
    EXPECT_FALSE(chest[0].in_use);
    EXPECT_FALSE(chest[1].in_use);
    EXPECT_TRUE(chest[2].in_use);
}

TEST_F(Saves, AFailedWriteKeepsTheOldFile)
{
    ASSERT_EQ(make_new_state(), 0);
    ASSERT_EQ(write_save("kept.cha", 0), 0);
    const std::string old = read_file("kept.cha");
    j[gold] = 1;
    // The temporary file cannot be made where a folder stands.
    ASSERT_EQ(mkdir("kept.cha.tmp", 0755), 0);
    EXPECT_EQ(write_save("kept.cha", 0), -1);
    EXPECT_EQ(read_file("kept.cha"), old);
    EXPECT_EQ(write_save("no/such/folder.cha", 0), -1);

    // A new player whose save cannot be written is not listed.
    ASSERT_EQ(create("first"), 1);
    ASSERT_EQ(mkdir("second.cha.tmp", 0755), 0);
    EXPECT_EQ(create("second"), 0);
    EXPECT_EQ(read_file("pnames.txt"), "first~^");
    EXPECT_FALSE(exists("second.cha"));
    title_frame();
    EXPECT_TRUE(note_shown());
}

}  // namespace
}  // namespace hm
