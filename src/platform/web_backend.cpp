// web_backend.cpp -- the browser page: a canvas, the page's keys and pointer, the browser's clock
#include <emscripten.h>
#include <emscripten/html5.h>

#include <algorithm>
#include <ctime>
#include <memory>

#include "platform/midi_names.h"
#include "platform/platform.h"
#include "platform/save_mirror.h"
#include "platform/screen565.h"
#include "platform/web.h"
#include "platform/web_keys.h"

// The page's side (web/shell.js) draws, scales and stores; these call into it.
EM_JS(void, page_present, (const uint8_t *rgba, int w, int h), {
    Module.hmPresent(HEAPU8.subarray(rgba, rgba + w * h * 4), w, h);
});
EM_JS(void, page_frame_work, (double ms), { Module.hmFrameWork(ms); });
EM_JS(void, page_store_saves, (), { Module.hmStoreSaves(); });
EM_JS(void, page_message, (const char *text), { Module.hmMessage(UTF8ToString(text)); });
EM_JS(double, page_scale, (), { return Module.hmScale(); });
// The page's synthesizer (web/music.js) reads the piece from the file system.
EM_JS(void, page_play_music, (const char *file, int loop), {
    var name = UTF8ToString(file), bytes = null;
    try { bytes = FS.readFile(name); } catch (e) {}
    HollowmereMusic.play(name, bytes, loop != 0);
});
EM_JS(void, page_stop_music, (), { HollowmereMusic.stop(); });
EM_JS(void, page_music_volume, (int volume), { HollowmereMusic.volume(volume); });
// emscripten_sleep's timers, each set from the last, are held to 4 ms apiece
// by the browser; the page's own wake-up is not, so a frame ends on time.
EM_ASYNC_JS(void, page_sleep, (int ms), {
    await new Promise(function (wake) { Module.hmSleep(ms, wake); });
});

