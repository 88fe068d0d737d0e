// ifc_screen.cpp -- the play screen's frame, party panel, character sheet, list and battle panels, buttons
//
// Positions in comments are screen pixels; every picture is drawn by the game at
// a fixed place (see the table in interface.cpp), and the pictures that lie on
// top of each other are cut to meet exactly there.
#include <cmath>

#include "art/interface_parts.h"
#include "art/ui_kit.h"

namespace art {
namespace ifc {

using namespace ui;

namespace {

// The view's rectangle on the screen, and the bezel drawn around it.
constexpr int VIEW_X = 20, VIEW_Y = 20, VIEW_W = 400, VIEW_H = 240;
// The party panel's board (picture 68), right of the view.
constexpr int BOARD_X = 424, BOARD_W = 212;

// Rings around a rectangle, ring 1 touching it: ring k gets top[k] on its upper
// and left sides and bottom[k] on the others.
void bezel(canvas &c, int x, int y, int w, int h, const uint8_t *top, const uint8_t *bottom, int rings)
{
    for (int k = 1; k <= rings; k++) {
        int x0 = x - k, y0 = y - k, x1 = x + w - 1 + k, y1 = y + h - 1 + k;
        for (int i = x0; i <= x1; i++) {
            c.set(i, y0, top[k - 1]);
            c.set(i, y1, bottom[k - 1]);
        }
        for (int i = y0; i <= y1; i++) {
            c.set(x0, i, top[k - 1]);
            c.set(x1, i, bottom[k - 1]);
        }
    }
}

// The dark slate of the frame, mottled on a large scale.
void slate_ground(canvas &c, int x, int y, int w, int h, float base, uint32_t seed)
{
    for (int yy = y; yy < y + h; yy++)
        for (int xx = x; xx < x + w; xx++) {
            float t = base + 0.16f * (value_noise((float)xx, (float)yy, 48.0f, seed) - 0.5f) +
                      0.1f * (value_noise((float)xx, (float)yy, 3.0f, seed + 1) - 0.5f) +
                      0.06f * (value_noise((float)xx, (float)yy, 1.2f, seed + 2) - 0.5f);
            c.set(xx, yy, ramp_dither(NIGHT, t, xx, yy));
        }
}

// A flourish: a gold line with a diamond at its inner end.
void flourish(canvas &c, int x0, int x1, int y, bool diamond_right)
{
    for (int x = x0; x <= x1; x++) {
        c.set(x, y, pal::GOLD[4]);
        c.set(x, y + 1, pal::GOLD[1]);
    }
    int dx = diamond_right ? x1 + 3 : x0 - 3;
    for (int i = -2; i <= 2; i++)
        for (int k = -(2 - std::abs(i)); k <= 2 - std::abs(i); k++)
            c.set(dx + k, y + i, i < 0 || (i == 0 && k < 0) ? pal::GOLD[5] : pal::GOLD[2]);
}

}  // namespace

// 0: the whole screen around the view.  The view's own pixels (20..419 x
// 20..259) are never shown from here; the bezel, the gold counter's well and the
// tray under the list panel are.
void frame(canvas &c, int)
{
    slate_ground(c, 0, 0, c.w, c.h, 0.62f, 11);
    // A faint vertical shading gives the slab some depth.
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            float edge = std::min({(float)x, (float)y, (float)(c.w - 1 - x), (float)(c.h - 1 - y)});
            if (edge < 3) c.set(x, y, shift(c.get(x, y), edge < 1 ? -3 : -1));
        }

    const uint8_t top[4] = {pal::INK[0], pal::GOLD[1], pal::GOLD[5], pal::INK[1]};
    const uint8_t bottom[4] = {pal::INK[0], pal::GOLD[0], pal::GOLD[2], pal::INK[1]};
    bezel(c, VIEW_X, VIEW_Y, VIEW_W, VIEW_H, top, bottom, 4);
    for (int cx : {VIEW_X - 3, VIEW_X + VIEW_W + 2})
        for (int cy : {VIEW_Y - 3, VIEW_Y + VIEW_H + 2}) rivet(c, cx, cy, 3.2f);

