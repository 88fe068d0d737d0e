// drawing_test.cpp -- tiles, objects, raw pictures and creatures in the view; the flushes
#include <algorithm>

#include "world_fixture.h"

namespace hm {
namespace {

constexpr uint16_t UNTOUCHED = 0x1234;

int tile_px(int x, int y) { return 1 + (x * 3 + y * 11) % 200; }
// Run-length pictures: a hole of long transparent runs, and a transparent last column.
int object_px(int x, int y) { return (y < 12 && x >= 8 && x < 30) || x % 47 == 46 ? 0 : 1 + (x * 5 + y * 7) % 180; }
int sprite_px(int x, int y) { return x < 3 ? 0 : 40 + (x + y) % 50; }

class Drawing : public WorldTest {
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        use_pictures({
            {0, 5, 40, 20, tile_px},
            {0, 6, 40, 20, [](int x, int) { return x % 2 ? 0 : 9; }},
            {1, 10, 48, 70, object_px},
            {1, 11, 80, 30, object_px},
            {2, 61, 40, 20, tile_px},
            {3, 4, 20, 30, sprite_px},
            {4, 2, 20, 12, tile_px},
        });
        clear_view();
    }

    void clear_view()
    {
        for (int i = 0; i < VIEW_W * VIEW_H; i++) vs[i] = UNTOUCHED;
    }

