// progress.cpp -- saving in play: F5, the question on quitting, the autosave at a level change, entering a saved game
#include <cstring>
#include <string>

#include "data/data.h"
#include "flow/flow.h"
#include "story/story.h"
#include "world/world.h"

namespace hm {

namespace {

constexpr int FRAME_MS = 24;
constexpr int NOTE_FRAMES = 100;   // about two and a half seconds
constexpr int NOTE_COLOUR = 71;
constexpr int SAY_COLOUR = 16;     // the narrator's
constexpr int BAND_H = 16;         // the dark band a note or question is written on

int note = -1;          // text of t20 shown over the view, -1 none
int note_left = 0;      // frames it stays
int seen_level = -1;    // the level the autosave last saw the party on

// Darkens view rows y0..y0+BAND_H-1 to a third, so that text reads on any ground.
void dark_band(int y0)
{
    for (int y = y0 < 0 ? 0 : y0; y < y0 + BAND_H && y < VIEW_H; y++)
        for (int x = 0; x < VIEW_W; x++) {
            uint16_t &c = vs[y * VIEW_W + x];
            c = plat_makecol(plat_getr(c) / 3, plat_getg(c) / 3, plat_getb(c) / 3);
        }
}

// One line of the progress texts, centred on a dark band across the view.
void draw_line(int text, int y0)
{
    dark_band(y0);
    // Laid out once above the view, where nothing lands, to centre it.
    int w = wrt(0, -100, VIEW_W, text, PROGRESS_TEXTS, NOTE_COLOUR, 0, 1, 0);
    wrt((VIEW_W - w) / 2, y0 + 3, VIEW_W, text, PROGRESS_TEXTS, NOTE_COLOUR, 0, 1, 0);
}

// The view as the screen shows it now, so that a question is drawn over the
// last frame rather than over an empty view.
void view_from_screen()
{
    for (int y = 0; y < VIEW_H; y++)
        for (int x = 0; x < VIEW_W; x++) vs[y * VIEW_W + x] = plat_getpixel(x + VIEW_X, y + VIEW_Y);
}

// What saving did, as a message in the speech box, without a portrait.
void say(int text) { new_message(1, -1, text, PROGRESS_TEXTS, SAY_COLOUR, 0, 0, 0, 0, ""); }

}  // namespace

void progress_note(int text)
{
    note = text;
    note_left = NOTE_FRAMES;
}

void draw_progress_note()
{
    if (note < 0) return;
    draw_line(note, 4);
    if (--note_left <= 0) note = -1;
}

int saving_allowed()
{
    return j[battle_stage] == 0 && !j[battle_on] && !j[loot_state] && !j[talk_state] && !j[chest_screen] &&
           !j[chest_busy] && !j[editor_on] && !j[lev_up_show] && leader_crt() >= 0;
}

int save_progress()
{
    if (!saving_allowed()) {
        progress_note(PT_NOT_NOW);
        return -1;
    }
    int r = write_save(cnam, 1);
    say(r == 0 ? PT_SAVED : PT_NOT_SAVED);
    return r;
}

int ask_quit()
{
    bool can_save = saving_allowed();
    view_from_screen();
    draw_line(can_save ? PT_ASK_SAVE : PT_ASK_QUIT, (VIEW_H - BAND_H) / 2);
    fscr();
    for (;;) {
        wait_frame(FRAME_MS);
        do_keyr();
        if (plat_close_requested()) return 1;
        if (keyr[K_ESC] == EDGE_RELEASED) return 0;
        // "Save before quitting?": N quits unsaved.  "Quit without saving?": N plays on.
        if (keyr[K_N] == EDGE_PRESSED) return can_save ? 1 : 0;
        if (keyr[K_Y] != EDGE_PRESSED) continue;
        if (!can_save) return 1;
        // A save that fails keeps the player in the game: quitting would lose it all.
        return save_progress() == 0 ? 1 : 0;
    }
}

int progress_keys()
{
    if (keyr[K_F5] == EDGE_RELEASED) save_progress();
    return keyr[K_ESC] == EDGE_RELEASED && ask_quit();
}

void begin_progress() { seen_level = j[level_no]; }

void autosave_at_level_change()
{
    if (j[level_no] == seen_level || !saving_allowed()) return;
    seen_level = j[level_no];
    // A game without a player's file (a test, a benchmark) has nowhere to go.
    size_t len = strnlen(cnam, 50);
    if (len < 5 || std::strcmp(cnam + len - 4, ".cha") != 0) return;
    if (write_save(autosave_file(cnam).c_str(), 1) != 0) say(PT_AUTOSAVE_FAILED);
}

void enter_saved_game()
{
    int level = j[level_no], x = 0, y = 0;
    bool placed = save_block == BLOCK_READ && save_place.level >= 0;
    if (placed) {
        level = save_place.level;
        x = save_place.x;
        y = save_place.y;
    } else if (j[focus_cell] >= 0 && j[focus_cell] < MAP_CELLS) {
        // A save of the described layout alone: the cell the roofs last followed.
        x = j[focus_cell] % MAP_W;
        y = j[focus_cell] / MAP_W;
    }
    make_level(1, level, x, y);
    if (placed) {
        f[cam_fx] = save_place.cam_fx;
        f[cam_fy] = save_place.cam_fy;
        j[cam_x] = (int)f[cam_fx];
        j[cam_y] = (int)f[cam_fy];
        set_us();
    }
    // The save's fired events came back with it (read_save): make_level has re-run this level's.
    progress_note(-1);
    if (save_block == BLOCK_DAMAGED) say(PT_BLOCK_DAMAGED);
}

}  // namespace hm
