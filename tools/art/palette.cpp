// palette.cpp -- the colour of every palette index: ramp anchors and the code's own colours
#include "art/palette.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace art {

namespace {

// A ramp's colour is interpolated between anchors spread evenly along it.  The
// anchors drift in hue: shadows towards blue or violet, lights towards warm yellow.
struct ramp_colours {
    const char *name;
    pal::ramp ramp;
    std::vector<rgb> anchors;   // darkest first
};

const std::vector<ramp_colours> &ramps()
{
    static const std::vector<ramp_colours> table = {
        {"INK", pal::INK, {{4, 4, 10}, {7, 7, 14}, {11, 10, 19}}},
        {"GREY", pal::GREY, {{6, 6, 10}, {17, 18, 24}, {32, 33, 37}, {58, 58, 55}}},
        {"GOLD", pal::GOLD, {{16, 8, 5}, {34, 20, 6}, {52, 38, 10}, {62, 56, 30}}},
        {"EMERALD", pal::EMERALD, {{4, 16, 14}, {8, 32, 22}, {20, 48, 30}, {44, 62, 44}}},
        {"SLATE", pal::SLATE, {{8, 10, 18}, {20, 24, 34}, {34, 40, 48}, {50, 54, 58}}},
        {"MAGIC", pal::MAGIC, {{10, 4, 20}, {26, 10, 40}, {42, 22, 58}, {56, 42, 63}, {63, 58, 63}}},
        {"BONE", pal::BONE, {{22, 16, 14}, {38, 32, 24}, {52, 48, 38}, {62, 61, 54}}},
        {"STEEL", pal::STEEL, {{8, 10, 16}, {20, 24, 32}, {36, 40, 46}, {56, 58, 60}}},
        {"SKIN", pal::SKIN, {{16, 7, 7}, {34, 18, 12}, {50, 32, 22}, {60, 46, 36}, {63, 56, 48}}},
        {"LEATHER", pal::LEATHER, {{8, 4, 5}, {20, 11, 6}, {34, 20, 10}, {48, 32, 18}, {58, 46, 30}}},
        {"ICE", pal::ICE, {{10, 20, 36}, {20, 38, 52}, {36, 54, 60}, {56, 63, 63}}},
        {"GRASS", pal::GRASS, {{4, 12, 10}, {10, 24, 10}, {20, 36, 12}, {34, 46, 14}, {48, 54, 24}}},
        {"FOLIAGE", pal::FOLIAGE, {{2, 8, 9}, {6, 18, 12}, {12, 30, 14}, {24, 42, 16}, {40, 52, 22}}},
        {"TERRACOTTA", pal::TERRACOTTA, {{16, 6, 8}, {32, 12, 8}, {46, 22, 12}, {58, 38, 24}}},
        {"EARTH", pal::EARTH, {{10, 6, 7}, {22, 14, 10}, {34, 24, 14}, {46, 36, 22}, {54, 46, 32}}},
        {"SAND", pal::SAND, {{22, 18, 17}, {38, 32, 22}, {52, 46, 30}, {60, 56, 42}, {63, 61, 52}}},
        {"STONE", pal::STONE, {{8, 8, 12}, {20, 19, 23}, {32, 31, 32}, {44, 43, 40}, {56, 55, 50}}},
        {"WOOD", pal::WOOD, {{10, 5, 5}, {22, 12, 6}, {34, 20, 10}, {46, 30, 14}, {56, 42, 24}}},
        {"THATCH", pal::THATCH, {{18, 12, 7}, {34, 24, 8}, {48, 38, 14}, {60, 54, 28}}},
        {"WATER", pal::WATER, {{2, 6, 16}, {4, 14, 30}, {8, 26, 42}, {20, 40, 52}, {44, 58, 62}}},
        {"CLOTH_RED", pal::CLOTH_RED, {{14, 3, 9}, {30, 6, 10}, {46, 12, 12}, {60, 30, 22}}},
        {"CLOTH_BLUE", pal::CLOTH_BLUE, {{4, 4, 16}, {8, 12, 32}, {16, 24, 48}, {34, 44, 60}}},
        {"FIRE", pal::FIRE, {{20, 2, 3}, {40, 6, 2}, {56, 20, 4}, {63, 40, 8}, {63, 56, 24}, {63, 62, 48}}},
    };
    return table;
}

struct fixed_colour {
    int index;
    rgb c;
};

// Colours of the indices the code names, chosen for their roles: text must read
// on the dark panels and boxes, warnings run green - gold - red.
const fixed_colour fixed[] = {
    {pal::TRANSPARENT, {0, 0, 0}},
    {pal::TEXT_SHADOW, {3, 3, 6}},
    {pal::FIELD_BG, {6, 7, 14}},
    {pal::ITEM_NAME, {56, 52, 40}},
    {pal::DIM, {23, 23, 28}},
    {pal::GOOD, {22, 50, 26}},
    {pal::SILVER, {50, 50, 53}},
    {pal::HEADING, {40, 46, 56}},
    {pal::NAME_PAIR, {58, 58, 61}},
    {pal::TEXT, {58, 52, 36}},
    {pal::ORANGE, {62, 38, 10}},
    {pal::WHITE, {61, 61, 58}},
    {pal::HP_RED, {48, 12, 11}},
    {pal::MAP_ARROW, {63, 20, 12}},
    {pal::DANGER, {60, 10, 8}},
    {pal::WARN, {60, 28, 16}},
    {pal::SAFE, {18, 46, 18}},
    {pal::WOUND, {28, 14, 30}},
    {pal::HP_GREEN, {16, 44, 18}},
    {pal::HP_TEXT, {38, 58, 36}},
    {pal::HEAL, {28, 62, 30}},
    {pal::MANA_LIGHT, {36, 48, 63}},
    {pal::MANA_TEXT, {26, 38, 62}},
    {pal::FROST, {40, 56, 63}},
    {pal::EDIT_LABEL, {38, 40, 46}},
    {pal::ARCANE, {46, 28, 62}},
    {pal::SEL_NAME_DARK, {46, 32, 8}},
    {pal::HILITE, {63, 60, 34}},
    {pal::SEL_GOLD, {63, 50, 14}},
    {pal::FIRE_DMG, {63, 30, 8}},
    {pal::EDIT_INPUT, {44, 60, 62}},
    {pal::LEVEL_NUM, {60, 58, 44}},
    {pal::AMBER, {44, 34, 14}},
    {pal::CHEER, {62, 56, 32}},
    {pal::SPEECH, {58, 54, 44}},
    {pal::ARROW_SHAFT, {46, 36, 22}},
    {pal::SHOCK, {62, 60, 20}},
    {pal::POISON, {30, 52, 8}},
    // Blue steel frame: dark rim, bright bevel, then down into the box's shadow.
    {125, {8, 10, 18}},
    {126, {36, 42, 54}},
    {127, {52, 56, 62}},
    {128, {42, 50, 62}},
    {129, {30, 36, 50}},
    {130, {21, 26, 38}},
    {131, {13, 16, 26}},
    {132, {6, 8, 14}},
    // Gold frame: pale rim, groove, a raised bright band, dark inner edge.
    {137, {56, 48, 30}},
    {138, {40, 30, 14}},
    {139, {22, 14, 6}},
    {140, {46, 36, 16}},
    {141, {60, 54, 36}},
    {142, {56, 50, 34}},
    {143, {63, 58, 42}},
    {144, {16, 10, 4}},
    {pal::INFO_TEXT, {60, 58, 48}},
    {pal::SPARK, {63, 63, 63}},
};

rgb mix(rgb a, rgb b, float t)
{
    auto ch = [t](int x, int y) { return (uint8_t)((float)x + ((float)y - (float)x) * t + 0.5f); };
    return {ch(a.r, b.r), ch(a.g, b.g), ch(a.b, b.b)};
}

}  // namespace

