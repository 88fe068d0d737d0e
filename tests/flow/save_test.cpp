// save_test.cpp -- the state of a new game, save files written and read back, refused saves
#include <algorithm>
#include <set>
#include <vector>

#include "flow_fixture.h"

namespace hm {
namespace {

class Saves : public FlowTest {
protected:
    // Every table a save file holds, as the game has it now.
    static std::string snapshot()
    {
        std::string s;
        auto add = [&s](const void *p, size_t n) { s.append((const char *)p, n); };
        add(j, 4 * SLOT_COUNT);
        add(f, 4 * SLOT_COUNT);
        add(p1cr, sizeof(p1cr_rec) * P1CR_COUNT);
        add(ISTK, sizeof(istk_rec) * ISTK_COUNT);
        add(ITEM, sizeof(item_rec) * ITEM_COUNT);
        add(cspns, CSPNS_BYTES);
        add(chest_state, CHEST_STATE_BYTES);
        add(npc, sizeof(npc_rec) * NPC_COUNT);
        add(chest, sizeof(chest_rec) * CHEST_COUNT);
        return s;
    }

    // The opening level entered, a chest opened, frames run with the camera moving.
    static void play_some_frames()
    {
        ASSERT_EQ(make_new_state(), 0);
        make_level(1, 4, 26, 78);
        j[game_begun] = 150;
        chest[3] = chest_rec{};
        chest[3].in_use = 1;
        chest[3].chest_id = 4 * CHESTS_PER_LEVEL + 2;
        chest[3].x = 30;
        chest[3].y = 70;
        hl_set_key(K_RIGHT, true);
        int exit_code = EXIT_NONE;
        for (int i = 0; i < 8; i++) play_frame(exit_code);
        hl_set_key(K_RIGHT, false);
    }