    // The gold counter: written at (18, 5) beside a coin.
    well(c, 2, 2, 76, 14, 0.08f, 12);
    trim(c, 1, 1, 78, 16);
    draw_symbol(c, SYM_COIN, 9.5f, 9.0f, 10);

    // The tray under the list panel (20..419 x 270..389) and the tab column left of it.
    well(c, 2, 268, 418, 124, 0.3f, 13, NIGHT);
    trim(c, 1, 267, 420, 126);
    // An engraved lattice on the empty tray.
    for (int y = 270; y < 390; y++)
        for (int x = 4; x < 418; x++)
            if ((x + y) % 16 == 0 || (x - y + 1600) % 16 == 0) c.set(x, y, shift(c.get(x, y), -1));
    int tw = title_width("Hollowmere", 2.5f);
    int tx = 220 - tw / 2, ty = 312;
    title_text(c, tx, ty, "Hollowmere", 2.5f, pal::GOLD, pal::INK[0], 1);
    flourish(c, 40, tx - 18, ty + 11, true);
    flourish(c, tx + tw + 14, 398, ty + 11, false);
    for (int x : {8, 412})
        for (int y : {275, 384}) rivet(c, x, y, 1.8f);
}

// 68: the party panel's board, laid over the frame right of the view.
void party_board(canvas &c, int)
{
    int x0 = BOARD_X, w = BOARD_W;
    slate_ground(c, x0, 0, w, c.h, 0.42f, 21);
    for (int y = 0; y < c.h; y++) {
        c.set(x0, y, pal::INK[0]);
        c.set(x0 + 1, y, pal::GOLD[4]);
        c.set(x0 + 2, y, pal::GOLD[1]);
        c.set(x0 + w - 3, y, pal::GOLD[3]);
        c.set(x0 + w - 2, y, pal::GOLD[0]);
        c.set(x0 + w - 1, y, pal::INK[0]);
    }
    for (int x = x0; x < x0 + w; x++) {
        c.set(x, c.h - 1, pal::INK[0]);
        c.set(x, c.h - 2, pal::GOLD[1]);
    }
    for (int y : {8, 200, 391}) {
        rivet(c, x0 + 8, y, 1.8f);
        rivet(c, x0 + w - 10, y, 1.8f);
    }
    // Below the eighth row (which ends at 363): the game's crest between two rules.
    int cx = 530;
    for (int x = 452; x <= 608; x++)
        if (std::abs(x - cx) > 18) {
            c.set(x, 381, pal::GOLD[std::abs(x - cx) < 60 ? 4 : 2]);
            c.set(x, 382, pal::GOLD[0]);
        }
    canvas crest = supersample(28, 28, [](canvas &b) {
        std::vector<pt> shield = {{6, 4}, {50, 4}, {50, 26}, {28, 52}, {6, 26}};
        shade_shape(
            b, [&](float x, float y) { return in_polygon(shield, x, y); },
            [](float x, float y) { return vec3{(x - 28) / 30, (y - 22) / 34, 1}; }, pal::GOLD, -0.05f);
        std::vector<pt> field = {{11, 9}, {45, 9}, {45, 25}, {28, 45}, {11, 25}};
        polygon(b, field, pal::CLOTH_BLUE, {-0.3f, -0.4f, 1}, -0.4f);
        // A heron standing in the mere: the crest of Hollowmere.
        capsule(b, 28, 18, 24, 33, 3.0f, pal::BONE, 0.3f);
        capsule(b, 28, 18, 31, 12, 1.8f, pal::BONE, 0.3f);
        capsule(b, 31, 13, 38, 15, 0.9f, pal::GOLD, 0.2f);
        capsule(b, 24, 33, 22, 40, 0.8f, pal::BONE);
        capsule(b, 26, 33, 27, 40, 0.8f, pal::BONE);
        capsule(b, 14, 40, 42, 40, 0.9f, pal::ICE, 0.2f);
    });
    outline_inner(crest, 1);
    outline_outer(crest, pal::INK[0]);
    blit(c, crest, cx - 14, 368);
}

// 1: one party member's row at (440, 16 + 44k): name well on top with the level
// badge beside it, two lines for hit points, mana and experience below.
void party_row(canvas &c, int)
{
    plate(c, 0, 0, c.w, c.h, 0.2f, true, 31);
    well(c, 3, 2, 142, 13, 0.06f, 32);
    plate(c, 147, 2, 30, 13, 0.3f, true, 33, pal::GOLD);
    fill_grain(c, 149, 4, 26, 9, pal::GOLD, 0.12f, 0.08f, 0.03f, 34);
    rule(c, 4, 175, 26, pal::STEEL);
    for (int y : {20, 32}) {
        rivet(c, 2, y, 1.0f);
        rivet(c, 176, y, 1.0f);
    }
}

// 2: the character sheet at (440, 16): the name well (typed at (444, 21)), the
// quill that renames (spot 586..596 x 20..28) and a plain card for the figures.
void sheet(canvas &c, int)
{
    plate(c, 0, 0, c.w, c.h, 0.24f, true, 41);
    well(c, 2, 2, 142, 14, 0.08f, 42);
    plate(c, 145, 2, 15, 14, 0.46f, true, 43);
    draw_symbol(c, SYM_PENCIL, 152.5f, 9.0f, 11);
    well(c, 3, 19, c.w - 6, c.h - 22, 0.1f, 44);
    rule(c, 8, c.w - 9, 66, pal::STEEL);
    for (int x : {163, 173}) rivet(c, x, 8, 1.3f);
}

// 4, 27: the "Skills" tab at (442, 0) over the sheet; 24, 28: "Attributes" at
// (490, 0).  27 and 28 are the tabs lit while their window is open.
void sheet_tab(canvas &c, int n)
{
    bool lit = n == 27 || n == 28;
    const char *label = n == 4 || n == 27 ? "Skills" : "Attributes";
    fill_rect(c, 0, 1, c.w, c.h - 1, pal::INK[1]);
    float face = lit ? 0.6f : 0.4f;
    fill_grain(c, 1, 2, c.w - 2, c.h - 2, pal::STEEL, face + 0.05f, face - 0.1f, 0.04f, 51);
    for (int x = 1; x < c.w - 1; x++) c.set(x, 2, lit ? pal::GOLD[6] : pal::STEEL[7]);
    for (int y = 2; y < c.h; y++) {
        c.set(1, y, pal::STEEL[6]);
        c.set(c.w - 2, y, pal::STEEL[1]);
    }
    // Rounded upper corners.
    for (int i : {0, 1}) {
        c.set(i, 1, 0);
        c.set(c.w - 1 - i, 1, 0);
    }
    c.set(0, 2, 0);
    c.set(c.w - 1, 2, 0);
    text_centre(c, 0, 3, c.w, c.h - 3, label, lit ? pal::HILITE : pal::TEXT);
}

// 30 (31 pressed): "Use items" under the slot grid, at (470, 242).
void use_items_button(canvas &c, int n)
{
    bstate s = n == 31 ? PRESSED : NORMAL;
    button_face(c, 0, 0, c.w, c.h, s, 61);
    int d = press_shift(s);
    draw_symbol(c, SYM_POTION, 13.0f + (float)d, 10.0f + (float)d, 14);
    text_centre(c, 22 + d, d, c.w - 26, c.h, "Use items", label_colour(s));
}

// 3: the battle panel at (440, 270) under the page tabs: the skill grid and the
// belt (places 28 apart from x 446, y 276), the use and information buttons at
// x 569, the boxes for uses and mana at x 561.
void battle_panel(canvas &c, int)
{
    plate(c, 0, 0, c.w, c.h, 0.28f, true, 71);
    well(c, 3, 3, c.w - 6, c.h - 6, 0.1f, 72);
    trim(c, 2, 2, c.w - 4, c.h - 4);
    for (int x : {6, c.w - 8})
        for (int y : {6, c.h - 8}) rivet(c, x, y, 1.3f);
}

// 5: the list panel at (20, 270): the list of five rows (x 20..199), its scroll
// column (up 271..329, down 331..389) and the display on the right, where the
// item's icon stands at (220, 272) and its buttons at x 322.
void list_panel(canvas &c, int)
{
    plate(c, 0, 0, c.w, c.h, 0.24f, true, 81);
    // The rows: a mid-tone ground on which both the inventory's names (parchment
    // with a black copy a pixel to the right) and the creature list's grey and
    // gold names read.
    well(c, 2, 2, 177, 116, 0.24f, 82);
    for (int r = 1; r < 5; r++)
        for (int x = 6; x < 176; x++) {
            int y = 3 + 24 * r;
            c.set(x, y, (x / 2) % 2 ? pal::SLATE[2] : pal::SLATE[3]);
            c.set(x, y + 1, pal::SLATE[5]);
        }
    // The scroll column: two long buttons.
    button_face(c, 180, 1, 20, 59, NORMAL, 83);
    button_face(c, 180, 61, 20, 58, NORMAL, 84);
    draw_symbol(c, SYM_ARROW_UP, 190.0f, 30.0f, 14);
    draw_symbol(c, SYM_ARROW_DOWN, 190.0f, 90.0f, 14);
    // The display: a dark well with a soft light where the icon stands.
    well(c, 201, 2, 197, 116, 0.07f, 85);
    glow(c, 249.0f, 50.0f, 58.0f, pal::SLATE, 0.14f);
}

// 6: the selected row's highlight at (25, 274 + 24r), under the item's name.
void row_highlight(canvas &c, int)
{
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            float end = std::min(x, c.w - 1 - x);
            if (end < 2 && (y == 0 || y == c.h - 1)) continue;
            float t = 0.3f - 0.18f * (float)y / (float)(c.h - 1) + 0.04f * (value_noise((float)x, (float)y, 4, 91) - 0.5f);
            c.set(x, y, ramp_dither(pal::GOLD, t, x, y));
        }
    for (int x = 2; x < c.w - 2; x++) {
        c.set(x, 0, pal::GOLD[5]);
        c.set(x, c.h - 1, pal::GOLD[0]);
    }
    for (int y = 1; y < c.h - 1; y++) {
        c.set(0, y, pal::GOLD[4]);
        c.set(c.w - 1, y, pal::GOLD[1]);
    }
}

