// title_test.cpp -- the title's screens: menu, list selection and scrolling, the delete question, backgrounds
#include <vector>

#include "flow_fixture.h"

namespace hm {
namespace {

using Title = FlowTest;

std::string names(int n)
{
    std::string s;
    for (int i = 0; i < n; i++) s += "p" + std::to_string(i) + "~";
    return s + "^";
}

TEST_F(Title, ClicksOnTheListSelectOnlyNamesAndScrollOnlyWhileFirstIsBelow390)
{
    write_file("pnames.txt", names(400));
    EXPECT_EQ(click(240, 188), 0);   // on the players button's edge
    EXPECT_EQ(title_screen, TITLE_MENU);
    EXPECT_EQ(click(300, 188), 0);
    EXPECT_EQ(title_screen, TITLE_LIST);
    EXPECT_EQ(click(420, 50), 0);   // up, at the top
    EXPECT_EQ(list_first, 0);
    list_first = 389;
    click(420, 180);
    click(420, 180);
    EXPECT_EQ(list_first, 390);
    // Names 390..394 are the last that can be shown.
    EXPECT_EQ(continue_game(list_first, list_sel), 394);
    click(300, 185);
    EXPECT_EQ(list_sel, 394);
    // Both stay when the list is left and opened again.
    EXPECT_EQ(tap(K_ESC), 0);
    EXPECT_EQ(title_screen, TITLE_MENU);
    click(300, 188);
    EXPECT_EQ(list_first, 390);
    EXPECT_EQ(list_sel, 394);

    set_list(names(3));
    list_first = 0;
    click(300, 105);   // row 2
    EXPECT_EQ(list_sel, 2);
    click(300, 135);   // row 3: no name
    EXPECT_EQ(list_sel, 2);
    tap(K_ESC);
    EXPECT_EQ(tap(K_ESC), -1);
}

TEST_F(Title, DeleteAsksAndOnlyYDeletes)
{
    ASSERT_EQ(create("first"), 1);
    ASSERT_EQ(create("second"), 1);
    title_screen = TITLE_LIST;
    click(300, 85);
    script("key DEL tap\nframes 3\nkey N tap\nframes 3\n");
    for (int i = 0; i < 4; i++) title_frame();
    EXPECT_EQ(read_file("pnames.txt"), "first~second~^");
    script("key DEL tap\nframes 3\nkey Y tap\nframes 3\n");
    for (int i = 0; i < 4; i++) title_frame();
    EXPECT_EQ(read_file("pnames.txt"), "first~^");
    EXPECT_FALSE(exists("second.cha"));
    EXPECT_TRUE(exists("first.cha"));
}

TEST_F(Title, LoadTakesTheSelectedPlayerOrSaysWhyNot)
{
    ASSERT_EQ(create("first"), 1);
    j[gold] = 4321;
    ASSERT_EQ(write_save("first.cha", 0), 0);
    ASSERT_EQ(create("second"), 1);
    title_screen = TITLE_LIST;
    LorS_pnames(1);
    EXPECT_EQ(click(370, 212), 0);   // beside the load button
    EXPECT_EQ(click(320, 212), 1);
    EXPECT_EQ(j[gold], 4321);
    EXPECT_STREQ(cnam, "first.cha");
    ASSERT_EQ(std::remove("second.cha"), 0);
    list_sel = 1;
    EXPECT_EQ(click(320, 212), 0);
    EXPECT_EQ(j[gold], 4321);
    EXPECT_STREQ(cnam, "second.cha");   // the file looked for
    EXPECT_TRUE(note_shown());
}

TEST_F(Title, TheBackgroundIsTwoPicturesTheSecondSeeThroughWhereZero)
{
    mkdir("art", 0755);
    auto bmp = [&](const std::string &file, int w, int h, int (*paint)(int, int)) {
        std::vector<uint8_t> b(1078, 0);
        b[0] = 'B', b[1] = 'M', b[26] = 1, b[28] = 8;
        b[18] = (uint8_t)w, b[19] = (uint8_t)(w >> 8), b[22] = (uint8_t)h, b[23] = (uint8_t)(h >> 8);
        for (int y = h - 1; y >= 0; y--)
            for (int x = 0; x < w; x++) b.push_back((uint8_t)paint(x, y));
        write_file(file, std::string(b.begin(), b.end()));
    };
    bmp("art/j40.bmp", 640, 400, [](int x, int y) { return 1 + (x + y) % 7; });
    bmp("art/j34.bmp", 100, 60, [](int x, int y) { return x < 50 && y < 30 ? 0 : 9; });
    ASSERT_EQ(std::remove("bmp_data.dat"), 0);   // the link, not the shared archive
    ASSERT_EQ(create_bmp_data_file("art", "bmp_data.dat"), 2);
    load_pic_dat();

    load_strbg(40);
    load_strbg(34);
    load_strbg(41);   // not there: nothing changes
    EXPECT_EQ(strbg[29 * SCR_W + 49], (29 + 49) % 7 + 1);
    EXPECT_EQ(strbg[29 * SCR_W + 50], 9);
    EXPECT_EQ(strbg[59 * SCR_W + 99], 9);
    EXPECT_EQ(strbg[60 * SCR_W + 99], (60 + 99) % 7 + 1);
    EXPECT_EQ(strbg[399 * SCR_W + 639], (399 + 639) % 7 + 1);
}

TEST_F(Title, ClosingTheWindowQuitsAndMakesNoPlayer)
{
    hl_request_close();
    EXPECT_EQ(start_main(), -1);
    EXPECT_STREQ(hl_music_playing(), "m1.mid");
    script("type abc\n");
    EXPECT_EQ(new_game(), 0);
    EXPECT_FALSE(exists("abc.cha") || exists("pnames.txt"));
}

}  // namespace
}  // namespace hm
