// editor_controls.cpp -- the editor's keys and buttons on the play screen, and its tool bar
#include <algorithm>
#include <cstring>
#include <string>
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

constexpr int UI = 7;              // interface pictures
constexpr int PIC_TOOL_BAR = 119;  // five 20-pixel buttons, drawn at screen (100, 0)
constexpr int BAR_X = 100;
constexpr int BUTTON_W = 20;
constexpr int NOTE_FRAMES = 120;   // how long the note after a save stays

int note_frames = 0, note_ok = 0;
char note_text[60];

bool released(int k) { return keyr[k] == EDGE_RELEASED; }
bool held(int k) { return keyr[k] == EDGE_PRESSED || keyr[k] == EDGE_HELD; }

void toggle_editor()
{
    if (j[editor_on] == 0) {
        j[editor_on] = 1;
        j[free_camera] = 1;
        if (j[edit_loaded] == 0) {
            load_level(j[level_no], 1);
            update_grsc();
            // The chests stand on their cells while they are edited.
            load_lev_chests();
            set_us();
            do_grndanis(1);
            j[edit_loaded] = 1;
        }
    } else {
        j[editor_on] = 0;
        j[free_camera] = 0;
        // The leader walks by mouse only with no layer being painted.
        j[edit_layer] = 5;
        note_frames = 0;
    }
    update_scr();
}

// The camera centred on a cell, as on entering a level.
void look_at(int x, int y)
{
    f[cam_fx] = (float)(40 * x + 20 * y - 200);
    f[cam_fy] = (float)(20 * y - 120);
}

void tool_bar()
{
    int button = (mx - BAR_X) / BUTTON_W;
    if (mx <= BAR_X || mx >= BAR_X + 5 * BUTTON_W || (mx - BAR_X) % BUTTON_W == 0) return;
    int k = -1;
    switch (button) {
    case 0: editor_lev_window(); break;
    case 1: j[sel_chest] = new_chest(); break;
    case 2:
        choose_chest(&k);
        if (k >= 0) look_at(chest[k].x, chest[k].y);
        break;
    case 3: j[sel_spawner] = new_crt_spawner(); break;
    default:
        choose_crt_spawner(&k);
        if (k >= 0) look_at(crt_spawner[k].x, crt_spawner[k].y);
        break;
    }
}

void left_button_down()
{
    if (my < 20) tool_bar();
    select_chest();
    select_crt_spawner();
    if (j[loot_state] == 0 && j[battle_on] == 0 && j[edit_layer] != 5 && mx > 19 && mx < 420 && my > 19 &&
        my < 260) {
        int c = get_square(mx - VIEW_X, my - VIEW_Y);
        if (c >= 0) {
            j[edit_pic] = choose_pic(j[edit_layer]);
            paint_cell(j[edit_layer], c, j[edit_pic]);
        }
    }
    update_scr();
}

// Saving asks for the number; a level saved under another number takes its
// chests and spawners along, renumbered as that level's, and is edited as it.
void save_from_editor()
{
    int from = j[level_no], n = from;
    jscanf_num(40, 40, &n, 70, 2, 2);
    after_typing();
    if (jscanf_escaped()) {
        update_scr();
        return;
    }
    if (n < 0 || n >= LEVEL_COUNT) {
        editor_note(("There is no level " + std::to_string(n) + ": levels are 0..399").c_str(), 0);
        update_scr();
        return;
    }
    // A failed save leaves the editor on the level it was, its records as they were.
    std::vector<chest_rec> chests(chest, chest + CHEST_COUNT);
    std::vector<spawner_rec> spawners(crt_spawner, crt_spawner + SPAWNER_COUNT);
    int32_t id = lsts[lev_id];
    if (n != from) {
        clear_lev_chests(n);
        for (int i = 0; i < CHEST_COUNT; i++)
            if (chest[i].in_use && chest_of_level(chest[i].chest_id, from))
                chest[i].chest_id = n * CHESTS_PER_LEVEL + chest[i].chest_id % CHESTS_PER_LEVEL;
        for (int k = 0; k < SPAWNER_COUNT; k++)
            if (crt_spawner[k].id >= from * SPAWNER_COUNT && crt_spawner[k].id < (from + 1) * SPAWNER_COUNT)
                crt_spawner[k].id = n * SPAWNER_COUNT + crt_spawner[k].id % SPAWNER_COUNT;
        j[level_no] = n;
    }
    lsts[lev_id] = n;
    bool saved = save_level(n) == 0;
    if (!saved) {
        std::copy(chests.begin(), chests.end(), chest);
        std::copy(spawners.begin(), spawners.end(), crt_spawner);
        lsts[lev_id] = id;
        j[level_no] = from;
    }
    std::string file = "l" + std::to_string(n) + ".txt";
    editor_note(((saved ? "Level saved as " : "Could not save ") + file).c_str(), saved);
}

