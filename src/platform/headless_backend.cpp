// headless_backend.cpp -- an in-memory screen, scripted devices and a virtual clock
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "platform/headless.h"
#include "platform/platform.h"

namespace hm {

namespace {

uint16_t screen_px[SCR_W * SCR_H];
bool keys[K_COUNT + 1];
int buttons;
int mickey_x, mickey_y;
bool closing;
long base_time = 1800000000;   // a fixed calendar time keeps runs repeatable
long long clock_ms;
void (*tick_fn)();
void (*frame_hook)();

constexpr int MAX_MIDI = 16;
std::string midi_files[MAX_MIDI];
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

void put_le(FILE *out, uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; i++) std::fputc((int)((v >> (8 * i)) & 0xff), out);
}

}  // namespace

// -- controls -----------------------------------------------------------------
void hl_set_frame_hook(void (*hook)()) { frame_hook = hook; }

void hl_reset()
{
    std::memset(screen_px, 0, sizeof screen_px);
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
const uint16_t *hl_screen() { return screen_px; }
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

int hl_write_bmp(const char *file)
{
    FILE *out = std::fopen(file, "wb");
    if (!out) return 1;
    const uint32_t row = SCR_W * 3, pixels = row * SCR_H;
    std::fputs("BM", out);
    put_le(out, 54 + pixels, 4);
    put_le(out, 0, 4);
    put_le(out, 54, 4);
    put_le(out, 40, 4);
    put_le(out, SCR_W, 4);
    put_le(out, SCR_H, 4);
    put_le(out, 1, 2);
    put_le(out, 24, 2);
    for (int i = 0; i < 6; i++) put_le(out, 0, 4);
    for (int y = SCR_H - 1; y >= 0; y--)
        for (int x = 0; x < SCR_W; x++) {
            uint16_t c = screen_px[y * SCR_W + x];
            std::fputc(plat_getb(c), out);
            std::fputc(plat_getg(c), out);
            std::fputc(plat_getr(c), out);
        }
    return std::fclose(out) == 0 ? 0 : 1;
}

// -- the platform -------------------------------------------------------------
void plat_window_wish(int, bool) {}
int plat_init_graphics() { return 0; }
int plat_init_sound() { return 0; }
void plat_init_mouse() {}
void plat_install_tick(void (*tick)()) { tick_fn = tick; }
const char *plat_error() { return ""; }
void plat_message(const char *text) { std::fprintf(stderr, "%s", text); }
bool plat_close_requested() { return closing; }

// 5-6-5 bits, expanded back to 0..255 the way Allegro does.
uint16_t plat_makecol(int r, int g, int b)
{
    return (uint16_t)(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
}
int plat_getr(uint16_t c) { int v = (c >> 11) & 31; return (v << 3) | (v >> 2); }
int plat_getg(uint16_t c) { int v = (c >> 5) & 63; return (v << 2) | (v >> 4); }
int plat_getb(uint16_t c) { int v = c & 31; return (v << 3) | (v >> 2); }

void plat_write_line(int y, int x0, int n, const uint16_t *px)
{
    if (y < 0 || y >= SCR_H || x0 < 0 || n <= 0 || x0 + n > SCR_W) return;
    std::memcpy(screen_px + y * SCR_W + x0, px, (size_t)n * 2);
}

uint16_t plat_getpixel(int x, int y)
{
    if (x < 0 || y < 0 || x >= SCR_W || y >= SCR_H) return 0;
    return screen_px[y * SCR_W + x];
}

void plat_putpixel(int x, int y, uint16_t c)
{
    if (x < 0 || y < 0 || x >= SCR_W || y >= SCR_H) return;
    screen_px[y * SCR_W + x] = c;
}

int plat_save_screen(const char *file) { return hl_write_bmp(file); }

int plat_screen_rgb(uint8_t *rgb)
{
    for (int i = 0; i < SCR_W * SCR_H; i++) {
        *rgb++ = (uint8_t)plat_getr(screen_px[i]);
        *rgb++ = (uint8_t)plat_getg(screen_px[i]);
        *rgb++ = (uint8_t)plat_getb(screen_px[i]);
    }
    return 0;
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

int plat_load_midi(const char *file)
{
    FILE *in = std::fopen(file, "rb");
    if (!in) return 0;
    std::fclose(in);
    for (int h = 1; h < MAX_MIDI; h++)
        if (midi_files[h].empty()) {
            midi_files[h] = file;
            return h;
        }
    return 0;
}

void plat_play_midi(int midi, bool)
{
    playing = (midi > 0 && midi < MAX_MIDI) ? midi_files[midi] : std::string();
}

void plat_destroy_midi(int midi)
{
    if (midi <= 0 || midi >= MAX_MIDI) return;
    if (playing == midi_files[midi]) playing.clear();
    midi_files[midi].clear();
}

}  // namespace hm
