// flow.h -- the title screen, the players list, new games, save files and loading
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>

#include "battle/battle.h"
#include "chests/chests.h"
#include "core/core.h"
#include "items/items.h"
#include "party/party.h"
#include "story/story.h"

namespace hm {

// -- the players list -------------------------------------------------------------
// Names each followed by '~', the whole list ended by '^'; "pnames.txt" holds the
// same characters.  The last byte is kept for the '^' of a full list.
constexpr int PNAMES_BYTES = 10000;
constexpr int PNAME_MAX = 24;          // characters of a player's name
constexpr int LIST_ROWS = 5;           // names the list panel shows at once
constexpr int LIST_FIRST_MAX = 390;    // the list scrolls down while first is below this

extern char pnames[PNAMES_BYTES];      // the players list as read from and written to pnames.txt
extern int list_first;                 // player list: first name shown, 0..390
extern int list_sel;                   // player list: the selected name

// mode 1 reads "pnames.txt" (a missing file is an empty list, and is created);
// mode 2 writes it whole through a temporary file.  0 done, -1 the write failed
// and the old file stays.
int LorS_pnames(int mode);
// Offset in pnames of name k, -1 when the list has no name k.
int pname_at(int k);
// Copies at most PNAME_MAX characters of name k into out (PNAME_MAX + 1 bytes) and
// returns the name's full length, or -1 when there is no name k.
int pname_copy(int k, char *out);
// 1 when a name may become a file name: at most PNAME_MAX characters, all of
// the line editor's (a-z, A-Z, 0-9, '-', '.' and space).
int pname_safe(const char *name, int len);
// 1 when a new player may take this name: a safe name with something to see in the
// list, not beginning with '.' (which would hide its save file).
int pname_new_ok(const char *name);
// The number of the first entry holding exactly this name, -1 none.
int pname_find(const char *name);
// Adds a name at the end of the list in memory: 0, or -1 when it does not fit.
int add_pname(const char *name);
// Takes name k out of the list in memory; no file is touched.
void drop_pname(int k);
// Deletes player k: its save file (unless another entry shares the name) and its
// entry.  1 deleted, 0 no such player, -1 refused (an unsafe name).
int delete_pnam(int k);

// -- the save file --------------------------------------------------------------------
// A save file: the state tables in this order, then C chest records.
struct save_head {
    int32_t j[SLOT_COUNT];           // the integer state slots
    float f[SLOT_COUNT];             // the float state slots
    p1cr_rec p1cr[P1CR_COUNT];       // party and temporary characters
    istk_rec istk[ISTK_COUNT];       // item stacks
    item_rec item[ITEM_COUNT];       // items
    uint8_t cspns[CSPNS_BYTES];      // spawner states, 25 per level
    uint8_t chest_state[CHEST_STATE_BYTES];   // state per chest id
    npc_rec npc[NPC_COUNT];          // NPCs
    int32_t chest_count;             // C, the chest records that follow
};
static_assert(sizeof(save_head) == 403204);
static_assert(std::is_trivially_copyable<save_head>::value);
static_assert(offsetof(save_head, j) == 0);
static_assert(offsetof(save_head, f) == 4000);
static_assert(offsetof(save_head, p1cr) == 8000);
static_assert(offsetof(save_head, istk) == 120800);
static_assert(offsetof(save_head, item) == 128800);
static_assert(offsetof(save_head, cspns) == 262800);
static_assert(offsetof(save_head, chest_state) == 272800);
static_assert(offsetof(save_head, npc) == 292800);
static_assert(offsetof(save_head, chest_count) == 403200);
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "save files are little-endian");

constexpr long SAVE_BYTES = sizeof(save_head);   // a save file without chest records

// Writes the game state to file through a temporary file renamed into place.
// With keep_chests the chest table goes in up to its last live record, so that
// loading gives every chest its record number back; without, C is 0.
// 0 written, -1 failed (the old file, if any, stays).
// Played games also get the extension block (below) after the chest records.
int write_save(const char *file, int keep_chests);
// Reads a save file into the game state.  1 loaded; 0 refused, with the state
// untouched: no file, shorter than the layout with its C chest records, C
// outside 0..500, or a leader that is not a party member in use.  Out-of-range
// record links are cut to -1 before anything is taken.  What follows the chest
// records is the extension block: its findings go to save_block and save_place.
int read_save(const char *file);

// -- the extension block ----------------------------------------------------------
// After the chest records: the tag "HMXB", a version, the length of the sections
// and their checksum, then sections each of a 4-character tag, a length and that
// many bytes.  Readers skip sections they do not know, so newer files still load.
constexpr uint32_t BLOCK_VERSION = 1;
constexpr long BLOCK_MAX = 1 << 20;   // a block longer than this is not ours

// Where the party was when the game was saved.
struct save_place_rec {
    int32_t level;       // level_no
    int32_t x, y;        // the leader's cell
    float cam_fx, cam_fy;   // the camera
};
enum { BLOCK_NONE = 0, BLOCK_READ = 1, BLOCK_DAMAGED = -1 };
extern int save_block;              // what the last read_save found after the chests
extern save_place_rec save_place;   // the place it read; level -1 none

