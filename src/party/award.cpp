// award.cpp -- the end-of-battle award, the loot screen, creature stashes and the level-up box
#include <climits>
#include <vector>

#include "battle/battle.h"
#include "core/core.h"
#include "data/data.h"
#include "party/party.h"
#include "story/story.h"
#include "world/world.h"

namespace hm {

namespace {

constexpr int UI_GROUP = 7;
constexpr int PIC_LOOT = 53;        // loot box while loot remains
constexpr int PIC_LOOT_EMPTY = 54;  // loot box with nothing left
constexpr int PIC_LEV_ROW = 115;    // one member's line in the level-up box
constexpr int PIC_LEV_BOX = 116;    // head of the level-up box with its close spot
constexpr int LOOT_X = 100, LOOT_Y = 100;   // view position of the loot box
constexpr int TEXT_FILE_LOOT = 3;   // experience (text 1) and gold (text 2) of the battle
constexpr int TEXT_FILE_LEVEL = 11; // one level gained (text 1), several (text 2)
constexpr int LOOT_COLOUR = 17;
constexpr int LEVEL_COLOUR = 76;
constexpr int STASH_INTS = 34;      // per creature type: ten drops of three, gold and experience
constexpr int STASH_DROPS = 10;

int saturate(long long v) { return v > INT_MAX ? INT_MAX : v < INT_MIN ? INT_MIN : (int)v; }

bool chance_passes(int percent) { return (random() >> 8) % 100 < percent; }

// An interface picture from the archive into the view, index 0 transparent,
// through the unshaded colour slice; a missing picture draws nothing.
void draw_ui_pic(int n, int x, int y)
{
    pic_header h;
    int size = read_pic(n, UI_GROUP, &h, nullptr, 0);
    if (size <= 0) return;
    std::vector<uint8_t> px((size_t)size);
    if (read_pic(n, UI_GROUP, &h, px.data(), size) != size) return;
    for (int r = 0; r < (int)h.height; r++) {
        int vy = y + r;
        if (vy < 0 || vy >= VIEW_H) continue;
        for (int col = 0; col < (int)h.width; col++) {
            int vx = x + col;
            uint8_t i = px[(size_t)r * h.width + col];
            if (i && vx >= 0 && vx < VIEW_W) vs[vy * VIEW_W + vx] = jpal_buf[i];
        }
    }
}

// Frees a creature and every link that names it.
void free_crt(int c)
{
    crt_rec &cr = CRT[c];
    int m = cr.party_index;
    if (m >= 0 && m < P1CR_COUNT && p1cr[m].crt == c) p1cr[m].crt = -1;
    int n = cr.npc_index;
    if (n >= 0 && n < NPC_COUNT && npc[n].crt == c) npc[n].crt = -1;
    cr.party_index = -1;
    cr.npc_index = -1;
    cr.in_use = 0;
}

// The award: loot from the spawner, gold, experience shared out, the field cleared.
void award()
{
    j[istk_scroll] = 0;
    j[istk_sel] = -1;
    int s = j[loot_spawner];
    if (s >= 0 && s < SPAWNER_COUNT)
        for (int k = 0; k < SPAWNER_LOOT; k++) {
            // Every entry rolls its chance; an empty one (-1) then makes nothing.
            int type = crt_spawner[s].loot_items[k];
            if (chance_passes(crt_spawner[s].loot_chances[k]) && type >= 0) new_item(type, STK_LOOT, 0, -1);
        }
    j[gold] = saturate((long long)j[gold] + j[battle_gold]);
    // With nobody in the party there is no one to share among.
    int c = party_count();
    if (c > 0)
        for (int m = 0; m < PARTY_SIZE; m++)
            if (p1cr[m].in_use) recieve_exp(m, j[battle_exp] / c);
    for (int m = 0; m < PARTY_SIZE; m++) {
        int lev = find_lev(p1cr[m].exp);
        if (lev > p1cr[m].level) p1cr[m].level = lev;
    }
    // The leader walks on as a fresh creature at the same cell, at the level its
    // character now has and with none of the battle's leftovers.
    int lc = member_crt(j[leader]);
    int lx = lc >= 0 ? CRT[lc].x : 0, ly = lc >= 0 ? CRT[lc].y : 0;
    for (int k = 0; k < CRT_COUNT; k++)
        if (CRT[k].in_use && CRT[k].side != 4) free_crt(k);
    if (lc >= 0) {
        const p1cr_rec &p = p1cr[j[leader]];
        int c = new_creature(p.crt_type, p.level, 1, p.hp, p.mana, j[leader], -1, lx, ly);
        if (j[box_crt] == lc) j[box_crt] = c;
    }
    update_scr();
    j[loot_state] = 1;
}

// The loot screen, every frame until the player closes it.
void loot_screen()
{
    int x = j[mouse_x], y = j[mouse_y];
    if (j[lmb_up] && x > 120 && x < 320 && y > 120 && y < 180) {
        // Whatever the player left behind is gone for good.
        for (int32_t &e : ISTK[STK_LOOT].item) {
            if (e >= 0 && e < ITEM_COUNT && ITEM[e].in_use == 1) ITEM[e].in_use = 0;
            e = -1;
        }
        j[loot_state] = 0;
        j[istk_shown] = -1;
        update_scr();
    }
    bool any = istk_count(STK_LOOT) > 0;
    if (any) {
        draw_ui_pic(PIC_LOOT, LOOT_X, LOOT_Y);
    } else {
        draw_ui_pic(PIC_LOOT_EMPTY, LOOT_X, LOOT_Y);
        if (j[istk_shown] == STK_LOOT) {
            j[istk_shown] = -1;
            update_scr();
        }
    }
    if (any && j[istk_shown] == -1 && j[loot_state] != 0) {
        j[istk_shown] = STK_LOOT;
        j[istk_sel] = -1;
        j[istk_scroll] = 0;
        update_scr();
    }
    wrt(108, 107, 300, 1, TEXT_FILE_LOOT, LOOT_COLOUR, 0, 1, 1, j[battle_exp]);
    wrt(108, 118, 300, 2, TEXT_FILE_LOOT, LOOT_COLOUR, 0, 1, 1, j[battle_gold]);
}

bool levelled(int m) { return p1cr[m].in_use && p1cr[m].level != p1cr[m].prev_level; }

}  // namespace

void exp_and_items()
{
    if (j[loot_state] > 1) j[loot_state]--;
    if (j[loot_state] == LOOT_AWARD) award();
    if (j[loot_state] == 1) loot_screen();
}

void do_lev_ups()
{
    if (j[lev_up_show] != 1) return;
    int n = 0;
    for (int m = 0; m < PARTY_SIZE; m++)
        if (levelled(m)) n++;
    if (n == 0) {
        j[lev_up_show] = 0;
        return;
    }
    draw_ui_pic(PIC_LEV_BOX, 160, 100 - 10 * n);
    int x = j[mouse_x], y = j[mouse_y];
    if (j[lmb_up] && x > 210 && x < 230 && y > 120 - 10 * n && y < 140 - 10 * n) {
        j[lmb_up] = 0;
        j[lev_up_show] = 0;
    }
    int alpha = (j[frame_count] % 10) * 10 + 3;
    int row_y = 120 - 10 * n;
    for (int m = 0; m < PARTY_SIZE; m++) {
        if (!levelled(m)) continue;
        const p1cr_rec &p = p1cr[m];
        draw_ui_pic(PIC_LEV_ROW, 60, row_y);
        int w = wrt2(70, row_y + 6, P1CR_NAME_LEN, LEVEL_COLOUR, 0, alpha, p.name);
        int levels = p.level - p.prev_level;
        if (levels == 1)
            wrt(70 + w + 76, row_y + 6, VIEW_W, 1, TEXT_FILE_LEVEL, LEVEL_COLOUR, 0, alpha, 1, p.gained_points);
        else
            wrt(70 + w + 76, row_y + 6, VIEW_W, 2, TEXT_FILE_LEVEL, LEVEL_COLOUR, 0, alpha, 1, levels);
        row_y += 20;
    }
}

void take_crtstash(int creature)
{
    if (creature < 0 || creature >= CRT_COUNT || !CRT[creature].in_use) return;
    int t = CRT[creature].type, lev = CRT[creature].level;
    if (t < 0) return;
    txt_reader in;
    if (!in.open("crtstash.txt")) return;
    int skip = 0;
    for (long long k = 0; k < (long long)t * STASH_INTS; k++)
        if (!in.read_int(&skip)) return;
    // A row the file does not hold in full gives nothing.
    int row[STASH_INTS] = {};
    for (int &v : row)
        if (!in.read_int(&v)) return;
    for (int d = 0; d < STASH_DROPS; d++) {
        int type = row[3 * d], min_lev = row[3 * d + 1], chance = row[3 * d + 2];
        if (min_lev <= lev && chance_passes(chance) && type >= 0) new_item(type, STK_LOOT, 0, -1);
    }
    j[battle_gold] = saturate((long long)j[battle_gold] + row[30] + (long long)row[31] * lev);
    j[battle_exp] = saturate((long long)j[battle_exp] + row[32] + (long long)row[33] * lev);
}

}  // namespace hm
