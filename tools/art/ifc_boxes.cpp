// ifc_boxes.cpp -- boxes drawn into the view: loot and level-up boxes, text-box corners, skill list and
// information box, attribute window pieces
//
// Positions in comments are view pixels (the view stands at screen (20, 20)).
#include <cmath>

#include "art/interface_parts.h"
#include "art/ui_kit.h"

namespace art {
namespace ifc {

using namespace ui;

// 53 (loot remains), 54 (nothing left): the award box at (100, 100); experience
// and gold are written at (108, 107) and (108, 118); a click anywhere closes it.
void loot_box(canvas &c, int n)
{
    plate(c, 0, 0, c.w, c.h, 0.3f, true, 300);
    trim(c, 2, 2, c.w - 4, c.h - 4);
    well(c, 4, 4, 156, 26, 0.08f, 301);
    well(c, 164, 4, 32, 26, 0.08f, 302);
    draw_symbol(c, n == 53 ? SYM_CHEST : SYM_CHECK, 180.0f, 17.0f, 22);
    rule(c, 8, c.w - 9, 33);
    text_centre(c, 4, 38, c.w - 8, 16, n == 53 ? "Take what you want, then click here" : "All taken - click to go on",
                pal::TEXT);
}

// 62, 63 (blue frame) and 124, 125 (gold frame): the text box's corners, drawn
// over the 8-pixel frame at the top left (62, 124) and bottom left (63, 125) and
// mirrored on the right.  Everything clear shows the frame and the box beneath,
// so the pieces meet the frame's bands without a seam.
void box_corner(canvas &c, int n)
{
    bool gold = n == 124 || n == 125, bottom = n == 63 || n == 125;
    const pal::ramp &metal = gold ? pal::GOLD : pal::STEEL;
    canvas a = supersample(32, 32, [&](canvas &b) {
        // A square boss over the frame's corner with a stone in it, and a gold
        // scroll that curls out of it along the inside of the frame.
        polygon(b, {{0, 0}, {28, 0}, {28, 28}, {0, 28}}, metal, {-0.3f, -0.4f, 1}, gold ? -0.1f : 0.05f);
        polygon(b, {{4, 4}, {24, 4}, {24, 24}, {4, 24}}, metal, {0.3f, 0.4f, 1}, gold ? -0.25f : -0.15f);
        ellipse(b, 14, 14, 6.5f, 6.5f, gold ? pal::CLOTH_RED : pal::CLOTH_BLUE, 0.15f);
        shade_shape(
            b,
            [](float x, float y) {
                float d = std::hypot(x - 16, y - 16);
                return d > 22.5f && d < 27.5f && x > 16 && y > 16 && x + y < 72;
            },
            [](float x, float y) { return vec3{(x - 16) / 40, (y - 16) / 40, 1}; }, pal::GOLD, 0.1f);
        ellipse(b, 40.5f, 33, 3, 3, pal::GOLD, 0.2f);
        ellipse(b, 33, 40.5f, 3, 3, pal::GOLD, 0.2f);
        capsule(b, 30, 17.5f, 56, 17.5f, 1.4f, pal::GOLD, 0.05f);
        capsule(b, 17.5f, 30, 17.5f, 56, 1.4f, pal::GOLD, 0.05f);
    });
    outline_inner(a, 1);
    for (int y = 0; y < 32; y++)
        for (int x = 0; x < 32; x++) c.set(x, bottom ? 31 - y : y, a.get(x, y));
}

// 64: the continue button of speech boxes, answer lists and editor windows.
void continue_button(canvas &c, int)
{
    ellipse(c, 8.0f, 8.0f, 7.6f, 7.6f, pal::GOLD, -0.05f);
    ellipse(c, 8.0f, 8.0f, 6.2f, 6.2f, pal::STEEL, 0.05f);
    canvas a = supersample(16, 16, [](canvas &b) {
        polygon(b, {{11, 8}, {24, 16}, {11, 24}}, pal::GOLD, {-0.3f, -0.4f, 1}, 0.2f);
    });
    blit(c, a, 0, 0);
    outline_outer(c, pal::INK[0]);
}

namespace {

// A dark bound panel with a gold edge, used by the skill list and the skill box.
void bound_panel(canvas &c, uint32_t seed)
{
    fill_rect(c, 0, 0, c.w, c.h, pal::INK[0]);
    fill_grain(c, 1, 1, c.w - 2, c.h - 2, pal::SLATE, 0.22f, 0.14f, 0.05f, seed);
    trim(c, 2, 2, c.w - 4, c.h - 4);
    for (int y = 3; y < c.h - 3; y++) {
        c.set(3, y, pal::SLATE[5]);
        c.set(c.w - 4, y, pal::INK[0]);
    }
    for (int x = 3; x < c.w - 3; x++) {
        c.set(x, 3, pal::SLATE[5]);
        c.set(x, c.h - 4, pal::INK[0]);
    }
    for (int x : {7, c.w - 9})
        for (int y : {7, c.h - 9}) rivet(c, x, y, 2.2f);
}

}  // namespace

// 104: the skill list at (20, 20): entries written at x 60 from y 75 to 194, the
// arrows at (45, 105) and (45, 134), the close button at (241, 180).
// 99: the skill information box at (20, 20): the name at (40, 40), the
// description at (40, 54), 220 wide.
void book_panel(canvas &c, int n)
{
    bound_panel(c, 310 + (uint32_t)n);
    if (n == 104) {
        int tw = title_width("Skills", 2.0f);
        title_text(c, (c.w - tw) / 2, 11, "Skills", 2.0f, pal::GOLD);
        draw_symbol(c, SYM_BOOK, (float)(c.w - tw) / 2 - 16, 22.0f, 18);
        // The list's column (59..250 x 73..197) between its rollers.
        well(c, 39, 53, 192, 125, 0.08f, 311);
        button_face(c, 25, 85, 16, 30, NORMAL, 312);
        button_face(c, 25, 114, 16, 28, NORMAL, 313);
        draw_symbol(c, SYM_ARROW_UP, 33.0f, 100.0f, 12);
        draw_symbol(c, SYM_ARROW_DOWN, 33.0f, 128.0f, 12);
    } else {
        well(c, 12, 12, 240, 22, 0.08f, 315);
        well(c, 12, 36, c.w - 24, 152, 0.08f, 316);
        draw_symbol(c, SYM_SPARK, 242.0f, 23.0f, 14);
    }
}

// 101 (140 under the pointer): the tall close button of the skill list, the skill
// box (241, 180) and the attribute window (335, 152).
void close_tall(canvas &c, int n)
{
    bstate s = n == 140 ? LIT : NORMAL;
    button_face(c, 0, 0, c.w, c.h, s, 320);
    close_boss(c, 10.0f, 15.0f, 6.5f, s);
}

// 107, 108: the rollers over the skill list's top (59, 73) and bottom (59, 190)
// edges, under which the scrolling entries slide.
void list_cap(canvas &c, int n)
{
    capsule(c, 3.5f, 4.0f, (float)c.w - 4.5f, 4.0f, 3.6f, pal::WOOD, n == 107 ? 0.1f : 0.0f);
    for (int x = 8; x < c.w - 8; x += 12) c.set(x, 4, pal::WOOD[2]);
    ellipse(c, 3.5f, 4.0f, 3.5f, 3.9f, pal::GOLD, 0.1f);
    ellipse(c, (float)c.w - 4.0f, 4.0f, 3.5f, 3.9f, pal::GOLD, 0.0f);
    outline_inner(c, 1);
}

// 109 (up, at (45, 105)) and 110 (down, at (45, 134)): the list's arrows pressed.
void list_arrow(canvas &c, int n)
{
    button_face(c, 0, 0, c.w, c.h, PRESSED, 330);
    draw_symbol(c, n == 109 ? SYM_ARROW_UP : SYM_ARROW_DOWN, 9.0f, n == 109 ? 16.0f : 15.0f, 12);
}

// 111: the skill points box at (286, 70): the points written at (308, 82), the
// raise button at (320, 110).
void points_box(canvas &c, int)
{
    bound_panel(c, 340);
    well(c, 8, 8, c.w - 16, 26, 0.08f, 341);
    well(c, 32, 38, 36, 36, 0.05f, 342);
    text_centre(c, 0, 76, c.w, 10, "Raise", pal::SKILL_TEXT);
}

// 112 (idle), 113 (held: the next level previewed): the skill raise button.
void raise_button(canvas &c, int n)
{
    bool held = n == 113;
    ellipse(c, 16.0f, 16.0f, 15.6f, 15.6f, pal::GOLD, held ? 0.15f : -0.05f);
    ellipse(c, 16.0f + (held ? 0.6f : 0), 16.0f + (held ? 0.6f : 0), 12.5f, 12.5f, pal::STEEL, held ? -0.2f : 0.05f);
    canvas a(32, 32);
    draw_symbol(a, SYM_ARROW_UP, 16.0f, 16.0f, 20);
    recolour(a, 0, 0, 32, 32, pal::EMERALD, held ? 1.25f : 1.0f);
    blit(c, a, held ? 1 : 0, held ? 1 : 0);
    outline_outer(c, pal::INK[0]);
}

// 115: one member's level-up row at (60, y): a star, then the name from x 70.
void level_row(canvas &c, int)
{
    fill_rect(c, 0, 0, c.w, c.h, pal::INK[0]);
    fill_grain(c, 1, 1, c.w - 2, c.h - 2, pal::SLATE, 0.24f, 0.12f, 0.04f, 350);
    for (int x = 1; x < c.w - 1; x++) {
        c.set(x, 1, pal::GOLD[4]);
        c.set(x, c.h - 2, pal::GOLD[1]);
    }
    draw_symbol(c, SYM_STAR, 5.0f, 10.0f, 11);
    draw_symbol(c, SYM_STAR, (float)c.w - 7.0f, 10.0f, 11);
}

// 116: the level-up box at (160, 100 - 10n) over the rows; the spot that puts it
// away is its middle (x 191..209): a gold medallion with the rising arrow, so
// that the box reads "Level (up) up!" rather than being cut by a close cross.
void level_box(canvas &c, int)
{
    plate(c, 0, 0, c.w, c.h, 0.4f, true, 360, pal::GOLD);
    fill_grain(c, 2, 2, c.w - 4, c.h - 4, pal::SLATE, 0.25f, 0.15f, 0.03f, 361);
    text_shadow(c, 4, 6, "Level", pal::CHEER);
    text_shadow(c, 52, 6, "up!", pal::CHEER);
    canvas m(20, 20);
    ellipse(m, 10.0f, 10.0f, 6.8f, 6.8f, pal::GOLD, 0.1f);
    ellipse(m, 10.0f, 10.0f, 5.2f, 5.2f, pal::EMERALD, -0.15f);
    // The rising arrow: a head three rows deep over a two-pixel stem.
    for (int y = 6; y <= 8; y++)
        for (int x = 10 - (y - 5); x < 10 + (y - 5); x++) m.set(x, y, pal::GOLD[8]);
    for (int y = 9; y <= 13; y++) {
        m.set(9, y, pal::GOLD[7]);
        m.set(10, y, pal::GOLD[6]);
    }
    outline_outer(m, pal::INK[0]);
    blit(c, m, 30, 0);
}

// 123 (pointer over it, points to spend), 126 (idle): an attribute's raise button
// at (195, 78 + 18k).
void attr_button(canvas &c, int n)
{
    bool lit = n == 123;
    ellipse(c, 6.0f, 6.0f, 5.8f, 5.8f, pal::GOLD, lit ? 0.2f : -0.15f);
    ellipse(c, 6.0f, 6.0f, 4.4f, 4.4f, lit ? pal::EMERALD : pal::STEEL, lit ? 0.1f : -0.05f);
    uint8_t ink = lit ? pal::BONE[9] : pal::GOLD[5];
    for (int i = 3; i <= 8; i++) {
        c.set(i, 6, ink);
        c.set(6, i, ink);
        c.set(i, 5, ink);
        c.set(5, i, ink);
    }
    outline_outer(c, pal::INK[0]);
}

// 127: the glow over a raised attribute's line at (88, 78 + 18k), faded out by
// the game over 30 frames.  It is drawn over the line's letters, so only its rim
// and a sparse shimmer are painted: the raised value stays readable through it.
void attr_highlight(canvas &c, int)
{
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            float u = std::min(x, c.w - 1 - x) / 10.0f;
            bool rim = y == 0 || y == c.h - 1 || x == 0 || x == c.w - 1;
            bool shimmer = (x + 2 * y) % 7 == 0 && (y == 1 || y == c.h - 2);
            if (!rim && !shimmer) continue;
            float t = 0.45f + 0.45f * std::min(1.0f, u) * (rim ? 1.0f : 0.6f);
            c.set(x, y, ramp_dither(pal::GOLD, t, x, y));
        }
}

}  // namespace ifc
}  // namespace art
