// people_test.cpp -- the village's people as a new game loads them: where they stand, what they say
#include <set>

#include "flow/flow.h"
#include "story_fixture.h"

namespace hm {

namespace {

class People : public StoryTest {
protected:
    void SetUp() override
    {
        StoryTest::SetUp();
        ASSERT_EQ(make_new_state(), 0);
    }

    static std::vector<int> living_on(int lev)
    {
        std::vector<int> v;
        for (int n = 0; n < NPC_COUNT; n++)
            if (npc[n].in_use && npc[n].lev == lev) v.push_back(n);
        return v;
    }
};

TEST_F(People, StoryPeopleKeepTheirNamesAndTheVillageHasMore)
{
    const char *story[] = {"", "Warden Hale", "Isolde", "Brother Oswin", "Garrick", "Nessa", "Bram"};
    for (int n = 1; n <= 6; n++) {
        EXPECT_STREQ(npc[n].name, story[n]);
        EXPECT_EQ(npc[n].crt_type, n) << "its body is its character's";
        EXPECT_EQ(npc[n].p1cr_kind, 0xFF);
        EXPECT_EQ(npc[n].exp, (npc[n].level * npc[n].level + npc[n].level) * 5 + 50);
    }
    EXPECT_EQ(npc[4].lev, -1) << "Garrick arrives later by the east road";
    EXPECT_EQ(npc[5].lev, -1) << "Nessa arrives later by the west road";
    EXPECT_EQ(npc[6].lev, 6) << "Bram is found on the coast";
    EXPECT_GE(npc[2].x, 34);
    EXPECT_LE(npc[2].x, 42);
    EXPECT_GE(npc[2].y, 56);
    EXPECT_LE(npc[2].y, 62);
    EXPECT_GE(living_on(4).size(), 9u) << "three of the story's people and at least six villagers";
    EXPECT_FALSE(npc[0].in_use) << "there is no npc0.txt";
}

TEST_F(People, EveryoneOnTheVillageStandsWhereTheLeaderCanWalkUpToTalk)
{
    j[leader] = 0;
    make_level(1, 4, 26, 78);
    int l = leader_crt();
    ASSERT_GE(l, 0);
    std::memcpy(grs, grsc, MAP_CELLS);
    set_pbuf(26, 78);
    // The fill reaches 49 path-cost units; beyond that a cell is reached in stages,
    // so walk the reachable area outwards from the entry.
    std::vector<uint8_t> reach(MAP_CELLS, 0);
    std::vector<int> todo = {26 + MAP_W * 78};
    reach[todo[0]] = 1;
    while (!todo.empty()) {
        int c = todo.back();
        todo.pop_back();
        int x = c % MAP_W, y = c / MAP_W;
        const int d[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
        for (auto &o : d) {
            int nx = x + o[0], ny = y + o[1];
            if (!cell_ok(nx, ny)) continue;
            int nc = nx + MAP_W * ny;
            if (reach[nc] || grsc[nc] == BLOCKED) continue;
            reach[nc] = 1;
            todo.push_back(nc);
        }
    }
    for (int n : living_on(4)) {
        int c = npc_crt(n);
        ASSERT_GE(c, 0) << npc[n].name << " has no creature";
        EXPECT_EQ(CRT[c].side, 4);
        EXPECT_EQ(CRT[c].npc_index, n);
        int cell = npc[n].x + MAP_W * npc[n].y;
        EXPECT_NE(grsc[cell], BLOCKED) << npc[n].name << " stands in a wall";
        bool beside = false;
        for (int d : {1, -1, MAP_W, -MAP_W}) beside = beside || reach[cell + d];
        EXPECT_TRUE(beside) << npc[n].name << " cannot be walked up to";
    }
}

TEST_F(People, EverySpeechSectionIsCompleteAndItsTextsExist)
{
    for (int n = 1; n < NPC_COUNT; n++) {
        if (!npc[n].in_use) continue;
        SCOPED_TRACE(npc[n].name);
        j[talk_npc] = n;
        ASSERT_EQ(load_npc_spch(n), 0);
        for (int m = 0; m < MOODS; m++) EXPECT_TRUE(text_ok(npc_spch.greet_num[m], npc_spch.greet_group[m]));
        std::set<int> types;
        bool trade = false;
        for (int k = 0; k < npc_spch.count; k++) {
            const spch_entry &e = npc_spch.entry[k];
            types.insert(e.type);
            EXPECT_TRUE(text_ok(e.reply_num, e.reply_group)) << "entry " << k;
            if (e.type <= 1 || e.type > 6) {
                EXPECT_TRUE(text_ok(e.ans_num, e.ans_group)) << "entry " << k;
            }
            for (int v : e.need_all) EXPECT_LT(v, npc_spch.count);
            for (int v : e.need_any) EXPECT_LT(v, npc_spch.count);
            trade = trade || e.type == 1;
        }
        for (int t : {2, 3, 4, 5}) EXPECT_TRUE(types.count(t)) << "no entry of type " << t;
        if (trade) {
            EXPECT_TRUE(text_ok(npc_spch.price_num, npc_spch.price_group));
        }
    }
}

TEST_F(People, TheSmithAndTheApothecarySellFromTheCatalogue)
{
    int smith = -1, apothecary = -1;
    for (int n = 7; n < NPC_COUNT; n++) {
        if (std::string(npc[n].name).find("Smith") != std::string::npos) smith = n;
        if (std::string(npc[n].name).find("Wenna") != std::string::npos) apothecary = n;
    }
    ASSERT_GE(smith, 0);
    ASSERT_GE(apothecary, 0);
    auto goods_of_class = [](int n, int cls) {
        j[talk_npc] = n;
        load_npc_items();
        int count = 0, total = 0;
        for (int e : ISTK[STK_SHOP].item) {
            if (e < 0) continue;
            total++;
            if (ITEM[e].item_class == cls) count++;
            EXPECT_GT(calc_price(e), 0) << ITEM[e].name;
        }
        delete_npc_items();
        return std::make_pair(count, total);
    };
    auto s = goods_of_class(smith, ITEM_EQUIPMENT);
    EXPECT_GE(s.first, 8);
    EXPECT_EQ(s.first, s.second) << "the smith sells weapons and armour only";
    auto a = goods_of_class(apothecary, ITEM_USABLE);
    EXPECT_GE(a.first, 8);
    EXPECT_EQ(a.first, a.second) << "the apothecary sells potions and sundries only";
}

}  // namespace

}  // namespace hm
