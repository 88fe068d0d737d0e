// main.cpp -- hm_art: draws every picture of the manifest as a BMP source, writes the
// palette (jpal.txt), the object-tile table (ls_tile.txt), the manifest list and
// contact sheets
//
//   hm_art --bmp DIR --data DIR --font FILE [--sheets DIR]
#include <dirent.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "art/bmp.h"
#include "art/creature_sheets.h"
#include "art/interface_screens.h"
#include "art/manifest.h"
#include "art/palette.h"
#include "art/png.h"
#include "art/scene.h"
#include "art/world_map.h"
#include "data/data.h"

namespace art {

namespace {

std::string source_name(int g, int n) { return std::string(hm::PIC_PREFIX[g]) + std::to_string(n) + ".bmp"; }

// Old sources would be packed too: a picture dropped from the manifest must go.
void clear_sources(const std::string &dir)
{
    DIR *d = opendir(dir.c_str());
    if (!d) return;
    while (dirent *e = readdir(d)) {
        std::string name = e->d_name;
        if (name.size() > 4 && name.compare(name.size() - 4, 4, ".bmp") == 0)
            unlink((dir + "/" + name).c_str());
    }
    closedir(d);
}

int write_ls_tile(const std::string &file, const std::vector<pic_entry> &pics)
{
    std::vector<hm::ls_tile_rec> table(hm::LS_TILE_COUNT);
    for (hm::ls_tile_rec &t : table) t = {1, 0, 0, 0, 0, 0};
    for (const pic_entry &p : pics)
        if (p.group == 1 && p.number < hm::LS_TILE_COUNT) table[p.number].passable = 0;
    for (const tile_spec &t : land_tiles())
        for (int n = t.first; n < t.first + t.count; n++)
            if (n >= 0 && n < hm::LS_TILE_COUNT)
                table[n] = {t.passable, t.range_penalty, t.gr_light, t.light_str, t.ls_light, 0};
    table[0] = {1, 0, 0, 0, 0, 0};   // object 0 is "no object"
    FILE *out = std::fopen(file.c_str(), "wb");
    if (!out) return -1;
    size_t wrote = std::fwrite(table.data(), sizeof(hm::ls_tile_rec), table.size(), out);
    return std::fclose(out) == 0 && wrote == table.size() ? 0 : -1;
}

// Every index as a swatch with its number, then every ramp in a strip.
canvas palette_sheet()
{
    const rgb *p = palette();
    canvas c(640, 400, pal::GREY[1]);
    for (int i = 0; i < 256; i++) {
        int x = 4 + (i % 16) * 36, y = 4 + (i / 16) * 14;
        fill_rect(c, x, y, 34, 12, (uint8_t)i);
        if (i == 0) line(c, x, y, x + 33, y + 11, pal::DANGER);
        int light = p[i].r * 3 + p[i].g * 5 + p[i].b * 2;
        draw_text(c, x + 2, y + 2, std::to_string(i).c_str(), light > 300 ? pal::TEXT_SHADOW : pal::WHITE);
    }
    struct named {
        const char *name;
        const pal::ramp &r;
    };
    const named ramps[] = {
        {"INK", pal::INK},         {"GREY", pal::GREY},           {"GOLD", pal::GOLD},
        {"EMERALD", pal::EMERALD}, {"SLATE", pal::SLATE},         {"MAGIC", pal::MAGIC},
        {"BONE", pal::BONE},       {"STEEL", pal::STEEL},         {"SKIN", pal::SKIN},
        {"LEATHER", pal::LEATHER}, {"ICE", pal::ICE},             {"GRASS", pal::GRASS},
        {"FOLIAGE", pal::FOLIAGE}, {"TERRACOTTA", pal::TERRACOTTA}, {"EARTH", pal::EARTH},
        {"SAND", pal::SAND},       {"STONE", pal::STONE},         {"WOOD", pal::WOOD},
        {"THATCH", pal::THATCH},   {"WATER", pal::WATER},         {"CLOTH_RED", pal::CLOTH_RED},
        {"CLOTH_BLUE", pal::CLOTH_BLUE}, {"FIRE", pal::FIRE},     {"FRAME_BLUE", pal::FRAME_BLUE},
        {"FRAME_GOLD", pal::FRAME_GOLD},
    };
    int k = 0;
    for (const named &n : ramps) {
        int x = 4 + (k % 2) * 318, y = 232 + (k / 2) * 13;
        draw_text(c, x, y + 1, n.name, pal::WHITE);
        for (int i = 0; i < n.r.len; i++) fill_rect(c, x + 84 + i * 18, y, 17, 11, n.r[i]);
        k++;
    }
    return c;
}

// The pictures of one group side by side with their numbers, in 640-wide rows.
canvas group_sheet(const std::vector<std::pair<int, canvas>> &pics)
{
    int x = 4, y = 4, row_h = 0, width = 640;
    std::vector<std::pair<int, int>> at;
    for (const auto &p : pics) {
        int w = std::max(p.second.w, 24);
        if (x + w > width - 4 && x > 4) {
            x = 4;
            y += row_h + 14;
            row_h = 0;
        }
        at.push_back({x, y});
        x += w + 6;
        row_h = std::max(row_h, p.second.h);
    }
    canvas c(width, y + row_h + 16, pal::GREY[2]);
    for (size_t i = 0; i < pics.size(); i++) {
        blit(c, pics[i].second, at[i].first, at[i].second);
        draw_text(c, at[i].first, at[i].second + pics[i].second.h + 2, std::to_string(pics[i].first).c_str(),
                  pal::WHITE);
    }
    return c;
}

int usage()
{
    std::fprintf(stderr, "usage: hm_art --bmp DIR --data DIR --font FILE [--sheets DIR]\n");
    return 2;
}

}  // namespace

int run(int argc, char **argv)
{
    std::string bmp_dir, data_dir, font, sheets;
    for (int i = 1; i + 1 < argc; i += 2) {
        std::string a = argv[i];
        if (a == "--bmp") bmp_dir = argv[i + 1];
        else if (a == "--data") data_dir = argv[i + 1];
        else if (a == "--font") font = argv[i + 1];
        else if (a == "--sheets") sheets = argv[i + 1];
        else return usage();
    }
    if (bmp_dir.empty() || data_dir.empty() || font.empty() || argc % 2 == 0) return usage();
    set_font_file(font);
    palette();

    std::vector<std::string> errors;
    std::vector<pic_entry> pics = manifest(errors);
    for (const std::string &e : errors) std::fprintf(stderr, "hm_art: %s\n", e.c_str());
    if (!errors.empty()) return 1;

    if (write_jpal((data_dir + "/jpal.txt").c_str()) != 0) {
        std::fprintf(stderr, "hm_art: cannot write %s/jpal.txt\n", data_dir.c_str());
        return 1;
    }
    if (write_ls_tile(data_dir + "/ls_tile.txt", pics) != 0) {
        std::fprintf(stderr, "hm_art: cannot write %s/ls_tile.txt\n", data_dir.c_str());
        return 1;
    }

    if (write_world_map(data_dir) != 0) {
        std::fprintf(stderr, "hm_art: cannot write the world map into %s\n", data_dir.c_str());
        return 1;
    }
    clear_sources(bmp_dir);
    std::vector<std::pair<int, canvas>> by_group[hm::PIC_GROUPS];
    FILE *list = std::fopen((bmp_dir + "/manifest.txt").c_str(), "w");
    if (!list) {
        std::fprintf(stderr, "hm_art: cannot write %s/manifest.txt\n", bmp_dir.c_str());
        return 1;
    }
    std::fprintf(list, "# group number width height purpose\n");
    int failed = 0;
    for (const pic_entry &p : pics) {
        canvas c(p.w, p.h);
        p.paint(c, p.number);
        if (c.w != p.w || c.h != p.h) {
            std::fprintf(stderr, "hm_art: %s (group %d, %d) changed its size\n", p.purpose, p.group, p.number);
            failed++;
            continue;
        }
        if (hm::pic_is_rle(p.number, p.group) &&
            std::find(c.px.begin(), c.px.end(), (uint8_t)hm::RLE) != c.px.end()) {
            std::fprintf(stderr, "hm_art: %s (group %d, %d) uses index 255, the run-length marker\n", p.purpose,
                         p.group, p.number);
            failed++;
            continue;
        }
        std::string file = bmp_dir + "/" + source_name(p.group, p.number);
        if (write_bmp8(file.c_str(), c) != 0) {
            std::fprintf(stderr, "hm_art: cannot write %s\n", file.c_str());
            failed++;
            continue;
        }
        std::fprintf(list, "%d %d %d %d %s\n", p.group, p.number, p.w, p.h, p.purpose);
        if (!sheets.empty()) by_group[p.group].push_back({p.number, c});
    }
    std::fclose(list);

    if (!sheets.empty()) {
        write_creature_sheets(sheets, by_group);
        write_bmp8((sheets + "/palette.bmp").c_str(), palette_sheet());
        for (int g = 0; g < hm::PIC_GROUPS; g++)
            if (!by_group[g].empty()) {
                canvas sheet = group_sheet(by_group[g]);
                write_bmp8((sheets + "/sheet_" + hm::PIC_PREFIX[g] + ".bmp").c_str(), sheet);
                write_png8((sheets + "/sheet_" + hm::PIC_PREFIX[g] + ".png").c_str(), sheet);
            }
        write_interface_screens(sheets, pics);
        if (write_land_scenes(sheets) != 0) std::fprintf(stderr, "hm_art: cannot write the test scenes\n");
    }
    return failed ? 1 : 0;
}

}  // namespace art

int main(int argc, char **argv) { return art::run(argc, argv); }
