// skill_icons.cpp -- the battle-skill icons (group 9): a 20-pixel medallion in a 24-pixel box for each
// of the 18 skills, coloured by the skill's kind of magic
//
// The icon stands at (454 + 28c, 276 + 28r) in the skill grid.  Its clear margin
// of two pixels lets the chosen-place highlight (58, drawn first at the same
// place) show round it.
#include <cmath>
#include <functional>

#include "art/interface_parts.h"
#include "art/ui_kit.h"

namespace art {
namespace ifc {

using namespace ui;

namespace {

// The medallion: a rounded square with a gold rim and a dark ground of the ramp,
// brightest behind the glyph; the glyph is painted at double size (40 x 40).
void medallion(canvas &c, const pal::ramp &ground, const std::function<void(canvas &)> &glyph)
{
    for (int y = 2; y < 22; y++)
        for (int x = 2; x < 22; x++) {
            int e = std::min({x - 2, y - 2, 21 - x, 21 - y});
            bool corner = (x == 2 || x == 21) && (y == 2 || y == 21);
            if (corner) continue;
            uint8_t v;
            if (e == 0) v = x == 2 || y == 2 ? pal::GOLD[5] : pal::GOLD[2];
            else if (e == 1) v = pal::INK[0];
            else {
                float d = std::hypot((float)x - 11.5f, (float)y - 11.5f) / 12.0f;
                v = ramp_dither(ground, 0.42f - 0.35f * d, x, y);
            }
            c.set(x, y, v);
        }
    canvas g = supersample(20, 20, glyph);
    outline_inner(g, 1);
    for (int y = 0; y < 20; y++)
        for (int x = 0; x < 20; x++) {
            uint8_t v = g.get(x, y);
            // The glyph stays inside the rim.
            if (v && x >= 2 && y >= 2 && x < 18 && y < 18) c.set(x + 2, y + 2, v);
        }
}

std::vector<pt> star(float cx, float cy, float ro, float ri, int n, float turn = 0)
{
    std::vector<pt> s;
    for (int i = 0; i < 2 * n; i++) {
        float a = -1.5708f + turn + 3.14159f * (float)i / (float)n;
        float r = i % 2 ? ri : ro;
        s.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    return s;
}

const vec3 FLAT = {-0.3f, -0.4f, 1};

void flame(canvas &b, float cx, float base, float h, float w, float bias)
{
    polygon(b, {{cx - w, base}, {cx - w * 0.8f, base - h * 0.5f}, {cx - w * 0.2f, base - h * 0.7f}, {cx, base - h},
                {cx + w * 0.3f, base - h * 0.6f}, {cx + w * 0.9f, base - h * 0.45f}, {cx + w, base}},
            pal::FIRE, FLAT, bias);
    ellipse(b, cx, base - w * 0.5f, w, w * 0.75f, pal::FIRE, bias + 0.1f);
    polygon(b, {{cx - w * 0.45f, base - 1}, {cx - w * 0.1f, base - h * 0.55f}, {cx + w * 0.45f, base - 1}}, pal::FIRE,
            FLAT, bias + 0.45f);
}

}  // namespace

// Group 9, 0..17: 0 heal, 1 fire bolt, 2 frost, 3 summon a beast, 4 quake, 5 burn,
// 6 charm, 7 shield, 8 blast, 9 doom, 10 venom, 11 blind, 12 summon a spirit,
// 13 summon a rune guardian, 14 boost, 15 summon a flame, 16 shape change,
// 17 the passive skill.
void skill_icon(canvas &c, int n)
{
    switch (n) {
    case 0:
        medallion(c, pal::FOLIAGE, [](canvas &b) {
            capsule(b, 20, 8, 20, 32, 4.5f, pal::EMERALD, 0.15f);
            capsule(b, 8, 20, 32, 20, 4.5f, pal::EMERALD, 0.15f);
            for (auto p : {std::pair<int, int>{9, 9}, {31, 10}, {30, 31}})
                polygon(b, star((float)p.first, (float)p.second, 4, 1.2f, 4), pal::BONE, FLAT, 0.4f);
        });
        break;
    case 1:
        medallion(c, pal::CLOTH_RED, [](canvas &b) {
            polygon(b, {{6, 34}, {18, 16}, {28, 24}}, pal::FIRE, FLAT, -0.05f);
            polygon(b, {{10, 32}, {20, 19}, {24, 24}}, pal::FIRE, FLAT, 0.2f);
            ellipse(b, 25, 15, 8, 8, pal::FIRE, 0.2f);
            ellipse(b, 26, 14, 4, 4, pal::FIRE, 0.6f);
        });
        break;
    case 2:
        medallion(c, pal::CLOTH_BLUE, [](canvas &b) {
            for (int i = 0; i < 3; i++) {
                float a = 1.0472f * (float)i + 0.5236f, s = std::sin(a), co = std::cos(a);
                capsule(b, 20 - 14 * co, 20 - 14 * s, 20 + 14 * co, 20 + 14 * s, 1.8f, pal::ICE, 0.3f);
                for (int e : {-1, 1}) {
                    float ex = 20 + e * 9 * co, ey = 20 + e * 9 * s;
                    capsule(b, ex, ey, ex + 4 * std::cos(a + e * 0.9f), ey + 4 * std::sin(a + e * 0.9f), 1.2f, pal::ICE, 0.3f);
                    capsule(b, ex, ey, ex + 4 * std::cos(a - e * 0.9f + 3.14159f * (e > 0 ? 0 : 1)),
                            ey + 4 * std::sin(a - e * 0.9f + 3.14159f * (e > 0 ? 0 : 1)), 1.2f, pal::ICE, 0.3f);
                }
            }
            ellipse(b, 20, 20, 3, 3, pal::ICE, 0.5f);
        });
        break;
    case 3:
        medallion(c, pal::MAGIC, [](canvas &b) {
            shade_shape(
                b, [](float x, float y) { float d = std::hypot((x - 20) / 17, (y - 30) / 6); return d <= 1 && d > 0.72f; },
                [](float x, float) { return vec3{(x - 20) / 17, -0.5f, 1}; }, pal::MAGIC, 0.4f);
            ellipse(b, 20, 24, 6.5f, 5.5f, pal::BONE, 0.1f);
            for (int i = 0; i < 4; i++) {
                float a = -2.6f + 0.68f * (float)i;
                ellipse(b, 20 + 12.5f * std::cos(a), 25 + 12.5f * std::sin(a), 2.6f, 3.2f, pal::BONE, 0.15f);
            }
        });
        break;
    case 4:
        medallion(c, pal::EARTH, [](canvas &b) {
            polygon(b, {{2, 24}, {17, 21}, {20, 27}, {15, 38}, {2, 38}}, pal::STONE, FLAT, 0.05f);
            polygon(b, {{23, 20}, {38, 23}, {38, 38}, {19, 38}, {23, 28}}, pal::STONE, {0.3f, -0.4f, 1}, -0.1f);
            polygon(b, {{24, 2}, {13, 13}, {20, 13}, {14, 22}, {29, 9}, {22, 9}, {28, 2}}, pal::FIRE, FLAT, 0.5f);
            ellipse(b, 8, 16, 2.6f, 2.3f, pal::STONE, 0.1f);
            ellipse(b, 32, 15, 2.2f, 2.0f, pal::STONE, 0.1f);
        });
        break;
    case 5:
        medallion(c, pal::CLOTH_RED, [](canvas &b) {
            flame(b, 13, 35, 22, 7, 0.0f);
            flame(b, 27, 35, 20, 7, 0.0f);
            flame(b, 20, 36, 30, 9, 0.15f);
        });
        break;
    case 6:
        medallion(c, pal::MAGIC, [](canvas &b) {
            ellipse(b, 14, 16, 7, 7, pal::CLOTH_RED, 0.35f);
            ellipse(b, 26, 16, 7, 7, pal::CLOTH_RED, 0.3f);
            polygon(b, {{7.5f, 18}, {32.5f, 18}, {20, 32}}, pal::CLOTH_RED, FLAT, 0.3f);
            for (int i = 0; i < 14; i++) {
                float t = (float)i / 14.0f, a = t * 7.0f;
                ellipse(b, 20 + (6 + 11 * t) * std::cos(a), 20 + (6 + 11 * t) * std::sin(a), 1.3f, 1.3f, pal::MAGIC, 0.5f);
            }
        });
        break;
    case 7:
        medallion(c, pal::CLOTH_BLUE, [](canvas &b) {
            std::vector<pt> s = {{9, 7}, {31, 7}, {31, 20}, {20, 34}, {9, 20}};
            shade_shape(
                b, [&](float x, float y) { return in_polygon(s, x, y); },
                [](float x, float y) { return vec3{(x - 20) / 14, (y - 18) / 18, 1}; }, pal::ICE, 0.05f);
            std::vector<pt> in = {{13, 11}, {27, 11}, {27, 20}, {20, 29}, {13, 20}};
            polygon(b, in, pal::CLOTH_BLUE, FLAT, 0.2f);
            polygon(b, star(20, 18, 6, 2, 4), pal::BONE, FLAT, 0.5f);
        });
        break;
    case 8:
        medallion(c, pal::CLOTH_RED, [](canvas &b) {
            polygon(b, star(20, 20, 17, 7, 8), pal::FIRE, FLAT, 0.1f);
            polygon(b, star(20, 20, 11, 5, 8, 0.39f), pal::FIRE, FLAT, 0.4f);
            ellipse(b, 20, 20, 4, 4, pal::BONE, 0.5f);
        });
        break;
    case 9:
        medallion(c, pal::MAGIC, [](canvas &b) {
            ellipse(b, 20, 17, 10, 10, pal::BONE, 0.05f);
            polygon(b, {{14, 22}, {26, 22}, {25, 32}, {15, 32}}, pal::BONE, FLAT, 0.0f);
            ellipse(b, 16, 18, 2.8f, 3.2f, pal::MAGIC, 0.6f);
            ellipse(b, 24, 18, 2.8f, 3.2f, pal::MAGIC, 0.6f);
            polygon(b, {{20, 22}, {22, 26}, {18, 26}}, pal::INK, FLAT);
        });
        break;
    case 10:
        medallion(c, pal::FOLIAGE, [](canvas &b) {
            shade_shape(
                b,
                [](float x, float y) {
                    float u = (x - 20) / 9, v = (y - 25) / 9;
                    if (u * u + v * v <= 1) return true;
                    return y < 25 && y > 6 && std::fabs(x - 20) < (y - 6) * 0.47f;
                },
                [](float x, float y) { return vec3{(x - 20) / 10, (y - 22) / 14, 1}; }, pal::EMERALD, 0.1f);
            ellipse(b, 17, 24, 2, 3, pal::BONE, 0.4f);
        });
        break;
    case 11:
        medallion(c, pal::SLATE, [](canvas &b) {
            shade_shape(
                b, [](float x, float y) { return std::fabs(y - 20) < 9 * (1 - std::pow((x - 20) / 16, 2)) && std::fabs(x - 20) < 16; },
                [](float x, float y) { return vec3{(x - 20) / 20, (y - 20) / 12, 1}; }, pal::BONE, 0.1f);
            ellipse(b, 20, 20, 6, 6, pal::CLOTH_BLUE, 0.1f);
            ellipse(b, 20, 20, 3, 3, pal::INK);
            capsule(b, 7, 32, 33, 8, 2.0f, pal::CLOTH_RED, 0.2f);
        });
        break;
    case 12:
        medallion(c, pal::SLATE, [](canvas &b) {
            shade_shape(
                b,
                [](float x, float y) {
                    if (std::hypot(x - 20, y - 15) < 9) return true;
                    float w = 9 - (y - 15) * 0.1f + 2 * std::sin(x * 0.8f);
                    return y >= 15 && y < 33 && std::fabs(x - 20) < w && !(y > 29 && ((int)x / 4) % 2);
                },
                [](float x, float y) { return vec3{(x - 20) / 12, (y - 18) / 20, 1}; }, pal::ICE, 0.2f);
            ellipse(b, 17, 14, 1.8f, 2.5f, pal::INK);
            ellipse(b, 23, 14, 1.8f, 2.5f, pal::INK);
        });
        break;
    case 13:
        medallion(c, pal::STONE, [](canvas &b) {
            polygon(b, {{20, 4}, {35, 20}, {20, 36}, {5, 20}}, pal::STONE, FLAT, -0.35f);
            polygon(b, {{20, 4}, {35, 20}, {20, 20}}, pal::STONE, {0.2f, -0.6f, 1}, -0.2f);
            capsule(b, 20, 11, 20, 29, 1.8f, pal::MAGIC, 0.3f);
            capsule(b, 13, 17, 27, 23, 1.8f, pal::MAGIC, 0.3f);
            capsule(b, 14, 27, 26, 13, 1.5f, pal::MAGIC, 0.2f);
        });
        break;
    case 14:
        medallion(c, pal::LEATHER, [](canvas &b) {
            for (int i = 0; i < 3; i++) {
                float y = 10 + 9 * (float)i;
                polygon(b, {{8, y + 8}, {20, y - 2}, {32, y + 8}, {32, y + 13}, {20, y + 3}, {8, y + 13}}, pal::GOLD, FLAT,
                        0.25f - 0.1f * (float)i);
            }
        });
        break;
    case 15:
        medallion(c, pal::CLOTH_RED, [](canvas &b) {
            flame(b, 20, 36, 32, 11, 0.05f);
            ellipse(b, 16, 24, 2, 2.6f, pal::INK);
            ellipse(b, 24, 24, 2, 2.6f, pal::INK);
        });
        break;
    case 16:
        medallion(c, pal::FOLIAGE, [](canvas &b) {
            shade_shape(
                b, [](float x, float y) { return std::hypot(x - 16, y - 20) < 15 && std::hypot(x - 24, y - 15) > 12; },
                [](float x, float y) { return vec3{(x - 16) / 16, (y - 20) / 16, 1}; }, pal::BONE, 0.2f);
            for (int i = 0; i < 3; i++) {
                float o = 6.5f * (float)i;
                capsule(b, 18 + o, 7, 26 + o - 3, 21, 1.9f, pal::CLOTH_RED, 0.35f);
                capsule(b, 26 + o - 3, 21, 24 + o - 8, 33, 1.3f, pal::CLOTH_RED, 0.3f);
            }
        });
        break;
    default:
        medallion(c, pal::GOLD, [](canvas &b) {
            for (int i = 0; i < 8; i++) {
                float a = 0.785f * (float)i;
                capsule(b, 20 + 10 * std::cos(a), 20 + 10 * std::sin(a), 20 + 16 * std::cos(a), 20 + 16 * std::sin(a),
                        1.5f, pal::FIRE, 0.5f);
            }
            ellipse(b, 20, 20, 9, 9, pal::FIRE, 0.45f);
            ellipse(b, 20, 20, 5, 5, pal::BONE, 0.4f);
        });
        break;
    }
}

}  // namespace ifc
}  // namespace art
