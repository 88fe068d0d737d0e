// ifc_title.cpp -- the title screen (backdrop, name, buttons, player list, name panel, delete question),
// the game-over picture, the world-map marker and the editor's tool bar
//
// The title keeps its lettering in the lower third of the screen: the player
// list (230..429 x 40..189), the menu buttons (226..429 x 168..231), the name
// panel (220..419 x 157..211) and the delete question (160, 20) all stand above
// it, so no state of the title hides the name.
#include <algorithm>
#include <cmath>

#include "art/interface_parts.h"
#include "art/ui_kit.h"

namespace art {
namespace ifc {

using namespace ui;

namespace {

constexpr int HORIZON = 214;   // where the far shore meets the mere

// The evening sky, from the night at the top to the afterglow at the horizon.
const pal::ramp &sky()
{
    static const pal::ramp r = {{pal::INK[0], pal::CLOTH_BLUE[0], pal::CLOTH_BLUE[1], pal::MAGIC[0], pal::MAGIC[1],
                                 pal::CLOTH_RED[1], pal::CLOTH_RED[2], pal::TERRACOTTA[3], pal::TERRACOTTA[4],
                                 pal::FIRE[4], pal::FIRE[5]},
                                11};
    return r;
}

// Height of the far hills above the horizon at column x.
float hills(float x)
{
    return 26 + 22 * value_noise(x, 0, 90, 501) + 10 * value_noise(x, 0, 30, 502) + 3 * value_noise(x, 0, 7, 503);
}

// Height of the near bank's reeds and grass above the bottom at column x.
float bank(float x)
{
    float edge = std::min(x, 640 - x);
    return 48 + 40 * std::max(0.0f, 1 - edge / 220) + 10 * value_noise(x, 0, 24, 505);
}

}  // namespace

// 40: the title's backdrop: a mere in a hollow at dusk, a ruined tower on the far
// shore, the moon and its path on the water, reeds in front.
void title_backdrop(canvas &c, int)
{
    const pal::ramp &s = sky();
    float moon_x = 468, moon_y = 78, moon_r = 19;
    for (int y = 0; y < HORIZON; y++)
        for (int x = 0; x < c.w; x++) {
            float t = std::pow((float)y / (float)HORIZON, 1.5f) * 0.95f;
            float d = std::hypot((float)x - moon_x, (float)y - moon_y);
            t += 0.14f * std::exp(-d / 60.0f);
            // Long thin clouds, dark against the glow, lit a little on their lower edge.
            float cl = value_noise((float)x * 0.5f, (float)y * 2.4f, 26, 510) * std::sin((float)y / (float)HORIZON * 3.1f);
            if (cl > 0.55f) t -= 0.1f + 0.2f * (cl - 0.55f);
            else if (cl > 0.5f) t += 0.04f;
            c.set(x, y, ramp_dither(s, t, x, y));
        }
    rng g(511);
    for (int i = 0; i < 260; i++) {
        int x = g.range(0, c.w - 1), y = g.range(0, 120);
        if (std::hypot((float)x - moon_x, (float)y - moon_y) < 40) continue;
        if (c.get(x, y) != pal::INK[0] && c.get(x, y) != pal::CLOTH_BLUE[0] && c.get(x, y) != pal::CLOTH_BLUE[1]) continue;
        c.set(x, y, g.range(0, 5) == 0 ? pal::BONE[9] : pal::SLATE[g.range(4, 7)]);
    }
    ellipse(c, moon_x, moon_y, moon_r + 1.5f, moon_r + 1.5f, pal::BONE, -0.35f);
    ellipse(c, moon_x, moon_y, moon_r, moon_r, pal::BONE, 0.3f);
    ellipse(c, moon_x + 5, moon_y - 4, 4.5f, 3.5f, pal::BONE, 0.05f);
    ellipse(c, moon_x - 7, moon_y + 6, 3.0f, 2.5f, pal::BONE, 0.08f);

    // Far hills, near black against the glow, with a ruined tower on a knoll.
    for (int x = 0; x < c.w; x++) {
        float h = hills((float)x);
        if (x > 110 && x < 210) h += 18 * std::sin(((float)x - 110) / 100 * 3.1416f);
        for (int y = HORIZON - (int)h; y < HORIZON; y++)
            c.set(x, y, ramp_dither(ui::NIGHT, 0.42f - 0.25f * (float)(y - HORIZON + h) / h, x, y));
    }
    int tx = 150, base = HORIZON - 44;
    for (int y = base - 70; y < base + 4; y++)
        for (int x = tx; x < tx + 22; x++) {
            bool broken = y < base - 60 && (x - tx) > 8 + (base - 60 - y);
            if (broken) continue;
            float t = 0.5f - 0.3f * (float)(x - tx) / 22.0f + 0.1f * (value_noise((float)x, (float)y, 3, 512) - 0.5f);
            c.set(x, y, ramp_dither(ui::NIGHT, t, x, y));
        }
    for (int i = 0; i < 4; i++) fill_rect(c, tx + 6 * i - 1, base - 74, 4, 5, pal::INK[1]);
    fill_rect(c, tx + 8, base - 46, 4, 6, pal::FIRE[5]);
    fill_rect(c, tx + 9, base - 44, 2, 3, pal::FIRE[7]);
    fill_rect(c, tx + 12, base - 24, 3, 4, pal::FIRE[4]);
    for (int y = base - 30; y < base + 4; y++)
        for (int x = tx + 22; x < tx + 34; x++)
            if (y > base - 30 + (x - tx - 22) % 5) c.set(x, y, ramp_dither(ui::NIGHT, 0.3f, x, y));

    // The mere: the sky mirrored and darkened, rippled, with the moon's path.
    for (int y = HORIZON; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            int my = 2 * HORIZON - y + (int)(3 * std::sin((float)x * 0.05f + (float)y * 0.7f));
            my = std::max(0, std::min(HORIZON - 1, my));
            float t = std::pow((float)my / (float)HORIZON, 1.5f) * 0.95f - 0.3f - 0.15f * (float)(y - HORIZON) / 186.0f;
            float ripple = value_noise((float)x * 0.3f, (float)y * 2.5f, 3, 514);
            float path = std::exp(-std::fabs((float)x - moon_x) / (10 + 0.25f * (float)(y - HORIZON)));
            if (ripple > 0.6f) t += 0.18f * path + 0.05f;
            t += 0.1f * path;
            uint8_t v = ramp_dither(s, t, x, y);
            if (ripple > 0.75f && path > 0.3f) v = pal::BONE[7 + (x + y) % 2];
            c.set(x, y, v);
        }
    // Mist lying over the water near the far shore.
    for (int y = HORIZON - 10; y < HORIZON + 30; y++)
        for (int x = 0; x < c.w; x++) {
            float m = value_noise((float)x, (float)y * 2, 50, 515) * std::exp(-std::fabs((float)y - HORIZON - 4) / 12);
            if (m > 0.32f + 0.5f * bayer(x, y)) c.set(x, y, (x + y) % 3 ? pal::SLATE[4] : pal::SLATE[5]);
        }
    // Lily pads drifting on the open water.
    for (int i = 0; i < 14; i++) {
        float lx = (float)g.range(40, 600), ly = (float)g.range(HORIZON + 40, 330);
        if (std::fabs(lx - moon_x) < 30) continue;
        float r = 3 + 5 * (ly - HORIZON) / 120;
        for (int y = (int)(ly - r); y <= (int)(ly + r); y++)
            for (int x = (int)(lx - 2 * r); x <= (int)(lx + 2 * r); x++) {
                float u = ((float)x - lx) / (2 * r), v = ((float)y - ly) / (r * 0.9f);
                if (u * u + v * v > 1 || (u > 0.1f && std::fabs(v) < 0.15f)) continue;
                c.set(x, y, ramp_dither(pal::FOLIAGE, 0.2f - 0.15f * v, x, y));
            }
    }
    // The near bank: dark grass with tufts, and reeds with seed heads against the water.
    for (int x = 0; x < c.w; x++) {
        int h = (int)bank((float)x);
        for (int y = c.h - h; y < c.h; y++) {
            float t = 0.14f - 0.1f * (float)(y - (c.h - h)) / (float)h + 0.1f * (value_noise((float)x, (float)y * 2, 4, 516) - 0.5f);
            c.set(x, y, ramp_dither(pal::FOLIAGE, t, x, y));
        }
    }
    for (int i = 0; i < 320; i++) {
        float x0 = (float)g.range(0, c.w - 1);
        float edge = std::min(x0, 640 - x0);
        float base = (float)c.h - bank(x0) + (float)g.range(4, 30);
        float len = 14 + (float)g.range(0, 70) * std::max(0.15f, 1 - edge / 240);
        float lean = (x0 < 320 ? 1.0f : -1.0f) * (0.12f * g.uniform() - 0.03f);
        uint8_t col = g.range(0, 2) ? pal::FOLIAGE[1] : pal::FOLIAGE[2];
        for (float k = 0; k < len; k += 0.5f) c.set((int)(x0 + lean * k), (int)(base - k), k < len * 0.2f ? pal::FOLIAGE[0] : col);
        if (len > 40 && g.range(0, 2) == 0) {
            int hx = (int)(x0 + lean * len), hy = (int)(base - len);
            fill_rect(c, hx - 1, hy, 3, 8, pal::LEATHER[2]);
            c.set(hx - 1, hy, pal::LEATHER[4]);
            c.set(hx - 1, hy + 1, pal::LEATHER[4]);
            c.set(hx, hy - 2, pal::FOLIAGE[2]);
            c.set(hx, hy - 1, pal::FOLIAGE[2]);
        }
    }
}

// 34: laid over the backdrop (its clear pixels keep it): the name, the motto and
// a darkening towards the corners.
void title_overlay(canvas &c, int)
{
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            float u = ((float)x - 320) / 320, v = ((float)y - 200) / 200;
            float d = std::sqrt(u * u * 0.8f + v * v * 0.9f);
            if (d > 0.78f + 0.3f * bayer(x, y)) c.set(x, y, pal::INK[0]);
        }
    const float scale = 6.0f;
    int tw = title_width("Hollowmere", scale);
    int x = (c.w - tw) / 2, y = 246;
    title_text(c, x, y, "Hollowmere", scale, pal::GOLD, pal::INK[0], 4);
    const char *motto = "The marsh remembers every footstep.";
    int mw = text_width(motto);
    text_shadow(c, (c.w - mw) / 2, 316, motto, pal::SPEECH);
    for (int i = 0; i < 2; i++) {
        int lx = i ? (c.w + mw) / 2 + 10 : (c.w - mw) / 2 - 70;
        for (int k = 0; k < 60; k++) {
            c.set(lx + k, 320, pal::GOLD[i ? 6 - k / 10 : k / 10]);
            c.set(lx + k, 321, pal::GOLD[0]);
        }
    }
}

// The menu's buttons.  35 "New player" at (240, 200) and 36 "Players" at (236,
// 176) share the face 240..419; 37 and 38 are the same faces lit, with gold
// arrows in their margins (they are drawn 10 left and 8 above the plain ones).
// 45 "Load" at (270, 200), 46 lit at (260, 200).
void title_button(canvas &c, int n)
{
    struct form {
        int n;
        const char *label;
        int fx, fy, fw;   // the face's box in the picture
        bool lit;
    };
    static const form forms[] = {
        {35, "New player", 0, 0, 180, false}, {36, "Players", 4, 0, 180, false},
        {37, "New player", 10, 8, 180, true}, {38, "Players", 14, 8, 180, true},
        {45, "Load", 0, 0, 100, false},       {46, "Load", 10, 0, 100, true},
    };
    const form *f = &forms[0];
    for (const form &g : forms)
        if (g.n == n) f = &g;
    int x = f->fx, y = f->fy, w = f->fw, h = 24;
    fill_rect(c, x, y, w, h, f->lit ? pal::GOLD[3] : pal::INK[0]);
    fill_grain(c, x + 1, y + 1, w - 2, h - 2, pal::STEEL, f->lit ? 0.58f : 0.42f, f->lit ? 0.36f : 0.22f, 0.05f, 520);
    trim(c, x + 2, y + 2, w - 4, h - 4);
    rivet(c, x + 7, y + h / 2 - 1, 1.6f);
    rivet(c, x + w - 9, y + h / 2 - 1, 1.6f);
    int tw = title_width(f->label, 1.5f);
    title_text(c, x + (w - tw) / 2 + 2, y + 4, f->label, 1.5f, f->lit ? pal::FIRE : pal::GOLD, pal::INK[0], 1);
    if (f->lit) {
        // Gold arrows point at the face from both sides.
        canvas a = supersample(10, 16, [](canvas &b) {
            polygon(b, {{1, 4}, {18, 16}, {1, 28}, {6, 16}}, pal::GOLD, {-0.3f, -0.4f, 1}, 0.2f);
        });
        outline_outer(a, pal::INK[0]);
        blit(c, a, x - 10, y + 4);
        blit(c, a, x + w, y + 4, true);
    }
}

// 41: the name field at (220, 180); the name is typed at (232, 190).
void name_field(canvas &c, int)
{
    plate(c, 0, 0, c.w, c.h, 0.36f, true, 530);
    well(c, 5, 4, c.w - 10, c.h - 8, 0.04f, 531, pal::INK);
    trim(c, 4, 3, c.w - 8, c.h - 6);
}

// 42: the name panel's heading at (220, 157).
void name_label(canvas &c, int)
{
    plate(c, 0, 0, c.w, c.h, 0.3f, true, 540);
    text_centre(c, 0, 0, c.w, c.h, "Name of the new player", pal::TEXT);
    draw_symbol(c, SYM_PENCIL, 12.0f, 10.0f, 12);
}

// 43: the players list at (230, 40): five names written at (242, 50 + 30i), the
// scroll buttons in the column on the right (up 41..59, down 171..189).
void player_list(canvas &c, int)
{
    plate(c, 0, 0, c.w, c.h, 0.3f, true, 550);
    for (int i = 0; i < 5; i++) well(c, 4, 3 + 30 * i, 174, 25, 0.08f, 551 + (uint32_t)i);
    well(c, 181, 21, 18, 108, 0.04f, 560, pal::INK);
    button_face(c, 180, 1, 20, 19, NORMAL, 561);
    button_face(c, 180, 130, 20, 19, NORMAL, 562);
    draw_symbol(c, SYM_ARROW_UP, 190.0f, 10.0f, 12);
    draw_symbol(c, SYM_ARROW_DOWN, 190.0f, 140.0f, 12);
}

// 44: the delete question at (160, 20), answered with Y or N.
void delete_question(canvas &c, int)
{
    plate(c, 0, 0, c.w, c.h, 0.3f, true, 570);
    trim(c, 2, 2, c.w - 4, c.h - 4);
    draw_symbol(c, SYM_SKULL, 24.0f, 28.0f, 28);
    int tw = title_width("Delete this player?", 1.5f);
    title_text(c, 44 + (c.w - 44 - tw) / 2, 8, "Delete this player?", 1.5f, pal::GOLD, pal::INK[0], 1);
    const char *keys = "Y: delete it      N: keep it";
    text_shadow(c, 44 + (c.w - 44 - text_width(keys)) / 2, 36, keys, pal::TEXT);
}

// 32: the game over, cross-faded over the screen: clear where the battle shows
// through (darkened), a dark border closing in, and a plaque in the middle.
void game_over(canvas &c, int)
{
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            float u = ((float)x - 320) / 320, v = ((float)y - 200) / 200;
            float d = std::sqrt(u * u + v * v * 1.2f);
            float k = (d - 0.6f) / 0.55f;
            if (k > bayer(x, y)) c.set(x, y, k > 0.7f ? pal::INK[0] : pal::INK[1]);
        }
    int px = 180, py = 150, pw = 280, ph = 96;
    fill_rect(c, px, py, pw, ph, pal::INK[0]);
    fill_grain(c, px + 1, py + 1, pw - 2, ph - 2, pal::CLOTH_RED, 0.12f, 0.02f, 0.05f, 580);
    trim(c, px + 3, py + 3, pw - 6, ph - 6);
    int tw = title_width("Fallen", 4.0f);
    title_text(c, px + (pw - tw) / 2 + 2, py + 12, "Fallen", 4.0f, pal::CLOTH_RED, pal::INK[0], 2);
    const char *line = "Your party has fallen in battle.";
    text_shadow(c, px + (pw - text_width(line)) / 2, py + 60, line, pal::SPEECH);
    const char *key = "Press Space";
    text_shadow(c, px + (pw - text_width(key)) / 2, py + 76, key, pal::SILVER);
    draw_symbol(c, SYM_SWORD, (float)px + 24, (float)py + 30, 26);
    draw_symbol(c, SYM_SWORD, (float)(px + pw) - 26, (float)py + 30, 26);
}