// The wide action buttons (96 x 16) at (322, 274) and (322, 292): a symbol on the
// left says what the button does, the label says it again.
void action_button(canvas &c, int n)
{
    struct form {
        int n;
        const char *label;
        symbol sym;
        bstate s;
    };
    static const form forms[] = {
        {7, "Statistics", SYM_LIST, NORMAL},   {129, "Statistics", SYM_LIST, PRESSED},
        {144, "Statistics", SYM_LIST, DISABLED},
        {25, "Equip", SYM_SWORD, NORMAL},      {26, "Equip", SYM_SWORD, DISABLED},
        {130, "Equip", SYM_SWORD, PRESSED},    {51, "Take", SYM_BAG, NORMAL},
        {52, "Take", SYM_BAG, DISABLED},       {131, "Take", SYM_BAG, PRESSED},
        {66, "Buy", SYM_COIN, NORMAL},         {67, "Buy", SYM_COIN, DISABLED},
        {132, "Buy", SYM_COIN, PRESSED},       {79, "Use", SYM_POTION, NORMAL},
        {133, "Use", SYM_POTION, PRESSED},     {96, "Put in chest", SYM_CHEST_IN, NORMAL},
        {97, "Put in chest", SYM_CHEST_IN, DISABLED}, {134, "Put in chest", SYM_CHEST_IN, PRESSED},
        {138, "Belt", SYM_BELT, NORMAL},       {139, "Belt", SYM_BELT, PRESSED},
    };
    const form *f = &forms[0];
    for (const form &g : forms)
        if (g.n == n) f = &g;
    button_face(c, 0, 0, c.w, c.h, f->s, 100 + (uint32_t)n);
    int d = press_shift(f->s);
    canvas sym(16, 16);
    draw_symbol(sym, f->sym, 8.0f, 8.0f, 12);
    if (f->s == DISABLED) recolour(sym, 0, 0, 16, 16, pal::GREY, 0.7f);
    blit(c, sym, 2 + d, d);
    if (f->s == DISABLED) {
        int tw = text_width(f->label);
        text_engraved(c, 16 + (c.w - 18 - tw + 1) / 2, 4, f->label, pal::GREY[1], pal::GREY[6]);
    } else {
        text_centre(c, 16 + d, d, c.w - 18, c.h, f->label, label_colour(f->s));
    }
}

