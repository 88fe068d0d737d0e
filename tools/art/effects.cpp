// effects.cpp -- glowing fields and the painters of animations, particles and missiles
#include "art/effects.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace fx_ramp {
const pal::ramp FIRE = {{248, 249, 250, 251, 252, 253, 254, 255}, 8};
const pal::ramp FROST = {{243, 133, 134, 135, 136, 145, 255}, 7};
const pal::ramp SHOCK = {{19, 20, 21, 79, 91, 80, 255}, 7};
const pal::ramp ARCANE = {{58, 59, 62, 63, 64, 66, 67, 68, 69, 255}, 10};
const pal::ramp POISON = {{37, 38, 40, 100, 43, 44, 156}, 7};
const pal::ramp HEAL = {{38, 40, 43, 45, 44, 7, 255}, 7};
const pal::ramp GOLDEN = {{19, 20, 21, 78, 79, 80, 255}, 7};
const pal::ramp SHADOW = {{3, 4, 5, 57, 58, 59}, 6};
const pal::ramp STEELY = {{93, 94, 95, 96, 97, 98, 99, 255}, 8};
const pal::ramp BLOOD = {{231, 232, 233, 234, 235, 236, 237}, 7};
const pal::ramp ROSE = {{233, 235, 237, 67, 68, 69, 255}, 7};
const pal::ramp EARTHY = {{176, 177, 178, 179, 180, 181, 182, 183}, 8};
}  // namespace fx_ramp

namespace {
constexpr float PI = 3.14159265f;
}

// -- the glow field ---------------------------------------------------------------------
glow::glow(int width, int height, std::vector<const pal::ramp *> layer_ramps)
    : w(width), h(height), ramps(std::move(layer_ramps))
{
    v.assign(ramps.size(), std::vector<float>((size_t)w * h, 0.0f));
}

void glow::add(int layer, int x, int y, float a)
{
    if (x < 0 || y < 0 || x >= w || y >= h || layer < 0 || layer >= (int)v.size()) return;
    v[layer][(size_t)y * w + x] += a;
}

void glow::blob(int layer, v2 c, float r, float a)
{
    if (r <= 0) return;
    int x0 = (int)std::floor(c.x - r), x1 = (int)std::ceil(c.x + r);
    int y0 = (int)std::floor(c.y - r), y1 = (int)std::ceil(c.y + r);
    for (int y = y0; y <= y1; y++)
        for (int x = x0; x <= x1; x++) {
            float d = vlen(v2{(float)x + 0.5f, (float)y + 0.5f} - c) / r;
            if (d < 1) add(layer, x, y, a * std::pow(1 - d, 1.3f));
        }
}

void glow::streak(int layer, v2 p, v2 q, float r, float a)
{
    v2 d = q - p;
    float len2 = std::max(1e-4f, d.x * d.x + d.y * d.y);
    int x0 = (int)std::floor(std::min(p.x, q.x) - r), x1 = (int)std::ceil(std::max(p.x, q.x) + r);
    int y0 = (int)std::floor(std::min(p.y, q.y) - r), y1 = (int)std::ceil(std::max(p.y, q.y) + r);
    for (int y = y0; y <= y1; y++)
        for (int x = x0; x <= x1; x++) {
            v2 pt = {(float)x + 0.5f, (float)y + 0.5f};
            float t = std::min(1.0f, std::max(0.0f, ((pt.x - p.x) * d.x + (pt.y - p.y) * d.y) / len2));
            float dist = vlen(pt - (p + d * t)) / r;
            if (dist < 1) add(layer, x, y, a * (1 - dist));
        }
}

void glow::ring(int layer, v2 c, float rx, float ry, float th, float a)
{
    int x0 = (int)std::floor(c.x - rx - th), x1 = (int)std::ceil(c.x + rx + th);
    int y0 = (int)std::floor(c.y - ry - th), y1 = (int)std::ceil(c.y + ry + th);
    for (int y = y0; y <= y1; y++)
        for (int x = x0; x <= x1; x++) {
            float u = ((float)x + 0.5f - c.x) / rx, q = ((float)y + 0.5f - c.y) / ry;
            float d = std::fabs(std::sqrt(u * u + q * q) - 1) * std::min(rx, ry) / th;
            if (d < 1) add(layer, x, y, a * (1 - d));
        }
}

void glow::sparkle(int layer, v2 c, float size, float a)
{
    streak(layer, c - v2{size, 0}, c + v2{size, 0}, 0.9f, a * 0.8f);
    streak(layer, c - v2{0, size}, c + v2{0, size}, 0.9f, a * 0.8f);
    blob(layer, c, std::max(1.2f, size * 0.45f), a);
}

void glow::bolt(int layer, v2 p, v2 q, float r, float a, uint32_t seed, int kinks)
{
    rng rg(seed);
    v2 d = q - p;
    v2 n = {-d.y, d.x};
    float len = std::max(0.1f, vlen(d));
    n = n * (1.0f / len);
    v2 prev = p;
    for (int i = 1; i <= kinks; i++) {
        float t = (float)i / kinks;
        v2 next = p + d * t;
        if (i < kinks) next = next + n * ((rg.uniform() - 0.5f) * len * 0.45f);
        streak(layer, prev, next, r, a);
        prev = next;
    }
}

