// land_scene.cpp -- test scenes that put ground, objects, roofs, sea and light together
//
// A small stand-in for the game's map drawing, written from the same rules: ground
// tiles as parallelograms, objects at the cell + (0, -20) moved up by h - 40 and left
// by (w - 60) / 2, roofs at the cell + (0, -roof height), rows drawn top to bottom and
// each row right to left; light as shade levels (4 per level off red and green, 3
// off blue), glows and the torches' diamonds as the game adds them.
#include <algorithm>
#include <cmath>
#include <map>
#include <string>

#include "art/land.h"
#include "art/palette.h"
#include "art/png.h"
#include "art/scene.h"

namespace art {

namespace {

struct scene {
    int cols, rows;
    std::vector<int> gr, gr2, ls, rf;
    int roof_dy = 40;
    int light = 0;         // base shade level
    bool roofs = true;     // false: every roof lifted
    int sea_t = 10;        // sea phase 0..69

    scene(int c, int r) : cols(c), rows(r), gr((size_t)c * r, 1), gr2((size_t)c * r, 0), ls((size_t)c * r, 0), rf((size_t)c * r, 0) {}
    int &g(int c, int r) { return gr[(size_t)r * cols + c]; }
    int &g2(int c, int r) { return gr2[(size_t)r * cols + c]; }
    int &l(int c, int r) { return ls[(size_t)r * cols + c]; }
    int &f(int c, int r) { return rf[(size_t)r * cols + c]; }
    bool in(int c, int r) const { return c >= 0 && r >= 0 && c < cols && r < rows; }
};

// Pictures drawn on demand from the manifest.
class picture_cache {
  public:
    const canvas *get(int g, int n)
    {
        auto key = std::make_pair(g, n);
        auto it = cache.find(key);
        if (it != cache.end()) return &it->second;
        if (entries.empty()) {
            std::vector<std::string> errors;
            entries = manifest(errors);
        }
        for (const pic_entry &e : entries)
            if (e.group == g && e.number == n) {
                canvas c(e.w, e.h);
                e.paint(c, n);
                return &(cache[key] = c);
            }
        return nullptr;
    }

