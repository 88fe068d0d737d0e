// tables.cpp -- the shaded colour table, the font table and the object-tile table
#include <cstdlib>
#include <cstring>

#include "core/core.h"
#include "data/data.h"
#include "data/replace_file.h"

namespace hm {

uint8_t *tex;

namespace {

const char *const LS_TILE_FILE = "ls_tile.txt";

int clamp(int v, int lo, int hi) { return v < lo ? lo : v > hi ? hi : v; }

}  // namespace

void load_jpal(int dr, int dg, int db)
{
    txt_reader in;
    if (!in.open("jpal.txt")) return;
    // Kept across entries: a short file repeats its last colour.
    int r = 0, g = 0, b = 0;
    for (int c = 0; c < 256; c++) {
        in.read_int(&r);
        in.read_int(&g);
        in.read_int(&b);
        int rr = clamp(r + dr, 0, 63), gg = clamp(g + dg, 0, 63), bb = clamp(b + db, 0, 63);
        // Darker shades lose red and green faster than blue: night turns blue.
        for (int k = 0; k < SHADES; k++)
            jpal_buf[k * 256 + c] = plat_makecol(clamp(4 * rr - 4 * k, 0, 255), clamp(4 * gg - 4 * k, 0, 255),
                                                 clamp(4 * bb - 3 * k, 0, 255));
    }
    // Shades past the table's 64 are black rather than unset.
    uint16_t black = plat_makecol(0, 0, 0);
    for (int i = SHADES * 256; i < 256 * 256; i++) jpal_buf[i] = black;
}

void loadtex()
{
    std::free(tex);
    tex = static_cast<uint8_t *>(std::calloc(TEX_BYTES, 1));
    txt_reader in;
    if (!in.open("tex.txt")) return;
    for (int i = 0; i < TEX_NUMBERS; i++) {
        int v = 0;
        if (!in.read_int(&v)) break;
        tex[i] = (uint8_t)v;
    }
}

void freetex()
{
    std::free(tex);
    tex = nullptr;
}

void load_ls_tile()
{
    std::memset(ls_tile, 0, sizeof(ls_tile_rec) * LS_TILE_COUNT);
    FILE *in = std::fopen(LS_TILE_FILE, "rb");
    if (!in) return;
    // A short table is not used at all: every object then blocks.
    size_t got = std::fread(ls_tile, sizeof(ls_tile_rec), LS_TILE_COUNT, in);
    std::fclose(in);
    if (got != (size_t)LS_TILE_COUNT) std::memset(ls_tile, 0, sizeof(ls_tile_rec) * LS_TILE_COUNT);
}

int save_ls_tile()
{
    // Moved over the old table only when whole: a failed write never leaves a cut table.
    return replace_file(LS_TILE_FILE, ls_tile, sizeof(ls_tile_rec) * LS_TILE_COUNT);
}

}  // namespace hm
