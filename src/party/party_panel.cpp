// party_panel.cpp -- the party panel's rows, a member's sheet, and the creatures their figures come from
#include "battle/battle.h"
#include "core/core.h"
#include "data/data.h"
#include "items/items.h"
#include "party/party.h"
#include "world/world.h"

namespace hm {

namespace {

constexpr int UI = 7;                  // interface pictures
constexpr int PIC_ROW = 1;             // one member's row
constexpr int PIC_SHEET = 2;           // a member's sheet
constexpr int PIC_SKILLS_TAB = 4, PIC_SKILLS_TAB_LIT = 27;
constexpr int PIC_ATTR_TAB = 24, PIC_ATTR_TAB_LIT = 28;
constexpr int PIC_USE_ITEMS = 30, PIC_USE_ITEMS_DOWN = 31;
constexpr int PIC_TURN = 48;           // marks the member whose turn it is
constexpr int TEXTS = 8;               // text file of the party panel
enum {
    T_LEVEL_EXP = 0,   // sheet: level, experience and the next level's experience
    T_HP = 1,          // sheet: hit points of most
    T_MANA = 2,        // sheet: mana of most
    T_ATTRS_1 = 3,     // sheet: A0, A1, A2
    T_ATTRS_2 = 4,     // sheet: A3, A4 and attribute points
    T_ROW_HP = 5,      // row: hit points of most
    T_ROW_MANA = 6,    // row: mana of most
    T_ROW_EXP = 7,     // row: experience
};
enum {
    C_SHADOW = 1, C_LABEL = 12, C_NAME = 15, C_HP = 42, C_LEVEL = 74, C_MANA = 128, C_ATTR = 141,
};

// What a member's row and sheet show of its creature.
struct figures {
    bool known = false;   // false when no creature stands for the member
    int hp = 0, max_hp = 0, mana = 0, max_mana = 0;
};

figures figures_of(int m)
{
    figures f;
    int tmp = 0;
    int c = member_stand_in(m, &tmp);
    if (c < 0) return f;
    f.known = true;
    f.hp = CRT[c].hp;
    f.max_hp = CRT[c].max_hp;
    f.mana = CRT[c].mana;
    f.max_mana = CRT[c].max_mana;
    if (tmp) free_tmp_crt(c);
    return f;
}

void name_with_shadow(int x, int y, const char *name)
{
    wrt2(x + 1, y + 1, P1CR_NAME_LEN, C_SHADOW, 0, 2, name);
    wrt2(x, y, P1CR_NAME_LEN, C_NAME, 0, 2, name);
}

void draw_rows()
{
    int turn = j[battle_stage] == 5 ? j[cur_crt] : -1;
    for (int m = 0; m < PARTY_SIZE; m++) {
        const p1cr_rec &p = p1cr[m];
        if (!p.in_use) continue;
        int y = PARTY_ROW_Y + PARTY_ROW_H * m;
        draw_bmp_scr(PIC_ROW, UI, PARTY_ROW_X, y, 1);
        if (turn >= 0 && member_crt(m) == turn) draw_bmp_scr(PIC_TURN, UI, 426, y, 1);
        name_with_shadow(446, y + 4, p.name);
        wnum(588 + (p.level < 10 ? 3 : 0), y + 4, p.level, C_LEVEL, 0, 2);
        figures f = figures_of(m);
        if (f.known) {
            wrt(446, y + 17, SCR_W, T_ROW_HP, TEXTS, C_HP, 0, 2, 2, f.hp, f.max_hp);
            wrt(446, y + 29, SCR_W, T_ROW_MANA, TEXTS, C_MANA, 0, 2, 2, f.mana, f.max_mana);
        }
        wrt(540, y + 17, SCR_W, T_ROW_EXP, TEXTS, C_LABEL, 0, 2, 1, p.exp);
    }
}

void draw_sheet(int m)
{
    const p1cr_rec &p = p1cr[m];
    draw_bmp_scr(j[skill_list_state] ? PIC_SKILLS_TAB_LIT : PIC_SKILLS_TAB, UI, 442, 0, 1);
    draw_bmp_scr(j[attr_open] ? PIC_ATTR_TAB_LIT : PIC_ATTR_TAB, UI, 490, 0, 1);
    draw_bmp_scr(PIC_SHEET, UI, 440, 16, 1);
    wrt2(444, 21, P1CR_NAME_LEN, C_NAME, 0, 2, p.name);
    long long next = (long long)p.exp + find_exp_needed(p.exp);
    wrt(446, 39, SCR_W, T_LEVEL_EXP, TEXTS, C_LABEL, 0, 2, 3, p.level, p.exp, next > INT32_MAX ? INT32_MAX : next);
    figures f = figures_of(m);
    if (f.known) {
        wrt(446, 50, SCR_W, T_HP, TEXTS, C_HP, 0, 2, 2, f.hp, f.max_hp);
        wrt(446, 61, SCR_W, T_MANA, TEXTS, C_MANA, 0, 2, 2, f.mana, f.max_mana);
    }
    const int32_t *a = p.attr;   // current value of Ak in entry 2k + 1
    wrt(446, 88, SCR_W, T_ATTRS_1, TEXTS, C_ATTR, 0, 2, 3, a[1], a[3], a[5]);
    wrt(446, 99, SCR_W, T_ATTRS_2, TEXTS, C_ATTR, 0, 2, 3, a[7], a[9], p.attr_points);
    draw_eqp_com(m);
    if (!j[battle_on]) draw_bmp_scr(j[istk_shown] == STK_USABLE ? PIC_USE_ITEMS_DOWN : PIC_USE_ITEMS, UI, 470, 242, 1);
    if (j[battle_on]) draw_skills();
    else draw_bat_it();
}

}  // namespace

int member_stand_in(int m, int *tmp)
{
    *tmp = 0;
    if (m < 0 || m >= P1CR_COUNT || !p1cr[m].in_use) return -1;
    int c = member_crt(m);
    if (c >= 0 || j[battle_on]) return c;
    const p1cr_rec &p = p1cr[m];
    c = new_creature(p.crt_type, p.level, 1, p.hp, p.mana, m, -1, 0, 0);
    if (c >= 0) *tmp = 1;
    return c;
}

void free_tmp_crt(int c)
{
    if (c < 0 || c >= CRT_COUNT) return;
    crt_rec &k = CRT[c];
    int m = k.party_index;
    if (m >= 0 && m < P1CR_COUNT && p1cr[m].crt == c) p1cr[m].crt = -1;
    k.party_index = -1;
    k.in_use = 0;
}

void draw_party_panel()
{
    int m = j[shown_member];
    if (m >= 0 && m < PARTY_SIZE && p1cr[m].in_use) draw_sheet(m);
    else draw_rows();
}

}  // namespace hm
