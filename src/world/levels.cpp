// levels.cpp -- level files, the empty level, entering and leaving levels
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "battle/battle.h"
#include "chests/chests.h"
#include "core/core.h"
#include "data/data.h"
#include "data/replace_file.h"
#include "party/party.h"
#include "story/story.h"
#include "world/world.h"

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "level files are the tables' own little-endian bytes");

namespace hm {

char lev_nam[LEV_NAME_BYTES + 1];

namespace {

constexpr int LAYER_CELLS = MAP_CELLS;

// The level file, in order: name, statistics, the four picture layers, the three
// light layers, the spawners, the chest count and the chests, a closing 0.
constexpr long OFF_LSTS = LEV_NAME_BYTES;
constexpr long OFF_LAYERS = OFF_LSTS + LSTS_STORED * 4;
constexpr long OFF_LIGHT = OFF_LAYERS + 4L * LAYER_CELLS * 2;
constexpr long OFF_SPAWNERS = OFF_LIGHT + 3L * LAYER_CELLS;
constexpr long OFF_CHESTS = OFF_SPAWNERS + (long)SPAWNER_COUNT * sizeof(spawner_rec);
static_assert(OFF_LAYERS == 2050 && OFF_LIGHT == 82050 && OFF_SPAWNERS == 112050 && OFF_CHESTS == 119650,
              "level file layout");

// Reads up to `count` elements of `size` bytes into dest; only whole elements are
// kept, so a cut file leaves the rest of the table as it was.  False when short.
bool read_elements(FILE *in, void *dest, size_t size, size_t count)
{
    std::vector<uint8_t> stage(size * count);
    size_t got = std::fread(stage.data(), 1, stage.size(), in);
    std::memcpy(dest, stage.data(), got / size * size);
    return got == stage.size();
}

// The empty level without touching the chest table: entering a level keeps the
// chests opened on other levels (delete_empty_chests sorts the table out).
void level_template(int n)
{
    for (int i = 0; i < MAP_CELLS; i++) {
        gr[i] = 1;
        gr2[i] = ls[i] = rf[i] = 0;
        rf_lt[i] = gr_lt[i] = ls_lt[i] = 0;
    }
    std::memset(lev_nam, 0, sizeof lev_nam);
    std::memset(lsts, 0, sizeof(int32_t) * LSTS_STORED);
    lsts[lev_id] = n;
    lsts[west_bound] = 10;
    lsts[east_bound] = 90;
    lsts[north_bound] = 10;
    lsts[south_bound] = 90;
    lsts[light_level] = 0;
    lsts[roof_height] = -1;
    const int exits[4][2] = {{80, 50}, {20, 50}, {50, 80}, {50, 20}};
    for (int d = 1; d <= 4; d++) {
        lsts[3 * d + 6] = 0;
        lsts[3 * d + 7] = exits[d - 1][0];
        lsts[3 * d + 8] = exits[d - 1][1];
    }
    for (int k = 0; k < SPAWNER_COUNT; k++) {
        spawner_rec &s = crt_spawner[k];
        std::memset(&s, 0, sizeof s);
        s.trigger = 12;
        for (int i = 0; i < SPAWNER_SLOTS; i++) {
            s.crt_types[i] = -1;
            s.crt_levels[i] = 1;
        }
    }
}

// A chest record from a level file that may be used: one of this level's ids,
// standing on the map.  Anything else would index past the state table or the map.
bool chest_record_ok(const chest_rec &c, int level)
{
    return chest_of_level(c.chest_id, level) && cell_ok(c.x, c.y);
}

void read_chests(FILE *in, int level, int mode)
{
    int32_t n = 0;
    if (std::fread(&n, 4, 1, in) != 1) n = 0;
    if (mode == 1) clear_lev_chests(level);
    for (int32_t i = 0; i < n; i++) {
        chest_rec c;
        if (std::fread(&c, sizeof c, 1, in) != 1) return;
        if (!chest_record_ok(c, level)) continue;
        c.in_use = 1;
        if (mode == 1) {
            int slot = new_chest_n();
            if (slot >= 0) chest[slot] = c;
            continue;
        }
        uint8_t state = chest_state[c.chest_id];
        if (state == CHEST_UNOPENED || state == CHEST_EMPTIED) {
            // A full table loads this chest next time; its state stays as it is.
            int slot = new_chest_n();
            if (slot < 0) continue;
            if (state == CHEST_EMPTIED) {
                c.trap_state = 0;
                for (int k = 0; k < CHEST_SLOTS; k++) c.item_types[k] = -1;
            }
            chest[slot] = c;
        } else if (state == CHEST_DELETED) {
            int cell = c.x + MAP_W * c.y;
            ls[cell] = (uint16_t)(c.chest_pic + 1);
            grsc[cell] = BLOCKED;
        }
    }
}

int clamp_cell(int v) { return v < 0 ? 0 : v > MAP_W - 1 ? MAP_W - 1 : v; }

}  // namespace

int leader_crt()
{
    int m = j[leader];
    if (m < 0 || m >= P1CR_COUNT) return -1;
    int c = p1cr[m].crt;
    if (c < 0 || c >= CRT_COUNT || !CRT[c].in_use) return -1;
    return c;
}

void create_level_template(int n)
{
    level_template(n);
    clear_lev_chests(n);
}

void update_grsc()
{
    for (int i = 0; i < MAP_CELLS; i++) {
        // Object numbers past the tile table have no properties: they block.
        ls_tile_rec none = {};
        const ls_tile_rec &t = ls[i] < LS_TILE_COUNT ? ls_tile[ls[i]] : none;
        grsc[i] = t.passable ? 0 : BLOCKED;
        rng_pen[i] = t.range_penalty;
        if (gr[i] == 32) grsc[i] = BLOCKED;
    }
}

void load_level(int level, int mode)
{
    if (level < 0 || level >= LEVEL_COUNT) return;
    j[level_no] = level;
    loadn('l', level, EXT_TXT);
    FILE *in = std::fopen(xnam, "rb");
    if (!in) {
        if (mode == 1) create_level_template(level);
        else level_template(level);
    } else {
        // Each part is read only when the one before it was whole.
        bool whole = read_elements(in, lev_nam, 1, LEV_NAME_BYTES);
        lev_nam[LEV_NAME_BYTES] = 0;
        whole = whole && read_elements(in, lsts, 4, LSTS_STORED);
        for (uint16_t *layer : {gr, gr2, ls, rf}) whole = whole && read_elements(in, layer, 2, LAYER_CELLS);
        for (int8_t *layer : {gr_lt, ls_lt, rf_lt}) whole = whole && read_elements(in, layer, 1, LAYER_CELLS);
        whole = whole && read_elements(in, crt_spawner, sizeof(spawner_rec), SPAWNER_COUNT);
        if (whole) read_chests(in, level, mode);
        else if (mode == 1) clear_lev_chests(level);
        for (int i = 0; i < MAP_CELLS; i++) {
            grsc[i] = ls[i] != 0 ? BLOCKED : 0;
            if (gr[i] >= 20 && gr[i] <= 32) grsc[i] = BLOCKED;
        }
        std::fclose(in);
    }
    if (mode != 0) return;
    for (int k = 0; k < SPAWNER_COUNT; k++) {
        spawner_rec &s = crt_spawner[k];
        if (cspns[level * SPAWNER_COUNT + k] == 0 || !cell_ok(s.x, s.y)) s.active = 0;
    }
}

void make_level(int, int level, int x, int y)
{
    // Level numbers index the spawner and chest state tables.
    if (level < 0 || level >= LEVEL_COUNT) return;

    level_template(0);
    delete_empty_chests();

    j[edit_layer] = 5;
    j[edit_pic] = 1;
    j[mouse_x] = mx;
    j[mouse_y] = my;
    j[light_now] = 2;
    j[crtbox_page] = j[cata_class] = 1;
    for (int s : {17, 19, 26, 28, 29, 36, 38, 52, 66, 89, 150, 153}) j[s] = -1;
    const int zero_ranges[][2] = {{2, 2},     {7, 16},    {18, 18},   {21, 22},   {25, 25},   {27, 27},
                                  {30, 35},   {39, 48},   {53, 54},   {57, 58},   {60, 61},   {63, 65},
                                  {67, 72},   {74, 77},   {83, 88},   {90, 90},   {92, 94},   {98, 118},
                                  {130, 147}, {149, 149}, {151, 152}, {154, 161}};
    for (const auto &r : zero_ranges)
        for (int s = r[0]; s <= r[1]; s++) j[s] = 0;
    for (const auto &r : {std::make_pair(0, 7), std::make_pair(11, 20), std::make_pair(22, 25)})
        for (int s = r.first; s <= r.second; s++) f[s] = 0;

    for (int i = 0; i < MAP_CELLS; i++) {
        gr[i] = 1;
        gr2[i] = ls[i] = rf[i] = 0;
        grs[i] = grsc[i] = 0;
    }
    for (int a = 0; a < ANI_COUNT; a++) ANI[a].active = 0;
    clear_creatures();

    load_level(level, 0);
    init_lev_npcs(level);
    update_grsc();
    load_lev_chests();

    if (x != 0) lsts[start_x] = x;
    if (y != 0) lsts[start_y] = y;
    // Start cells come from files and callers: the leader must stand on the map.
    lsts[start_x] = clamp_cell(lsts[start_x]);
    lsts[start_y] = clamp_cell(lsts[start_y]);

    j[lev_light] = lsts[light_level];
    j[lev_roof_dy] = lsts[roof_height];
    if (j[lev_light] != -1) j[light_now] = j[lev_light];

    j[cam_x] = 40 * lsts[start_x] + 20 * lsts[start_y] - 200;
    j[cam_y] = 20 * lsts[start_y] - 120;
    f[cam_fx] = (float)j[cam_x];
    f[cam_fy] = (float)j[cam_y];

    j[level_no] = level;
    // Without a character in use there is nobody to walk the level.
    int m = j[leader];
    j[box_crt] = -1;
    if (m >= 0 && m < P1CR_COUNT && p1cr[m].in_use) {
        const p1cr_rec &p = p1cr[m];
        new_creature(p.crt_type, p.level, 1, p.hp, p.mana, m, -1, lsts[start_x], lsts[start_y]);
        j[box_crt] = member_crt(m);
    }
    // The story's changes to this level's map, made again over the file's.
    do_lev_str_events();

    std::memset(light_lev, 0, MAP_CELLS);
    do_light_time(1);
    load_swad();
    set_us();
    do_grndanis(1);
    update_scr();
    new_flash(64, -64, -64, -64);
}

void leave_level_chk()
{
    if (j[battle_stage] != 0 || j[level_no] == -1) return;
    int c = leader_crt();
    if (c < 0) return;
    int x = CRT[c].x, y = CRT[c].y;
    int d = 0;
    if (x <= lsts[west_bound]) d = 1;
    if (x >= lsts[east_bound]) d = 2;
    if (y <= lsts[north_bound]) d = 3;
    if (y >= lsts[south_bound]) d = 4;
    if (d != 0) make_level(1, lsts[3 * d + 6], lsts[3 * d + 7], lsts[3 * d + 8]);
}

int write_level_file(const char *file, int n)
{
    // Moved over the old file only when whole: a failed write never leaves a cut level.
    std::string out(lev_nam, LEV_NAME_BYTES);
    auto put = [&out](const void *p, size_t len) { out.append((const char *)p, len); };
    put(lsts, 4 * LSTS_STORED);
    for (uint16_t *layer : {gr, gr2, ls, rf}) put(layer, 2 * LAYER_CELLS);
    for (int8_t *layer : {gr_lt, ls_lt, rf_lt}) put(layer, LAYER_CELLS);
    put(crt_spawner, sizeof(spawner_rec) * SPAWNER_COUNT);
    int32_t count = 0;
    for (int i = 0; i < CHEST_COUNT; i++) count += chest[i].in_use && chest_of_level(chest[i].chest_id, n);
    put(&count, 4);
    for (int i = 0; i < CHEST_COUNT; i++)
        if (chest[i].in_use && chest_of_level(chest[i].chest_id, n)) put(&chest[i], sizeof(chest_rec));
    int32_t end = 0;
    put(&end, 4);
    return replace_file(file, out.data(), out.size());
}

int save_level(int n)
{
    if (n == -1) {
        n = j[level_no];
        jscanf_num(40, 40, &n, 70, 2, 2);
    }
    if (n < 0 || n >= LEVEL_COUNT) return -1;
    loadn('l', n, EXT_TXT);
    std::string file = xnam;
    int result = write_level_file(file.c_str(), n);
    update_scr();
    return result;
}

void load_level2()
{
    int n = j[level_no];
    jscanf_num(40, 40, &n, 70, 2, 2);
    // A number past the level range leaves the editor on its level.
    if (n < 0 || n >= LEVEL_COUNT) return;
    make_level(1, n, 50, 50);
    load_level(n, 1);
    update_grsc();
    set_us();
    do_grndanis(1);
    update_scr();
}

void get_lev_name(int n, char *dest)
{
    std::memset(dest, 0, LEV_NAME_BYTES + 1);
    loadn('l', n, EXT_TXT);
    FILE *in = std::fopen(xnam, "rb");
    if (!in) {
        std::strcpy(dest, "DOES NOT EXIST");
        return;
    }
    size_t got = std::fread(dest, 1, LEV_NAME_BYTES, in);
    (void)got;
    std::fclose(in);
}

}  // namespace hm
