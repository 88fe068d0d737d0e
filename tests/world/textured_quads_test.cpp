// textured_quads_test.cpp -- rotated pictures: placement, clipping, transparency; picking objects by pixel
#include <cmath>

#include "world_fixture.h"

namespace hm {
namespace {

constexpr uint16_t UNTOUCHED = 0x1234;

// A 20 x 20 texture: a transparent notch at the top left, the top half
// different from the bottom half.
int tex_px(int x, int y) { return x < 3 && y < 3 ? 0 : y < 10 ? 10 + x : 100 + x; }
// Each quarter of a 20 x 20 texture in its own colour: 40 top left, 41 top right,
// 60 bottom left, 61 bottom right.
int quarters_px(int x, int y) { return (y < 10 ? 40 : 60) + (x >= 10); }
// An object 40 x 60 (taller than a cell) with a transparent hole in its middle.
int obj_px(int x, int y) { return x >= 15 && x < 25 && y >= 20 && y < 30 ? 0 : 7; }

class TexturedQuads : public WorldTest {
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        use_pictures({{4, 10, 20, 20, tex_px}, {4, 12, 20, 20, quarters_px}, {1, 5, 40, 60, obj_px}, {1, 6, 40, 20, [](int, int) { return 9; }}});
        for (int i = 0; i < VIEW_W * VIEW_H; i++) vs[i] = UNTOUCHED;
    }

    // The upright square with its top-left at (x, y), 20 pixels a side.
    void square(int x, int y, int shade = 0, int clip = 0, int alpha = 0)
    {
        tmap(10, 4, x, y, x, y + 20, x + 20, y + 20, x + 20, y, shade, clip, alpha);
    }

