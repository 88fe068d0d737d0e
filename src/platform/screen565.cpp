// screen565.cpp -- the in-memory 5-6-5 screen shared by the headless and browser backends
#include "platform/screen565.h"

#include <cstdio>
#include <cstring>

#include "platform/platform.h"

namespace hm {

uint16_t screen565[SCR_W * SCR_H];

namespace {

void put_le(FILE *out, uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; i++) std::fputc((int)((v >> (8 * i)) & 0xff), out);
}

}  // namespace

int write_bmp565(const char *file, const uint16_t *px)
{
    FILE *out = std::fopen(file, "wb");
    if (!out) return 1;
    const uint32_t row = SCR_W * 3, pixels = row * SCR_H;
    std::fputs("BM", out);
    put_le(out, 54 + pixels, 4);
    put_le(out, 0, 4);
    put_le(out, 54, 4);
    put_le(out, 40, 4);
    put_le(out, SCR_W, 4);
    put_le(out, SCR_H, 4);
    put_le(out, 1, 2);
    put_le(out, 24, 2);
    for (int i = 0; i < 6; i++) put_le(out, 0, 4);
    for (int y = SCR_H - 1; y >= 0; y--)
        for (int x = 0; x < SCR_W; x++) {
            uint16_t c = px[y * SCR_W + x];
            std::fputc(plat_getb(c), out);
            std::fputc(plat_getg(c), out);
            std::fputc(plat_getr(c), out);
        }
    return std::fclose(out) == 0 ? 0 : 1;
}

// 5-6-5 bits, expanded back to 0..255 the way Allegro does.
uint16_t plat_makecol(int r, int g, int b)
{
    return (uint16_t)(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
}
int plat_getr(uint16_t c) { int v = (c >> 11) & 31; return (v << 3) | (v >> 2); }
int plat_getg(uint16_t c) { int v = (c >> 5) & 63; return (v << 2) | (v >> 4); }
int plat_getb(uint16_t c) { int v = c & 31; return (v << 3) | (v >> 2); }

uint16_t plat_getpixel(int x, int y)
{
    if (x < 0 || y < 0 || x >= SCR_W || y >= SCR_H) return 0;
    return screen565[y * SCR_W + x];
}

int plat_screen_rgb(uint8_t *rgb)
{
    for (int i = 0; i < SCR_W * SCR_H; i++) {
        *rgb++ = (uint8_t)plat_getr(screen565[i]);
        *rgb++ = (uint8_t)plat_getg(screen565[i]);
        *rgb++ = (uint8_t)plat_getb(screen565[i]);
    }
    return 0;
}

int plat_save_screen(const char *file) { return write_bmp565(file, screen565); }

}  // namespace hm
