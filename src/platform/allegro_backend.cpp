// allegro_backend.cpp -- the real window, keyboard, mouse, timer and MIDI player
#include <allegro.h>

#include <algorithm>
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

// The game's 640 x 400 picture is shown scale x scale pixels a pixel, from
// (off_x, off_y) of the screen; a fullscreen mode centres it in black.
BITMAP *picture;          // the game's screen, one pixel a pixel: screenshots read it
int scale = 1;
int off_x, off_y;
bool full;
int wished_scale;         // 0: the largest that fits the desktop
bool wished_full;

// The game's pointer follows the desktop pointer: the backend reports how far
// the desktop pointer moved, in game pixels, since the position it last gave.
int told_x = -1, told_y = -1;   // -1: nothing told yet

bool toggle_was_down;     // F11 or Alt+Enter in the last frame
bool swallow_enter;       // the Enter of Alt+Enter is not the game's

// Loaded MIDI pieces by handle; handle 0 is "none".
constexpr int MAX_MIDI = 16;
MIDI *midis[MAX_MIDI];

}  // namespace

namespace {

// The largest whole scale, up to 3, whose window fits the desktop with room for
// the window's frame and the desktop's panels.
int fitting_scale()
{
    int w = 0, h = 0;
    if (get_desktop_resolution(&w, &h) != 0) return 1;
    int s = std::min(w / SCR_W, (h - 64) / SCR_H);
    return std::max(1, std::min(3, s));
}

// The picture again, all of it, after a mode change.
void show_picture()
{
    clear_to_color(screen, 0);
    stretch_blit(picture, screen, 0, 0, SCR_W, SCR_H, off_x, off_y, SCR_W * scale, SCR_H * scale);
}

bool open_window(int s)
{
    if (set_gfx_mode(GFX_AUTODETECT_WINDOWED, SCR_W * s, SCR_H * s, 0, 0) != 0) return false;
    scale = s;
    off_x = off_y = 0;
    full = false;
    return true;
}

bool open_fullscreen()
{
    int w = 0, h = 0;
    if (get_desktop_resolution(&w, &h) != 0 || w < SCR_W || h < SCR_H) return false;
    if (set_gfx_mode(GFX_AUTODETECT_FULLSCREEN, w, h, 0, 0) != 0) return false;
    scale = std::min(SCREEN_W / SCR_W, SCREEN_H / SCR_H);
    off_x = (SCREEN_W - SCR_W * scale) / 2;
    off_y = (SCREEN_H - SCR_H * scale) / 2;
    full = true;
    return true;
}

// Opens the screen as wished, falling back to smaller windows, then to any mode.
bool open_screen(bool fullscreen)
{
    bool open = fullscreen && open_fullscreen();
    for (int s = wished_scale > 0 ? wished_scale : fitting_scale(); !open && s >= 1; s--) open = open_window(s);
    if (!open && set_gfx_mode(GFX_AUTODETECT, SCR_W, SCR_H, 0, 0) == 0) {
        scale = 1;
        off_x = off_y = 0;
        full = true;
        open = true;
    }
    if (!open) return false;
    set_window_title("Hollowmere");
    set_close_button_callback(on_close_button);
    // The window keeps running (and its music playing) behind others.
    set_display_switch_mode(SWITCH_BACKGROUND);
    return true;
}

// F11 or Alt+Enter switch between the window and the whole screen.
void fullscreen_keys()
{
    // A quick press may be over before the frame looks: the latches keep it.
    bool alt = key[KEY_ALT] || key[KEY_ALTGR] || key_latch[KEY_ALT] || key_latch[KEY_ALTGR];
    bool enter = key[KEY_ENTER] || key_latch[KEY_ENTER];
    bool down = key[KEY_F11] || key_latch[KEY_F11] || (alt && enter);
    if (alt && enter) {
        swallow_enter = true;
        key_latch[KEY_ENTER] = 0;
    } else if (!key[KEY_ENTER]) {
        swallow_enter = false;
    }
    bool toggle = down && !toggle_was_down;
    toggle_was_down = down;
    key_latch[KEY_F11] = 0;
    if (!toggle) return;
    if (!open_screen(!full) && !open_screen(full)) return;
    show_picture();
    // A new mode centres the desktop pointer: it goes back where the game's is.
    if (told_x >= 0) position_mouse(off_x + told_x * scale + scale / 2, off_y + told_y * scale + scale / 2);
}

// Where the desktop pointer stands, in game pixels.
void pointer_now(int *x, int *y)
{
    // Off the picture (the black of a fullscreen mode) counts as its edge.
    auto game = [](int v, int off, int most) { return std::max(0, std::min(most, (v - off) / scale)); };
    *x = game(mouse_x, off_x, SCR_W);
    *y = game(mouse_y, off_y, SCR_H);
}

}  // namespace

