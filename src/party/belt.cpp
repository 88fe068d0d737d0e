// belt.cpp -- the battle-item belt: filling it outside battle, its page of the battle panel, using an item on a creature
#include "battle/battle.h"
#include "core/core.h"
#include "party/battle_panel.h"
#include "party/party.h"
#include "world/world.h"

namespace hm {

namespace {

constexpr int POINTERS = 8;   // belt pictures are pointer pictures

int shown()
{
    int m = j[shown_member];
    return m >= 0 && m < PARTY_SIZE && p1cr[m].in_use ? m : -1;
}

// The live item in belt place k of member m, -1 none.
int belt_item(int m, int k)
{
    if (k < 0 || k >= BELT_SLOTS) return -1;
    int it = p1cr[m].belt[k];
    return it >= 0 && it < ITEM_COUNT && ITEM[it].in_use == ITEM_LIVE ? it : -1;
}

bool usable_place(int m, int k) { return k >= 0 && k < p1cr[m].belt_size; }

// Whether a belt item may be used on creature t: party and allies, or bystanders.
bool fits_target(int item, int t)
{
    if (t < 0 || t >= CRT_COUNT || !CRT[t].in_use || CRT[t].hp < 1) return false;
    int whom = ITEM[item].atv[ATV_BELT_TARGET], side = CRT[t].side;
    return (whom == 1 && (side == 1 || side == 3)) || (whom == 2 && side == 4);
}

}  // namespace

void draw_bat_it()
{
    int m = shown();
    if (m < 0) return;
    const p1cr_rec &p = p1cr[m];
    draw_bmp_scr(PIC_PANEL_BODY, UI_GROUP, 440, 270, 1);
    if (j[battle_on]) draw_bmp_scr(PIC_USE_OFF, UI_GROUP, 569, 278, 1);
    for (int k = 0; k < BELT_SLOTS; k++) {
        int dx = place_dx(k), dy = place_dy(k);
        int it = belt_item(m, k);
        if (!usable_place(m, k)) draw_bmp_scr(PIC_PLACE_EMPTY, UI_GROUP, 445 + dx, 275 + dy, 1);
        if (k == p.belt_sel) {
            draw_bmp_scr(PIC_PLACE_MARK, UI_GROUP, 446 + dx, 276 + dy, 1);
            if (it >= 0 && !j[battle_on]) draw_bmp_scr(PIC_BELT_REMOVE, UI_GROUP, 558, 374, 1);
            if (it >= 0 && j[battle_on] && !p.belt_used) draw_bmp_scr(PIC_USE, UI_GROUP, 569, 278, 1);
        }
        if (it >= 0) draw_bmp_scr(ITEM[it].atv[ATV_BELT_PIC], POINTERS, 450 + dx, 280 + dy, 1);
    }
}

void bat_it_controls1()
{
    int m = shown();
    if (j[battle_on] || m < 0 || !j[lmb_up]) return;
    p1cr_rec &p = p1cr[m];
    const int x = j[mouse_x], y = j[mouse_y];
    if (within(x, y, 558, 614, 374, 386)) {
        int k = p.belt_sel;
        int it = belt_item(m, k);
        if (it < 0) return;
        ITEM[it].equipped_by = -1;
        p.belt[k] = -1;
        j[istk_sel] = -1;
        update_scr();
        return;
    }
    int k = grid_place(x, y);
    if (!usable_place(m, k)) return;
    j[belt_slot] = k;
    p.belt_sel = k;
    make_cata_istk(ITEM_USABLE, STK_BELT_PICK);
    j[istk_shown] = STK_BELT_PICK;
    j[istk_scroll] = 0;
    j[istk_sel] = belt_item(m, k);
    update_scr();
}

void bat_it_controls2()
{
    int m = shown();
    if (!j[battle_on] || m < 0) return;
    p1cr_rec &p = p1cr[m];
    // The belt is used on the member's own turn, from its page of the panel.
    int c = member_crt(m);
    if (c < 0 || c != j[cur_crt]) return;
    if (j[bat_it_on]) {
        int it = j[bat_it_item];
        int t = j[ptr_crt];
        bool ok = it >= 0 && it < ITEM_COUNT && ITEM[it].in_use == ITEM_LIVE && fits_target(it, t);
        if (ok) sdrst(t, 1, 8, -16, 8, 1, 0);
        if (!j[lmb_up]) return;
        j[lmb_up] = 0;
        j[bat_it_on] = 0;
        if (ok) {
            p.belt_used = 1;
            p.belt_sel = -1;
            use_item(it, t);
        }
        update_scr();
        return;
    }
    if (!j[lmb_up] || p.skill_mode != 2) return;
    const int x = j[mouse_x], y = j[mouse_y];
    int chosen = belt_item(m, p.belt_sel);
    if (on_use_button(x, y)) {
        if (p.belt_used || chosen < 0) return;
        j[bat_it_on] = 1;
        j[bat_it_item] = chosen;
        update_scr();
        return;
    }
    int k = grid_place(x, y);
    if (usable_place(m, k) && belt_item(m, k) >= 0) {
        p.belt_sel = k;
        update_scr();
    }
}

}  // namespace hm