// 8: the close button of the statistics box at (386, 356).
void stats_close(canvas &c, int)
{
    plate(c, 0, 0, c.w, c.h, 0.34f, true, 111);
    close_boss(c, 16.0f, 16.0f, 10.0f, NORMAL);
}

// 9..23: the boxes of equipment slots 0..14, 34 apart from (446, 140), as they
// look empty: a faint outline of what the slot takes.  Slots 10 and 11 both hold
// rings.  200: the box of a filled slot, plain, for the item's small icon.
void slot_box(canvas &c, int n)
{
    static const symbol sym[15] = {SYM_SWORD,  SYM_SHIELD, SYM_HELMET, SYM_ARMOUR, SYM_GLOVE,
                                   SYM_BOOT,   SYM_CLOAK,  SYM_BELT,   SYM_AMULET, SYM_BRACER,
                                   SYM_RING,   SYM_RING,   SYM_GREAVES, SYM_CHARM, SYM_QUIVER};
    plate(c, 0, 0, c.w, c.h, 0.4f, true, 120 + (uint32_t)(n % 15));
    well(c, 3, 3, c.w - 6, c.h - 6, 0.14f, 121);
    if (n < 9 || n > 23) return;
    canvas s(c.w, c.h);
    draw_symbol(s, sym[n - 9], 16.0f, 16.0f, 21);
    // Only the shape's edge, in a dim line: the place is empty.
    for (int y = 3; y < c.h - 3; y++)
        for (int x = 3; x < c.w - 3; x++)
            if (!s.get(x, y) && (s.get(x - 1, y) || s.get(x + 1, y) || s.get(x, y - 1) || s.get(x, y + 1)))
                c.set(x, y, (x + y) % 3 ? pal::SLATE[3] : pal::SLATE[2]);
    if (n == 19 || n == 20) draw_text(c, 23, 21, n == 19 ? "1" : "2", pal::SLATE[4]);
}

