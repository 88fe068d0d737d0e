// ifc_lock.cpp -- the lock puzzle: its buttons, timer and outcome banners (group 7) and the rotated
// textures of its dial (group 4: discs, dial frame, pick, knob, cover)
//
// The textures are laid on rotated squares by the game: a texture's top edge
// points along the rotation angle, so the disc's gate and the pick's needle are
// drawn pointing up, and a disc is caught when the two meet.  The cover rests
// upright.  Discs and the pick turn, so their shading follows the radius, not the
// light, and looks the same at every angle.
#include <cmath>

#include "art/interface_parts.h"
#include "art/ui_kit.h"

namespace art {
namespace ifc {

using namespace ui;

namespace {

// Polar position of a pixel centre around (cx, cy): radius and angle from "up",
// clockwise.
void polar(int x, int y, float cx, float cy, float &r, float &a)
{
    float dx = (float)x + 0.5f - cx, dy = (float)y + 0.5f - cy;
    r = std::hypot(dx, dy);
    a = std::atan2(dx, -dy);
}

}  // namespace

// group 4, 10: one disc of the lock: a steel ring with a gold-lipped gate at the
// top.  The discs nest: each lies inside the ring of the one before it.
void lock_disc(canvas &c, int)
{
    float cx = (float)c.w / 2, cy = (float)c.h / 2, outer = (float)c.w / 2 - 0.6f, inner = outer * 0.76f;
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            float r, a;
            polar(x, y, cx, cy, r, a);
            if (r > outer || r < inner) continue;
            float across = (r - inner) / (outer - inner);   // 0 inner edge .. 1 outer edge
            float gate = std::fabs(a) * r;                    // pixels from the gate's centre line
            if (gate < 3.5f) continue;                        // the gate itself is open
            float t = 0.3f + 0.45f * std::sin(across * 3.1416f) + 0.08f * (value_noise(a * 40, r, 2, 401) - 0.5f);
            // Engraved ticks every 15 degrees, longer every 45.
            float step = std::fmod(std::fabs(a) + 0.1309f, 0.2618f) - 0.1309f;
            bool major = std::fmod(std::fabs(a) + 0.3927f, 0.7854f) < 0.05f;
            if (std::fabs(step * r) < 0.7f && across > (major ? 0.25f : 0.5f) && across < 0.85f) t = 0.12f;
            uint8_t v = ramp_dither(pal::STEEL, t, x, y);
            if (gate < 5.5f) v = ramp_dither(pal::GOLD, 0.55f + 0.35f * across, x, y);   // the gate's lips
            if (across < 0.08f || across > 0.94f) v = pal::STEEL[0];
            c.set(x, y, v);
        }
}

// group 4, 11: the dial's frame at (36, 36) over the window: a plate with a round
// opening and a gold bezel with aiming marks.
void lock_dial(canvas &c, int)
{
    float cx = 64, cy = 64, hole = 58.5f;
    fill_grain(c, 0, 0, c.w, c.h, pal::SLATE, 0.4f, 0.22f, 0.06f, 410);
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            float r, a;
            polar(x, y, cx, cy, r, a);
            if (r < hole) {
                c.set(x, y, 0);
                continue;
            }
            if (r < hole + 5.0f) {
                // The bezel: a rounded gold ring, lit from the upper left.
                float k = (r - hole) / 5.0f * 2 - 1;
                vec3 n = {(float)x + 0.5f - cx, (float)y + 0.5f - cy, 0};
                float l = std::hypot(n.x, n.y);
                n = {n.x / l * k, n.y / l * k, std::sqrt(std::max(0.0f, 1 - k * k))};
                uint8_t v = ramp_dither(pal::GOLD, lit(n, 0.3f), x, y);
                float mark = std::fmod(std::fabs(a) + 0.2618f, 0.5236f) - 0.2618f;
                if (std::fabs(mark * r) < 0.8f && r < hole + 3) v = pal::INK[0];
                c.set(x, y, v);
            } else if (r < hole + 6.0f) {
                c.set(x, y, pal::INK[0]);
            }
        }
    for (int y = 0; y < c.h; y++) {
        c.set(0, y, pal::SLATE[6]);
        c.set(c.w - 1, y, pal::INK[0]);
    }
    for (int x = 0; x < c.w; x++) {
        c.set(x, 0, pal::SLATE[6]);
        c.set(x, c.h - 1, pal::INK[0]);
    }
    for (int px : {7, 120})
        for (int py : {7, 120}) rivet(c, px, py, 2.5f);
}