canvas glow::render(float fade) const
{
    canvas c(w, h);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            size_t i = (size_t)y * w + x;
            int best = -1;
            float bv = 0;
            for (size_t l = 0; l < v.size(); l++)
                if (v[l][i] > bv) {
                    bv = v[l][i];
                    best = (int)l;
                }
            bv *= fade;
            if (best < 0 || bv < 0.1f) continue;
            if (bv < 0.3f && bayer(x, y) > (bv - 0.1f) / 0.2f) continue;
            float t = std::min(1.0f, (bv - 0.1f) / 0.95f);
            c.set(x, y, ramp_dither(*ramps[best], t, x, y));
        }
    return c;
}

void over(canvas &base, const canvas &top)
{
    for (size_t i = 0; i < base.px.size() && i < top.px.size(); i++)
        if (top.px[i]) base.px[i] = top.px[i];
}

namespace {

// -- element particles ------------------------------------------------------------------
// Elements 1 fire, 2 frost, 3 shock, 4 arcane.
const pal::ramp &element_ramp(int e)
{
    switch (e) {
    case 1: return fx_ramp::FIRE;
    case 2: return fx_ramp::FROST;
    case 3: return fx_ramp::SHOCK;
    default: return fx_ramp::ARCANE;
    }
}

// One mote of an element at c, size s, heading a (radians, screen angle).
void element_mote(glow &g, int layer, int e, v2 c, float s, float a, float power, uint32_t seed)
{
    v2 d = {std::cos(a), std::sin(a)};
    switch (e) {
    case 1:   // a flame tongue: a blob with a tail against its heading
        g.blob(layer, c, s, power);
        g.streak(layer, c, c - d * (s * 1.8f), s * 0.55f, power * 0.7f);
        break;
    case 2:   // a shard: a thin diamond along its heading
        g.streak(layer, c - d * s, c + d * s, 1.0f, power * 1.1f);
        g.blob(layer, c, s * 0.45f, power * 0.6f);
        break;
    case 3:   // a spark with a kinked tail
        g.bolt(layer, c - d * (s * 1.6f), c + d * (s * 0.6f), 0.8f, power, seed, 2);
        g.blob(layer, c, s * 0.5f, power * 0.8f);
        break;
    default:  // a rune mote: a little cross in a glow
        g.blob(layer, c, s * 0.9f, power * 0.6f);
        g.streak(layer, c - v2{s * 0.7f, 0}, c + v2{s * 0.7f, 0}, 0.7f, power * 0.7f);
        g.streak(layer, c - v2{0, s * 0.7f}, c + v2{0, s * 0.7f}, 0.7f, power * 0.7f);
        break;
    }
}

// Brightness envelope of a ten-frame effect: swells in, holds, and eases off in the
// last frame (which the game also fades out).
float envelope(int k)
{
    const float e[10] = {0.55f, 0.85f, 1.0f, 1.0f, 1.0f, 0.95f, 0.9f, 0.82f, 0.72f, 0.6f};
    return e[std::min(9, std::max(0, k))];
}

// -- conditions and auras (group 6, 32 x 32, ten frames each) ---------------------------
// What picture first + k shows; first is the set's number.
void condition_frame(canvas &c, int set, int k)
{
    float t = (float)k / 9.0f;   // 0 .. 1 through the set
    float env = envelope(k);
    v2 mid = {16, 16};
    uint32_t seed = (uint32_t)set * 131u;
    switch (set) {
    case 0: {   // slowed: heavy chevrons sinking, a sluggish ring at the feet
        glow g(32, 32, {&fx_ramp::FROST, &fx_ramp::STEELY});
        for (int i = 0; i < 3; i++) {
            float y = std::fmod(4.0f + (float)i * 8 + t * 10, 24.0f) + 2;
            float a = env * (1 - std::max(0.0f, (y - 18) / 10));
            g.streak(0, {9, y}, {16, y + 5}, 1.3f, a);
            g.streak(0, {16, y + 5}, {23, y}, 1.3f, a);
        }
        g.ring(1, {16, 28}, 11 - t * 2, 3, 1.2f, env * 0.9f);
        c = g.render();
        break;
    }
    case 1: {   // hastened: golden streaks racing upwards
        glow g(32, 32, {&fx_ramp::GOLDEN});
        rng r(seed);
        for (int i = 0; i < 6; i++) {
            float x = 5 + r.uniform() * 22;
            float y = std::fmod(30 - t * 44 - (float)i * 7 + 80, 34.0f) - 2;
            g.streak(0, {x, y}, {x, y + 8}, 1.0f, env);
            g.blob(0, {x, y}, 1.5f, env * 0.8f);
        }
        for (int i = 0; i < 2; i++) {
            float y = 22 - t * 16 - (float)i * 8;
            g.streak(0, {10, y + 5}, {16, y}, 1.2f, env * 0.9f);
            g.streak(0, {16, y}, {22, y + 5}, 1.2f, env * 0.9f);
        }
        c = g.render();
        break;
    }
    case 2: {   // blinded: a dark cloud closes round the head
        glow g(32, 32, {&fx_ramp::SHADOW});
        for (int i = 0; i < 7; i++) {
            float a = (float)i / 7 * 2 * PI + t * 2.5f;
            float rad = 12 - t * 4;
            g.blob(0, {16 + std::cos(a) * rad, 9 + std::sin(a) * rad * 0.45f}, 4.5f, env * 1.1f);
        }
        g.blob(0, {16, 9}, 4 + t * 3, env * 0.6f);
        c = g.render();
        break;
    }
    case 3: {   // keen-eyed: a golden eye opens
        glow g(32, 32, {&fx_ramp::GOLDEN, &fx_ramp::FROST});
        float open = std::min(1.0f, t * 1.8f);
        float ry = 6 * open + 0.6f;
        g.ring(0, {16, 13}, 11, ry, 1.1f, env);
        g.blob(1, {16, 13}, 3.5f * open + 0.5f, env * 1.1f);
        g.blob(0, {16, 13}, 1.4f * open, env * 0.6f);
        if (k >= 5) g.sparkle(0, {21, 9}, 3 + (float)(k - 5) * 0.5f, env * 1.2f);
        c = g.render();
        break;
    }
    case 4: {   // held: chains of rings tighten round the body
        figure fg(32, 32);
        float rx = 15 - t * 6, ry = 5 - t * 1.5f;
        for (int ringi = 0; ringi < 2; ringi++) {
            float cy = 14 + (float)ringi * 9;
            for (int i = 0; i < 12; i++) {
                float a = (float)i / 12 * 2 * PI + (float)ringi * 0.3f + t * 0.8f;
                v2 p = {16 + std::cos(a) * rx, cy + std::sin(a) * ry};
                bool front = std::sin(a) > 0;
                fg.ellipse(p, 1.7f, 1.3f, M(pal::STEEL, 1, 7), front ? 10.0f : 1.0f, front ? 0.1f : -0.2f);
                fg.dot(p, pal::INK[1], front ? 10.5f : 1.5f);
            }
        }
        c = fg.finish(true, false);
        break;
    }
    case 5: {   // nimble: leaves spiral up and away
        figure fg(32, 32);
        for (int i = 0; i < 5; i++) {
            float a = t * 4 + (float)i * 1.26f;
            float y = 28 - std::fmod(t * 26 + (float)i * 5, 26.0f);
            v2 p = {16 + std::cos(a) * 9, y};
            v2 d = dir(a * 0.7f + 1.0f) * 3.2f;
            fg.poly({p - d, p + v2{-d.y, d.x} * 0.45f, p + d, p - v2{-d.y, d.x} * 0.45f}, M(pal::GRASS, 3, 9),
                    std::sin(a) > 0 ? 5.0f : 1.0f, 0.1f, {-0.3f, -0.6f, 0.8f});
        }
        c = fg.finish(true, false);
        glow g(32, 32, {&fx_ramp::HEAL});
        for (int i = 0; i < 3; i++) g.blob(0, {16 + std::sin(t * 6 + (float)i * 2) * 8, 26 - t * 20 + (float)i * 3}, 2, env * 0.5f);
        canvas gl = g.render();
        for (size_t i = 0; i < c.px.size(); i++)
            if (!c.px[i]) c.px[i] = gl.px[i];
        break;
    }
    case 6: {   // exposed: a red shield cracks and its shards fly apart
        glow g(32, 32, {&fx_ramp::BLOOD, &fx_ramp::FIRE});
        float burst = std::max(0.0f, t - 0.3f) * 14;
        for (int i = 0; i < 6; i++) {
            float a = (float)i / 6 * 2 * PI + 0.3f;
            v2 d = {std::cos(a), std::sin(a) * 0.9f};
            v2 p = mid + d * (5 + burst);
            g.streak(0, p - d * 3, p + d * 2 + v2{-d.y, d.x} * 2, 1.2f, env);
        }
        if (k < 4) {
            g.ring(0, mid, 8, 9, 1.3f, env);
            g.bolt(1, {12, 8}, {19, 24}, 0.8f, env * 1.2f, seed + 5, 4);
        }
        c = g.render();
        break;
    }
    case 7: {   // guarded: a blue shield of light rises round the body
        glow g(32, 32, {&fx_ramp::FROST, &fx_ramp::STEELY});
        float grow = std::min(1.0f, t * 2);
        g.ring(0, {16, 17}, 13 * grow + 1, 14 * grow + 1, 1.3f, env);
        g.ring(1, {16, 17}, 9 * grow, 10 * grow, 0.8f, env * 0.5f);
        g.streak(0, {9, 8}, {12, 5}, 1.0f, env * grow);
        if (k >= 4) g.sparkle(0, {10, 8}, 2.5f, env);
        c = g.render();
        break;
    }
    case 8:
    case 10:
    case 12:
    case 14: {   // backlash: a ring of the element spins round the body, at the ground
        int e = (set - 8) / 2 + 1;
        glow g(32, 32, {&element_ramp(e)});
        for (int i = 0; i < 8; i++) {
            float a = (float)i / 8 * 2 * PI + t * 3.5f;
            v2 p = {16 + std::cos(a) * 12, 18 + std::sin(a) * 5};
            float front = std::sin(a) > 0 ? 1.0f : 0.6f;
            element_mote(g, 0, e, p, 2.4f, a + PI / 2, env * front, seed + (uint32_t)i);
        }
        g.ring(0, {16, 18}, 12, 5, 1.0f, env * 0.4f);
        c = g.render();
        break;
    }
    case 9:
    case 11:
    case 13:
    case 15: {   // empowered: the element rises off the body as an aura
        int e = (set - 9) / 2 + 1;
        glow g(32, 32, {&element_ramp(e)});
        rng r(seed);
        for (int i = 0; i < 9; i++) {
            float x = 4 + r.uniform() * 24;
            float y = 30 - std::fmod(t * 30 + r.uniform() * 30, 30.0f);
            element_mote(g, 0, e, {x, y}, 2.0f + r.uniform(), -PI / 2, env * (0.6f + 0.4f * (y / 30)), seed + (uint32_t)i);
        }
        g.ring(0, {16, 28}, 10, 3, 1.2f, env * 0.7f);
        c = g.render();
        break;
    }
    case 16: {   // poisoned: green bubbles well up and burst
        glow g(32, 32, {&fx_ramp::POISON});
        rng r(seed);
        for (int i = 0; i < 8; i++) {
            float x = 6 + r.uniform() * 20;
            float phase = std::fmod(t + r.uniform(), 1.0f);
            float y = 28 - phase * 24;
            float rad = 1.5f + phase * 2.5f;
            if (phase > 0.85f) g.sparkle(0, {x, y}, 2.5f, env * 0.8f);
            else g.ring(0, {x, y}, rad, rad, 0.8f, env), g.blob(0, {x - rad * 0.3f, y - rad * 0.3f}, 1.0f, env * 0.6f);
        }
        g.blob(0, {16, 27}, 8, env * 0.35f);
        c = g.render();
        break;
    }
    case 17:
    case 25: {  // regenerating, and the regeneration tick: green crosses rise in a soft light
        glow g(32, 32, {&fx_ramp::HEAL});
        rng r(seed);
        for (int i = 0; i < 5; i++) {
            float x = 6 + r.uniform() * 20;
            float y = 28 - std::fmod(t * 22 + r.uniform() * 26, 26.0f);
            float s = 2.2f + r.uniform();
            g.streak(0, {x - s, y}, {x + s, y}, 1.1f, env * 1.1f);
            g.streak(0, {x, y - s}, {x, y + s}, 1.1f, env * 1.1f);
        }
        g.blob(0, {16, 20}, 11, env * 0.3f);
        c = g.render();
        break;
    }
    case 18: {  // frenzied: red spikes burst outwards, pulsing
        glow g(32, 32, {&fx_ramp::BLOOD, &fx_ramp::FIRE});
        float pulse = 0.7f + 0.3f * std::sin(t * PI * 3);
        for (int i = 0; i < 10; i++) {
            float a = (float)i / 10 * 2 * PI + t;
            v2 d = {std::cos(a), std::sin(a)};
            float r0 = 5 + t * 3, r1 = r0 + 6 * pulse + (float)(i % 2) * 3;
            g.streak(0, mid + d * r0, mid + d * r1, 1.2f, env);
        }
        g.blob(1, mid, 4 * pulse, env * 0.7f);
        c = g.render();
        break;
    }
    case 19: {  // steadfast: a ring of stone and gold settles round the feet
        glow g(32, 32, {&fx_ramp::EARTHY, &fx_ramp::GOLDEN});
        float drop = std::min(1.0f, t * 1.6f);
        g.ring(1, {16, 27}, 13, 4, 1.3f, env);
        for (int i = 0; i < 6; i++) {
            float a = (float)i / 6 * 2 * PI;
            v2 p = {16 + std::cos(a) * 12, 27 + std::sin(a) * 3.5f - (1 - drop) * 14};
            g.blob(0, p, 2.6f, env * 1.1f);
        }
        g.streak(1, {16, 26}, {16, 12 + t * 6}, 1.2f, env * 0.6f);
        c = g.render();
        break;
    }
    case 20:
    case 22: {  // stunned (and losing the turn): stars circling the head
        bool big = set == 22;
        glow g(32, 32, {&fx_ramp::GOLDEN, &fx_ramp::FROST});
        int n = big ? 4 : 3;
        for (int i = 0; i < n; i++) {
            float a = (float)i / n * 2 * PI + t * 4;
            v2 p = {16 + std::cos(a) * (big ? 12.0f : 10.0f), (big ? 9.0f : 7.0f) + std::sin(a) * 3};
            float s = std::sin(a) > 0 ? 3.2f : 2.2f;
            g.sparkle(0, p, s, env * 1.2f);
        }
        if (big) {
            for (int i = 0; i < 2; i++) g.ring(1, {16, 9}, 6 + (float)i * 3 + t * 2, 2 + (float)i, 0.7f, env * 0.5f);
        }
        c = g.render();
        break;
    }
    case 21:
    case 23: {  // quickened (and acting again): a white wind spirals up the body
        bool big = set == 23;
        glow g(32, 32, {&fx_ramp::FROST, &fx_ramp::GOLDEN});
        for (int i = 0; i < 28; i++) {
            float u = (float)i / 28;
            float a = u * 4 * PI + t * 6;
            float y = 29 - u * 26;
            v2 p = {16 + std::cos(a) * (11 - u * 4), y + std::sin(a) * 2};
            float fade = std::sin(a) > 0 ? 1.0f : 0.45f;
            if (std::fmod(u * 3 + t, 1.0f) < 0.6f) g.blob(0, p, 2.2f, env * fade * 1.2f);
        }
        if (big) {
            g.ring(1, mid, 6 + t * 10, 6 + t * 10, 1.2f, env * (1 - t));
            g.streak(1, {16, 24}, {16, 6}, 1.3f, env);
            g.streak(1, {11, 11}, {16, 6}, 1.3f, env);
            g.streak(1, {21, 11}, {16, 6}, 1.3f, env);
        }
        c = g.render();
        break;
    }
    case 26:
    case 27:
    case 28:
    case 29: {  // backlash striking the attacker: a burst of its element
        int e = set - 25;
        glow g(32, 32, {&element_ramp(e)});
        float grow = std::min(1.0f, 0.3f + t * 1.2f);
        rng r(seed);
        for (int i = 0; i < 10; i++) {
            float a = r.uniform() * 2 * PI;
            v2 d = {std::cos(a), std::sin(a)};
            element_mote(g, 0, e, mid + d * (3 + grow * 10), 2.2f, a, env * (1.2f - t * 0.5f), seed + (uint32_t)i);
        }
        g.blob(0, mid, 7 * (1 - t) + 2, env * 1.2f * (1 - t * 0.6f));
        c = g.render();
        break;
    }
    case 30: {  // cured: a cleansing ring of white and gold rises
        glow g(32, 32, {&fx_ramp::GOLDEN, &fx_ramp::FROST});
        float y = 28 - t * 18;
        g.ring(1, {16, y}, 12, 4, 1.2f, env);
        rng r(seed);
        for (int i = 0; i < 6; i++) {
            float a = r.uniform() * 2 * PI;
            g.sparkle(0, {16 + std::cos(a) * 11, y + std::sin(a) * 3 - r.uniform() * 8}, 2 + r.uniform() * 1.5f, env);
        }
        c = g.render();
        break;
    }
    case 31: {  // critical blow: a white-hot star of impact
        glow g(32, 32, {&fx_ramp::FIRE, &fx_ramp::BLOOD});
        float s = 4 + std::min(1.0f, t * 2.5f) * 10;
        for (int i = 0; i < 8; i++) {
            float a = (float)i / 8 * 2 * PI + 0.2f;
            v2 d = {std::cos(a), std::sin(a)};
            float len = i % 2 ? s : s * 0.55f;
            g.streak(0, mid, mid + d * len, 1.6f * (1 - t * 0.5f), env * 1.3f);
        }
        g.blob(0, mid, 5 * (1 - t) + 1.5f, env * 1.4f);
        g.ring(1, mid, s * 0.8f, s * 0.8f, 1.0f, env * t);
        c = g.render();
        break;
    }
    case 32: {  // the creature picked in the list: a golden arrow bouncing over it
        figure fg(32, 32);
        float bounce = std::fabs(std::sin(t * PI * 2)) * 5;
        float y = 8 + bounce;
        fg.poly({{10, y}, {22, y}, {22, y + 6}, {26, y + 6}, {16, y + 16}, {6, y + 6}, {10, y + 6}}, M(pal::GOLD, 1, 6), 1, 0.1f,
                {-0.3f, -0.5f, 0.8f}, 0.7f);
        c = fg.finish(true, false);
        glow g(32, 32, {&fx_ramp::GOLDEN});
        g.sparkle(0, {23, y - 2}, 2.2f, envelope(k) * (k % 3 == 0 ? 1.0f : 0.4f));
        canvas gl = g.render();
        for (size_t i = 0; i < c.px.size(); i++)
            if (!c.px[i]) c.px[i] = gl.px[i];
        break;
    }
    default:
        break;
    }
}

}  // namespace