// 33: the party's marker on the world map, centred 3 pixels in from its corner.
void map_marker(canvas &c, int)
{
    ellipse(c, 3.5f, 3.5f, 3.4f, 3.4f, pal::GOLD, 0.2f);
    c.set(2, 2, pal::GOLD[6]);
    for (int i = 0; i < 8; i++)
        for (int k = 0; k < 8; k++)
            if (c.get(i, k) && (!c.get(i + 1, k) || !c.get(i, k + 1))) c.set(i, k, pal::INK[0]);
}

// 119: the editor's tool bar at (100, 0): level window, new chest, choose a chest,
// new spawner, choose a spawner; 20 pixels each.
void editor_bar(canvas &c, int)
{
    const symbol big[5] = {SYM_MAP, SYM_CHEST, SYM_CHEST, SYM_MONSTER, SYM_MONSTER};
    for (int i = 0; i < 5; i++) {
        int x = 20 * i;
        button_face(c, x, 0, 20, 20, NORMAL, 590 + (uint32_t)i);
        draw_symbol(c, big[i], (float)x + 9.5f, 9.5f, 14);
        if (i == 1 || i == 3) draw_symbol(c, SYM_PLUS, (float)x + 14.5f, 14.5f, 8);
        if (i == 2 || i == 4) draw_symbol(c, SYM_LIST, (float)x + 14.5f, 14.5f, 8);
    }
}

}  // namespace ifc
}  // namespace art