// group 4, 12: the pick: a needle from the middle to the top with a hooked tip,
// on a gold hub that covers the middle of the discs.
void lock_pick(canvas &c, int)
{
    canvas a = supersample(c.w, c.h, [&](canvas &b) {
        float cx = (float)b.w / 2;
        capsule(b, cx, (float)b.h / 2, cx, 12, 2.6f, pal::STEEL, 0.15f);
        capsule(b, cx, 12, cx + 7, 5, 2.4f, pal::STEEL, 0.2f);
        ellipse(b, cx, (float)b.h / 2, 26, 26, pal::GOLD, -0.1f);
        ellipse(b, cx, (float)b.h / 2, 17, 17, pal::GOLD, 0.15f);
        capsule(b, cx, (float)b.h / 2 - 10, cx, (float)b.h / 2 + 10, 2.4f, pal::INK);
    });
    outline_inner(a, 1);
    outline_outer(a, pal::INK[0]);
    blit(c, a, 0, 0);
}

// group 4, 13: the knob under the pointer that sets the pick, turning four times
// as fast: a knurled steel knob with a gold index.
void lock_knob(canvas &c, int)
{
    float cx = 8, cy = 8;
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            float r, a;
            polar(x, y, cx, cy, r, a);
            if (r > 7.8f) continue;
            bool knurl = r > 6.0f && std::fmod(a + 6.2832f, 0.5236f) < 0.26f;
            float t = 0.7f - r / 12.0f - (knurl ? 0.3f : 0);
            c.set(x, y, ramp_dither(pal::STEEL, t, x, y));
        }
    for (int y = 1; y <= 5; y++) c.set(8, y, y < 3 ? pal::GOLD[6] : pal::GOLD[4]);
}

// group 4, 14: the cover over the dial, upright at rest: a bronze plate with a
// keyhole, engraved runes and rivets.
void lock_cover(canvas &c, int)
{
    canvas a = supersample(c.w, c.h, [&](canvas &b) {
        float cx = (float)b.w / 2, cy = (float)b.h / 2, R = cx - 2;
        ellipse(b, cx, cy, R, R, pal::GOLD, -0.12f);
        ellipse(b, cx, cy, R - 10, R - 10, pal::TERRACOTTA, 0.15f);
        ellipse(b, cx, cy, R - 26, R - 26, pal::GOLD, -0.05f);
        ellipse(b, cx, cy - 8, 11, 11, pal::INK);
        polygon(b, {{cx - 6, cy - 4}, {cx + 6, cy - 4}, {cx + 10, cy + 22}, {cx - 10, cy + 22}}, pal::INK, {0, 0, 1});
        for (int i = 0; i < 8; i++) {
            float ang = 0.3927f + 0.7854f * (float)i;
            ellipse(b, cx + (R - 5) * std::sin(ang), cy - (R - 5) * std::cos(ang), 3.4f, 3.4f, pal::GOLD, 0.2f);
        }
    });
    // Runes scratched into the red-brown ring.
    rng g(420);
    float cx = (float)c.w / 2, cy = (float)c.h / 2;
    for (int i = 0; i < 16; i++) {
        float ang = 0.3927f * (float)i, r0 = cx - 14, r1 = cx - 8;
        int kind = g.range(0, 2);
        float s = std::sin(ang), co = std::cos(ang);
        auto at = [&](float r, float side) {
            return std::pair<int, int>{(int)(cx + r * s + side * co), (int)(cy - r * co + side * s)};
        };
        auto p0 = at(r0, 0), p1 = at(r1, kind == 0 ? 0 : 1.5f);
        line(a, p0.first, p0.second, p1.first, p1.second, pal::TERRACOTTA[0]);
        if (kind == 2) {
            auto p2 = at((r0 + r1) / 2, -2);
            line(a, p0.first, p0.second, p2.first, p2.second, pal::TERRACOTTA[0]);
        }
    }
    outline_inner(a, 1);
    blit(c, a, 0, 0);
}

// 80: the ring drawn round the pointer while the pick is set (centred on it).
void lock_ring(canvas &c, int)
{
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            float r, a;
            polar(x, y, 8, 8, r, a);
            if (r > 7.9f || r < 5.6f) continue;
            bool gap = std::fmod(a + 6.2832f + 0.39f, 1.5708f) < 0.3f;
            c.set(x, y, gap ? pal::INK[0] : ramp_dither(pal::GOLD, 0.9f - (float)(x + y) / 40.0f, x, y));
        }
}

