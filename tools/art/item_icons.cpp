// item_icons.cpp -- the item icons (group 10, 96 x 96, shown at (220, 272) in the inventory) and the
// belt pictures of usable items (group 8 from 41, 16 x 16)
//
// Each item is painted once in a unit square, so the same painter gives its large
// icon and, for usable items, its belt picture.  Weapons lie on the diagonal from
// the lower left, the way they are held up to the light.
#include <cmath>
#include <functional>

#include "art/interface_parts.h"
#include "art/ui_kit.h"

namespace art {
namespace ifc {

using namespace ui;

namespace {

const vec3 FLAT = {-0.25f, -0.3f, 1};
const vec3 AWAY = {0.3f, 0.3f, 1};

// A blade from the hilt at (u0, v0) to the point at (u1, v1): a tapering steel
// body with a fuller, a cross-guard, a grip and a pommel behind the hilt.
void blade(const unit &p, float u0, float v0, float u1, float v1, float width, float guard, float grip,
           const pal::ramp &guard_r = pal::GOLD, const pal::ramp &grip_r = pal::LEATHER)
{
    float dx = u1 - u0, dy = v1 - v0, len = std::hypot(dx, dy);
    float ax = dx / len, ay = dy / len, nx = -ay, ny = ax;
    float tip = 0.12f * len;
    std::vector<pt> left = {{u0 + nx * width, v0 + ny * width},
                            {u1 - ax * tip + nx * width * 0.8f, v1 - ay * tip + ny * width * 0.8f},
                            {u1, v1},
                            {u0, v0}};
    std::vector<pt> right = {{u0 - nx * width, v0 - ny * width},
                             {u1 - ax * tip - nx * width * 0.8f, v1 - ay * tip - ny * width * 0.8f},
                             {u1, v1},
                             {u0, v0}};
    p.poly(left, pal::STEEL, 0.2f, FLAT);
    p.poly(right, pal::STEEL, -0.05f, AWAY);
    p.stroke(u0 + ax * 0.03f, v0 + ay * 0.03f, u1 - ax * tip * 1.5f, v1 - ay * tip * 1.5f, 0.006f, pal::STEEL[2]);
    p.cap(u0 + nx * guard, v0 + ny * guard, u0 - nx * guard, v0 - ny * guard, 0.028f, guard_r, 0.05f);
    float gx = u0 - ax * grip, gy = v0 - ay * grip;
    p.cap(u0 - ax * 0.02f, v0 - ay * 0.02f, gx, gy, 0.026f, grip_r);
    for (int i = 1; i < 4; i++) {
        float t = (float)i / 4.0f;
        p.dot(u0 - ax * grip * t, v0 - ay * grip * t, grip_r[1], 0.008f);
    }
    p.ell(gx - ax * 0.03f, gy - ay * 0.03f, 0.04f, 0.04f, guard_r, 0.1f);
}

// A shaft of wood from (u0, v0) to (u1, v1).
void shaft(const unit &p, float u0, float v0, float u1, float v1, float r, const pal::ramp &m = pal::WOOD)
{
    p.cap(u0, v0, u1, v1, r, m, 0.05f);
    float n = std::hypot(u1 - u0, v1 - v0) / 0.08f;
    for (int i = 1; i < (int)n; i += 2) {
        float t = (float)i / n;
        p.dot(u0 + (u1 - u0) * t + r * 0.3f, v0 + (v1 - v0) * t, m[2], 0.006f);
    }
}

// Round flask, tall bottle or small vial of a coloured liquid.
void flask(const unit &p, const pal::ramp &liquid, int shape)
{
    if (shape == 0) {
        p.cap(0.5f, 0.18f, 0.5f, 0.4f, 0.08f, pal::ICE, -0.15f);
        p.ell(0.5f, 0.64f, 0.3f, 0.28f, pal::ICE, -0.2f);
        p.ell(0.5f, 0.67f, 0.26f, 0.23f, liquid, 0.05f);
        p.ell(0.4f, 0.56f, 0.07f, 0.07f, pal::BONE, 0.45f);
        p.cap(0.5f, 0.1f, 0.5f, 0.17f, 0.075f, pal::WOOD, 0.1f);
    } else if (shape == 1) {
        p.dome({{0.34f, 0.36f}, {0.66f, 0.36f}, {0.7f, 0.46f}, {0.7f, 0.9f}, {0.3f, 0.9f}, {0.3f, 0.46f}}, pal::ICE, -0.2f);
        p.dome({{0.33f, 0.5f}, {0.67f, 0.5f}, {0.67f, 0.88f}, {0.33f, 0.88f}}, liquid, 0.05f);
        p.cap(0.5f, 0.14f, 0.5f, 0.38f, 0.07f, pal::ICE, -0.15f);
        p.cap(0.5f, 0.08f, 0.5f, 0.14f, 0.07f, pal::WOOD, 0.1f);
        p.poly({{0.31f, 0.58f}, {0.69f, 0.58f}, {0.69f, 0.72f}, {0.31f, 0.72f}}, pal::BONE, 0.05f);
        p.stroke(0.38f, 0.45f, 0.38f, 0.84f, 0.015f, pal::BONE[9]);
    } else {
        p.dome({{0.4f, 0.3f}, {0.6f, 0.3f}, {0.62f, 0.86f}, {0.5f, 0.92f}, {0.38f, 0.86f}}, pal::ICE, -0.2f);
        p.dome({{0.39f, 0.5f}, {0.61f, 0.5f}, {0.61f, 0.85f}, {0.5f, 0.9f}, {0.39f, 0.85f}}, liquid, 0.1f);
        p.cap(0.5f, 0.2f, 0.5f, 0.3f, 0.08f, pal::WOOD, 0.1f);
        p.stroke(0.44f, 0.38f, 0.44f, 0.8f, 0.015f, pal::BONE[9]);
    }
}

void torso(const unit &p, const pal::ramp &m, float bias)
{
    p.dome({{0.24f, 0.18f}, {0.4f, 0.12f}, {0.5f, 0.2f}, {0.6f, 0.12f}, {0.76f, 0.18f}, {0.82f, 0.5f},
            {0.74f, 0.9f}, {0.26f, 0.9f}, {0.18f, 0.5f}},
           m, bias);
    p.dome({{0.08f, 0.34f}, {0.12f, 0.2f}, {0.24f, 0.13f}, {0.38f, 0.15f}, {0.36f, 0.28f}, {0.22f, 0.38f}}, m, bias + 0.1f);
    p.dome({{0.92f, 0.34f}, {0.88f, 0.2f}, {0.76f, 0.13f}, {0.62f, 0.15f}, {0.64f, 0.28f}, {0.78f, 0.38f}}, m, bias - 0.05f);
}

void glove(const unit &p, const pal::ramp &m)
{
    p.dome({{0.26f, 0.62f}, {0.7f, 0.62f}, {0.74f, 0.92f}, {0.24f, 0.92f}}, m, -0.05f);
    for (int i = 0; i < 4; i++) {
        float u = 0.33f + 0.11f * (float)i;
        p.cap(u, 0.5f, u - 0.01f, 0.16f + 0.05f * std::fabs(1.5f - (float)i), 0.052f, m, 0.08f);
    }
    p.dome({{0.27f, 0.34f}, {0.72f, 0.34f}, {0.72f, 0.66f}, {0.27f, 0.66f}}, m);
    p.cap(0.28f, 0.55f, 0.12f, 0.36f, 0.06f, m, 0.05f);
    p.stroke(0.28f, 0.7f, 0.7f, 0.7f, 0.012f, m[1]);
}

void ring(const unit &p, const pal::ramp &band, const pal::ramp &gem)
{
    float k = p.k;
    shade_shape(
        p.c,
        [&](float x, float y) {
            float u = (x / k - 0.5f) / 0.3f, v = (y / k - 0.62f) / 0.24f;
            float d = u * u + v * v;
            return d <= 1 && d >= 0.5f;
        },
        [&](float x, float y) {
            float u = (x / k - 0.5f) / 0.3f, v = (y / k - 0.62f) / 0.24f;
            float d = std::sqrt(u * u + v * v), m = (d - 0.86f) / 0.14f;
            return vec3{u / d * m, v / d * m, 1.0f};
        },
        band, 0.05f);
    p.dome({{0.4f, 0.3f}, {0.6f, 0.3f}, {0.64f, 0.42f}, {0.36f, 0.42f}}, band);
    p.ell(0.5f, 0.3f, 0.12f, 0.1f, gem, 0.2f);
    p.ell(0.46f, 0.27f, 0.03f, 0.025f, pal::BONE, 0.5f);
}

void amulet(const unit &p, const pal::ramp &gem)
{
    for (int i = 0; i <= 24; i++) {
        float a = 3.1416f * (float)i / 24.0f;
        p.dot(0.5f - 0.32f * std::cos(a), 0.1f + 0.4f * std::sin(a), pal::GOLD[3 + (i & 1) * 2], 0.022f);
    }
    p.dome({{0.5f, 0.46f}, {0.7f, 0.66f}, {0.5f, 0.9f}, {0.3f, 0.66f}}, pal::GOLD, 0.05f);
    p.ell(0.5f, 0.67f, 0.11f, 0.13f, gem, 0.15f);
    p.ell(0.46f, 0.62f, 0.03f, 0.03f, pal::BONE, 0.5f);
}

// ---- the painters, one per item ----------------------------------------------------
void short_sword(const unit &p) { blade(p, 0.36f, 0.64f, 0.82f, 0.18f, 0.045f, 0.1f, 0.16f); }
void long_sword(const unit &p) { blade(p, 0.3f, 0.7f, 0.9f, 0.1f, 0.042f, 0.13f, 0.2f, pal::STEEL); }
void dagger(const unit &p) { blade(p, 0.44f, 0.56f, 0.76f, 0.24f, 0.05f, 0.08f, 0.14f, pal::STEEL, pal::WOOD); }

void axe(const unit &p)
{
    shaft(p, 0.24f, 0.86f, 0.66f, 0.2f, 0.032f);
    p.dome({{0.56f, 0.16f}, {0.7f, 0.28f}, {0.86f, 0.16f}, {0.92f, 0.34f}, {0.86f, 0.52f}, {0.72f, 0.42f},
            {0.62f, 0.42f}},
           pal::STEEL, 0.1f);
    p.stroke(0.88f, 0.2f, 0.88f, 0.48f, 0.01f, pal::STEEL[7]);
    p.cap(0.58f, 0.3f, 0.68f, 0.24f, 0.04f, pal::LEATHER);
}

void mace(const unit &p)
{
    shaft(p, 0.26f, 0.84f, 0.6f, 0.36f, 0.03f, pal::LEATHER);
    for (int i = 0; i < 6; i++) {
        float a = 1.0472f * (float)i;
        p.dome({{0.68f, 0.28f}, {0.68f + 0.17f * std::cos(a - 0.25f), 0.28f + 0.17f * std::sin(a - 0.25f)},
                {0.68f + 0.17f * std::cos(a + 0.25f), 0.28f + 0.17f * std::sin(a + 0.25f)}},
               pal::STEEL, -0.05f);
    }
    p.ell(0.68f, 0.28f, 0.11f, 0.11f, pal::STEEL, 0.1f);
    p.ell(0.6f, 0.37f, 0.04f, 0.04f, pal::GOLD);
}

void hammer(const unit &p)
{
    shaft(p, 0.22f, 0.88f, 0.62f, 0.3f, 0.03f);
    p.dome({{0.46f, 0.14f}, {0.62f, 0.06f}, {0.92f, 0.36f}, {0.8f, 0.5f}}, pal::STEEL, 0.05f);
    p.poly({{0.46f, 0.14f}, {0.62f, 0.06f}, {0.66f, 0.1f}, {0.5f, 0.18f}}, pal::STEEL, 0.35f);
    p.poly({{0.42f, 0.36f}, {0.54f, 0.3f}, {0.36f, 0.2f}}, pal::STEEL, -0.1f);
}

void spear(const unit &p)
{
    shaft(p, 0.1f, 0.92f, 0.72f, 0.3f, 0.024f);
    p.dome({{0.7f, 0.32f}, {0.72f, 0.2f}, {0.92f, 0.08f}, {0.8f, 0.28f}}, pal::STEEL, 0.15f);
    p.cap(0.66f, 0.36f, 0.72f, 0.3f, 0.035f, pal::LEATHER);
    p.poly({{0.58f, 0.38f}, {0.62f, 0.46f}, {0.54f, 0.5f}}, pal::CLOTH_RED, 0.1f);
}

void staff(const unit &p)
{
    shaft(p, 0.3f, 0.94f, 0.6f, 0.26f, 0.035f);
    p.cap(0.6f, 0.26f, 0.66f, 0.12f, 0.03f, pal::WOOD);
    p.cap(0.6f, 0.26f, 0.5f, 0.14f, 0.026f, pal::WOOD);
    p.ell(0.58f, 0.16f, 0.09f, 0.09f, pal::MAGIC, 0.25f);
    p.ell(0.56f, 0.14f, 0.035f, 0.035f, pal::BONE, 0.5f);
}

void bow(const unit &p)
{
    for (int i = 0; i < 20; i++) {
        float a0 = -1.2f + 2.4f * (float)i / 20.0f, a1 = -1.2f + 2.4f * (float)(i + 1) / 20.0f;
        p.cap(0.2f + 0.5f * std::cos(a0), 0.5f + 0.42f * std::sin(a0), 0.2f + 0.5f * std::cos(a1), 0.5f + 0.42f * std::sin(a1),
              0.028f - 0.01f * std::fabs(a0) / 1.2f, pal::WOOD, 0.1f);
    }
    p.stroke(0.2f + 0.5f * std::cos(-1.2f), 0.5f + 0.42f * std::sin(-1.2f), 0.2f + 0.5f * std::cos(1.2f),
             0.5f + 0.42f * std::sin(1.2f), 0.008f, pal::BONE[8]);
    p.cap(0.68f, 0.44f, 0.68f, 0.56f, 0.035f, pal::LEATHER);
}

void club(const unit &p)
{
    p.cap(0.26f, 0.82f, 0.66f, 0.28f, 0.05f, pal::WOOD, 0.05f);
    p.cap(0.52f, 0.46f, 0.7f, 0.22f, 0.11f, pal::WOOD, 0.05f);
    for (auto q : {std::pair<float, float>{0.62f, 0.3f}, {0.56f, 0.42f}, {0.7f, 0.2f}}) p.ell(q.first, q.second, 0.025f, 0.02f, pal::WOOD, -0.3f);
}

void round_shield(const unit &p)
{
    p.ell(0.5f, 0.5f, 0.42f, 0.42f, pal::STEEL, 0.0f);
    p.ell(0.5f, 0.5f, 0.37f, 0.37f, pal::WOOD, 0.05f);
    for (int i = -2; i <= 2; i++) {
        float x = 0.5f + 0.14f * (float)i, h = std::sqrt(std::max(0.0f, 0.37f * 0.37f - (x - 0.5f) * (x - 0.5f)));
        p.stroke(x, 0.5f - h + 0.01f, x, 0.5f + h - 0.01f, 0.006f, pal::WOOD[1]);
    }
    p.ell(0.5f, 0.5f, 0.12f, 0.12f, pal::STEEL, 0.15f);
    for (int i = 0; i < 8; i++) {
        float a = 0.785f * (float)i;
        p.dot(0.5f + 0.395f * std::cos(a), 0.5f + 0.395f * std::sin(a), pal::GOLD[5], 0.015f);
    }
}

void kite_shield(const unit &p)
{
    p.dome({{0.18f, 0.1f}, {0.82f, 0.1f}, {0.82f, 0.46f}, {0.5f, 0.94f}, {0.18f, 0.46f}}, pal::GOLD);
    p.dome({{0.24f, 0.16f}, {0.76f, 0.16f}, {0.76f, 0.45f}, {0.5f, 0.85f}, {0.24f, 0.45f}}, pal::CLOTH_BLUE, 0.1f);
    p.poly({{0.46f, 0.16f}, {0.54f, 0.16f}, {0.54f, 0.8f}, {0.5f, 0.85f}, {0.46f, 0.8f}}, pal::GOLD);
    p.poly({{0.24f, 0.36f}, {0.76f, 0.36f}, {0.76f, 0.44f}, {0.24f, 0.44f}}, pal::GOLD);
}

void leather_cap(const unit &p)
{
    float k = p.k;
    shade_shape(
        p.c, [&](float x, float y) { float u = (x / k - 0.5f) / 0.34f, v = (y / k - 0.62f) / 0.44f; return u * u + v * v <= 1 && y / k < 0.66f; },
        [&](float x, float y) { return vec3{(x / k - 0.5f) / 0.34f, (y / k - 0.62f) / 0.44f, 0.7f}; }, pal::LEATHER, 0.05f);
    p.cap(0.14f, 0.66f, 0.86f, 0.66f, 0.05f, pal::LEATHER, -0.1f);
    p.stroke(0.5f, 0.2f, 0.5f, 0.62f, 0.01f, pal::LEATHER[2]);
    for (int i = 0; i < 6; i++) p.dot(0.22f + 0.112f * (float)i, 0.6f, pal::GOLD[4], 0.012f);
}

void iron_helmet(const unit &p)
{
    float k = p.k;
    shade_shape(
        p.c, [&](float x, float y) { float u = (x / k - 0.5f) / 0.34f, v = (y / k - 0.55f) / 0.44f; return u * u + v * v <= 1 && y / k < 0.74f; },
        [&](float x, float y) { return vec3{(x / k - 0.5f) / 0.34f, (y / k - 0.55f) / 0.44f, 0.6f}; }, pal::STEEL, 0.08f);
    p.poly({{0.2f, 0.5f}, {0.8f, 0.5f}, {0.8f, 0.56f}, {0.2f, 0.56f}}, pal::GOLD);
    p.poly({{0.27f, 0.58f}, {0.44f, 0.58f}, {0.44f, 0.62f}, {0.27f, 0.62f}}, pal::INK);
    p.poly({{0.56f, 0.58f}, {0.73f, 0.58f}, {0.73f, 0.62f}, {0.56f, 0.62f}}, pal::INK);
    p.cap(0.5f, 0.56f, 0.5f, 0.84f, 0.04f, pal::STEEL, 0.1f);
    p.cap(0.5f, 0.12f, 0.5f, 0.48f, 0.025f, pal::GOLD);
}

void leather_armour(const unit &p)
{
    torso(p, pal::LEATHER, 0.05f);
    for (int i = 0; i < 5; i++) {
        float v = 0.36f + 0.1f * (float)i;
        p.stroke(0.44f, v, 0.56f, v + 0.05f, 0.01f, pal::BONE[6]);
        p.stroke(0.56f, v, 0.44f, v + 0.05f, 0.01f, pal::BONE[6]);
    }
    p.stroke(0.26f, 0.78f, 0.74f, 0.78f, 0.02f, pal::LEATHER[2]);
}

void chain_mail(const unit &p)
{
    torso(p, pal::STEEL, -0.05f);
    for (float v = 0.2f; v < 0.9f; v += 0.045f)
        for (float u = 0.2f + (((int)(v * 100) / 4) % 2) * 0.022f; u < 0.82f; u += 0.045f) p.dot(u, v, pal::STEEL[1], 0.008f);
    p.stroke(0.26f, 0.86f, 0.74f, 0.86f, 0.02f, pal::STEEL[6]);
}

void plate_armour(const unit &p)
{
    torso(p, pal::STEEL, 0.05f);
    p.stroke(0.5f, 0.24f, 0.5f, 0.86f, 0.012f, pal::STEEL[7]);
    for (int i = 0; i < 3; i++) {
        float v = 0.6f + 0.1f * (float)i;
        p.stroke(0.26f, v, 0.74f, v, 0.01f, pal::STEEL[1]);
    }
    p.stroke(0.3f, 0.2f, 0.5f, 0.3f, 0.015f, pal::GOLD[5]);
    p.stroke(0.7f, 0.2f, 0.5f, 0.3f, 0.015f, pal::GOLD[5]);
}

void gloves(const unit &p) { glove(p, pal::LEATHER); }

void gauntlets(const unit &p)
{
    glove(p, pal::STEEL);
    p.dome({{0.24f, 0.74f}, {0.72f, 0.74f}, {0.78f, 0.94f}, {0.2f, 0.94f}}, pal::GOLD, -0.05f);
}

void boots(const unit &p)
{
    p.dome({{0.28f, 0.1f}, {0.58f, 0.1f}, {0.6f, 0.56f}, {0.86f, 0.66f}, {0.9f, 0.84f}, {0.26f, 0.84f}}, pal::LEATHER);
    p.poly({{0.24f, 0.84f}, {0.92f, 0.84f}, {0.92f, 0.9f}, {0.24f, 0.9f}}, pal::LEATHER, -0.35f);
    p.poly({{0.26f, 0.1f}, {0.6f, 0.1f}, {0.6f, 0.2f}, {0.26f, 0.2f}}, pal::LEATHER, 0.2f);
    p.stroke(0.3f, 0.36f, 0.56f, 0.36f, 0.012f, pal::GOLD[4]);
    p.stroke(0.3f, 0.48f, 0.56f, 0.48f, 0.012f, pal::GOLD[4]);
}

void greaves(const unit &p)
{
    p.dome({{0.16f, 0.1f}, {0.44f, 0.1f}, {0.42f, 0.9f}, {0.2f, 0.9f}}, pal::STEEL);
    p.dome({{0.56f, 0.1f}, {0.84f, 0.1f}, {0.8f, 0.9f}, {0.58f, 0.9f}}, pal::STEEL, -0.05f);
    p.ell(0.3f, 0.46f, 0.1f, 0.07f, pal::GOLD, 0.1f);
    p.ell(0.7f, 0.46f, 0.1f, 0.07f, pal::GOLD, 0.05f);
}

void cloak(const unit &p)
{
    p.dome({{0.36f, 0.1f}, {0.64f, 0.1f}, {0.88f, 0.9f}, {0.12f, 0.9f}}, pal::CLOTH_RED);
    for (float u : {0.32f, 0.44f, 0.56f, 0.68f}) p.stroke(0.5f + (u - 0.5f) * 0.3f, 0.24f, u, 0.88f, 0.012f, pal::CLOTH_RED[1]);
    p.dome({{0.3f, 0.1f}, {0.7f, 0.1f}, {0.66f, 0.22f}, {0.34f, 0.22f}}, pal::CLOTH_RED, 0.15f);
    p.ell(0.5f, 0.14f, 0.06f, 0.06f, pal::GOLD, 0.1f);
}

void belt(const unit &p)
{
    float k = p.k;
    shade_shape(
        p.c, [&](float x, float y) { float d = std::hypot((x / k - 0.5f) / 0.4f, (y / k - 0.55f) / 0.3f); return d <= 1 && d >= 0.78f; },
        [&](float, float y) { return vec3{0, (y / k - 0.55f) * 2, 1}; }, pal::LEATHER, 0.05f);
    p.dome({{0.38f, 0.72f}, {0.62f, 0.72f}, {0.62f, 0.94f}, {0.38f, 0.94f}}, pal::GOLD, 0.1f);
    p.poly({{0.44f, 0.77f}, {0.56f, 0.77f}, {0.56f, 0.89f}, {0.44f, 0.89f}}, pal::LEATHER, -0.3f);
    p.stroke(0.5f, 0.76f, 0.5f, 0.9f, 0.012f, pal::STEEL[6]);
}

void amulet_green(const unit &p) { amulet(p, pal::EMERALD); }
void amulet_red(const unit &p) { amulet(p, pal::CLOTH_RED); }

void bracers(const unit &p)
{
    for (int i = 0; i < 2; i++) {
        float o = 0.3f * (float)i;
        p.dome({{0.16f + o, 0.2f}, {0.42f + o, 0.24f}, {0.4f + o, 0.86f}, {0.18f + o, 0.82f}}, pal::LEATHER, 0.05f - 0.08f * (float)i);
        p.stroke(0.18f + o, 0.36f, 0.41f + o, 0.39f, 0.014f, pal::GOLD[4]);
        p.stroke(0.19f + o, 0.68f, 0.4f + o, 0.71f, 0.014f, pal::GOLD[4]);
        p.dot(0.29f + o, 0.53f, pal::GOLD[5], 0.03f);
    }
}

void ring_ruby(const unit &p) { ring(p, pal::GOLD, pal::CLOTH_RED); }
void ring_sapphire(const unit &p) { ring(p, pal::STEEL, pal::ICE); }
void ring_amethyst(const unit &p) { ring(p, pal::GOLD, pal::MAGIC); }

void fang_charm(const unit &p)
{
    p.stroke(0.3f, 0.08f, 0.5f, 0.36f, 0.012f, pal::LEATHER[4]);
    p.stroke(0.7f, 0.08f, 0.5f, 0.36f, 0.012f, pal::LEATHER[4]);
    for (int i = 0; i < 3; i++) p.ell(0.4f + 0.1f * (float)i, 0.34f + 0.02f * (float)(i % 2), 0.04f, 0.04f, i == 1 ? pal::MAGIC : pal::BONE, 0.15f);
    p.dome({{0.4f, 0.4f}, {0.6f, 0.4f}, {0.56f, 0.66f}, {0.5f, 0.92f}, {0.44f, 0.66f}}, pal::BONE, 0.1f);
    p.stroke(0.5f, 0.46f, 0.5f, 0.74f, 0.01f, pal::BONE[3]);
}

void quiver(const unit &p)
{
    for (int i = 0; i < 3; i++) {
        float u = 0.34f + 0.1f * (float)i;
        p.cap(u, 0.3f, u - 0.08f, 0.06f, 0.012f, pal::WOOD);
        p.poly({{u - 0.12f, 0.02f}, {u - 0.04f, 0.06f}, {u - 0.06f, 0.14f}, {u - 0.12f, 0.1f}}, pal::CLOTH_RED, 0.1f);
    }
    p.dome({{0.26f, 0.24f}, {0.62f, 0.2f}, {0.72f, 0.86f}, {0.42f, 0.94f}}, pal::LEATHER);
    p.stroke(0.3f, 0.36f, 0.64f, 0.32f, 0.016f, pal::GOLD[3]);
    p.stroke(0.36f, 0.8f, 0.7f, 0.74f, 0.016f, pal::GOLD[3]);
}

void potion_red(const unit &p) { flask(p, pal::CLOTH_RED, 0); }
void potion_blue(const unit &p) { flask(p, pal::CLOTH_BLUE, 1); }
void potion_green(const unit &p) { flask(p, pal::EMERALD, 2); }
void potion_yellow(const unit &p) { flask(p, pal::THATCH, 0); }
void potion_purple(const unit &p) { flask(p, pal::MAGIC, 1); }
void potion_orange(const unit &p) { flask(p, pal::FIRE, 2); }
void potion_white(const unit &p) { flask(p, pal::ICE, 0); }

void spell_scroll(const unit &p)
{
    p.dome({{0.2f, 0.24f}, {0.8f, 0.24f}, {0.8f, 0.76f}, {0.2f, 0.76f}}, pal::BONE, 0.05f);
    p.cap(0.14f, 0.2f, 0.86f, 0.2f, 0.07f, pal::BONE, 0.12f);
    p.cap(0.14f, 0.8f, 0.86f, 0.8f, 0.07f, pal::BONE, -0.05f);
    for (int i = 0; i < 4; i++)
        p.stroke(0.28f, 0.36f + 0.09f * (float)i, 0.72f - 0.1f * (float)(i & 1), 0.36f + 0.09f * (float)i, 0.009f, pal::MAGIC[2]);
    p.cap(0.5f, 0.14f, 0.5f, 0.86f, 0.02f, pal::CLOTH_RED, 0.05f);
}

void letter(const unit &p)
{
    p.poly({{0.12f, 0.26f}, {0.88f, 0.26f}, {0.88f, 0.76f}, {0.12f, 0.76f}}, pal::BONE, 0.05f);
    p.poly({{0.12f, 0.26f}, {0.88f, 0.26f}, {0.5f, 0.54f}}, pal::BONE, 0.2f);
    p.stroke(0.12f, 0.26f, 0.5f, 0.54f, 0.008f, pal::BONE[3]);
    p.stroke(0.88f, 0.26f, 0.5f, 0.54f, 0.008f, pal::BONE[3]);
    p.ell(0.5f, 0.54f, 0.08f, 0.08f, pal::CLOTH_RED, 0.1f);
}

void map(const unit &p)
{
    p.poly({{0.08f, 0.2f}, {0.36f, 0.14f}, {0.36f, 0.82f}, {0.08f, 0.88f}}, pal::SAND, 0.1f);
    p.poly({{0.36f, 0.14f}, {0.64f, 0.2f}, {0.64f, 0.88f}, {0.36f, 0.82f}}, pal::SAND, -0.1f);
    p.poly({{0.64f, 0.2f}, {0.92f, 0.14f}, {0.92f, 0.82f}, {0.64f, 0.88f}}, pal::SAND, 0.05f);
    p.dome({{0.14f, 0.5f}, {0.3f, 0.42f}, {0.5f, 0.5f}, {0.46f, 0.7f}, {0.2f, 0.72f}}, pal::WATER, -0.1f);
    for (int i = 0; i < 8; i++) p.dot(0.3f + 0.06f * (float)i, 0.36f + 0.05f * std::sin((float)i), pal::EARTH[1], 0.012f);
    p.stroke(0.72f, 0.3f, 0.84f, 0.42f, 0.018f, pal::CLOTH_RED[5]);
    p.stroke(0.84f, 0.3f, 0.72f, 0.42f, 0.018f, pal::CLOTH_RED[5]);
}

void key(const unit &p, const pal::ramp &m)
{
    float k = p.k;
    shade_shape(
        p.c, [&](float x, float y) { float d = std::hypot(x / k - 0.3f, y / k - 0.3f); return d < 0.17f && d > 0.08f; },
        [&](float x, float y) { return vec3{(x / k - 0.3f) * 4, (y / k - 0.3f) * 4, 0.6f}; }, m, 0.1f);
    p.cap(0.42f, 0.42f, 0.84f, 0.84f, 0.038f, m, 0.05f);
    p.poly({{0.64f, 0.7f}, {0.72f, 0.62f}, {0.82f, 0.72f}, {0.74f, 0.8f}}, m, -0.1f);
    p.poly({{0.74f, 0.8f}, {0.8f, 0.74f}, {0.86f, 0.8f}, {0.8f, 0.86f}}, m, -0.15f);
}
void iron_key(const unit &p) { key(p, pal::STEEL); }
void gold_key(const unit &p) { key(p, pal::GOLD); }

void gem_blue(const unit &p)
{
    p.poly({{0.5f, 0.12f}, {0.8f, 0.36f}, {0.5f, 0.42f}}, pal::ICE, 0.3f);
    p.poly({{0.5f, 0.12f}, {0.2f, 0.36f}, {0.5f, 0.42f}}, pal::ICE, 0.45f);
    p.poly({{0.2f, 0.36f}, {0.5f, 0.42f}, {0.5f, 0.9f}}, pal::CLOTH_BLUE, 0.2f);
    p.poly({{0.8f, 0.36f}, {0.5f, 0.42f}, {0.5f, 0.9f}}, pal::CLOTH_BLUE, -0.05f);
}

void gem_red(const unit &p)
{
    p.dome({{0.3f, 0.2f}, {0.7f, 0.2f}, {0.86f, 0.44f}, {0.5f, 0.88f}, {0.14f, 0.44f}}, pal::CLOTH_RED, 0.1f);
    p.poly({{0.3f, 0.2f}, {0.7f, 0.2f}, {0.62f, 0.36f}, {0.38f, 0.36f}}, pal::CLOTH_RED, 0.4f);
    p.stroke(0.14f, 0.44f, 0.86f, 0.44f, 0.008f, pal::CLOTH_RED[2]);
    p.ell(0.42f, 0.3f, 0.04f, 0.03f, pal::BONE, 0.5f);
}

void idol(const unit &p)
{
    p.poly({{0.28f, 0.8f}, {0.72f, 0.8f}, {0.76f, 0.92f}, {0.24f, 0.92f}}, pal::GOLD, -0.1f);
    p.dome({{0.36f, 0.36f}, {0.64f, 0.36f}, {0.68f, 0.8f}, {0.32f, 0.8f}}, pal::GOLD, 0.05f);
    p.ell(0.5f, 0.26f, 0.14f, 0.15f, pal::GOLD, 0.1f);
    p.ell(0.45f, 0.25f, 0.025f, 0.025f, pal::EMERALD, 0.3f);
    p.ell(0.55f, 0.25f, 0.025f, 0.025f, pal::EMERALD, 0.3f);
    p.stroke(0.4f, 0.5f, 0.6f, 0.5f, 0.012f, pal::GOLD[1]);
    p.stroke(0.5f, 0.5f, 0.5f, 0.78f, 0.01f, pal::GOLD[1]);
}

void herbs(const unit &p)
{
    for (int i = 0; i < 5; i++) {
        float a = -0.7f + 0.35f * (float)i;
        float u = 0.5f + 0.34f * std::sin(a), v = 0.6f - 0.44f * std::cos(a);
        p.stroke(0.5f, 0.82f, u, v, 0.012f, pal::FOLIAGE[3]);
        p.dome({{u, v - 0.08f}, {u + 0.07f, v}, {u, v + 0.1f}, {u - 0.07f, v}}, pal::FOLIAGE, 0.15f);
    }
    p.cap(0.44f, 0.7f, 0.56f, 0.7f, 0.035f, pal::THATCH, 0.1f);
}

void bread(const unit &p)
{
    p.ell(0.5f, 0.58f, 0.38f, 0.24f, pal::SAND, -0.05f);
    p.ell(0.5f, 0.52f, 0.34f, 0.2f, pal::THATCH, 0.1f);
    for (int i = 0; i < 3; i++) p.stroke(0.34f + 0.14f * (float)i, 0.42f, 0.4f + 0.14f * (float)i, 0.6f, 0.014f, pal::SAND[7]);
}

void bone(const unit &p)
{
    p.cap(0.26f, 0.72f, 0.74f, 0.28f, 0.05f, pal::BONE, 0.05f);
    for (auto q : {std::pair<float, float>{0.2f, 0.7f}, {0.28f, 0.8f}, {0.72f, 0.2f}, {0.8f, 0.3f}}) p.ell(q.first, q.second, 0.07f, 0.07f, pal::BONE, 0.1f);
}

void feather(const unit &p)
{
    p.dome({{0.82f, 0.1f}, {0.88f, 0.18f}, {0.44f, 0.7f}, {0.3f, 0.66f}, {0.5f, 0.4f}}, pal::CLOTH_BLUE, 0.15f);
    p.stroke(0.86f, 0.14f, 0.22f, 0.86f, 0.012f, pal::BONE[8]);
    for (int i = 1; i < 6; i++) {
        float t = (float)i / 7.0f;
        float u = 0.86f - 0.5f * t, v = 0.14f + 0.5f * t;
        p.stroke(u, v, u - 0.12f, v - 0.02f, 0.006f, pal::CLOTH_BLUE[1]);
    }
}

void lantern(const unit &p)
{
    p.cap(0.4f, 0.1f, 0.6f, 0.1f, 0.03f, pal::STEEL);
    p.poly({{0.34f, 0.18f}, {0.66f, 0.18f}, {0.6f, 0.26f}, {0.4f, 0.26f}}, pal::STEEL, 0.1f);
    p.dome({{0.34f, 0.28f}, {0.66f, 0.28f}, {0.66f, 0.78f}, {0.34f, 0.78f}}, pal::FIRE, 0.1f);
    p.ell(0.5f, 0.58f, 0.07f, 0.12f, pal::FIRE, 0.45f);
    for (float u : {0.34f, 0.5f, 0.66f}) p.stroke(u, 0.27f, u, 0.79f, 0.012f, pal::STEEL[2]);
    p.poly({{0.3f, 0.78f}, {0.7f, 0.78f}, {0.7f, 0.86f}, {0.3f, 0.86f}}, pal::STEEL, -0.05f);
}

void tome(const unit &p)
{
    p.poly({{0.16f, 0.16f}, {0.78f, 0.12f}, {0.84f, 0.86f}, {0.2f, 0.9f}}, pal::CLOTH_BLUE, 0.05f);
    p.poly({{0.78f, 0.14f}, {0.86f, 0.16f}, {0.9f, 0.86f}, {0.84f, 0.86f}}, pal::BONE, 0.1f);
    p.poly({{0.32f, 0.3f}, {0.66f, 0.28f}, {0.68f, 0.46f}, {0.34f, 0.48f}}, pal::GOLD, 0.05f);
    p.ell(0.5f, 0.38f, 0.06f, 0.06f, pal::MAGIC, 0.2f);
    p.stroke(0.2f, 0.17f, 0.24f, 0.88f, 0.014f, pal::CLOTH_BLUE[1]);
}

void pouch(const unit &p)
{
    p.dome({{0.36f, 0.32f}, {0.64f, 0.32f}, {0.86f, 0.62f}, {0.78f, 0.9f}, {0.22f, 0.9f}, {0.14f, 0.62f}}, pal::LEATHER, 0.05f);
    p.poly({{0.38f, 0.14f}, {0.62f, 0.14f}, {0.58f, 0.32f}, {0.42f, 0.32f}}, pal::LEATHER, 0.1f);
    p.cap(0.34f, 0.32f, 0.66f, 0.32f, 0.035f, pal::GOLD);
    for (auto q : {std::pair<float, float>{0.62f, 0.84f}, {0.78f, 0.86f}, {0.7f, 0.8f}}) p.ell(q.first, q.second, 0.07f, 0.035f, pal::GOLD, 0.15f);
}

void fish(const unit &p)
{
    p.dome({{0.14f, 0.5f}, {0.3f, 0.36f}, {0.56f, 0.32f}, {0.76f, 0.44f}, {0.76f, 0.56f}, {0.56f, 0.66f}, {0.3f, 0.64f}}, pal::WATER, 0.1f);
    p.dome({{0.74f, 0.5f}, {0.92f, 0.34f}, {0.88f, 0.5f}, {0.92f, 0.66f}}, pal::WATER, -0.05f);
    p.dot(0.25f, 0.47f, pal::INK[0], 0.022f);
    p.stroke(0.34f, 0.4f, 0.36f, 0.6f, 0.008f, pal::WATER[3]);
    for (int i = 0; i < 5; i++) p.dot(0.42f + 0.06f * (float)i, 0.5f, pal::WATER[8], 0.01f);
}

void firepot(const unit &p)
{
    p.ell(0.5f, 0.62f, 0.3f, 0.28f, pal::TERRACOTTA, 0.05f);
    p.cap(0.42f, 0.32f, 0.58f, 0.32f, 0.05f, pal::TERRACOTTA, 0.1f);
    p.stroke(0.5f, 0.28f, 0.62f, 0.1f, 0.012f, pal::BONE[6]);
    p.ell(0.64f, 0.08f, 0.05f, 0.05f, pal::FIRE, 0.5f);
    p.stroke(0.24f, 0.6f, 0.76f, 0.6f, 0.014f, pal::TERRACOTTA[1]);
}

void mushroom(const unit &p)
{
    p.dome({{0.42f, 0.5f}, {0.58f, 0.5f}, {0.62f, 0.88f}, {0.38f, 0.88f}}, pal::BONE, 0.05f);
    float k = p.k;
    shade_shape(
        p.c, [&](float x, float y) { float u = (x / k - 0.5f) / 0.36f, v = (y / k - 0.52f) / 0.34f; return u * u + v * v <= 1 && y / k < 0.52f; },
        [&](float x, float y) { return vec3{(x / k - 0.5f) / 0.36f, (y / k - 0.52f) / 0.34f, 0.6f}; }, pal::CLOTH_RED, 0.1f);
    for (auto q : {std::pair<float, float>{0.36f, 0.36f}, {0.56f, 0.28f}, {0.66f, 0.42f}, {0.46f, 0.44f}})
        p.ell(q.first, q.second, 0.035f, 0.03f, pal::BONE, 0.4f);
}

struct item_pic {
    int icon;       // group 10 number
    int belt;       // group 8 number of its belt picture, -1 none
    const char *what;
    void (*paint)(const unit &);
};

const item_pic items[] = {
    {0, -1, "short sword", short_sword},          {1, -1, "long sword", long_sword},
    {2, -1, "dagger", dagger},                    {3, -1, "axe", axe},
    {4, -1, "mace", mace},                        {5, -1, "war hammer", hammer},
    {6, -1, "spear", spear},                      {7, -1, "staff with a violet orb", staff},
    {8, -1, "bow", bow},                          {9, -1, "club", club},
    {10, -1, "round wooden shield", round_shield}, {11, -1, "kite shield, blue and gold", kite_shield},
    {12, -1, "leather cap", leather_cap},         {13, -1, "iron helmet", iron_helmet},
    {14, -1, "leather armour", leather_armour},   {15, -1, "chain mail", chain_mail},
    {16, -1, "plate armour", plate_armour},       {17, -1, "leather gloves", gloves},
    {18, -1, "steel gauntlets", gauntlets},       {19, -1, "boots", boots},
    {20, -1, "greaves", greaves},                 {21, -1, "red cloak", cloak},
    {22, -1, "belt", belt},                       {23, -1, "emerald amulet", amulet_green},
    {24, -1, "ruby amulet", amulet_red},          {25, -1, "bracers", bracers},
    {26, -1, "gold ring with a ruby", ring_ruby}, {27, -1, "silver ring with a sapphire", ring_sapphire},
    {28, -1, "gold ring with an amethyst", ring_amethyst}, {29, -1, "fang charm", fang_charm},
    {30, -1, "quiver", quiver},                   {31, 41, "red potion (healing)", potion_red},
    {32, 42, "blue potion (mana)", potion_blue},  {33, 43, "green vial (antidote)", potion_green},
    {34, 44, "yellow potion", potion_yellow},     {35, 45, "violet potion", potion_purple},
    {36, 46, "orange vial", potion_orange},       {37, 47, "pale potion", potion_white},
    {38, 48, "spell scroll", spell_scroll},       {39, -1, "sealed letter", letter},
    {40, -1, "map", map},                         {41, -1, "iron key", iron_key},
    {42, -1, "gold key", gold_key},               {43, -1, "blue crystal", gem_blue},
    {44, -1, "golden idol", idol},                {45, 49, "bundle of herbs", herbs},
    {46, 50, "loaf of bread", bread},             {47, -1, "bone", bone},
    {48, -1, "blue feather", feather},            {49, -1, "lantern", lantern},
    {50, -1, "tome", tome},                       {51, -1, "pouch of coins", pouch},
    {52, -1, "fish", fish},                       {53, 51, "fire pot", firepot},
    {54, -1, "ruby", gem_red},                    {55, 52, "red mushroom", mushroom},
};

const item_pic *find_icon(int n)
{
    for (const item_pic &i : items)
        if (i.icon == n) return &i;
    return nullptr;
}

const item_pic *find_belt(int n)
{
    for (const item_pic &i : items)
        if (i.belt == n) return &i;
    return nullptr;
}

// The item's painter at a canvas size, drawn large and reduced.
canvas paint_item(const item_pic &it, int w, int h)
{
    return supersample(w, h, [&](canvas &b) {
        unit p{b, (float)b.w};
        it.paint(p);
    });
}

}  // namespace

const char *item_icon_what(int n)
{
    const item_pic *it = find_icon(n);
    return it ? it->what : nullptr;
}

const char *belt_picture_what(int n)
{
    const item_pic *it = find_belt(n);
    return it ? it->what : nullptr;
}

// Group 10: the item's icon, 96 x 96, with a soft shadow to its lower right.
void item_icon(canvas &c, int n)
{
    const item_pic *it = find_icon(n);
    if (!it) return;
    canvas a = paint_item(*it, c.w, c.h);
    despeckle(a);
    outline_inner(a, 1);
    canvas rim = a;
    outline_outer(rim, pal::INK[0]);
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++)
            if (rim.get(x - 3, y - 4) && ((x + y) % 2 == 0)) c.set(x, y, pal::INK[0]);
    blit(c, rim, 0, 0);
}

// Group 10 from 100: icon n - 100 at 28 x 28, for a filled equipment place on the
// character sheet; outlined so that it stands off the place's dark well.
void item_icon_small(canvas &c, int n)
{
    const item_pic *it = find_icon(n - SMALL_ICON_BASE);
    if (!it) return;
    canvas a = paint_item(*it, c.w, c.h);
    despeckle(a);
    outline_inner(a, 1);
    outline_outer(a, pal::INK[0]);
    blit(c, a, 0, 0);
}

// Group 8 from 41: the belt picture of a usable item, drawn from its icon's painter.
void belt_picture(canvas &c, int n)
{
    const item_pic *it = find_belt(n);
    if (!it) return;
    canvas a = paint_item(*it, c.w, c.h);
    outline_inner(a, 1);
    outline_outer(a, pal::INK[0]);
    blit(c, a, 0, 0);
}

}  // namespace ifc
}  // namespace art
