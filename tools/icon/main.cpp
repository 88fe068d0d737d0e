// main.cpp -- hm_icon: the desktop icon, the hero's portrait from the drawn art, as PNG files
//
//   hm_icon PORTRAIT.bmp OUT_DIR     writes OUT_DIR/64/hollowmere.png and OUT_DIR/128/hollowmere.png
#include <sys/stat.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "data/screenshots.h"

namespace {

constexpr int BMP_HEAD = 1078;   // file and information headers, then 256 colours

uint32_t le(const std::vector<uint8_t> &b, size_t at, int n)
{
    uint32_t v = 0;
    for (int i = n - 1; i >= 0; i--) v = (v << 8) | b[at + (size_t)i];
    return v;
}

// An 8-bit BMP as RGBA, top row first; colour index 0 is see-through.
bool read_bmp8(const char *file, int &w, int &h, std::vector<uint8_t> &rgba)
{
    std::vector<uint8_t> b;
    if (FILE *in = std::fopen(file, "rb")) {
        for (int c; (c = std::fgetc(in)) >= 0;) b.push_back((uint8_t)c);
        std::fclose(in);
    }
    if (b.size() < BMP_HEAD || b[0] != 'B' || b[1] != 'M' || le(b, 28, 2) != 8) return false;
    w = (int)le(b, 18, 4);
    h = (int)le(b, 22, 4);
    size_t row = ((size_t)w + 3) / 4 * 4, data = le(b, 10, 4);
    if (w <= 0 || h <= 0 || w > 1024 || h > 1024 || data + row * (size_t)h > b.size()) return false;
    rgba.assign((size_t)w * h * 4, 0);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            uint8_t c = b[data + row * (size_t)(h - 1 - y) + (size_t)x];
            uint8_t *px = &rgba[((size_t)y * w + x) * 4];
            px[0] = b[54 + 4 * c + 2];
            px[1] = b[54 + 4 * c + 1];
            px[2] = b[54 + 4 * c];
            px[3] = c ? 255 : 0;
        }
    return true;
}

// Whole-pixel enlargement, as the game's window does it.
std::vector<uint8_t> enlarge(const std::vector<uint8_t> &rgba, int w, int h, int s)
{
    std::vector<uint8_t> out((size_t)w * h * 4 * s * s);
    for (int y = 0; y < h * s; y++)
        for (int x = 0; x < w * s; x++)
            for (int k = 0; k < 4; k++) out[((size_t)y * w * s + x) * 4 + k] = rgba[((size_t)(y / s) * w + x / s) * 4 + k];
    return out;
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: hm_icon PORTRAIT.bmp OUT_DIR\n");
        return 2;
    }
    int w = 0, h = 0;
    std::vector<uint8_t> rgba;
    if (!read_bmp8(argv[1], w, h, rgba) || w != 64 || h != 64) {
        std::fprintf(stderr, "hm_icon: %s is not a 64 x 64 8-bit picture\n", argv[1]);
        return 1;
    }
    std::string out = argv[2];
    for (int s : {1, 2}) {
        std::string dir = out + "/" + std::to_string(64 * s);
        mkdir(out.c_str(), 0755);
        mkdir(dir.c_str(), 0755);
        std::vector<uint8_t> px = enlarge(rgba, w, h, s);
        if (hm::write_png((dir + "/hollowmere.png").c_str(), w * s, h * s, 4, px.data()) != 0) {
            std::fprintf(stderr, "hm_icon: cannot write %s\n", dir.c_str());
            return 1;
        }
    }
    return 0;
}