// 48: the turn marker at (426, 16 + 44k): a gold arrow at the row's middle.
void turn_marker(canvas &c, int)
{
    canvas a = supersample(c.w, c.h, [&](canvas &b) {
        polygon(b, {{2, 33}, {11, 33}, {11, 22}, {23, 40}, {11, 58}, {11, 47}, {2, 47}}, pal::GOLD, {-0.3f, -0.4f, 1},
                0.15f);
    });
    outline_inner(a, 1);
    outline_outer(a, pal::INK[0]);
    blit(c, a, 0, 0);
}

// 49, 50: the creature's detail box at (220, 270): statistics written from
// (225, 290), conditions from (225, 294); the two page tabs on its right edge
// (x 401..419: page 1 y 271..329, page 2 y 331..389).
void detail_box(canvas &c, int n)
{
    bool stats = n == 49;
    plate(c, 0, 0, c.w, c.h, 0.3f, true, 130);
    text_centre(c, 2, 2, 176, 12, stats ? "Statistics" : "Conditions", pal::HEADING);
    well(c, 2, 15, 177, 103, 0.1f, 131);
    if (stats) {
        rule(c, 6, 174, 51);
        for (int y = 17; y < 116; y++)
            if (y < 49 || y > 54) c.set(94, y, (y / 2) % 2 ? pal::SLATE[2] : pal::SLATE[0]);
    }
    for (int page = 0; page < 2; page++) {
        bool on = (page == 0) == stats;
        int y = 1 + 60 * page;
        button_face(c, 180, y, 19, 58, on ? LIT : NORMAL, 132 + (uint32_t)page);
        canvas s(20, 20);
        draw_symbol(s, page == 0 ? SYM_SWORD : SYM_SWIRL, 10.0f, 10.0f, 14);
        if (!on) recolour(s, 0, 0, 20, 20, pal::STEEL, 0.9f);
        blit(c, s, 180, y + 19);
    }
}