void paint_condition(canvas &c, int n)
{
    // Pictures index*10 .. +9 for conditions 0..21, then the auras of the battle.
    condition_frame(c, n / 10, n % 10);
}

// -- particles --------------------------------------------------------------------------------
void paint_particle(canvas &c, int n)
{
    if (n == 330 || n == 331) {   // a falling green spark of the heal
        glow g(8, 8, {&fx_ramp::HEAL});
        g.sparkle(0, {4, 4}, n == 330 ? 3.0f : 2.2f, 1.2f);
        c = g.render();
        return;
    }
    if (n >= 332 && n <= 339) {   // trails of the fire bolt and the frost shard
        bool fire = n < 336;
        int k = (n - 332) % 4;
        glow g(16, 16, {fire ? &fx_ramp::FIRE : &fx_ramp::FROST});
        float a = 1.2f - 0.25f * (float)k;
        rng r((uint32_t)n);
        for (int i = 0; i < 4; i++) {
            v2 p = {8 + (r.uniform() - 0.5f) * (4 + (float)k * 2), 8 + (r.uniform() - 0.5f) * (4 + (float)k * 2)};
            if (fire) g.blob(0, p, 3.5f - (float)k * 0.5f, a * (1 - (float)i * 0.15f));
            else g.sparkle(0, p, 2.5f - (float)k * 0.3f, a);
        }
        c = g.render();
        return;
    }
    if (n >= 410 && n <= 429) {   // the spray of a blow: physical, then elements 1..4
        int kind = (n - 410) / 4, v = (n - 410) % 4;
        if (kind == 0) {
            if (v < 2) {   // drops of blood
                figure fg(8, 8);
                float s = v == 0 ? 1.0f : 0.7f;
                fg.poly({{4, 1.5f}, {5.8f * s + 0.5f, 5}, {4, 7}, {2.2f, 5}}, M(pal::CLOTH_RED, 1, 6), 1, 0.1f, {-0.4f, -0.5f, 0.8f}, 0.6f);
                c = fg.finish(false, false);
            } else {       // a bright chip or a grey spark
                glow g(8, 8, {v == 2 ? &fx_ramp::STEELY : &fx_ramp::GOLDEN});
                g.sparkle(0, {4, 4}, 2.6f, 1.2f);
                c = g.render();
            }
            return;
        }
        glow g(8, 8, {&element_ramp(kind)});
        element_mote(g, 0, kind, {4, 4}, 1.8f + 0.2f * (float)(v % 2), -PI / 2 + (float)v * 0.9f, 1.2f, (uint32_t)n);
        c = g.render();
        return;
    }
    if (n == 430) {   // a shield orb: a blue rune in a ring of light
        glow g(16, 16, {&fx_ramp::FROST, &fx_ramp::STEELY});
        g.ring(0, {8, 8}, 6, 6, 1.1f, 1.0f);
        g.blob(0, {8, 8}, 4.5f, 0.7f);
        g.streak(1, {8, 4}, {8, 12}, 0.9f, 1.1f);
        g.streak(1, {5, 7}, {11, 7}, 0.9f, 1.1f);
        c = g.render();
        return;
    }
}

