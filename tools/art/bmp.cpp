// bmp.cpp -- writing 8-bit BMP sources with the game's palette
#include "art/bmp.h"

#include <cstdio>

#include "art/palette.h"

namespace art {

namespace {

void put(FILE *out, uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; i++) std::fputc((int)((v >> (8 * i)) & 0xff), out);
}

}  // namespace

int write_bmp8(const char *file, const canvas &c)
{
    if (c.w <= 0 || c.h <= 0 || c.w % 4) return -1;
    FILE *out = std::fopen(file, "wb");
    if (!out) return -1;
    const uint32_t data = 1078, image = (uint32_t)(c.w * c.h);
    std::fputc('B', out);
    std::fputc('M', out);
    put(out, data + image, 4);
    put(out, 0, 4);
    put(out, data, 4);
    put(out, 40, 4);   // information header
    put(out, (uint32_t)c.w, 4);
    put(out, (uint32_t)c.h, 4);
    put(out, 1, 2);
    put(out, 8, 2);
    put(out, 0, 4);    // uncompressed
    put(out, image, 4);
    put(out, 2835, 4);
    put(out, 2835, 4);
    put(out, 256, 4);
    put(out, 0, 4);
    const rgb *p = palette();
    for (int i = 0; i < 256; i++) {
        // Stretch 0..63 to 0..255 so that viewers show the game's colours.
        std::fputc(p[i].b * 255 / 63, out);
        std::fputc(p[i].g * 255 / 63, out);
        std::fputc(p[i].r * 255 / 63, out);
        std::fputc(0, out);
    }
    for (int y = c.h - 1; y >= 0; y--) std::fwrite(&c.px[(size_t)y * c.w], 1, (size_t)c.w, out);
    return std::fclose(out) == 0 ? 0 : -1;
}

}  // namespace art