// 56, 57, 65: side marks before a creature's name in the list (party, hostile, ally).
void side_mark(canvas &c, int n)
{
    const pal::ramp &field = n == 56 ? pal::CLOTH_BLUE : n == 57 ? pal::CLOTH_RED : pal::FOLIAGE;
    canvas s = supersample(c.w, c.h, [&](canvas &b) {
        std::vector<pt> outer = {{3, 2}, {29, 2}, {29, 14}, {16, 30}, {3, 14}};
        std::vector<pt> inner = {{6, 5}, {26, 5}, {26, 14}, {16, 26}, {6, 14}};
        polygon(b, outer, pal::GOLD, {-0.3f, -0.4f, 1});
        shade_shape(
            b, [&](float x, float y) { return in_polygon(inner, x, y); },
            [&](float x, float y) { return vec3{(x - 16) / 14, (y - 13) / 16, 1}; }, field, 0.1f);
        if (n == 56) {
            polygon(b, {{14, 5}, {18, 5}, {18, 26}, {14, 22}}, pal::GOLD, {-0.3f, -0.4f, 1});
            polygon(b, {{6, 11}, {26, 11}, {26, 15}, {6, 15}}, pal::GOLD, {-0.3f, -0.4f, 1});
        } else if (n == 57) {
            capsule(b, 9, 8, 23, 21, 1.8f, pal::BONE);
            capsule(b, 23, 8, 9, 21, 1.8f, pal::BONE);
        } else {
            polygon(b, {{7, 9}, {16, 17}, {25, 9}, {25, 14}, {16, 22}, {7, 14}}, pal::GOLD, {-0.3f, -0.4f, 1});
        }
    });
    outline_inner(s, 1);
    outline_outer(s, pal::INK[0]);
    blit(c, s, 0, 0);
}

// 58: the chosen skill or belt place: a gold frame around a warm tile, drawn
// under the skill icon or the belt picture (which sits 4 pixels inside).
void place_highlight(canvas &c, int)
{
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            int e = std::min({x, y, c.w - 1 - x, c.h - 1 - y});
            if (e == 0 && (x == 0 || x == c.w - 1) && (y == 0 || y == c.h - 1)) continue;
            uint8_t v;
            if (e == 0) v = x == 0 || y == 0 ? pal::GOLD[6] : pal::GOLD[3];
            else if (e == 1) v = x == 1 || y == 1 ? pal::GOLD[5] : pal::GOLD[2];
            else {
                float d = std::hypot((float)x - 11.5f, (float)y - 11.5f) / 16.0f;
                v = ramp_dither(pal::GOLD, 0.32f - 0.22f * d, x, y);
            }
            c.set(x, y, v);
        }
}

// 59, 60 (use), 100 (information) at (569, 278) and (569, 294); 135, 136 pressed.
void small_button(canvas &c, int n)
{
    bstate s = n == 60 ? DISABLED : n == 135 || n == 136 ? PRESSED : NORMAL;
    button(c, 0, 0, c.w, c.h, n == 100 || n == 136 ? "Info" : "Use", s, 140 + (uint32_t)n);
}

// 61: an empty skill place (at 453 + 28c) or a locked belt place (at 445 + 28c):
// a dark hatched socket in the 24 x 24 box that an icon or a belt place fills.
void empty_place(canvas &c, int)
{
    well(c, 1, 1, 24, 24, 0.06f, 150);
    for (int y = 3; y < 24; y++)
        for (int x = 3; x < 24; x++)
            if ((x + y) % 5 == 0) c.set(x, y, pal::SLATE[2]);
}

