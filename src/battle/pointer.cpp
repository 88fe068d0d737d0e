// pointer.cpp -- the pointer's shape: what a click at the pointer would do
#include "battle/battle.h"
#include "battle/panels.h"
#include "core/core.h"
#include "items/items.h"
#include "party/party.h"
#include "world/world.h"

namespace hm {

namespace {

constexpr int LEAVE_REACH = 24;   // the boot shows for border cells this far from the leader

bool inside(int x, int y, int x0, int x1, int y0, int y1) { return x >= x0 && x <= x1 && y >= y0 && y <= y1; }

bool shown_ok(int m) { return m >= 0 && m < PARTY_SIZE && p1cr[m].in_use; }

bool over_party_row(int x, int y)
{
    if (x < 441 || x > 619) return false;
    for (int s = 0; s < PARTY_SIZE; s++) {
        int top = PARTY_ROW_Y + 1 + PARTY_ROW_H * s;
        if (p1cr[s].in_use && y >= top && y <= top + 38) return true;
    }
    return false;
}

bool over_slot(int m, int x, int y)
{
    for (int s = 0; s < EQP_SLOTS; s++)
        if (p1cr[m].slot_ok[s] && x >= eqp_box_x(s) && x < eqp_box_x(s) + EQP_BOX && y >= eqp_box_y(s) &&
            y < eqp_box_y(s) + EQP_BOX)
            return true;
    return false;
}

// Over a button of the inventory screen that would act.
bool over_inventory_button(int x, int y)
{
    int stack = j[istk_shown];
    if (stack < 0 || stack >= ISTK_COUNT) return false;
    if (x > 199 && x < 220)
        return (y > 270 && y < 330 && j[istk_scroll] > 0) || (y > 330 && y < 390 && j[istk_scroll] < ISTK_SCROLL_MAX);
    if (x > 20 && x < 199 && y > 270 && y < 390) return istk_row_entry((y - 270) / 24) >= 0;
    // The catalogue's two tabs; the close button and the chest's tabs keep the arrow.
    if (x > 0 && x < 20) return stack == STK_CATALOGUE && y > 270 && y < 310 && y != 290;
    if (!istk_sel_listed() || j[istats_open]) return false;
    return x > 322 && x < 418 && y > 292 && y < 308 && istk_action_possible(stack, j[istk_sel]);
}

bool over_crtbox_button(int x, int y)
{
    if (inside(x, y, 401, 419, 271, 329)) return j[crtbox_page] != 1;
    if (inside(x, y, 401, 419, 331, 389)) return j[crtbox_page] != 2;
    if (inside(x, y, 200, 219, 271, 329)) return true;
    if (inside(x, y, 200, 219, 331, 389)) return j[crtbox_first] < CRTBOX_HAND_MAX;
    if (inside(x, y, 21, 198, 271, 389)) return crtbox_listed(j[crtbox_first] + (y - 270) / 24) >= 0;
    return false;
}

// A walkable cell past the level's bounds, near enough for the leader to walk
// off the level there.
bool leaves_level(int cell)
{
    if (cell < 0 || cell >= MAP_CELLS || grsc[cell] == BLOCKED) return false;
    int cx = cell % MAP_W, cy = cell / MAP_W;
    if (cx > lsts[west_bound] && cx < lsts[east_bound] && cy > lsts[north_bound] && cy < lsts[south_bound]) return false;
    int lc = leader_crt();
    if (lc < 0) return false;
    set_pbuf(CRT[lc].x, CRT[lc].y);
    int d = pbuf[cell];
    return d >= 1 && d <= LEAVE_REACH;
}

}  // namespace

void mouse_ptr()
{
    int x = j[mouse_x], y = j[mouse_y];
    int hand = hand_pic();
    int &pic = j[cursor_pic];
    int shown = j[istk_shown];
    if (!j[battle_on] && (shown == -1 || shown == STK_CATALOGUE) && !j[crtbox_on] && inside(x, y, 81, 99, 0, 15))
        pic = hand;
    if (j[loot_state] == 1 && inside(x, y, 121, 319, 121, 179)) pic = hand;
    int m = j[shown_member];
    if (!shown_ok(m) && over_party_row(x, y)) pic = hand;
    if (shown_ok(m) && inside(x, y, 441, 619, 17, 135)) pic = hand;
    if (shown_ok(m) && over_slot(m, x, y)) pic = hand;
    if (over_inventory_button(x, y)) pic = hand;
    if (j[crtbox_on] && over_crtbox_button(x, y)) pic = hand;
    if (j[battle_stage] == 0 && j[ptr_in_view] && leaves_level(j[mouse_cell])) pic = PTR_LEAVE;
    if (j[ptr_in_view] && j[battle_on] && j[ptr_crt] != -1) pic = PTR_TARGET;
    if (j[rmb_held] && (x < 21 || x > 419 || y < 21 || y > 259)) pic = PTR_SCROLL;
    if (j[bat_sk_on]) pic = PTR_SKILL;
    if (j[bat_it_on]) {
        int item = j[bat_it_item];
        if (item >= 0 && item < ITEM_COUNT) pic = ITEM[item].atv[ATV_BELT_PIC];
    }
    if (j[editor_on]) {
        if (j[sel_chest] >= 0) pic = PTR_EDIT_CHEST;
        if (j[sel_spawner] >= 0) pic = PTR_EDIT_SPAWNER;
    }
    if (j[talk_hover]) pic = PTR_TALK;
}

}  // namespace hm
