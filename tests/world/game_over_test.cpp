// game_over_test.cpp -- a fallen party: when the fade starts, what it leaves on the screen, the way back
#include <cstdlib>

#include "world_fixture.h"

namespace hm {
namespace {

int hook_frames = 0;

// Space goes down in the third frame of waiting and up in the fourth.
void press_space_soon()
{
    hook_frames++;
    hl_set_key(K_SPACE, hook_frames == 3);
}

class GameOver : public WorldTest {
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        hook_frames = 0;
        hl_set_frame_hook(press_space_soon);
        j[battle_stage] = 5;
        for (int m = 0; m < 2; m++) {
            p1cr[m].in_use = 1;
            crt_rec &k = put_creature(m, 40 + m, 40);
            k.party_index = m;
            p1cr[m].crt = m;
        }
        put_creature(5, 45, 40, 2).hp = 30;   // the foe still stands
        the_music = plat_load_midi("m3.mid");
        plat_play_midi(the_music, true);
    }
    void TearDown() override
    {
        hl_set_frame_hook(nullptr);
        WorldTest::TearDown();
    }
};

TEST_F(GameOver, OnlyAWholePartyAtTheEndOfItsFallLosesTheGame)
{
    int code = 0;
    CRT[0].hp = 0;
    CRT[0].dying = 2;
    CRT[1].hp = 3;
    game_over_fade(&code);
    EXPECT_EQ(code, 0) << "one still stands";
    CRT[1].hp = 0;
    CRT[1].dying = 30;
    CRT[0].dying = 3;
    game_over_fade(&code);
    EXPECT_EQ(code, 0) << "both still falling";
    CRT[0].dying = 2;
    j[battle_stage] = 0;
    game_over_fade(&code);
    EXPECT_EQ(code, 0) << "no battle";
    EXPECT_EQ(hook_frames, 0) << "nothing waited for a key";
    EXPECT_STRNE(hl_music_playing(), "");
}

TEST_F(GameOver, TheScreenFadesIntoTheGameOverPictureAndPlayGoesBackToTheTitle)
{
    // The view a bright red, the static screen around it as it stands.
    for (int i = 0; i < VIEW_W * VIEW_H; i++) vs[i] = plat_makecol(240, 16, 16);
    std::memset(scr_buf, 20, SCR_W * SCR_H);
    CRT[0].hp = CRT[1].hp = 0;
    CRT[0].dying = 2;
    CRT[1].dying = 0;
    int code = 0;
    game_over_fade(&code);
    EXPECT_EQ(code, EXIT_TITLE);
    EXPECT_EQ(hook_frames, 4) << "waited for Space to come up";
    EXPECT_STREQ(hl_music_playing(), "");

    // Where the picture has paint it shows nearly whole; elsewhere the old screen,
    // darkened to about a third.
    pic_header h;
    int size = read_pic(32, 7, &h, nullptr, 0);
    ASSERT_EQ(size, SCR_W * SCR_H);
    std::vector<uint8_t> pic((size_t)size);
    ASSERT_EQ(read_pic(32, 7, &h, pic.data(), size), size);
    int inked = 0, blank = 0;
    for (int y = VIEW_Y; y < VIEW_Y + VIEW_H; y++)
        for (int x = VIEW_X; x < VIEW_X + VIEW_W; x++) {
            uint16_t got = hl_screen()[y * SCR_W + x];
            uint8_t p = pic[(size_t)y * SCR_W + x];
            if (p) {
                uint16_t want = jpal_buf[p];
                ASSERT_NEAR(plat_getg(got), plat_getg(want), 12) << x << "," << y;
                inked++;
            } else {
                ASSERT_NEAR(plat_getr(got), 240 * 87 / 256, 9) << x << "," << y;
                blank++;
            }
        }
    EXPECT_GT(inked, 100);
    EXPECT_GT(blank, 100);
}

}  // namespace
}  // namespace hm