// -- skill effects -------------------------------------------------------------------------------
void paint_skill_fx(canvas &c, int n)
{
    if (n >= 340 && n <= 349) {   // quake: rock spikes burst from the cracked ground
        int k = n - 340;
        float t = (float)k / 9;
        figure fg(32, 32);
        float rise = k < 3 ? (float)(k + 1) / 3 : 1.0f - std::max(0.0f, t - 0.6f) * 1.5f;
        rng r(340);
        for (int i = 0; i < 4; i++) {
            float x = 5 + (float)i * 7.5f + r.uniform() * 2;
            float hgt = (6 + r.uniform() * 10) * rise;
            float lean = (r.uniform() - 0.5f) * 4;
            fg.poly({{x - 3, 31}, {x + lean, 31 - hgt}, {x + 3.5f, 31}}, M(pal::STONE, 1, 8), (float)(i % 2), 0.0f,
                    {-0.5f, -0.3f, 0.8f}, 0.8f);
        }
        // Pebbles thrown up.
        for (int i = 0; i < 5; i++) {
            float a = r.uniform();
            v2 p = {4 + r.uniform() * 24, 26 - t * 18 * a - 4 * std::sin(t * PI) + t * t * 14 * a};
            if (k > 0 && k < 9) fg.ellipse(p, 1.2f, 1.0f, M(pal::EARTH, 1, 7), 5, 0.1f);
        }
        c = fg.finish(true, false);
        glow g(32, 32, {&fx_ramp::SHOCK, &fx_ramp::EARTHY});
        g.bolt(0, {2, 30}, {30, 29}, 0.8f, envelope(k) * 1.2f, 341u + (uint32_t)k, 5);
        g.blob(1, {16, 24}, 13 * std::min(1.0f, t * 2 + 0.2f), 0.55f * (1 - t));
        canvas gl = g.render();
        for (size_t i = 0; i < c.px.size(); i++)
            if (!c.px[i]) c.px[i] = gl.px[i];
        return;
    }
    if (n >= 350 && n <= 359) {   // burn: flames climb the body
        int k = n - 350;
        float t = (float)k / 9;
        glow g(32, 32, {&fx_ramp::FIRE});
        rng r(350u + (uint32_t)k);
        float height = 10 + std::min(1.0f, t * 2) * 16;
        for (int i = 0; i < 9; i++) {
            float x = 5 + r.uniform() * 22;
            float hh = height * (0.5f + 0.5f * r.uniform()) * (1 - std::fabs(x - 16) / 22);
            g.streak(0, {x, 31}, {x + (r.uniform() - 0.5f) * 4, 31 - hh}, 2.2f, envelope(k) * 0.9f);
            g.blob(0, {x, 31 - hh * 0.4f}, 3.0f, envelope(k) * 0.5f);
        }
        for (int i = 0; i < 3; i++) g.blob(0, {6 + r.uniform() * 20, 31 - height - r.uniform() * 4}, 1.2f, 0.9f);
        c = g.render();
        return;
    }
    if (n == 361) {   // charm: hearts floating over the head
        figure fg(32, 32);
        for (int i = 0; i < 3; i++) {
            v2 p = {8 + (float)i * 8, 14 - (float)(i % 2) * 6};
            float s = i == 1 ? 1.3f : 1.0f;
            int part = fg.new_part();
            fg.ellipse(p + v2{-2.2f * s, -1.5f * s}, 2.6f * s, 2.6f * s, M(pal::CLOTH_RED, 3, 7), 1, 0.1f, part);
            fg.ellipse(p + v2{2.2f * s, -1.5f * s}, 2.6f * s, 2.6f * s, M(pal::CLOTH_RED, 3, 7), 1, 0.1f, part);
            fg.poly({p + v2{-4.7f * s, -1.2f * s}, p + v2{4.7f * s, -1.2f * s}, p + v2{0, 5.5f * s}}, M(pal::CLOTH_RED, 3, 7), 1, 0.0f,
                    {-0.3f, -0.4f, 0.9f}, 0.5f, part);
            fg.dot(p + v2{-3.0f * s, -2.5f * s}, pal::GREY[11], 2, part);
        }
        c = fg.finish(true, false);
        return;
    }
    if (n >= 362 && n <= 365) {   // boost: four orbs, one per element
        int e = n - 361;
        glow g(20, 20, {&element_ramp(e)});
        g.blob(0, {10, 10}, 8, 0.6f);
        g.blob(0, {10, 10}, 4.5f, 1.1f);
        element_mote(g, 0, e, {10, 10}, 3.0f, -PI / 2, 0.9f, (uint32_t)n);
        c = g.render();
        return;
    }
    if (n == 366) {   // missile look 5: a sling stone
        figure fg(8, 8);
        fg.ellipse({4, 4}, 2.6f, 2.3f, M(pal::STONE, 1, 8), 1, 0.1f);
        c = fg.finish(true, false);
        return;
    }
    if (n >= 370 && n <= 381) {   // fire blast on a victim: a fireball swells and rolls up into smoke
        int k = n - 370;
        float t = (float)k / 11;
        glow g(32, 40, {&fx_ramp::FIRE, &fx_ramp::SHADOW});
        rng r(370);
        float grow = std::min(1.0f, 0.25f + t * 2.2f);
        float heat = k < 7 ? 1.2f : 1.2f - (float)(k - 6) * 0.18f;
        for (int i = 0; i < 9; i++) {
            float a = r.uniform() * 2 * PI;
            float d = r.uniform() * 9 * grow;
            v2 p = {16 + std::cos(a) * d, 24 + std::sin(a) * d * 0.8f - t * 8};
            g.blob(0, p, 5 * grow + 1, heat * (0.7f + 0.3f * r.uniform()));
        }
        if (k >= 6) {
            for (int i = 0; i < 4; i++) g.blob(1, {10 + (float)i * 4, 14 - (t - 0.5f) * 16 - (float)(i % 2) * 3}, 4, (t - 0.4f) * 1.4f);
        }
        g.blob(0, {16, 36}, 10 * grow, 0.5f * heat);
        c = g.render();
        return;
    }
    if (n >= 382 && n <= 389) {   // doom: a violet beam falls from the sky, runes spinning down it
        int k = n - 382;
        glow g(32, 104, {&fx_ramp::ARCANE, &fx_ramp::SHADOW});
        float wob = std::sin((float)k * PI / 4) * 1.5f;
        g.streak(1, {16, 0}, {16, 96}, 9, 0.6f);
        g.streak(0, {16 + wob * 0.3f, 0}, {16, 98}, 4.5f, 1.0f);
        g.streak(0, {16, 0}, {16, 98}, 1.6f, 1.3f);
        for (int i = 0; i < 5; i++) {
            float y = std::fmod((float)i * 20 + (float)k * 5, 100.0f);
            float a = (float)k * 0.8f + (float)i;
            v2 p = {16 + std::cos(a) * 8, y};
            element_mote(g, 0, 4, p, 2.5f, 0, 1.0f, (uint32_t)(n + i));
        }
        g.ring(0, {16, 98}, 12 + wob, 4, 1.3f, 1.0f);
        g.blob(0, {16, 98}, 7, 0.9f);
        c = g.render();
        return;
    }
    if (n >= 390 && n <= 396) {   // missile look 4 (venom): a green orb with swirling dark streaks
        int k = n - 390;
        glow g(24, 24, {&fx_ramp::POISON, &fx_ramp::SHADOW});
        g.blob(0, {12, 12}, 8, 1.15f);
        for (int i = 0; i < 2; i++) {
            float a = (float)k / 7 * 2 * PI + (float)i * PI;
            v2 p = {12 + std::cos(a) * 4, 12 + std::sin(a) * 4};
            g.blob(1, p, 2.2f, 0.9f);
        }
        g.blob(0, {10, 10}, 2.5f, 0.6f);
        c = g.render();
        return;
    }
    if (n >= 397 && n <= 399) {   // its halo, drawn see-through
        int k = n - 397;
        glow g(32, 32, {&fx_ramp::POISON});
        g.blob(0, {16, 16}, 14 + (float)k, 0.7f);
        g.ring(0, {16, 16}, 11 + (float)k * 1.5f, 11 + (float)k * 1.5f, 1.5f, 0.5f);
        c = g.render();
        return;
    }
    if (n >= 400 && n <= 409) {   // over the storm guardian: lightning crawling over its outline
        int k = n - 400;
        glow g(c.w, c.h, {&fx_ramp::SHOCK, &fx_ramp::FROST});
        rng r(400u + (uint32_t)k * 7u);
        // The guardian stands in the middle, its hood some 22 pixels below the top.
        float mx = (float)c.w / 2, my = (float)c.h * 0.6f;
        for (int i = 0; i < 3; i++) {
            float a0 = r.uniform() * 2 * PI;
            v2 p = {mx + std::cos(a0) * 12, my + std::sin(a0) * 22};
            v2 q = p + v2{(r.uniform() - 0.5f) * 16, (r.uniform() - 0.5f) * 16};
            g.bolt(i == 0 ? 0 : 1, p, q, 0.8f, 1.2f, 400u + (uint32_t)(k * 5 + i), 3);
        }
        g.sparkle(0, {mx + std::cos((float)k * 0.63f) * 14, 24 + std::sin((float)k * 0.63f) * 4}, 2.5f, 1.2f);
        c = g.render();
        return;
    }
}

