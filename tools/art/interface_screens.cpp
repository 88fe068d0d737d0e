// interface_screens.cpp -- previews of the game's screens composed from the interface pictures
//
// Each preview puts the pictures where the game draws them (screen pictures at
// their screen positions, view pictures 20 pixels further right and down, clipped
// to the view), draws the see-through text boxes and the rotated lock textures
// the way the game's routines do, and writes sample text with the game's font in
// the colours the game uses.  The texts are samples: the game's own come from
// its text archive.
#include "art/interface_screens.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>

#include "art/palette.h"

namespace art {

namespace {

struct rgb8 {
    int r, g, b;
};

// A 640 x 400 screen in 8-bit channels.
struct shot {
    int w = 640, h = 400;
    std::vector<rgb8> px = std::vector<rgb8>(640 * 400, rgb8{0, 0, 0});
    bool in(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
    rgb8 &at(int x, int y) { return px[(size_t)y * w + x]; }
};

// A rectangle of the screen that drawing is clipped to.
struct clip {
    int x0, y0, x1, y1;   // inclusive
};
const clip SCREEN = {0, 0, 639, 399};
const clip VIEW = {20, 20, 419, 259};

int clamp255(int v) { return std::max(0, std::min(255, v)); }

// Palette index i in shade slice k, as the game's colour table has it.
rgb8 colour(uint8_t i, int k = 0)
{
    const rgb &p = palette()[i];
    return {clamp255(4 * p.r - 4 * k), clamp255(4 * p.g - 4 * k), clamp255(4 * p.b - 3 * k)};
}

void plot(shot &s, const clip &cl, int x, int y, rgb8 c, int alpha = 0)
{
    if (x < cl.x0 || y < cl.y0 || x > cl.x1 || y > cl.y1 || !s.in(x, y)) return;
    rgb8 &d = s.at(x, y);
    if (alpha) c = {(d.r * alpha + c.r * (255 - alpha)) >> 8, (d.g * alpha + c.g * (255 - alpha)) >> 8,
                    (d.b * alpha + c.b * (255 - alpha)) >> 8};
    d = c;
}

// The pictures, painted on first use.
class library {
public:
    explicit library(const std::vector<pic_entry> &pics) : pics_(pics) {}
    const canvas *get(int g, int n)
    {
        auto key = std::make_pair(g, n);
        auto it = cache_.find(key);
        if (it != cache_.end()) return &it->second;
        for (const pic_entry &p : pics_)
            if (p.group == g && p.number == n) {
                canvas c(p.w, p.h);
                p.paint(c, n);
                return &cache_.emplace(key, c).first->second;
            }
        return nullptr;
    }

private:
    const std::vector<pic_entry> &pics_;
    std::map<std::pair<int, int>, canvas> cache_;
};

// draw_bmp_scr / draw_bmp: index 0 clear, mirrored when flip, blended when alpha.
void put(shot &s, const canvas *c, int x, int y, const clip &cl = SCREEN, bool flip = false, int alpha = 0)
{
    if (!c) return;
    for (int yy = 0; yy < c->h; yy++)
        for (int xx = 0; xx < c->w; xx++) {
            uint8_t v = c->get(flip ? c->w - 1 - xx : xx, yy);
            if (v) plot(s, cl, x + xx, y + yy, colour(v), alpha);
        }
}

void put_view(shot &s, const canvas *c, int x, int y, bool flip = false, int alpha = 0)
{
    put(s, c, x + 20, y + 20, VIEW, flip, alpha);
}

void text(shot &s, int x, int y, const char *t, uint8_t col, const clip &cl = SCREEN, int alpha = 0)
{
    canvas probe(1, 1);
    int w = draw_text(probe, 0, 0, t, col) + 8;
    canvas c(w, 9);
    draw_text(c, 0, 0, t, col);
    put(s, &c, x, y, cl, false, alpha);
}

// Text with the one-pixel shadow most of the game's lines use.
void text2(shot &s, int x, int y, const char *t, uint8_t col, const clip &cl = SCREEN)
{
    text(s, x + 1, y + 1, t, pal::TEXT_SHADOW, cl);
    text(s, x, y, t, col, cl);
}

void view_text(shot &s, int x, int y, const char *t, uint8_t col, int alpha = 0)
{
    text(s, x + 20, y + 20, t, col, VIEW, alpha);
}

// draw_tbox: darkens the inside, paints the 8-pixel frame and the four corners.
void tbox(shot &s, library &lib, int x, int y, int w, int h, int style)
{
    if (x + w > 400) w = 400 - x;
    if (y + h > 240) h = 240 - y;
    w = std::max(w, 84);
    h = std::max(h, 84);
    for (int yy = y + 8; yy <= y + h - 9; yy++)
        for (int xx = x + 8; xx <= x + w - 9; xx++) {
            if (!s.in(xx + 20, yy + 20)) continue;
            rgb8 &d = s.at(xx + 20, yy + 20);
            if (style == 1) d = {d.r / 4, (64 * d.g + 2880) / 256, (64 * d.b + 5952) / 256};
            else d = {(64 * d.r + 5952) / 256, (64 * d.g + 5952) / 256, d.b / 4};
        }
    int base = style == 1 ? 125 : 137;
    for (int i = 0; i < 8; i++) {
        for (int xx = x; xx < x + w; xx++) {
            plot(s, VIEW, xx + 20, y + i + 20, colour((uint8_t)(base + i)));
            plot(s, VIEW, xx + 20, y + h - 1 - i + 20, colour((uint8_t)(base + i)));
        }
        for (int yy = y + i; yy < y + h - i; yy++) {
            plot(s, VIEW, x + i + 20, yy + 20, colour((uint8_t)(base + i)));
            plot(s, VIEW, x + w - 1 - i + 20, yy + 20, colour((uint8_t)(base + i)));
        }
    }
    int cpic = style == 1 ? 62 : 124;
    put_view(s, lib.get(7, cpic), x, y);
    put_view(s, lib.get(7, cpic), x + w - 32, y, true);
    put_view(s, lib.get(7, cpic + 1), x, y + h - 32);
    put_view(s, lib.get(7, cpic + 1), x + w - 32, y + h - 32, true);
}

// draw_rottex into the view: the texture laid on the square whose corners lie r
// from (cx, cy), turned by angle, in shade slice `shade`, clipped to cl (view).
void rottex(shot &s, const canvas *t, float cx, float cy, float r, float angle, int shade, const clip &cl, int alpha = 0)
{
    if (!t) return;
    auto corner = [&](float a) { return pt{cx + r * std::cos(angle + a), cy + r * std::sin(angle + a)}; };
    pt c1 = corner(5.497787f), c2 = corner(3.92699f), c4 = corner(0.785398f);
    float ux = c4.x - c1.x, uy = c4.y - c1.y, vx = c2.x - c1.x, vy = c2.y - c1.y;
    float l2 = ux * ux + uy * uy;
    if (l2 <= 0) return;
    for (int y = cl.y0; y <= cl.y1; y++)
        for (int x = cl.x0; x <= cl.x1; x++) {
            float px = (float)x + 0.5f - c1.x, py = (float)y + 0.5f - c1.y;
            float u = (px * ux + py * uy) / l2, v = (px * vx + py * vy) / l2;
            if (u < 0 || v < 0 || u >= 1 || v >= 1) continue;
            uint8_t i = t->get((int)(u * (float)t->w), (int)(v * (float)t->h));
            if (i) plot(s, VIEW, x + 20, y + 20, colour(i, shade), alpha);
        }
}

// The map view: grass tiles on the map's slanted lattice, and the hero if drawn.
void scene(shot &s, library &lib, int cam_x, int cam_y)
{
    const canvas *g = lib.get(0, 1);
    for (int y = 0; y < 240; y++)
        for (int x = 0; x < 400; x++) {
            int mx = x + cam_x, my = y + cam_y;
            int rr = my % 20, u = ((mx - (my / 20) * 20 - rr) % 40 + 40) % 40;
            uint8_t v = g ? g->get(u, rr) : pal::GRASS[3];
            plot(s, VIEW, x + 20, y + 20, colour(v, 2));
        }
    if (const canvas *hero = lib.get(3, 0)) put_view(s, hero, 200 - hero->w / 2, 130 - hero->h);
}

// The static screen of play: the frame, the board, the gold, the catalogue button.
void static_screen(shot &s, library &lib)
{
    put(s, lib.get(7, 0), 0, 0);
    put(s, lib.get(7, 68), 0, 0);
    text(s, 18, 5, "1250 gold", pal::TEXT);
    put(s, lib.get(7, 73), 80, 0);
}

struct member {
    const char *name;
    int level, hp, max_hp, mana, max_mana, exp;
};
const member party[] = {{"Aldric", 4, 42, 50, 12, 20, 168}, {"Mira", 3, 25, 31, 30, 30, 121},
                        {"Tobin", 3, 19, 36, 0, 0, 117}};

// The party rows, with the layout proposed for them: name and level on the top
// line, hit points and mana below, experience on the right.
void party_rows(shot &s, library &lib, int turn = -1)
{
    char buf[64];
    for (int k = 0; k < 3; k++) {
        const member &m = party[k];
        int y = 16 + 44 * k;
        put(s, lib.get(7, 1), 440, y);
        if (k == turn) put(s, lib.get(7, 48), 426, y);
        text2(s, 446, y + 4, m.name, pal::TEXT);
        std::snprintf(buf, sizeof buf, "%d", m.level);
        text(s, 588 + (m.level < 10 ? 3 : 0), y + 4, buf, pal::LEVEL_NUM);
        std::snprintf(buf, sizeof buf, "HP %d/%d", m.hp, m.max_hp);
        text(s, 446, y + 17, buf, pal::HP_TEXT);
        std::snprintf(buf, sizeof buf, "MP %d/%d", m.mana, m.max_mana);
        text(s, 446, y + 29, buf, pal::STAT_MANA);
        std::snprintf(buf, sizeof buf, "XP %d", m.exp);
        text(s, 540, y + 17, buf, pal::SILVER);
    }
}

void pointer(shot &s, library &lib, int n, int x, int y) { put(s, lib.get(8, n), x, y); }

// -- the screens --------------------------------------------------------------------
void screen_play(shot &s, library &lib)
{
    static_screen(s, lib);
    party_rows(s, lib);
    scene(s, lib, 2400, 1440);
    // A speech box as do_speech draws it: W = 250, H = 38.
    int W = 250, H = 38;
    tbox(s, lib, 0, 0, W + 20, H + 60, 1);
    put_view(s, lib.get(11, 5), 10, 10);
    text(s, 100, 32, "Narrator", pal::SILVER, VIEW);
    const char *lines[] = {"Mist lies low over", "Hollowmere tonight. The", "village sleeps, but", "someone is watching the road."};
    int ly[] = {30, 39, 48, 68};
    for (int i = 0; i < 4; i++) view_text(s, i < 3 ? 78 : 12, ly[i], lines[i], pal::SPEECH);
    put_view(s, lib.get(7, 64), W + 4, H + 44);
    pointer(s, lib, 1, 290, 122);
}

void inventory(shot &s, library &lib, int sel_row)
{
    put(s, lib.get(7, 5), 20, 270);
    put(s, lib.get(7, 98), 0, 350);
    put(s, lib.get(7, 69), 0, 270);
    put(s, lib.get(7, 70), 0, 270);
    const char *names[] = {"Short sword", "Leather armour", "Iron helmet", "Red potion", "Boots"};
    for (int r = 0; r < 5; r++) {
        if (r == sel_row) put(s, lib.get(7, 6), 25, 274 + 24 * r);
        text(s, 26, 278 + 24 * r, names[r], pal::ITEM_NAME);
        text(s, 27, 278 + 24 * r, names[r], pal::TEXT_SHADOW);
        if (r == 0) put(s, lib.get(7, 77), 26 + 58 + 30, 276);
    }
    put(s, lib.get(7, 25), 322, 292);
    put(s, lib.get(7, 7), 322, 274);
    put(s, lib.get(10, 14), 220, 272);
    text(s, 222, 380, "Worn by", pal::SILVER);
    text(s, 260, 380, "Aldric", pal::WHITE);
}

void screen_sheet(shot &s, library &lib)
{
    static_screen(s, lib);
    put(s, lib.get(7, 2), 440, 16);
    put(s, lib.get(7, 27), 442, 0);
    put(s, lib.get(7, 24), 490, 0);
    text(s, 444, 21, "Aldric", pal::TEXT);
    const char *lines[] = {"Level 4     Exp 168 / 200", "Hit points 42 / 50", "Mana 12 / 20",
                           "Str 12  Dex 10  Con 11", "Int 9   Wis 8   Points 1"};
    uint8_t cols[] = {pal::SILVER, pal::HP_TEXT, pal::STAT_MANA, pal::ATTR_TEXT, pal::ATTR_TEXT};
    for (int i = 0; i < 5; i++) text(s, 446, 39 + 11 * i + (i > 2 ? 8 : 0), lines[i], cols[i]);
    for (int k = 0; k < 15; k++) put(s, lib.get(7, 9 + k), 446 + 34 * (k % 5), 140 + 34 * (k / 5));
    put(s, lib.get(7, 30), 470, 242);
    put(s, lib.get(7, 3), 440, 270);
    for (int k = 4; k < 16; k++) put(s, lib.get(7, 61), 445 + 28 * (k % 4), 275 + 28 * (k / 4));
    put(s, lib.get(7, 58), 446 + 28, 276);
    put(s, lib.get(8, 41), 450, 280);
    put(s, lib.get(8, 42), 450 + 28, 280);
    put(s, lib.get(8, 49), 450 + 56, 280);
    put(s, lib.get(7, 76), 558, 374);
    inventory(s, lib, 1);
    scene(s, lib, 2400, 1440);
    // The skill list.
    put_view(s, lib.get(7, 104), 20, 20);
    const char *skills[] = {"Heal (2)", "Frost (1)", "Quake (1)", "Charm (1)", "Blast (1)",
                            "Venom (1)", "Summon spirit (1)", "Boost (1)", "Shape change (1)", "Fire bolt (1)"};
    for (int k = 0; k < 10; k++) {
        int y = 85 + 10 * k;
        for (int x = 60; x <= 247; x++) {
            plot(s, VIEW, x + 20, y - 1 + 20, colour(pal::INFO_TEXT));
            plot(s, VIEW, x + 20, y + 8 + 20, colour(pal::SKILL_RULE));
        }
        view_text(s, 60, y, skills[k], k == 3 ? pal::ORANGE : pal::SKILL_TEXT);
    }
    put_view(s, lib.get(7, 107), 59, 73);
    put_view(s, lib.get(7, 108), 59, 190);
    put_view(s, lib.get(7, 109), 45, 105);
    put_view(s, lib.get(7, 101), 241, 180);
    pointer(s, lib, 5, 180, 148);
}

void creature_list(shot &s, library &lib, int page)
{
    put(s, lib.get(7, 5), 20, 270);
    struct row {
        int mark;
        const char *name;
    } rows[] = {{56, "Aldric 4"}, {56, "Mira 3"}, {65, "Fisherman 2"}, {57, "Marsh wolf 3"}, {57, "Marsh wolf 2"}};
    for (int r = 0; r < 5; r++) {
        int y = 275 + 24 * r;
        put(s, lib.get(7, rows[r].mark), 25, y);
        bool sel = r == 3;
        text(s, 43, y + 5, rows[r].name, sel ? pal::SEL_NAME_DARK : pal::DIM);
        text(s, 42, y + 4, rows[r].name, sel ? pal::SEL_GOLD : pal::NAME_PAIR);
    }
    put(s, lib.get(7, page == 1 ? 49 : 50), 220, 270);
    if (page == 1) {
        int x = 225, y = 290;
        text(s, x + 8, y, "HP 21/30", pal::HP_TEXT);
        text(s, x + 93, y, "Wound 4", pal::HP_TEXT);
        text(s, x + 8, y + 12, "MP 0/0", pal::STAT_MANA);
        const char *left[] = {"Phys 4-7", "Fire 0/10%", "Frost 0/0%", "Shock 0/0%", "Dark 0/5%"};
        const char *right[] = {"Armour 6 (4%)", "Luck 3 (2%)", "Hit 12 (15%)", "Dodge 9 (6%)", "Speed 5"};
        for (int i = 0; i < 5; i++) {
            text(s, x, y + 41 + 12 * i, left[i], pal::STAT_TEXT);
            text(s, x + 93, y + 41 + 12 * i, right[i], pal::STAT_TEXT);
        }
    } else {
        const char *conds[] = {"Poisoned: 2 rounds, 3", "Slowed: 1 round", "Burning: 2 rounds, 4"};
        for (int i = 0; i < 3; i++) text(s, 225, 294 + 12 * i, conds[i], pal::STAT_TEXT);
    }
}

void screen_battle(shot &s, library &lib)
{
    static_screen(s, lib);
    party_rows(s, lib, 0);
    creature_list(s, lib, 1);
    scene(s, lib, 2440, 1400);
    put_view(s, lib.get(7, 117), 0, 230);
    pointer(s, lib, 28, 250, 140);
}

void screen_skills(shot &s, library &lib)
{
    static_screen(s, lib);
    put(s, lib.get(7, 2), 440, 16);
    put(s, lib.get(7, 4), 442, 0);
    put(s, lib.get(7, 24), 490, 0);
    text(s, 444, 21, "Mira", pal::TEXT);
    for (int k = 0; k < 15; k++)
        if (k != 9 && k != 12) put(s, lib.get(7, 9 + k), 446 + 34 * (k % 5), 140 + 34 * (k / 5));
    put(s, lib.get(7, 74), 440, 250);
    put(s, lib.get(7, 3), 440, 270);
    put(s, lib.get(7, 60), 569, 278);
    const int known[] = {0, 2, 4, 6, 8, 10, 12, 14, 16};
    for (int k = 0; k < 16; k++) {
        int x = 454 + 28 * (k % 4), y = 276 + 28 * (k / 4);
        if (k < 9) {
            if (k == 5) put(s, lib.get(7, 58), x, y);
            put(s, lib.get(9, known[k]), x, y);
        } else {
            put(s, lib.get(7, 61), 453 + 28 * (k % 4), 275 + 28 * (k / 4));
        }
    }
    put(s, lib.get(7, 120), 561, 358);
    text(s, 570, 362, "26", pal::MANA_LIGHT);
    put(s, lib.get(7, 59), 569, 278);
    put(s, lib.get(7, 103), 561, 318);
    text(s, 580, 322, "2 left", pal::MANA_LIGHT);
    put(s, lib.get(7, 100), 569, 294);
    creature_list(s, lib, 2);
    scene(s, lib, 2440, 1400);
    pointer(s, lib, 30, 260, 120);
}

void screen_loot(shot &s, library &lib)
{
    static_screen(s, lib);
    party_rows(s, lib);
    put(s, lib.get(7, 5), 20, 270);
    put(s, lib.get(7, 98), 0, 350);
    text(s, 26, 278, "Wolf pelt", pal::ITEM_NAME);
    text(s, 26, 302, "Bone", pal::ITEM_NAME);
    scene(s, lib, 2400, 1440);
    put_view(s, lib.get(7, 53), 100, 100);
    view_text(s, 108, 107, "Experience: 96", pal::WHITE);
    view_text(s, 108, 118, "Gold: 14", pal::WHITE);
    pointer(s, lib, 1, 200, 160);
}

void screen_levelup(shot &s, library &lib)
{
    static_screen(s, lib);
    party_rows(s, lib);
    scene(s, lib, 2400, 1440);
    int n = 2;
    put_view(s, lib.get(7, 116), 160, 100 - 10 * n);
    const char *who[] = {"Aldric", "Mira"};
    for (int i = 0; i < n; i++) {
        int y = 120 - 10 * n + 20 * i;
        put_view(s, lib.get(7, 115), 60, y);
        view_text(s, 70, y + 6, who[i], pal::CHEER);
        view_text(s, 70 + 76 + 6 * (int)std::string(who[i]).size(), y + 6, "+2 skill points", pal::CHEER);
    }
    pointer(s, lib, 1, 218, 104);
}

void screen_attributes(shot &s, library &lib)
{
    static_screen(s, lib);
    put(s, lib.get(7, 2), 440, 16);
    put(s, lib.get(7, 4), 442, 0);
    put(s, lib.get(7, 28), 490, 0);
    text(s, 444, 21, "Aldric", pal::TEXT);
    scene(s, lib, 2400, 1440);
    tbox(s, lib, 80, 60, 275, 120, 2);
    const char *attrs[] = {"Strength    12 (10)", "Dexterity   10 (10)", "Constitution 11 (9)", "Intellect    9 (9)",
                           "Wisdom       8 (8)"};
    put_view(s, lib.get(7, 127), 88, 78 + 18, false, 120);
    for (int k = 0; k < 5; k++) {
        view_text(s, 90, 80 + 18 * k, attrs[k], pal::ATTR_TEXT);
        put_view(s, lib.get(7, k == 1 ? 123 : 126), 195, 78 + 18 * k);
    }
    view_text(s, 230, 70, "Points: 2", pal::ATTR_POINTS);
    view_text(s, 210, 95, "Aim and", pal::HELP_TEXT);
    view_text(s, 210, 104, "dodging.", pal::HELP_TEXT);
    put_view(s, lib.get(7, 101), 335, 152);
    pointer(s, lib, 3, 218, 120);
}

void screen_skill_info(shot &s, library &lib)
{
    static_screen(s, lib);
    put(s, lib.get(7, 2), 440, 16);
    put(s, lib.get(7, 27), 442, 0);
    put(s, lib.get(7, 24), 490, 0);
    scene(s, lib, 2400, 1440);
    put_view(s, lib.get(7, 99), 20, 20);
    view_text(s, 40, 40, "Frost (3)", pal::SKILL_TEXT);
    for (int x = 40; x < 94; x++) {
        plot(s, VIEW, x + 20, 68, colour(pal::FRAME_GOLD[1]));
        plot(s, VIEW, x + 20, 70, colour(pal::FRAME_GOLD[4]));
        plot(s, VIEW, x + 20, 72, colour(pal::FRAME_GOLD[1]));
    }
    const char *desc[] = {"A shard of ice strikes one foe", "in range for 22 frost damage;", "with 41% it is slowed for",
                          "three rounds."};
    for (int i = 0; i < 4; i++) view_text(s, 40, 54 + 9 * i, desc[i], pal::SKILL_TEXT);
    put_view(s, lib.get(7, 111), 286, 70);
    view_text(s, 308, 82, "Points: 5", pal::INFO_TEXT);
    view_text(s, 308, 91, "Cost: 2", pal::INFO_TEXT);
    put_view(s, lib.get(7, 113), 320, 110);
    put_view(s, lib.get(7, 101), 241, 180);
    pointer(s, lib, 1, 346, 140);
}

void lock_common(shot &s, library &lib)
{
    static_screen(s, lib);
    party_rows(s, lib);
    scene(s, lib, 2400, 1440);
    for (int y = 36; y <= 163; y++)
        for (int x = 36; x <= 163; x++) plot(s, VIEW, x + 20, y + 20, {0, 0, 0});
    put_view(s, lib.get(7, 81), 164, 36);
    put_view(s, lib.get(7, 87), 164, 52);
}

void lock_rows(shot &s, library &lib, int caught)
{
    const int res[4] = {20, 35, 20, 100};
    char buf[16];
    for (int i = 0; i < 4; i++) {
        put_view(s, lib.get(7, 84), 164, 68 + 16 * i);
        if (i < caught) view_text(s, 192, 73 + 16 * i, "Caught", pal::GOOD);
        else {
            std::snprintf(buf, sizeof buf, "%d%%", res[i]);
            view_text(s, 192, 73 + 16 * i, buf, res[i] == 100 ? pal::DANGER : pal::TEXT);
        }
    }
}

// Gap filling after the dial is drawn: black pixels take the neighbours' sum / 3.
void fill_gaps(shot &s)
{
    shot copy = s;
    for (int y = 36; y <= 163; y++)
        for (int x = 36; x <= 163; x++) {
            rgb8 v = copy.at(x + 20, y + 20);
            if (v.r || v.g || v.b) continue;
            rgb8 n[4] = {copy.at(x + 19, y + 20), copy.at(x + 21, y + 20), copy.at(x + 20, y + 19), copy.at(x + 20, y + 21)};
            s.at(x + 20, y + 20) = {clamp255((n[0].r + n[1].r + n[2].r + n[3].r) / 3),
                                    clamp255((n[0].g + n[1].g + n[2].g + n[3].g) / 3),
                                    clamp255((n[0].b + n[1].b + n[2].b + n[3].b) / 3)};
        }
}

void screen_lock_cover(shot &s, library &lib)
{
    lock_common(s, lib);
    put_view(s, lib.get(7, 82), 228, 52);
    lock_rows(s, lib, 0);
    view_text(s, 268, 102, "20", pal::TEXT);
    put_view(s, lib.get(7, 85), 228, 84);
    const clip dial = {36, 36, 163, 163};
    rottex(s, lib.get(4, 14), 100, 100, 80, 3.14159f - 4.71239f, 3, dial);
    put_view(s, lib.get(4, 11), 36, 36);
    rottex(s, lib.get(4, 12), 100, 100, 84, 0.7f, 2, dial);
    fill_gaps(s);
    put_view(s, lib.get(7, 89), 260, 52);
    pointer(s, lib, 34, 130, 110);
}

void screen_lock_discs(shot &s, library &lib)
{
    lock_common(s, lib);
    for (int x = 178; x < 178 + 61; x++)
        for (int y = 40; y <= 47; y++) plot(s, VIEW, x + 20, y + 20, colour(pal::SAFE));
    put_view(s, lib.get(7, 83), 228, 52);
    lock_rows(s, lib, 1);
    put_view(s, lib.get(7, 85), 228, 84);
    view_text(s, 268, 102, "52", pal::TEXT);
    const clip dial = {36, 36, 163, 163};
    const float ang[4] = {0, 2.2f, 4.1f, 1.0f};
    int first = 1, last = 3;
    for (int i = last; i >= first; i--) {
        float x = (float)(i - first);
        rottex(s, lib.get(4, 10), 100, 100, 82 - 12 * x + 0.5f * x * x, ang[i], 4 * (i - first) + 3, dial);
    }
    put_view(s, lib.get(4, 11), 36, 36);
    rottex(s, lib.get(4, 12), 100, 100, 84, 5.1f, 2, dial);
    fill_gaps(s);
    put_view(s, lib.get(7, 91), 36, 84);
    put_view(s, lib.get(7, 88), 260, 52);
    // Setting the pick: the ring and the knob round the pointer.
    int mx = 80, my = 150;
    put_view(s, lib.get(7, 80), mx - 28, my - 28);
    rottex(s, lib.get(4, 13), (float)mx - 20, (float)my - 20, 10, 4 * 5.1f, 2, {0, 0, 399, 239});
    pointer(s, lib, 33, mx, my);
}

void title_back(shot &s, library &lib)
{
    put(s, lib.get(7, 40), 0, 0);
    put(s, lib.get(7, 34), 0, 0);
}

// fscr2: the title's sides darkened, slice 24 at the left edge to 23 at the right.
void title_edges(shot &s)
{
    for (int y = 0; y < 400; y++)
        for (int x = 0; x < 640; x++) {
            int k = x < 96 ? 24 - x / 4 : x >= 544 ? x / 4 - 136 : 0;
            if (!k) continue;
            rgb8 &d = s.at(x, y);
            d = {clamp255(d.r - 4 * k), clamp255(d.g - 4 * k), clamp255(d.b - 3 * k)};
        }
}

void screen_title(shot &s, library &lib)
{
    title_back(s, lib);
    put(s, lib.get(7, 36), 236, 176);
    put(s, lib.get(7, 37), 230, 192);
    title_edges(s);
    pointer(s, lib, 0, 330, 212);
}

void screen_title_list(shot &s, library &lib)
{
    title_back(s, lib);
    put(s, lib.get(7, 43), 230, 40);
    const char *names[] = {"Aldric", "Brenna", "Cael", "Dunstan", "Ewin"};
    for (int i = 0; i < 5; i++) {
        text(s, 243, 51 + 30 * i, names[i], pal::TEXT_SHADOW);
        text(s, 242, 50 + 30 * i, names[i], i == 1 ? pal::SEL_GOLD : pal::TEXT);
    }
    put(s, lib.get(7, 46), 260, 200);
    put(s, lib.get(7, 44), 160, 20);
    title_edges(s);
    pointer(s, lib, 0, 300, 212);
}

void screen_new_player(shot &s, library &lib)
{
    title_back(s, lib);
    put(s, lib.get(7, 42), 220, 157);
    put(s, lib.get(7, 41), 220, 180);
    text(s, 232, 190, "Wendeline", pal::SEL_GOLD);
    title_edges(s);
}

void screen_game_over(shot &s, library &lib)
{
    screen_battle(s, lib);
    const canvas *g = lib.get(7, 32);
    if (!g) return;
    int step = 252;
    for (int y = 0; y < 400; y++)
        for (int x = 0; x < 640; x++) {
            rgb8 &d = s.at(x, y);
            uint8_t v = g->get(x, y);
            if (!v) {
                int f = 255 - (2 * step) / 3;
                d = {d.r * f / 256, d.g * f / 256, d.b * f / 256};
            } else {
                rgb8 p = colour(v);
                d = {(d.r * (255 - step) + p.r * step) >> 8, (d.g * (255 - step) + p.g * step) >> 8,
                     (d.b * (255 - step) + p.b * step) >> 8};
            }
        }
}

int write_bmp24(const std::string &file, const shot &s)
{
    FILE *out = std::fopen(file.c_str(), "wb");
    if (!out) return -1;
    int row = s.w * 3, size = 54 + row * s.h;
    unsigned char h[54] = {'B', 'M'};
    auto le32 = [&](int at, int v) {
        for (int i = 0; i < 4; i++) h[at + i] = (unsigned char)(v >> (8 * i));
    };
    le32(2, size);
    le32(10, 54);
    le32(14, 40);
    le32(18, s.w);
    le32(22, s.h);
    h[26] = 1;
    h[28] = 24;
    le32(34, row * s.h);
    std::fwrite(h, 1, 54, out);
    std::vector<unsigned char> line((size_t)row);
    for (int y = s.h - 1; y >= 0; y--) {
        for (int x = 0; x < s.w; x++) {
            const rgb8 &p = s.px[(size_t)y * s.w + x];
            line[(size_t)x * 3] = (unsigned char)p.b;
            line[(size_t)x * 3 + 1] = (unsigned char)p.g;
            line[(size_t)x * 3 + 2] = (unsigned char)p.r;
        }
        std::fwrite(line.data(), 1, line.size(), out);
    }
    return std::fclose(out) == 0 ? 0 : -1;
}

}  // namespace

int write_interface_screens(const std::string &dir, const std::vector<pic_entry> &pics)
{
    library lib(pics);
    struct screen {
        const char *name;
        void (*draw)(shot &, library &);
    };
    const screen screens[] = {
        {"play", screen_play},         {"sheet", screen_sheet},           {"battle", screen_battle},
        {"skills", screen_skills},     {"loot", screen_loot},             {"levelup", screen_levelup},
        {"attributes", screen_attributes}, {"skill_info", screen_skill_info}, {"lock_cover", screen_lock_cover},
        {"lock_discs", screen_lock_discs}, {"title", screen_title},       {"title_list", screen_title_list},
        {"new_player", screen_new_player}, {"game_over", screen_game_over},
    };
    int written = 0;
    for (const screen &sc : screens) {
        shot s;
        sc.draw(s, lib);
        if (write_bmp24(dir + "/screen_" + sc.name + ".bmp", s) == 0) written++;
    }
    return written;
}

}  // namespace art
