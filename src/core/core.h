// core.h -- the state tables, input edges, the frame clock and the random generator
#pragma once

#include <cstdint>

#include "core/slots.h"
#include "platform/platform.h"

namespace hm {

// -- state slots ------------------------------------------------------------
#define HM_SLOT_ENUM(name, n) name = n,
enum JSlot { J_SLOTS(HM_SLOT_ENUM) };
enum FSlot { F_SLOTS(HM_SLOT_ENUM) };
#undef HM_SLOT_ENUM

constexpr int SLOT_COUNT = 1000;
extern int32_t *j;   // integer state slots, saved whole
extern float *f;     // float state slots, saved whole

// Slot number for a slot name ("cam_x"), or a plain number ("12"); -1 if neither.
int j_slot_by_name(const char *name);
int f_slot_by_name(const char *name);

// -- file names ---------------------------------------------------------------
extern char *xnam;   // 50: the file name last built by loadn / loadn2
extern char *cnam;   // 50: the save-game name being typed

// -- input --------------------------------------------------------------------
// Edge states of keys and mouse buttons.
enum Edge { EDGE_UP = 0, EDGE_PRESSED = 1, EDGE_RELEASED = 2, EDGE_HELD = 3 };
constexpr int KEYR_LIVE = 125;   // entries 0..124 follow the keyboard
extern uint8_t keyr[128];        // edge state per key code
extern int mx, my, omx, omy;     // pointer now and last frame, 0..640 x 0..400
extern int mb1, mb2;             // edge states of the left and right buttons
extern volatile int jtimer;      // milliseconds since the frame clock was reset
extern int the_music;            // the MIDI piece playing, 0 none

void clear_keyr();
void do_keyr();
void do_mb();
void mouse_stuff();
void inc_jtimer();
int check_for_video_clear();    // repaints a screen the system wiped; 1 when it did
void wait_frame(int period_ms);   // wait until jtimer exceeds period_ms - 1, then reset it

// -- random numbers: one 15-bit generator for the whole game -----------------
constexpr int RANDOM_MAX = 32767;
int random();
void srandom(uint32_t seed);

// -- memory and the main program ---------------------------------------------
void init_mem();
void delete_mem();
int graph();
int hollowmere_main();   // the whole program; its result is the exit status

// The loop's exit codes.
enum { EXIT_NONE = 0, EXIT_QUIT = 1, EXIT_TITLE = 2 };
int play_frame(int &exit_code);   // one frame of play (exposed for benchmarks)
void p_scr();

}  // namespace hm