// The block for the game as it is now: empty before the leader stands on a level.
std::string make_block();
// Reads a block: BLOCK_READ (save_place set, level -1 when it holds none; the
// walks kept for read_save to restore) or BLOCK_DAMAGED; nothing of the game is touched.
int read_block(const char *data, size_t len);

// -- new games and loading ------------------------------------------------------------
int new_game();          // asks for a name; 1 when a new player's save was written
int load_game(int k);    // 1 when row k of the players list was loaded
// The state of a new game: every table cleared, NPC seeds drawn, the hero made
// with his first item, the slots' starting values.  0, or -1 without a hero.
int make_new_state();

// -- saving in play ----------------------------------------------------------------
constexpr int PROGRESS_TEXTS = 20;   // text file of the notes and questions of saving
enum {
    PT_ASK_SAVE = 0,          // "Save before quitting? (Y/N)"
    PT_SAVED = 1,             // F5 wrote the player's file
    PT_NOT_SAVED = 2,         // the player's file could not be written
    PT_NOT_NOW = 3,           // a battle, a talk or a chest is under way
    PT_ASK_QUIT = 4,          // quitting where saving is not possible
    PT_BLOCK_DAMAGED = 5,     // the save's extension block could not be read
    PT_AUTOSAVE_FAILED = 6,   // the autosave could not be written
};

void progress_note(int text);    // shows progress text over the view for a moment; -1 none
void draw_progress_note();       // once a frame, into the view
int saving_allowed();            // 1 when nothing under way keeps the game from being saved
int save_progress();             // F5: the game into the player's file; 0 written
int ask_quit();                  // the question on Escape; 1 quit, 0 play on
int progress_keys();             // F5 and Escape in play; 1 when the player quits
void begin_progress();           // play begins: the autosave counts level changes from here
void autosave_at_level_change(); // once a frame: a new level is autosaved
void enter_saved_game();         // enters the level and cell a loaded game was saved on

// The autosave of a player's file ("Alba.cha" -> "Alba.autosave").
std::string autosave_file(const char *save);
// Rows of the players list: each name, then its autosave when it has one.
enum { ROW_OWN = 0, ROW_AUTOSAVE = 1 };
int list_row(int row, int *k);     // the kind of row, -1 none; k the name's number
int row_text(int row, char *out);  // the row as shown (50 bytes); its kind, -1 none
// Deletes a row: an autosave alone, or a player with its file and autosave.
// 1 deleted, 0 no such row, -1 refused or failed.
int delete_row(int row);

// -- the title screen ---------------------------------------------------------------
constexpr int TITLE_TEXTS = 12;  // text file of the title's notes
enum {
    NOTE_LIST_FULL = 0,     // the players list has no room for another name
    NOTE_EXISTS = 1,        // that player has a save file already
    NOTE_NOT_SAVED = 2,     // the new player could not be written
    NOTE_BAD_NAME = 3,      // the name cannot be a file name
    NOTE_NOT_LOADED = 4,    // no save file, or one the game refuses
};
enum { TITLE_MENU = 0, TITLE_LIST = 1 };

extern uint8_t strbg[SCR_W * SCR_H];   // the title's background, palette indices
extern int title_screen;               // TITLE_MENU or TITLE_LIST

int start_main();        // 1 a game was created or loaded, -1 quit
int title_frame();       // one frame of the title: 0 go on, 1 play, -1 quit
void load_strbg(int p);  // lays picture p of group 7 over the background, 0 see-through
int continue_game(int first, int sel);   // draws the list; the last name drawn, first - 1 none
void title_note(int note);   // shows one of the title's notes for a few seconds; -1 none


// -- the world map --------------------------------------------------------------------
// The land as a 640 x 400 picture ("wmap10.bmp") with a terrain class per pixel
// ("wmap10.txt", two characters a pixel); classes 1 (water) and 2 (mountains) block.
constexpr int WMAP_NO = 10;            // the world map the screen shows
constexpr int WMAP_W = 640;
constexpr int WMAP_H = 400;
constexpr int WMAP_ARROW = 23;         // palette index of the marker's heading arrow

void load_wmap(int n);                 // the picture into swad; a missing or short file keeps it
int get_wmp(int n, int x, int y);      // terrain class; 1 off the map, 0 without a usable file
void draw_wmap(int cx, int cy);        // the 400 x 240 window at (cx, cy), clamped to 239 and 159
void draw_pmarker(int x, int y);       // the marker at view (x, y), its arrow unless I is held
void move_pmarker(int d);              // half a pixel forwards (1) or back (-1), sliding along edges
void wmap_view_offset();               // wmap_cx and wmap_cy from the marker
void wmap_main();                      // the screen, until Escape
bool wmap_allowed();                   // Tab may open the map: no battle, talk, lock, editor or box
void wmap_from_play();                 // Tab in play: the map, then the level again at the leader's cell

}  // namespace hm
