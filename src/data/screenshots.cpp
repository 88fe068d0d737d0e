// screenshots.cpp -- numbered PNG screenshots written through libpng
#include "data/screenshots.h"

#include <png.h>
#include <unistd.h>

#include <cstdio>
#include <vector>

#include "platform/platform.h"

namespace hm {

namespace {

const char *SHOT_PREFIX = "hollowmere";
constexpr int SHOT_MAX = 9999;

bool encode(FILE *out, int w, int h, int channels, const uint8_t *px)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    std::vector<png_bytep> rows((size_t)h);
    // libpng reports its failures by jumping back here.
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, info ? &info : nullptr);
        return false;
    }
    png_init_io(png, out);
    png_set_IHDR(png, info, (png_uint_32)w, (png_uint_32)h, 8, channels == 4 ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    for (int y = 0; y < h; y++) rows[(size_t)y] = const_cast<png_bytep>(px + (size_t)y * w * channels);
    png_set_rows(png, info, rows.data());
    png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

int write_png(const char *file, int w, int h, int channels, const uint8_t *px)
{
    if (w <= 0 || h <= 0 || (channels != 3 && channels != 4)) return -1;
    std::string temp = std::string(file) + ".tmp";
    FILE *out = std::fopen(temp.c_str(), "wb");
    if (!out) return -1;
    bool ok = encode(out, w, h, channels, px);
    ok = std::fclose(out) == 0 && ok;
    if (!ok || std::rename(temp.c_str(), file) != 0) {
        std::remove(temp.c_str());
        return -1;
    }
    return 0;
}

std::string next_shot_name(const char *prefix)
{
    char name[64];
    for (int n = 1; n <= SHOT_MAX; n++) {
        std::snprintf(name, sizeof name, "%s-%04d.png", prefix, n);
        if (access(name, F_OK) != 0) return name;
    }
    return "";
}

std::string save_png_shot()
{
    std::string name = next_shot_name(SHOT_PREFIX);
    if (name.empty()) return name;
    static uint8_t rgb[SCR_W * SCR_H * 3];
    if (plat_screen_rgb(rgb) != 0 || write_png(name.c_str(), SCR_W, SCR_H, 3, rgb) != 0) return "";
    return name;
}

}  // namespace hm