    static void patch(std::string &file, size_t at, int32_t v) { std::memcpy(&file[at], &v, 4); }
};

TEST_F(Saves, ANewGameStartsFromNothingAndIsSavedAsCreated)
{
    // NPC 0 has no file: only what the new game reads fills the NPC table.
    ITEM[7].in_use = p1cr[3].in_use = chest[9].in_use = npc[0].in_use = 1;
    j[battle_stage] = 5;
    std::memset(chest_state, CHEST_DELETED, CHEST_STATE_BYTES);
    ASSERT_EQ(create("Wren"), 1);
    EXPECT_FALSE(ITEM[7].in_use || p1cr[3].in_use || chest[9].in_use || npc[0].in_use || j[battle_stage]);
    // Every chest id of every level unopened, every spawner armed.
    EXPECT_EQ(std::count(chest_state, chest_state + CHEST_STATE_BYTES, CHEST_UNOPENED), CHEST_STATE_BYTES);
    EXPECT_EQ(std::count(cspns, cspns + CSPNS_BYTES, 1), CSPNS_BYTES);
    // The hero alone, carrying one item of type 0.
    EXPECT_EQ(party_count(), 1);
    EXPECT_TRUE(p1cr[0].in_use);
    int carried = 0;
    for (int s = 0; s < ISTK_COUNT; s++)
        for (int32_t e : ISTK[s].item)
            if (e != -1) carried += s == STK_INVENTORY && ITEM[e].item_type == 0 ? 1 : 100;
    EXPECT_EQ(carried, 1);
    EXPECT_EQ(j[gold], 100);
    EXPECT_EQ(j[carry_cap], 2000);
    EXPECT_EQ(j[game_time], 30);
    EXPECT_EQ(j[hour], 11);
    EXPECT_EQ(f[wmap_x], 500.0f);
    EXPECT_EQ(f[wmap_y], 300.0f);
    std::set<int> seeds;
    for (int n = 0; n < NPC_COUNT; n++) seeds.insert(npc[n].item_seed[5]);
    EXPECT_GT(seeds.size(), 300u);
    EXPECT_GE(*seeds.begin(), 0);
    EXPECT_LT(*seeds.rbegin(), 16000);

    std::string file = read_file("Wren.cha");
    ASSERT_EQ(file.size(), (size_t)SAVE_BYTES);
    EXPECT_EQ(file.compare(0, 4000, (const char *)j, 4000), 0);
    EXPECT_EQ(std::string(&file[8000]), std::string(p1cr[0].name));
}

TEST_F(Saves, ASaveWrittenAfterFramesOfPlayRestoresTheState)
{
    play_some_frames();
    ASSERT_GT(f[cam_vx], 0.0f);
    const std::string before = snapshot();
    ASSERT_EQ(write_save("mid.cha", 1), 0);
    // The layout with the chest table up to its last live record (the village's
    // chests), then the block with the place.
    size_t records = 0;
    for (int i = 0; i < CHEST_COUNT; i++)
        if (chest[i].in_use) records = (size_t)i + 1;
    EXPECT_GE(records, 2u);
    const std::string file = read_file("mid.cha");
    const size_t described = (size_t)SAVE_BYTES + records * sizeof(chest_rec);
    ASSERT_GT(file.size(), described);
    EXPECT_EQ(file.compare(described, 4, "HMXB"), 0);
    ASSERT_EQ(make_new_state(), 0);
    ASSERT_EQ(read_save("mid.cha"), 1);
    EXPECT_EQ(std::memcmp(j, before.data(), 4000), 0);
    EXPECT_EQ(std::memcmp(f, before.data() + 4000, 4000), 0);
    EXPECT_TRUE(snapshot() == before);
}

TEST_F(Saves, RefusedSavesLeaveTheGameAsItWas)
{
    play_some_frames();
    ASSERT_EQ(write_save("good.cha", 1), 0);
    const std::string good = read_file("good.cha");
    ASSERT_EQ(make_new_state(), 0);
    const std::string state = snapshot();

    // The village's chest records as the good file holds them.
    int32_t chests = 0;
    std::memcpy(&chests, good.data() + SAVE_BYTES - 4, 4);
    ASSERT_GE(chests, 2);
    const size_t rec = sizeof(chest_rec);
    std::vector<std::pair<const char *, std::string>> bad = {
        {"empty", ""},
        {"cut in the NPCs", good.substr(0, 300000)},
        {"one chest byte short", good.substr(0, SAVE_BYTES + chests * rec - 1)},
    };
    auto with = [&](size_t at, int32_t v, size_t extra) {
        std::string b = good + std::string(extra, '\0');
        patch(b, at, v);
        return b;
    };
    bad.push_back({"501 chests", with(SAVE_BYTES - 4, 501, (501 - chests) * rec)});
    bad.push_back({"-1 chests", with(SAVE_BYTES - 4, -1, 0)});
    // More records counted than the whole rest of the file could hold.
    bad.push_back({"more chests counted than there", with(SAVE_BYTES - 4, (int32_t)((good.size() - SAVE_BYTES) / rec) + 1, 0)});
    bad.push_back({"a leader outside the party", with(4 * leader, 8, 0)});
    bad.push_back({"a leader nobody is", with(4 * leader, 1, 0)});
    bad.push_back({"a level past the last", with(4 * level_no, 400, 0)});
    for (const auto &b : bad) {
        write_file("bad.cha", b.second);
        EXPECT_EQ(read_save("bad.cha"), 0) << b.first;
        EXPECT_TRUE(snapshot() == state) << b.first;
    }
    set_list("cut~^");
    write_file("cut.cha", good.substr(0, 1000));
    EXPECT_EQ(load_game(0), 0);
    EXPECT_TRUE(snapshot() == state);
}

TEST_F(Saves, LinksOutsideTheirTablesAreCutOnLoading)
{
    ASSERT_EQ(make_new_state(), 0);
    ISTK[2].item[4] = 600;
    p1cr[0].eqp[3] = 9999;
    p1cr[0].skills[2] = {1, {}, 40, 0, 0, 1, 0, 0, 0};
    ITEM[0].equipped_by = 8;
    npc[4].lev = 4;
    npc[4].x = 100;
    std::memset(npc[5].name, 'x', NPC_NAME_LEN);
    j[talk_npc] = 400;
    j[cur_chest] = 12;
    chest[0].in_use = chest[1].in_use = 1;
    chest[0].chest_id = CHEST_STATE_BYTES;
    chest[1].chest_id = 6;
    ASSERT_EQ(write_save("links.cha", 1), 0);
    ASSERT_EQ(read_save("links.cha"), 1);
    EXPECT_EQ(ISTK[2].item[4], -1);
    EXPECT_EQ(p1cr[0].eqp[3], -1);
    EXPECT_EQ(p1cr[0].skills[2].known, 0);
    EXPECT_EQ(ITEM[0].equipped_by, -1);
    EXPECT_EQ(npc[4].lev, -1);
    EXPECT_EQ(std::strlen(npc[5].name), (size_t)NPC_NAME_LEN - 1);
    EXPECT_EQ(j[talk_npc], -1);
    EXPECT_EQ(j[cur_chest], 12);
    EXPECT_FALSE(chest[0].in_use);
    EXPECT_TRUE(chest[1].in_use);
}

TEST_F(Saves, AFailedWriteKeepsTheOldFileAndListsNoNewPlayer)
{
    ASSERT_EQ(create("first"), 1);
    const std::string old = read_file("first.cha");
    j[gold] = 1;
    ASSERT_EQ(mkdir("first.cha.tmp", 0755), 0);   // where the temporary file would go
    EXPECT_EQ(write_save("first.cha", 0), -1);
    EXPECT_EQ(read_file("first.cha"), old);
    ASSERT_EQ(mkdir("second.cha.tmp", 0755), 0);
    EXPECT_EQ(create("second"), 0);
    EXPECT_EQ(read_file("pnames.txt"), "first~^");
    EXPECT_FALSE(exists("second.cha"));
    title_frame();
    EXPECT_TRUE(note_shown());
}

}  // namespace
}  // namespace hm
