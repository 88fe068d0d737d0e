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
    int b = new_creature(0, 2, 2, 7, 0, -1, -1, 11, 10);
    EXPECT_EQ(CRT[a].max_hp, 40);
    EXPECT_EQ(CRT[a].hp, 40);
    EXPECT_EQ(CRT[a].mana, 18);
    EXPECT_EQ(CRT[b].hp, 7);
    EXPECT_EQ(CRT[b].mana, 0);
    EXPECT_EQ(CRT[b].eff_level, 0);   // wounded, it fights below its level
}

TEST_F(Creatures, TypeNReadsTheNthBlockOfFortyTwoNumbersWhateverTheLineBreaks)
{
    if (scratch.empty()) enter_scratch();
    std::ostringstream o;   // 1..126 broken at odd places, two in hex and octal
    for (int n = 1; n <= 3 * CRTINF_INTS; n++)
        o << (n == 85 ? "0x55" : n == 100 ? "0144" : std::to_string(n)) << (n % 5 ? n % 7 ? " " : "\t\t" : "\n");
    write_file("crtinf.txt", o.str());
    const crt_rec &k = CRT[new_creature(2, 0, 2, 1, 1, -1, -1, 5, 5)];
    EXPECT_EQ(k.pic_base, 85);
    EXPECT_EQ(k.hp_base, 88);
    EXPECT_EQ(k.dmg_phys_base, 100);
    EXPECT_EQ(k.mana_per_level, 121);
    EXPECT_EQ(k.flying, 126);
}

TEST_F(Creatures, MissingTypesAndAFullTableLeaveNothingStale)
{
    std::vector<int> t = type_block(470, 30, 5, 22, 1);
    write_types({t});
    crt_dies(new_creature(0, 1, 2, -1, -1, -1, -1, 5, 5));
    // Record 0 again, from a type past the file's end: every value 0.
    ASSERT_EQ(new_creature(3, 1, 2, -1, -1, -1, -1, 5, 5), 0);
    EXPECT_EQ(CRT[0].pic_base, 0);
    EXPECT_EQ(CRT[0].flying, 0);
    EXPECT_EQ(CRT[0].max_hp, 0);
    for (int c = 1; c < CRT_COUNT; c++) new_creature(0, 1, 2, -1, -1, -1, -1, c % 100, c / 100 + 10);
    EXPECT_EQ(new_crt_num(), -1);
    member(3);
    p1cr[3].crt = 0;
    npc[7].crt = 5;
    EXPECT_EQ(new_creature(0, 1, 1, -1, -1, 3, 7, 50, 50), -1);
    EXPECT_EQ(p1cr[3].crt, -1);
    EXPECT_EQ(npc[7].crt, -1);
}

TEST_F(Creatures, DyingFadesFortyNineFramesAndClearsEveryLink)
{
    member(1);
    int c = new_creature(1, 1, 1, -1, -1, 1, -1, 30, 30);
    int n = new_creature(7, 1, 4, 0, -1, -1, 9, 31, 30);
    ASSERT_EQ(member_crt(1), c);
    ASSERT_EQ(npc_crt(9), n);
    CRT[c].hp = 0;
    int frames = 0;
    while (CRT[c].in_use && frames < 100) {
        crtr_main();
        if (++frames == 1) {
            EXPECT_EQ(CRT[c].frame, 8);
            EXPECT_EQ(CRT[c].tint_extra, 20);
        }
    }
    EXPECT_EQ(frames, 49);
    EXPECT_EQ(p1cr[1].crt, -1);
    EXPECT_EQ(npc[9].crt, -1);
    EXPECT_EQ(npc[9].dead, 1);
    EXPECT_EQ(npc[9].lev, -1);
}

TEST_F(Creatures, OccupancyHoldsTheHigherIndexAndKeepsFliersApart)
{
    new_creature(14, 1, 2, -1, -1, -1, -1, 40, 40);
    new_creature(15, 1, 2, -1, -1, -1, -1, 40, 40);
    int bat = new_creature(20, 1, 2, -1, -1, -1, -1, 40, 40);
    CRT[new_creature(16, 1, 2, -1, -1, -1, -1, 41, 40)].shown = 0;
    set_us();
    EXPECT_EQ(us[cell(40, 40)], 1);
    EXPECT_EQ(us2[cell(40, 40)], bat);
    EXPECT_EQ(us[cell(41, 40)], -1);
    // Entered at the cell the frame update keeps.
    CRT[0].cell = cell(42, 40);
    set_us();
    EXPECT_EQ(us[cell(42, 40)], 0);
}

TEST_F(Creatures, FloatingNumbersRiseSixteenFramesApartAndAnEleventhIsDropped)
{
    int c = new_creature(14, 1, 2, -1, -1, -1, -1, 30, 30);
    for (int i = 0; i < 11; i++) new_drdam(c, 100 + i, DRDAM_PHYS);
    const crt_rec &k = CRT[c];
    EXPECT_EQ(k.hit_num_value[9], 109);
    for (int f = 0; f < 16; f++) crtr_main();
    EXPECT_EQ(k.hit_num_timer[0], 17);
    EXPECT_EQ(k.hit_num_timer[1], 1);
    EXPECT_EQ(k.info_fade, 49);   // held at 50 by the rising numbers, then lowered
    crtr_main();
    EXPECT_EQ(k.hit_num_timer[1], 2);
    for (int f = 0; f < 32; f++) crtr_main();
    EXPECT_EQ(k.hit_num_timer[0], 0);   // risen to 50: the slot is free
}

// A 12 x 4 sprite whose only coloured column is its last one.
TEST_F(Creatures, AMirroredCreatureIsHitWhereItsMirrorImageIsDrawn)
{
    use_pictures({{3, 600, 12, 4, [](int x, int) { return x == 11 ? 5 : 0; }}});
    int c = new_creature(10, 1, 3, -1, -1, -1, -1, 50, 50);
    // px and py are measured from the sprite's bottom centre.
    EXPECT_EQ(get_crt_pix(600, 3, 5, -1, 1, c), 5);   // the pixel's own byte
    EXPECT_EQ(get_crt_pix(600, 3, -6, -1, 1, c), 0);
    EXPECT_EQ(get_crt_pix(600, 3, -6, -1, -1, c), 5);
    EXPECT_EQ(get_crt_pix(600, 3, 5, -1, -1, c), 0);
    EXPECT_EQ(get_crt_pix(600, 3, 6, -1, 1, c), 0);
    // The creature already under the pointer counts over its whole rectangle.
    j[ptr_crt] = c;
    EXPECT_EQ(get_crt_pix(600, 3, 0, -2, 1, c), 1);

    // On the map: a flier in the same cell is drawn 32 pixels higher.
    j[ptr_crt] = -1;
    j[cam_x] = 2000;
    j[cam_y] = 900;
    CRT[c].x = 30;
    CRT[c].y = 50;
    CRT[c].cell = 30 + MAP_W * 50;
    CRT[c].pic_base = 600;
    int f = new_creature(10, 1, 3, -1, -1, -1, -1, 30, 50);
    CRT[f].pic_base = 600;
    CRT[f].flying = 1;
    CRT[c].facing = CRT[f].facing = 1;
    set_us();
    j[mouse_x] = 40 * 30 + 20 * 50 - 2000 + 50 + 5;   // the sprite's anchor, then its lit column
    j[mouse_y] = 20 * 50 - 900 + 34 - 2;
    EXPECT_EQ(sellect_crt(), c);
    j[mouse_y] -= 32;
    EXPECT_EQ(sellect_crt(), f);
}

}  // namespace
}  // namespace hm
