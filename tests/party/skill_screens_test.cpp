// skill_screens_test.cpp -- the skill list's scrolling and clicks, raising a skill, raising an attribute
#include "skills_fixture.h"

namespace hm {
namespace {

class Screens : public SkillTest {
protected:
    void SetUp() override
    {
        SkillTest::SetUp();
        j[battle_on] = 0;
        j[battle_stage] = 0;
        j[skill_list_state] = j[skill_info_open] = j[attr_open] = 0;
        std::memset(p1cr[0].skills, 0, sizeof p1cr[0].skills);
        for (int s = 0; s < 5; s++) new_bat_sk(0, s);
    }
    static void pointer(int x, int y)
    {
        j[mouse_x] = x;
        j[mouse_y] = y;
    }
    static void click(int x, int y)
    {
        pointer(x, y);
        j[lmb_up] = 1;
    }
    // One frame of the three screens as the main loop runs them.
    static void frame()
    {
        skills_main();
        attributes_main();
        skill_stats();
        j[lmb_up] = 0;
    }
    void open_list()
    {
        click(460, 8);
        frame();
        ASSERT_EQ(j[skill_list_state], 1);
    }
};

TEST_F(Screens, TheListScrollsSmoothlyButNeverAboveItsFirstEntry)
{
    open_list();
    p1cr_rec &p = p1cr[0];
    click(70, 140);   // the up arrow, at the top already
    frame();
    EXPECT_EQ(p.skscr_a, 0);
    EXPECT_EQ(p.skscr_b, 0);
    click(70, 170);   // down: one line, ten pixels over five frames
    frame();
    EXPECT_EQ(p.skscr_b, 1);
    for (int n = 0; n < 10; n++) frame();
    EXPECT_EQ(p.skscr_a, 1);
    EXPECT_EQ(p.skscr_b, 0);
    EXPECT_EQ(p.skscr_c, 0);
    // Held down, it keeps going, and back up it stops at the first entry.
    click(70, 140);
    frame();
    click(70, 140);
    frame();
    EXPECT_EQ(p.skscr_b, -1);   // cut so that it ends at entry 0
    for (int n = 0; n < 20; n++) frame();
    EXPECT_EQ(p.skscr_a, 0);
    EXPECT_EQ(p.skscr_c, 0);
}

TEST_F(Screens, OnlyALineThatShowsAKnownSkillOpensTheBox)
{
    open_list();
    // Scrolled to its far end, the lines show nothing.
    p1cr[0].skscr_a = 50;
    for (int k = 0; k < 10; k++) {
        click(150, 110 + 10 * k);
        frame();
        ASSERT_EQ(j[skill_info_open], 0) << k;
    }
    p1cr[0].skscr_a = 0;
    click(150, 110 + 10 * 6);   // line 6: entry 6 is not known
    frame();
    EXPECT_EQ(j[skill_info_open], 0);
    click(150, 110 + 10 * 2);
    frame();
    EXPECT_EQ(j[skill_info_open], 1);
    EXPECT_EQ(j[skills_entry], 2);
    EXPECT_EQ(j[skill_list_state], 2);
    // Its close spot brings the list back.
    click(270, 215);
    frame();
    EXPECT_EQ(j[skill_info_open], 0);
    EXPECT_EQ(j[skill_list_state], 1);
}

TEST_F(Screens, HoldingRaiseOnlyPreviewsAndAReleaseRaisesForItsPoints)
{
    open_list();
    click(150, 110 + 10 * 1);
    frame();
    ASSERT_EQ(j[skill_info_open], 1);
    skill_rec &r = p1cr[0].skills[1];
    p1cr[0].skill_points = 3;
    pointer(355, 145);
    j[lmb_held] = 1;
    for (int n = 0; n < 5; n++) frame();
    EXPECT_EQ(r.sk_level, 1);
    EXPECT_EQ(p1cr[0].skill_points, 3);
    j[lmb_held] = 0;
    click(355, 145);
    frame();
    EXPECT_EQ(r.sk_level, 2);
    EXPECT_EQ(p1cr[0].skill_points, 1);
    EXPECT_GT(j[skill_flash], 0);
    click(355, 145);   // one point short of the next
    frame();
    EXPECT_EQ(r.sk_level, 2);
    EXPECT_EQ(p1cr[0].skill_points, 1);
    // The sheet closing takes the box with it.
    j[shown_member] = -1;
    frame();
    EXPECT_EQ(j[skill_info_open], 0);
    EXPECT_EQ(j[skill_list_state], 0);
}

TEST_F(Screens, AttributesRiseOnlyForPoints)
{
    click(530, 8);
    frame();
    ASSERT_EQ(j[attr_open], 1);
    p1cr_rec &p = p1cr[0];
    p.attr_points = 0;
    int base = p.attr[2];
    click(220, 98 + 18 * 1 + 5);   // the raise button of A1
    frame();
    EXPECT_EQ(p.attr[2], base);
    p.attr_points = 1;
    click(220, 98 + 18 * 1 + 5);
    frame();
    EXPECT_EQ(p.attr[2], base + 1);
    EXPECT_EQ(p.attr_points, 0);
    click(220, 98 + 18 * 1 + 5);
    frame();
    EXPECT_EQ(p.attr[2], base + 1);
    // Between the buttons nothing is raised.
    p.attr_points = 1;
    click(220, 98 + 18 * 2 + 14);
    frame();
    EXPECT_EQ(p.attr_points, 1);
    click(365, 185);   // close
    frame();
    EXPECT_EQ(j[attr_open], 0);
}

}  // namespace
}  // namespace hm
