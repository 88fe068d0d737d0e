// windows.cpp -- the editor's level, chest and spawner windows
#include <algorithm>
#include <cstring>
#include <vector>

#include "battle/battle.h"
#include "chests/chests.h"
#include "core/core.h"
#include "data/data.h"
#include "editor/editor.h"
#include "editor/editor_window.h"
#include "story/story.h"
#include "world/world.h"

namespace hm {

namespace {

constexpr int FRAME_MS = 24;
constexpr int LABEL = 60, VALUE = 70, WORD = 76;
constexpr int UI = 7;
constexpr int PIC_CONTINUE = 64;
constexpr int CONTINUE_X = 374, CONTINUE_Y = 214;
constexpr int NAMES = 5;            // the text file of creature names
constexpr int ITEM_NAME = 26;

int label(int x, int y, const char *s) { return wrt2(x, y, 40, LABEL, 0, 1, s); }
int word(int x, int y, const char *s, int colour = WORD) { return wrt2(x, y, 60, colour, 0, 1, s); }

bool left_click_on(int x, int w, int y) { return mb1 == EDGE_PRESSED && min_box(x, x + w, y, y + 10); }

// The continue button of the chest and spawner windows, and whether it was clicked.
bool continue_button()
{
    draw_bmp(PIC_CONTINUE, UI, CONTINUE_X, CONTINUE_Y, 1, 0);
    return mb1 == EDGE_PRESSED && mx - VIEW_X > CONTINUE_X && my - VIEW_Y > CONTINUE_Y;
}

// The end of a frame of the chest or spawner window: true when it was closed.
bool closed_by_continue()
{
    bool done = continue_button();
    window_frame_end();
    return done;
}

// An "Item:" row: the item's name and its chance; a left release on the label
// chooses the item, a right release edits the chance.
template <typename Type, typename Chance>
void item_row(int x, int y, Type &type, Chance &chance, int type_lo, int type_hi)
{
    int w = label(x, y, "Item:");
    char name[ITEM_NAME];
    get_item_name(type, name);
    int at = x + w + 4 + word(x + w + 4, y, name, VALUE);
    wnum(at + 6, y, chance, WORD, 0, 1);
    if (!min_box(x, x + w, y, y + 10)) return;
    if (mb1 == EDGE_RELEASED) {
        int t = type;
        choose_item(&t);
        type = (Type)clamp_to(t, type_lo, type_hi);
    } else if (mb2 == EDGE_RELEASED) {
        int v = chance;
        edit_num(x, y, w, &v, 0, 100);
        chance = (Chance)v;
    }
}

const char *side_word(int s)
{
    static const char *const words[] = {"(Left)", "(Right)", "(Up)", "(Down)"};
    return s >= 1 && s <= 4 ? words[s - 1] : "";
}

const char *trap_word(int t)
{
    static const char *const words[] = {"(No trap)", "(Locked)", "(Jammed)", "(Delete when empty)"};
    return t >= 0 && t <= 3 ? words[t] : "";
}

void exit_row(int y, int d)
{
    static const char *const labels[] = {"West lev:", "East lev:", "North lev:", "South lev:"};
    int32_t &lev = lsts[9 + 3 * d];
    int w = label(10, y, labels[d]);
    int at = 10 + w + 4 + wnum(10 + w + 4, y, lev, VALUE, 0, 1);
    char name[LEV_NAME_BYTES + 1];
    get_lev_name(lev, name);
    word(at + 8, y, name);
    if (left_click_on(10, w, y)) {
        int n = lev;
        choose_lev(&n);
        // Exits lead to levels the game can enter.
        lev = clamp_to(n, 0, LEVEL_COUNT - 1);
    }
    num_field(250, y, "Px:", lsts[10 + 3 * d], 0, MAP_W - 1);
    num_field(310, y, "Py:", lsts[11 + 3 * d], 0, MAP_W - 1);
}

}  // namespace

namespace {

int window_depth = 0;
std::vector<uint16_t> backdrop;

}  // namespace

window_scope::window_scope()
{
    if (window_depth++ > 0) return;
    // The editor's keys are read before the frame's scene is drawn.
    draw_all();
    backdrop.assign(vs, vs + VIEW_W * VIEW_H);
}

window_scope::~window_scope() { window_depth--; }

int clamp_to(int v, int lo, int hi) { return v < lo ? lo : v > hi ? hi : v; }

int min_box(int x1, int x2, int y1, int y2)
{
    int x = mx - VIEW_X, y = my - VIEW_Y;
    return x1 < x && x < x2 && y1 < y && y < y2;
}

bool window_frame_begin()
{
    do_keyr();
    mouse_stuff();
    // The pointer stays over the view while a window is up.
    mx = clamp_to(mx, 20, 420);
    my = clamp_to(my, 20, 260);
    if (plat_close_requested()) return false;
    if (!backdrop.empty()) std::copy(backdrop.begin(), backdrop.end(), vs);
    draw_tbox(0, 0, VIEW_W, VIEW_H, 1);
    return true;
}

void window_frame_end()
{
    draw_bmp(j[cursor_pic], 8, mx - VIEW_X, my - VIEW_Y, 1, 0);
    wait_frame(FRAME_MS);
    fscr();
}

void after_typing()
{
    // The line editor reads no buttons: a button down now was pressed while typing.
    mb1 = mb2 = EDGE_UP;
}

void edit_num(int x, int y, int w, int *value, int lo, int hi)
{
    // The line editor types onto the screen: the window must be there first.
    fscr();
    int v = *value;
    jscanf_num(x + w + 24, y + 20, &v, 73, 2, 2);
    after_typing();
    if (!jscanf_escaped()) *value = clamp_to(v, lo, hi);
}

int num_row(int x, int y, const char *text, int *value, int lo, int hi)
{
    int w = label(x, y, text);
    wnum(x + w + 4, y, *value, VALUE, 0, 1);
    if (left_click_on(x, w, y)) edit_num(x, y, w, value, lo, hi);
    return w;
}

void editor_lev_window()
{
    window_scope scope;
    const int BIG = 1000000;
    while (window_frame_begin() && mb2 != EDGE_PRESSED) {
        int w = label(10, 10, "LEVEL NAME:");
        word(10 + w + 4, 10, lev_nam, VALUE);
        if (left_click_on(10, w, 10)) {
            fscr();
            char name[LEV_NAME_BYTES + 1];
            std::memcpy(name, lev_nam, sizeof name);
            // At most 49 characters: the name's last byte stays its end.
            jscanf(w + 34, 30, LEV_NAME_BYTES - 1, 70, 2, lev_nam, 2);
            after_typing();
            if (jscanf_escaped()) std::memcpy(lev_nam, name, sizeof name);
            std::memset(lev_nam + std::strlen(lev_nam), 0, sizeof lev_nam - std::strlen(lev_nam));
        }
        num_field(10, 20, "West bound", lsts[west_bound], -BIG, BIG);
        num_field(10, 30, "East bound", lsts[east_bound], -BIG, BIG);
        num_field(10, 40, "North bound", lsts[north_bound], -BIG, BIG);
        num_field(10, 50, "South bound", lsts[south_bound], -BIG, BIG);
        w = num_field(10, 70, "Light level", lsts[light_level], -1, SHADE_MAX);
        word(10 + w + 40, 70, lsts[light_level] == -1 ? "(depends on time)" : "(constant)");
        num_field(10, 80, "Roof height", lsts[roof_height], -BIG, BIG);
        for (int d = 0; d < 4; d++) exit_row(100 + 10 * d, d);
        window_frame_end();
    }
    j[lev_roof_dy] = lsts[roof_height];
    clear_keyr();
    update_scr();
}

void editor_chest_window()
{
    int c = j[sel_chest];
    if (c < 0 || c >= CHEST_COUNT || !chest[c].in_use) return;
    chest_rec &k = chest[c];
    window_scope scope;
    while (window_frame_begin()) {
        int w = label(10, 10, "Picture:");
        wnum(10 + w + 4, 10, k.chest_pic, VALUE, 0, 1);
        draw_ls(k.chest_pic, 1, 300, 10, 0);
        int at = 150 + label(150, 10, "Chest ID:");
        wnum(at + 4, 10, k.chest_id, VALUE, 0, 1);
        if (left_click_on(10, w, 10)) {
            // Its emptied picture is the next one.
            k.chest_pic = clamp_to(choose_pic(3), 1, PICT_SIZE[1] - 2);
        }
        num_field(10, 20, "Number of discs:", k.n_discs, 1, LOCK_DISCS);
        num_field(10, 30, "Difficulty:", k.difficulty, 0, 299);
        w = num_field(10, 40, "Side to face", k.face_side, 1, 4);
        word(10 + w + 30, 40, side_word(k.face_side));
        w = num_field(10, 50, "Trap state", k.trap_state, 0, 3);
        word(10 + w + 30, 50, trap_word(k.trap_state));
        for (int i = 0; i < LOCK_DISCS; i++) num_field(10 + 48 * i, 70, "R:", k.disc_r[i], 0, 100);
        for (int i = 0; i < CHEST_SLOTS; i++)
            item_row(i % 2 ? 190 : 10, 90 + 10 * (i / 2), k.item_types[i], k.item_chance[i], -1, 32767);
        if (closed_by_continue()) break;
    }
    j[sel_chest] = -1;
    clear_keyr();
    load_lev_chests();
    update_scr();
}

void fix_spawner_loot(int k)
{
    spawner_rec &s = crt_spawner[k];
    for (int i = 0; i < SPAWNER_LOOT; i++) {
        if (s.loot_items[i] == -1) s.loot_chances[i] = 0;
        else if (s.loot_chances[i] == 0) s.loot_chances[i] = 100;
    }
}

void editor_crt_spawner_window()
{
    int k = j[sel_spawner];
    if (k < 0 || k >= SPAWNER_COUNT) return;
    spawner_rec &s = crt_spawner[k];
    window_scope scope;
    while (window_frame_begin()) {
        int w = label(10, 10, "Spawner ID:");
        wnum(10 + w + 4, 10, s.id, VALUE, 0, 1);
        num_field(10, 20, "Range:", s.trigger, 0, 127);
        for (int i = 0; i < SPAWNER_SLOTS; i++) {
            int x = i % 2 ? 190 : 10, y = 50 + 10 * (i / 2);
            w = label(x, y, "CRT:");
            int t = s.crt_types[i], at = x + w + 4;
            if (t >= 0 && text_ok(t, NAMES)) at += wrt(at, y, 400, t, NAMES, VALUE, 0, 1, 0);
            else at += word(at, y, "NA", VALUE);
            wnum(at + 6, y, s.crt_levels[i], WORD, 0, 1);
            if (!min_box(x, x + w, y, y + 10)) continue;
            if (mb1 == EDGE_RELEASED) {
                choose_crt(&t);
                s.crt_types[i] = t < -1 ? -1 : t;
                // A creature of level 0 would have no strength at all.
                if (s.crt_types[i] >= 0 && s.crt_levels[i] < 1) s.crt_levels[i] = 1;
            } else if (mb2 == EDGE_RELEASED) {
                edit_num(x, y, w, &s.crt_levels[i], 0, 1000);
            }
        }
        for (int i = 0; i < SPAWNER_LOOT; i++)
            item_row(i % 2 ? 190 : 10, 160 + 10 * (i / 2), s.loot_items[i], s.loot_chances[i], -1, 100000);
        fix_spawner_loot(k);
        if (closed_by_continue()) break;
    }
    j[sel_spawner] = -1;
    clear_keyr();
    update_scr();
}

}  // namespace hm
