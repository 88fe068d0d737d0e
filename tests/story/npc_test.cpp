// npc_test.cpp -- NPC files and speech sections, the level's NPCs, battles and joining the party
#include <climits>
#include <sstream>

#include "story_fixture.h"

namespace hm {

namespace {

class NpcFiles : public StoryTest {
protected:
    void SetUp() override
    {
        StoryTest::SetUp();
        enter_scratch();
    }

    // An NPC file: name field as given, the 30 numbers, then a speech section
    // of `count` entries (the count written may differ from the entries given).
    static std::string file(const std::string &name25, int count, const std::vector<std::string> &entries,
                            int lev = 4, int x = 10, int y = 12)
    {
        std::ostringstream o;
        o << name25 << "\n3 -1 7 999 5\n8 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1\n";
        o << "25 12 " << lev << " " << x << " " << y << "\n";
        o << "41 0 41 1 41 2 41 3 41 4\n41 5\n" << count << "\n";
        for (const auto &e : entries) o << e << "\n";
        return o.str();
    }
    static std::string plain(int k, const char *lists = "-1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1")
    {
        std::ostringstream o;
        o << k << " 0 1 0 41 6 41 7 0 0 " << lists << " 0 0 0";
        return o.str();
    }
};

TEST_F(NpcFiles, NamesAreCutAtTwentyFourAndTheRecordIsSetUp)
{
    write_file("npc5.txt", file("Abcdefghijklmnopqrstuvwx~", 0, {}));
    npc[5].item_seed[0] = 777;
    npc[5].crt = 3;
    ASSERT_EQ(load_npc(5), 0);
    EXPECT_STREQ(npc[5].name, "Abcdefghijklmnopqrstuvwx");
    EXPECT_EQ(npc[5].exp, (3 * 3 + 3) * 5 + 50) << "the file's experience is replaced";
    EXPECT_EQ(npc[5].reserved, 5);
    EXPECT_EQ(npc[5].item_type[0], 8);
    EXPECT_EQ(npc[5].attitude, 25);
    EXPECT_EQ(npc[5].mana, -1);
    EXPECT_EQ(npc[5].p1cr_slot, -1);
    EXPECT_EQ(npc[5].p1cr_kind, 0xFF);
    EXPECT_EQ(npc[5].item_seed[0], 777) << "seeds are drawn by the new game, not read";
    EXPECT_EQ(npc[5].crt, 3);

    write_file("npc6.txt", file("Abcdefghijklmnopqrstuvwxy", 0, {}));
    ASSERT_EQ(load_npc(6), 0);
    EXPECT_STREQ(npc[6].name, "Abcdefghijklmnopqrstuvwx") << "a 25th letter is dropped";
}

TEST_F(NpcFiles, ExtremeLevelsGiveTheirExperienceWithoutOverflow)
{
    // Found by the NPC fuzzer: the experience of a level near the top of an int.
    for (const char *level : {"2147483647", "-2147483648", "1000001"}) {
        std::string text = file("Wat~~~~~~~~~~~~~~~~~~~~~~", 0, {});
        text.replace(text.find("\n3 ") + 1, 1, level);
        write_file("npc7.txt", text);
        ASSERT_EQ(load_npc(7), 0) << level;
        EXPECT_EQ(npc[7].exp, INT_MAX) << level;
    }
}

TEST_F(NpcFiles, AShortOrMissingFileChangesNothing)
{
    npc[9].in_use = 0;
    EXPECT_EQ(load_npc(9), -1);
    write_file("npc9.txt", "Someone~~~~~~~~~~~~~~~~~~\n3 -1 7");
    EXPECT_EQ(load_npc(9), -1);
    EXPECT_EQ(npc[9].in_use, 0);
    EXPECT_EQ(load_npc(-1), -1);
    EXPECT_EQ(load_npc(NPC_COUNT), -1);
}

TEST_F(NpcFiles, SpeechSectionsAreBoundedAndNeverShowAnotherNpcsLines)
{
    // 101 entries announced and given: the table takes 100.
    std::vector<std::string> many;
    for (int k = 0; k < 101; k++) many.push_back(plain(k));
    write_file("npc7.txt", file("Talker~~~~~~~~~~~~~~~~~~~", 101, many));
    ASSERT_EQ(load_npc_spch(7), 0);
    EXPECT_EQ(npc_spch.count, SPCH_ENTRIES);
    EXPECT_EQ(npc_spch.greet_group[4], 41);
    EXPECT_EQ(npc_spch.greet_num[4], 4);
    EXPECT_EQ(npc_spch.price_num, 5);

    // Entry numbers outside the table are no entries at all.
    write_file("npc8.txt", file("Closer~~~~~~~~~~~~~~~~~~~", 2,
                                {plain(0, "150 -1 -1 -1 -5 -1 -1 -1 150 100 -1 -1"),
                                 "1 0 1 3 0 0 41 9 0 0 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 0 0 0"}));
    ASSERT_EQ(load_npc_spch(8), 0);
    const spch_entry &e = npc_spch.entry[0];
    EXPECT_EQ(e.need_all[0], -1);
    EXPECT_EQ(e.need_any[0], -1);
    EXPECT_EQ(e.closes[0], -1);
    EXPECT_EQ(e.closes[1], -1);
    EXPECT_EQ(npc_spch_type(3), 1);

    // An NPC without a hostile line falls back to its own (empty) entry 0.
    write_file("npc9.txt", file("Quiet~~~~~~~~~~~~~~~~~~~~", 0, {}));
    ASSERT_EQ(load_npc_spch(9), 0);
    EXPECT_EQ(npc_spch_type(3), 0);
    EXPECT_EQ(npc_spch.entry[0].reply_group, 0) << "nothing of the last section is left";
    new_message(1, 12, npc_spch.entry[0].reply_num, npc_spch.entry[0].reply_group, 77, 0, 0, 0, 0, "Quiet");
    EXPECT_EQ(messages_clear(), 1) << "so no message is queued";

    // A section that ends early keeps the entries it has.
    write_file("npc10.txt", file("Short~~~~~~~~~~~~~~~~~~~~", 5, {plain(0), plain(1), "2 0 1"}));
    ASSERT_EQ(load_npc_spch(10), 0);
    EXPECT_EQ(npc_spch.count, 2);
}

TEST_F(NpcFiles, OnlyNpcsOnTheMapAndAliveArePlaced)
{
    write_file("crtinf.txt", "");
    write_file("npc7.txt", file("On the level~~~~~~~~~~~~~", 0, {}, 4, 10, 12));
    write_file("npc8.txt", file("Off the map~~~~~~~~~~~~~~", 0, {}, 4, 120, 12));
    write_file("npc9.txt", file("Elsewhere~~~~~~~~~~~~~~~~", 0, {}, 5, 10, 14));
    write_file("npc10.txt", file("Fallen~~~~~~~~~~~~~~~~~~~", 0, {}, 4, 10, 16));
    for (int n = 7; n <= 10; n++) ASSERT_EQ(load_npc(n), 0);
    npc[10].dead = 1;
    clear_creatures();
    init_lev_npcs(4);
    EXPECT_GE(npc_crt(7), 0);
    EXPECT_EQ(CRT[npc_crt(7)].side, 4);
    EXPECT_EQ(CRT[npc_crt(7)].x, 10);
    EXPECT_EQ(npc_crt(8), -1) << "a cell off the map places nobody";
    EXPECT_EQ(npc_crt(9), -1);
    EXPECT_EQ(npc_crt(10), -1);
}

// NPCs of the village's files, on an open field.
class NpcBattle : public StoryTest {
protected:
    void SetUp() override
    {
        StoryTest::SetUp();
        leader_at(50, 50);
        j[battle_spawner] = -1;   // a battle begun by a conversation
        j[battle_x] = 50;
        j[battle_y] = 50;
    }
    static int queued()
    {
        int n = 0;
        for (int k = 0; k < MES_COUNT; k++) n += mes[k].in_use;
        return n;
    }
};

TEST_F(NpcBattle, NpcsWithinReachTakeASideByAttitude)
{
    int near = npc_at(7, 59, 51, 40);    // one corner and eight straight steps: 19
    int far = npc_at(8, 60, 50, 40);     // ten straight steps: 20
    int foe = npc_at(9, 50, 55, -50);
    int calm1 = npc_at(10, 45, 50, -49);
    int calm2 = npc_at(11, 50, 45, 29);
    npc_join_in_battle();
    EXPECT_EQ(CRT[near].side, 3);
    EXPECT_EQ(CRT[far].side, 4);
    EXPECT_EQ(CRT[foe].side, 2);
    EXPECT_EQ(CRT[calm1].side, 4);
    EXPECT_EQ(CRT[calm2].side, 4);
    EXPECT_EQ(queued(), 4) << "everyone who stood near said a line; the far one said nothing";
    // The foe spoke its hostile line, the calm ones their bystander lines.
    load_npc_spch(9);
    EXPECT_EQ(mes[1].num, npc_spch.entry[npc_spch_type(3)].reply_num);
    EXPECT_EQ(mes[1].group, 49);
    load_npc_spch(10);
    EXPECT_EQ(mes[2].num, npc_spch.entry[npc_spch_type(5)].reply_num);
}

TEST_F(NpcBattle, SidesTakenBringBattleCharactersThatGoAfterwards)
{
    int ally = npc_at(7, 52, 50, 40);
    npc[7].item_type[0] = 1;     // a sword it wears
    npc[7].item_type[1] = 8;     // a draught it cannot wear
    npc_join_in_battle();
    create_tmp_npc_p1crs();
    int s = npc[7].p1cr_slot;
    ASSERT_GE(s, PARTY_SIZE) << "battle characters live outside the party's records";
    EXPECT_EQ(npc[7].p1cr_kind, 2);
    EXPECT_EQ(p1cr[s].in_use, 1);
    EXPECT_EQ(CRT[ally].party_index, s);
    EXPECT_EQ(p1cr[s].crt, ally);
    EXPECT_GE(p1cr[s].eqp[0], 0) << "the sword is worn";
    EXPECT_EQ(ITEM[p1cr[s].eqp[0]].origin, ORIGIN_TEMP);
    EXPECT_EQ(p1cr[1].in_use, 0) << "the party's records are left as they were";
    for (int k = 0; k < ITEM_COUNT; k++) {
        if (ITEM[k].in_use && ITEM[k].item_type == 8) ADD_FAILURE() << "the unworn draught is let go";
    }

    delete_tmp_npc_p1cr(7);
    EXPECT_EQ(p1cr[s].in_use, 0);
    EXPECT_EQ(npc[7].p1cr_slot, -1);
    EXPECT_EQ(npc[7].p1cr_kind, 0);
    delete_tmp_npc_p1cr(7);
    delete_tmp_npc_p1cr(-1);
}

TEST_F(NpcBattle, AFullPartyGivesNoBattleCharacter)
{
    for (int m = 1; m < PARTY_SIZE; m++) member(m);
    npc_at(7, 52, 50, 40);
    npc_join_in_battle();
    create_tmp_npc_p1crs();
    EXPECT_EQ(npc[7].p1cr_slot, -1) << "the NPC fights without one";
    for (int m = PARTY_SIZE; m < P1CR_COUNT; m++) EXPECT_EQ(p1cr[m].in_use, 0);
}

TEST_F(NpcBattle, AnUnhurtNpcJoinsWithAMembersFullHitPoints)
{
    int c = npc_at(7, 52, 50, 10);
    const int as_npc = CRT[c].max_hp;
    ASSERT_EQ(CRT[c].hp, as_npc);
    int m = npc_to_p1cr(7);
    ASSERT_EQ(m, 1);
    int tmp = 0;
    int s = member_stand_in(m, &tmp);
    ASSERT_GE(s, 0);
    EXPECT_EQ(CRT[s].hp, CRT[s].max_hp) << "whole, with its attributes' hit points on top";
    EXPECT_EQ(CRT[s].mana, CRT[s].max_mana);
    if (tmp) free_tmp_crt(s);
}

TEST_F(NpcBattle, JoiningThePartyWearsWhatFitsAndKeepsTheRest)
{
    int c = npc_at(7, 52, 50, 10);
    npc[7].item_type[0] = 1;
    npc[7].item_type[1] = 8;
    ASSERT_GT(CRT[c].max_hp, 1);
    CRT[c].hp = npc[7].hp = 1;   // a wounded NPC joins as wounded as it was
    int m = npc_to_p1cr(7);
    ASSERT_EQ(m, 1);
    EXPECT_EQ(CRT[c].in_use, 0);
    EXPECT_EQ(npc[7].lev, -1);
    EXPECT_EQ(npc[7].p1cr_slot, 1);
    EXPECT_EQ(p1cr[1].hp, 1);
    EXPECT_EQ(p1cr[1].face_pic, npc[7].face_pic);
    EXPECT_GE(p1cr[1].eqp[0], 0);
    EXPECT_EQ(npc[7].item_type[0], -1) << "a worn gift leaves the NPC";
    EXPECT_EQ(npc[7].item_type[1], 8) << "one not worn stays with it";
    for (int e : ISTK[STK_INVENTORY].item) {
        if (e < 0) continue;
        EXPECT_TRUE(ITEM[e].in_use) << "no released record is left listed";
    }

    for (int k = 2; k < PARTY_SIZE; k++) member(k);
    npc_at(8, 53, 50, 10);
    EXPECT_EQ(npc_to_p1cr(8), -1) << "a full party leaves the NPC where it is";
    EXPECT_EQ(npc[8].lev, j[level_no]);
    EXPECT_GE(npc_crt(8), 0);
}

}  // namespace

}  // namespace hm
