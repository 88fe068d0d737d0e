// allegro_backend.cpp -- the real window, keyboard, mouse, timer and MIDI player
#include <allegro.h>

#include <cstring>
#include <ctime>

#include "platform/platform.h"

namespace hm {

// Our key codes are Allegro's; check them one by one against its own.
constexpr bool same(int ours, int theirs) { return ours == theirs; }
static_assert(same(K_A, __allegro_KEY_A) && same(K_Z, __allegro_KEY_Z), "letter codes");
static_assert(same(K_0, __allegro_KEY_0) && same(K_9_PAD, __allegro_KEY_9_PAD), "digit codes");
static_assert(same(K_ESC, __allegro_KEY_ESC) && same(K_SPACE, __allegro_KEY_SPACE), "key codes");
static_assert(same(K_ENTER, __allegro_KEY_ENTER) && same(K_DEL, __allegro_KEY_DEL), "key codes");
static_assert(same(K_LEFT, __allegro_KEY_LEFT) && same(K_DOWN, __allegro_KEY_DOWN), "arrows");
static_assert(same(K_LSHIFT, __allegro_KEY_LSHIFT) && same(K_CAPSLOCK, __allegro_KEY_CAPSLOCK),
              "modifier codes");
static_assert(same(K_COUNT, __allegro_KEY_MAX), "key table size");

namespace {

volatile int close_clicked = 0;
void on_close_button() { close_clicked = 1; }

// A key or button pressed and let go between two frames still counts as down
// for one frame: the game reads the devices only once a frame.
volatile char key_latch[K_COUNT];
volatile int button_latch;

void on_key(int scancode)
{
    if (!(scancode & 0x80)) key_latch[scancode & 0x7f] = 1;
}

void on_mouse(int flags)
{
    if (flags & MOUSE_FLAG_LEFT_DOWN) button_latch |= 1;
    if (flags & MOUSE_FLAG_RIGHT_DOWN) button_latch |= 2;
}

// Loaded MIDI pieces by handle; handle 0 is "none".
constexpr int MAX_MIDI = 16;
MIDI *midis[MAX_MIDI];

}  // namespace

int plat_init_graphics()
{
    if (allegro_init() != 0) return 1;
    install_keyboard();
    keyboard_lowlevel_callback = on_key;
    set_color_depth(16);
    if (set_gfx_mode(GFX_AUTODETECT_WINDOWED, SCR_W, SCR_H, 0, 0) != 0 &&
        set_gfx_mode(GFX_AUTODETECT, SCR_W, SCR_H, 0, 0) != 0)
        return 1;
    set_window_title("Hollowmere");
    set_close_button_callback(on_close_button);
    return 0;
}

int plat_init_sound()
{
    // Allegro looks for its settings beside the program only; ours, naming the
    // MIDI patch set, lie in the run directory with the rest of the content.
    if (exists("allegro.cfg")) set_config_file("allegro.cfg");
    // A machine without a sound card still plays: fall back to silence.
    if (install_sound(DIGI_AUTODETECT, MIDI_AUTODETECT, nullptr) == 0) return 0;
    return install_sound(DIGI_NONE, MIDI_NONE, nullptr);
}

void plat_init_mouse()
{
    install_mouse();
    mouse_callback = on_mouse;
}

void plat_install_tick(void (*tick)())
{
    install_timer();
    install_int(tick, 1);
}

const char *plat_error() { return allegro_error; }

void plat_message(const char *text) { allegro_message("%s", text); }

bool plat_close_requested() { return close_clicked != 0; }

uint16_t plat_makecol(int r, int g, int b) { return (uint16_t)makecol16(r, g, b); }
int plat_getr(uint16_t c) { return getr16(c); }
int plat_getg(uint16_t c) { return getg16(c); }
int plat_getb(uint16_t c) { return getb16(c); }

void plat_write_line(int y, int x0, int n, const uint16_t *px)
{
    if (y < 0 || y >= SCR_H || x0 < 0 || n <= 0 || x0 + n > SCR_W) return;
    uintptr_t addr = bmp_write_line(screen, y);
    std::memcpy(reinterpret_cast<uint16_t *>(addr) + x0, px, (size_t)n * 2);
    bmp_unwrite_line(screen);
}

uint16_t plat_getpixel(int x, int y)
{
    if (x < 0 || y < 0 || x >= SCR_W || y >= SCR_H) return 0;
    return (uint16_t)getpixel(screen, x, y);
}

void plat_putpixel(int x, int y, uint16_t c)
{
    if (x < 0 || y < 0 || x >= SCR_W || y >= SCR_H) return;
    putpixel(screen, x, y, c);
}

int plat_save_screen(const char *file) { return save_bmp(file, screen, nullptr); }

void plat_input_frame()
{
    if (keyboard_needs_poll()) poll_keyboard();
    if (mouse_needs_poll()) poll_mouse();
}

bool plat_key_down(int code)
{
    if (code <= 0 || code >= K_COUNT) return false;
    bool down = key[code] || key_latch[code];
    key_latch[code] = 0;
    return down;
}

int plat_mouse_buttons()
{
    int b = (mouse_b & 3) | button_latch;
    button_latch = 0;
    return b;
}

void plat_mouse_mickeys(int *dx, int *dy) { get_mouse_mickeys(dx, dy); }

// Give the processor back while the frame timer runs on.
void plat_idle() { rest(0); }

long plat_time() { return (long)std::time(nullptr); }

int plat_load_midi(const char *file)
{
    MIDI *m = load_midi(file);
    if (!m) return 0;
    for (int h = 1; h < MAX_MIDI; h++)
        if (!midis[h]) {
            midis[h] = m;
            return h;
        }
    destroy_midi(m);
    return 0;
}

void plat_play_midi(int midi, bool loop)
{
    MIDI *m = (midi > 0 && midi < MAX_MIDI) ? midis[midi] : nullptr;
    play_midi(m, loop ? TRUE : FALSE);
}

void plat_destroy_midi(int midi)
{
    if (midi <= 0 || midi >= MAX_MIDI || !midis[midi]) return;
    destroy_midi(midis[midi]);
    midis[midi] = nullptr;
}

}  // namespace hm
