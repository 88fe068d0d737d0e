// inventory_screen.cpp -- the item list panel, its statistics box and action button, and the slot buttons
#include <climits>

#include "chests/chests.h"
#include "core/core.h"
#include "data/data.h"
#include "items/items.h"
#include "party/party.h"
#include "story/story.h"
#include "world/world.h"

namespace hm {

namespace {

constexpr int UI = 7;        // interface pictures
constexpr int ICONS = 10;    // item icons
enum {
    PIC_LIST = 5, PIC_ROW_SEL = 6, PIC_STATS = 7, PIC_STATS_CLOSE = 8,
    PIC_EQUIP = 25, PIC_EQUIP_OFF = 26, PIC_CHEST_TABS_LOCKED = 29,
    PIC_TAKE = 51, PIC_TAKE_OFF = 52, PIC_BUY = 66, PIC_BUY_OFF = 67,
    PIC_CATA_TABS = 69, PIC_CATA_TAB_1 = 70, PIC_CATA_TAB_2 = 71,
    PIC_MARK = 77, PIC_USE = 79, PIC_CHEST_TABS = 94, PIC_PUT_TABS = 95,
    PIC_PUT = 96, PIC_PUT_OFF = 97, PIC_CLOSE = 98, PIC_BULLET = 128,
};
constexpr int SLOT_PIC = 9;  // slot s's button is picture s + 9
constexpr int ROW_Y = 270, ROW_H = 24;
constexpr int STAT_X = 224, STAT_Y = 276, STAT_LINE = 9;
constexpr int STAT_BOTTOM = 380;   // the last line of the box starts above this
constexpr int STAT_WRAP = 350;     // lines wrap before the requirements column
constexpr int NEEDS = 5;
enum {
    TF_ATTRS = 2,      // attribute k's line with its value
    TF_SCREEN = 3,     // 0 "worn by", 3 the price
    TF_USABLE = 9,     // lines of a usable item
    TF_NEEDS = 13,     // 7 heading, 8..12 one per attribute, 13 "none"
};
enum {
    C_SHADOW = 1, C_NAME = 6, C_WORN = 12, C_HEADING = 13, C_PRICE = 15, C_NOTE = 16, C_WEARER = 17,
    C_HEAL = 22, C_UNMET = 25, C_MANA = 47,
};
constexpr uint8_t CHEST_DELETE_WHEN_EMPTY = 3;

bool item_ok(int item) { return item >= 0 && item < ITEM_COUNT; }
bool live(int item) { return item_ok(item) && ITEM[item].in_use == ITEM_LIVE; }
bool stack_ok(int s) { return s >= 0 && s < ISTK_COUNT; }

bool inside(int x, int y, int x0, int x1, int y0, int y1) { return x > x0 && x < x1 && y > y0 && y < y1; }

bool listed(int stack, int item)
{
    if (!stack_ok(stack)) return false;
    for (int32_t e : ISTK[stack].item)
        if (e == item) return true;
    return false;
}

int weight(int item) { return ITEM[item].atv[ATV_WEIGHT]; }

// Room left in the open chest (the chest code's chest_space): 20 slots less
// its live temporary copies.
int room_in_chest()
{
    int n = CHEST_SLOTS;
    for (int k = 0; k < ITEM_COUNT; k++)
        if (ITEM[k].in_use == ITEM_LIVE && ITEM[k].origin == ORIGIN_CHEST) n--;
    return n;
}

bool delete_when_empty()
{
    int c = j[cur_chest];
    return c >= 0 && c < CHEST_COUNT && chest[c].trap_state == CHEST_DELETE_WHEN_EMPTY;
}

// Whether the action button would act on the selected item now.  A move into
// a full stack is refused like a weight that does not fit.
bool action_possible(int stack, int item)
{
    switch (stack) {
    case STK_LOOT:
    case STK_CHEST: return weight(item) <= weight_left() && istk_free_entry(STK_INVENTORY) >= 0;
    case STK_CHEST_PUT: return room_in_chest() > 0 && istk_free_entry(STK_CHEST) >= 0;
    case STK_FIT_SLOT: return !j[battle_on] && check_attributes(j[eqp_member], item);
    case STK_BELT_PICK: return true;
    case STK_USABLE: return true;
    case STK_SHOP:
        return weight(item) <= weight_left() && npc_item_price(j[talk_npc], item) <= j[gold] &&
               istk_free_entry(STK_INVENTORY) >= 0;
    default: return false;
    }
}

void draw_action_button(int stack, int item)
{
    bool ok = action_possible(stack, item);
    int pic = -1;
    switch (stack) {
    case STK_LOOT:
    case STK_CHEST: pic = ok ? PIC_TAKE : PIC_TAKE_OFF; break;
    case STK_CHEST_PUT: pic = ok ? PIC_PUT : PIC_PUT_OFF; break;
    case STK_FIT_SLOT: pic = ok ? PIC_EQUIP : PIC_EQUIP_OFF; break;
    case STK_BELT_PICK: pic = PIC_EQUIP; break;
    case STK_USABLE: pic = PIC_USE; break;
    case STK_SHOP: pic = ok ? PIC_BUY : PIC_BUY_OFF; break;
    default: break;
    }
    if (pic >= 0) draw_bmp_scr(pic, UI, 322, 292, 1);
    if (stack != STK_FIT_SLOT || check_attributes(j[eqp_member], item)) return;
    // Why it cannot be worn: each need the member falls short of.
    int m = j[eqp_member], row = 0;
    bool member = m >= 0 && m < P1CR_COUNT;
    for (int k = 0; k < NEEDS; k++) {
        int need = ITEM[item].atv[ATV_NEED + k];
        if (member ? p1cr[m].attr[2 * k + 1] >= need : need == 0) continue;
        draw_bmp_scr(PIC_BULLET, UI, 374, 317 + STAT_LINE * row, 1);
        wrt(380, 315 + STAT_LINE * row, SCR_W, 8 + k, TF_NEEDS, C_UNMET, 0, 2, 1, need);
        row++;
    }
}

// One line of the statistics box; false once only the price line has room.
bool stat_line(int &y, int text, int file, int colour, int value)
{
    if (y + STAT_LINE > STAT_BOTTOM) return false;
    wrt(STAT_X, y, STAT_WRAP, text, file, colour, 0, 2, 1, value);
    y += STAT_LINE + j[text_h];
    return true;
}

// Reads tcol1.txt afresh: the colour of each attribute's line.
void attribute_colours(int *colour)
{
    for (int a = 0; a < ATTR_COLOURS; a++) colour[a] = 15;
    txt_reader in;
    if (!in.open("tcol1.txt")) return;
    for (int a = 0; a < ATTR_COLOURS; a++) {
        int v = 0;
        if (!in.read_int(&v)) break;
        colour[a] = v & 0xff;
    }
}

void take_item(int stack, int item)
{
    if (swap_item_istk(item, stack, STK_INVENTORY) && stack == STK_CHEST) ITEM[item].origin = ORIGIN_PLAIN;
    j[istk_sel] = -1;
}

void put_in_chest(int item)
{
    for (int32_t &e : ISTK[STK_CHEST_PUT].item)
        if (e == item) {
            e = -1;
            break;
        }
    remove_equipped_item(item);
    swap_item_istk(item, STK_INVENTORY, STK_CHEST);
    ITEM[item].origin = ORIGIN_CHEST;
    j[istk_sel] = -1;
}

void buy(int item)
{
    int price = npc_item_price(j[talk_npc], item);
    ITEM[item].origin = ORIGIN_PLAIN;
    swap_item_istk(item, STK_SHOP, STK_INVENTORY);
    // The good leaves the NPC's list so that it is not offered again.
    int n = j[talk_npc], s = ITEM[item].shop_slot;
    if (n >= 0 && n < NPC_COUNT && s < NPC_ITEM_SLOTS) npc[n].item_type[s] = -1;
    j[gold] = (int)((long long)j[gold] - price);
    j[istk_sel] = -1;
}

void put_on_belt(int item)
{
    int m = j[shown_member], place = j[belt_slot];
    if (m < 0 || m >= PARTY_SIZE || !p1cr[m].in_use || place < 0 || place >= BELT_SLOTS) return;
    int32_t &b = p1cr[m].belt[place];
    if (item_ok(b)) ITEM[b].equipped_by = -1;
    for (int o = 0; o < PARTY_SIZE; o++)
        for (int32_t &e : p1cr[o].belt)
            if (e == item) e = -1;
    ITEM[item].equipped_by = m;
    b = item;
}

void act(int stack, int item)
{
    if (!action_possible(stack, item)) return;
    switch (stack) {
    case STK_LOOT:
    case STK_CHEST: take_item(stack, item); break;
    case STK_CHEST_PUT: put_in_chest(item); break;
    case STK_SHOP: buy(item); break;
    case STK_FIT_SLOT: equip_item(j[eqp_member], j[eqp_slot_sel], item); break;
    case STK_BELT_PICK: put_on_belt(item); break;
    case STK_USABLE: use_item(item, j[shown_member]); break;
    default: break;
    }
}

void show_stack(int stack)
{
    j[istk_shown] = stack;
    j[istk_scroll] = 0;
    j[istk_sel] = -1;
}

// One click on the list panel; false when the click hit nothing of it.
bool click(int x, int y)
{
    int stack = j[istk_shown];
    if (inside(x, y, 0, 20, 350, 390)) {
        j[istk_shown] = -1;
        return true;
    }
    if (x > 199 && x < 220) {
        if (y > 270 && y < 330 && j[istk_scroll] > 0) j[istk_scroll] -= ISTK_ROWS;
        else if (y > 330 && y < 390 && j[istk_scroll] < ISTK_SCROLL_MAX) j[istk_scroll] += ISTK_ROWS;
        else return false;
        j[istk_sel] = -1;
        return true;
    }
    if (inside(x, y, 20, 199, ROW_Y, 390)) {
        int item = istk_row_entry((y - ROW_Y) / ROW_H);
        if (item < 0) return false;
        j[istk_sel] = item;
        return true;
    }
    if (x > 0 && x < 20 && stack == STK_CATALOGUE) {
        int cls = y > 270 && y < 290 ? ITEM_EQUIPMENT : y > 290 && y < 310 ? ITEM_USABLE : 0;
        if (cls == 0 || cls == j[cata_class]) return false;
        make_cata_istk(cls, STK_CATALOGUE);
        j[cata_class] = cls;
        j[istk_sel] = -1;
        return true;
    }
    if (x > 0 && x < 20 && stack == STK_CHEST_PUT && y > 270 && y < 290) {
        show_stack(STK_CHEST);
        return true;
    }
    if (x > 0 && x < 20 && stack == STK_CHEST && y > 290 && y < 310 && istk_may_put_in()) {
        clear_istk(STK_CHEST_PUT);
        int n = 0;
        for (int32_t e : ISTK[STK_INVENTORY].item)
            if (live(e) && ITEM[e].keep_flag == 0) ISTK[STK_CHEST_PUT].item[n++] = e;
        show_stack(STK_CHEST_PUT);
        return true;
    }
    int sel = j[istk_sel];
    bool chosen = istk_sel_listed();
    if (inside(x, y, 322, 418, 292, 308) && !j[istats_open] && chosen) {
        act(stack, sel);
        return true;
    }
    if (inside(x, y, 322, 418, 274, 290) && !j[istats_open] && chosen) {
        j[istats_open] = 1;
        return true;
    }
    if (inside(x, y, 386, 418, 356, 388) && j[istats_open]) {
        j[istats_open] = 0;
        return true;
    }
    return false;
}

}  // namespace

int istk_row_entry(int r)
{
    int stack = j[istk_shown];
    if (!stack_ok(stack) || r < 0 || r >= ISTK_ROWS) return -1;
    // The list scrolls further than a stack is long; rows past it are empty.
    int e = j[istk_scroll] + r;
    if (e < 0 || e >= ISTK_SIZE) return -1;
    int item = ISTK[stack].item[e];
    return item_ok(item) ? item : -1;
}

int istk_row_item(int r)
{
    int item = istk_row_entry(r);
    return live(item) ? item : -1;
}

int istk_sel_listed()
{
    // Only an item the shown list holds is acted on: a selection left over from
    // another list must not buy or take what is not there.
    int sel = j[istk_sel];
    return live(sel) && listed(j[istk_shown], sel) ? 1 : 0;
}

int istk_action_possible(int stack, int item) { return live(item) && action_possible(stack, item) ? 1 : 0; }

int istk_may_put_in() { return delete_when_empty() ? 0 : 1; }

void draw_istk()
{
    int stack = j[istk_shown];
    if (!stack_ok(stack)) return;
    draw_bmp_scr(PIC_LIST, UI, 20, 270, 1);
    draw_bmp_scr(PIC_CLOSE, UI, 0, 350, 1);
    if (stack == STK_CATALOGUE) {
        draw_bmp_scr(PIC_CATA_TABS, UI, 0, 270, 1);
        if (j[cata_class] == ITEM_USABLE) draw_bmp_scr(PIC_CATA_TAB_2, UI, 0, 290, 1);
        else draw_bmp_scr(PIC_CATA_TAB_1, UI, 0, 270, 1);
    } else if (stack == STK_CHEST) {
        draw_bmp_scr(delete_when_empty() ? PIC_CHEST_TABS_LOCKED : PIC_CHEST_TABS, UI, 0, 270, 1);
    } else if (stack == STK_CHEST_PUT) {
        draw_bmp_scr(PIC_PUT_TABS, UI, 0, 270, 1);
    }
    for (int r = 0; r < ISTK_ROWS; r++) {
        int item = istk_row_item(r);
        if (item < 0) continue;
        const item_rec &it = ITEM[item];
        int y = ROW_Y + ROW_H * r;
        if (item == j[istk_sel]) {
            draw_bmp_scr(PIC_ROW_SEL, UI, 25, y + 4, 1);
            if (j[istats_open]) {
                draw_istats(item);
                draw_bmp_scr(PIC_STATS_CLOSE, UI, 386, 356, 1);
            } else {
                draw_action_button(stack, item);
                draw_bmp_scr(PIC_STATS, UI, 322, 274, 1);
                draw_bmp_scr(it.pic, ICONS, 220, 272, 1);
                if (it.equipped_by >= 0 && it.equipped_by < P1CR_COUNT) {
                    wrt(222, 380, SCR_W, 0, TF_SCREEN, C_WORN, 0, 2, 0);
                    wrt2(260, 380, P1CR_NAME_LEN, C_WEARER, 0, 2, p1cr[it.equipped_by].name);
                }
            }
        }
        int w = wrt2(26, y + 8, ITEM_NAME_LEN, C_NAME, 0, 2, it.name);
        wrt2(27, y + 8, ITEM_NAME_LEN, C_SHADOW, 0, 2, it.name);
        if ((stack == STK_BELT_PICK || stack == STK_USABLE) && it.equipped_by != -1) {
            int mark_x = 26 + w + 30;
            if (mark_x > 187) mark_x = 187;   // the mark stays clear of the scroll column
            draw_bmp_scr(PIC_MARK, UI, mark_x, y + 6, 1);
        }
    }
}

void draw_istats(int item)
{
    if (!item_ok(item)) return;
    const item_rec &it = ITEM[item];
    int y = STAT_Y;
    if (it.item_class == ITEM_EQUIPMENT) {
        int colour[ATTR_COLOURS];
        attribute_colours(colour);
        for (int a = 0; a < TOTAL_ATVS; a++)
            if (it.atv[a] != 0 && !stat_line(y, a, TF_ATTRS, colour[a], it.atv[a])) break;
        wrt(355, 276, SCR_W, 7, TF_NEEDS, C_HEADING, 0, 2, 0);
        int row = 0;
        for (int k = 0; k < NEEDS; k++) {
            int need = it.atv[ATV_NEED + k];
            if (need == 0) continue;
            draw_bmp_scr(PIC_BULLET, UI, 374, 287 + STAT_LINE * row, 1);
            wrt(380, 285 + STAT_LINE * row, SCR_W, 8 + k, TF_NEEDS, C_NOTE, 0, 2, 1, need);
            row++;
        }
        if (row == 0) wrt(390, 285, SCR_W, 13, TF_NEEDS, C_NOTE, 0, 2, 0);
    } else if (it.item_class == ITEM_USABLE) {
        stat_line(y, 0, TF_ATTRS, 12, it.atv[ATV_WEIGHT]);
        if (it.atv[ATV_HEAL]) stat_line(y, 0, TF_USABLE, C_HEAL, it.atv[ATV_HEAL]);
        if (it.atv[ATV_HEAL_PCT]) stat_line(y, 1, TF_USABLE, C_HEAL, it.atv[ATV_HEAL_PCT]);
        // Condition numbers from a type file name texts only when they are conditions.
        int cure = it.atv[ATV_CURE], cause = it.atv[ATV_CAUSE];
        if (cure >= 0 && cure < CONDITIONS) stat_line(y, cure + 2, TF_USABLE, C_NOTE, 0);
        if (cause >= 0 && cause < CONDITIONS) stat_line(y, cause + 23, TF_USABLE, C_NOTE, 0);
        if (it.atv[ATV_CAUSE_ROUNDS]) stat_line(y, 45, TF_USABLE, C_NOTE, it.atv[ATV_CAUSE_ROUNDS]);
        if (it.atv[ATV_MANA]) stat_line(y, 46, TF_USABLE, C_MANA, it.atv[ATV_MANA]);
        if (it.atv[ATV_MANA_PCT]) stat_line(y, 47, TF_USABLE, C_MANA, it.atv[ATV_MANA_PCT]);
    }
    // The price keeps the last line, however many attributes came before it.
    if (y > STAT_BOTTOM) y = STAT_BOTTOM;
    wrt(STAT_X, y, STAT_WRAP, 3, TF_SCREEN, C_PRICE, 0, 2, 1, calc_price(item));
}

void istk_controls()
{
    if (!j[lmb_up] || !stack_ok(j[istk_shown])) return;
    if (click(j[mouse_x], j[mouse_y])) update_scr();
}

void draw_eqp_com(int member)
{
    if (member < 0 || member >= P1CR_COUNT) return;
    for (int s = 0; s < EQP_SLOTS; s++)
        if (p1cr[member].slot_ok[s]) draw_bmp_scr(s + SLOT_PIC, UI, eqp_box_x(s), eqp_box_y(s), 1);
}

void eqp_controls()
{
    int m = j[shown_member];
    if (!j[lmb_up] || m < 0 || m >= PARTY_SIZE || !p1cr[m].in_use) return;
    int x = j[mouse_x], y = j[mouse_y];
    for (int s = 0; s < EQP_SLOTS; s++) {
        if (!p1cr[m].slot_ok[s]) continue;
        if (x < eqp_box_x(s) || x >= eqp_box_x(s) + EQP_BOX || y < eqp_box_y(s) || y >= eqp_box_y(s) + EQP_BOX) continue;
        make_eqp_istk(s);
        j[crtbox_on] = 0;
        j[istk_shown] = STK_FIT_SLOT;
        j[istk_scroll] = 0;
        j[eqp_member] = m;
        j[eqp_slot_sel] = s;
        int worn = p1cr[m].eqp[s];
        j[istk_sel] = live(worn) ? worn : -1;
        update_scr();
        return;
    }
}

}  // namespace hm
