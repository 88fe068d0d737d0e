// main.cpp -- hm_content: packs the game's content into the files of the run directory
//
//   hm_content font FILE OUT        the glyph grids into tex.txt
//   hm_content pictures DIR OUT     the BMP sources of DIR into bmp_data.dat
//   hm_content texts DIR OUT        DIR/t0.txt .. t99.txt into txt_dat.dat
#include <cstdio>
#include <string>

#include "data/data.h"
#include "font/font_source.h"

namespace {

int build_font(const char *src, const char *out_file)
{
    art::font_source font;
    std::string err = art::read_font_source(src, font);
    uint8_t tex[art::TEX_NUMBERS];
    if (err.empty()) err = art::pack_tex(font, tex);
    if (!err.empty()) {
        std::fprintf(stderr, "hm_content: %s\n", err.c_str());
        return 1;
    }
    FILE *out = std::fopen(out_file, "w");
    if (!out) {
        std::fprintf(stderr, "hm_content: cannot write %s\n", out_file);
        return 1;
    }
    // One glyph of 72 numbers per line; the widths follow on the last lines.
    for (int i = 0; i < art::TEX_NUMBERS; i++)
        std::fprintf(out, "%d%c", tex[i], (i + 1) % 72 == 0 || i + 1 == art::TEX_NUMBERS ? '\n' : ' ');
    if (std::fclose(out) != 0) {
        std::fprintf(stderr, "hm_content: cannot write %s\n", out_file);
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: hm_content font|pictures|texts SOURCE OUT\n");
        return 2;
    }
    std::string what = argv[1];
    if (what == "font") return build_font(argv[2], argv[3]);
    if (what == "pictures") {
        int n = hm::create_bmp_data_file(argv[2], argv[3]);
        if (n < 0) std::fprintf(stderr, "hm_content: cannot write %s\n", argv[3]);
        return n < 0 ? 1 : 0;
    }
    if (what == "texts") {
        int n = hm::create_txt_data_file(argv[2], argv[3]);
        if (n < 0) std::fprintf(stderr, "hm_content: cannot build %s\n", argv[3]);
        return n < 0 ? 1 : 0;
    }
    std::fprintf(stderr, "hm_content: no such content kind: %s\n", argv[1]);
    return 2;
}
