// headless_backend.cpp -- an in-memory screen, scripted devices and a virtual clock
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/headless.h"
#include "platform/midi_names.h"
#include "platform/platform.h"
#include "platform/screen565.h"

namespace hm {

namespace {

bool keys[K_COUNT + 1];
int buttons;
int mickey_x, mickey_y;
bool closing;
long base_time = 1800000000;   // a fixed calendar time keeps runs repeatable
long long clock_ms;
void (*tick_fn)();
void (*frame_hook)();

std::string playing;
int music_volume = 255;

}  // namespace

// -- controls -----------------------------------------------------------------
void hl_set_frame_hook(void (*hook)()) { frame_hook = hook; }

void hl_reset()
{
    std::memset(screen565, 0, sizeof(uint16_t) * SCR_W * SCR_H);
    std::memset(keys, 0, sizeof keys);
    buttons = mickey_x = mickey_y = 0;
    closing = false;
    clock_ms = 0;
    playing.clear();
}

void hl_set_key(int code, bool down)
{
    if (code > 0 && code < K_COUNT) keys[code] = down;
}

void hl_set_button(int button, bool down)
{
    int bit = 1 << button;
    buttons = down ? (buttons | bit) : (buttons & ~bit);
}

void hl_add_mickeys(int dx, int dy)
{
    mickey_x += dx;
    mickey_y += dy;
}

void hl_request_close() { closing = true; }
void hl_set_time(long seconds) { base_time = seconds; }
long long hl_clock_ms() { return clock_ms; }
const uint16_t *hl_screen() { return screen565; }
const char *hl_music_playing() { return playing.c_str(); }

int hl_write_bmp(const char *file) { return write_bmp565(file, screen565); }

// -- the platform -------------------------------------------------------------
void plat_window_wish(int, bool) {}
int plat_init_graphics() { return 0; }
int plat_init_sound() { return 0; }
void plat_init_mouse() {}
void plat_install_tick(void (*tick)()) { tick_fn = tick; }
const char *plat_error() { return ""; }
void plat_message(const char *text) { std::fprintf(stderr, "%s", text); }
bool plat_close_requested() { return closing; }

void plat_write_line(int y, int x0, int n, const uint16_t *px)
{
    if (y < 0 || y >= SCR_H || x0 < 0 || n <= 0 || x0 + n > SCR_W) return;
    std::memcpy(screen565 + y * SCR_W + x0, px, (size_t)n * 2);
}

void plat_putpixel(int x, int y, uint16_t c)
{
    if (x < 0 || y < 0 || x >= SCR_W || y >= SCR_H) return;
    screen565[y * SCR_W + x] = c;
}

void plat_input_frame()
{
    if (frame_hook) frame_hook();
}

bool plat_key_down(int code) { return code > 0 && code < K_COUNT && keys[code]; }
int plat_mouse_buttons() { return buttons; }

// Scripts move the pointer by mickeys: there is no desktop pointer to follow.
void plat_mouse_where(int, int) {}

void plat_mouse_mickeys(int *dx, int *dy)
{
    *dx = mickey_x;
    *dy = mickey_y;
    mickey_x = mickey_y = 0;
}

// No real waiting: a millisecond passes each time the game waits.
void plat_idle()
{
    clock_ms++;
    if (tick_fn) tick_fn();
}

long plat_time() { return base_time + (long)(clock_ms / 1000); }

void plat_music_volume(int volume) { music_volume = volume; }
int hl_music_volume() { return music_volume; }

int plat_load_midi(const char *file) { return midi_name_load(file); }

void plat_play_midi(int midi, bool) { playing = midi_name(midi); }

void plat_destroy_midi(int midi)
{
    if (midi > 0 && playing == midi_name(midi)) playing.clear();
    midi_name_forget(midi);
}

}  // namespace hm
