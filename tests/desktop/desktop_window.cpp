// desktop_window.cpp -- the real window under an X display: its scale, the pointer and the buttons under it
//
// Run by run_desktop.sh on a 1920 x 1080 display of its own; the desktop
// pointer is moved and clicked with xdotool, as a player's hand would.
#include <allegro.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/core.h"
#include "data/data.h"
#include "flow/flow.h"
#include "world/world.h"

namespace hm {
namespace {

std::string run(const std::string &command)
{
    std::string out;
    if (FILE *p = popen(command.c_str(), "r")) {
        char buf[256];
        while (std::fgets(buf, sizeof buf, p)) out += buf;
        pclose(p);
    }
    return out;
}

class Desktop : public ::testing::Test {
protected:
    static std::string window;   // the game window's X id

    static void SetUpTestSuite()
    {
        plat_window_wish(0, false);
        ASSERT_EQ(plat_init_graphics(), 0);
        plat_init_mouse();
        plat_install_tick(inc_jtimer);
        init_mem();
        load_jpal(0, 0, 0);
        load_pic_dat();
        init_wrt_data();
        mx = my = omx = omy = 10;
        for (int i = 0; i < 50 && window.empty(); i++) {
            rest(100);
            window = run("xdotool search --name '^Hollowmere$' | head -1");
        }
        while (!window.empty() && window.back() == '\n') window.pop_back();
        // The window manager's first placement settles before the pointer is measured.
        if (!window.empty()) {
            run("xdotool windowmove --sync " + window + " 0 0");
            point_at(5, 5);
        }
    }

    static void TearDownTestSuite()
    {
        delete_mem();
        allegro_exit();
    }

    // The desktop pointer onto the middle of game pixel (x, y), then a few frames.
    static void point_at(int x, int y)
    {
        int s = SCREEN_W / SCR_W;
        run("xdotool mousemove --window " + window + " " + std::to_string(x * s + s / 2) + " " +
            std::to_string(y * s + s / 2));
        settle();
    }

    // Frames until the pointer has stood still for a few: X delivers motion in its own time.
    static void settle()
    {
        int still = 0, lx = -1, ly = -1;
        for (int i = 0; i < 100 && still < 4; i++) {
            frames(1);
            still = mx == lx && my == ly ? still + 1 : 0;
            lx = mx;
            ly = my;
        }
    }

    static void frames(int n)
    {
        for (int i = 0; i < n; i++) {
            rest(30);
            do_keyr();
            mouse_stuff();
        }
    }

    static void window_origin(int *x, int *y)
    {
        std::string at = run("xdotool getwindowgeometry " + window);
        size_t p = at.find("Position: ");
        *x = *y = 0;
        if (p != std::string::npos) std::sscanf(at.c_str() + p, "Position: %d,%d", x, y);
    }

    static void desktop_pointer(int *x, int *y)
    {
        std::string at = run("xdotool getmouselocation");
        *x = *y = -1;
        std::sscanf(at.c_str(), "x:%d y:%d", x, y);
    }
};
std::string Desktop::window;

TEST_F(Desktop, TheWindowOpensAtTwiceTheSizeOrMore)
{
    ASSERT_FALSE(window.empty());
    EXPECT_GE(SCREEN_W, 2 * SCR_W);
    EXPECT_EQ(SCREEN_W * SCR_H, SCREEN_H * SCR_W);
    // The picture is scaled whole: a written line fills its pixels' squares.
    uint16_t line[SCR_W];
    for (int x = 0; x < SCR_W; x++) line[x] = plat_makecol(x % 256, 90, 200);
    plat_write_line(123, 0, SCR_W, line);
    int s = SCREEN_W / SCR_W;
    for (int x : {0, 77, 639})
        for (int d = 0; d < s * s; d++)
            EXPECT_EQ(getpixel(screen, x * s + d % s, 123 * s + d / s), line[x]) << x;
    EXPECT_EQ(plat_getpixel(77, 123), line[77]);
}

TEST_F(Desktop, TheGamesPointerIsWhereTheDesktopPointerIs)
{
    ASSERT_FALSE(window.empty());
    const int points[][2] = {{320, 200}, {0, 0}, {639, 399}, {17, 390}, {600, 5}, {321, 201}, {100, 300}};
    int s = SCREEN_W / SCR_W, wx = 0, wy = 0;
    window_origin(&wx, &wy);
    for (const auto &p : points) {
        point_at(p[0], p[1]);
        int x, y;
        desktop_pointer(&x, &y);
        EXPECT_EQ(mx, (x - wx) / s) << p[0] << "," << p[1];
        EXPECT_EQ(my, (y - wy) / s) << p[0] << "," << p[1];
        EXPECT_EQ(mx, p[0]);
        EXPECT_EQ(my, p[1]);
    }
    // Off the window the desktop pointer stays where the hand put it.
    run("xdotool mousemove 1900 1060");
    frames(6);
    int x, y;
    desktop_pointer(&x, &y);
    EXPECT_EQ(x, 1900);
    EXPECT_EQ(y, 1060);
    // Back over the window, the two meet again.
    point_at(250, 150);
    EXPECT_EQ(mx, 250);
    EXPECT_EQ(my, 150);
}

TEST_F(Desktop, ClicksLandOnTheButtonsUnderThePointer)
{
    ASSERT_FALSE(window.empty());
    title_screen = TITLE_MENU;
    std::memset(strbg, 0, sizeof strbg);
    point_at(330, 188);   // the players button
    run("xdotool click 1");
    for (int i = 0; i < 10 && title_screen == TITLE_MENU; i++) title_frame();
    EXPECT_EQ(title_screen, TITLE_LIST);
    // Just off the list's scroll arrow: nothing scrolls.
    list_first = 3;
    point_at(410, 50);
    run("xdotool click 1");
    for (int i = 0; i < 5; i++) title_frame();
    EXPECT_EQ(list_first, 3);
    point_at(411, 50);    // its first pixel
    run("xdotool click 1");
    for (int i = 0; i < 5; i++) title_frame();
    EXPECT_EQ(list_first, 2);
}

TEST_F(Desktop, F11AndAltEnterSwitchToTheWholeScreenAndBack)
{
    ASSERT_FALSE(window.empty());
    const int w = SCREEN_W, h = SCREEN_H;
    point_at(200, 120);
    run("xdotool key F11");
    settle();
    EXPECT_EQ(SCREEN_W, 1920);
    EXPECT_EQ(SCREEN_H, 1080);
    // The pointer stays on the same game pixel across the switch.
    EXPECT_EQ(mx, 200);
    EXPECT_EQ(my, 120);
    int seen_enter = 0;
    run("xdotool key alt+Return");
    for (int i = 0; i < 10; i++) {
        frames(1);
        seen_enter |= keyr[K_ENTER];
    }
    EXPECT_EQ(SCREEN_W, w);
    EXPECT_EQ(SCREEN_H, h);
    EXPECT_EQ(seen_enter, 0);   // the Enter of Alt+Enter is not the game's
    run("xdotool key Return");
    for (int i = 0; i < 10; i++) {
        frames(1);
        seen_enter |= keyr[K_ENTER];
    }
    EXPECT_NE(seen_enter, 0);
}

}  // namespace
}  // namespace hm
