// pointers.cpp -- the pointer pictures (group 8): arrow, animated hand, scroll arrows, and the pointers
// that tell what a click would do
//
// The pointer's hot spot is its picture's top-left pixel, so every pointer puts
// its tip there: the arrow's point, the hand's finger, the sword's point, the
// wand's star.  Pointers that name an action carry a small badge at the lower
// right of a short arrow.
#include <cmath>

#include "art/interface_parts.h"
#include "art/ui_kit.h"

namespace art {
namespace ifc {

using namespace ui;

namespace {

// The arrow, long (the plain pointer) or short (beside a badge); drawn at twice
// the size, so its points are in half pixels.
void arrow(canvas &c, bool short_arrow, const pal::ramp &r)
{
    std::vector<pt> shape = short_arrow
                                ? std::vector<pt>{{0.5f, 0.5f}, {0.5f, 19}, {5, 15}, {8.5f, 21.5f}, {11.5f, 20}, {8.5f, 13.5f}, {14.5f, 13.5f}}
                                : std::vector<pt>{{0.5f, 0.5f}, {0.5f, 25}, {6.5f, 19.5f}, {11, 29}, {15, 27.5f}, {11, 18.5f}, {19, 18.5f}};
    canvas a = supersample(16, 16, [&](canvas &b) {
        shade_shape(
            b, [&](float x, float y) { return in_polygon(shape, x, y); },
            [&](float x, float y) { return vec3{-0.2f + x / 60, -0.3f + y / 70, 1}; }, r, 0.15f);
    });
    // A dark rim all round keeps the arrow readable on any ground.
    canvas rimmed = a;
    outline_outer(rimmed, pal::INK[0]);
    rimmed.set(0, 0, pal::INK[0]);
    for (int y = 0; y < 16; y++)
        for (int x = 0; x < 16; x++)
            if (rimmed.get(x, y) && !a.get(x, y)) c.set(x, y, pal::INK[0]);
    blit(c, a, 0, 0);
    c.set(0, 0, r.brightest());
}

// A badge in the lower right: a symbol on a dark round ground.
void badge(canvas &c, symbol s)
{
    ellipse(c, 11.0f, 11.0f, 5.0f, 5.0f, pal::SLATE, -0.3f);
    draw_symbol(c, s, 11.0f, 11.0f, 9.5f);
}

// 1..17: the pointing hand, its finger on the hot spot.  A pointer this small is
// drawn pixel by pixel: o outline, s S d skin light to dark, c C the cuff.  Over
// the 17 frames it taps: it dips a pixel for five frames and a glint crosses the
// cuff.
void hand(canvas &c, int frame)
{
    static const char *rows[16] = {
        "..ooo...........", ".osSdo..........", ".osSdo..........", ".osSdo..........",
        ".osSdoooo.......", ".osSdosSdoo.....", ".osSdosSdosdoo..", "ooosSdsSdsSdosdo",
        "osSssssssssssSdo", "osSsssssssssssdo", ".osssssssssssSdo", "..osssssssssSddo",
        "...osSsssssSddo.", "....occccccccCo.", "....occccccccCo.", "....oooooooooo..",
    };
    int dip = frame >= 6 && frame <= 10 ? 1 : 0;
    int glint = 5 + (frame * 9) / 17;
    for (int y = 0; y < 16; y++)
        for (int x = 0; x < 16; x++) {
            uint8_t v = 0;
            switch (rows[y][x]) {
            case 'o': v = pal::INK[0]; break;
            case 's': v = pal::SKIN[10]; break;
            case 'S': v = pal::SKIN[8]; break;
            case 'd': v = pal::SKIN[5]; break;
            case 'c': v = x == glint ? pal::CLOTH_BLUE[7] : pal::CLOTH_BLUE[5]; break;
            case 'C': v = pal::CLOTH_BLUE[2]; break;
            default: break;
            }
            if (v && y + dip < 16) c.set(x, y + dip, v);
        }
}

// 19..26: the big arrows at the view's edges while the right button scrolls.
void scroll_arrow(canvas &c, float angle)
{
    const std::vector<pt> up = {{0, -14}, {12, -1}, {4.5f, -1}, {4.5f, 13}, {-4.5f, 13}, {-4.5f, -1}, {-12, -1}};
    std::vector<pt> shape;
    float s = std::sin(angle), co = std::cos(angle);
    for (const pt &p : up) shape.push_back({16 + p.x * co - p.y * s, 16 + p.x * s + p.y * co});
    canvas a = supersample(16, 16, [&](canvas &b) {
        shade_shape(
            b, [&](float x, float y) { return in_polygon(shape, x, y); },
            [&](float x, float y) { return vec3{(x - 16) / 30, (y - 16) / 30, 1}; }, pal::GOLD, 0.1f);
    });
    outline_inner(a, 1);
    outline_outer(a, pal::INK[0]);
    blit(c, a, 0, 0);
}

// The four little arrows of the scroll pointer's badge.
void cross_arrows(canvas &c)
{
    ellipse(c, 11.5f, 11.5f, 4.6f, 4.6f, pal::SLATE, -0.3f);
    const int p[][2] = {{11, 7}, {12, 7}, {10, 8}, {13, 8}, {11, 16}, {12, 16}, {10, 15}, {13, 15},
                        {7, 11}, {7, 12}, {8, 10}, {8, 13}, {16, 11}, {16, 12}, {15, 10}, {15, 13}};
    for (const auto &q : p) c.set(q[0], q[1], pal::GOLD[6]);
    for (int i = 8; i <= 15; i++) {
        c.set(i, 11, pal::GOLD[4]);
        c.set(11, i, pal::GOLD[4]);
    }
}

// 28: a sword, its point at the hot spot: click to attack.
void sword_pointer(canvas &c)
{
    canvas a = supersample(16, 16, [&](canvas &b) {
        capsule(b, 1.5f, 1.5f, 18, 18, 2.2f, pal::STEEL, 0.2f);
        capsule(b, 13, 23, 23, 13, 2.0f, pal::GOLD, 0.1f);
        capsule(b, 20, 20, 27, 27, 2.0f, pal::LEATHER);
        ellipse(b, 28.5f, 28.5f, 2.6f, 2.6f, pal::GOLD, 0.2f);
    });
    outline_inner(a, 1);
    canvas rim = a;
    outline_outer(rim, pal::INK[0]);
    blit(c, rim, 0, 0);
    blit(c, a, 0, 0);
    c.set(0, 0, pal::STEEL[7]);
}

// 30: a wand with a star at the hot spot: pick the skill's target.
void wand_pointer(canvas &c)
{
    canvas a = supersample(16, 16, [&](canvas &b) {
        capsule(b, 6, 6, 27, 27, 1.8f, pal::WOOD, 0.1f);
        capsule(b, 24, 24, 28, 28, 2.0f, pal::GOLD, 0.1f);
    });
    outline_outer(a, pal::INK[0]);
    blit(c, a, 0, 0);
    const int star[][3] = {{0, 0, 9}, {1, 1, 9}, {2, 2, 9}, {3, 3, 7}, {2, 0, 5}, {0, 2, 5}, {4, 1, 4},
                           {1, 4, 4}, {3, 1, 6}, {1, 3, 6}, {4, 4, 5}, {5, 2, 3}, {2, 5, 3}};
    for (const auto &s : star) c.set(s[0], s[1], pal::MAGIC[s[2]]);
}

// The talk pointer's badge: a speech bubble.
void bubble(canvas &c)
{
    ellipse(c, 11.5f, 10.5f, 4.4f, 3.6f, pal::BONE, 0.3f);
    c.set(9, 14, pal::BONE[8]);
    c.set(8, 15, pal::BONE[8]);
    outline_outer(c, pal::INK[0]);
    for (int x : {9, 11, 13}) c.set(x, 10, pal::INK[1]);
}

// The badge of "set the pick": a knurled knob with its index mark.
void knob_badge(canvas &c)
{
    ellipse(c, 11.5f, 11.5f, 4.4f, 4.4f, pal::STEEL, 0.1f);
    for (int a = 0; a < 8; a++) {
        float t = 0.785f * (float)a;
        c.set((int)(11.5f + 4.2f * std::cos(t)), (int)(11.5f + 4.2f * std::sin(t)), pal::STEEL[1]);
    }
    c.set(11, 8, pal::GOLD[6]);
    c.set(11, 9, pal::GOLD[5]);
    outline_outer(c, pal::INK[0]);
}

}  // namespace

// Group 8, 0..40: see the table in interface.cpp for where each is shown.
void pointer(canvas &c, int n)
{
    if (n == 0) {
        arrow(c, false, pal::BONE);
    } else if (n >= 1 && n <= 17) {
        hand(c, n - 1);
    } else if (n >= 19 && n <= 26) {
        // 19 bottom, 20 top, 21 right, 22 left, 23..26 the corners from the top left clockwise.
        const float deg[8] = {180, 0, 90, 270, 315, 45, 135, 225};
        scroll_arrow(c, deg[n - 19] * 3.14159f / 180.0f);
    } else if (n == 28) {
        sword_pointer(c);
    } else if (n == 30) {
        wand_pointer(c);
    } else {
        arrow(c, true, pal::BONE);
        switch (n) {
        case 18: badge(c, SYM_BOOT); break;
        case 27: cross_arrows(c); break;
        case 33: knob_badge(c); break;
        case 34: badge(c, SYM_PADLOCK); break;
        case 35: badge(c, SYM_PLAY); break;
        case 36: badge(c, SYM_STOP); break;
        case 37: badge(c, SYM_CHEST); break;
        case 38: badge(c, SYM_MONSTER); break;
        case 40: bubble(c); break;
        default: break;
        }
    }
}

}  // namespace ifc
}  // namespace art