    // The view holds exactly the picture paint (w x h) with its top-left at (x, y).
    void expect_picture(int x, int y, int w, int h, int (*paint)(int, int), bool mirrored = false)
    {
        int wrong = 0;
        for (int vy = 0; vy < VIEW_H; vy++)
            for (int vx = 0; vx < VIEW_W; vx++) {
                int px = vx - x, py = vy - y;
                bool inside = px >= 0 && px < w && py >= 0 && py < h;
                int i = inside ? paint(mirrored ? w - 1 - px : px, py) : 0;
                uint16_t want = i ? colour(i) : UNTOUCHED;
                if (view_px(vx, vy) != want && wrong++ < 5)
                    ADD_FAILURE() << "view pixel (" << vx << ", " << vy << ") for a picture at (" << x << ", " << y << ")";
            }
        EXPECT_EQ(wrong, 0);
    }
};

TEST_F(Drawing, AGroundTileLeftOfTheViewStartsAtColumnZero)
{
    gr_light[12 * VIEW_W + 0] = 5;
    draw_grnd(5, 0, -30, 12);
    EXPECT_EQ(view_px(0, 12), colour(tile_px(30, 0), 5));   // lit by the view's light map
    EXPECT_EQ(view_px(9, 12), colour(tile_px(39, 0)));
    EXPECT_EQ(view_px(10, 12), UNTOUCHED);
    EXPECT_EQ(view_px(0, 21), colour(tile_px(21, 9)));       // the tenth row
    EXPECT_EQ(view_px(18, 21), colour(tile_px(39, 9)));
    EXPECT_EQ(view_px(19, 21), UNTOUCHED);
    EXPECT_EQ(view_px(0, 11), UNTOUCHED);

    // Cut at the right and bottom edges; the slant moves each row one pixel right.
    clear_view();
    draw_grnd(5, 0, 380, 230);
    EXPECT_EQ(view_px(380, 230), colour(tile_px(0, 0)));
    EXPECT_EQ(view_px(399, 230), colour(tile_px(19, 0)));
    EXPECT_EQ(view_px(389, 239), colour(tile_px(0, 9)));
    EXPECT_EQ(view_px(379, 230), UNTOUCHED);
    EXPECT_EQ(view_px(388, 239), UNTOUCHED);

    // The second ground lets index 0 through; the first does not.
    clear_view();
    draw_grnd2(6, 0, 100, 100);
    EXPECT_EQ(view_px(100, 100), colour(9));
    EXPECT_EQ(view_px(101, 100), UNTOUCHED);
    draw_grnd(6, 0, 100, 100);
    EXPECT_EQ(view_px(101, 100), colour(0));

    // A flat roof takes one shade for the whole tile.
    draw_rf(61, 2, 200, 50, 7);
    EXPECT_EQ(view_px(201, 51), colour(tile_px(0, 1), 7));
    draw_rf(61, 2, 200, 50, 900);   // shades past the table read its black end
    EXPECT_EQ(view_px(201, 51), colour(tile_px(0, 1), 255));
}

TEST_F(Drawing, TheGridDotsTheTopAndLeftEdges)
{
    j[grid_on] = 1;
    draw_grnd(5, 0, 100, -4);   // its first visible row is view row 0
    uint16_t dot = colour(16);
    for (int k = 0; k < 10; k++) EXPECT_EQ(view_px(100 + 4 * k, 0), dot);
    EXPECT_NE(view_px(102, 0), dot);
    EXPECT_EQ(view_px(102, 2), dot);
    EXPECT_EQ(view_px(114, 14), dot);
    EXPECT_NE(view_px(101, 1), dot);
}

TEST_F(Drawing, ObjectsAreAnchoredToTheirCell)
{
    draw_ls(10, 1, 100, 100, 0);   // 48 x 70: moved up by 30
    expect_picture(100, 70, 48, 70, object_px);
    clear_view();
    draw_ls(11, 1, 100, 100, 0);   // 80 x 30: moved left by 10
    expect_picture(90, 100, 80, 30, object_px);
    clear_view();
    draw_ls(11, 1, 100, 100, 3);
    EXPECT_EQ(view_px(90, 100), colour(object_px(0, 0), 3));
}

TEST_F(Drawing, RunLengthPicturesCutAtAnyEdgeShowExactlyTheirVisiblePart)
{
    const int spots[][2] = {{-20, -30}, {-47, 10}, {-5, 225}, {370, 200}, {380, -60}, {-40, -65}, {399, 239},
                            {-48, 0}, {100, -100}, {200, 240}};
    for (const auto &s : spots) {
        SCOPED_TRACE("at " + std::to_string(s[0]) + ", " + std::to_string(s[1]));
        clear_view();
        draw_ls(10, 1, s[0], s[1] + 30, 0);
        expect_picture(s[0], s[1], 48, 70, object_px);
        clear_view();
        draw_ls(11, 1, s[0] + 10, s[1], 0);
        expect_picture(s[0], s[1], 80, 30, object_px);
    }
}

TEST_F(Drawing, RawPicturesMirrorAndClip)
{
    for (int dir : {1, -1})
        for (int x : {-15, 0, 385}) {
            SCOPED_TRACE("dir " + std::to_string(dir) + " at x " + std::to_string(x));
            clear_view();
            draw_pic(2, 4, x, -5, dir, 0);
            expect_picture(x, -5, 20, 12, [](int px, int py) { return tile_px(px, py); }, dir != 1);
        }
    // Blended: a larger weight keeps more of the background.
    for (int i = 0; i < VIEW_W * VIEW_H; i++) vs[i] = plat_makecol(200, 0, 0);
    draw_pic(2, 4, 0, 0, 1, 192);
    uint16_t pic = colour(tile_px(0, 0)), got = view_px(0, 0);
    int back = plat_getr(plat_makecol(200, 0, 0));
    EXPECT_EQ(plat_getr(got), plat_getr(plat_makecol((back * 192 + plat_getr(pic) * 63) >> 8, 0, 0)));
}

TEST_F(Drawing, TilesOutsideTheViewAreStillTakenIntoTheStore)
{
    draw_grnd(5, 0, 500, 10);
    draw_rf(61, 2, 10, -40, 0);
    EXPECT_GE(PIC[0][5], 0);
    EXPECT_GE(PIC[2][61], 0);
    EXPECT_EQ(j[swinf_used], 2);
    for (int i = 0; i < VIEW_W * VIEW_H; i++) ASSERT_EQ(vs[i], UNTOUCHED);
}

TEST_F(Drawing, MissingPicturesDrawNothing)
{
    draw_grnd(7, 0, 10, 10);       // not in the archive
    draw_grnd2(-1, 0, 10, 10);     // numbers outside their group
    draw_ls(250, 1, 10, 10, 0);
    draw_ls(61, 2, 10, 10, 0);     // a flat roof is no run-length picture
    draw_rf(59, 2, 10, 10, 0);
    draw_pic(10, 1, 10, 10, 1, 0); // nor is an object a raw one
    draw_crt(9, 3, 50, 50, -1, 0);
    draw_bmp(2000, 6, 10, 10, 1, 0);
    for (int i = 0; i < VIEW_W * VIEW_H; i++) ASSERT_EQ(vs[i], UNTOUCHED);
}

TEST_F(Drawing, CreaturesStandOnTheirAnchorAndFaceTheirWay)
{
    draw_crt(4, 3, 100, 100, -1, 0);   // bottom centre at (100, 100)
    expect_picture(90, 70, 20, 30, sprite_px);
    crt_rec &c = put_creature(5, 10, 10);
    c.facing = -1;
    clear_view();
    draw_crt(4, 3, 100, 100, 5, 2);   // mirrored: column c shows picture column 19 - c
    EXPECT_EQ(view_px(90, 70), colour(sprite_px(19, 0), 2));
    EXPECT_EQ(view_px(99, 70), colour(sprite_px(10, 0), 2));
    EXPECT_EQ(view_px(98, 99), colour(sprite_px(11, 29), 2));
    EXPECT_EQ(view_px(107, 70), UNTOUCHED);
}

TEST_F(Drawing, AFireSpiritTakesTwoRollsEachTimeItIsDrawn)
{
    crt_rec &c = put_creature(5, 10, 10);
    auto rolls_left_after = [&](int type) {
        c.type = type;
        srandom(99);
        draw_crt(4, 3, 100, 100, 5, 0);
        return hm::random();
    };
    srandom(99);
    int first = hm::random();
    hm::random();
    int third = hm::random();
    EXPECT_EQ(rolls_left_after(12), third);
    EXPECT_EQ(rolls_left_after(11), first);
    EXPECT_EQ(rolls_left_after(13), first);
    // A sprite without a creature carries no overlay.
    srandom(99);
    draw_crt(4, 3, 100, 100, -1, 0);
    EXPECT_EQ(hm::random(), first);
}

TEST_F(Drawing, TheTintPulsesWithTheFrameCount)
{
    crt_rec &c = put_creature(5, 10, 10);
    c.tint_mode = 1;
    c.tint_rate = 2;
    c.tint_r = 10;
    c.tint_g = -10;
    c.tint_b = 100;
    j[frame_count] = 20;   // m = 10, so the pulse is 6
    draw_crt(4, 3, 100, 100, 5, 9);
    uint16_t base = colour(sprite_px(5, 5));   // slice 0, whatever the shade asked
    auto ch = [](int v) { return v < 0 ? 0 : v > 255 ? 255 : v; };
    EXPECT_EQ(view_px(95, 75), plat_makecol(ch(plat_getr(base) + 60), ch(plat_getg(base) - 60), 255));

    c.tint_extra = 1;   // holds the pulse at 1
    draw_crt(4, 3, 100, 100, 5, 9);
    EXPECT_EQ(view_px(95, 75), plat_makecol(ch(plat_getr(base) + 10), ch(plat_getg(base) - 10), ch(plat_getb(base) + 100)));

    // See-through: blended over what is there, then half the tint.
    c.tint_mode = 2;
    c.tint_extra = 128;
    c.tint_rate = 0;   // no divisor: taken as 1, m = 4
    for (int i = 0; i < VIEW_W * VIEW_H; i++) vs[i] = plat_makecol(0, 0, 0);
    draw_crt(4, 3, 100, 100, 5, 0);
    uint16_t half = plat_makecol((plat_getr(base) * 127) >> 8, (plat_getg(base) * 127) >> 8, (plat_getb(base) * 127) >> 8);
    EXPECT_EQ(view_px(95, 75), plat_makecol(ch(plat_getr(half) + 20), ch(plat_getg(half) - 20), ch(plat_getb(half) + 200)));
}

TEST_F(Drawing, TheHealthBarFadesAndSurvivesAnEmptyMaximum)
{
    crt_rec &c = put_creature(5, 10, 10);
    c.hp = 10;
    c.max_hp = 10;
    c.eff_level = 3;
    // The sprite's top edge is y 70 and its middle x 100: the bar spans 84..115 x 66..71.
    auto bar = [&](int fade) {
        for (int i = 0; i < VIEW_W * VIEW_H; i++) vs[i] = plat_makecol(0, 0, 0);
        c.info_fade = fade;
        draw_crt(4, 3, 100, 100, 5, 0);
    };
    auto mixed = [](int index, int a) {
        uint16_t fg = colour(index);
        return plat_makecol(plat_getr(fg) * a / 50, plat_getg(fg) * a / 50, plat_getb(fg) * a / 50);
    };
    bar(50);
    EXPECT_EQ(view_px(84, 66), mixed(12, 50));
    EXPECT_EQ(view_px(100, 67), mixed(41, 50));
    EXPECT_EQ(view_px(115, 71), mixed(8, 50));
    bar(1);
    EXPECT_EQ(view_px(100, 67), mixed(41, 1));
    c.hp = 5;
    bar(50);
    EXPECT_EQ(view_px(110, 67), mixed(22, 50));   // past half: the lost part
    c.max_hp = 0;
    bar(50);
    EXPECT_EQ(view_px(90, 67), mixed(22, 50));
    bar(0);
    EXPECT_EQ(view_px(90, 67), plat_makecol(0, 0, 0));
}

TEST_F(Drawing, TheFlashTintsTheViewWithinItsChannels)
{
    for (int i = 0; i < VIEW_W * VIEW_H; i++) vs[i] = plat_makecol(i % 256, 100, (i * 7) % 256);
    std::vector<uint16_t> before(vs, vs + VIEW_W * VIEW_H);
    j[flash_on] = 1;
    j[flash_r] = 10;
    j[flash_g] = 0;
    j[flash_b] = -10;
    fscr();
    EXPECT_EQ(j[flash_on], 0);
    const uint16_t *screen = hl_screen();
    for (int i : {0, 100, 215, 250, 255, 40000, 95999}) {
        int x = i % VIEW_W, y = i / VIEW_W;
        uint16_t b = before[i];
        int r = std::min(plat_getr(b) + 40, 254), bl = std::max(plat_getb(b) - 40, 0);
        EXPECT_EQ(screen[(y + VIEW_Y) * SCR_W + x + VIEW_X], plat_makecol(r, plat_getg(b), bl)) << "pixel " << i;
    }
    // Without a flash the view goes out as it is, at (20, 20).
    vs[0] = plat_makecol(250, 10, 10);
    fscr();
    EXPECT_EQ(screen[VIEW_Y * SCR_W + VIEW_X], vs[0]);
    EXPECT_EQ(screen[VIEW_Y * SCR_W + VIEW_X - 1], 0);
}

TEST_F(Drawing, TheStaticScreenDarkensTowardsItsSides)
{
    std::memset(scr_buf, 77, SCR_W * SCR_H);
    fscr2();
    const uint16_t *screen = hl_screen();
    const int cols[][2] = {{0, 24}, {3, 24}, {4, 23}, {95, 1}, {96, 0}, {543, 0}, {544, 0}, {548, 1}, {639, 23}};
    for (const auto &c : cols) EXPECT_EQ(screen[399 * SCR_W + c[0]], colour(77, c[1])) << "column " << c[0];
}

TEST_F(Drawing, LinesJoinTheirEnds)
{
    j_line(10, 10, 20, 14, 33);
    j_line(-5, -5, 2, 2, 33);   // the part in the view only
    uint16_t ink = colour(33);
    EXPECT_EQ(view_px(10, 10), ink);
    EXPECT_EQ(view_px(20, 14), ink);
    EXPECT_EQ(view_px(15, 12), ink);
    EXPECT_EQ(view_px(0, 0), ink);
    EXPECT_EQ(view_px(2, 2), ink);
    int lit = 0;
    for (int x = 10; x <= 20; x++)
        for (int y = 9; y <= 15; y++) lit += view_px(x, y) == ink;
    EXPECT_EQ(lit, 11);   // one pixel per column along the longer axis
}

}  // namespace
}  // namespace hm
