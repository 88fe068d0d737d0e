// ui_symbols.cpp -- the small shaded symbols of the interface: gear, potions, chests, arrows, marks
#include <algorithm>
#include <cmath>
#include <vector>

#include "art/ui_kit.h"

namespace art {
namespace ui {

void unit::ell(float u, float v, float ru, float rv, const pal::ramp &r, float bias) const
{
    ellipse(c, u * k, v * k, ru * k, rv * k, r, bias);
}

void unit::cap(float u0, float v0, float u1, float v1, float rad, const pal::ramp &r, float bias) const
{
    capsule(c, u0 * k, v0 * k, u1 * k, v1 * k, rad * k, r, bias);
}

void unit::poly(std::vector<pt> p, const pal::ramp &r, float bias, vec3 n) const
{
    for (pt &q : p) q = {q.x * k, q.y * k};
    polygon(c, p, r, n, bias);
}

void unit::dome(std::vector<pt> p, const pal::ramp &r, float bias) const
{
    float cx = 0, cy = 0, w = 0, h = 0;
    for (pt &q : p) {
        q = {q.x * k, q.y * k};
        cx += q.x;
        cy += q.y;
    }
    cx /= (float)p.size();
    cy /= (float)p.size();
    for (const pt &q : p) {
        w = std::max(w, std::fabs(q.x - cx));
        h = std::max(h, std::fabs(q.y - cy));
    }
    shade_shape(
        c, [&](float x, float y) { return in_polygon(p, x, y); },
        [&](float x, float y) { return vec3{(x - cx) / w * 0.7f, (y - cy) / h * 0.7f, 1.0f}; }, r, bias);
}

void unit::dot(float u, float v, uint8_t colour, float rad) const
{
    for (int y = (int)((v - rad) * k); y <= (int)((v + rad) * k); y++)
        for (int x = (int)((u - rad) * k); x <= (int)((u + rad) * k); x++)
            if (std::hypot((float)x + 0.5f - u * k, (float)y + 0.5f - v * k) <= rad * k) c.set(x, y, colour);
}

void unit::stroke(float u0, float v0, float u1, float v1, float rad, uint8_t colour) const
{
    int n = (int)(std::hypot(u1 - u0, v1 - v0) * k * 2) + 1;
    for (int i = 0; i <= n; i++) {
        float t = (float)i / (float)n;
        dot(u0 + (u1 - u0) * t, v0 + (v1 - v0) * t, colour, rad);
    }
}

namespace {

void sword(const unit &p)
{
    p.cap(0.36f, 0.64f, 0.86f, 0.14f, 0.075f, pal::STEEL, 0.1f);
    p.stroke(0.4f, 0.6f, 0.82f, 0.18f, 0.015f, pal::STEEL[7]);
    p.cap(0.2f, 0.56f, 0.44f, 0.8f, 0.055f, pal::GOLD);
    p.cap(0.3f, 0.7f, 0.16f, 0.84f, 0.05f, pal::LEATHER);
    p.ell(0.13f, 0.87f, 0.07f, 0.07f, pal::GOLD, 0.1f);
}

void shield(const unit &p)
{
    p.dome({{0.16f, 0.12f}, {0.84f, 0.12f}, {0.84f, 0.5f}, {0.5f, 0.92f}, {0.16f, 0.5f}}, pal::GOLD);
    p.dome({{0.23f, 0.19f}, {0.77f, 0.19f}, {0.77f, 0.48f}, {0.5f, 0.83f}, {0.23f, 0.48f}}, pal::CLOTH_BLUE, 0.1f);
    p.poly({{0.45f, 0.19f}, {0.55f, 0.19f}, {0.55f, 0.78f}, {0.5f, 0.83f}, {0.45f, 0.78f}}, pal::GOLD);
    p.poly({{0.23f, 0.38f}, {0.77f, 0.38f}, {0.77f, 0.47f}, {0.23f, 0.47f}}, pal::GOLD);
}

void helmet(const unit &p)
{
    float k = p.k;
    shade_shape(
        p.c,
        [&](float x, float y) {
            float u = (x / k - 0.5f) / 0.33f, v = (y / k - 0.56f) / 0.42f;
            return u * u + v * v <= 1 && y / k < 0.66f;
        },
        [&](float x, float y) { return vec3{(x / k - 0.5f) / 0.33f, (y / k - 0.56f) / 0.42f, 0.6f}; }, pal::STEEL,
        0.08f);
    p.cap(0.14f, 0.66f, 0.86f, 0.66f, 0.06f, pal::STEEL, -0.05f);
    p.cap(0.5f, 0.22f, 0.5f, 0.62f, 0.04f, pal::GOLD);
    p.stroke(0.26f, 0.5f, 0.43f, 0.5f, 0.03f, pal::INK[0]);
    p.stroke(0.57f, 0.5f, 0.74f, 0.5f, 0.03f, pal::INK[0]);
    p.cap(0.5f, 0.6f, 0.5f, 0.86f, 0.045f, pal::STEEL);
}

void armour(const unit &p)
{
    p.dome({{0.24f, 0.2f}, {0.4f, 0.14f}, {0.5f, 0.24f}, {0.6f, 0.14f}, {0.76f, 0.2f}, {0.8f, 0.5f},
            {0.72f, 0.88f}, {0.28f, 0.88f}, {0.2f, 0.5f}},
           pal::STEEL, 0.05f);
    p.ell(0.2f, 0.26f, 0.12f, 0.1f, pal::STEEL, 0.1f);
    p.ell(0.8f, 0.26f, 0.12f, 0.1f, pal::STEEL, -0.05f);
    p.stroke(0.5f, 0.3f, 0.5f, 0.84f, 0.015f, pal::STEEL[1]);
    p.stroke(0.3f, 0.62f, 0.7f, 0.62f, 0.02f, pal::GOLD[3]);
}

void glove(const unit &p)
{
    p.cap(0.3f, 0.72f, 0.7f, 0.72f, 0.1f, pal::LEATHER, -0.05f);
    for (int i = 0; i < 4; i++) {
        float u = 0.36f + 0.1f * (float)i;
        p.cap(u, 0.52f, u - 0.02f, 0.18f + 0.04f * std::fabs(1.5f - (float)i), 0.055f, pal::LEATHER, 0.05f);
    }
    p.dome({{0.3f, 0.38f}, {0.72f, 0.38f}, {0.72f, 0.66f}, {0.3f, 0.66f}}, pal::LEATHER);
    p.cap(0.3f, 0.56f, 0.14f, 0.4f, 0.06f, pal::LEATHER);
    p.cap(0.28f, 0.84f, 0.72f, 0.84f, 0.07f, pal::STEEL);
}

void boot(const unit &p)
{
    p.dome({{0.3f, 0.12f}, {0.62f, 0.12f}, {0.62f, 0.58f}, {0.86f, 0.7f}, {0.88f, 0.84f}, {0.28f, 0.84f}},
           pal::LEATHER);
    p.poly({{0.26f, 0.84f}, {0.9f, 0.84f}, {0.9f, 0.9f}, {0.26f, 0.9f}}, pal::LEATHER, -0.35f);
    p.poly({{0.28f, 0.12f}, {0.64f, 0.12f}, {0.64f, 0.22f}, {0.28f, 0.22f}}, pal::LEATHER, 0.2f);
    p.stroke(0.34f, 0.3f, 0.56f, 0.3f, 0.015f, pal::GOLD[4]);
}

void cloak(const unit &p)
{
    p.dome({{0.36f, 0.12f}, {0.64f, 0.12f}, {0.86f, 0.88f}, {0.14f, 0.88f}}, pal::CLOTH_RED);
    p.stroke(0.42f, 0.3f, 0.34f, 0.84f, 0.02f, pal::CLOTH_RED[1]);
    p.stroke(0.58f, 0.3f, 0.66f, 0.84f, 0.02f, pal::CLOTH_RED[1]);
    p.stroke(0.5f, 0.3f, 0.5f, 0.86f, 0.015f, pal::CLOTH_RED[6]);
    p.ell(0.5f, 0.16f, 0.08f, 0.07f, pal::GOLD, 0.1f);
}

void belt(const unit &p)
{
    p.poly({{0.06f, 0.42f}, {0.94f, 0.42f}, {0.94f, 0.6f}, {0.06f, 0.6f}}, pal::LEATHER);
    p.stroke(0.06f, 0.45f, 0.94f, 0.45f, 0.012f, pal::LEATHER[9]);
    p.poly({{0.36f, 0.3f}, {0.64f, 0.3f}, {0.64f, 0.72f}, {0.36f, 0.72f}}, pal::GOLD, 0.1f);
    p.poly({{0.43f, 0.38f}, {0.57f, 0.38f}, {0.57f, 0.64f}, {0.43f, 0.64f}}, pal::LEATHER, -0.3f);
    p.stroke(0.5f, 0.4f, 0.5f, 0.62f, 0.025f, pal::STEEL[6]);
}

void amulet(const unit &p)
{
    for (int i = 0; i <= 16; i++) {
        float a = 3.1416f * (float)i / 16.0f;
        p.dot(0.5f - 0.3f * std::cos(a), 0.12f + 0.34f * std::sin(a) * 0.9f, pal::GOLD[4 + (i & 1)], 0.035f);
    }
    p.ell(0.5f, 0.66f, 0.2f, 0.22f, pal::GOLD);
    p.ell(0.5f, 0.66f, 0.13f, 0.15f, pal::EMERALD, 0.15f);
    p.dot(0.45f, 0.6f, pal::EMERALD[4], 0.04f);
}

void bracer(const unit &p)
{
    p.dome({{0.24f, 0.16f}, {0.76f, 0.2f}, {0.72f, 0.86f}, {0.28f, 0.82f}}, pal::LEATHER);
    p.stroke(0.26f, 0.34f, 0.75f, 0.37f, 0.03f, pal::GOLD[3]);
    p.stroke(0.27f, 0.64f, 0.73f, 0.67f, 0.03f, pal::GOLD[3]);
    p.dot(0.5f, 0.5f, pal::GOLD[5], 0.06f);
}

void ring(const unit &p)
{
    float k = p.k;
    shade_shape(
        p.c,
        [&](float x, float y) {
            float u = (x / k - 0.5f) / 0.32f, v = (y / k - 0.6f) / 0.28f;
            float d = u * u + v * v;
            return d <= 1 && d >= 0.45f;
        },
        [&](float x, float y) {
            float u = (x / k - 0.5f) / 0.32f, v = (y / k - 0.6f) / 0.28f;
            float d = std::sqrt(u * u + v * v), m = (d - 0.84f) / 0.16f;
            return vec3{u / d * m, v / d * m, 1.0f};
        },
        pal::GOLD, 0.05f);
    p.ell(0.5f, 0.3f, 0.14f, 0.12f, pal::GOLD);
    p.ell(0.5f, 0.28f, 0.1f, 0.09f, pal::MAGIC, 0.2f);
}

void greaves(const unit &p)
{
    p.dome({{0.18f, 0.12f}, {0.44f, 0.12f}, {0.42f, 0.88f}, {0.22f, 0.88f}}, pal::STEEL);
    p.dome({{0.56f, 0.12f}, {0.82f, 0.12f}, {0.78f, 0.88f}, {0.58f, 0.88f}}, pal::STEEL, -0.05f);
    p.ell(0.31f, 0.48f, 0.1f, 0.07f, pal::STEEL, 0.15f);
    p.ell(0.69f, 0.48f, 0.1f, 0.07f, pal::STEEL, 0.1f);
}

void charm(const unit &p)
{
    p.stroke(0.5f, 0.06f, 0.5f, 0.3f, 0.02f, pal::LEATHER[3]);
    p.ell(0.5f, 0.3f, 0.08f, 0.07f, pal::MAGIC, 0.15f);
    p.dome({{0.36f, 0.38f}, {0.64f, 0.38f}, {0.56f, 0.7f}, {0.5f, 0.92f}, {0.44f, 0.7f}}, pal::BONE, 0.1f);
    p.stroke(0.5f, 0.46f, 0.5f, 0.7f, 0.02f, pal::BONE[2]);
}

void quiver(const unit &p)
{
    p.cap(0.36f, 0.24f, 0.26f, 0.12f, 0.035f, pal::WOOD);
    p.cap(0.5f, 0.22f, 0.5f, 0.06f, 0.035f, pal::WOOD);
    p.poly({{0.2f, 0.04f}, {0.32f, 0.1f}, {0.22f, 0.16f}}, pal::CLOTH_RED, 0.1f);
    p.poly({{0.44f, 0.02f}, {0.56f, 0.02f}, {0.5f, 0.12f}}, pal::CLOTH_RED, 0.1f);
    p.dome({{0.26f, 0.22f}, {0.6f, 0.2f}, {0.72f, 0.86f}, {0.44f, 0.92f}}, pal::LEATHER);
    p.stroke(0.3f, 0.36f, 0.64f, 0.33f, 0.02f, pal::GOLD[3]);
}

void potion(const unit &p)
{
    p.cap(0.5f, 0.2f, 0.5f, 0.4f, 0.08f, pal::ICE, -0.1f);
    p.ell(0.5f, 0.64f, 0.28f, 0.27f, pal::CLOTH_RED, 0.05f);
    p.ell(0.41f, 0.56f, 0.07f, 0.06f, pal::BONE, 0.4f);
    p.cap(0.5f, 0.1f, 0.5f, 0.17f, 0.07f, pal::WOOD, 0.1f);
}

void chest(const unit &p)
{
    p.poly({{0.1f, 0.44f}, {0.9f, 0.44f}, {0.9f, 0.86f}, {0.1f, 0.86f}}, pal::WOOD, -0.05f);
    float k = p.k;
    shade_shape(
        p.c,
        [&](float x, float y) {
            float u = (x / k - 0.5f) / 0.4f, v = (y / k - 0.44f) / 0.3f;
            return u > -1 && u < 1 && v < 0 && u * u * 0.15f + v * v <= 1;
        },
        [&](float, float y) { return vec3{0, (y / k - 0.44f) / 0.3f, 0.8f}; }, pal::WOOD, 0.1f);
    p.poly({{0.1f, 0.4f}, {0.9f, 0.4f}, {0.9f, 0.48f}, {0.1f, 0.48f}}, pal::GOLD);
    p.poly({{0.22f, 0.16f}, {0.3f, 0.16f}, {0.3f, 0.86f}, {0.22f, 0.86f}}, pal::GOLD, -0.1f);
    p.poly({{0.7f, 0.16f}, {0.78f, 0.16f}, {0.78f, 0.86f}, {0.7f, 0.86f}}, pal::GOLD, -0.1f);
    p.poly({{0.43f, 0.4f}, {0.57f, 0.4f}, {0.57f, 0.6f}, {0.43f, 0.6f}}, pal::GOLD, 0.15f);
    p.dot(0.5f, 0.5f, pal::INK[0], 0.03f);
}

void arrow_down(const unit &p, const pal::ramp &r)
{
    p.poly({{0.38f, 0.08f}, {0.62f, 0.08f}, {0.62f, 0.5f}, {0.82f, 0.5f}, {0.5f, 0.9f}, {0.18f, 0.5f}, {0.38f, 0.5f}},
           r, 0.05f);
}

void chest_in(const unit &p)
{
    chest(p);
    // A green arrow over the lid pointing into the chest.
    p.poly({{0.42f, 0.0f}, {0.58f, 0.0f}, {0.58f, 0.2f}, {0.72f, 0.2f}, {0.5f, 0.42f}, {0.28f, 0.2f}, {0.42f, 0.2f}},
           pal::EMERALD, 0.15f);
}

void bag(const unit &p)
{
    p.dome({{0.36f, 0.3f}, {0.64f, 0.3f}, {0.86f, 0.62f}, {0.78f, 0.88f}, {0.22f, 0.88f}, {0.14f, 0.62f}},
           pal::LEATHER, 0.05f);
    p.poly({{0.38f, 0.12f}, {0.62f, 0.12f}, {0.58f, 0.3f}, {0.42f, 0.3f}}, pal::LEATHER, 0.1f);
    p.cap(0.34f, 0.3f, 0.66f, 0.3f, 0.04f, pal::GOLD);
    p.stroke(0.3f, 0.55f, 0.42f, 0.8f, 0.015f, pal::LEATHER[3]);
}

void scroll(const unit &p)
{
    p.poly({{0.2f, 0.22f}, {0.8f, 0.22f}, {0.8f, 0.78f}, {0.2f, 0.78f}}, pal::BONE, 0.05f);
    p.cap(0.14f, 0.2f, 0.86f, 0.2f, 0.07f, pal::BONE, 0.1f);
    p.cap(0.14f, 0.8f, 0.86f, 0.8f, 0.07f, pal::BONE, -0.05f);
    for (int i = 0; i < 4; i++) p.stroke(0.28f, 0.36f + 0.1f * (float)i, 0.7f - 0.08f * (float)(i & 1), 0.36f + 0.1f * (float)i, 0.012f, pal::BONE[2]);
    p.ell(0.66f, 0.66f, 0.08f, 0.08f, pal::CLOTH_RED, 0.1f);
}

void coin(const unit &p)
{
    p.ell(0.5f, 0.5f, 0.4f, 0.4f, pal::GOLD, 0.05f);
    p.ell(0.5f, 0.5f, 0.28f, 0.28f, pal::GOLD, -0.12f);
    p.ell(0.47f, 0.47f, 0.16f, 0.16f, pal::GOLD, 0.15f);
}

std::vector<pt> star_points(float cx, float cy, float ro, float ri, int n, float turn = 0)
{
    std::vector<pt> s;
    for (int i = 0; i < 2 * n; i++) {
        float a = -1.5708f + turn + 3.14159f * (float)i / (float)n;
        float r = i % 2 ? ri : ro;
        s.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    return s;
}

void star(const unit &p) { p.dome(star_points(0.5f, 0.54f, 0.44f, 0.19f, 5), pal::GOLD, 0.1f); }

void spark(const unit &p)
{
    p.dome(star_points(0.5f, 0.5f, 0.46f, 0.12f, 4), pal::ICE, 0.15f);
    p.dome(star_points(0.5f, 0.5f, 0.26f, 0.08f, 4, 0.785f), pal::MAGIC, 0.3f);
}

void skull(const unit &p)
{
    p.ell(0.5f, 0.42f, 0.32f, 0.3f, pal::BONE, 0.05f);
    p.dome({{0.32f, 0.56f}, {0.68f, 0.56f}, {0.64f, 0.86f}, {0.36f, 0.86f}}, pal::BONE);
    p.ell(0.38f, 0.46f, 0.08f, 0.09f, pal::INK);
    p.ell(0.62f, 0.46f, 0.08f, 0.09f, pal::INK);
    p.poly({{0.5f, 0.56f}, {0.55f, 0.66f}, {0.45f, 0.66f}}, pal::INK);
    for (int i = 0; i < 3; i++) p.stroke(0.42f + 0.08f * (float)i, 0.74f, 0.42f + 0.08f * (float)i, 0.84f, 0.012f, pal::BONE[2]);
}

void quill(const unit &p)
{
    p.dome({{0.86f, 0.06f}, {0.94f, 0.14f}, {0.5f, 0.62f}, {0.36f, 0.58f}}, pal::BONE, 0.1f);
    p.stroke(0.9f, 0.1f, 0.3f, 0.7f, 0.02f, pal::BONE[3]);
    p.cap(0.34f, 0.66f, 0.14f, 0.86f, 0.04f, pal::GOLD);
    p.dot(0.11f, 0.89f, pal::INK[0], 0.035f);
}

void cross(const unit &p)
{
    p.cap(0.2f, 0.2f, 0.8f, 0.8f, 0.1f, pal::CLOTH_RED, 0.1f);
    p.cap(0.8f, 0.2f, 0.2f, 0.8f, 0.1f, pal::CLOTH_RED, 0.1f);
}

void check(const unit &p)
{
    p.cap(0.16f, 0.52f, 0.4f, 0.78f, 0.09f, pal::EMERALD, 0.1f);
    p.cap(0.4f, 0.78f, 0.86f, 0.2f, 0.09f, pal::EMERALD, 0.1f);
}

void hourglass(const unit &p)
{
    p.poly({{0.26f, 0.16f}, {0.74f, 0.16f}, {0.52f, 0.5f}, {0.74f, 0.84f}, {0.26f, 0.84f}, {0.48f, 0.5f}}, pal::ICE,
           -0.1f);
    p.poly({{0.36f, 0.3f}, {0.64f, 0.3f}, {0.5f, 0.48f}}, pal::SAND, 0.1f);
    p.poly({{0.5f, 0.6f}, {0.68f, 0.8f}, {0.32f, 0.8f}}, pal::SAND, 0.1f);
    p.cap(0.2f, 0.13f, 0.8f, 0.13f, 0.055f, pal::WOOD, 0.1f);
    p.cap(0.2f, 0.87f, 0.8f, 0.87f, 0.055f, pal::WOOD);
}

void padlock(const unit &p)
{
    float k = p.k;
    shade_shape(
        p.c,
        [&](float x, float y) {
            float u = x / k - 0.5f, v = y / k - 0.42f;
            float d = std::sqrt(u * u + v * v);
            return d < 0.26f && d > 0.15f && v < 0.02f;
        },
        [&](float x, float) { return vec3{(x / k - 0.5f) * 3, -0.4f, 1}; }, pal::STEEL, 0.1f);
    p.cap(0.29f, 0.42f, 0.29f, 0.5f, 0.055f, pal::STEEL);
    p.cap(0.71f, 0.42f, 0.71f, 0.5f, 0.055f, pal::STEEL);
    p.dome({{0.18f, 0.48f}, {0.82f, 0.48f}, {0.82f, 0.9f}, {0.18f, 0.9f}}, pal::GOLD, 0.05f);
    p.ell(0.5f, 0.63f, 0.06f, 0.06f, pal::INK);
    p.poly({{0.47f, 0.64f}, {0.53f, 0.64f}, {0.55f, 0.78f}, {0.45f, 0.78f}}, pal::INK);
}

void key(const unit &p)
{
    float k = p.k;
    shade_shape(
        p.c,
        [&](float x, float y) {
            float d = std::hypot(x / k - 0.28f, y / k - 0.3f);
            return d < 0.2f && d > 0.09f;
        },
        [&](float x, float y) { return vec3{x / k - 0.28f, y / k - 0.3f, 0.2f}; }, pal::GOLD, 0.1f);
    p.cap(0.42f, 0.44f, 0.86f, 0.86f, 0.05f, pal::GOLD);
    p.poly({{0.66f, 0.7f}, {0.74f, 0.62f}, {0.84f, 0.72f}, {0.76f, 0.8f}}, pal::GOLD, -0.1f);
}

void map(const unit &p)
{
    p.poly({{0.1f, 0.2f}, {0.36f, 0.14f}, {0.36f, 0.8f}, {0.1f, 0.86f}}, pal::SAND, 0.1f);
    p.poly({{0.36f, 0.14f}, {0.64f, 0.2f}, {0.64f, 0.86f}, {0.36f, 0.8f}}, pal::SAND, -0.1f);
    p.poly({{0.64f, 0.2f}, {0.9f, 0.14f}, {0.9f, 0.8f}, {0.64f, 0.86f}}, pal::SAND, 0.05f);
    for (int i = 0; i < 5; i++) p.dot(0.2f + 0.1f * (float)i, 0.64f - 0.07f * (float)(i % 3), pal::EARTH[2], 0.02f);
    p.stroke(0.68f, 0.36f, 0.8f, 0.48f, 0.025f, pal::CLOTH_RED[5]);
    p.stroke(0.8f, 0.36f, 0.68f, 0.48f, 0.025f, pal::CLOTH_RED[5]);
}

void list(const unit &p)
{
    p.poly({{0.18f, 0.1f}, {0.82f, 0.1f}, {0.82f, 0.9f}, {0.18f, 0.9f}}, pal::BONE, 0.05f);
    for (int i = 0; i < 5; i++) {
        float v = 0.24f + 0.14f * (float)i;
        p.dot(0.28f, v, pal::CLOTH_RED[4], 0.03f);
        p.stroke(0.36f, v, 0.72f - 0.06f * (float)(i % 2), v, 0.018f, pal::INK[2]);
    }
}

void plus(const unit &p)
{
    p.cap(0.5f, 0.18f, 0.5f, 0.82f, 0.1f, pal::EMERALD, 0.1f);
    p.cap(0.18f, 0.5f, 0.82f, 0.5f, 0.1f, pal::EMERALD, 0.1f);
}

void heart(const unit &p)
{
    p.ell(0.34f, 0.38f, 0.19f, 0.19f, pal::CLOTH_RED, 0.1f);
    p.ell(0.66f, 0.38f, 0.19f, 0.19f, pal::CLOTH_RED, 0.0f);
    p.poly({{0.16f, 0.44f}, {0.84f, 0.44f}, {0.5f, 0.86f}}, pal::CLOTH_RED, -0.05f);
}

void swirl(const unit &p)
{
    for (int i = 0; i < 40; i++) {
        float t = (float)i / 40.0f, a = t * 11.0f, r = 0.05f + 0.36f * t;
        p.dot(0.5f + r * std::cos(a), 0.5f + r * std::sin(a), pal::MAGIC[3 + (int)(t * 6)], 0.045f + 0.02f * t);
    }
}

void play(const unit &p) { p.dome({{0.26f, 0.14f}, {0.84f, 0.5f}, {0.26f, 0.86f}}, pal::EMERALD, 0.15f); }

void stop(const unit &p) { p.dome({{0.2f, 0.2f}, {0.8f, 0.2f}, {0.8f, 0.8f}, {0.2f, 0.8f}}, pal::CLOTH_RED, 0.15f); }

void hammer(const unit &p)
{
    p.cap(0.22f, 0.86f, 0.6f, 0.36f, 0.05f, pal::WOOD);
    p.dome({{0.4f, 0.14f}, {0.64f, 0.08f}, {0.9f, 0.36f}, {0.8f, 0.48f}, {0.62f, 0.36f}, {0.5f, 0.32f}}, pal::STEEL,
           0.05f);
}

void book(const unit &p)
{
    p.poly({{0.16f, 0.14f}, {0.8f, 0.1f}, {0.84f, 0.84f}, {0.2f, 0.9f}}, pal::CLOTH_BLUE, 0.05f);
    p.poly({{0.78f, 0.16f}, {0.86f, 0.16f}, {0.86f, 0.86f}, {0.82f, 0.84f}}, pal::BONE, 0.1f);
    p.poly({{0.3f, 0.3f}, {0.66f, 0.28f}, {0.66f, 0.4f}, {0.3f, 0.42f}}, pal::GOLD, 0.1f);
    p.stroke(0.2f, 0.14f, 0.22f, 0.88f, 0.02f, pal::CLOTH_BLUE[1]);
}

void monster(const unit &p)
{
    p.poly({{0.2f, 0.38f}, {0.06f, 0.06f}, {0.34f, 0.28f}}, pal::BONE, 0.1f);
    p.poly({{0.8f, 0.38f}, {0.94f, 0.06f}, {0.66f, 0.28f}}, pal::BONE);
    p.ell(0.5f, 0.52f, 0.34f, 0.34f, pal::FOLIAGE, 0.1f);
    p.poly({{0.28f, 0.4f}, {0.46f, 0.48f}, {0.3f, 0.52f}}, pal::FIRE, 0.4f);
    p.poly({{0.72f, 0.4f}, {0.54f, 0.48f}, {0.7f, 0.52f}}, pal::FIRE, 0.4f);
    p.poly({{0.3f, 0.66f}, {0.7f, 0.66f}, {0.6f, 0.76f}, {0.4f, 0.76f}}, pal::INK);
    p.poly({{0.36f, 0.66f}, {0.42f, 0.66f}, {0.39f, 0.72f}}, pal::BONE, 0.3f);
    p.poly({{0.58f, 0.66f}, {0.64f, 0.66f}, {0.61f, 0.72f}}, pal::BONE, 0.3f);
}

}  // namespace

void draw_symbol(canvas &c, symbol s, float cx, float cy, float size)
{
    int side = (int)std::ceil(size) + 2;
    canvas big = supersample(side, side, [&](canvas &b) {
        // Two pixels of margin at double size: the outline stays inside the box.
        unit p{b, (float)b.w - 4.0f};
        canvas inner((int)p.k, (int)p.k);
        unit q{inner, p.k};
        switch (s) {
        case SYM_SWORD: sword(q); break;
        case SYM_SHIELD: shield(q); break;
        case SYM_HELMET: helmet(q); break;
        case SYM_ARMOUR: armour(q); break;
        case SYM_GLOVE: glove(q); break;
        case SYM_BOOT: boot(q); break;
        case SYM_CLOAK: cloak(q); break;
        case SYM_BELT: belt(q); break;
        case SYM_AMULET: amulet(q); break;
        case SYM_BRACER: bracer(q); break;
        case SYM_RING: ring(q); break;
        case SYM_GREAVES: greaves(q); break;
        case SYM_CHARM: charm(q); break;
        case SYM_QUIVER: quiver(q); break;
        case SYM_POTION: potion(q); break;
        case SYM_CHEST: chest(q); break;
        case SYM_CHEST_IN: chest_in(q); break;
        case SYM_BAG: bag(q); break;
        case SYM_SCROLL: scroll(q); break;
        case SYM_COIN: coin(q); break;
        case SYM_STAR: star(q); break;
        case SYM_SKULL: skull(q); break;
        case SYM_PENCIL: quill(q); break;
        case SYM_CROSS: cross(q); break;
        case SYM_CHECK: check(q); break;
        case SYM_HOURGLASS: hourglass(q); break;
        case SYM_PADLOCK: padlock(q); break;
        case SYM_KEY: key(q); break;
        case SYM_MAP: map(q); break;
        case SYM_LIST: list(q); break;
        case SYM_PLUS: plus(q); break;
        case SYM_HEART: heart(q); break;
        case SYM_SWIRL: swirl(q); break;
        case SYM_ARROW_UP:
            arrow_down(q, pal::GOLD);
            for (int y = 0; y < inner.h / 2; y++)
                for (int x = 0; x < inner.w; x++) {
                    uint8_t a = inner.get(x, y), b2 = inner.get(x, inner.h - 1 - y);
                    inner.set(x, y, b2);
                    inner.set(x, inner.h - 1 - y, a);
                }
            break;
        case SYM_ARROW_DOWN: arrow_down(q, pal::GOLD); break;
        case SYM_PLAY: play(q); break;
        case SYM_STOP: stop(q); break;
        case SYM_HAMMER: hammer(q); break;
        case SYM_BOOK: book(q); break;
        case SYM_SPARK: spark(q); break;
        case SYM_MONSTER: monster(q); break;
        }
        blit(b, inner, 2, 2);
    });
    outline_inner(big, 1);
    outline_outer(big, pal::INK[0]);
    blit(c, big, (int)std::lround(cx - (float)side / 2.0f), (int)std::lround(cy - (float)side / 2.0f));
}

}  // namespace ui
}  // namespace art