std::string build_palette(rgb out[256])
{
    int owner[256];
    for (int &o : owner) o = 0;
    std::string err;
    auto claim = [&](int index, const char *who) {
        if (index < 0 || index > 255) {
            err += std::string(who) + ": index out of range\n";
            return false;
        }
        if (owner[index]++) err += std::string(who) + ": index " + std::to_string(index) + " given twice\n";
        return true;
    };
    for (const ramp_colours &rc : ramps()) {
        int n = rc.ramp.len;
        int a = (int)rc.anchors.size();
        for (int i = 0; i < n; i++) {
            if (!claim(rc.ramp.idx[i], rc.name)) continue;
            float pos = n > 1 ? (float)i * (float)(a - 1) / (float)(n - 1) : 0.0f;
            int k = (int)pos;
            if (k >= a - 1) k = a - 2;
            out[rc.ramp.idx[i]] = mix(rc.anchors[k], rc.anchors[k + 1], pos - (float)k);
        }
    }
    for (const fixed_colour &fc : fixed) {
        if (claim(fc.index, "fixed colour")) out[fc.index] = fc.c;
    }
    for (int i = 0; i < 256; i++)
        if (!owner[i]) err += "index " + std::to_string(i) + " has no colour\n";
    return err;
}

const rgb *palette()
{
    static rgb table[256];
    static bool built = false;
    if (!built) {
        std::string err = build_palette(table);
        if (!err.empty()) {
            std::fprintf(stderr, "the palette is malformed:\n%s", err.c_str());
            std::exit(1);
        }
        built = true;
    }
    return table;
}

int write_jpal(const char *file)
{
    FILE *out = std::fopen(file, "w");
    if (!out) return -1;
    const rgb *p = palette();
    for (int i = 0; i < 256; i++) std::fprintf(out, "%d %d %d\n", p[i].r, p[i].g, p[i].b);
    return std::fclose(out) == 0 ? 0 : -1;
}

}  // namespace art