namespace {

// One tab of the strips at (0, 270): raised, or pressed in and lit.
void strip_tab(canvas &c, int y, symbol sym, bstate s)
{
    button_face(c, 0, y, 20, 20, s, 160 + (uint32_t)y);
    canvas t(20, 20);
    draw_symbol(t, sym, 10.0f, 10.0f, 15);
    if (s == DISABLED) recolour(t, 0, 0, 20, 20, pal::GREY, 0.7f);
    else if (s == NORMAL) recolour(t, 0, 0, 20, 20, pal::STEEL, 1.0f);
    blit(c, t, press_shift(s), y + press_shift(s));
}

}  // namespace

// 69: category tabs (equipment, usable items); 94, 95: chest tabs (its contents,
// items to put in) with the shown one pressed; 29: a chest that takes nothing back.
void tab_strip(canvas &c, int n)
{
    if (n == 69) {
        strip_tab(c, 0, SYM_SWORD, NORMAL);
        strip_tab(c, 20, SYM_POTION, NORMAL);
    } else {
        strip_tab(c, 0, SYM_CHEST, n == 95 ? NORMAL : PRESSED);
        strip_tab(c, 20, SYM_CHEST_IN, n == 29 ? DISABLED : n == 95 ? PRESSED : NORMAL);
    }
}

// 70, 71: the category tab shown, pressed in, at (0, 270) and (0, 290).
void pressed_tab(canvas &c, int n) { strip_tab(c, 0, n == 70 ? SYM_SWORD : SYM_POTION, PRESSED); }

// 72 (the catalogue shown) and 73: the catalogue button at (80, 0), a bag.
void catalogue_button(canvas &c, int n)
{
    bstate s = n == 72 ? PRESSED : NORMAL;
    button_face(c, 0, 0, c.w, c.h, s, 170);
    draw_symbol(c, SYM_BAG, 10.0f + (float)press_shift(s), 8.0f + (float)press_shift(s), 13);
}

// 74 (skills shown), 75 (items shown): the battle panel's page tabs at (440, 250),
// "Skills" over 440..529 and "Items" over 530..619.  The tab shown opens into the
// panel below it.
void page_tabs(canvas &c, int n)
{
    for (int t = 0; t < 2; t++) {
        bool on = (t == 0) == (n == 74);
        int x = 90 * t, w = 90, y = on ? 0 : 3;
        fill_rect(c, x, y, w, c.h - y, pal::INK[1]);
        float face = on ? 0.5f : 0.3f;
        fill_grain(c, x + 1, y + 1, w - 2, c.h - y - 1, pal::STEEL, face + 0.05f, face - 0.08f, 0.04f, 180 + (uint32_t)t);
        for (int i = x + 1; i < x + w - 1; i++) c.set(i, y + 1, on ? pal::GOLD[6] : pal::STEEL[5]);
        for (int i = y + 1; i < c.h; i++) {
            c.set(x + 1, i, pal::STEEL[on ? 7 : 5]);
            c.set(x + w - 2, i, pal::STEEL[1]);
        }
        if (!on)
            for (int i = x; i < x + w; i++) c.set(i, c.h - 1, pal::INK[1]);
        c.set(x, y, 0);
        c.set(x + w - 1, y, 0);
        canvas s(16, 16);
        draw_symbol(s, t == 0 ? SYM_BOOK : SYM_POTION, 8.0f, 8.0f, 13);
        if (!on) recolour(s, 0, 0, 16, 16, pal::STEEL, 0.85f);
        const char *label = t == 0 ? "Skills" : "Items";
        int tw = text_width(label);
        int lx = x + (w - tw - 16) / 2;
        blit(c, s, lx - 2, y + 2);
        text_shadow(c, lx + 16, y + (c.h - y - 7) / 2, label, on ? pal::HILITE : pal::SILVER);
    }
}

// 76: "Remove" at (558, 374) under the belt, outside battle.
void remove_button(canvas &c, int) { button(c, 0, 0, c.w, c.h, "Remove", NORMAL, 190); }

// 77: the mark after the name of an item already worn or on a belt.
void worn_mark(canvas &c, int)
{
    ellipse(c, 6.0f, 6.0f, 5.6f, 5.6f, pal::GOLD, -0.1f);
    ellipse(c, 6.0f, 6.0f, 4.2f, 4.2f, pal::FOLIAGE, -0.1f);
    const int ck[][2] = {{3, 6}, {4, 7}, {5, 8}, {6, 7}, {7, 6}, {8, 5}, {9, 4}};
    for (const auto &p : ck) {
        c.set(p[0], p[1], pal::BONE[9]);
        c.set(p[0], p[1] - 1, pal::BONE[7]);
    }
    outline_outer(c, pal::INK[0]);
}

