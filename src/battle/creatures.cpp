// creatures.cpp -- creature records: making and removing them, occupancy, floating numbers, the frame update, picking
#include <cstring>

#include "battle/battle.h"
#include "core/core.h"
#include "data/data.h"
#include "party/party.h"
#include "story/story.h"
#include "world/world.h"

namespace hm {

namespace {

constexpr const char *CRTINF = "crtinf.txt";
constexpr int NUM_RISE = 16;     // frames a floating number rises before the next may start
constexpr int NUM_END = 50;      // a floating number's timer frees its slot here
constexpr int INFO_SHOWN = 50;   // info_fade while the level figure and bar are fully shown

// The fixed and per-level parts of the seventeen stat triples, in file order.
int32_t crt_rec::*const STAT_BASE[17] = {
    &crt_rec::hp_base,     &crt_rec::wound_floor_base, &crt_rec::dmg_e1_base, &crt_rec::dmg_e2_base,
    &crt_rec::dmg_e3_base, &crt_rec::dmg_e4_base,      &crt_rec::dmg_phys_base, &crt_rec::armour_base,
    &crt_rec::res_e1_base, &crt_rec::res_e2_base,      &crt_rec::res_e3_base, &crt_rec::res_e4_base,
    &crt_rec::hit_base,    &crt_rec::dodge_base,       &crt_rec::luck_base,   &crt_rec::speed_base,
    &crt_rec::mana_base,
};
int32_t crt_rec::*const STAT_PER_LEVEL[17] = {
    &crt_rec::hp_per_level,     &crt_rec::wound_floor_per_level, &crt_rec::dmg_e1_per_level,
    &crt_rec::dmg_e2_per_level, &crt_rec::dmg_e3_per_level,      &crt_rec::dmg_e4_per_level,
    &crt_rec::dmg_phys_per_level, &crt_rec::armour_per_level,    &crt_rec::res_e1_per_level,
    &crt_rec::res_e2_per_level, &crt_rec::res_e3_per_level,      &crt_rec::res_e4_per_level,
    &crt_rec::hit_per_level,    &crt_rec::dodge_per_level,       &crt_rec::luck_per_level,
    &crt_rec::speed_per_level,  &crt_rec::mana_per_level,
};

// Type `type` of crtinf.txt into v.  Whatever the file does not hold reads as 0,
// so a short file or a type past its end never leaves a value of the record's
// last creature behind.
void read_crt_type(int type, int32_t v[CRTINF_INTS])
{
    std::memset(v, 0, sizeof(int32_t) * CRTINF_INTS);
    if (type < 0) return;
    txt_reader in;
    if (!in.open(CRTINF)) return;
    int skip = 0;
    for (long long k = 0; k < (long long)type * CRTINF_INTS; k++)
        if (!in.read_int(&skip)) return;
    for (int k = 0; k < CRTINF_INTS; k++) {
        int n = 0;
        if (!in.read_int(&n)) return;
        v[k] = n;
    }
}

void apply_crt_type(crt_rec &k, const int32_t v[CRTINF_INTS])
{
    k.pic_base = v[0];
    k.init_base = v[1];
    k.init_per_level = v[2];
    for (int i = 0; i < 17; i++) {
        k.*STAT_BASE[i] = v[3 + 2 * i];
        k.*STAT_PER_LEVEL[i] = v[4 + 2 * i];
    }
    k.natural_item = v[37];
    k.attack_kind = v[38];
    k.shot_range = v[39];
    k.shot_pic = v[40];
    k.flying = v[41];
}

bool crt_ok(int c) { return c >= 0 && c < CRT_COUNT && CRT[c].in_use; }

// Clears every link that names creature c, and c's own.
void unlink_crt(int c)
{
    crt_rec &k = CRT[c];
    if (k.party_index >= 0 && k.party_index < P1CR_COUNT && p1cr[k.party_index].crt == c) p1cr[k.party_index].crt = -1;
    if (k.npc_index >= 0 && k.npc_index < NPC_COUNT && npc[k.npc_index].crt == c) npc[k.npc_index].crt = -1;
    k.party_index = -1;
    k.npc_index = -1;
}

void advance_numbers(int c)
{
    crt_rec &k = CRT[c];
    if (k.miss_timer != 0) {
        k.miss_timer++;
        if (k.miss_timer == 49 || k.miss_timer == 99) k.miss_timer = 0;
    }
    for (int n = 0; n < CRT_HIT_NUMS; n++) {
        uint8_t &t = k.hit_num_timer[n];
        if (t > 1) {
            k.info_fade = INFO_SHOWN;
            if (++t >= NUM_END) t = 0;
        } else if (t == 1 && drdam_clear(c, n)) {
            t = 2;
        }
    }
    // Lowered after the rising numbers have held it at 50.
    if (k.info_fade != 0) k.info_fade--;
}

// Hit points gone: the creature falls, fades out and is taken away.
void do_dying(int c)
{
    crt_rec &k = CRT[c];
    if (k.dying == 0 && k.hp < 1) {
        k.dying = DYING_FRAMES;
        j[crt_busy] = 1;
    }
    if (k.hp < 1) k.frame = 8;
    if (k.dying != 0) {
        sdrst(c, 2, 11 - k.dying / 5, 0, 0, 2, 220 - 4 * k.dying);
        k.dying--;
        if (k.dying == 1) crt_dies(c);
    }
}

// A right click on a creature shows it in the creature list and its detail box.
void show_in_list(int p)
{
    int count = 0;
    for (int c = 0; c < p; c++)
        if (CRT[c].in_use && CRT[c].side != 4) count++;
    int &first = j[crtbox_first];
    if (first + 4 < count) first = count - 4;
    if (count < first) first = count;
    j[box_crt] = p;
    update_scr();
}

}  // namespace

int new_crt_num()
{
    for (int c = 0; c < CRT_COUNT; c++)
        if (!CRT[c].in_use) return c;
    return -1;
}

int new_creature(int type, int level, int side, int hp, int mana, int party_index, int npc_index, int x, int y)
{
    if (party_index < 0 || party_index >= P1CR_COUNT) party_index = -1;
    if (npc_index < 0 || npc_index >= NPC_COUNT) npc_index = -1;
    int c = new_crt_num();
    if (c < 0) {
        // Nothing made: a link to an old record would hand the character a stranger.
        if (party_index != -1) p1cr[party_index].crt = -1;
        if (npc_index != -1) npc[npc_index].crt = -1;
        return -1;
    }
    crt_rec &k = CRT[c];
    // Built from nothing: no value of the record's last creature survives.
    std::memset(&k, 0, sizeof k);
    for (int32_t &e : k.equipment) e = -1;
    k.en_item = -1;
    k.party_index = k.npc_index = -1;
    if (npc_index != -1) {
        npc[npc_index].crt = c;
        k.npc_index = npc_index;
    }
    if (party_index != -1) {
        p1cr[party_index].crt = c;
        k.party_index = party_index;
        for (int s = 0; s < EQP_SLOTS; s++) k.equipment[s] = p1cr[party_index].eqp[s];
    }

    k.type = type;
    k.side = side;
    k.level = level;
    k.shown = 1;
    k.strike_target = -1;
    k.in_use = 1;
    k.x = x;
    k.y = y;
    k.ready = 1;
    for (int32_t &p : k.path) p = -1;
    k.path_step = -1;
    k.facing = random() % 2 == 0 ? -1 : 1;
    k.cell = x + MAP_W * y;
    k.speed = 16;
    k.initiative = 5;
    k.tint_rate = 2;
    k.tint_extra = 1;

    int32_t v[CRTINF_INTS];
    read_crt_type(type, v);
    apply_crt_type(k, v);

    if (hp != -1) k.hp = hp;
    if (mana != -1) k.mana = mana;
    make_special_attack_item(c);
    make_EN(c);
    if (j[battle_stage] == 5) {
        // A creature that comes in mid-battle (a summons) rolls its luck at once.
        calc_luck(c);
        update_scr();
    }
    update_stats();
    if (hp == -1) k.hp = k.max_hp;
    if (mana == -1) k.mana = k.max_mana;
    update_stats();
    return c;
}

void crt_dies(int c)
{
    if (!crt_ok(c)) return;
    crt_rec &k = CRT[c];
    if (k.side == 2) take_crtstash(c);
    k.in_use = 0;
    int n = k.npc_index;
    if (n >= 0 && n < NPC_COUNT && npc[n].crt == c) {
        delete_tmp_npc_p1cr(n);
        npc[n].dead = 1;
        npc[n].lev = -1;
    }
    unlink_crt(c);
    update_scr();
    k.dying = 0;
}

void clear_creatures()
{
    for (int c = 0; c < CRT_COUNT; c++) {
        CRT[c].in_use = 0;
        CRT[c].party_index = CRT[c].npc_index = -1;
    }
    for (int m = 0; m < P1CR_COUNT; m++) p1cr[m].crt = -1;
    for (int n = 0; n < NPC_COUNT; n++) npc[n].crt = -1;
}

int npc_crt(int n)
{
    if (n < 0 || n >= NPC_COUNT) return -1;
    int c = npc[n].crt;
    return crt_ok(c) && CRT[c].npc_index == n ? c : -1;
}

void sdrst(int c, int mode, int r, int g, int b, int rate, int extra)
{
    if (c < 0 || c >= CRT_COUNT) return;
    crt_rec &k = CRT[c];
    k.tint_mode = mode;
    if (r) k.tint_r = r;
    if (g) k.tint_g = g;
    if (b) k.tint_b = b;
    if (rate) k.tint_rate = rate;
    if (extra != -1) k.tint_extra = extra;
}

void set_us()
{
    std::memset(us, -1, MAP_CELLS);
    std::memset(us2, -1, MAP_CELLS);
    for (int pass = 0; pass < 2; pass++)
        for (int c = 0; c < CRT_COUNT; c++) {
            const crt_rec &k = CRT[c];
            if (!k.in_use || !k.shown || (k.flying != 0) != (pass == 1) || k.cell < 0 || k.cell >= MAP_CELLS) continue;
            (pass == 0 ? us : us2)[k.cell] = (int8_t)c;
        }
}

void new_drdam(int c, int amount, int colour)
{
    if (c < 0 || c >= CRT_COUNT) return;
    crt_rec &k = CRT[c];
    for (int n = 0; n < CRT_HIT_NUMS; n++)
        if (k.hit_num_timer[n] == 0) {
            k.hit_num_timer[n] = 1;
            k.hit_num_value[n] = amount;
            k.hit_num_colour[n] = colour;
            return;
        }
}

int drdam_clear(int c, int k)
{
    if (c < 0 || c >= CRT_COUNT) return 1;
    for (int n = 0; n < CRT_HIT_NUMS; n++) {
        int t = CRT[c].hit_num_timer[n];
        if (n != k && t >= 2 && t < 2 + NUM_RISE) return 0;
    }
    return 1;
}

void crtr_main()
{
    j[crt_busy] = j[shot_on] ? 1 : 0;
    for (int c = 0; c < CRT_COUNT; c++) {
        crt_rec &k = CRT[c];
        if (!k.in_use) continue;
        advance_numbers(c);
        if (j[battle_on] == 1 && j[battle_stage] != 2 &&
            (k.path_step != -1 || k.strike_target != -1 || k.dying != 0))
            j[crt_busy] = 1;
        crt_walk(c);
        crt_strike(c);
        do_dying(c);
        if (c == j[cur_crt] && j[sk_frame] != 0) {
            k.frame = 9;
            sdrst(c, 1, -16, 16, 16, 1, 0);
        }
    }
    int p = j[ptr_crt];
    if (crt_ok(p)) CRT[p].info_fade = INFO_SHOWN;
    if (j[rmb_down] && p >= 0 && p < CRT_COUNT) show_in_list(p);
}

int get_crt_pix(int pic, int group, int px, int py, int facing, int c)
{
    if (pic_is_rle(pic, group)) return 0;
    int slot = pic_slot(pic, group);
    if (slot < 0) return 0;
    const swinf_rec &s = SWINF[slot];
    px += s.width / 2;
    py += s.height;
    if (px < 0 || px >= s.width || py < 0 || py >= s.height) return 0;
    if (c >= 0 && c == j[ptr_crt]) return 1;
    // Mirrored as the drawing mirrors it.
    int col = facing != 1 ? s.width - 1 - px : px;
    return swad[s.start + py * s.width + col];
}

int sellect_crt()
{
    int hit = -1;
    for_area(AREA_OBJECTS, j[cam_x], j[cam_y], [&hit](int x, int y) {
        if (!cell_ok(x, y)) return;
        int cell = x + MAP_W * y;
        int sx = view_x(x, y), sy = view_y(y);
        for (int layer = 0; layer < 2; layer++) {
            int c = layer == 0 ? us[cell] : us2[cell];
            if (!crt_ok(c) || !CRT[c].shown) continue;
            const crt_rec &k = CRT[c];
            int px = j[mouse_x] - (k.draw_dx + sx + 50);
            int py = j[mouse_y] - (k.draw_dy + sy + 34) + (layer == 1 ? 32 : 0);
            if (get_crt_pix(k.pic_base + k.frame, 3, px, py, k.facing, c)) hit = c;
        }
    });
    return hit;
}

}  // namespace hm
