// animations.cpp -- short effects on the map: starting, advancing and drawing them by kind
#include <cmath>
#include <cstring>

#include "core/core.h"
#include "data/data.h"
#include "world/world.h"

namespace hm {

namespace {

constexpr int EFFECTS = 6;   // picture group of the effects

int first_free_ani()
{
    for (int a = 0; a < ANI_COUNT; a++)
        if (!ANI[a].active) return a;
    return -1;
}

// The age past which an animation of this kind is retired; kind 0 ends by its life.
int last_age(int kind)
{
    switch (kind) {
    case 1: return 40;
    case 2: case 3: return 9;
    case 4: case 5: case 6: return 59;
    case 7: case 9: return 99;
    case 8: return 24;
    case 10: return 119;
    case 31: return 32;
    case 32: case 33: return 50;
    default: return kind >= 11 && kind <= 30 ? 33 : 0;   // unknown kinds end at once
    }
}

// Advances one record; false when it has ended.
bool advance(ani_rec &a)
{
    int k = a.kind;
    if (k == 0) {
        if (a.age >= a.life) return false;
        int len = a.frame_len > 0 ? a.frame_len : 1;
        a.frame = a.age / len < a.last_frame ? a.age / len : a.last_frame;
        return true;
    }
    if (a.age > last_age(k)) return false;
    if (k == 1 || (k >= 11 && k <= 30)) {
        a.px += a.vx;
        a.py += a.vy;
        a.vy += k == 1 ? 0.1f : 0.15f;
    } else if (k == 2 || k == 3) {
        a.frame = a.age > 6 ? 3 : (a.age / 2) % 4;
    } else if (k >= 4 && k <= 6) {
        if (a.age == 1) a.pic = random() % 2;
        a.frame = a.age / 2 < 9 ? a.age / 2 : 9;
    } else if (k == 8) {
        if (a.age == 1) a.pic = random() % 2;
        a.frame = a.age / 2 < 11 ? a.age / 2 : 11;
    } else if (k == 9) {
        a.frame = (a.age / 2) % 8;
    }
    return true;
}

// Pictures that circle the anchor: n copies spread evenly round a radius r.
void draw_orbit(int first, int n, bool each_own, int r, int x, int y, int dir, int fade)
{
    double base = j[frame_count] / 4.0;
    for (int i = 0; i < n; i++) {
        double angle = base + i * (6.2832 / n);
        draw_bmp(each_own ? first + i : first, EFFECTS, (int)(x + r * std::cos(angle)), (int)(y + r * std::sin(angle)),
                 dir, fade);
    }
}

// The first free record, cleared and in use, for a new effect at a cell and height.
int take_ani(int cell, int lift, int high)
{
    int i = first_free_ani();
    if (i < 0) return -1;
    ani_rec &a = ANI[i];
    std::memset(&a, 0, sizeof a);
    a.active = 1;
    a.cell = cell;
    a.lift = lift;
    a.high = high;
    return i;
}

}  // namespace

int new_ani(int cell, int pic, int life, int frame_len, int lift, int last_frame, int high)
{
    int i = take_ani(cell, lift, high);
    if (i < 0) return -1;
    ani_rec &a = ANI[i];
    a.pic = pic;
    a.life = life;
    a.frame_len = frame_len;
    a.last_frame = last_frame;
    return i;
}

int new_ani2(int kind, int cell, int lift, int high, float px, float py, float vx, float vy, int tracks)
{
    int i = take_ani(cell, lift, high);
    if (i < 0) return -1;
    ani_rec &a = ANI[i];
    a.kind = kind;
    a.px = px;
    a.py = py;
    a.vx = vx;
    a.vy = vy;
    a.tracks = tracks ? 1 : 0;
    return i;
}

void do_anis()
{
    std::memset(ani_us, 0, MAP_CELLS);
    for (int i = 0; i < ANI_COUNT; i++) {
        ani_rec &a = ANI[i];
        if (!a.active) continue;
        if (a.tracks && a.px >= 0 && a.px < VIEW_W && a.py >= 0 && a.py < VIEW_H) {
            // Over a view pixel off the map it stays where it was.
            int c = get_square((int)a.px, (int)a.py);
            if (c >= 0) a.cell = c;
        }
        if (a.cell >= 0 && a.cell < MAP_CELLS) ani_us[a.cell] = 1;
        a.age++;
        if (!advance(a)) a.active = 0;
    }
}

void draw_ani(int i, int ax, int ay)
{
    if (i < 0 || i >= ANI_COUNT || !ANI[i].active) return;
    ani_rec &a = ANI[i];
    // Float positions are truncated whole, as the sum is passed.
    int age = a.age, lift = a.lift;
    auto at = [](int base, float off) { return (int)((float)base + off); };
    switch (a.kind) {
    case 0: {
        int fade = 0;
        if (a.frame == a.last_frame) {
            // The last picture fades out from the age it was reached.
            if (a.px == 0) a.px = (float)age;
            int since = (int)a.px, span = a.life - since;
            fade = (age - since) * 250 / (span > 1 ? span : 1);
        }
        draw_bmp(a.pic + a.frame, EFFECTS, ax - 16, ay - lift - 16, 1, fade);
        break;
    }
    case 1: draw_bmp(330 + age % 2, EFFECTS, at(ax - 4, a.px), at(ay - lift - 12, a.py), 1, 255 - 6 * age); break;
    case 2: draw_bmp(332 + a.frame, EFFECTS, at(-8, a.px), at(-8, a.py), 1, 20 * age); break;
    case 3: draw_bmp(336 + a.frame, EFFECTS, at(-8, a.px), at(-8, a.py), 1, 20 * age); break;
    case 4:
    case 5: {
        int fade = age < 40 ? 0 : (age - 40) * 12;
        if (a.kind == 4) draw_bmp(340 + a.frame, EFFECTS, ax - 16, ay - 30, a.pic, fade);
        else draw_bmp(350 + a.frame, EFFECTS, ax - 16, ay - lift - 22, a.pic, fade);
        break;
    }
    case 6:
        if (age < 40) draw_bmp(361, EFFECTS, ax - 16, ay - lift - 48, 0, 100);
        draw_rottex(17, 4, (float)ax, (float)(ay - lift - 32), 20.0f, (float)(j[frame_count] % 64) / 10.0f, 2, 0,
                    100);
        break;
    case 7: {
        int r = (80 - (age < 80 ? age : 80)) / 2;
        draw_orbit(430, 2, false, r, ax - 8, ay - 42 - lift, a.pic, 250 - 2 * age);
        break;
    }
    case 8: draw_bmp(370 + a.frame, EFFECTS, ax - 16, ay - lift - 32, a.pic, (int)a.px); break;
    case 9: {
        int v = age < 50 ? 4 * age : age <= 85 ? 200 : 200 - 15 * (age - 85);
        draw_bmp(382 + a.frame, EFFECTS, ax - 16, ay - lift - 96, 0, 220 - v);
        break;
    }
    case 10: {
        int w = age < 80 ? age : 80;
        int fade = age > 100 ? (120 - age) * 4 : 250 - 3 * w;
        draw_orbit(362, 4, true, (100 - w) / 2, ax - 10, ay - 44 - lift, a.pic, fade);
        break;
    }
    case 31: draw_bmp(430, EFFECTS, ax - 8, ay - lift - 32, 1, 7 * age + 20); break;
    case 32: wrt2(ax - 16, ay - lift - 24 - age / 2, 10, 16, 0, 5 * age + 3, "successful "); break;
    case 33: wrt2(ax - 14, ay - lift - 24 - age / 2, 10, 16, 0, 5 * age + 3, "resisted "); break;
    default:
        if (a.kind >= 11 && a.kind <= 30)
            draw_pic(a.kind + 399, EFFECTS, at(ax - 4, a.px), at(ay - lift - 12, a.py), 1, 5 * age + 80);
        break;
    }
}

void draw_cell_anis(int cell, int x, int y, int high)
{
    if (cell < 0 || cell >= MAP_CELLS || !ani_us[cell]) return;
    for (int i = 0; i < ANI_COUNT; i++)
        if (ANI[i].active && ANI[i].cell == cell && (ANI[i].high != 0) == (high != 0)) draw_ani(i, x + 30, y + 8);
}

}  // namespace hm
