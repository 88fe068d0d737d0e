// land_test.cpp -- the built land pictures: seams, anchoring, cycles, roofs, object tiles
//
// Reads the pictures back from the archive of the run directory, the way the game
// loads them, and checks what the map drawing relies on.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "core/core.h"
#include "data/data.h"

namespace hm {
namespace {

struct pic {
    int w = 0, h = 0;
    std::vector<uint8_t> px;
    uint8_t at(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h ? px[(size_t)y * w + x] : 0; }
};

class Land : public ::testing::Test {
protected:
    double lum[256] = {};

    void SetUp() override
    {
        init_mem();
        load_swad();
        load_pic_dat();
        FILE *f = std::fopen("jpal.txt", "r");
        ASSERT_NE(f, nullptr) << "run from the built run directory";
        for (int i = 0; i < 256; i++) {
            int r = 0, g = 0, b = 0;
            ASSERT_EQ(std::fscanf(f, "%d %d %d", &r, &g, &b), 3);
            lum[i] = 0.3 * r + 0.59 * g + 0.11 * b;
        }
        std::fclose(f);
    }

    void TearDown() override { delete_mem(); }

    // A picture as the game's store holds it, run-length rows decoded.
    pic load(int n, int g)
    {
        pic p;
        int slot = pic_slot(n, g);
        if (slot < 0) return p;
        const swinf_rec &s = SWINF[slot];
        p.w = s.width;
        p.h = s.height;
        p.px.assign((size_t)p.w * p.h, 0);
        if (!pic_is_rle(n, g)) {
            std::memcpy(p.px.data(), swad + s.start, p.px.size());
            return p;
        }
        std::vector<const uint8_t *> rows((size_t)p.h);
        std::vector<int> lens((size_t)p.h);
        EXPECT_EQ(rle_rows(slot, rows.data(), lens.data(), p.h), p.h);
        for (int r = 0; r < p.h; r++) rle_decode_row(rows[(size_t)r], lens[(size_t)r], &p.px[(size_t)r * p.w], p.w, p.w);
        return p;
    }

    // Mean brightness of the 3 pixels ending (or starting) at a column of a tile row.
    double band(const pic &t, int row, int col, int dir)
    {
        double s = 0;
        for (int k = 0; k < 3; k++) s += lum[t.at(col + dir * k, row)];
        return s / 3;
    }