// -- missiles (group 4) --------------------------------------------------------------------------
void paint_missile(canvas &c, int n)
{
    if (n >= 0 && n <= 3) {   // look 1: a spinning mote of golden light
        glow g(20, 20, {&fx_ramp::GOLDEN});
        float a = (float)n * PI / 4;
        g.blob(0, {10, 10}, 6, 0.7f);
        g.blob(0, {10, 10}, 3, 1.2f);
        for (int i = 0; i < 2; i++) {
            v2 d = {std::cos(a + (float)i * PI / 2), std::sin(a + (float)i * PI / 2)};
            g.streak(0, v2{10, 10} - d * 8, v2{10, 10} + d * 8, 0.8f, 0.9f);
        }
        c = g.render();
        return;
    }
    if (n >= 4 && n <= 7) {   // look 2: a fireball, flickering
        int k = n - 4;
        glow g(20, 20, {&fx_ramp::FIRE});
        rng r(4u + (uint32_t)k);
        g.blob(0, {11, 10}, 7, 1.0f);
        for (int i = 0; i < 5; i++)
            g.blob(0, {9 + (r.uniform() - 0.5f) * 8, 10 + (r.uniform() - 0.5f) * 8}, 3 + r.uniform() * 2, 0.6f);
        g.blob(0, {11, 10}, 3, 0.9f);
        c = g.render();
        return;
    }
    if (n == 16) {   // look 3: an ice shard, point up (the game turns it to the flight)
        figure fg(32, 32);
        fg.poly({{16, 2}, {20, 14}, {18.5f, 26}, {13.5f, 26}, {12, 14}}, M(pal::ICE, 0, 4), 2, 0.1f, {-0.5f, -0.4f, 0.8f}, 0.9f);
        fg.poly({{16, 4}, {17.5f, 14}, {16, 24}}, M(pal::ICE, 2, 4), 3, 0.2f, {-0.5f, -0.4f, 0.8f});
        c = fg.finish(true, false);
        glow g(32, 32, {&fx_ramp::FROST});
        g.blob(0, {16, 28}, 5, 0.6f);
        g.blob(0, {14, 30}, 3, 0.4f);
        canvas gl = g.render();
        for (size_t i = 0; i < c.px.size(); i++)
            if (!c.px[i]) c.px[i] = gl.px[i];
        return;
    }
    if (n == 17) {   // the charm's turning sigil: a ring of pink light with hearts at its corners
        glow g(32, 32, {&fx_ramp::ROSE});
        g.ring(0, {16, 16}, 13, 13, 1.3f, 1.1f);
        g.ring(0, {16, 16}, 8, 8, 0.9f, 0.7f);
        for (int i = 0; i < 4; i++) {
            float a = (float)i * PI / 2 + PI / 4;
            v2 p = {16 + std::cos(a) * 13, 16 + std::sin(a) * 13};
            g.blob(0, p + v2{-1.2f, -0.8f}, 2.0f, 1.0f);
            g.blob(0, p + v2{1.2f, -0.8f}, 2.0f, 1.0f);
            g.blob(0, p + v2{0, 1.2f}, 1.8f, 1.0f);
        }
        c = g.render();
        return;
    }
    if (n == 18) {   // over the fire spirit: a ring of burning runes
        glow g(32, 32, {&fx_ramp::FIRE});
        g.ring(0, {16, 16}, 14, 14, 1.2f, 0.9f);
        for (int i = 0; i < 8; i++) {
            float a = (float)i * PI / 4;
            v2 p = {16 + std::cos(a) * 11, 16 + std::sin(a) * 11};
            element_mote(g, 0, 1, p, 1.8f, a + PI / 2, 1.0f, (uint32_t)i);
        }
        c = g.render();
        return;
    }
    if (n == 19) {   // look 6: a spinning four-bladed star of violet light
        glow g(32, 32, {&fx_ramp::ARCANE});
        for (int i = 0; i < 4; i++) {
            float a = (float)i * PI / 2;
            v2 d = {std::cos(a), std::sin(a)};
            v2 side = {-d.y, d.x};
            g.streak(0, v2{16, 16} + side * 2, v2{16, 16} + d * 14 - side * 3, 1.6f, 1.0f);
        }
        g.blob(0, {16, 16}, 5, 1.3f);
        c = g.render();
        return;
    }
}

}  // namespace art
