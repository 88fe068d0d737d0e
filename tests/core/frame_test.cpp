// frame_test.cpp -- the camera's part of the frame
#include <gtest/gtest.h>

#include "core/core.h"
#include "platform/headless.h"
#include "runner/script.h"

namespace hm {
namespace {

class Frame : public ::testing::Test {
protected:
    int exit_code = EXIT_NONE;
    void SetUp() override
    {
        hl_reset();
        hl_set_frame_hook(nullptr);
        plat_install_tick(inc_jtimer);
        init_mem();
        mx = my = omx = omy = 10;
        mb1 = mb2 = 0;
        // A camera in the middle of the map.
        f[cam_fx] = 1500;
        f[cam_fy] = 800;
        j[free_camera] = 1;
    }
    void TearDown() override { delete_mem(); }
};

TEST_F(Frame, VelocityOfExactlyTheDeadZoneDoesNotMove)
{
    f[cam_vx] = 0.1f;
    f[cam_vy] = -0.1f;
    play_frame(exit_code);
    EXPECT_EQ(f[cam_fx], 1500.0f);
    EXPECT_EQ(f[cam_fy], 800.0f);
    EXPECT_FLOAT_EQ(f[cam_vx], 0.09f);
    EXPECT_FLOAT_EQ(f[cam_vy], -0.09f);

    f[cam_vx] = 0.11f;
    play_frame(exit_code);
    EXPECT_FLOAT_EQ(f[cam_fx], 1500.11f);
    EXPECT_EQ(j[cam_x], 1500);
    EXPECT_EQ(exit_code, EXIT_NONE);
}

TEST_F(Frame, CameraNeverShowsCellsOffTheMap)
{
    f[cam_fx] = 0;
    f[cam_fy] = 0;
    f[cam_vx] = -5;
    play_frame(exit_code);
    EXPECT_EQ(f[cam_fx], 0.0f);
    // The editor moves the camera wherever it is asked to.
    j[editor_on] = 1;
    f[cam_vx] = -5;
    play_frame(exit_code);
    EXPECT_EQ(f[cam_fx], -5.0f);
    EXPECT_EQ(j[cam_x], -5);
    // Without a free camera no party creature is in view, so it stays.
    j[editor_on] = 0;
    j[free_camera] = 0;
    f[cam_fx] = 1500;
    f[cam_vx] = 3;
    play_frame(exit_code);
    EXPECT_EQ(f[cam_fx], 1500.0f);
}

TEST_F(Frame, ShakeJittersOneFrameOnly)
{
    j[shake] = 1;
    int moved = 0;
    for (int i = 0; i < 20; i++) {
        j[shake] = 1;
        play_frame(exit_code);
        EXPECT_LE(std::abs(j[cam_x] - 1500), 1);
        EXPECT_LE(std::abs(j[cam_y] - 800), 1);
        moved += j[cam_x] != 1500 || j[cam_y] != 800;
        EXPECT_EQ(j[shake], 0);
        EXPECT_EQ(f[cam_fx], 1500.0f);
    }
    EXPECT_GT(moved, 0);
    play_frame(exit_code);
    EXPECT_EQ(j[cam_x], 1500);
}

TEST_F(Frame, PointerIsConfinedWhileTheRightButtonIsHeld)
{
    hl_set_button(1, true);
    hl_add_mickeys(600, 380);
    play_frame(exit_code);
    // The slots keep this frame's unconfined values until the scrolling arrow
    // snaps them to its edge zone at the end of the frame.
    EXPECT_EQ(j[mouse_x], 420);
    EXPECT_EQ(mx, 430);
    EXPECT_EQ(my, 270);
    EXPECT_GT(f[cam_vx], 0.0f);
}

}  // namespace
}  // namespace hm

namespace hm {
namespace {

TEST_F(Frame, EscapeStillCompletesTheFrame)
{
    hl_set_key(K_ESC, true);
    hl_set_key(K_RIGHT, true);
    play_frame(exit_code);
    play_frame(exit_code);
    EXPECT_EQ(exit_code, EXIT_NONE);
    float before = f[cam_fx];
    long long clock = hl_clock_ms();
    hl_set_key(K_ESC, false);
    // Escape asks first; with no game to save, Y quits.
    ASSERT_TRUE(script_parse("frames 2\nkey Y tap\n", "test", ""));
    script_start(0, 0, false);
    hl_set_frame_hook(script_frame);
    play_frame(exit_code);
    hl_set_frame_hook(nullptr);
    EXPECT_EQ(exit_code, EXIT_QUIT);
    EXPECT_GT(f[cam_fx], before);             // the camera still moved
    EXPECT_GE(hl_clock_ms() - clock, 24);     // and the frame was paced
}

}  // namespace
}  // namespace hm
