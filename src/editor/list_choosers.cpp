// list_choosers.cpp -- the editor's lists of items, creatures, chests, spawners and levels
#include <cstdio>
#include <cstring>
#include <string>

#include "battle/battle.h"
#include "chests/chests.h"
#include "core/core.h"
#include "data/data.h"
#include "editor/editor.h"
#include "editor/editor_window.h"
#include "world/world.h"

namespace hm {

namespace {

constexpr int LIST_ROWS = 20;
constexpr int ROW_H = 10;
constexpr int OFF = 60, ON = 70;
constexpr int NAMES = 5;
constexpr int ITEM_TYPES_MAX = 32767;   // chests keep item types in 16 bits
constexpr int LIST_X = 20, NAME_X = 70;   // clear of the box's corner

// The list row under the pointer, -1 above or below the list.
int pointed_row()
{
    int r = my >= 30 ? (my - 30) / ROW_H : -1;
    return r < LIST_ROWS ? r : -1;
}

// The arrow keys scroll the list by `step`, never above its first row nor past `last`.
void scroll(int &top, int step, int last)
{
    if (keyr[K_UP] == EDGE_RELEASED) top -= step;
    if (keyr[K_DOWN] == EDGE_RELEASED) top += step;
    top = clamp_to(top, 0, last < 0 ? 0 : last);
}

int row_colour(int r) { return r == pointed_row() ? ON : OFF; }

// A number, then a name after it, on list row r.
void list_row(int r, int number, const char *name, int colour)
{
    int y = ROW_H + ROW_H * r;
    wnum(LIST_X, y, number, colour, 0, 1);
    wrt2(NAME_X, y, 50, colour, 0, 1, name);
}

// A chest or spawner: its id and its cell.
void record_row(int r, int id, int x, int y, int colour)
{
    std::string at = "at " + std::to_string(x) + ", " + std::to_string(y);
    list_row(r, id, at.c_str(), colour);
}

// The lists of numbered things: items and creature types.
template <typename Draw>
void choose_number(int *t, int last, Draw draw_name)
{
    window_scope scope;
    list_click click;
    int top = 0;
    while (window_frame_begin()) {
        scroll(top, 10, last - LIST_ROWS + 1);
        for (int r = 0; r < LIST_ROWS && top + r <= last; r++) draw_name(r, top + r, row_colour(r));
        int r = pointed_row();
        if (click.released() && r >= 0 && top + r <= last) {
            *t = top + r;
            break;
        }
        if (keyr[K_DEL] == EDGE_RELEASED) {
            *t = -1;
            break;
        }
        if (keyr[K_ESC] == EDGE_RELEASED) break;
        window_frame_end();
    }
    clear_keyr();
}

// Chests and spawners of this level: rows of ids, `count` of them.
template <typename Find, typename Draw>
void choose_record(int *k, int count, Find find, Draw draw)
{
    window_scope scope;
    list_click click;
    int top = 0;
    while (window_frame_begin()) {
        scroll(top, 10, count - LIST_ROWS);
        for (int r = 0; r < LIST_ROWS && top + r < count; r++) {
            int rec = find(top + r);
            if (rec >= 0) draw(r, rec, row_colour(r));
        }
        int r = pointed_row();
        int rec = r >= 0 && top + r < count ? find(top + r) : -1;
        if (click.released() && rec >= 0) {
            *k = rec;
            break;
        }
        if (mb2 == EDGE_RELEASED || keyr[K_ESC] == EDGE_RELEASED) break;
        window_frame_end();
    }
    clear_keyr();
}

int crt_type_count()
{
    int n = 0;
    while (text_ok(n, NAMES)) n++;
    return n;
}

}  // namespace

void get_item_name(int t, char *dest)
{
    std::memset(dest, 0, 26);
    if (t == -1) {
        std::strcpy(dest, "NA");
        return;
    }
    loadn('i', t, EXT_TXT);
    FILE *in = t >= 0 ? std::fopen(xnam, "rb") : nullptr;
    if (!in) {
        std::strcpy(dest, "DOES NOT EXIST");
        return;
    }
    size_t got = std::fread(dest, 1, 25, in);
    std::fclose(in);
    for (size_t i = 0; i < got; i++)
        if (dest[i] == '~') dest[i] = 0;
    // Twenty-four characters at most, as every reader of a 25-character name keeps.
    dest[24] = 0;
}

void choose_item(int *t)
{
    choose_number(t, ITEM_TYPES_MAX, [](int r, int type, int colour) {
        char name[26];
        get_item_name(type, name);
        list_row(r, type, name, colour);
    });
}

void choose_crt(int *t)
{
    choose_number(t, crt_type_count() - 1, [](int r, int type, int colour) {
        list_row(r, type, "", colour);
        wrt(NAME_X, ROW_H + ROW_H * r, 400, type, NAMES, colour, 0, 1, 0);
    });
    mb1 = 0;
}

void choose_chest(int *k)
{
    int base = j[level_no] * CHESTS_PER_LEVEL;
    choose_record(
        k, CHESTS_PER_LEVEL, [base](int n) { return get_chest_from_id(base + n); },
        [](int r, int c, int colour) {
            const chest_rec &ch = chest[c];
            record_row(r, ch.chest_id, ch.x, ch.y, colour);
            if (colour == ON) draw_ls(ch.chest_pic, 1, 240, 100, 1);
        });
}

void choose_crt_spawner(int *k)
{
    int base = j[level_no] * SPAWNER_COUNT;
    choose_record(
        k, SPAWNER_COUNT, [base](int n) { return get_spawner_from_id(base + n); },
        [](int r, int s, int colour) {
            const spawner_rec &sp = crt_spawner[s];
            record_row(r, sp.id, sp.x, sp.y, colour);
            // The first creature it brings, to tell the spawners apart.
            int t = sp.crt_types[0];
            if (t >= 0 && text_ok(t, NAMES)) wrt(NAME_X + 70, ROW_H + ROW_H * r, 400, t, NAMES, colour, 0, 1, 0);
        });
}

void choose_lev(int *n)
{
    window_scope scope;
    list_click click;
    int top = 0, named_top = -1;
    char names[LIST_ROWS][LEV_NAME_BYTES + 1];
    while (window_frame_begin()) {
        scroll(top, 5, LEVEL_COUNT - LIST_ROWS);
        // The names are read from the level files when the list moves.
        if (named_top != top) {
            for (int r = 0; r < LIST_ROWS; r++) get_lev_name(top + r, names[r]);
            named_top = top;
        }
        for (int r = 0; r < LIST_ROWS; r++) list_row(r, top + r, names[r], ON);
        int r = pointed_row();
        if (click.released() && r >= 0) {
            *n = top + r;
            break;
        }
        if (keyr[K_ENTER] == EDGE_RELEASED) {
            clear_keyr();
            fscr();
            jscanf_num(40, 230, n, 73, 2, 2);
            after_typing();
            break;
        }
        if (keyr[K_ESC] == EDGE_RELEASED) break;
        window_frame_end();
    }
    clear_keyr();
}

}  // namespace hm
