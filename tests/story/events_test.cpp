// events_test.cpp -- the story's triggers and effects: timing, positions, the party's share, conditions
#include <gtest/gtest.h>

#include "story_fixture.h"

namespace hm {

class Events : public StoryTest {
protected:
    void SetUp() override
    {
        StoryTest::SetUp();
        init_events();
        j[level_no] = 4;
        j[game_time] = 100;
        j[hour] = 12;
        j[battle_stage] = j[battle_on] = j[close_party] = j[party_hold] = 0;
    }

    // One frame of the story.
    static void frame() { events_main(); }
};

TEST_F(Events, ASceneWaitsTwoGameMinutesAfterTheEventBeforeIt)
{
    leader_at(80, 38);
    npc_at(4, 87, 38);
    event[8].fired = 100;
    for (int t : {100, 101, 102}) {
        j[game_time] = t;
        frame();
        EXPECT_FALSE(event_fired(9)) << "at minute " << t;
    }
    j[game_time] = 103;
    frame();
    EXPECT_TRUE(event_fired(9));
    EXPECT_EQ(j[close_party], 1);
    EXPECT_EQ(messages_clear(), 0);
}

TEST_F(Events, TheGatheringSceneWaitsForTheBattleToEnd)
{
    leader_at(80, 38);
    npc_at(4, 87, 38);
    event[8].fired = 50;
    j[battle_stage] = 5;
    frame();
    EXPECT_FALSE(event_fired(9));
    // Nor does the road's end gather the party in a battle.
    event[10].fired = 60;
    frame();
    EXPECT_FALSE(event_fired(11));
    j[battle_stage] = 0;
    frame();
    EXPECT_TRUE(event_fired(9));
    EXPECT_TRUE(event_fired(11));
}

TEST_F(Events, BramIsHomeOnlyOnTheDoorsCellItself)
{
    j[level_no] = 6;
    int c = npc_at(6, 36, 82);
    EXPECT_EQ(npc_dist_from_pnt(6, 36, 81, 0), 0);
    event[20].fired = event[21].fired = 90;
    frame();
    EXPECT_FALSE(event_fired(22));
    CRT[c].y = 81;
    EXPECT_EQ(npc_dist_from_pnt(6, 36, 81, 0), 1);
    frame();
    EXPECT_TRUE(event_fired(22));
    EXPECT_EQ(npc[6].lev, 4);
    EXPECT_EQ(npc[6].x, 85);
    EXPECT_EQ(npc[6].y, 52);
    EXPECT_EQ(CRT[c].in_use, 0);
}

TEST_F(Events, ThePartysShareIsCutEvenlyAndTheMessageShowsTheWhole)
{
    leader_at(20, 20);
    member(1);
    member(2);
    int before[3];
    for (int m = 0; m < 3; m++) before[m] = p1cr[m].exp;
    recieve_party_exp(40);
    for (int m = 0; m < 3; m++) EXPECT_EQ(p1cr[m].exp - before[m], 13) << "member " << m;
    EXPECT_EQ(mes[0].in_use, 1);
    EXPECT_EQ(mes[0].group, 16);
    EXPECT_EQ(mes[0].num1, 40);
    EXPECT_EQ(mes[0].face, 7);
    EXPECT_STREQ(mes[0].name, "Exp");
}

TEST_F(Events, APartyOfNobodySharesNothingButStillHearsOfIt)
{
    for (int m = 0; m < PARTY_SIZE; m++) p1cr[m].in_use = 0;
    recieve_party_exp(100);
    EXPECT_EQ(mes[0].in_use, 1);
    EXPECT_EQ(mes[0].num1, 100);
}

TEST_F(Events, IsoldeSetsOutAndJoinsOnlyOnceTheTalkIsOver)
{
    leader_at(30, 40);
    npc_at(2, 38, 58, 20);
    event[1].fired = 80;
    j[talk_state] = 3;
    frame();
    EXPECT_FALSE(event_fired(3));
    j[talk_state] = 0;
    frame();
    EXPECT_TRUE(event_fired(3));
    EXPECT_EQ(npc_walk[0].in_use, 1);
    EXPECT_EQ(npc_walk[0].walk_npc, 2);

    npc[2].answer_state[22] = 1;
    j[talk_state] = 4;
    frame();
    EXPECT_FALSE(event_fired(7));
    j[talk_state] = 0;
    frame();
    EXPECT_TRUE(event_fired(7));
}

TEST_F(Events, OnlyTheFourStoryConditionsAreEverSet)
{
    for (int k = 0; k < STORY_EVENTS; k++) event[k].fired = k == 19 || k == 20 || k == 23 ? 0 : 10;
    do_cons();
    EXPECT_EQ(check_con(3), 1);
    EXPECT_EQ(check_con(4), 0);
    for (int k : {19, 20, 23}) event[k].fired = 10;
    do_cons();
    for (int c = 1; c <= 4; c++) EXPECT_EQ(check_con(c), c == 3 ? 0 : 1) << "condition " << c;
    for (int c = 0; c < CON_COUNT; c++) {
        if (c >= 1 && c <= 4) continue;
        ASSERT_EQ(check_con(c), 0) << "condition " << c;
    }
    EXPECT_EQ(check_con(-1), 0);
    EXPECT_EQ(check_con(CON_COUNT), 0);
    // Away from the village the conditions stay as they were last.
    event[20].fired = 0;
    j[level_no] = 6;
    do_cons();
    EXPECT_EQ(check_con(1), 1);
}

TEST_F(Events, TheClearedYardIsMadeAgainWithTheLevel)
{
    chest_state[200] = chest_state[202] = CHEST_DELETED;
    do_event(0);
    EXPECT_EQ(event[0].start_level, 4);
    EXPECT_EQ(chest_state[200], 0);
    EXPECT_EQ(ls[37 + MAP_W * 62], 150);
    EXPECT_EQ(grsc[37 + MAP_W * 62], BLOCKED);
    // The level comes back from its file: the story's changes are made again.
    ls[37 + MAP_W * 62] = 0;
    grsc[37 + MAP_W * 62] = 0;
    ls[37 + MAP_W * 56] = 63;
    do_lev_str_events();
    EXPECT_EQ(ls[37 + MAP_W * 62], 150);
    EXPECT_EQ(ls[37 + MAP_W * 56], 0);
    j[level_no] = 5;
    ls[37 + MAP_W * 62] = 0;
    do_lev_str_events();
    EXPECT_EQ(ls[37 + MAP_W * 62], 0);
}

TEST_F(Events, SpawnersAreKnownByTheirIdsAcrossLevels)
{
    j[level_no] = 6;
    crt_spawner[3].id = 150;
    crt_spawner[3].active = 1;
    EXPECT_EQ(battle_started(150), 0);
    j[battle_spawner] = 3;
    EXPECT_EQ(battle_started(150), 1);
    EXPECT_EQ(battle_started(127), 0);
    cspns[150] = 0;
    j[battle_stage] = 5;
    EXPECT_EQ(battle_over(150), 0);
    j[battle_stage] = 0;
    EXPECT_EQ(battle_over(150), 1);
    EXPECT_EQ(battle_over(-3), 0);
    EXPECT_EQ(battle_over(CSPNS_BYTES), 0);
}

TEST_F(Events, TheSceneEndsWithTheLeaderAloneAndTheBystandersStaying)
{
    int lc = leader_at(40, 40);
    member(1);
    int bystander = npc_at(4, 44, 40);
    place_party();
    int mc = member_crt(1);
    ASSERT_GE(mc, 0);
    EXPECT_EQ(j[battle_on], 1);
    party_face_npc(4);
    j[close_party] = 1;
    new_message(1, 5, 0, 14, 16, 0, 0, 0, 0, "Narrator");
    do_close_party();
    EXPECT_EQ(CRT[mc].in_use, 1) << "the party waits for the message";
    mes[0].in_use = 0;
    do_close_party();
    EXPECT_EQ(CRT[mc].in_use, 0);
    EXPECT_EQ(CRT[lc].in_use, 1);
    EXPECT_EQ(CRT[bystander].in_use, 1);
    EXPECT_EQ(j[battle_on], 0);
    EXPECT_EQ(j[close_party], 0);
}

TEST_F(Events, TheRoadsEndTurnsTheLeaderBack)
{
    int lc = leader_at(93, 38);
    npc_at(4, 87, 38);
    CRT[lc].path_step = 2;
    event[10].fired = 90;
    frame();
    EXPECT_EQ(CRT[lc].x, 92);
    EXPECT_EQ(CRT[lc].path_step, -1);
    EXPECT_EQ(mes[0].num, 7);
    EXPECT_EQ(mes[0].group, 17);
}

}  // namespace hm
