// panels.cpp -- the creature list and detail box, the start button, the party sheet's clicks
#include "battle/battle.h"
#include "battle/panels.h"
#include "core/core.h"
#include "data/data.h"
#include "items/items.h"
#include "party/party.h"
#include "story/story.h"
#include "world/world.h"

namespace hm {

namespace {

constexpr int UI = 7;
enum {
    PIC_LIST = 5, PIC_STATS_PAGE = 49, PIC_CONDITIONS_PAGE = 50,
    PIC_MARK_PARTY = 56, PIC_MARK_HOSTILE = 57, PIC_MARK_ALLY = 65,
    PIC_START = 117, PIC_START_LIT = 118,
};
constexpr int ANI_PICKED = 320;   // the animation that shows where a picked creature stands
enum {
    TF_CREATURES = 5,    // creature type t's name is text t
    TF_STATS = 6,        // the statistics page's lines
    TF_CONDITIONS = 7,   // condition k's line is text k; then the skills' effects
};
enum {
    T_HP = 1, T_LUCK = 3, T_SPEED = 4, T_HIT = 5, T_DODGE = 6, T_PHYS = 7, T_E1 = 8,
    T_ARMOUR = 12, T_WOUND = 13, T_MANA = 14,
};
enum { T_POISONED = 16, T_BURNING = 22, T_CHARMED = 23, T_ABSORB = 24, T_BOOST = 25, T_SHAPE = 26 };
constexpr int POISONED = 16;       // the condition whose line also shows the strength
constexpr int POISON_STRENGTH = 22;   // status entry of the poison's strength
enum { C_DIM = 8, C_DIM_PAIR = 14, C_HP = 42, C_SEL_DARK = 65, C_SEL = 71, C_TEXT = 127, C_MANA = 128 };
constexpr int LINE = 12;           // lines of the detail box
constexpr int BOX_BOTTOM = 390;    // the detail box's last line ends above this

bool crt_ok(int c) { return c >= 0 && c < CRT_COUNT && CRT[c].in_use; }

bool inside(int x, int y, int x0, int x1, int y0, int y1) { return x >= x0 && x <= x1 && y >= y0 && y <= y1; }

void refresh() { update_scr(); }

// A rating as the percentage the fight makes of it.
int percent_of(int x, float a, float b) { return (int)e_value((float)x, a, b); }

// A listed creature's name: its character's, its NPC's, or its type's.
// Returns the width written.
int write_name(int c, int x, int y, int colour)
{
    const crt_rec &k = CRT[c];
    int m = k.party_index, n = k.npc_index;
    if (m >= 0 && m < P1CR_COUNT && p1cr[m].in_use) return wrt2(x, y, P1CR_NAME_LEN, colour, 0, 2, p1cr[m].name);
    if (n >= 0 && n < NPC_COUNT && npc[n].in_use) return wrt2(x, y, NPC_NAME_LEN, colour, 0, 2, npc[n].name);
    if (k.type < 0 || !text_ok(k.type, TF_CREATURES)) return 0;
    return wrt(x, y, SCR_W, k.type, TF_CREATURES, colour, 0, 2, 0);
}

void draw_list_row(int c, int r)
{
    int y = 275 + 24 * r;
    int side = CRT[c].side;
    int mark = side == 1 ? PIC_MARK_PARTY : side == 2 ? PIC_MARK_HOSTILE : side == 3 ? PIC_MARK_ALLY : -1;
    if (mark >= 0) draw_bmp_scr(mark, UI, 25, y, 1);
    bool shown = c == j[box_crt];
    int gap = 4 + char_width(' ');
    // The text, then its shadow one pixel to the right.
    int w = write_name(c, 42, y, shown ? C_SEL_DARK : C_DIM);
    wnum(42 + w + gap, y, CRT[c].eff_level, shown ? C_SEL_DARK : C_DIM, 0, 2);
    write_name(c, 43, y, shown ? C_SEL : C_DIM_PAIR);
    wnum(43 + w + gap, y, CRT[c].eff_level, shown ? C_SEL : C_DIM_PAIR, 0, 2);
}

// The second page: one line per running condition and skill effect, as many as
// the box has room for.
void draw_conditions(int c)
{
    const crt_rec &k = CRT[c];
    int y = 294;
    auto line = [&y](int text, int a, int b) {
        if (y + 9 > BOX_BOTTOM) return;
        wrt(225, y, SCR_W, text, TF_CONDITIONS, C_TEXT, 0, 2, 2, a, b);
        y += LINE;
    };
    for (int s = 0; s < CONDITION_LINES; s++) {
        if (k.status[s] == 0) continue;
        line(s, k.status[s], s == POISONED ? k.status[POISON_STRENGTH] : 0);
    }
    if (k.effect[0]) line(T_BURNING, k.effect[0], k.effect[1]);
    if (k.effect[2]) line(T_CHARMED, k.effect[2], 0);
    if (k.effect[3]) line(T_ABSORB, k.effect[3], 0);
    if (k.effect[4]) line(T_BOOST, k.effect[4], k.effect[5]);
    if (k.effect[6]) line(T_SHAPE, k.effect[6], k.effect[7]);
}

// The listed creature under row r of the list, -1 none.
int row_crt(int r) { return r >= 0 && r < CRTBOX_ROWS ? crtbox_listed(j[crtbox_first] + r) : -1; }

// A click that edits the shown member's name or closes the sheet.
void sheet_click(int x, int y)
{
    if (inside(x, y, 586, 596, 20, 28)) {
        j[name_edit] = 1;
        jscanf(444, 21, P1CR_NAME_LEN - 1, 74, 0, p1cr[j[shown_member]].name, 2);
        j[name_edit] = 0;
    } else {
        j[shown_member] = -1;
        int s = j[istk_shown];
        if (s == STK_FIT_SLOT || s == STK_BELT_PICK || s == STK_USABLE) j[istk_shown] = -1;
    }
    refresh();
}

}  // namespace

int crtbox_listed(int k)
{
    if (k < 0) return -1;
    for (int c = 0; c < CRT_COUNT; c++)
        if (CRT[c].in_use && CRT[c].side != 4 && k-- == 0) return c;
    return -1;
}

int hand_pic() { return (j[frame_count] / 2) % POINTER_HAND_FRAMES + 1; }

void scraps()
{
    j[frame_count]++;
    j[ptr_mark_cell] = -1;
    int x = j[mouse_x], y = j[mouse_y];
    bool in_view = x >= VIEW_X && x < VIEW_X + VIEW_W && y >= VIEW_Y && y < VIEW_Y + VIEW_H;
    int cell = j[mouse_cell];
    if (j[battle_stage] > 2 && in_view && cell >= 0 && cell < MAP_CELLS && bat_grs[cell] == BLOCKED &&
        grsc[cell] != BLOCKED)
        j[ptr_mark_cell] = cell;
    j[ptr_in_view] = in_view ? 1 : 0;
    if (in_view) j[left_view] = -1;
    else j[left_view] = j[left_view] == -1 ? 1 : 0;
    int cur = j[cur_crt];
    if (!j[crt_busy] && !j[bat_sk_on] && j[battle_stage] == 5 && crt_ok(cur) && CRT[cur].side == 1 &&
        cur != j[turn_shown]) {
        refresh();
        j[turn_shown] = cur;
    }
    if (j[battle_stage] != 0 && j[istk_shown] == -1 && !j[crtbox_on]) {
        j[crtbox_on] = 1;
        refresh();
    }
    j[ptr_crt] = sellect_crt();
    j[cursor_pic] = PTR_ARROW;
    j[lmb_frames] = j[lmb_held] ? j[lmb_frames] + 1 : 0;
}

void draw_scraps()
{
    if (j[battle_stage] != 3) return;
    bool over = inside(j[mouse_x], j[mouse_y], 21, 99, 251, 259);
    draw_bmp(over ? PIC_START_LIT : PIC_START, UI, 0, 230, 1, 0);
    if (over && j[lmb_down]) {
        j[battle_stage] = 4;
        j[lmb_down] = 0;
        refresh();
    }
}

void draw_crtbox()
{
    draw_bmp_scr(PIC_LIST, UI, 20, 270, 1);
    for (int r = 0; r < CRTBOX_ROWS; r++) {
        int c = row_crt(r);
        if (c >= 0) draw_list_row(c, r);
    }
    int c = j[box_crt];
    if (!crt_ok(c)) return;
    if (j[crtbox_page] == 2) {
        draw_bmp_scr(PIC_CONDITIONS_PAGE, UI, 220, 270, 1);
        draw_conditions(c);
    } else if (j[crtbox_page] == 1) {
        draw_bmp_scr(PIC_STATS_PAGE, UI, 220, 270, 1);
        draw_crtstats(c, 225, 290);
    }
}

void draw_crtstats(int c, int x, int y)
{
    if (!crt_ok(c)) return;
    const crt_rec &k = CRT[c];
    wrt(x + 8, y, SCR_W, T_HP, TF_STATS, C_HP, 0, 2, 2, k.hp, k.max_hp);
    wrt(x + 93, y, SCR_W, T_WOUND, TF_STATS, C_HP, 0, 2, 1, k.wound_floor);
    wrt(x + 8, y + 12, SCR_W, T_MANA, TF_STATS, C_MANA, 0, 2, 2, k.mana, k.max_mana);
    wrt(x, y + 41, SCR_W, T_PHYS, TF_STATS, C_TEXT, 0, 2, 1, k.dmg_phys);
    const int dmg[4] = {k.dmg_e1, k.dmg_e2, k.dmg_e3, k.dmg_e4};
    const int res[4] = {k.res_e1, k.res_e2, k.res_e3, k.res_e4};
    for (int e = 0; e < 4; e++) wrt(x, y + 53 + 12 * e, SCR_W, T_E1 + e, TF_STATS, C_TEXT, 0, 2, 2, dmg[e], res[e]);
    wrt(x + 93, y + 41, SCR_W, T_ARMOUR, TF_STATS, C_TEXT, 0, 2, 2, k.armour, percent_of(k.armour, 90, 140));
    // The luck range counts the luck its gear adds.
    int en = k.en_item;
    int gear_luck = en >= 0 && en < ITEM_COUNT && ITEM[en].in_use == ITEM_EN_TOTAL ? ITEM[en].atv[16] : 0;
    long long range = (long long)k.luck_base + gear_luck + (long long)k.luck_per_level * k.stat_level;
    wrt(x + 93, y + 53, SCR_W, T_LUCK, TF_STATS, C_TEXT, 0, 2, 3, k.luck, percent_of(k.luck, 90, 140),
        (int)(range > INT32_MAX ? INT32_MAX : range < INT32_MIN ? INT32_MIN : range));
    wrt(x + 93, y + 65, SCR_W, T_HIT, TF_STATS, C_TEXT, 0, 2, 2, k.hit, percent_of(k.hit, 95, 70));
    wrt(x + 93, y + 77, SCR_W, T_DODGE, TF_STATS, C_TEXT, 0, 2, 2, k.dodge, percent_of(k.dodge, 90, 140));
    wrt(x + 93, y + 89, SCR_W, T_SPEED, TF_STATS, C_TEXT, 0, 2, 1, k.speed);
}

void crtbox_controls()
{
    if (!j[lmb_up] || !j[crtbox_on]) return;
    int x = j[mouse_x], y = j[mouse_y];
    if (inside(x, y, 401, 419, 271, 329)) {
        if (j[crtbox_page] != 1) {
            j[crtbox_page] = 1;
            refresh();
        }
    } else if (inside(x, y, 401, 419, 331, 389)) {
        if (j[crtbox_page] != 2) {
            j[crtbox_page] = 2;
            refresh();
        }
    } else if (inside(x, y, 200, 219, 271, 329)) {
        if (j[crtbox_first] > 0) j[crtbox_first]--;
        refresh();
    } else if (inside(x, y, 200, 219, 331, 389)) {
        if (j[crtbox_first] < CRTBOX_SCROLL_MAX) j[crtbox_first]++;
        refresh();
    } else if (inside(x, y, 21, 198, 271, 389)) {
        int c = row_crt((y - 270) / 24);
        if (c < 0) return;
        j[box_crt] = c;
        refresh();
        for (int a = 0; a < ANI_COUNT; a++)
            if (ANI[a].active && ANI[a].kind == 0 && ANI[a].pic == ANI_PICKED) ANI[a].active = 0;
        crt_effect(c, ANI_PICKED, 64);
    }
}

void stats_controls()
{
    if (!j[lmb_up]) return;
    int x = j[mouse_x], y = j[mouse_y];
    int m = j[shown_member];
    // A shown slot that names nobody counts as none.
    if (m < 0 || m >= PARTY_SIZE || !p1cr[m].in_use) {
        if (x < 441 || x > 619) return;
        for (int s = 0; s < PARTY_SIZE; s++) {
            int top = PARTY_ROW_Y + 1 + PARTY_ROW_H * s;
            if (!p1cr[s].in_use || y < top || y > top + 38) continue;
            j[shown_member] = s;
            p1cr[s].sel_skill = -1;
            p1cr[s].belt_sel = -1;
            refresh();
            return;
        }
        return;
    }
    if (inside(x, y, 441, 619, 17, 135)) sheet_click(x, y);
}

void other_controls()
{
    if (!j[lmb_up] || j[battle_on]) return;
    int x = j[mouse_x], y = j[mouse_y];
    int m = j[shown_member];
    if (m >= 0 && m < PARTY_SIZE && inside(x, y, 471, 589, 243, 261)) {
        clear_istk(STK_USABLE);
        int n = 0;
        for (int32_t e : ISTK[STK_INVENTORY].item)
            if (e >= 0 && e < ITEM_COUNT && ITEM[e].in_use == ITEM_LIVE && ITEM[e].item_class == ITEM_USABLE &&
                ITEM[e].atv[ATV_SHEET_USE] != 0)
                ISTK[STK_USABLE].item[n++] = e;
        j[istk_shown] = STK_USABLE;
        j[istk_scroll] = 0;
        j[istk_sel] = -1;
        refresh();
        return;
    }
    int shown = j[istk_shown];
    if ((shown == -1 || shown == STK_CATALOGUE) && !j[crtbox_on] && inside(x, y, 81, 99, 0, 15)) {
        if (shown == STK_CATALOGUE) {
            j[istk_shown] = -1;
        } else {
            if (j[cata_class] != ITEM_USABLE) j[cata_class] = ITEM_EQUIPMENT;
            make_cata_istk(j[cata_class], STK_CATALOGUE);
            j[istk_shown] = STK_CATALOGUE;
            j[istk_scroll] = 0;
            j[istk_sel] = -1;
        }
        refresh();
    }
}

}  // namespace hm
