// glyphs.cpp -- drawing the font's glyphs on the screen, the view and the screen buffer
#include "core/core.h"
#include "data/data.h"
#include "world/world.h"

namespace hm {

namespace {

constexpr int FIRST_GLYPH = '!';
constexpr int LAST_GLYPH = '~';     // the glyph of '~' overlaps the width table
constexpr int LAST_WIDTH = 132;     // the last code with a width byte
constexpr int GLYPH_BYTES = 72;
constexpr int GLYPH_ROWS = 9;
constexpr int GLYPH_COLS = 8;

// Blends fg over the view pixel: a is how much of the background stays (0..255).
uint16_t blend(uint16_t back, uint16_t fore, int a)
{
    auto ch = [a](int b, int f) { return (b * a + f * (255 - a)) >> 8; };
    return plat_makecol(ch(plat_getr(back), plat_getr(fore)), ch(plat_getg(back), plat_getg(fore)),
                        ch(plat_getb(back), plat_getb(fore)));
}

}  // namespace

int char_width(int c)
{
    if (!tex || c < 0 || c > LAST_WIDTH) return 0;
    return (int8_t)tex[TEX_WIDTHS + c];
}

void drawc(int x, int y, int c, int fg, int bg, int target)
{
    jpal = jpal_buf;
    // Any byte may come from a name read verbatim from a file.
    c &= 0xff;
    if (!tex || c < FIRST_GLYPH || c > LAST_GLYPH) return;
    fg &= 0xff;
    bg &= 0xff;
    int cols = char_width(c);
    if (cols > GLYPH_COLS) cols = GLYPH_COLS;
    const uint8_t *glyph = tex + (c - FIRST_GLYPH) * GLYPH_BYTES;
    int alpha = target > 255 ? 255 : target;
    for (int r = 0; r < GLYPH_ROWS; r++)
        for (int col = 0; col < cols; col++) {
            bool ink = glyph[r * GLYPH_COLS + col] != 0;
            if (!ink && (bg == 0 || target > 2)) continue;
            int colour = ink ? fg : bg;
            int px = x + col, py = y + r;
            if (target == 0) {
                plat_putpixel(px, py, jpal[colour]);
            } else if (target == 2) {
                if (px >= 0 && py >= 0 && px < SCR_W && py < SCR_H) scr_buf[py * SCR_W + px] = (uint8_t)colour;
            } else if (target == 1 || target > 2) {
                if (px < 0 || py < 0 || px >= VIEW_W || py >= VIEW_H) continue;
                uint16_t &dst = vs[py * VIEW_W + px];
                dst = target == 1 ? jpal[colour] : blend(dst, jpal[colour], alpha);
            }
        }
}

int wrt2(int x, int y, int max_len, int fg, int bg, int target, const char *s)
{
    int pen = x;
    for (int i = 0; i < max_len; i++) {
        int c = (unsigned char)s[i];
        if (c == ' ') pen += 4;
        drawc(pen, y, c, fg, bg, target);
        pen += char_width(c);
        if (c == 0) break;
    }
    return pen - x;
}

int wnum(int x, int y, int value, int fg, int bg, int target)
{
    char buf[12];
    int_to_str(value, buf);
    return wrt2(x, y, 20, fg, bg, target, buf);
}

int mid_num(int value)
{
    char buf[12];
    int_to_str(value, buf);
    int w = 0;
    for (const char *p = buf; *p; p++) w += char_width((unsigned char)*p);
    return w;
}

}  // namespace hm
