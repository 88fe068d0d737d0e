// creatures_test.cpp -- making creatures from their types, links, occupancy, floating numbers, dying, picking
#include "battle_fixture.h"

namespace hm {
namespace {

class Creatures : public BattleTest {};

TEST_F(Creatures, HitPointsAndManaStartFullOrAsGiven)
{
    std::vector<int> t = type_block(410, 30, 5, 16);
    t[35] = 12;   // mana 12 + 3 per level
    t[36] = 3;
    write_types({t});
    int a = new_creature(0, 2, 2, -1, -1, -1, -1, 10, 10);
    ASSERT_GE(a, 0);
    EXPECT_EQ(CRT[a].max_hp, 40);
    EXPECT_EQ(CRT[a].hp, 40);
    EXPECT_EQ(CRT[a].max_mana, 18);
    EXPECT_EQ(CRT[a].mana, 18);
    int b = new_creature(0, 2, 2, 7, 0, -1, -1, 11, 10);
    EXPECT_EQ(CRT[b].hp, 7);
    EXPECT_EQ(CRT[b].max_hp, 40);
    EXPECT_EQ(CRT[b].mana, 0);
    // A creature at 7 of 40 fights at a lower level than a whole one.
    EXPECT_EQ(CRT[a].eff_level, 2);
    EXPECT_EQ(CRT[b].eff_level, 0);
}

TEST_F(Creatures, TypeNReadsTheNthBlockOfFortyTwoNumbersWhateverTheLineBreaks)
{
    if (scratch.empty()) enter_scratch();
    // Numbers 1..126, broken over lines at odd places, some in hex and octal.
    std::ostringstream o;
    for (int n = 1; n <= 3 * CRTINF_INTS; n++) {
        if (n == 85) o << "0x55";
        else if (n == 100) o << "0144";
        else o << n;
        o << (n % 5 == 0 ? "\n" : n % 7 == 0 ? "\t\t" : " ");
    }
    write_file("crtinf.txt", o.str());
    int c = new_creature(2, 0, 2, 1, 1, -1, -1, 5, 5);
    ASSERT_GE(c, 0);
    const crt_rec &k = CRT[c];
    EXPECT_EQ(k.pic_base, 85);
    EXPECT_EQ(k.init_base, 86);
    EXPECT_EQ(k.init_per_level, 87);
    EXPECT_EQ(k.hp_base, 88);
    EXPECT_EQ(k.wound_floor_base, 90);
    EXPECT_EQ(k.dmg_e1_base, 92);
    EXPECT_EQ(k.dmg_e4_per_level, 99);
    EXPECT_EQ(k.dmg_phys_base, 100);
    EXPECT_EQ(k.armour_per_level, 103);
    EXPECT_EQ(k.res_e4_per_level, 111);
    EXPECT_EQ(k.hit_base, 112);
    EXPECT_EQ(k.speed_base, 118);
    EXPECT_EQ(k.mana_per_level, 121);
    EXPECT_EQ(k.natural_item, 122);
    EXPECT_EQ(k.attack_kind, 123);
    EXPECT_EQ(k.shot_range, 124);
    EXPECT_EQ(k.shot_pic, 125);
    EXPECT_EQ(k.flying, 126);
}

TEST_F(Creatures, ATypeBeyondTheFileKeepsNothingOfTheRecordsLastCreature)
{
    std::vector<int> t = type_block(470, 30, 5, 22, 1);
    t[15] = 9;
    write_types({t});
    int c = new_creature(0, 1, 2, -1, -1, -1, -1, 5, 5);
    ASSERT_EQ(c, 0);
    crt_dies(c);
    ASSERT_EQ(new_creature(3, 1, 2, -1, -1, -1, -1, 5, 5), 0);
    EXPECT_EQ(CRT[0].pic_base, 0);
    EXPECT_EQ(CRT[0].flying, 0);
    EXPECT_EQ(CRT[0].dmg_phys_base, 0);
    EXPECT_EQ(CRT[0].max_hp, 0);
    EXPECT_EQ(CRT[0].hp, 0);
}

TEST_F(Creatures, AFullTableMakesNothingAndLeavesNoLinkToAStranger)
{
    for (int c = 0; c < CRT_COUNT; c++) ASSERT_EQ(new_creature(14, 1, 2, -1, -1, -1, -1, c % 100, c / 100 + 10), c);
    EXPECT_EQ(new_crt_num(), -1);
    member(3);
    p1cr[3].crt = 0;
    npc[7].crt = 5;
    EXPECT_EQ(new_creature(0, 1, 1, -1, -1, 3, 7, 50, 50), -1);
    EXPECT_EQ(p1cr[3].crt, -1);
    EXPECT_EQ(npc[7].crt, -1);
}

TEST_F(Creatures, APartyCreatureWearsItsCharactersGearAndLinksBothWays)
{
    member(2, 4, 3);
    for (int s = 0; s < EQP_SLOTS; s++) p1cr[2].eqp[s] = s == 0 || s == 3 ? 40 + s : -1;
    int c = new_creature(4, 3, 1, -1, -1, 2, -1, 20, 20);
    ASSERT_GE(c, 0);
    EXPECT_EQ(p1cr[2].crt, c);
    EXPECT_EQ(member_crt(2), c);
    EXPECT_EQ(CRT[c].equipment[0], 40);
    EXPECT_EQ(CRT[c].equipment[3], 43);
    EXPECT_EQ(CRT[c].equipment[1], -1);
    // Endurance 10 adds 100 hit points to the body's own.
    EXPECT_EQ(CRT[c].max_hp, CRT[c].hp_base + 3 * CRT[c].hp_per_level + 100);
}

TEST_F(Creatures, DyingFadesFortyNineFramesAndClearsEveryLink)
{
    member(1);
    int c = new_creature(1, 1, 1, -1, -1, 1, -1, 30, 30);
    int n = new_creature(7, 1, 4, -1, -1, -1, 9, 31, 30);
    npc[9].crt = n;
    npc[9].lev = 98;
    ASSERT_GE(c, 0);
    CRT[c].hp = 0;
    CRT[n].hp = 0;
    int frames = 0;
    while (CRT[c].in_use && frames < 100) {
        crtr_main();
        frames++;
        if (frames == 1) {
            EXPECT_EQ(CRT[c].frame, 8);
            EXPECT_EQ(CRT[c].tint_mode, 2);
            EXPECT_EQ(CRT[c].tint_extra, 20);
            EXPECT_EQ(CRT[c].dying, 49);
        }
    }
    EXPECT_EQ(frames, 49);
    EXPECT_EQ(CRT[c].dying, 0);
    EXPECT_EQ(p1cr[1].crt, -1);
    EXPECT_EQ(member_crt(1), -1);
    EXPECT_FALSE(CRT[n].in_use);
    EXPECT_EQ(npc[9].crt, -1);
    EXPECT_EQ(npc[9].dead, 1);
    EXPECT_EQ(npc[9].lev, -1);
}

TEST_F(Creatures, DyingKeepsTheBattleBusyOnlyWhileABattleIsOn)
{
    int c = new_creature(14, 1, 2, 0, -1, -1, -1, 30, 30);
    crtr_main();
    EXPECT_EQ(j[crt_busy], 1);   // the fall itself
    crtr_main();
    EXPECT_EQ(j[crt_busy], 0);
    j[battle_on] = 1;
    j[battle_stage] = 5;
    crtr_main();
    EXPECT_EQ(j[crt_busy], 1);
    j[battle_stage] = 2;
    crtr_main();
    EXPECT_EQ(j[crt_busy], 0);
    EXPECT_TRUE(CRT[c].in_use);
}

TEST_F(Creatures, OccupancyHoldsTheHigherIndexAndKeepsFliersApart)
{
    new_creature(14, 1, 2, -1, -1, -1, -1, 40, 40);
    new_creature(15, 1, 2, -1, -1, -1, -1, 40, 40);
    int bat = new_creature(20, 1, 2, -1, -1, -1, -1, 40, 40);
    int hidden = new_creature(16, 1, 2, -1, -1, -1, -1, 41, 40);
    CRT[hidden].shown = 0;
    set_us();
    EXPECT_EQ(us[cell(40, 40)], 1);
    EXPECT_EQ(us2[cell(40, 40)], bat);
    EXPECT_EQ(us[cell(41, 40)], -1);
    EXPECT_EQ(us2[cell(41, 40)], -1);
    // A record whose cell lies off the map stands nowhere.
    CRT[0].x = 100;
    set_us();
    EXPECT_EQ(us[cell(40, 40)], 1);
}

TEST_F(Creatures, FloatingNumbersRiseSixteenFramesApartAndTheEleventhIsDropped)
{
    int c = new_creature(14, 1, 2, -1, -1, -1, -1, 30, 30);
    for (int i = 0; i < 11; i++) new_drdam(c, 100 + i, DRDAM_PHYS);
    const crt_rec &k = CRT[c];
    for (int i = 0; i < CRT_HIT_NUMS; i++) EXPECT_EQ(k.hit_num_value[i], 100 + i);
    crtr_main();
    EXPECT_EQ(k.hit_num_timer[0], 2);
    EXPECT_EQ(k.hit_num_timer[1], 1);
    EXPECT_EQ(k.info_fade, 0);
    for (int f = 0; f < 15; f++) crtr_main();
    EXPECT_EQ(k.hit_num_timer[0], 17);
    EXPECT_EQ(k.hit_num_timer[1], 1);
    EXPECT_EQ(k.info_fade, 50);
    crtr_main();
    EXPECT_EQ(k.hit_num_timer[0], 18);
    EXPECT_EQ(k.hit_num_timer[1], 2);
    // The first number's slot is free again once it has risen to 50.
    for (int f = 0; f < 32; f++) crtr_main();
    EXPECT_EQ(k.hit_num_timer[0], 0);
    new_drdam(c, 999, DRDAM_E1);
    EXPECT_EQ(k.hit_num_value[0], 999);
    EXPECT_EQ(k.hit_num_colour[0], DRDAM_E1);
}

TEST_F(Creatures, MissAndDodgeTextsRunOutAt49And99)
{
    int c = new_creature(14, 1, 2, -1, -1, -1, -1, 30, 30);
    CRT[c].miss_timer = 1;
    for (int f = 0; f < 47; f++) crtr_main();
    EXPECT_EQ(CRT[c].miss_timer, 48);
    crtr_main();
    EXPECT_EQ(CRT[c].miss_timer, 0);
    CRT[c].miss_timer = 51;
    for (int f = 0; f < 48; f++) crtr_main();
    EXPECT_EQ(CRT[c].miss_timer, 0);
}

TEST_F(Creatures, TintArgumentsOfZeroOrMinusOneLeaveTheirFieldAlone)
{
    int c = new_creature(14, 1, 2, -1, -1, -1, -1, 30, 30);
    sdrst(c, 1, 10, -20, 30, 4, 0);
    sdrst(c, 2, 0, 5, 0, 0, -1);
    const crt_rec &k = CRT[c];
    EXPECT_EQ(k.tint_mode, 2);
    EXPECT_EQ(k.tint_r, 10);
    EXPECT_EQ(k.tint_g, 5);
    EXPECT_EQ(k.tint_b, 30);
    EXPECT_EQ(k.tint_rate, 4);
    EXPECT_EQ(k.tint_extra, 0);
}

TEST_F(Creatures, ARightClickScrollsTheListToTheCreatureAndShowsIt)
{
    for (int i = 0; i < 9; i++) new_creature(14, 1, i == 2 ? 4 : 2, -1, -1, -1, -1, 10 + i, 10);
    j[ptr_crt] = 8;   // seven listed creatures come before it: bystander 2 is not listed
    j[rmb_down] = 1;
    j[crtbox_first] = 0;
    crtr_main();
    EXPECT_EQ(j[crtbox_first], 3);
    EXPECT_EQ(j[box_crt], 8);
    EXPECT_EQ(CRT[8].info_fade, 50);
    j[ptr_crt] = 1;
    crtr_main();
    EXPECT_EQ(j[crtbox_first], 1);
}

class Picking : public BattleTest {};

// A 12 x 4 sprite whose only coloured column is its last one.
TEST_F(Picking, AMirroredCreatureIsHitWhereItsMirrorImageIsDrawn)
{
    use_pictures({{3, 600, 12, 4, [](int x, int) { return x == 11 ? 5 : 0; }}});
    int c = new_creature(10, 1, 3, -1, -1, -1, -1, 50, 50);
    ASSERT_GE(c, 0);
    // px and py are measured from the sprite's bottom centre.
    EXPECT_EQ(get_crt_pix(600, 3, 5, -1, 1, c), 1);
    EXPECT_EQ(get_crt_pix(600, 3, -6, -1, 1, c), 0);
    EXPECT_EQ(get_crt_pix(600, 3, -6, -1, -1, c), 1);
    EXPECT_EQ(get_crt_pix(600, 3, 5, -1, -1, c), 0);
    EXPECT_EQ(get_crt_pix(600, 3, 6, -1, 1, c), 0);
    EXPECT_EQ(get_crt_pix(600, 3, 5, 0, 1, c), 0);
    EXPECT_EQ(get_crt_pix(601, 3, 5, -1, 1, c), 0);
    // The creature already under the pointer counts over its whole rectangle.
    j[ptr_crt] = c;
    EXPECT_EQ(get_crt_pix(600, 3, 0, -2, 1, c), 1);
}

TEST_F(Picking, ThePointerPicksTheCreatureDrawnInFrontAndFliersHigher)
{
    use_pictures({{3, 600, 12, 4, [](int, int) { return 7; }}});
    j[cam_x] = 2000;
    j[cam_y] = 900;
    int a = new_creature(10, 1, 3, -1, -1, -1, -1, 30, 50);
    CRT[a].pic_base = 600;
    CRT[a].frame = 0;
    set_us();
    // The cell's sprite anchor on the screen: (40x + 20y - cam_x + 50, 20y - cam_y + 34).
    int ax = 40 * 30 + 20 * 50 - 2000 + 50, ay = 20 * 50 - 900 + 34;
    j[mouse_x] = ax;
    j[mouse_y] = ay - 2;
    EXPECT_EQ(sellect_crt(), a);
    j[mouse_y] = ay + 1;
    EXPECT_EQ(sellect_crt(), -1);
    // A flier in the same cell is drawn 32 higher and in front.
    int f = new_creature(10, 1, 3, -1, -1, -1, -1, 30, 50);
    CRT[f].pic_base = 600;
    CRT[f].flying = 1;
    set_us();
    j[mouse_y] = ay - 2;
    EXPECT_EQ(sellect_crt(), a);
    j[mouse_y] = ay - 34;
    EXPECT_EQ(sellect_crt(), f);
}

}  // namespace
}  // namespace hm
