// input_test.cpp -- key and button edges, the pointer clamp, the screen check
#include <gtest/gtest.h>

#include "../common/test_files.h"
#include "core/core.h"
#include "party/party.h"
#include "platform/headless.h"

namespace hm {
namespace {

class Input : public ::testing::Test {
protected:
    void SetUp() override
    {
        hl_reset();
        hl_set_frame_hook(nullptr);
        init_mem();
        mb1 = mb2 = 0;
        mx = my = 10;
    }
    void TearDown() override { delete_mem(); }
};

TEST_F(Input, KeyEdgesFollowPressHoldRelease)
{
    auto frame = [](bool down) {
        hl_set_key(K_A, down);
        do_keyr();
        return (int)keyr[K_A];
    };
    // A one-frame tap: 1 then 2, never 3.
    EXPECT_EQ(frame(true), EDGE_PRESSED);
    EXPECT_EQ(frame(false), EDGE_RELEASED);
    EXPECT_EQ(frame(false), EDGE_UP);
    // Holding: 1, 3, 3; letting go: 2, then 0.
    EXPECT_EQ(frame(true), EDGE_PRESSED);
    EXPECT_EQ(frame(true), EDGE_HELD);
    EXPECT_EQ(frame(true), EDGE_HELD);
    EXPECT_EQ(frame(false), EDGE_RELEASED);
    // Pressed again in the frame right after the release: 2 -> 0 -> 1 in one update.
    EXPECT_EQ(frame(true), EDGE_PRESSED);
}

TEST_F(Input, OnlyTheKeyboardsEntriesAreKept)
{
    keyr[125] = 7;
    keyr[127] = 9;
    clear_keyr();
    EXPECT_EQ(keyr[125], 7);
    do_keyr();
    EXPECT_EQ(keyr[127], 9);
    keyr[125] = keyr[127] = 0;
}

TEST_F(Input, ButtonSlotsFollowTheEdges)
{
    hl_set_button(0, true);
    mouse_stuff();
    EXPECT_EQ(j[lmb_down], 1);
    EXPECT_EQ(j[lmb_held], 1);
    EXPECT_EQ(j[lmb_up], 0);
    mouse_stuff();
    EXPECT_EQ(j[lmb_down], 0);
    EXPECT_EQ(j[lmb_held], 1);
    hl_set_button(0, false);
    mouse_stuff();
    EXPECT_EQ(j[lmb_up], 1);
    EXPECT_EQ(j[lmb_held], 0);   // dropped in the very frame of the release
    mouse_stuff();
    EXPECT_EQ(j[lmb_up], 0);
    EXPECT_EQ(mb1, EDGE_UP);

    hl_set_button(1, true);
    mouse_stuff();
    EXPECT_EQ(j[rmb_down], 1);
    EXPECT_EQ(j[lmb_down], 0);
    EXPECT_EQ(mb2, EDGE_PRESSED);
}

TEST_F(Input, PointerClampsOneBeyondTheLastPixel)
{
    hl_add_mickeys(5000, 5000);
    mouse_stuff();
    EXPECT_EQ(mx, 640);
    EXPECT_EQ(my, 400);
    EXPECT_EQ(j[mouse_x], 640);
    EXPECT_EQ(omx, 10);
    hl_add_mickeys(-1, -1);
    mouse_stuff();
    EXPECT_EQ(mx, 639);
    EXPECT_EQ(my, 399);
    hl_add_mickeys(-9000, -9000);
    mouse_stuff();
    EXPECT_EQ(mx, 0);
    EXPECT_EQ(my, 0);
    EXPECT_EQ(omx, 639);
}

TEST_F(Input, WaitFrameAdvancesTheVirtualClockOnly)
{
    plat_install_tick(inc_jtimer);
    jtimer = 0;
    long long before = hl_clock_ms();
    wait_frame(24);
    EXPECT_EQ(hl_clock_ms() - before, 24);
    EXPECT_EQ(jtimer, 0);
    jtimer = 30;   // a slow frame is not made up for
    wait_frame(24);
    EXPECT_EQ(hl_clock_ms() - before, 24);
}

// Black pixels of the screen outside the map view.
int black_outside_view()
{
    const uint16_t *px = hl_screen();
    int n = 0;
    for (int y = 0; y < SCR_H; y++)
        for (int x = 0; x < SCR_W; x++) {
            bool in_view = x >= 20 && x < 420 && y >= 20 && y < 260;
            n += !in_view && px[y * SCR_W + x] == 0;
        }
    return n;
}

// The check repaints a wiped screen itself (the line editor relies on that too),
// and only in its first thousand calls.
TEST(VideoCheck, RepaintsAWipedScreenForAThousandFrames)
{
    start_game_tables();
    j[istk_shown] = -1;
    j[box_crt] = -1;
    for (int m = 0; m < P1CR_COUNT; m++) p1cr[m].crt = -1;
    const int outside = SCR_W * SCR_H - 400 * 240;
    ASSERT_EQ(black_outside_view(), outside);
    EXPECT_EQ(check_for_video_clear(), 1);
    EXPECT_LT(black_outside_view(), outside / 2);
    EXPECT_EQ(check_for_video_clear(), 0);   // a whole screen is left alone
    for (int i = 3; i <= 1000; i++) check_for_video_clear();
    hl_reset();
    EXPECT_EQ(check_for_video_clear(), 0);   // call 1001 does not look
    EXPECT_EQ(black_outside_view(), outside);
    delete_mem();
}

}  // namespace
}  // namespace hm