// 81: the timer at (164, 36): its bar fills rows 40..47 from column 178, 100
// pixels at most; an hourglass before it, the trap's skull after it.
void lock_timer(canvas &c, int)
{
    plate(c, 0, 0, c.w, c.h, 0.34f, true, 430);
    well(c, 13, 3, 102, 10, 0.02f, 431, pal::INK);
    for (int i = 1; i < 4; i++) c.set(14 + 25 * i, 12, pal::SLATE[4]);
    draw_symbol(c, SYM_HOURGLASS, 7.0f, 8.0f, 11);
    draw_symbol(c, SYM_SKULL, 121.5f, 8.0f, 11);
}

// 82 (idle: start), 83 (discs turning: stop) at (228, 52).
void lock_start(canvas &c, int n)
{
    bool stop = n == 83;
    plate(c, 0, 0, c.w, c.h, stop ? 0.5f : 0.38f, true, 440);
    ellipse(c, 16.0f, 16.0f, 12.0f, 12.0f, pal::GOLD, -0.05f);
    ellipse(c, 16.0f, 16.0f, 10.0f, 10.0f, pal::SLATE, stop ? 0.0f : -0.1f);
    draw_symbol(c, stop ? SYM_STOP : SYM_PLAY, stop ? 16.0f : 17.0f, 16.0f, stop ? 12 : 14);
}

// 84: one disc's row at (164, 68 + 16i); its resistance is written at (192, 73 + 16i).
void lock_disc_row(canvas &c, int)
{
    plate(c, 0, 0, c.w, c.h, 0.3f, true, 450);
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < 24; x++) {
            float r, a;
            polar(x, y, 11.0f, 8.0f, r, a);
            if (r > 6.0f || r < 3.5f || std::fabs(a) * r < 1.0f) continue;
            c.set(x, y, ramp_dither(pal::GOLD, 1.0f - r / 9.0f, x, y));
        }
    well(c, 24, 2, 38, 12, 0.04f, 451);
}

// 85 (idle), 90 (pointer on it, a chance to force): force the lock, at (228, 84);
// the chance is written at (268, 102), in the field at its lower right.
void lock_force(canvas &c, int n)
{
    bool lit = n == 90;
    button_face(c, 0, 0, c.w, c.h, lit ? LIT : NORMAL, 460);
    draw_symbol(c, SYM_HAMMER, 13.0f, 19.0f, 18);
    text_centre(c, 22, 2, 40, 11, "Force", lit ? pal::HILITE : pal::TEXT);
    well(c, 37, 15, 26, 15, 0.04f, 461);
}

// 87: the heading of the disc list at (164, 52).
void lock_header(canvas &c, int)
{
    plate(c, 0, 0, c.w, c.h, 0.42f, true, 470);
    text_centre(c, 0, 0, c.w, c.h, "Discs", pal::HEADING);
}

// 88 (pointer on it), 89 (idle): leave the lock, at (260, 52).
void lock_close(canvas &c, int n)
{
    bool lit = n == 88;
    plate(c, 0, 0, c.w, c.h, lit ? 0.5f : 0.38f, true, 480);
    close_boss(c, 16.0f, 16.0f, 10.0f, lit ? LIT : NORMAL);
}

// 91 opened, 92 failed, 93 jammed: a ribbon across the dial at (36, 84).
void lock_outcome(canvas &c, int n)
{
    const pal::ramp &cloth = n == 91 ? pal::FOLIAGE : n == 92 ? pal::SLATE : pal::CLOTH_RED;
    const char *word = n == 91 ? "Opened!" : n == 92 ? "Failed" : "Jammed!";
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            // Swallow-tailed ends.
            int end = std::min(x, c.w - 1 - x);
            if (end < 8 && std::abs(y - c.h / 2) < 8 - end) continue;
            float t = 0.55f - 0.3f * (float)y / (float)c.h + 0.05f * std::sin((float)x * 0.2f);
            c.set(x, y, ramp_dither(cloth, t, x, y));
        }
    for (int x = 0; x < c.w; x++) {
        if (c.get(x, 2)) c.set(x, 2, pal::GOLD[5]);
        if (c.get(x, c.h - 3)) c.set(x, c.h - 3, pal::GOLD[2]);
    }
    int tw = title_width(word, 2.0f);
    title_text(c, (c.w - tw) / 2 + 2, 8, word, 2.0f, pal::GOLD);
    outline_inner(c, 1);
}

}  // namespace ifc
}  // namespace art
