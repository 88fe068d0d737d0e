// story.h -- NPCs, dialogue, events, scripted walks and messages
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace hm {

constexpr int NPC_COUNT = 400;
constexpr int NPC_NAME_LEN = 25;     // name characters, NUL-terminated
constexpr int NPC_ITEM_SLOTS = 20;   // goods and gear of an NPC, as type and seed
constexpr int SPCH_ENTRIES = 100;    // speech entries of an NPC's section

// One NPC of the world. Saved byte for byte in the save file.
struct npc_rec {
    char name[NPC_NAME_LEN];  // at most 24 characters, NUL-terminated
    uint8_t pad0[3];         // alignment
    int32_t in_use;          // 1 = record holds an NPC
    int32_t level;           // level of its creature
    int32_t hp;              // current hit points, copied from its creature
    int32_t mana;            // current mana, -1 full
    int32_t crt_type;        // creature type
    int32_t exp;             // experience points
    int32_t reserved;        // read from the file and kept
    int32_t dead;            // 1 after its creature died
    int32_t fade;            // 0 not disappearing, 1..255 fading out
    int16_t item_type[NPC_ITEM_SLOTS];   // item type per slot, -1 empty
    int16_t item_seed[NPC_ITEM_SLOTS];   // item seed per slot, 0..15999
    int32_t attitude;        // towards the party, positive friendly
    int32_t face_pic;        // portrait (group 11)
    int32_t lev;             // level it stands on, -1 none (joined or dead)
    int32_t x;               // cell column on that level
    int32_t y;               // cell row on that level
    int32_t crt;             // its creature on the current level, -1 none
    int32_t p1cr_slot;       // character record holding it, -1 none
    uint8_t p1cr_kind;       // 0 or 0xFF nothing, 2 p1cr_slot is a live character
    uint8_t answer_state[SPCH_ENTRIES];   // per speech entry: 0 never chosen, 1 chosen, 2 closed
    uint8_t pad1[3];         // alignment
};
static_assert(sizeof(npc_rec) == 276);
static_assert(std::is_trivially_copyable<npc_rec>::value);
static_assert(offsetof(npc_rec, name) == 0);
static_assert(offsetof(npc_rec, pad0) == 25);
static_assert(offsetof(npc_rec, in_use) == 28);
static_assert(offsetof(npc_rec, level) == 32);
static_assert(offsetof(npc_rec, hp) == 36);
static_assert(offsetof(npc_rec, mana) == 40);
static_assert(offsetof(npc_rec, crt_type) == 44);
static_assert(offsetof(npc_rec, exp) == 48);
static_assert(offsetof(npc_rec, reserved) == 52);
static_assert(offsetof(npc_rec, dead) == 56);
static_assert(offsetof(npc_rec, fade) == 60);
static_assert(offsetof(npc_rec, item_type) == 64);
static_assert(offsetof(npc_rec, item_seed) == 104);
static_assert(offsetof(npc_rec, attitude) == 144);
static_assert(offsetof(npc_rec, face_pic) == 148);
static_assert(offsetof(npc_rec, lev) == 152);
static_assert(offsetof(npc_rec, x) == 156);
static_assert(offsetof(npc_rec, y) == 160);
static_assert(offsetof(npc_rec, crt) == 164);
static_assert(offsetof(npc_rec, p1cr_slot) == 168);
static_assert(offsetof(npc_rec, p1cr_kind) == 172);
static_assert(offsetof(npc_rec, answer_state) == 173);
static_assert(offsetof(npc_rec, pad1) == 273);

extern npc_rec *npc;   // NPCs of the world

// -- NPC records and files ------------------------------------------------------------
constexpr int NPC_FIRST_STORY = 1;   // npc1.txt .. npc6.txt are the story's people
constexpr int NPC_LAST_STORY = 6;
constexpr int NPC_SHOP_SLOTS = 10;   // item slots 0..9 are offered for sale

int load_npc(int n);               // npc<n>.txt into record n; 0 read, -1 no such file
void load_all_npcs();              // a new game's people: 2..6, 1, then every further npc<N>.txt
void init_lev_npcs(int lev);       // creatures for the NPCs standing on level lev
void npc_stuff1();                 // per frame: the conversation, then the fading NPCs
void do_npc_disappear();
int npc_item_price(int n, int item);   // what NPC n asks for an item, after its attitude
void load_npc_items();             // stack 3: the goods of the NPC being talked to
void delete_npc_items();           // frees every shop good
void npc_join_in_battle();         // NPCs near the battle's centre take a side and say so
void create_tmp_npc_p1crs();       // a character record for every NPC that took a side
void delete_tmp_npc_p1cr(int n);   // lets NPC n's battle character go
int npc_to_p1cr(int n);            // NPC n joins the party; its record, -1 when it cannot

// -- dialogue ---------------------------------------------------------------------------
constexpr int MOODS = 5;
constexpr int SPCH_LIST = 4;       // entries of need_all, need_any and closes

// One speech entry of an NPC's section.
struct spch_entry {
    int32_t active;                  // nonzero = the entry exists
    int32_t type;                    // 0 plain, 1 trade, 2 last word, 3..5 battle lines, 6 automatic
    int32_t cond;                    // story condition that must hold, 0 none
    int32_t ans_group, ans_num;      // what the player says
    int32_t reply_group, reply_num;  // what the NPC answers
    int32_t hour_from, hour_to;      // hours of day it is offered, equal = always
    int32_t need_all[SPCH_LIST];     // entries that must all have been chosen, -1 empty
    int32_t need_any[SPCH_LIST];     // entries of which one must have been chosen, -1 empty
    int32_t closes[SPCH_LIST];       // entries closed for good when this one is chosen, -1 empty
    int32_t att_change;              // added to the NPC's attitude when chosen
    int32_t spare1, spare2;          // kept as read
};

// The speech section of the NPC being talked to (or joining a battle).
struct spch_table {
    int32_t greet_group[MOODS], greet_num[MOODS];   // greeting per mood
    int32_t price_group, price_num;                 // the shop's price line ('^' the price)
    int32_t count;                                  // entries 0..count-1
    spch_entry entry[SPCH_ENTRIES];
};
extern spch_table npc_spch;

int load_npc_spch(int n);          // NPC n's speech section; 0 read, -1 refused (nothing kept)
int npc_spch_type(int t);          // first active entry of type t, 0 when none
int npc_mood(int attitude);        // 0 warmest .. 4 coldest
int check_rqst(int k, int automatic);   // 1 when entry k may be listed (0) or fire by itself (1)
constexpr int CON_COUNT = 2000;
extern uint8_t con[CON_COUNT];     // story conditions that speech entries may ask for
int check_con(int cond);           // con[cond], 0 outside the table
void do_cons();                    // per frame on the village: conditions 1..4 from the events
void talk_to_npc();                // per frame: the conversation's state machine

// The framed see-through box: style 1 blue (dialogue, messages, editor), 2 brown.
void draw_tbox(int x, int y, int w, int h, int style);
// A speech box with portrait (face -1 none) and name (null none); 1 in the frame
// its continue button is clicked.
int do_speech(int face, int num, int group, int colour, int style, int num1, int num2, int num3,
              const char *name);
// The continue button of a box W + 20 wide and H + 60 high at the view's top
// left; clicked is 1, with the click used up, when it is clicked in this frame.
void draw_box_button(int W, int H);
int box_button_clicked(int W, int H);
// The view pixel in the middle of the button of the speech box or answer list drawn
// in frame frame_count; 0 when none was drawn in it.
int speech_button_at(int frame, int *px, int *py);
// The view pixel on answer k of the answer list drawn in frame frame; 0 when it was not listed.
int answer_row_at(int frame, int k, int *px, int *py);

// -- scripted walks and flashes ------------------------------------------------------------
constexpr int WALK_SLOTS = 25;
struct npc_walk_rec {
    uint8_t in_use;      // slot holds a walk
    int32_t walk_x;      // target cell column
    int32_t walk_y;      // target cell row
    int32_t walk_npc;    // the walker
    int32_t chance;      // it sets out in a frame with probability 1 / chance
    int32_t mode;        // stored for the story, not read
};
extern npc_walk_rec npc_walk[WALK_SLOTS];

void init_npc_walks();             // no walk and no flash: start-up and a new game
void npc_walk_to(int n, int x, int y, int chance, int mode);
void do_npc_walk();                // per frame: the walkers find their way
int npc_dist_from_pnt(int n, int x, int y, int r);   // 1 when NPC n stands within r of (x, y)
int p1cr_dist_from_pnt(int x, int y, int r);         // 1 when the leader stands within r of (x, y)
void new_flash(int time, int r, int g, int b);       // tints the view, fading over time frames
void do_flash();                   // per frame, from the screen output
void clear_flash();                // ends a flash at once

// -- on-screen messages ------------------------------------------------------------------------
constexpr int MES_COUNT = 25;
constexpr int MES_NAME_LEN = 52;
struct mes_rec {
    uint8_t in_use;      // slot holds a message
    int32_t kind;        // stored, not read
    int32_t face;        // portrait (group 11), -1 none
    int32_t num;         // text number
    int32_t group;       // text group, never 0 while queued
    int32_t num1, num2, num3;   // numbers for the text's '^'
    int32_t colour;      // text colour
    int32_t style;       // text style
    char name[MES_NAME_LEN];    // speaker
};
extern mes_rec *mes;

void init_messages();              // makes the queue (once) and empties it
void freemes();
void new_message(int kind, int face, int num, int group, int colour, int style, int num1, int num2, int num3,
                 const char *name);
void show_messages();              // per frame: the lowest waiting message, unless someone talks
int messages_clear();              // 1 when no message waits

// -- the story's events ----------------------------------------------------------------------
constexpr int EVENT_COUNT = 2000;
constexpr int STORY_EVENTS = 27;   // events 0..26 are the story's
struct event_rec {
    int32_t fired;         // game minute it last ran, 0 never
    int32_t start_level;   // level on whose making it runs again, 0 none
};
static_assert(sizeof(event_rec) == 8, "events are saved as they lie in memory");
extern event_rec *event;

void init_events();                // makes the tables (once) and clears them
void free_events();
void clear_events();               // no event fired, no condition set, no walk: a new game
int event_fired(int k);            // 1 when event k has run
void events_main();                // per frame, after the view is shown
void do_event(int k);              // stamps event k and runs its effect
void do_lev_str_events();          // the events marked to run again on this level
void recieve_party_exp(int amount);
void change_ls(int count, ...);    // count / 4 groups of x, y, object picture, block (0 or -1)
void place_party();                // every member steps onto the map around the leader
void do_close_party();             // per frame: the members leave the map again after a scene
void party_face_npc(int n);
void stop_crt_walk(int c);
int battle_started(int id);        // 1 while the battle of spawner id runs
int battle_over(int id);           // 1 once the spawner id has fired and no battle runs

}  // namespace hm