namespace hm {

namespace {

// What the canvas shows: the screen's 5-6-5 pixels as RGBA bytes, converted as
// they are written, and sent to the canvas once a frame when anything changed.
uint32_t rgba[SCR_W * SCR_H];
uint32_t rgba_of[65536];
bool dirty = true;

// A key or button pressed and let go between two frames still counts as down
// for one frame: the game reads the devices only once a frame.
bool keys[K_COUNT];
bool key_latch[K_COUNT];
int buttons, button_latch;

// The game's pointer follows the page's: the backend reports how far the page's
// pointer moved, in game pixels, since the position it last gave.
int pointer_x = -1, pointer_y = -1;   // -1: the pointer has not been over the canvas
int told_x = -1, told_y = -1;

void (*tick_fn)();
double clock_ms;            // the browser clock, in whole milliseconds handed to tick_fn
double woke_at;             // when the game last got the processor back

int playing;                // the handle of the piece playing, 0 none

std::unique_ptr<save_mirror> mirror;
double mirror_checked;
constexpr double MIRROR_EVERY_MS = 250;

void make_colour_table()
{
    for (int c = 0; c < 65536; c++) {
        uint32_t r = (uint32_t)plat_getr((uint16_t)c), g = (uint32_t)plat_getg((uint16_t)c),
                 b = (uint32_t)plat_getb((uint16_t)c);
        rgba_of[c] = r | g << 8 | b << 16 | 0xff000000u;   // bytes R, G, B, A in memory
    }
}

EM_BOOL on_key(int type, const EmscriptenKeyboardEvent *e, void *)
{
    int code = key_from_dom_code(e->code);
    if (!code) return EM_FALSE;
    bool down = type == EMSCRIPTEN_EVENT_KEYDOWN;
    keys[code] = down;
    if (down) key_latch[code] = true;
    // The browser keeps its own shortcuts (reload, tools, full screen) and
    // anything with Ctrl or Meta; every other key is the game's alone.
    if (e->ctrlKey || e->metaKey || code == K_F5 || code == K_F11 || code == K_F12) return EM_FALSE;
    return EM_TRUE;
}

EM_BOOL on_mouse(int type, const EmscriptenMouseEvent *e, void *)
{
    // A button let go over the rest of the page tells no place on the canvas.
    if (type != EMSCRIPTEN_EVENT_MOUSEUP) {
        double scale = page_scale();
        pointer_x = std::max(0, std::min(SCR_W, (int)(e->targetX / scale)));
        pointer_y = std::max(0, std::min(SCR_H, (int)(e->targetY / scale)));
    }
    int bit = e->button == 0 ? 1 : e->button == 2 ? 2 : 0;
    if (type == EMSCRIPTEN_EVENT_MOUSEDOWN) {
        buttons |= bit;
        button_latch |= bit;
    } else if (type == EMSCRIPTEN_EVENT_MOUSEUP) {
        buttons &= ~bit;
    }
    return type != EMSCRIPTEN_EVENT_MOUSEMOVE;
}

// A key let go while the page was in the background never tells us.
EM_BOOL on_blur(int, const EmscriptenFocusEvent *, void *)
{
    std::fill(keys, keys + K_COUNT, false);
    buttons = 0;
    return EM_FALSE;
}

void listen()
{
    const char *win = EMSCRIPTEN_EVENT_TARGET_WINDOW;
    emscripten_set_keydown_callback(win, nullptr, EM_TRUE, on_key);
    emscripten_set_keyup_callback(win, nullptr, EM_TRUE, on_key);
    emscripten_set_blur_callback(win, nullptr, EM_TRUE, on_blur);
    // Buttons let go outside the canvas still count; presses only on it.
    emscripten_set_mousedown_callback("#canvas", nullptr, EM_TRUE, on_mouse);
    emscripten_set_mousemove_callback("#canvas", nullptr, EM_TRUE, on_mouse);
    emscripten_set_mouseup_callback(win, nullptr, EM_TRUE, on_mouse);
}

void put(int i, uint16_t c)
{
    screen565[i] = c;
    rgba[i] = rgba_of[c];
}

}  // namespace

void web_keep_players_files_now()
{
    if (mirror && mirror->update() != 0) page_store_saves();
}

namespace {

// The player's files go to the browser's store soon after they change.
void keep_players_files(double now)
{
    if (now - mirror_checked < MIRROR_EVERY_MS) return;
    mirror_checked = now;
    web_keep_players_files_now();
}

}  // namespace

void web_keep_players_files(const char *run, const char *keep)
{
    mirror = std::make_unique<save_mirror>(run, keep);
    mirror->restore();
}

// -- the platform -------------------------------------------------------------
void plat_window_wish(int, bool) {}

int plat_init_graphics()
{
    make_colour_table();
    std::fill(rgba, rgba + SCR_W * SCR_H, rgba_of[0]);
    listen();
    clock_ms = woke_at = emscripten_get_now();
    return 0;
}

int plat_init_sound() { return 0; }
void plat_init_mouse() {}
void plat_install_tick(void (*tick)()) { tick_fn = tick; }
const char *plat_error() { return ""; }
void plat_message(const char *text) { page_message(text); }
bool plat_close_requested() { return false; }

void plat_write_line(int y, int x0, int n, const uint16_t *px)
{
    if (y < 0 || y >= SCR_H || x0 < 0 || n <= 0 || x0 + n > SCR_W) return;
    for (int i = 0, at = y * SCR_W + x0; i < n; i++) put(at + i, px[i]);
    dirty = true;
}

void plat_putpixel(int x, int y, uint16_t c)
{
    if (x < 0 || y < 0 || x >= SCR_W || y >= SCR_H) return;
    put(y * SCR_W + x, c);
    dirty = true;
}

void plat_input_frame() {}

bool plat_key_down(int code)
{
    if (code <= 0 || code >= K_COUNT) return false;
    bool down = keys[code] || key_latch[code];
    key_latch[code] = false;
    return down;
}

int plat_mouse_buttons()
{
    int b = buttons | button_latch;
    button_latch = 0;
    return b;
}

// The page cannot move the player's pointer: the game's goes where it is told
// and the next motion is counted from there.
void plat_mouse_where(int x, int y)
{
    told_x = x;
    told_y = y;
}

void plat_mouse_mickeys(int *dx, int *dy)
{
    *dx = *dy = 0;
    if (pointer_x < 0 || told_x < 0) return;
    *dx = pointer_x - told_x;
    *dy = pointer_y - told_y;
    told_x = pointer_x;
    told_y = pointer_y;
}

// Waiting for the frame: the picture goes to the canvas, the browser gets the
// processor back (its events arrive meanwhile), and the game's millisecond tick
// catches up with the browser's clock.
void plat_idle()
{
    double now = emscripten_get_now();
    if (dirty) {
        // A frame was drawn since the last wait: what it cost, picture included.
        page_present(reinterpret_cast<const uint8_t *>(rgba), SCR_W, SCR_H);
        dirty = false;
        page_frame_work(emscripten_get_now() - woke_at);
    }
    keep_players_files(now);
    page_sleep(1);
    woke_at = emscripten_get_now();
    // A page left in the background gets no time: its game does not race to catch up.
    if (woke_at - clock_ms > 1000) clock_ms = woke_at - 1000;
    while (clock_ms + 1 <= woke_at) {
        clock_ms += 1;
        if (tick_fn) tick_fn();
    }
}

long plat_time() { return (long)std::time(nullptr); }

void plat_music_volume(int volume) { page_music_volume(volume); }

int plat_load_midi(const char *file) { return midi_name_load(file); }

void plat_play_midi(int midi, bool loop)
{
    playing = midi_name(midi)[0] ? midi : 0;
    if (playing) page_play_music(midi_name(midi), loop);
    else page_stop_music();
}

void plat_destroy_midi(int midi)
{
    if (midi > 0 && midi == playing) plat_play_midi(0, false);
    midi_name_forget(midi);
}

}  // namespace hm
