// interface_layout_test.cpp -- the built interface pictures against the places the game draws them
//
// Every rectangle here comes from the screens' own rules (where a picture is
// drawn, which box a click tests); the pictures are read back from the built
// archive, so a picture drawn at the wrong size, with its face off its click
// box, or a piece that does not meet its neighbour fails here.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "core/core.h"
#include "data/data.h"
#include "platform/headless.h"

namespace hm {
namespace {

struct picture {
    int w = 0, h = 0;
    std::vector<uint8_t> px;
    uint8_t at(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h ? px[(size_t)y * w + x] : 0; }
};

class InterfaceArt : public ::testing::Test {
protected:
    void SetUp() override
    {
        hl_reset();
        init_mem();
        load_pic_dat();
    }
    void TearDown() override { delete_mem(); }

    // Brightness 0..1 of each palette index, from the run directory's jpal.txt.
    static std::vector<double> brightness()
    {
        std::vector<double> l(256, 0);
        FILE *in = std::fopen("jpal.txt", "r");
        if (!in) return l;
        for (int i = 0; i < 256; i++) {
            int r = 0, g = 0, b = 0;
            if (std::fscanf(in, "%d %d %d", &r, &g, &b) != 3) break;
            l[i] = (0.3 * r + 0.59 * g + 0.11 * b) / 63.0;
        }
        std::fclose(in);
        return l;
    }