    // Every view pixel is the texture placed at (x, y), inside the clip only.
    void expect_square(int x, int y, int x0, int y0, int x1, int y1)
    {
        int wrong = 0;
        for (int vy = 0; vy < VIEW_H; vy++)
            for (int vx = 0; vx < VIEW_W; vx++) {
                int u = vx - x, v = vy - y;
                bool shown = u >= 0 && u < 20 && v >= 0 && v < 20 && vx >= x0 && vx <= x1 && vy >= y0 && vy <= y1;
                int t = shown ? tex_px(u, v) : 0;
                uint16_t want = t ? colour(t) : UNTOUCHED;
                if (view_px(vx, vy) != want && wrong++ < 5)
                    ADD_FAILURE() << "view pixel (" << vx << ", " << vy << ") for a square at (" << x << ", " << y << ")";
            }
        EXPECT_EQ(wrong, 0);
    }
};

TEST_F(TexturedQuads, AnUprightSquareIsThePicturePixelForPixel)
{
    square(50, 60);
    expect_square(50, 60, 0, 0, VIEW_W - 1, VIEW_H - 1);
}

TEST_F(TexturedQuads, AQuadPartlyOffTheViewDrawsOnlyInsideIt)
{
    square(-10, -7);
    expect_square(-10, -7, 0, 0, VIEW_W - 1, VIEW_H - 1);
    for (int i = 0; i < VIEW_W * VIEW_H; i++) vs[i] = UNTOUCHED;
    square(390, 230);
    expect_square(390, 230, 0, 0, VIEW_W - 1, VIEW_H - 1);
}

TEST_F(TexturedQuads, TheDialClipKeepsToColumnsAndRows36To163)
{
    square(150, 25, 0, 1);
    expect_square(150, 25, 36, 36, 163, 163);
    for (int i = 0; i < VIEW_W * VIEW_H; i++) vs[i] = UNTOUCHED;
    square(26, 155, 0, 1);
    expect_square(26, 155, 36, 36, 163, 163);
}

TEST_F(TexturedQuads, HugeAndFarAwayQuadsStayInTheView)
{
    // Corners far beyond every side, and one wholly beyond one side.
    tmap(10, 4, -30000, -30000, -30000, 30000, 30000, 30000, 30000, -30000, 0, 0, 0);
    EXPECT_NE(view_px(200, 120), UNTOUCHED);
    draw_rottex(10, 4, 200, 120, 1e30f, 0.5f, 0, 0, 0);
    draw_rottex(10, 4, 200, 120, 50, std::nanf(""), 0, 0, 0);
    for (int i = 0; i < VIEW_W * VIEW_H; i++) vs[i] = UNTOUCHED;
    square(-40, 100);
    square(100, 300);
    draw_rottex(10, 4, 300, 100, 100, 1.0f, 0, 1, 0);   // right of the dial window
    for (int i = 0; i < VIEW_W * VIEW_H; i++) ASSERT_EQ(vs[i], UNTOUCHED) << "pixel " << i;
}

TEST_F(TexturedQuads, ShadeAlphaBackSidesAndMissingPictures)
{
    square(50, 60, 3);
    EXPECT_EQ(view_px(55, 62), colour(tex_px(5, 2), 3));
    EXPECT_EQ(view_px(51, 61), UNTOUCHED);   // texel 0 lets the view show

    vs[100 * VIEW_W + 105] = colour(200);
    square(100, 95, 0, 0, 128);
    EXPECT_EQ(view_px(105, 100), blend_px(colour(200), colour(tex_px(5, 5)), 128));

    // The mirrored square shows its back: nothing.
    tmap(10, 4, 250, 50, 270, 50, 270, 70, 250, 70, 0, 0, 0);
    EXPECT_EQ(view_px(260, 60), UNTOUCHED);
    // No such picture, and an object picture, which is no texture.
    tmap(11, 4, 300, 100, 300, 120, 320, 120, 320, 100, 0, 0, 0);
    tmap(6, 1, 300, 100, 300, 120, 320, 120, 320, 100, 0, 0, 0);
    EXPECT_EQ(view_px(310, 110), UNTOUCHED);
}

TEST_F(TexturedQuads, TheTopEdgeFacesTheAngle)
{
    // Angle 0 faces right: the picture turned a quarter clockwise from upright.
    draw_rottex(12, 4, 200, 120, 14.2f, 0.0f, 0, 0, 0);
    EXPECT_EQ(view_px(205, 115), colour(40));
    EXPECT_EQ(view_px(205, 125), colour(41));
    EXPECT_EQ(view_px(195, 115), colour(60));
    EXPECT_EQ(view_px(195, 125), colour(61));
    // Another quarter turn: upside down.
    draw_rottex(12, 4, 100, 120, 14.2f, 1.5707963f, 0, 0, 0);
    EXPECT_EQ(view_px(105, 125), colour(40));
    EXPECT_EQ(view_px(95, 125), colour(41));
    EXPECT_EQ(view_px(105, 115), colour(60));
    EXPECT_EQ(view_px(95, 115), colour(61));
}

class ObjectPicking : public TexturedQuads {
protected:
    // The pointer's screen position over view pixel (x, y).
    void point_at(int x, int y)
    {
        j[mouse_x] = x + VIEW_X;
        j[mouse_y] = y + VIEW_Y;
    }
};

TEST_F(ObjectPicking, ThePointerPicksTheObjectByItsPixels)
{
    j[cam_x] = 400;
    j[cam_y] = 200;
    ls[12 + MAP_W * 15] = 5;
    // Cell (12, 15) is drawn from view (40 * 12 + 20 * 15 - 400, 20 * 15 - 200) = (380, 100);
    // the 60-pixel picture stands on it, its top 40 pixels above the cell's row.
    int left = 380, top = 100 - 20 - 20;
    point_at(left + 2, top + 2);
    EXPECT_EQ(select_ls(), 12 + MAP_W * 15);
    point_at(left + 20, top + 25);   // the hole
    EXPECT_EQ(select_ls(), -1);
    point_at(left + 2, top - 1);
    EXPECT_EQ(select_ls(), -1);
    point_at(left + 39, top + 59);
    EXPECT_EQ(select_ls(), 12 + MAP_W * 15);
    point_at(left + 40, top + 59);
    EXPECT_EQ(select_ls(), -1);
}

TEST_F(ObjectPicking, TheObjectInFrontWinsAndHiddenOnesAreSkipped)
{
    j[cam_x] = 400;
    j[cam_y] = 200;
    // (12, 15) and the cell in front of it, (11, 16), drawn 20 pixels lower and to the left.
    ls[12 + MAP_W * 15] = 5;
    ls[11 + MAP_W * 16] = 6;
    point_at(385, 105);
    EXPECT_EQ(select_ls(), 11 + MAP_W * 16);
    point_at(385, 75);
    EXPECT_EQ(select_ls(), 12 + MAP_W * 15);
    // Cells beyond the map are never tested.
    j[cam_x] = -400;
    j[cam_y] = -100;
    point_at(100, 100);
    EXPECT_EQ(select_ls(), -1);
}

TEST_F(ObjectPicking, PixelsOfWideAndTallPictures)
{
    // Anchored as drawn: the 60-tall picture's row 20 is at the cell's row 0.
    EXPECT_EQ(get_ls_pix(5, 1, 0, 0), 1);
    EXPECT_EQ(get_ls_pix(5, 1, 20, 5), 0);    // row 25 of the picture: the hole
    EXPECT_EQ(get_ls_pix(5, 1, 20, -15), 1);  // row 5
    EXPECT_EQ(get_ls_pix(5, 1, 0, -21), 0);   // above the picture
    EXPECT_EQ(get_ls_pix(7, 1, 0, 0), 0);     // no such picture
    EXPECT_EQ(get_ls_pix(5, 99, 0, 0), 0);    // no such group
}

}  // namespace
}  // namespace hm
