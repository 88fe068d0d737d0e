// interface.cpp -- panels, buttons, pointers, icons and lock parts (groups 4, 7, 8, 9, 10)
#include "art/manifest.h"

namespace art {

namespace {

// A bevelled panel: light on the upper and left edges, dark on the lower and right,
// a faint grain across the face.
void bevel(canvas &c, int x, int y, int w, int h, const pal::ramp &r, float face, uint32_t seed)
{
    for (int yy = y; yy < y + h; yy++)
        for (int xx = x; xx < x + w; xx++) {
            float t = face + 0.04f * (value_noise((float)xx, (float)yy, 2.0f, seed) - 0.5f);
            c.set(xx, yy, ramp_dither(r, t, xx, yy));
        }
    for (int i = 0; i < w; i++) {
        c.set(x + i, y, r[r.len - 2]);
        c.set(x + i, y + h - 1, r[1]);
    }
    for (int i = 0; i < h; i++) {
        c.set(x, y + i, r[r.len - 2]);
        c.set(x + w - 1, y + i, r[1]);
    }
    c.set(x + w - 1, y, r[r.len / 2]);
    c.set(x, y + h - 1, r[r.len / 2]);
}

// Text centred in the canvas, with a one-pixel shadow below and right.
void label(canvas &c, const char *text, uint8_t colour)
{
    canvas probe(c.w, c.h);
    int w = draw_text(probe, 0, 0, text, colour);
    int x = (c.w - w) / 2 + 1, y = (c.h - 9) / 2 + 1;
    draw_text(c, x + 1, y + 1, text, pal::TEXT_SHADOW);
    draw_text(c, x, y, text, colour);
}

void paint_stats_button(canvas &c, int)
{
    bevel(c, 0, 0, c.w, c.h, pal::STEEL, 0.45f, 70);
    label(c, "Statistics", pal::WHITE);
}

// A round close button: a red boss on a steel plate with a pale cross.
void paint_close_button(canvas &c, int)
{
    bevel(c, 0, 0, c.w, c.h, pal::STEEL, 0.4f, 80);
    ellipse(c, 16, 16, 11, 11, pal::CLOTH_RED);
    for (int i = -5; i <= 5; i++) {
        c.set(16 + i, 16 + i, pal::BONE[8]);
        c.set(15 + i, 16 + i, pal::BONE[6]);
        c.set(16 + i, 16 - i, pal::BONE[8]);
        c.set(15 + i, 16 - i, pal::BONE[6]);
    }
    outline_inner(c, 1);
}

// A small gold arrow pointing right: "go on".
void paint_continue(canvas &c, int)
{
    bevel(c, 0, 0, c.w, c.h, pal::SLATE, 0.35f, 90);
    polygon(c, {{4, 3}, {12, 8}, {4, 13}}, pal::GOLD, {-0.3f, -0.3f, 1});
}

}  // namespace

const std::vector<pic_spec> &interface_pictures()
{
    static const std::vector<pic_spec> table = {
        {7, 7, 1, 96, 16, "item statistics button", paint_stats_button},
        {7, 8, 1, 32, 32, "item statistics box close button", paint_close_button},
        {7, 64, 1, 16, 16, "continue button of speech boxes", paint_continue},
    };
    return table;
}

}  // namespace art
