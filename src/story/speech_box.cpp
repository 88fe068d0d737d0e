// speech_box.cpp -- the see-through text box and the speech box with portrait, name and button
#include <algorithm>

#include "core/core.h"
#include "data/data.h"
#include "story/story.h"
#include "world/world.h"

namespace hm {

namespace {

constexpr int BOX_MIN = 84;        // the four 32-pixel corners and some inside
constexpr int FRAME = 8;           // frame width on every side
constexpr int CORNER = 32;
constexpr int BUTTON_PIC = 64;     // continue button, group 7
constexpr int FACE_GROUP = 11;
constexpr int IFC_GROUP = 7;
constexpr int SHADOW = 75;         // the first pass, darkened by the box into a shadow

int button_px, button_py, button_frame = -1;   // the last button drawn, for play scripts

// The box's inside takes the view's own colours, darkened towards blue (style 1)
// or towards yellow-brown (style 2).
uint16_t darken(uint16_t c, int style)
{
    int r = plat_getr(c), g = plat_getg(c), b = plat_getb(c);
    if (style == 1) return plat_makecol(r / 4, (64 * g + 2880) / 256, (64 * b + 5952) / 256);
    return plat_makecol((64 * r + 5952) / 256, (64 * g + 5952) / 256, b / 4);
}

void put_view(int x, int y, uint16_t c)
{
    if (x >= 0 && x < VIEW_W && y >= 0 && y < VIEW_H) vs[y * VIEW_W + x] = c;
}

int name_width(const char *name)
{
    int w = 0;
    for (int i = 0; i < NPC_NAME_LEN && name[i]; i++) w += char_width((unsigned char)name[i]) + (name[i] == ' ' ? 4 : 0);
    return w;
}

}  // namespace

void draw_tbox(int x, int y, int w, int h, int style)
{
    if (x + w > VIEW_W) w = VIEW_W - x;
    if (y + h > VIEW_H) h = VIEW_H - y;
    w = std::max(w, BOX_MIN);
    h = std::max(h, BOX_MIN);
    for (int yy = std::max(y + FRAME, 0); yy <= std::min(y + h - FRAME - 1, VIEW_H - 1); yy++)
        for (int xx = std::max(x + FRAME, 0); xx <= std::min(x + w - FRAME - 1, VIEW_W - 1); xx++) {
            uint16_t &px = vs[yy * VIEW_W + xx];
            px = darken(px, style);
        }
    int base = style == 1 ? 125 : 137;
    for (int i = 0; i < FRAME; i++) {
        uint16_t c = jpal_buf[base + i];
        for (int xx = x; xx < x + w; xx++) {
            put_view(xx, y + i, c);
            put_view(xx, y + h - 1 - i, c);
        }
        for (int yy = y + i; yy < y + h - i; yy++) {
            put_view(x + i, yy, c);
            put_view(x + w - 1 - i, yy, c);
        }
    }
    int corner = style == 1 ? 62 : 124;
    draw_bmp(corner, IFC_GROUP, x, y, 1, 0);
    draw_bmp(corner, IFC_GROUP, x + w - CORNER, y, -1, 0);
    draw_bmp(corner + 1, IFC_GROUP, x, y + h - CORNER, 1, 0);
    draw_bmp(corner + 1, IFC_GROUP, x + w - CORNER, y + h - CORNER, -1, 0);
}

int do_speech(int face, int num, int group, int colour, int style, int num1, int num2, int num3,
              const char *name)
{
    bool portrait = face != -1;
    int min_w = 0;
    if (portrait) {
        wrt_around_box(11, 29, 249, num, group, SHADOW, 0, num1, num2, num3, 1);
        if (name) min_w = name_width(name) + 80;
    } else {
        wrt(11, 29, 249, num, group, SHADOW, 0, 1, 0);
        if (name) min_w = name_width(name) + 10;
    }
    int W = std::max(min_w, (int)j[text_w]);
    int H = std::max((int)j[text_h], 24);
    draw_tbox(0, 0, W + 20, H + 60, 1);
    if (portrait) {
        wrt_around_box(12, 30, 250, num, group, colour, style, num1, num2, num3, 1);
        draw_bmp(face, FACE_GROUP, 10, 10, 1, 0);
        if (name) wrt2(80, 12, NPC_NAME_LEN, 12, 0, 1, name);
    } else {
        wrt(12, 30, 250, num, group, colour, style, 1, 0);
        if (name) wrt2(10, 12, NPC_NAME_LEN, 12, 0, 1, name);
    }
    draw_box_button(W, H);
    return box_button_clicked(W, H);
}

void draw_box_button(int W, int H)
{
    draw_bmp(BUTTON_PIC, IFC_GROUP, W + 4, H + 44, 1, 0);
    button_px = W + 12;
    button_py = H + 52;
    button_frame = j[frame_count];
}

int box_button_clicked(int W, int H)
{
    int px = j[mouse_x] - VIEW_X, py = j[mouse_y] - VIEW_Y;
    if (j[lmb_down] && W + 4 < px && px < W + 20 && H + 44 < py && py < H + 60) {
        j[lmb_down] = 0;
        return 1;
    }
    return 0;
}

int speech_button_at(int frame, int *px, int *py)
{
    if (button_frame != frame) return 0;
    *px = button_px;
    *py = button_py;
    return 1;
}

}  // namespace hm