void plat_window_wish(int s, bool fullscreen)
{
    wished_scale = s >= 1 && s <= 3 ? s : 0;
    wished_full = fullscreen;
}

int plat_init_graphics()
{
    if (allegro_init() != 0) return 1;
    install_keyboard();
    keyboard_lowlevel_callback = on_key;
    set_color_depth(16);
    picture = create_bitmap_ex(16, SCR_W, SCR_H);
    if (!picture) return 1;
    clear_to_color(picture, 0);
    return open_screen(wished_full) ? 0 : 1;
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
    std::memcpy(reinterpret_cast<uint16_t *>(picture->line[y]) + x0, px, (size_t)n * 2);
    static uint16_t wide[SCR_W * 8];
    const uint16_t *row = px;
    if (scale > 1) {
        for (int i = 0; i < n; i++)
            for (int k = 0; k < scale; k++) wide[i * scale + k] = px[i];
        row = wide;
    }
    for (int k = 0; k < scale; k++) {
        uintptr_t addr = bmp_write_line(screen, off_y + y * scale + k);
        std::memcpy(reinterpret_cast<uint16_t *>(addr) + off_x + x0 * scale, row, (size_t)n * scale * 2);
    }
    bmp_unwrite_line(screen);
}

// Read from the screen itself, so that a window the system wiped is seen wiped.
uint16_t plat_getpixel(int x, int y)
{
    if (x < 0 || y < 0 || x >= SCR_W || y >= SCR_H) return 0;
    return (uint16_t)getpixel(screen, off_x + x * scale, off_y + y * scale);
}

void plat_putpixel(int x, int y, uint16_t c)
{
    if (x < 0 || y < 0 || x >= SCR_W || y >= SCR_H) return;
    putpixel(picture, x, y, c);
    rectfill(screen, off_x + x * scale, off_y + y * scale, off_x + x * scale + scale - 1,
             off_y + y * scale + scale - 1, c);
}

int plat_save_screen(const char *file) { return save_bmp(file, picture, nullptr); }

int plat_screen_rgb(uint8_t *rgb)
{
    for (int y = 0; y < SCR_H; y++)
        for (int x = 0; x < SCR_W; x++) {
            int c = getpixel(picture, x, y);
            *rgb++ = (uint8_t)getr16(c);
            *rgb++ = (uint8_t)getg16(c);
            *rgb++ = (uint8_t)getb16(c);
        }
    return 0;
}

void plat_input_frame()
{
    if (keyboard_needs_poll()) poll_keyboard();
    if (mouse_needs_poll()) poll_mouse();
    fullscreen_keys();
}

bool plat_key_down(int code)
{
    if (code <= 0 || code >= K_COUNT || code == K_F11) return false;
    if (code == K_ENTER && swallow_enter) return false;
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

// The game moved its pointer itself (it keeps it in the view while the map
// scrolls, say): the desktop pointer goes there too, if it is over the window.
void plat_mouse_where(int x, int y)
{
    if (told_x < 0) {
        told_x = x;
        told_y = y;
        return;
    }
    if (x == told_x && y == told_y) return;
    told_x = x;
    told_y = y;
    if (mouse_on_screen() && x >= 0 && y >= 0 && x < SCR_W && y < SCR_H)
        position_mouse(off_x + x * scale + scale / 2, off_y + y * scale + scale / 2);
}

// Mickeys would make Allegro hold the desktop pointer in the window; the
// pointer's own position leaves it free.
void plat_mouse_mickeys(int *dx, int *dy)
{
    int x, y;
    pointer_now(&x, &y);
    if (told_x < 0) told_x = x, told_y = y;
    *dx = x - told_x;
    *dy = y - told_y;
    told_x = x;
    told_y = y;
}

void plat_music_volume(int volume) { set_volume(-1, std::max(0, std::min(255, volume))); }

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