    static picture load(int n, int g)
    {
        picture p;
        pic_header h;
        int size = read_pic(n, g, &h, nullptr, 0);
        if (size < 0) return p;
        p.px.resize((size_t)size);
        read_pic(n, g, &h, p.px.data(), size);
        p.w = (int)h.width;
        p.h = (int)h.height;
        return p;
    }
};

// A picture drawn with its top-left at (x, y) and a box the game tests on it,
// inclusive pixel bounds, all in one coordinate space.
struct placed {
    int g, n, x, y;
    int x0, y0, x1, y1;
};

// Share of the box's pixels that the picture covers with something opaque; -1
// when the box reaches outside the picture.
double coverage(const picture &p, const placed &c)
{
    if (c.x0 < c.x || c.y0 < c.y || c.x1 >= c.x + p.w || c.y1 >= c.y + p.h) return -1;
    int hit = 0, all = 0;
    for (int y = c.y0; y <= c.y1; y++)
        for (int x = c.x0; x <= c.x1; x++) {
            all++;
            hit += p.at(x - c.x, y - c.y) != 0;
        }
    return (double)hit / all;
}

TEST_F(InterfaceArt, EveryButtonFillsTheBoxItsClickTests)
{
    // Screen positions; view positions are moved by (20, 20).  Exclusive click
    // bounds a < x < b become a + 1 .. b - 1.
    std::vector<placed> boxes = {
        {7, 7, 322, 274, 323, 275, 417, 289},    {7, 8, 386, 356, 387, 357, 417, 387},
        {7, 59, 569, 278, 569, 278, 600, 293},   {7, 60, 569, 278, 569, 278, 600, 293},
        {7, 100, 569, 294, 569, 294, 600, 309},  {7, 98, 0, 350, 1, 351, 19, 389},
        {7, 69, 0, 270, 1, 271, 19, 289},        {7, 69, 0, 270, 1, 291, 19, 309},
        {7, 94, 0, 270, 1, 271, 19, 309},        {7, 95, 0, 270, 1, 271, 19, 309},
        {7, 29, 0, 270, 1, 271, 19, 289},        {7, 70, 0, 270, 1, 271, 19, 289},
        {7, 71, 0, 290, 1, 291, 19, 309},        {7, 72, 80, 0, 81, 0, 99, 15},
        {7, 73, 80, 0, 81, 0, 99, 15},           {7, 74, 440, 250, 441, 251, 529, 269},
        {7, 74, 440, 250, 531, 254, 619, 269},   {7, 75, 440, 250, 531, 251, 619, 269},
        {7, 76, 558, 374, 559, 375, 613, 385},   {7, 49, 220, 270, 401, 271, 419, 329},
        {7, 49, 220, 270, 401, 331, 419, 389},   {7, 50, 220, 270, 401, 271, 419, 389},
        {7, 5, 20, 270, 21, 271, 198, 389},      {7, 5, 20, 270, 200, 271, 219, 329},
        {7, 5, 20, 270, 200, 331, 219, 388},     {7, 1, 440, 16, 441, 17, 619, 55},
        {7, 2, 440, 16, 441, 17, 619, 135},      {7, 2, 440, 16, 586, 20, 596, 28},
        {7, 4, 442, 0, 443, 3, 489, 15},         {7, 24, 490, 0, 491, 3, 569, 15},
        {7, 30, 470, 242, 471, 243, 589, 261},   {7, 117, 20, 250, 21, 251, 99, 259},
        {7, 118, 20, 250, 21, 251, 99, 259},     {7, 53, 120, 120, 121, 121, 319, 179},
        {7, 54, 120, 120, 121, 121, 319, 179},   {7, 101, 261, 200, 262, 201, 280, 229},
        {7, 101, 355, 172, 356, 173, 374, 199},  {7, 109, 65, 125, 66, 126, 79, 154},
        {7, 110, 65, 154, 66, 155, 79, 181},     {7, 112, 340, 130, 341, 131, 371, 161},
        {7, 113, 340, 130, 341, 131, 371, 161},  {7, 116, 180, 110, 211, 111, 229, 129},
        {7, 123, 215, 98, 216, 98, 226, 109},    {7, 126, 215, 98, 216, 98, 226, 109},
        {7, 82, 248, 72, 249, 73, 279, 103},     {7, 83, 248, 72, 249, 73, 279, 103},
        {7, 88, 280, 72, 281, 73, 311, 103},     {7, 89, 280, 72, 281, 73, 311, 103},
        {7, 85, 248, 104, 249, 105, 311, 135},   {7, 90, 248, 104, 249, 105, 311, 135},
        {7, 35, 240, 200, 241, 201, 419, 223},   {7, 36, 236, 176, 241, 177, 419, 199},
        {7, 37, 230, 192, 241, 201, 419, 223},   {7, 38, 226, 168, 241, 177, 419, 199},
        {7, 45, 270, 200, 271, 201, 369, 223},   {7, 46, 260, 200, 271, 201, 369, 223},
        {7, 43, 230, 40, 231, 41, 409, 189},     {7, 43, 230, 40, 411, 41, 429, 59},
        {7, 43, 230, 40, 411, 171, 429, 189},    {7, 119, 100, 0, 101, 0, 199, 19},
        {7, 64, 0, 0, 1, 1, 15, 15},
    };
    for (int n : {25, 26, 51, 52, 66, 67, 79, 96, 97}) boxes.push_back({7, n, 322, 292, 323, 293, 417, 307});
    for (int k = 0; k < 15; k++) {
        int x = 446 + 34 * (k % 5), y = 140 + 34 * (k / 5);
        boxes.push_back({7, 9 + k, x, y, x, y, x + 31, y + 31});
    }
    for (const placed &b : boxes) {
        picture p = load(b.n, b.g);
        ASSERT_GT(p.w, 0) << "picture " << b.n << " of group " << b.g << " is missing";
        double c = coverage(p, b);
        EXPECT_GE(c, 0.75) << "picture " << b.n << " (" << p.w << " x " << p.h << ") at (" << b.x << ", " << b.y
                           << ") against the box " << b.x0 << ".." << b.x1 << " x " << b.y0 << ".." << b.y1;
    }
}

TEST_F(InterfaceArt, PointersAreSixteenSquareWithTheirTipOnTheHotSpot)
{
    const int pointers[] = {0, 1, 5, 9, 13, 17, 18, 27, 28, 30, 33, 34, 35, 36, 37, 38, 40};
    for (int n : pointers) {
        picture p = load(n, 8);
        ASSERT_EQ(p.w, 16) << n;
        ASSERT_EQ(p.h, 16) << n;
        bool tip = false;
        for (int y = 0; y < 3; y++)
            for (int x = 0; x < 3; x++) tip = tip || p.at(x, y);
        EXPECT_TRUE(tip) << "pointer " << n << " has nothing at its hot spot";
    }
    // The scroll arrows stand at the view's edges and corners, the belt pictures
    // are read as pointers too: all 16 x 16.
    for (int n = 19; n <= 26; n++) EXPECT_EQ(load(n, 8).w * load(n, 8).h, 256) << n;
    for (int n = 41; n < 125; n++) {
        picture p = load(n, 8);
        if (p.w) {
            EXPECT_EQ(p.w * p.h, 256) << "belt picture " << n;
        }
    }
}

TEST_F(InterfaceArt, TextBoxCornersContinueTheFrameBands)
{
    // The frame's band i (from the outside) has colour base + i on every side; a
    // corner piece may leave a band clear or paint it, but where it stops, at its
    // inner edges, it must not break the band with another colour.
    for (int style = 0; style < 2; style++) {
        int base = style ? 137 : 125, top = style ? 124 : 62;
        picture tl = load(top, 7), bl = load(top + 1, 7);
        ASSERT_EQ(tl.w, 32);
        ASSERT_EQ(bl.h, 32);
        for (int i = 0; i < 8; i++) {
            uint8_t a = tl.at(31, i), b = tl.at(i, 31), c = bl.at(31, 31 - i), d = bl.at(i, 0);
            EXPECT_TRUE(a == 0 || a == base + i) << "top piece " << top << ", band " << i;
            EXPECT_TRUE(b == 0 || b == base + i) << "top piece " << top << ", band " << i;
            EXPECT_TRUE(c == 0 || c == base + i) << "bottom piece " << top + 1 << ", band " << i;
            EXPECT_TRUE(d == 0 || d == base + i) << "bottom piece " << top + 1 << ", band " << i;
        }
        EXPECT_NE(tl.at(0, 0), 0) << "the corner itself is dressed";
        EXPECT_NE(bl.at(0, 31), 0);
    }
}

TEST_F(InterfaceArt, TheFrameIsWholeAndTheBoardMeetsItsBezel)
{
    picture frame = load(0, 7), board = load(68, 7);
    ASSERT_EQ(frame.w, 640);
    ASSERT_EQ(frame.h, 400);
    ASSERT_EQ(board.w, 640);
    int holes = 0;
    for (int y = 0; y < 400; y++)
        for (int x = 0; x < 640; x++) {
            bool view = x >= 20 && x < 420 && y >= 20 && y < 260;
            if (!view && !frame.at(x, y)) holes++;
        }
    EXPECT_EQ(holes, 0) << "the static screen shows every pixel of the frame outside the view";
    // The view's bezel runs to column 423; the board starts right after it and
    // covers the party panel to the screen's edge.
    for (int y = 0; y < 400; y++) {
        EXPECT_EQ(board.at(423, y), 0) << y;
        EXPECT_NE(board.at(424, y), 0) << y;
        EXPECT_NE(board.at(620, y), 0) << y;
    }
    for (int x = 0; x < 424; x += 7)
        for (int y = 0; y < 400; y += 5) ASSERT_EQ(board.at(x, y), 0) << x << ", " << y;
}

TEST_F(InterfaceArt, GridPlacesIconsAndTheHighlightShareOneBox)
{
    // Skill icons at (454 + 28c, 276 + 28r), empty places 61 at (453 + 28c, 275 + 28r),
    // the highlight 58 drawn first under an icon; on the belt, 58 at (446, 276) and
    // the 16-pixel belt picture 4 pixels inside it, the locked place 61 at (445, 275).
    auto bounds = [](const picture &p, int &x0, int &y0, int &x1, int &y1) {
        x0 = y0 = 99;
        x1 = y1 = -1;
        for (int y = 0; y < p.h; y++)
            for (int x = 0; x < p.w; x++)
                if (p.at(x, y)) {
                    x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
                }
    };
    int x0, y0, x1, y1;
    picture empty = load(61, 7), mark = load(58, 7);
    bounds(empty, x0, y0, x1, y1);
    EXPECT_EQ(x0 + 453, 454);
    EXPECT_EQ(y0 + 275, 276);
    EXPECT_EQ(x1 + 453, 454 + 23);
    EXPECT_EQ(y1 + 275, 276 + 23);
    ASSERT_EQ(mark.w, 24);
    ASSERT_EQ(mark.h, 24);
    for (int i = 0; i < 24; i++) {
        EXPECT_NE(mark.at(i, 1), 0);
        EXPECT_NE(mark.at(1, i), 0);
        EXPECT_NE(mark.at(i, 22), 0);
        EXPECT_NE(mark.at(22, i), 0);
    }
    for (int n = 0; n <= 17; n++) {
        picture icon = load(n, 9);
        ASSERT_EQ(icon.w, 24) << n;
        ASSERT_EQ(icon.h, 24) << n;
        bounds(icon, x0, y0, x1, y1);
        EXPECT_GE(x0, 2) << "icon " << n << " leaves the highlight's rim free";
        EXPECT_GE(y0, 2) << n;
        EXPECT_LE(x1, 21) << n;
        EXPECT_LE(y1, 21) << n;
    }
}

TEST_F(InterfaceArt, LockTexturesTurnAboutTheirMiddle)
{
    // The disc's gate and the pick's needle both point to the texture's top edge,
    // which the rotation turns to the angle: a disc is caught when they meet.
    picture disc = load(10, 4), pick = load(12, 4), dial = load(11, 4), cover = load(14, 4);
    ASSERT_GT(disc.w, 0);
    EXPECT_EQ(dial.w, 128);
    EXPECT_EQ(dial.h, 128);
    int dc = disc.w / 2;
    EXPECT_EQ(disc.at(dc, 3), 0) << "the gate is open at the top";
    EXPECT_NE(disc.at(dc, disc.h - 4), 0) << "the ring is whole at the bottom";
    EXPECT_NE(disc.at(dc - 14, 4), 0) << "the ring beside the gate";
    EXPECT_EQ(disc.at(dc, disc.h / 2), 0) << "inner discs show through the middle";
    EXPECT_EQ(disc.at(1, 1), 0) << "a round disc leaves its square's corners clear";
    int pc = pick.w / 2;
    int above = 0, below = 0;
    for (int y = 4; y < pick.h / 4; y++) above += pick.at(pc, y) != 0;
    for (int y = pick.h * 3 / 4; y < pick.h - 2; y++) below += pick.at(pc, y) != 0;
    EXPECT_GT(above, pick.h / 8) << "the needle points up";
    EXPECT_EQ(below, 0) << "and not down";
    EXPECT_NE(pick.at(pc, pick.h / 2), 0) << "the hub covers the discs' middle";
    EXPECT_EQ(dial.at(64, 64), 0) << "the dial shows the discs through its opening";
    EXPECT_NE(dial.at(2, 2), 0) << "and covers the window's corners";
    EXPECT_NE(dial.at(64, 2), 0);
    EXPECT_EQ(cover.at(1, 1), 0);
    EXPECT_NE(cover.at(cover.w / 2, cover.h / 2), 0);
}

TEST_F(InterfaceArt, LitTitleButtonsDoNotPaintOverTheirNeighbour)
{
    // The menu's buttons touch: "Players" 240..419 x 176..199 above "New player"
    // 240..419 x 200..223.  Lit "New player" (37, at (230, 192)) is drawn after
    // "Players", so it must leave that button's rows clear; "Players" (36, at
    // (236, 176)) and its lit form (38) show the same face from column 240.
    picture lit_new = load(37, 7), players = load(36, 7), lit_players = load(38, 7);
    for (int y = 192; y < 200; y++)
        for (int x = 240; x < 420; x++) ASSERT_EQ(lit_new.at(x - 230, y - 192), 0) << x << ", " << y;
    for (int y = 176; y < 200; y++) {
        for (int x = 236; x < 240; x++) EXPECT_EQ(players.at(x - 236, y - 176), 0);
        EXPECT_NE(players.at(240 - 236, y - 176), 0);
        EXPECT_NE(players.at(419 - 236, y - 176), 0);
        EXPECT_NE(lit_players.at(240 - 226, y - 168), 0);
        EXPECT_NE(lit_players.at(419 - 226, y - 168), 0);
    }
}

TEST_F(InterfaceArt, TheGameOverPictureLetsTheBattleShowThrough)
{
    picture g = load(32, 7);
    ASSERT_EQ(g.w, 640);
    ASSERT_EQ(g.h, 400);
    long clear = 0;
    for (uint8_t v : g.px) clear += v == 0;
    EXPECT_GT(clear, 640L * 400 / 3) << "much of the screen stays visible, darkened";
    EXPECT_NE(g.at(0, 0), 0) << "the edges close in";
    EXPECT_NE(g.at(639, 399), 0);
    EXPECT_NE(g.at(320, 200), 0) << "the message stands in the middle";
}


TEST_F(InterfaceArt, TextTheGameWritesReadsOnItsGround)
{
    // Where the game writes text over a picture, in which colour (the picture's
    // own coordinates): the ground there must stand well apart from the ink.
    struct writing {
        int g, n;
        int x0, y0, x1, y1;
        int colour;
        const char *what;
    };
    const writing w[] = {
        {7, 0, 18, 5, 70, 13, 15, "the gold at (18, 5)"},
        {7, 1, 6, 4, 140, 12, 15, "a member's name in the party row"},
        {7, 1, 6, 17, 120, 25, 42, "hit points in the party row"},
        {7, 1, 6, 29, 120, 37, 128, "mana in the party row"},
        {7, 2, 4, 5, 140, 13, 74, "the name being edited on the sheet"},
        {7, 5, 22, 5, 150, 13, 14, "a creature's name in the list"},
        {7, 5, 22, 29, 150, 37, 71, "the picked creature's name"},
        {7, 5, 22, 53, 150, 61, 1, "an item's name (its black copy)"},
        {7, 5, 204, 6, 398, 110, 12, "the statistics box's lines"},
        {7, 49, 5, 20, 175, 115, 127, "the creature's statistics"},
        {7, 50, 5, 24, 175, 115, 127, "the creature's conditions"},
        {7, 53, 8, 7, 150, 26, 17, "experience and gold after a battle"},
        {7, 84, 28, 5, 62, 13, 15, "a disc's resistance"},
        {7, 84, 28, 5, 62, 13, 9, "a caught disc"},
        {7, 85, 40, 18, 62, 26, 15, "the chance to force the lock"},
        {7, 103, 19, 4, 50, 12, 46, "uses left"},
        {7, 120, 9, 4, 50, 12, 46, "the mana cost"},
        {7, 120, 9, 4, 50, 12, 8, "a mana cost out of reach"},
        {7, 111, 22, 12, 90, 30, 146, "skill points"},
        {7, 99, 20, 20, 200, 28, 137, "the skill's name"},
        {7, 99, 20, 34, 240, 120, 137, "the skill's description"},
        {7, 104, 40, 55, 200, 175, 137, "the skill list's entries"},
        {7, 43, 12, 10, 170, 18, 15, "a player's name"},
        {7, 43, 12, 40, 170, 48, 71, "the selected player"},
        {7, 41, 12, 10, 190, 18, 71, "the name being typed"},
        {7, 115, 10, 6, 200, 14, 76, "a member's level-up line"},
        {7, 81, 14, 4, 113, 11, 36, "the lock's timer bar"},
    };
    std::vector<double> lum = brightness();
    for (const writing &t : w) {
        picture p = load(t.n, t.g);
        ASSERT_GT(p.w, t.x1) << t.what;
        ASSERT_GT(p.h, t.y1) << t.what;
        double sum = 0;
        int n = 0, clear = 0;
        for (int y = t.y0; y <= t.y1; y++)
            for (int x = t.x0; x <= t.x1; x++) {
                uint8_t v = p.at(x, y);
                clear += v == 0;
                sum += lum[v];
                n++;
            }
        EXPECT_EQ(clear, 0) << t.what << ": the text needs a ground under it";
        EXPECT_GE(std::fabs(sum / n - lum[t.colour]), 0.22) << t.what << " in colour " << t.colour;
    }
}

// The creature list's names must read at a glance in battle: measured as the
// contrast ratio of screen text (relative luminance, sRGB) against every row's
// ground, the names and the picked name both reach 4.5 to 1.
TEST_F(InterfaceArt, CreatureNamesReadOnEveryRowOfTheList)
{
    std::vector<double> lin(256, 0);
    FILE *in = std::fopen("jpal.txt", "r");
    ASSERT_NE(in, nullptr);
    for (int i = 0; i < 256; i++) {
        int rgb[3] = {0, 0, 0};
        ASSERT_EQ(std::fscanf(in, "%d %d %d", &rgb[0], &rgb[1], &rgb[2]), 3);
        double ch[3];
        for (int k = 0; k < 3; k++) {
            double v = rgb[k] / 63.0;
            ch[k] = v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        }
        lin[i] = 0.2126 * ch[0] + 0.7152 * ch[1] + 0.0722 * ch[2];
    }
    std::fclose(in);
    auto ratio = [](double a, double b) { return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05); };
    picture p = load(5, 7);
    ASSERT_GT(p.w, 150);
    for (int row = 0; row < 5; row++) {
        // The name's box in the panel: from x 22 (screen 42), rows 5..13 below the row's top.
        double sum = 0;
        int n = 0;
        for (int y = 5 + 24 * row; y <= 13 + 24 * row; y++)
            for (int x = 22; x <= 150; x++, n++) sum += lin[p.at(x, y)];
        double ground = sum / n;
        EXPECT_GE(ratio(lin[14], ground), 4.5) << "a creature's name on row " << row;
        EXPECT_GE(ratio(lin[71], ground), 4.5) << "the picked creature's name on row " << row;
    }
}

TEST_F(InterfaceArt, PicturesWithoutClicksStayInTheirPlaces)
{
    struct room {
        int g, n;
        int max_w, max_h;
        const char *why;
    };
    const room rooms[] = {
        {7, 6, 174, 20, "row highlight: x 25..198, rows 24 apart"},
        {7, 48, 14, 40, "turn marker: left of the party row at x 440"},
        {7, 56, 17, 24, "side mark: the name starts at x 42"},
        {7, 57, 17, 24, "side mark"},
        {7, 65, 17, 24, "side mark"},
        {7, 77, 24, 20, "worn mark inside a 24-pixel row"},
        {7, 128, 6, 9, "requirement bullet: its text at x + 6"},
        {7, 61, 28, 28, "grid place: 28 apart"},
        {7, 58, 28, 28, "grid highlight: 28 apart"},
        {7, 103, 59, 40, "uses box from x 561 to the panel's edge at 619"},
        {7, 120, 59, 32, "mana box from x 561"},
        {7, 111, 114, 170, "skill points box from view x 286"},
        {7, 99, 380, 220, "skill box from view (20, 20)"},
        {7, 104, 380, 220, "skill list from view (20, 20)"},
        {7, 115, 340, 20, "level-up rows from view x 60, 20 apart"},
        {7, 117, 400, 10, "start button at view (0, 230)"},
        {7, 44, 480, 380, "delete question at (160, 20)"},
        {7, 42, 400, 23, "name heading above the field at y 180"},
    };
    for (const room &r : rooms) {
        picture p = load(r.n, r.g);
        ASSERT_GT(p.w, 0) << r.why;
        EXPECT_LE(p.w, r.max_w) << r.why;
        EXPECT_LE(p.h, r.max_h) << r.why;
    }
    // The level-up box stands centred over its rows on the view's column 200,
    // its close spot (x 191..209) in its middle.
    picture box = load(116, 7);
    EXPECT_EQ(160 + box.w / 2, 200);
    // The world-map marker is drawn 3 pixels up and left of the party's point.
    picture marker = load(33, 7);
    EXPECT_NE(marker.at(3, 3), 0);
    EXPECT_EQ(marker.w % 4, 0);
}

}  // namespace
}  // namespace hm