// 98: closes the inventory, at (0, 350).
void inventory_close(canvas &c, int)
{
    button_face(c, 0, 0, c.w, c.h, NORMAL, 200);
    close_boss(c, 10.0f, 20.0f, 6.5f, NORMAL);
}

// 103: the uses left of a limited skill, at (561, 318); the number at (580, 322).
void uses_box(canvas &c, int)
{
    plate(c, 0, 0, c.w, c.h, 0.2f, true, 210, pal::SLATE);
    draw_symbol(c, SYM_HOURGLASS, 9.0f, 8.0f, 12);
}

// 120: the mana cost, at (561, 358); the cost at (570, 362), beside a drop.
void cost_box(canvas &c, int)
{
    plate(c, 0, 0, c.w, c.h, 0.2f, true, 220, pal::SLATE);
    // A deep field: the cost is written bright when affordable, dim (8) when not.
    well(c, 8, 2, c.w - 10, c.h - 4, 0.1f, 221, pal::INK);
    canvas d = supersample(10, 14, [](canvas &b) {
        shade_shape(
            b,
            [](float x, float y) {
                float u = (x - 10) / 7, v = (y - 19) / 7;
                if (u * u + v * v <= 1) return true;
                return y < 19 && y > 4 && std::fabs(x - 10) < (y - 4) * 0.47f;
            },
            [](float x, float y) { return vec3{(x - 10) / 8, (y - 17) / 10, 1}; }, pal::CLOTH_BLUE, 0.2f);
    });
    outline_inner(d, 1);
    blit(c, d, 0, 1);
}

// 128: the bullet before each unmet requirement.
void bullet(canvas &c, int)
{
    // A small gold diamond, lit on its upper left: ramp places, -1 clear.
    const int place[6][4] = {{-1, 3, -1, -1}, {3, 4, 2, -1}, {4, 6, 4, 1}, {2, 5, 1, -1}, {-1, 1, -1, -1},
                             {-1, -1, -1, -1}};
    for (int y = 0; y < 6; y++)
        for (int x = 0; x < 4; x++)
            if (place[y][x] >= 0) c.set(x, y, pal::GOLD[place[y][x]]);
}

// 117 (118 under the pointer, 137 pressed): start the fight, in the view at (0, 230).
void start_button(canvas &c, int n)
{
    bool lit = n == 118, pressed = n == 137;
    fill_rect(c, 0, 0, c.w, c.h, lit ? pal::GOLD[3] : pal::INK[1]);
    fill_grain(c, 1, 1, c.w - 2, c.h - 2, pal::CLOTH_RED, pressed ? 0.25f : lit ? 0.7f : 0.55f,
               pressed ? 0.35f : lit ? 0.45f : 0.3f, 0.04f, 230);
    for (int x = 1; x < c.w - 1; x++) {
        c.set(x, 1, pressed ? pal::CLOTH_RED[0] : pal::CLOTH_RED[7]);
        c.set(x, c.h - 2, pressed ? pal::CLOTH_RED[5] : pal::CLOTH_RED[1]);
    }
    int d = pressed ? 1 : 0;
    text_centre(c, d, d - 1, c.w, c.h + 1, "Start battle", lit ? pal::HILITE : pal::WHITE);
}

// 141, 142: the list's up and down scroll buttons pressed, at (200, 270) and (200, 330).
void scroll_pressed(canvas &c, int n)
{
    // The lower half ends a row early: the panel's rim runs under it.
    button_face(c, 0, 1, 20, n == 141 ? 59 : 58, PRESSED, 240);
    draw_symbol(c, n == 141 ? SYM_ARROW_UP : SYM_ARROW_DOWN, 11.0f, 31.0f, 14);
}

}  // namespace ifc
}  // namespace art
