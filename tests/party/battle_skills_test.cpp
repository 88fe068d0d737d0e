// battle_skills_test.cpp -- learning skills, their costs and limits, aiming, and what each kind of skill does
#include <cmath>

#include "skills_fixture.h"

namespace hm {
namespace {

using Skills = SkillTest;

TEST_F(Skills, LearningFillsTheFirstFreeEntryAndSkillSeventeenIsPassive)
{
    std::memset(p1cr[0].skills, 0, sizeof p1cr[0].skills);
    new_bat_sk(0, 4);
    new_bat_sk(0, 17);
    new_bat_sk(0, 18);   // no such skill
    new_bat_sk(0, -1);
    const skill_rec &a = p1cr[0].skills[0], &b = p1cr[0].skills[1];
    EXPECT_EQ(a.skill_id, 4);
    EXPECT_EQ(a.target_kind, 12);
    EXPECT_EQ(a.sk_range, 9);
    EXPECT_EQ(a.sk_level, 1);
    EXPECT_EQ(a.passive, 0);
    EXPECT_EQ(b.skill_id, 17);
    EXPECT_EQ(b.passive, 1);
    EXPECT_FALSE(p1cr[0].skills[2].known);
    EXPECT_EQ(check_for_bat_sk(0, 17), 1);
    EXPECT_EQ(check_for_bat_sk(0, 5), 0);
    // The passive one is never among the battle grid's skills.
    EXPECT_EQ(battle_skill_entry(0, 0), 0);
    EXPECT_EQ(battle_skill_entry(0, 1), -1);
    // A full list learns nothing more and writes nowhere else.
    for (int k = 0; k < 60; k++) new_bat_sk(0, k % 17);
    EXPECT_EQ(p1cr[0].eqp[0], -1);
    EXPECT_EQ(p1cr[1].in_use, 0);
}

TEST_F(Skills, RaisesCostTwoThreeAndFourPointsByLevel)
{
    int en = choose(1);
    for (int level = 1; level <= 14; level++) {
        p1cr[0].skills[en].sk_level = level;
        EXPECT_EQ(get_sp_needed(0, en), level < 5 ? 2 : level < 10 ? 3 : 4) << level;
    }
}

TEST_F(Skills, ChanceSkillsStayFiniteAtAnyInitiative)
{
    // The divisor of skills 6, 11 and 14 reaches zero and below at a strongly
    // negative initiative; such a value counts as nothing rather than as chaos.
    for (int s : {6, 11, 14})
        for (int x = -400; x <= 400; x++) {
            int v = skv_at(s, 3, x);
            ASSERT_GE(v, 0) << s << " " << x;
            ASSERT_LE(v, 100) << s << " " << x;
        }
    EXPECT_EQ(rand_val(5, 5), 5);
    EXPECT_EQ(rand_val(7, 3), 7);
    for (int k = 0; k < 50; k++) {
        int v = rand_val(1, 4);
        EXPECT_TRUE(v >= 1 && v < 4);
    }
}

TEST_F(Skills, MendingAtLevelFiveHealsSeventyOfTwoHundred)
{
    int friend_ = at_side(10, 22, 20, 3);
    CRT[friend_].hp_base = 200;
    CRT[friend_].hp_per_level = 0;
    update_stats();
    ASSERT_EQ(CRT[friend_].max_hp, 200);
    CRT[friend_].hp = 20;
    int en = choose(0);
    p1cr[0].skills[en].sk_level = 5;
    aim_at_creature(friend_);
    int frames = cast();
    EXPECT_EQ(frames, 60);   // frame 61 is the last
    EXPECT_EQ(CRT[friend_].hp, 90);
    EXPECT_EQ(CRT[hero].mana, 1000 - 20);
    // The turn has passed on.
    EXPECT_EQ(j[bat_sk_on], 0);
    EXPECT_EQ(j[shown_member], -1);
    EXPECT_EQ(CRT[hero].ready, 0);
    // Never above full health.
    CRT[friend_].hp = 190;
    j[shown_member] = 0;
    j[cur_crt] = hero;
    aim_at_creature(friend_);
    cast();
    EXPECT_EQ(CRT[friend_].hp, 200);
}

TEST_F(Skills, AClickWithoutAFittingTargetDropsTheSkill)
{
    int foe = foe_at(22, 20);
    choose(0);   // mending: never on a foe
    aim_at_creature(foe);
    cast();
    EXPECT_EQ(j[bat_sk_on], 0);
    EXPECT_EQ(j[sk_frame], 0);
    EXPECT_EQ(CRT[hero].mana, 1000);
    EXPECT_EQ(j[shown_member], 0);   // still the hero's turn
    EXPECT_EQ(j[cur_crt], hero);
}

TEST_F(Skills, WildfireReachesEveryFoeNearItsCellHoweverFarFromTheCaster)
{
    // The blast's cell lies eleven cells from the hero; its reach is measured from there.
    int near = foe_at(33, 22);      // two cells diagonally: d = 8
    int edge = foe_at(46, 20);      // fifteen cells straight: d = 47
    int beyond = foe_at(31, 36);    // sixteen cells: d = 50
    int ally = at_side(10, 32, 20, 3);
    for (int c : {near, edge, beyond, ally}) {
        CRT[c].hp = CRT[c].max_hp = 1000;
        CRT[c].res_e1 = CRT[c].res_e1_base = 0;
        CRT[c].armour = CRT[c].armour_base = CRT[c].armour_per_level = 0;
    }
    choose(8);
    aim_at_cell(31, 20);
    ASSERT_GT(cast(), 0);
    EXPECT_LT(CRT[near].hp, 1000);
    EXPECT_LT(CRT[edge].hp, 1000);
    EXPECT_GT(1000 - CRT[near].hp, 1000 - CRT[edge].hp);   // weaker further out
    EXPECT_EQ(CRT[beyond].hp, 1000);
    EXPECT_EQ(CRT[ally].hp, 1000);
    EXPECT_EQ(skv_at(8, 1, 0), 22);
}

TEST_F(Skills, TheHoundAtLevelOneComesAtLevelOneOncePerBattle)
{
    int en = choose(3);
    set_casts();
    EXPECT_EQ(p1cr[0].skills[en].max_casts, 1);
    aim_at_cell(22, 21);
    cast();
    int hound = us[22 + MAP_W * 21];
    ASSERT_GE(hound, 0);
    EXPECT_EQ(CRT[hound].type, 10);
    EXPECT_EQ(CRT[hound].level, 1);
    EXPECT_EQ(CRT[hound].side, 3);
    EXPECT_EQ(p1cr[0].skills[en].casts, 1);
    // The use button now refuses it.
    j[shown_member] = 0;
    j[cur_crt] = hero;
    p1cr[0].sel_skill = en;
    j[mouse_x] = 580;
    j[mouse_y] = 285;
    j[lmb_up] = 1;
    bat_sk_controls();
    EXPECT_EQ(j[bat_sk_on], 0);
    // Too far, or onto a wall, is no place for it.
    j[lmb_up] = 0;
    set_casts();
    block(21, 22);
    j[bat_sk_on] = 1;
    for (int x : {21, 25, 23}) {
        j[hilite_cell] = -1;
        aim_at_cell(x, x == 21 ? 22 : 20);
        use_bat_sk();
        if (x != 23) {
            EXPECT_EQ(j[hilite_cell], -1) << x;
        }
    }
    EXPECT_EQ(j[hilite_cell], 23 + MAP_W * 20);
}

TEST_F(Skills, ASummonsIntoAFullTableMakesNothingAndTintsNobody)
{
    for (int k = 0; k < CRT_COUNT; k++)
        if (!CRT[k].in_use) new_creature(RAT, 1, 4, -1, -1, -1, -1, 0, 0);
    int tint0 = CRT[0].tint_r;
    choose(12);
    set_casts();
    aim_at_cell(21, 21);
    EXPECT_GT(cast(), 0);
    EXPECT_EQ(CRT[0].tint_r, tint0);
    EXPECT_EQ(j[bat_sk_on], 0);
}

TEST_F(Skills, BlindingMistFiresWithoutAClick)
{
    srandom(1);
    int foe = foe_at(25, 20);
    // Slow enough to be blinded all but surely.
    CRT[foe].initiative = -150;
    ASSERT_GE(skv_at(11, 1, -150), 95);
    choose(11);
    j[bat_sk_on] = 1;
    j[ptr_in_view] = 0;
    use_bat_sk();
    EXPECT_EQ(j[sk_frame], 2);
    for (int n = 0; n < 100 && j[bat_sk_on]; n++) use_bat_sk();
    EXPECT_EQ(j[bat_sk_on], 0);
    EXPECT_EQ(CRT[foe].status[2], 3);
}

TEST_F(Skills, MissilesStrikeWhenTheyLand)
{
    int foe = foe_at(26, 20);
    CRT[foe].hp = CRT[foe].max_hp = 1000;
    choose(10);
    aim_at_creature(foe);
    j[bat_sk_on] = 1;
    use_bat_sk();
    EXPECT_EQ(CRT[foe].tint_r, -16);   // marked as the target
    j[lmb_up] = 1;
    use_bat_sk();
    j[lmb_up] = 0;
    EXPECT_EQ(j[shot_on], 1);
    EXPECT_EQ(j[shot_fly_pic], 4);
    EXPECT_EQ(CRT[foe].hp, 1000);
    for (int n = 0; n < 200 && j[bat_sk_on]; n++) {
        do_sht();
        use_bat_sk();
    }
    EXPECT_LT(CRT[foe].hp, 1000);
    EXPECT_EQ(CRT[foe].status[16], 3);
    EXPECT_GT(CRT[foe].status[22], 0);
    // Out of range there is no target.
    int far = foe_at(35, 20);
    j[shown_member] = 0;
    j[cur_crt] = hero;
    aim_at_creature(far);
    j[bat_sk_on] = 1;
    use_bat_sk();
    EXPECT_NE(CRT[far].tint_r, -16);
}

TEST_F(Skills, ThunderclapAtTheMapsCornerStaysOnTheMap)
{
    int foe = foe_at(1, 1);
    CRT[foe].hp = CRT[foe].max_hp = 1000;
    int outside = foe_at(3, 3);   // a corner of the five by five: spared
    CRT[outside].hp = CRT[outside].max_hp = 1000;
    CRT[hero].x = 2;
    CRT[hero].y = 6;
    CRT[hero].cell = 2 + MAP_W * 6;
    choose(4);
    aim_at_cell(1, 1);
    cast();
    EXPECT_LT(CRT[foe].hp, 1000);
    EXPECT_EQ(CRT[outside].hp, 1000);
}

TEST_F(Skills, ASecondShapeChangeKeepsTheFirstForm)
{
    int foe = foe_at(23, 20);
    int own_pic = CRT[foe].pic_base;
    CRT[foe].attack_kind = 2;
    choose(16);
    aim_at_creature(foe);
    cast();
    EXPECT_EQ(CRT[foe].effect[10], 1);
    update_stats();
    EXPECT_EQ(CRT[foe].pic_base, 320);
    j[shown_member] = 0;
    j[cur_crt] = hero;
    aim_at_creature(foe);
    cast();
    EXPECT_EQ(CRT[foe].effect[8], own_pic);
    EXPECT_EQ(CRT[foe].effect[9], 2);
}

TEST_F(Skills, TheGridOffersSixteenSkillsAndNoMore)
{
    std::memset(p1cr[0].skills, 0, sizeof p1cr[0].skills);
    new_bat_sk(0, 17);
    for (int s = 0; s < 17; s++) new_bat_sk(0, s);
    // Row four lies beyond the grid: index 16 and on choose nothing.
    j[mouse_x] = 450;
    j[mouse_y] = 389;
    j[lmb_up] = 1;
    bat_sk_controls();
    EXPECT_EQ(p1cr[0].sel_skill, -1);
    j[mouse_x] = 450 + 3 * 28;
    j[mouse_y] = 280 + 3 * 28;
    j[lmb_up] = 1;
    bat_sk_controls();
    EXPECT_EQ(p1cr[0].sel_skill, 16);   // the sixteenth active skill, entry 16 (17 is passive in entry 0)
    EXPECT_EQ(battle_skill_entry(0, 16), -1);
    // Not the hero's turn: the panel does nothing.
    j[cur_crt] = -1;
    j[mouse_x] = 450;
    j[mouse_y] = 280;
    j[lmb_up] = 1;
    bat_sk_controls();
    EXPECT_EQ(p1cr[0].sel_skill, 16);
}

TEST_F(Skills, TheUseButtonWantsManaAndTheTabsSwitchPages)
{
    int en = choose(9);
    CRT[hero].mana = find_mana_cost(9, 1) - 1;
    j[mouse_x] = 580;
    j[mouse_y] = 285;
    j[lmb_up] = 1;
    bat_sk_controls();
    EXPECT_EQ(j[bat_sk_on], 0);
    CRT[hero].mana += 1;
    j[lmb_up] = 1;
    bat_sk_controls();
    EXPECT_EQ(j[bat_sk_on], 1);
    j[bat_sk_on] = 0;
    j[mouse_y] = 300;
    j[lmb_up] = 1;
    bat_sk_controls();
    EXPECT_EQ(j[skill_info_open], 1);
    EXPECT_EQ(j[skills_entry], en);
    j[skill_info_open] = 0;
    j[mouse_x] = 560;
    j[mouse_y] = 260;
    j[lmb_up] = 1;
    bat_sk_controls();
    EXPECT_EQ(p1cr[0].skill_mode, 2);
    j[mouse_x] = 480;
    j[lmb_up] = 1;
    bat_sk_controls();
    EXPECT_EQ(p1cr[0].skill_mode, 1);
    EXPECT_EQ(p1cr[0].sel_skill, -1);
}

}  // namespace
}  // namespace hm
