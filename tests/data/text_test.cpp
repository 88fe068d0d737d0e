// text_test.cpp -- the text archive, text layout and glyphs on every target
#include <sys/stat.h>

#include <cstring>

#include "data_fixture.h"

namespace hm {
namespace {

class Text : public DataTest {
protected:
    // Builds an archive of the given text files (t0.txt, t1.txt, ...) and loads it.
    void archive(const std::vector<std::string> &files)
    {
        enter_scratch();
        for (size_t f = 0; f < files.size(); f++) write_file("t" + std::to_string(f) + ".txt", files[f]);
        ASSERT_GE(create_txt_data_file(".", "txt_dat.dat"), 0);
        init_wrt();
        init_wrt_data();
        clear();
    }
    void clear() { std::memset(scr_buf, 0, SCR_W * SCR_H); }
    std::vector<uint8_t> screen_buffer() { return std::vector<uint8_t>(scr_buf, scr_buf + SCR_W * SCR_H); }
};

// File 0 holds one text so that file 1's first text starts at its first byte.
TEST_F(Text, CaretsTakeTheNumbersInTurn)
{
    archive({"#zero~", "Hit ^ for ^~\n^ and ^ and ^~\n"});
    int w = wrt(10, 10, 640, 0, 1, 17, 0, 2, 2, 5, 12);
    auto drawn = screen_buffer();
    clear();
    EXPECT_EQ(w, wrt2(10, 10, 40, 17, 0, 2, "Hit 5 for 12"));
    EXPECT_EQ(drawn, screen_buffer());
    EXPECT_EQ(j[text_w], w);
    EXPECT_EQ(j[text_h], 0);

    // A caret past the numbers given is drawn as itself.
    clear();
    wrt(10, 10, 640, 1, 1, 17, 0, 2, 2, 7, 8);
    drawn = screen_buffer();
    clear();
    wrt2(10, 10, 40, 17, 0, 2, "7 and 8 and ^");
    EXPECT_EQ(drawn, screen_buffer());
}

TEST_F(Text, WordsWrapAfterCrossingTheRightLimit)
{
    archive({"#zero~", "Marshwater Lanternlight Hollowmere~"});
    wrt(10, 10, 60, 0, 1, 17, 0, 2, 0);
    auto drawn = screen_buffer();
    clear();
    int widest = 0;
    const char *words[] = {"Marshwater", "Lanternlight", "Hollowmere"};
    for (int k = 0; k < 3; k++) {
        int w = wrt2(10, 10 + 9 * k, 20, 17, 0, 2, words[k]);
        ASSERT_GT(w, 50);
        // Lines that wrapped end after their space.
        widest = std::max(widest, k < 2 ? w + 4 : w);
    }
    EXPECT_EQ(drawn, screen_buffer());
    EXPECT_EQ(j[text_h], 18);
    EXPECT_EQ(j[text_w], widest);
}

TEST_F(Text, DollarBreaksTheLine)
{
    archive({"#zero~", "A$B~"});
    wrt(30, 50, 640, 0, 1, 15, 0, 2, 0);
    auto drawn = screen_buffer();
    clear();
    wrt2(30, 50, 1, 15, 0, 2, "A");
    wrt2(30, 59, 1, 15, 0, 2, "B");
    EXPECT_EQ(drawn, screen_buffer());
    EXPECT_EQ(j[text_h], 9);
}

TEST_F(Text, AroundTheBoxLinesBelowSixtyEightStartPastThePortrait)
{
    archive({"#zero~", "Lantern Lantern~^ ^ ^ ^ A$B~"});
    wrt_around_box(0, 60, 70, 0, 1, 77, 0, 0, 0, 0, 2);
    auto drawn = screen_buffer();
    clear();
    wrt2(66, 60, 7, 77, 0, 2, "Lantern");
    wrt2(0, 69, 7, 77, 0, 2, "Lantern");
    EXPECT_EQ(drawn, screen_buffer());
    EXPECT_EQ(j[text_h], 9);

    // Three numbers at most, further carets vanish, and '$' is only a character.
    clear();
    wrt_around_box(100, 100, 640, 1, 1, 77, 0, 1, 2, 3, 2);
    drawn = screen_buffer();
    clear();
    wrt2(100, 100, 11, 77, 0, 2, "1 2 3  A$B");
    EXPECT_EQ(drawn, screen_buffer());

    // Nothing laid out leaves the last text's extent.
    clear();
    int last_w = j[text_w], last_h = j[text_h];
    EXPECT_EQ(wrt_around_box(0, 0, 640, -1, 1, 77, 0, 0, 0, 0, 2), 0);
    std::remove("txt_dat.dat");
    EXPECT_EQ(wrt_around_box(0, 0, 640, 0, 1, 77, 0, 0, 0, 0, 2), 0);
    EXPECT_EQ(screen_buffer(), std::vector<uint8_t>(SCR_W * SCR_H, 0));
    EXPECT_EQ(j[text_w], last_w);
    EXPECT_EQ(j[text_h], last_h);
}

TEST_F(Text, MidNumIsTheWidthOfTheDigitsAndSign)
{
    EXPECT_EQ(mid_num(-40), char_width('-') + char_width('4') + char_width('0'));
    EXPECT_GT(mid_num(-40), mid_num(40));
    EXPECT_EQ(mid_num(0), char_width('0'));
}

TEST_F(Text, TextsEndAtTheEndOfTheArchiveEvenUnterminated)
{
    archive({"#zero~", "One~Two"});
    int w = wrt(0, 0, 640, 1, 1, 17, 0, 2, 0);
    auto drawn = screen_buffer();
    clear();
    EXPECT_EQ(w, wrt2(0, 0, 3, 17, 0, 2, "Two"));
    EXPECT_EQ(drawn, screen_buffer());
}

TEST_F(Text, OnlyTildeAndDelEndATextNotBytesAboveThem)
{
    archive({"#zero~", "ab\xc3\xa9 cd~x\x7fy~"});
    int w = wrt(0, 0, 640, 0, 1, 17, 0, 2, 0);
    auto drawn = screen_buffer();
    clear();
    // The two bytes past the width table neither draw nor move the pen.
    EXPECT_EQ(w, wrt2(0, 0, 5, 17, 0, 2, "ab cd"));
    EXPECT_EQ(drawn, screen_buffer());
    EXPECT_EQ(wrt(0, 20, 640, 1, 1, 17, 0, 2, 0), char_width('x'));
}

TEST_F(Text, LookupsOutsideTheIndexDrawNothing)
{
    archive({"#zero~", "One~"});
    EXPECT_TRUE(text_ok(0, 1));
    for (auto [t, f] : std::vector<std::pair<int, int>>{{20000, 1}, {-1, 1}, {0, 500}, {0, -1}, {2, 1}}) {
        EXPECT_FALSE(text_ok(t, f)) << t << "/" << f;
        EXPECT_EQ(wrt(0, 0, 640, t, f, 17, 0, 2, 0), 0);
    }
    EXPECT_EQ(screen_buffer(), std::vector<uint8_t>(SCR_W * SCR_H, 0));
}

TEST_F(Text, AMissingFileHasNoTexts)
{
    enter_scratch();
    write_file("t0.txt", "#zero~Zero~");
    write_file("t2.txt", "Two~");
    ASSERT_EQ(create_txt_data_file(".", "txt_dat.dat"), 3);
    init_wrt();
    init_wrt_data();
    EXPECT_TRUE(text_ok(1, 0));
    EXPECT_FALSE(text_ok(0, 1));
    EXPECT_FALSE(text_ok(1, 1));
    EXPECT_TRUE(text_ok(0, 2));
}

TEST_F(Text, TheBuilderRefusesWhatTheReaderCannotShow)
{
    enter_scratch();
    write_file("t0.txt", std::string(10000, '~'));
    EXPECT_EQ(create_txt_data_file(".", "txt_dat.dat"), -1);
    write_file("t0.txt", std::string(9999, '~'));
    EXPECT_EQ(create_txt_data_file(".", "txt_dat.dat"), 9999);
}

TEST_F(DataTest, TheGamesOwnTextsAreThere)
{
    // The pointer's number and the C key's cell readout.
    std::memset(scr_buf, 0, SCR_W * SCR_H);
    int w = wrt(0, 0, 640, 4, 0, 17, 0, 2, 1, 321);
    EXPECT_EQ(w, mid_num(321));
    w = wrt(0, 20, 640, 0, 4, 17, 0, 2, 2, 12, 34);
    EXPECT_GT(w, mid_num(12) + mid_num(34));
}

// -- glyphs ---------------------------------------------------------------------------
int count_in(const uint16_t *px, int stride, int x0, int y0, int w, int h, uint16_t c)
{
    int n = 0;
    for (int y = y0; y < y0 + h; y++)
        for (int x = x0; x < x0 + w; x++) n += px[y * stride + x] == c;
    return n;
}

TEST_F(DataTest, GlyphsOnEveryTarget)
{
    // Screen: ink and background.
    drawc(100, 100, 'W', 17, 2, 0);
    int ink = count_in(hl_screen(), SCR_W, 100, 100, 8, 9, jpal_buf[17]);
    EXPECT_GT(ink, 10);
    EXPECT_EQ(ink + count_in(hl_screen(), SCR_W, 100, 100, 8, 9, jpal_buf[2]), 9 * std::min(8, char_width('W')));

    // View, the same pixels.
    drawc(50, 60, 'W', 17, 0, 1);
    EXPECT_EQ(count_in(vs, VIEW_W, 50, 60, 8, 9, jpal_buf[17]), ink);
    EXPECT_EQ(count_in(vs, VIEW_W, 50, 60, 8, 9, 0), 72 - ink);   // bg 0: nothing behind

    // Screen buffer: palette indices.
    std::memset(scr_buf, 0, SCR_W * SCR_H);
    drawc(600, 390, 'W', 71, 9, 2);
    int idx = 0;
    for (int y = 390; y < 399; y++)
        for (int x = 600; x < 608; x++) idx += scr_buf[y * SCR_W + x] == 71;
    EXPECT_EQ(idx, ink);

    // Blended into the view: background * a + ink * (255 - a), no background drawn.
    uint16_t back = plat_makecol(200, 40, 80);
    for (int i = 0; i < VIEW_W * VIEW_H; i++) vs[i] = back;
    drawc(10, 10, 'W', 17, 2, 128);
    uint16_t ink_col = jpal_buf[17];
    auto mix = [](int b, int f) { return (b * 128 + f * 127) >> 8; };
    uint16_t want = plat_makecol(mix(plat_getr(back), plat_getr(ink_col)), mix(plat_getg(back), plat_getg(ink_col)),
                                 mix(plat_getb(back), plat_getb(ink_col)));
    EXPECT_EQ(count_in(vs, VIEW_W, 10, 10, 8, 9, want), ink);
    EXPECT_EQ(count_in(vs, VIEW_W, 10, 10, 8, 9, back), 72 - ink);
}

TEST_F(DataTest, GlyphsClipAndOddCodesDrawNothing)
{
    for (int target : {0, 2, 40, 1})
        for (auto [x, y] : std::vector<std::pair<int, int>>{{-5, -5}, {397, 236}, {636, 396}, {-100, 9000}})
            drawc(x, y, '#', 17, 2, target);
    EXPECT_GT(count_in(vs, VIEW_W, 397, 236, 3, 4, jpal_buf[17]), 0);

    std::memset(scr_buf, 0, SCR_W * SCR_H);
    for (int c : {0, 32, 127, 200, 255, -61, 1000}) drawc(5, 5, c, 17, 2, 2);
    EXPECT_EQ(std::vector<uint8_t>(scr_buf, scr_buf + SCR_W * SCR_H), std::vector<uint8_t>(SCR_W * SCR_H, 0));
    // '~' is still in the font: its glyph is the bytes that follow '}'.
    uint8_t saved = tex[TEX_WIDTHS + '~'];
    tex[TEX_WIDTHS + '~'] = 8;
    drawc(5, 5, '~', 17, 0, 2);
    tex[TEX_WIDTHS + '~'] = saved;
    int cols = 8;
    for (int r = 0; r < 9; r++)
        for (int col = 0; col < 8; col++) {
            bool ink = col < cols && tex[('~' - 33) * 72 + r * 8 + col] != 0;
            EXPECT_EQ(scr_buf[(5 + r) * SCR_W + 5 + col], ink ? 17 : 0) << r << "," << col;
        }
    EXPECT_EQ(char_width(133), 0);
    EXPECT_EQ(char_width(-1), 0);
    // A name read verbatim may hold any byte: it neither draws nor moves the pen.
    EXPECT_EQ(wrt2(0, 0, 5, 17, 0, 2, "\xc3\xa9"), 0);
    EXPECT_EQ(wrt2(0, 0, 10, 17, 0, 2, "a b"), char_width('a') + 4 + char_width('b'));
}

TEST_F(DataTest, TheFontIsCompleteAndEveryGlyphDistinct)
{
    ASSERT_NE(tex, nullptr);
    for (int c : {0, (int)'\t', (int)'\n', (int)'\r', (int)' '}) EXPECT_EQ(char_width(c), 0) << c;
    for (int c = 33; c <= 125; c++) {
        EXPECT_GT(char_width(c), 1) << (char)c;
        EXPECT_LE(char_width(c), 9) << (char)c;
        const uint8_t *g = tex + (c - 33) * 72;
        int ink = 0;
        for (int i = 0; i < 72; i++) ink += g[i] != 0;
        EXPECT_GT(ink, 0) << (char)c;
        for (int d = 33; d < c; d++) EXPECT_NE(std::memcmp(g, tex + (d - 33) * 72, 72), 0) << (char)c << (char)d;
    }

    // The sheet for looking at: every glyph in several colours on the screen, and
    // on the view drawn plainly and blended at three strengths over a backdrop.
    const int colours[] = {17, 15, 16, 71, 9, 46, 24, 137, 127, 77};
    for (int k = 0; k < 10; k++) {
        char line[100];
        int n = 0;
        for (int c = 33; c <= 125 && n < 98; c++) line[n++] = (char)c;
        line[n] = 0;
        wrt2(4, 4 + 10 * k, 98, colours[k], k == 9 ? 2 : 0, 0, line);
    }
    for (int y = 0; y < VIEW_H; y++)
        for (int x = 0; x < VIEW_W; x++) vs[y * VIEW_W + x] = jpal_buf[(x / 20 + y / 20) % 2 ? 160 : 226];
    int row = 4;
    for (int target : {1, 3, 100, 200}) {
        wrt2(4, row, 47, 17, 0, target, "The quick brown fox jumps over the lazy dog.");
        wrt2(4, row + 10, 50, 71, 0, target, "0123456789 +-*/=<>()[]{} !?.,;: \"'`#$%&@^_|\\");
        row += 24;
    }
    wrt2(4, row, 60, 12, 0, 1, "Hit 12 for 7. Hollowmere: the marsh remembers.");
    for (int y = 0; y < VIEW_H; y++) plat_write_line(VIEW_Y + 120 + y - 20, 20, VIEW_W, vs + y * VIEW_W);
    mkdir("../shots", 0755);
    EXPECT_EQ(hl_write_bmp("../shots/font.bmp"), 0);
}

}  // namespace
}  // namespace hm