  private:
    std::vector<pic_entry> entries;
    std::map<std::pair<int, int>, canvas> cache;
};

picture_cache pics;

const tile_spec *tile_of(int n)
{
    const tile_spec *found = nullptr;
    for (const tile_spec &t : land_tiles())
        if (n >= t.first && n < t.first + t.count) found = &t;
    return found;
}

struct image {
    int w, h;
    std::vector<uint32_t> px;
    std::vector<int> shade;   // ground shade level per pixel
};

uint32_t colour(uint8_t index, int shade)
{
    const rgb &p = palette()[index];
    auto ch = [](int v) { return (uint32_t)std::max(0, std::min(255, v)); };
    return ch(4 * p.r - 4 * shade) << 16 | ch(4 * p.g - 4 * shade) << 8 | ch(4 * p.b - 3 * shade);
}

uint32_t blend(uint32_t bg, uint32_t fg, int a)
{
    auto ch = [&](int s) { return (((bg >> s) & 0xff) * (uint32_t)a + ((fg >> s) & 0xff) * (uint32_t)(255 - a)) >> 8; };
    return ch(16) << 16 | ch(8) << 8 | ch(0);
}

const int MARGIN_X = 20, MARGIN_TOP = 100, MARGIN_BOTTOM = 20;

void cell_pos(const scene &s, int c, int r, int &x, int &y)
{
    (void)s;
    x = MARGIN_X + 40 * c + 20 * r;
    y = MARGIN_TOP + 20 * r;
}

void draw_tile(image &im, const canvas &p, int x, int y, bool see_through, const std::vector<int> *shade, int flat)
{
    for (int r = 0; r < p.h && r < 20; r++)
        for (int col = 0; col < p.w && col < 40; col++) {
            uint8_t v = p.get(col, r);
            if (see_through && !v) continue;
            int px = x + r + col, py = y + r;
            if (px < 0 || py < 0 || px >= im.w || py >= im.h) continue;
            size_t i = (size_t)py * im.w + px;
            im.px[i] = colour(v, shade ? (*shade)[i] : flat);
        }
}

void draw_object(image &im, const canvas &p, int x, int y, int shade, int sea_k = -1)
{
    if (p.h > 40) y -= p.h - 40;
    if (p.w > 60) x -= (p.w - 60) / 2;
    for (int r = 0; r < p.h; r++)
        for (int col = 0; col < p.w; col++) {
            uint8_t v = p.get(col, r);
            if (!v) continue;
            int px = x + col, py = y + r;
            if (px < 0 || py < 0 || px >= im.w || py >= im.h) continue;
            size_t i = (size_t)py * im.w + px;
            uint32_t c = colour(v, shade);
            if (sea_k >= 0) {
                int a = std::max(0, std::min(255, ((60 - r) * sea_k) / 256));
                c = blend(im.px[i], c, a);
            }
            im.px[i] = c;
        }
}

// Adds a light picture sheared like the ground, centred on (cx, cy).
void light_circle(image &im, const canvas &p, int cx, int cy, int strength)
{
    int x0 = cx - (p.w + p.h) / 2, y0 = cy - p.h / 2;
    for (int r = 0; r < p.h; r++)
        for (int col = 0; col < p.w; col++) {
            int v = p.get(col, r);
            if (!v) continue;
            int px = x0 + col + r, py = y0 + r;
            if (px < 0 || py < 0 || px >= im.w || py >= im.h) continue;
            int &s = im.shade[(size_t)py * im.w + px];
            s = std::max(0, std::min(63, s + ((v * strength) >> 8)));
        }
}

image render(const scene &s)
{
    image im;
    im.w = MARGIN_X * 2 + s.cols * 40 + s.rows * 20;
    im.h = MARGIN_TOP + s.rows * 20 + MARGIN_BOTTOM;
    im.px.assign((size_t)im.w * im.h, 0x101018);
    im.shade.assign((size_t)im.w * im.h, s.light);
    std::vector<int> cell_light((size_t)s.cols * s.rows, s.light);
    // Light: glows on the ground, diamonds on the cells.
    for (int r = 0; r < s.rows; r++)
        for (int c = 0; c < s.cols; c++) {
            const tile_spec *t = tile_of(s.ls[(size_t)r * s.cols + c]);
            if (!t || s.ls[(size_t)r * s.cols + c] == 0) continue;
            int x, y;
            cell_pos(s, c, r, x, y);
            if (t->gr_light)
                if (const canvas *p = pics.get(5, t->gr_light)) light_circle(im, *p, x + 30, y + 10, t->light_str);
            if (t->ls_light) {
                const int d1[5] = {-15, -12, -9, -6, -3}, d2[5] = {-8, -7, -6, -5, -3};
                const int *d = t->ls_light == 1 ? d1 : d2;
                for (int dr = -4; dr <= 4; dr++)
                    for (int dc = -4; dc <= 4; dc++) {
                        int k = std::abs(dr) + std::abs(dc);
                        if (k > 4 || !s.in(c + dc, r + dr)) continue;
                        int &l = cell_light[(size_t)(r + dr) * s.cols + c + dc];
                        l = std::max(0, l + d[k]);
                    }
            }
        }
    // Ground.
    for (int r = 0; r < s.rows; r++)
        for (int c = s.cols - 1; c >= 0; c--) {
            int x, y;
            cell_pos(s, c, r, x, y);
            if (const canvas *p = pics.get(0, s.gr[(size_t)r * s.cols + c])) draw_tile(im, *p, x, y, false, &im.shade, 0);
            if (int n = s.gr2[(size_t)r * s.cols + c])
                if (const canvas *p = pics.get(0, n)) draw_tile(im, *p, x, y, true, &im.shade, 0);
        }
    // The sea: base and the phase's wave, as the sea drawing layers them.
    int t = s.sea_t;
    for (int r = 0; r < s.rows; r++)
        for (int c = s.cols - 1; c >= 0; c--) {
            if (s.ls[(size_t)r * s.cols + c] != 128) continue;
            int x, y;
            cell_pos(s, c, r, x, y);
            int sh = cell_light[(size_t)r * s.cols + c];
            auto see = [&](int n, int k) {
                if (const canvas *p = pics.get(1, n)) draw_object(im, *p, x, y - 20, sh, k);
            };
            auto solid = [&](int n) {
                if (const canvas *p = pics.get(1, n)) draw_object(im, *p, x, y - 20, sh);
            };
            if (t < 3) see(137, (t + 35) * 40 + 100);
            if (t < 5) see(133 + t, 40 * t + 100);
            if (t > 4 && t < 38) see(137, 40 * t + 100);
            if (t > 29 && t < 35) solid(98 + t);
            if (t > 34 && t < 40) see(98 + t, (t - 35) * 40 + 100);
            if (t > 39) see(137, (t - 35) * 40 + 100);
            if (t > 64) solid(63 + t);
        }
    // Objects.
    for (int r = 0; r < s.rows; r++)
        for (int c = s.cols - 1; c >= 0; c--) {
            int n = s.ls[(size_t)r * s.cols + c];
            if (!n) continue;
            int x, y;
            cell_pos(s, c, r, x, y);
            if (const canvas *p = pics.get(1, n)) draw_object(im, *p, x, y - 20, cell_light[(size_t)r * s.cols + c]);
        }
    // Roofs.
    if (s.roofs)
        for (int r = 0; r < s.rows; r++)
            for (int c = s.cols - 1; c >= 0; c--) {
                int n = s.rf[(size_t)r * s.cols + c];
                if (!n) continue;
                int x, y;
                cell_pos(s, c, r, x, y);
                const canvas *p = pics.get(2, n);
                if (!p) continue;
                if ((n / 60) % 4 == 1) draw_tile(im, *p, x, y - s.roof_dy, false, nullptr, s.light);
                else draw_object(im, *p, x, y - s.roof_dy, s.light);
            }
    return im;
}

int save(const std::string &dir, const char *name, const image &im)
{
    return write_png_rgb((dir + "/" + name).c_str(), im.w, im.h, im.px);
}

// -- the scenes -----------------------------------------------------------------------------
// Patches of each ground with its variants mixed, then each transition pair as a
// pond of b in a field of a, tiled from a corner map the way a level is painted.
scene ground_patches()
{
    const std::vector<std::vector<int>> groups = {
        {1, 2, 3, 4, 5, 6, 7, 1, 1}, {8, 9, 10, 11, 1, 5}, {12, 13, 14, 15}, {16, 16, 1}, {17}, {20, 21, 22, 23},
        {24, 25, 26, 27, 24}, {28, 29, 30, 31, 28}, {32}, {33}, {34}, {35, 122, 123, 35},
        {36, 37, 38, 39, 36}, {40, 41, 42, 43}, {44, 45, 46, 47}, {48, 49, 50, 51}, {52, 53, 54, 55, 57},
        {56}, {58}, {59}, {96}, {124}, {125}, {19, 126, 1},
    };
    struct pair_t {
        ground_mat a, b;
    };
    const pair_t pairs[] = {{G_GRASS, G_EARTH}, {G_GRASS, G_SAND},   {G_SAND, G_SHALLOW},
                            {G_GRASS, G_COBBLE}, {G_GRASS, G_SHALLOW}, {G_SHALLOW, G_DEEP},
                            {G_GRASS, G_FOREST}, {G_CAVE, G_BEDROCK},  {G_GRASS, G_ROAD}};
    const int per_row = 6, pw = 6, ph = 4;
    int patch_rows = ((int)groups.size() + per_row - 1) / per_row;
    const int bw = 9, bh = 7, blends_per_row = 3;
    int blend_rows = (int)(sizeof pairs / sizeof pairs[0] + blends_per_row - 1) / blends_per_row;
    scene s(std::max(per_row * (pw + 1), blends_per_row * (bw + 1)) + 1, patch_rows * (ph + 1) + blend_rows * (bh + 1) + 1);
    for (int &v : s.gr) v = 56;
    rng g(7);
    for (size_t i = 0; i < groups.size(); i++) {
        int bc = 1 + (int)(i % per_row) * (pw + 1), br = 1 + (int)(i / per_row) * (ph + 1);
        for (int r = 0; r < ph; r++)
            for (int c = 0; c < pw; c++) s.g(bc + c, br + r) = groups[i][(size_t)g.range(0, (int)groups[i].size() - 1)];
    }
    int top = 1 + patch_rows * (ph + 1);
    for (size_t i = 0; i < sizeof pairs / sizeof pairs[0]; i++) {
        int bc = 1 + (int)(i % blends_per_row) * (bw + 1), br = top + (int)(i / blends_per_row) * (bh + 1);
        // Corners inside a wobbly ellipse belong to b.
        std::vector<int> a((size_t)(bw + 1) * (bh + 1));
        for (int r = 0; r <= bh; r++)
            for (int c = 0; c <= bw; c++) {
                float u = ((float)c - bw / 2.0f) / 3.2f, v = ((float)r - bh / 2.0f) / 2.3f;
                float wob = 0.25f * std::sin((float)(c * 3 + r * 5 + (int)i));
                a[(size_t)r * (bw + 1) + c] = u * u + v * v + wob > 1.0f;
            }
        for (int r = 0; r < bh; r++)
            for (int c = 0; c < bw; c++) {
                int m = a[(size_t)r * (bw + 1) + c] | a[(size_t)r * (bw + 1) + c + 1] << 1 |
                        a[(size_t)(r + 1) * (bw + 1) + c] << 2 | a[(size_t)(r + 1) * (bw + 1) + c + 1] << 3;
                int t = blend_tile(pairs[i].a, pairs[i].b, m);
                s.g(bc + c, br + r) = t >= 0 ? t : plain_tile(pairs[i].a);
            }
    }
    return s;
}

// The wall pieces of one house style.
struct house_style {
    int s, s_win, w, w_win, n, e, sw, se, nw, ne, door;
};
const house_style TIMBER_HOUSE = {34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 59};
const house_style STONE_HOUSE = {46, 47, 48, 49, 50, 51, 52, 53, 54, 55, 70};
const house_style PLANK_HOUSE = {138, 146, 139, 139, 140, 141, 142, 143, 144, 145, 59};

// A house of w x d cells with its north-west cell at (c0, r0): walls on the ring of
// outer cells, a door in the south wall at column door_c, windows every other cell,
// the roof over every cell (material 0 thatch, 1 slate, 2 clay).
void build_house(scene &s, int c0, int r0, int w, int d, const house_style &st, int roof, int door_c)
{
    for (int r = r0; r < r0 + d; r++)
        for (int c = c0; c < c0 + w; c++) {
            bool n = r == r0, so = r == r0 + d - 1, we = c == c0, ea = c == c0 + w - 1;
            int v = 0;
            if (so && we) v = st.sw;
            else if (so && ea) v = st.se;
            else if (n && we) v = st.nw;
            else if (n && ea) v = st.ne;
            else if (so) v = c == door_c ? st.door : ((c - c0) % 2 ? st.s_win : st.s);
            else if (n) v = st.n;
            else if (we) v = (r - r0) % 2 ? st.w_win : st.w;
            else if (ea) v = st.e;
            s.l(c, r) = v;
            if (!v) s.g(c, r) = roof == 2 ? 48 : 44;   // a floor inside
            else s.g(c, r) = 44;
            static const int rows_by_depth[5][4] = {{0}, {2}, {0, 5}, {0, 3, 5}, {0, 1, 4, 5}};
            int row = rows_by_depth[std::min(d, 4)][r - r0];
            int col = we ? 0 : ea ? 2 : 1;
            int piece = roof_piece(roof, row, col);
            s.f(c, r) = piece > 0 ? piece : 0;
        }
}

// Ground from a map of corners: each letter is the material at a lattice corner;
// a cell whose corners agree gets that material's plain tile (grass mixed with its
// variants), one with two materials the transition tile between them.
ground_mat corner_mat(char ch)
{
    switch (ch) {
    case 'r': return G_ROAD;
    case 'e': return G_EARTH;
    case 's': return G_SAND;
    case 'w': return G_SHALLOW;
    case 'd': return G_DEEP;
    case 'c': return G_COBBLE;
    case 'f': return G_FOREST;
    case 'v': return G_CAVE;
    case 'b': return G_BEDROCK;
    default: return G_GRASS;
    }
}

void ground_from_corners(scene &s, const std::vector<std::string> &corners, uint32_t seed)
{
    rng g(seed);
    for (int r = 0; r < s.rows; r++)
        for (int c = 0; c < s.cols; c++) {
            ground_mat m[4] = {corner_mat(corners[(size_t)r][(size_t)c]), corner_mat(corners[(size_t)r][(size_t)c + 1]),
                               corner_mat(corners[(size_t)r + 1][(size_t)c]), corner_mat(corners[(size_t)r + 1][(size_t)c + 1])};
            ground_mat a = m[0], b = m[0];
            for (ground_mat x : m)
                if (x != a) b = x;
            int tile = -1;
            if (a == b) {
                tile = plain_tile(a);
                if (a == G_GRASS) {
                    int k = g.range(0, 11);
                    tile = k < 6 ? 1 : k < 10 ? k - 4 : 8 + g.range(0, 3);
                }
            } else {
                int mask = 0;
                for (int i = 0; i < 4; i++) mask |= (m[i] == a) << i;
                tile = blend_tile(a, b, mask);
                if (tile < 0) tile = blend_tile(b, a, 15 & ~mask);
            }
            s.g(c, r) = tile >= 0 ? tile : plain_tile(a);
        }
}

scene village()
{
    const std::vector<std::string> corners = {
        "ggggggggggggggggggggggggg", "ggggggggggggggggggggggggg", "ggggggggggggggggggggggggg",
        "ggggggggggggggggggggggggg", "ggggggggggggggggggggggggg", "ggggggggggggggggggggggggg",
        "ggggggggggggggggggggggggg", "rrrrrrrrrrrrrrrrrrrrrrrrr", "rrrrrrrrrrrrrrrrrrrrrrrrr",
        "ggggggggggggggggggggggggg", "ggggggggggggggggwwwwggggg", "gggggggggggggggwwddwwgggg",
        "ggggggggggggggggwwwwggggg", "ggggggggggggggggggggggggg", "sssssssssssssssssssssssss",
        "sssssssssssssssssssssssss", "wwwwwwwwwwwwwwwwwwwwwwwww", "wwwwwwwwwwwwwwwwwwwwwwwww",
        "wwwwwwwwwwwwwwwwwwwwwwwww",
    };
    scene s(24, 18);
    ground_from_corners(s, corners, 11);
    build_house(s, 2, 2, 4, 3, TIMBER_HOUSE, 0, 3);
    build_house(s, 8, 2, 3, 3, STONE_HOUSE, 1, 9);
    build_house(s, 14, 3, 4, 2, PLANK_HOUSE, 2, 15);
    build_house(s, 2, 9, 3, 3, TIMBER_HOUSE, 1, 3);
    build_house(s, 7, 10, 3, 1, STONE_HOUSE, 0, 8);
    // The sea along the south, a boat on it and one drawn up on the beach.
    for (int r = 16; r < 18; r++)
        for (int c = 0; c < 24; c++) s.l(c, r) = 128;
    const int objects[][3] = {
        // trees and bushes
        {0, 1, 1}, {7, 0, 3}, {12, 1, 5}, {19, 0, 1}, {22, 2, 3}, {23, 5, 4}, {20, 10, 6}, {22, 11, 2},
        {0, 12, 1}, {13, 12, 9}, {6, 5, 10}, {12, 5, 11}, {18, 6, 8}, {0, 6, 7},
        // the pond's edge
        {15, 10, 17}, {20, 11, 18}, {17, 12, 24}, {19, 12, 13},
        // a garden with its fence
        {19, 2, 29}, {20, 2, 25}, {21, 2, 25}, {19, 3, 26}, {19, 4, 26}, {20, 3, 120}, {21, 3, 121}, {20, 4, 122}, {21, 4, 123},
        // the street: lamps, a well, a stall, goods, a chest
        {7, 6, 67}, {13, 6, 67}, {12, 3, 71}, {16, 6, 76}, {15, 6, 62}, {17, 6, 64}, {11, 5, 99}, {6, 1, 61},
        {1, 5, 73}, {5, 8, 27}, {10, 9, 75},
        // the beach
        {5, 14, 31}, {9, 14, 80}, {12, 14, 115}, {14, 15, 114}, {3, 14, 126}, {16, 14, 66}, {20, 14, 14},
        {11, 17, 113},
        // stones and flowers here and there
        {22, 7, 16}, {1, 13, 20}, {11, 12, 19}, {23, 13, 21}, {17, 1, 22},
    };
    for (const auto &o : objects) s.l(o[0], o[1]) = o[2];
    // Inside the first house a bed and a bookshelf; the stone house's door stands
    // open; on the road a battle's highlighted cell and the pointer's mark.
    s.l(3, 3) = 105;
    s.l(4, 3) = 98;
    s.l(9, 4) = 69;
    s.g(11, 8) = 19;
    s.g2(12, 8) = 126;
    return s;
}

// A cave: a chamber in the rock with its walls, roofed by the editor's rule (each
// wall its cave roof, the enclosed floor roof 63 spread from the walls' seeds).
scene cave(bool roofed)
{
    const std::vector<std::string> rock = {
        "#################", "#################", "#####.....#######", "####.......######",
        "###.........#####", "###..........####", "###...........###", "####..........###",
        "#####.........###", "######......#####", "#################", "#################",
    };
    int cols = (int)rock[0].size() - 1, rows = (int)rock.size() - 1;
    scene s(cols, rows);
    for (int r = 0; r < rows; r++)
        for (int c = 0; c < cols; c++) {
            int mask = (rock[(size_t)r][(size_t)c] == '#') | (rock[(size_t)r][(size_t)c + 1] == '#') << 1 |
                       (rock[(size_t)r + 1][(size_t)c] == '#') << 2 | (rock[(size_t)r + 1][(size_t)c + 1] == '#') << 3;
            s.g(c, r) = mask == 15 ? 56 : (r * 7 + c * 3) % 5 == 0 ? 53 : 52;
            if (mask != 0 && mask != 15) s.l(c, r) = std::max(0, cave_wall_for(mask));
        }
    s.l(7, 5) = 31;    // a camp fire in the chamber
    s.l(9, 7) = 101;   // an iron chest
    s.l(5, 6) = 14;    // rocks
    if (roofed) {
        for (int i = 0; i < cols * rows; i++) {
            int w = s.ls[(size_t)i];
            if (w >= 82 && w <= 93) s.rf[(size_t)i] = cave_roof_for(w);
        }
        auto seed = [&](int i, int d) {
            int n = i + d;
            if (n >= 0 && n < cols * rows && s.ls[(size_t)n] == 0) s.rf[(size_t)n] = 63;
        };
        for (int i = 0; i < cols * rows; i++) {
            int w = s.ls[(size_t)i];
            if (w == 82) seed(i, 1);
            if (w == 83) seed(i, -1);
            if (w == 84) seed(i, -cols);
            if (w == 85) seed(i, cols);
        }
        for (int pass = 0; pass < 20; pass++)
            for (int i = 0; i < cols * rows; i++)
                if (s.rf[(size_t)i] == 63)
                    for (int d : {-1, 1, -cols, cols}) seed(i, d);
    }
    s.light = 16;
    return s;
}

// The surf through its cycle: a strip of beach and sea at one phase per row.
image sea_phases()
{
    const int phases[] = {0, 2, 4, 10, 25, 30, 31, 32, 33, 34, 35, 36, 37, 39, 50, 65, 67, 69};
    image out{0, 0, {}, {}};
    for (int t : phases) {
        scene s(6, 5);
        for (int r = 0; r < 5; r++)
            for (int c = 0; c < 6; c++) {
                s.g(c, r) = r < 2 ? 28 : r == 2 ? 84 : 35;
                if (r >= 3) s.l(c, r) = 128;
            }
        s.sea_t = t;
        image im = render(s);
        if (!out.w) out.w = im.w;
        out.px.insert(out.px.end(), im.px.begin() + (size_t)im.w * 80, im.px.end());
        out.h += im.h - 80;
    }
    return out;
}

}  // namespace

int write_land_scenes(const std::string &dir)
{
    int failed = 0;
    failed |= save(dir, "scene_ground.png", render(ground_patches()));
    scene v = village();
    failed |= save(dir, "scene_village.png", render(v));
    v.roofs = false;
    failed |= save(dir, "scene_village_inside.png", render(v));
    v.roofs = true;
    v.light = 30;
    v.sea_t = 32;
    failed |= save(dir, "scene_village_night.png", render(v));
    failed |= save(dir, "scene_sea.png", sea_phases());
    failed |= save(dir, "scene_cave.png", render(cave(false)));
    failed |= save(dir, "scene_cave_roofed.png", render(cave(true)));
    return failed ? -1 : 0;
}

}  // namespace art
