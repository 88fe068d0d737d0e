// headless_backend.cpp -- an in-memory screen, scripted devices and a virtual clock
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

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
bool graphics_fails, sound_fails;
long base_time = 1800000000;   // a fixed calendar time keeps runs repeatable
long long clock_ms;
void (*tick_fn)();
void (*frame_hook)();

std::string playing;
int music_volume = 255;

// The frame-work stopwatch: the processor time this thread spends between one
// frame hook and the next, less the pacing wait.  Processor time, not the wall
// clock, so that a frame is not charged for the time other programs ran.
using wall = std::chrono::steady_clock;
bool timing;
double frame_began_us;           // processor time when the game last left the hook
double waited_us;                // this frame's pacing wait so far
wall::time_point wait_began;
std::vector<double> frame_work;  // one entry per whole frame timed

}  // namespace

// -- controls -----------------------------------------------------------------
void hl_set_frame_hook(void (*hook)()) { frame_hook = hook; }

void hl_reset()
{
    std::memset(screen565, 0, sizeof(uint16_t) * SCR_W * SCR_H);
    std::memset(keys, 0, sizeof keys);
    buttons = mickey_x = mickey_y = 0;
    closing = false;
    graphics_fails = sound_fails = false;
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
void hl_fail_devices(bool graphics, bool sound)
{
    graphics_fails = graphics;
    sound_fails = sound;
}
void hl_set_time(long seconds) { base_time = seconds; }
long long hl_clock_ms() { return clock_ms; }
const uint16_t *hl_screen() { return screen565; }
const char *hl_music_playing() { return playing.c_str(); }

double hl_cpu_us()
{
    timespec ts;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return (double)ts.tv_sec * 1e6 + (double)ts.tv_nsec / 1e3;
}

void hl_time_frames(bool on)
{
    timing = on;
    waited_us = 0;
    frame_began_us = hl_cpu_us();
}

std::vector<double> hl_take_frame_work()
{
    std::vector<double> taken;
    taken.swap(frame_work);
    return taken;
}

int hl_write_bmp(const char *file) { return write_bmp565(file, screen565); }

// -- the platform -------------------------------------------------------------
void plat_window_wish(int, bool) {}
int plat_init_graphics() { return graphics_fails ? -1 : 0; }
int plat_init_sound() { return sound_fails ? -1 : 0; }
void plat_init_mouse() {}
void plat_install_tick(void (*tick)()) { tick_fn = tick; }
const char *plat_error() { return graphics_fails || sound_fails ? "no such device" : ""; }
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

// A frame ends where the next one reads its keys: what ran since then is its work.
void plat_input_frame()
{
    if (timing) frame_work.push_back(hl_cpu_us() - frame_began_us - waited_us);
    if (frame_hook) frame_hook();
    waited_us = 0;
    if (timing) frame_began_us = hl_cpu_us();
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
    if (timing) wait_began = wall::now();
    clock_ms++;
    if (tick_fn) tick_fn();
    if (timing) waited_us += std::chrono::duration<double, std::micro>(wall::now() - wait_began).count();
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
