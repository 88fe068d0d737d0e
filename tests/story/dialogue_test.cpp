// dialogue_test.cpp -- which answers are offered, the talk's states, the shop and the walk up
#include "story_fixture.h"

namespace hm {

namespace {

class Dialogue : public StoryTest {
protected:
    int leader_c = -1, talker_c = -1;
    static constexpr int N = 7;

    void SetUp() override
    {
        StoryTest::SetUp();
        leader_c = leader_at(20, 20);
        talker_c = npc_at(N, 21, 20, 10);
        set_grs();
        std::memset(&npc_spch, 0, sizeof npc_spch);
        j[talk_npc] = N;
        j[talk_crt] = talker_c;
        j[hour] = 11;
    }

    // A click on NPC N standing at (x, y) instead of beside the leader.
    static int click_npc_at(int x, int y)
    {
        int c = npc_at(N, x, y, 10);
        set_grs();
        j[ptr_in_view] = 1;
        j[ptr_crt] = c;
        click_view(200, 100);
        talk_to_npc();
        return c;
    }
};

TEST_F(Dialogue, MoodFollowsAttitudeAtItsBounds)
{
    EXPECT_EQ(npc_mood(61), 0);
    EXPECT_EQ(npc_mood(60), 1);
    EXPECT_EQ(npc_mood(1), 1);
    EXPECT_EQ(npc_mood(0), 2);
    EXPECT_EQ(npc_mood(-29), 2);
    EXPECT_EQ(npc_mood(-30), 3);
    EXPECT_EQ(npc_mood(-59), 3);
    EXPECT_EQ(npc_mood(-60), 4);
}

TEST_F(Dialogue, HoursSpanMidnightAndEqualHoursMeanAllDay)
{
    spch_entry &e = entry(0, 0);
    e.hour_from = 22;
    e.hour_to = 3;
    std::vector<int> offered;
    for (int h = 0; h < 24; h++) {
        j[hour] = 24 * 5 + h;   // the slot counts every hour of the game
        if (check_rqst(0, 0)) offered.push_back(h);
    }
    EXPECT_EQ(offered, (std::vector<int>{0, 1, 2, 3, 22, 23}));

    e.hour_from = 9;
    e.hour_to = 17;
    j[hour] = 8;
    EXPECT_EQ(check_rqst(0, 0), 0);
    j[hour] = 17;
    EXPECT_EQ(check_rqst(0, 0), 1) << "both bounds count";

    e.hour_from = e.hour_to = 5;
    for (int h = 0; h < 24; h++) {
        j[hour] = h;
        EXPECT_EQ(check_rqst(0, 0), 1) << h;
    }
}

TEST_F(Dialogue, NeedsClosesAndUsedUpAnswers)
{
    entry(0, 0);
    spch_entry &b = entry(1, 0);
    b.need_all[0] = 0;
    EXPECT_EQ(check_rqst(1, 0), 0) << "entry 0 not yet chosen";
    npc[N].answer_state[0] = 1;
    EXPECT_EQ(check_rqst(1, 0), 1);
    EXPECT_EQ(check_rqst(0, 0), 0) << "a chosen plain answer is used up";

    // A present need_any decides in place of need_all.
    spch_entry &c = entry(2, 0);
    c.need_all[0] = 3;
    c.need_any[0] = 0;
    entry(3, 0);
    EXPECT_EQ(check_rqst(2, 0), 1);
    c.need_any[0] = 3;
    EXPECT_EQ(check_rqst(2, 0), 0);

    npc[N].answer_state[3] = 2;
    EXPECT_EQ(check_rqst(3, 0), 0) << "closed by another answer";

    spch_entry &d = entry(4, 0);
    d.cond = 9;
    EXPECT_EQ(check_rqst(4, 0), 0);
    con[9] = 1;
    EXPECT_EQ(check_rqst(4, 0), 1);

    for (int t : {2, 3, 4, 5}) {
        entry(5, t);
        EXPECT_EQ(check_rqst(5, 0), 0) << "type " << t << " is never listed";
        EXPECT_EQ(check_rqst(5, 1), 0);
    }
    entry(5, 6);
    EXPECT_EQ(check_rqst(5, 0), 0) << "an automatic answer is not listed";
    EXPECT_EQ(check_rqst(5, 1), 1);
    EXPECT_EQ(check_rqst(4, 1), 0) << "a listed answer never fires by itself";
    EXPECT_EQ(check_rqst(-1, 0), 0);
    EXPECT_EQ(check_rqst(SPCH_ENTRIES, 0), 0);
}

TEST_F(Dialogue, ChoosingAnswersThroughTheList)
{
    entry(0, 0, 7).att_change = -15;
    spch_entry &other = entry(1, 9, 9);   // any other type: listed, never used up
    other.closes[0] = 2;
    entry(2, 0, 11);
    j[talk_state] = 3;

    // The first answer lies beside the portrait, at the top of the list.
    click_view(100, 33);
    talk_to_npc();
    EXPECT_EQ(j[talk_state], 4);
    EXPECT_EQ(j[talk_answer], 0);
    EXPECT_EQ(npc[N].answer_state[0], 1);
    EXPECT_EQ(npc[N].attitude, -5);
    EXPECT_EQ(j[lmb_down], 0);
    click_talk_button();
    EXPECT_EQ(j[talk_state], 3) << "the reply clicked away returns to the list";

    // Now entry 1 is first; it closes entry 2 and stays itself.
    click_view(100, 33);
    talk_to_npc();
    EXPECT_EQ(j[talk_answer], 1);
    EXPECT_EQ(npc[N].answer_state[1], 0);
    EXPECT_EQ(npc[N].answer_state[2], 2);
    click_talk_button();
    EXPECT_EQ(check_rqst(1, 0), 1);
    EXPECT_EQ(check_rqst(2, 0), 0);

    // The list's own button ends the talk.
    click_talk_button();
    EXPECT_EQ(j[talk_state], 0);
}

TEST_F(Dialogue, AnAutomaticAnswerFiresOnceInTheMiddleOfTheList)
{
    entry(0, 0);
    spch_entry &a = entry(1, 6, 3);
    a.need_all[0] = 0;
    entry(2, 0);
    j[talk_state] = 3;
    pointer_at_view(390, 230);
    talk_to_npc();
    EXPECT_EQ(j[talk_state], 3) << "not before entry 0 was chosen";
    npc[N].answer_state[0] = 1;
    talk_to_npc();
    EXPECT_EQ(j[talk_state], 4) << "taken without a click";
    EXPECT_EQ(j[talk_answer], 1);
    EXPECT_EQ(npc[N].answer_state[1], 1);
    click_talk_button();
    talk_to_npc();
    EXPECT_EQ(j[talk_state], 3) << "and never again";
}

TEST_F(Dialogue, AnAutomaticAnswerIsTakenInPlaceOfTheGreeting)
{
    entry(0, 6, 5);
    j[talk_state] = 2;
    pointer_at_view(390, 230);
    talk_to_npc();
    EXPECT_EQ(j[talk_state], 4);
    EXPECT_EQ(j[talk_answer], 0);
}

TEST_F(Dialogue, BelowMinusOneHundredTheLastWordAndABattle)
{
    entry(0, 0);
    entry(1, 2, 12);
    j[talk_state] = 4;
    j[talk_answer] = 0;
    npc[N].attitude = -100;
    click_talk_button();
    EXPECT_EQ(j[talk_state], 3) << "-100 is not yet enough";

    j[talk_state] = 4;
    npc[N].attitude = -101;
    click_talk_button();
    EXPECT_EQ(j[talk_state], 6);
    pointer_at_view(390, 230);
    talk_to_npc();
    EXPECT_EQ(npc_spch.entry[npc_spch_type(2)].reply_num, 12) << "the last word is the type 2 entry";
    click_talk_button();
    EXPECT_EQ(j[talk_state], 0) << "the attack follows the last word in the same frame";
    EXPECT_EQ(j[battle_stage], 1);
    EXPECT_EQ(j[loot_spawner], -1);
    EXPECT_EQ(CRT[talker_c].side, 2);
    EXPECT_EQ(j[battle_on], 1) << "the party stands on the map";
}

TEST_F(Dialogue, ATradeAnswerStaysUntilTheFirstTenGoodsAreSold)
{
    entry(0, 1, 2);
    npc[N].item_type[12] = 8;   // a good beyond the first ten does not keep a shop open
    EXPECT_EQ(check_rqst(0, 0), 0);
    npc[N].item_type[3] = 8;
    EXPECT_EQ(check_rqst(0, 0), 1);

    j[talk_state] = 3;
    click_view(100, 33);
    talk_to_npc();
    EXPECT_EQ(j[talk_state], 5);
    EXPECT_EQ(j[istk_shown], STK_SHOP);
    EXPECT_EQ(npc[N].answer_state[0], 0) << "a trade answer is never used up";
    int goods = 0;
    for (int e : ISTK[STK_SHOP].item) goods += e >= 0;
    EXPECT_EQ(goods, 2);

    // Sold out in its first ten places: the shop closes itself.
    npc[N].item_type[3] = -1;
    pointer_at_view(390, 230);
    talk_to_npc();
    EXPECT_EQ(j[talk_state], 3);
    EXPECT_EQ(j[istk_shown], -1);
    for (int k = 0; k < ITEM_COUNT; k++) EXPECT_FALSE(ITEM[k].in_use && ITEM[k].origin == ORIGIN_SHOP);
    EXPECT_EQ(check_rqst(0, 0), 0) << "and its answer leaves the list";
}

TEST_F(Dialogue, GoodsComeBackTheSameButSoldOnesStayGone)
{
    npc[N].item_type[0] = 1;
    npc[N].item_type[1] = 26;
    npc[N].item_type[2] = 34;
    npc[N].item_seed[0] = 100;
    npc[N].item_seed[1] = 200;
    npc[N].item_seed[2] = 300;
    load_npc_items();
    std::vector<int> prices;
    for (int e : ISTK[STK_SHOP].item)
        if (e >= 0) prices.push_back(calc_price(e));
    ASSERT_EQ(prices.size(), 3u);
    EXPECT_EQ(ITEM[ISTK[STK_SHOP].item[1]].shop_slot, 1);
    delete_npc_items();
    npc[N].item_type[1] = -1;   // what the shop does with a bought good
    load_npc_items();
    std::vector<int> again;
    for (int e : ISTK[STK_SHOP].item)
        if (e >= 0) again.push_back(calc_price(e));
    EXPECT_EQ(again, (std::vector<int>{prices[0], prices[2]}));
    delete_npc_items();
}

TEST_F(Dialogue, PriceFollowsAttitude)
{
    int k = new_item(8, -1, ORIGIN_SHOP, 5);
    ASSERT_GE(k, 0);
    int p = calc_price(k);
    ASSERT_GT(p, 1);
    npc[N].attitude = 150;
    EXPECT_EQ(npc_item_price(N, k), p - p / 2) << "above 100 counts as 100";
    npc[N].attitude = 1;
    EXPECT_EQ(npc_item_price(N, k), p);
    npc[N].attitude = -100;
    EXPECT_EQ(npc_item_price(N, k), 2 * p);
    npc[N].attitude = -50;
    EXPECT_EQ(npc_item_price(N, k), p + p / 2);
}

TEST_F(Dialogue, AClickWalksTheLeaderUpToAFarNpc)
{
    CRT[talker_c].in_use = 0;
    j[mes_showing] = 1;
    int far = click_npc_at(26, 20);
    EXPECT_EQ(j[talk_state], 0) << "a message on screen takes the click";
    j[mes_showing] = 0;
    click_view(200, 100);
    talk_to_npc();
    EXPECT_EQ(j[talk_hover], 1);
    EXPECT_EQ(j[talk_state], 1);
    EXPECT_EQ(j[talk_crt], far);
    EXPECT_NE(CRT[leader_c].path_step, -1) << "the leader walks to the cell west of it";
    walk_frames(leader_c, 400);
    EXPECT_EQ(CRT[leader_c].x, 25);
    EXPECT_EQ(CRT[leader_c].y, 20);
    talk_to_npc();
    EXPECT_EQ(j[talk_state], 2);
    EXPECT_EQ(npc_spch.count, 10) << "its speech section is loaded on arrival";
}

TEST_F(Dialogue, TooFarOrAtTheMapsEdgeNothingHappens)
{
    CRT[talker_c].in_use = 0;
    int far = click_npc_at(60, 20);
    EXPECT_EQ(j[talk_state], 0);

    CRT[far].in_use = 0;
    CRT[leader_c].x = 97;
    CRT[leader_c].y = 0;
    click_npc_at(99, 0);
    EXPECT_EQ(j[talk_state], 1) << "only the neighbours on the map are tried";
    EXPECT_EQ(CRT[leader_c].path_step != -1, true);
}

}  // namespace

}  // namespace hm