void number_keys()
{
    if (held(K_R)) {
        int c = editor_cell();
        if (c >= 0) j[edit_cell] = c;
        if (released(K_1)) make_cave_roof();
        return;
    }
    for (int k = 1; k <= 5; k++)
        if (released(K_0 + k)) {
            j[edit_layer] = k;
            if (k == 4) j[edit_pic] = 8;
        }
}

// A layer's light key works on the layer being painted.
void light_keys()
{
    int d = (released(K_EQUALS) ? 1 : 0) - (released(K_MINUS) ? 1 : 0);
    if (d != 0) shift_cell_light(j[edit_layer], editor_cell(), d);
}

}  // namespace

void draw_editor_note()
{
    if (note_frames <= 0) return;
    note_frames--;
    draw_tbox(0, 200, 400, 40, 1);
    wrt2(24, 216, (int)sizeof note_text, note_ok ? 70 : 17, 0, 1, note_text);
}

int editor_cell()
{
    if (!j[ptr_in_view]) return -1;
    int c = get_square(mx - VIEW_X, my - VIEW_Y);
    return c >= 0 && c < MAP_CELLS ? c : -1;
}

void editor_note(const char *text, int ok)
{
    note_frames = NOTE_FRAMES;
    note_ok = ok;
    std::strncpy(note_text, text, sizeof note_text - 1);
    note_text[sizeof note_text - 1] = 0;
}

void draw_editor() { draw_bmp_scr(PIC_TOOL_BAR, UI, BAR_X, 0, 1); }

void paint_cell(int layer, int cell, int pic)
{
    if (cell < 0 || cell >= MAP_CELLS) return;
    switch (layer) {
    case 1: gr[cell] = (uint16_t)pic; break;
    case 2: gr2[cell] = (uint16_t)pic; break;
    case 3: ls[cell] = (uint16_t)pic; break;
    case 4: rf[cell] = (uint16_t)pic; break;
    default: break;
    }
}

void shift_cell_light(int layer, int cell, int d)
{
    if (cell < 0 || cell >= MAP_CELLS) return;
    int8_t *lt = layer == 4 ? rf_lt : layer == 1 || layer == 2 ? gr_lt : layer == 3 ? ls_lt : nullptr;
    if (!lt) return;
    int v = lt[cell] + d;
    // The light layers are signed bytes: the value stops at their ends.
    lt[cell] = (int8_t)(v < -128 ? -128 : v > 127 ? 127 : v);
}

void editor_controls()
{
    // A battle, a talk or a lock holds the editor off: switching would reload the level under them.
    if (released(K_E) && j[battle_stage] == 0 && j[talk_state] == 0 && j[chest_screen] == 0) toggle_editor();
    if (!j[editor_on]) return;

    if (keyr[K_DEL] == EDGE_PRESSED) {
        delete_chest();
        if (j[sel_spawner] >= 0 && j[sel_spawner] < SPAWNER_COUNT) crt_spawner[j[sel_spawner]].active = 0;
        j[sel_spawner] = -1;
    }
    if (mb1 == EDGE_PRESSED) left_button_down();
    if (mb1 == EDGE_RELEASED) {
        move_chest();
        move_crt_spawner();
    }
    if (mb2 == EDGE_PRESSED) {
        if (j[sel_chest] != -1) editor_chest_window();
        if (j[sel_spawner] != -1) editor_crt_spawner_window();
    }
    if (released(K_M)) j[free_camera] = j[free_camera] ? 0 : 1;
    if (released(K_S) && held(K_A)) save_from_editor();
    if (released(K_U)) update_grsc();
    if (released(K_L)) {
        load_level2();
        after_typing();
        // Entering the level reset the editor's slots: it goes on editing the level read.
        load_lev_chests();
        j[edit_loaded] = 1;
        j[free_camera] = 1;
    }
    number_keys();
    if (held(K_ENTER)) paint_cell(j[edit_layer], editor_cell(), j[edit_pic]);
    light_keys();
}

}  // namespace hm