    // How far the ground's brightness jumps where tile b meets tile a: east
    // neighbours share a tile row; the tile to the south-east starts one column left
    // of the row above it.  Brightness is averaged over 3 pixels on either side.
    double step_east(const pic &a, int ca, const pic &b, int cb)
    {
        double s = 0;
        for (int r = 0; r < 20; r++) s += std::fabs(band(a, r, ca, -1) - band(b, r, cb, 1));
        return s / 20;
    }
    double down(const pic &t, int row, int c) { return (lum[t.at(c, row)] + lum[t.at(c + 1, row - 1)] + lum[t.at(c + 2, row - 2)]) / 3; }
    double up(const pic &t, int row, int c) { return (lum[t.at(c, row)] + lum[t.at(c - 1, row + 1)] + lum[t.at(c - 2, row + 2)]) / 3; }
    double step_south(const pic &a, int ra, const pic &b, int rb, int shift)
    {
        double s = 0;
        for (int c = 4; c < 36; c++) s += std::fabs(down(a, ra, c) - up(b, rb, c - shift));
        return s / 32;
    }
    double seam_east(const pic &a, const pic &b) { return step_east(a, 39, b, 0); }
    double seam_south(const pic &a, const pic &b) { return step_south(a, 19, b, 0, 1); }
    // The roughest the same measure gets inside the tile: a seam must be no worse.
    double inside(const pic &a)
    {
        double m = 0;
        for (int c = 3; c <= 36; c++) m = std::max(m, step_east(a, c - 1, a, c));
        for (int r = 3; r <= 16; r++) m = std::max(m, step_south(a, r - 1, a, r, 1));
        return m;
    }
};

// Tiles meet if their seam is no rougher than the inside of a tile.
bool joins(double seam, double rough) { return seam <= 1.15 * rough + 1.0; }

TEST_F(Land, GroundOfOneKindTilesWithoutSeams)
{
    // Families whose tiles are placed freely next to one another.
    const std::vector<std::vector<int>> families = {
        {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, {12, 13, 14, 15}, {20, 21, 22, 23}, {24, 25, 26, 27},
        {28, 29, 30, 31}, {32}, {35, 122, 123}, {36, 37, 38, 39}, {40, 41, 42, 43}, {44, 45, 46, 47},
        {48, 49, 50}, {52, 53, 54, 55, 57}, {56}, {17}, {18}, {96}, {97},
    };
    for (const auto &fam : families)
        for (int a : fam)
            for (int b : fam) {
                pic pa = load(a, 0), pb = load(b, 0);
                ASSERT_EQ(pa.w, 40) << a;
                ASSERT_EQ(pb.h, 20) << b;
                // A tile next to itself is no rougher at the seam than inside...
                double rough = std::max(inside(pa), inside(pb));
                EXPECT_TRUE(joins(seam_east(pa, pb), rough)) << a << " then " << b << " east: " << seam_east(pa, pb) << " vs " << rough;
                EXPECT_TRUE(joins(seam_south(pa, pb), rough)) << a << " then " << b << " south: " << seam_south(pa, pb) << " vs " << rough;
                // ...and variants meet as smoothly as copies of one tile do.
                double east = std::max(seam_east(pa, pa), seam_east(pb, pb)), south = std::max(seam_south(pa, pa), seam_south(pb, pb));
                EXPECT_LE(seam_east(pa, pb), 1.3 * east + 0.8) << a << " then " << b;
                EXPECT_LE(seam_south(pa, pb), 1.3 * south + 0.8) << a << " over " << b;
            }
}

// Each transition set: 12 tiles by corner mask, with the two plain grounds.
struct blend_set {
    int first, plain_a, plain_b;
};
const blend_set BLENDS[] = {{60, 1, 20}, {72, 1, 28}, {84, 28, 35}, {98, 1, 36}, {110, 1, 35},
                            {127, 35, 32}, {139, 1, 12}, {151, 52, 56}, {163, 1, 24}};
const int ORDER[12] = {3, 12, 5, 10, 1, 2, 4, 8, 14, 13, 11, 7};

TEST_F(Land, TransitionsMeetEveryNeighbourThatSharesTheirCorners)
{
    for (const blend_set &s : BLENDS) {
        std::vector<std::pair<int, int>> tiles = {{15, s.plain_a}, {0, s.plain_b}};   // corner mask, picture
        for (int i = 0; i < 12; i++) tiles.push_back({ORDER[i], s.first + i});
        int checked = 0;
        for (auto &l : tiles)
            for (auto &r : tiles) {
                pic a = load(l.second, 0), b = load(r.second, 0);
                double rough = std::max(inside(a), inside(b));
                // East: the right tile's west corners are the left tile's east corners.
                if ((r.first & 1) == ((l.first >> 1) & 1) && ((r.first >> 2) & 1) == ((l.first >> 3) & 1)) {
                    EXPECT_TRUE(joins(seam_east(a, b), rough)) << l.second << " | " << r.second << ": " << seam_east(a, b) << " vs " << rough;
                    checked++;
                }
                // South: the lower tile's north corners are the upper tile's south corners.
                if ((r.first & 1) == ((l.first >> 2) & 1) && ((r.first >> 1) & 1) == ((l.first >> 3) & 1)) {
                    EXPECT_TRUE(joins(seam_south(a, b), rough)) << l.second << " over " << r.second << ": " << seam_south(a, b) << " vs " << rough;
                    checked++;
                }
            }
        EXPECT_GT(checked, 40) << s.first;
    }
}

TEST_F(Land, OpaqueTilesHaveNoHoles)
{
    // Ground (except the see-through pointer mark) and flat roofs are drawn opaque:
    // index 0 would show as the palette's black.
    for (int n = 0; n < PICT_SIZE[0]; n++) {
        if (n == 126) continue;
        pic p = load(n, 0);
        if (!p.w) continue;
        EXPECT_EQ(p.w * p.h, 800) << "ground " << n;
        for (uint8_t v : p.px) ASSERT_NE(v, 0) << "ground " << n;
    }
    for (int n = 60; n < 120; n++) {
        pic p = load(n, 2);
        if (!p.w) continue;
        EXPECT_EQ(p.w * p.h, 800) << "roof " << n;
        for (uint8_t v : p.px) ASSERT_NE(v, 0) << "roof " << n;
    }
    // The mark is see-through between its strokes.
    pic mark = load(126, 0);
    int clear = 0;
    for (uint8_t v : mark.px) clear += v == 0;
    EXPECT_GT(clear, 400);
    EXPECT_LT(clear, 800);
}

TEST_F(Land, NumbersTheGameUsesExist)
{
    const int ground[] = {0, 1, 17, 18, 19, 32, 96, 97, 126};
    for (int n : ground) EXPECT_EQ(load(n, 0).w, 40) << "ground " << n;
    for (int n = 0; n < 175; n++) EXPECT_EQ(load(n, 0).w, 40) << "the chooser's first pages miss ground " << n;
    const int objects[] = {27, 28, 31, 32, 33, 59, 60, 67, 68, 69, 70, 82, 83, 84, 85, 86, 87, 88, 89, 90, 91, 92, 93,
                           99, 100, 116, 117, 118, 125, 128, 129, 130, 131, 132, 133, 134, 135, 136, 137, 150};
    for (int n : objects) EXPECT_GT(load(n, 1).w, 0) << "object " << n;
    for (int n = 19; n <= 30; n++) EXPECT_GT(load(n, 2).w, 0) << "cave roof " << n;
    EXPECT_GT(load(8, 2).w, 0);    // the editor's first roof
    EXPECT_EQ(load(63, 2).w, 40);  // the cave's inner roof is a flat tile
    EXPECT_GT(load(0, 5).w, 0);    // glow
    EXPECT_GT(load(2, 5).w, 0);    // shadow
}

TEST_F(Land, ObjectsStandOnTheirCells)
{
    // Pictures narrower than 60 or lower than 40 are not centred by the anchoring, so
    // every object is drawn at least that big; its lowest pixels lie in the bottom
    // 20 rows, which cover the cell.
    int seen = 0;
    for (int n = 1; n < PICT_SIZE[1]; n++) {
        pic p = load(n, 1);
        if (!p.w) continue;
        seen++;
        EXPECT_GE(p.w, 60) << n;
        EXPECT_GE(p.h, 40) << n;
        int lowest = -1;
        for (int y = 0; y < p.h; y++)
            for (int x = 0; x < p.w; x++)
                if (p.at(x, y)) lowest = y;
        if (n >= 128 && n <= 137) continue;   // the surf washes over the cell to the north
        EXPECT_GE(lowest, p.h - 20) << "object " << n << " floats above its cell";
    }
    EXPECT_GT(seen, 120);
}

TEST_F(Land, AnimationCyclesKeepTheirSizeAndMove)
{
    const std::vector<std::vector<std::pair<int, int>>> cycles = {
        {{17, 0}, {18, 0}}, {{96, 0}, {97, 0}}, {{27, 1}, {28, 1}}, {{31, 1}, {32, 1}, {33, 1}},
        {{67, 1}, {68, 1}}, {{116, 1}, {117, 1}, {118, 1}}, {{59, 1}, {60, 1}}, {{70, 1}, {69, 1}},
        {{128, 1}, {129, 1}, {130, 1}, {131, 1}, {132, 1}, {133, 1}, {134, 1}, {135, 1}, {136, 1}, {137, 1}},
    };
    for (const auto &cyc : cycles) {
        pic first = load(cyc[0].first, cyc[0].second);
        ASSERT_GT(first.w, 0);
        for (size_t i = 1; i < cyc.size(); i++) {
            pic p = load(cyc[i].first, cyc[i].second);
            EXPECT_EQ(p.w, first.w) << cyc[i].first;
            EXPECT_EQ(p.h, first.h) << cyc[i].first;
            pic prev = load(cyc[i - 1].first, cyc[i - 1].second);
            EXPECT_NE(p.px, prev.px) << cyc[i].first << " is the same as the frame before";
        }
    }
}

TEST_F(Land, ChestsHaveTheirEmptiedPictures)
{
    for (int n : {99, 101, 103}) {
        pic closed = load(n, 1), empty = load(n + 1, 1);
        ASSERT_GT(closed.w, 0) << n;
        EXPECT_EQ(empty.w, closed.w) << n;
        EXPECT_EQ(empty.h, closed.h) << n;
        EXPECT_NE(empty.px, closed.px) << n;
    }
}

// Puts roof pieces side by side as the roof pass draws them and looks for holes.
TEST_F(Land, RoofPiecesJoinIntoOneRoof)
{
    // Rows of pieces (W, M, E) from north to south, as a house three and four rows deep uses them.
    const std::vector<std::vector<int>> houses = {
        {1, 4, 7}, {10, 13, 16}, {31, 34, 37}, {1, 40, 43, 7}, {10, 46, 49, 16}, {52}, {55}, {120},
    };
    for (const auto &rows : houses) {
        const int cols = 4, W = 400, H = 240;
        std::vector<uint8_t> img((size_t)W * H, 0);
        for (size_t r = 0; r < rows.size(); r++)
            for (int c = 0; c < cols; c++) {
                int n = rows[r] + (c == 0 ? 0 : c == cols - 1 ? 2 : 1);
                pic p = load(n, 2);
                ASSERT_GT(p.w, 0) << n;
                int x0 = 40 + 40 * c + 20 * (int)r - std::max(0, p.w - 60) / 2, y0 = 80 + 20 * (int)r - std::max(0, p.h - 40);
                for (int y = 0; y < p.h; y++)
                    for (int x = 0; x < p.w; x++)
                        if (uint8_t v = p.at(x, y)) img[(size_t)(y0 + y) * W + x0 + x] = v;
            }
        // Every cell's place on the roof plane is covered...
        for (size_t r = 0; r < rows.size(); r++)
            for (int c = 0; c < cols; c++)
                for (int y = 0; y < 20; y++)
                    for (int x = 0; x < 40; x++) {
                        int sx = 40 + 40 * c + 20 * (int)r + y + x, sy = 80 + 20 * (int)r + y;
                        if (c == 0 && x < 2) continue;   // the west verge may slope off
                        ASSERT_NE(img[(size_t)sy * W + sx], 0) << "roof " << rows[0] << " hole at cell " << c << "," << r;
                    }
        // ...and no column of the roof has a gap between its top and its bottom.
        for (int x = 70; x < 200; x++) {
            int top = -1, bottom = -1;
            for (int y = 0; y < H; y++)
                if (img[(size_t)y * W + x]) {
                    if (top < 0) top = y;
                    bottom = y;
                }
            if (top < 0) continue;
            for (int y = top; y <= bottom; y++) ASSERT_NE(img[(size_t)y * W + x], 0) << "roof " << rows[0] << " gap at " << x << "," << y;
        }
    }
}

// A picture laid onto a canvas of palette indices the way the map draws objects and
// run-length roofs: moved up by h - 40 and left by (w - 60) / 2; `mark` records
// which layer each pixel came from.
struct canvas8 {
    int w, h;
    std::vector<uint8_t> px, layer;
    canvas8(int width, int height) : w(width), h(height), px((size_t)width * height), layer((size_t)width * height) {}
    void put(const pic &p, int x, int y, uint8_t mark)
    {
        x -= std::max(0, p.w - 60) / 2;
        y -= std::max(0, p.h - 40);
        for (int yy = 0; yy < p.h; yy++)
            for (int xx = 0; xx < p.w; xx++)
                if (uint8_t v = p.at(xx, yy)) {
                    size_t i = (size_t)(y + yy) * w + x + xx;
                    px[i] = v;
                    layer[i] = mark;
                }
    }
};

// Builds a house of 4 x 3 cells from wall pieces and roof pieces with the roof 40
// pixels up, as a level would, and checks that it is one closed building.
TEST_F(Land, WallsAndRoofsMakeOneHouse)
{
    struct style {
        int s, w, n, e, sw, se, nw, ne, door;
    };
    const style styles[] = {{34, 36, 38, 39, 40, 41, 42, 43, 59}, {46, 48, 50, 51, 52, 53, 54, 55, 70},
                            {138, 139, 140, 141, 142, 143, 144, 145, 59}};
    const int roofs[3] = {1, 10, 31};   // first piece of each material: N1 W
    for (int k = 0; k < 3; k++) {
        const style &st = styles[k];
        canvas8 img(360, 260);
        auto cell_x = [](int c, int r) { return 60 + 40 * c + 20 * r; };
        auto cell_y = [](int r) { return 120 + 20 * r; };
        for (int r = 0; r < 3; r++)
            for (int c = 3; c >= 0; c--) {
                int n = 0;
                bool north = r == 0, south = r == 2, west = c == 0, east = c == 3;
                if (south) n = west ? st.sw : east ? st.se : c == 1 ? st.door : st.s;
                else if (north) n = west ? st.nw : east ? st.ne : st.n;
                else n = west ? st.w : east ? st.e : 0;
                if (n) img.put(load(n, 1), cell_x(c, r), cell_y(r) - 20, 1);
            }
        // The front: the south faces of the south row are one solid wall (the door closed).
        for (int c = 0; c < 4; c++)
            for (int y = cell_y(2) - 19; y < cell_y(2) + 19; y++)
                for (int x = cell_x(0, 2) + 40 * c + 21; x < cell_x(0, 2) + 40 * c + 59; x++)
                    ASSERT_EQ(img.layer[(size_t)y * img.w + x], 1) << "style " << k << " front wall gap at " << x << "," << y;
        std::vector<uint8_t> walls = img.layer;
        for (int r = 0; r < 3; r++)
            for (int c = 3; c >= 0; c--) {
                int row = r == 0 ? 0 : r == 1 ? 3 : 6;   // N1, R1, S1: three pieces each
                int col = c == 0 ? 0 : c == 3 ? 2 : 1;
                img.put(load(roofs[k] + row + col, 2), cell_x(c, r), cell_y(r) - 40, 2);
            }
        // The roof covers the walls' tops: no wall shows above the roof's edge...
        for (int x = 0; x < img.w; x++) {
            int roof_top = -1;
            for (int y = 0; y < img.h && roof_top < 0; y++)
                if (img.layer[(size_t)y * img.w + x] == 2) roof_top = y;
            if (roof_top < 0) continue;
            for (int y = 0; y < roof_top; y++) ASSERT_NE(walls[(size_t)y * img.w + x], 1) << "style " << k << " wall above the roof at " << x;
        }
        // ...and meets the front wall without a gap under the eaves.
        for (int x = cell_x(0, 2) + 22; x < cell_x(0, 2) + 40 * 3 + 58; x++) {
            int y = cell_y(2);
            while (y > 0 && img.layer[(size_t)y * img.w + x] == 1) y--;
            EXPECT_EQ(img.layer[(size_t)y * img.w + x], 2) << "style " << k << " gap under the eaves at " << x;
        }
    }
}

TEST_F(Land, CaveRoofsCloseOverTheirWalls)
{
    // The editor roofs a cave's walls with 19..30 and its floor with the flat 63:
    // together they must hide the whole cave, so each wall roof covers its cell's
    // place on the roof plane completely, and each wall stands in its cell.
    for (int n = 19; n <= 30; n++) {
        pic p = load(n, 2);
        ASSERT_GE(p.w, 60) << n;
        int oy = std::max(0, p.h - 40), ox = std::max(0, p.w - 60) / 2;
        for (int r = 0; r < 20; r++)
            for (int c = 0; c < 40; c++) ASSERT_NE(p.at(ox + r + c, oy + r), 0) << "cave roof " << n << " open at " << c << "," << r;
    }
    for (int n = 82; n <= 93; n++) {
        pic p = load(n, 1);
        int rock = 0;
        for (uint8_t v : p.px) rock += v != 0;
        EXPECT_GT(rock, 60) << "cave wall " << n;
    }
}

TEST_F(Land, SeaMarkerKeepsToItsOwnCell)
{
    // 128 is drawn over every sea cell after the creatures of the row behind it, so
    // it may not reach into that row; the surf frames all share its size.
    pic p = load(128, 1);
    ASSERT_EQ(p.w, 100);
    ASSERT_EQ(p.h, 60);
    int drawn = 0;
    for (int y = 0; y < p.h; y++)
        for (int x = 0; x < p.w; x++) {
            if (!p.at(x, y)) continue;
            drawn++;
            int row = y - 40, col = x - 20 - row;   // the cell's footprint from (20, 40)
            EXPECT_TRUE(row >= 0 && row < 20 && col >= 0 && col < 40) << x << "," << y;
        }
    EXPECT_GT(drawn, 10);
    EXPECT_LT(drawn, 200);   // glints, not a sheet of water over the waves
}

TEST_F(Land, ObjectTilesSayWhatBlocksAndWhatLights)
{
    FILE *f = std::fopen("ls_tile.txt", "rb");
    ASSERT_NE(f, nullptr);
    std::vector<ls_tile_rec> t(LS_TILE_COUNT);
    ASSERT_EQ(std::fread(t.data(), sizeof(ls_tile_rec), t.size(), f), t.size());
    EXPECT_EQ(std::fgetc(f), EOF);
    std::fclose(f);
    // Walkers pass doors, flowers, garden beds and the jetty; trees, walls, the sea
    // and the story's barricade stop them.
    for (int n : {0, 19, 20, 59, 60, 69, 70, 114, 120, 121}) EXPECT_EQ(t[(size_t)n].passable, 1) << n;
    for (int n : {1, 3, 9, 13, 17, 34, 46, 82, 93, 99, 128, 150}) EXPECT_EQ(t[(size_t)n].passable, 0) << n;
    EXPECT_GT(t[1].range_penalty, 0);   // a tree costs a missile range
    EXPECT_EQ(t[20].range_penalty, 0);
    // Every light names a light circle that exists; glows brighten, shadows darken.
    int lights = 0;
    for (int n = 0; n < LS_TILE_COUNT; n++) {
        const ls_tile_rec &r = t[(size_t)n];
        EXPECT_LE(r.ls_light, 2) << n;
        if (!r.gr_light) continue;
        EXPECT_GT(load(r.gr_light, 5).w, 0) << n;
        EXPECT_NE(r.light_str, 0) << n;
        if (r.ls_light) {
            EXPECT_LT(r.light_str, 0) << n;
            lights++;
        }
    }
    EXPECT_GE(lights, 5);
    for (int n : {27, 31, 67}) EXPECT_EQ(t[(size_t)n].ls_light, 1) << n;
}

TEST_F(Land, LightCirclesAreShadeAmountsPeakingInTheMiddle)
{
    for (int n = 0; n < PICT_SIZE[5]; n++) {
        pic p = load(n, 5);
        if (!p.w) continue;
        int peak = 0;
        for (uint8_t v : p.px) peak = std::max(peak, (int)v);
        EXPECT_GT(peak, 2) << n;
        EXPECT_LE(peak, 40) << n;   // shade levels, not colours
        // The glows fade from the middle outwards along the middle row.
        if (n == 7 || n == 8) continue;   // shadows lie off-centre, away from the light
        int mid = p.h / 2, cx = p.w / 2;
        EXPECT_GE(p.at(cx, mid) + 1, p.at(cx / 2, mid)) << n;
        EXPECT_GE(p.at(cx / 2, mid) + 1, p.at(cx / 8, mid)) << n;
        EXPECT_EQ(p.at(0, 0), 0) << n;
    }
}

}  // namespace
}  // namespace hm
