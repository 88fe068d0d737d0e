// line_editor.cpp -- the line editor for typed names and numbers, drawn straight on the screen
#include <cstring>

#include "core/core.h"
#include "data/data.h"
#include "world/world.h"

namespace hm {

namespace {

constexpr int FRAME_MS = 20;
constexpr int REPEAT_START = 30;   // frames Backspace is held before it repeats
constexpr int REPEAT_AGAIN = 27;   // ... then every fourth frame
constexpr int SPACE_W = 5;
constexpr int CELL_W = 10;
constexpr int CELL_H = 9;

// Screen wipes are looked for this many samples apart.
constexpr int SAMPLE_STEP = 20;

bool escaped = false;   // the last line ended with Escape

void put(int x, int y, int colour) { plat_putpixel(x, y, jpal[colour]); }

void hline(int x, int y, int n, int colour)
{
    for (int i = 0; i < n; i++) put(x + i, y, colour);
}

void fill(int x, int y, int w, int h, int colour)
{
    for (int r = 0; r < h; r++) hline(x, y + r, w, colour);
}

// Pressed this frame or held; a key released this frame is up.
bool key_down(int k) { return keyr[k] == EDGE_PRESSED || keyr[k] == EDGE_HELD; }

int typed_width(int c) { return c > ' ' ? char_width(c) : SPACE_W; }

// The character typed this frame, later keys in this order winning.
int typed_key(int candidate)
{
    for (int k = K_A; k <= K_Z; k++)
        if (keyr[k] == EDGE_PRESSED) candidate = 'a' + (k - K_A);
    if (keyr[K_MINUS] == EDGE_PRESSED) candidate = '-';
    for (int k = K_0; k <= K_9; k++)
        if (keyr[k] == EDGE_PRESSED) candidate = '0' + (k - K_0);
    if (keyr[K_SPACE] == EDGE_PRESSED) candidate = ' ';
    if (keyr[K_STOP] == EDGE_PRESSED) candidate = '.';
    return candidate;
}

void repair_screen(int mode)
{
    if (mode == 2) {
        check_for_video_clear();
        return;
    }
    if (mode != 1) return;
    int black = 0;
    for (int y = 0; y <= SCR_H - SAMPLE_STEP; y += SAMPLE_STEP)
        for (int x = 0; x <= SCR_W - SAMPLE_STEP; x += SAMPLE_STEP)
            if (plat_getpixel(x, y) == 0) black++;
    if (black > 100) fscr2();
}

}  // namespace

int jscanf(int x, int y, int max_len, int fg, int bg, char *buf, int mode)
{
    jpal = jpal_buf;
    escaped = false;
    if (max_len < 0) max_len = 0;
    int end = 0;
    while (end < max_len && buf[end]) end++;
    for (int i = end; i < max_len; i++) buf[i] = 0;

    int cursor = 0, offset = 0, blink = 0, repeat = 0;
    for (;;) {
        repair_screen(mode);

        // The existing text is typed again, one character a frame.
        int candidate = cursor < max_len ? (unsigned char)buf[cursor] : 0;
        candidate = typed_key(candidate);

        blink++;
        if (blink % 10 > 5) hline(x + offset, y + 8, 5, fg);
        if (blink % 10 < 5) hline(x + offset, y + 8, 5, bg);

        wait_frame(FRAME_MS);

        repeat = key_down(K_BACKSPACE) ? repeat + 1 : 0;
        bool erase = keyr[K_BACKSPACE] == EDGE_PRESSED;
        if (repeat > REPEAT_START) {
            repeat = REPEAT_AGAIN;
            erase = true;
        }
        if (erase && cursor > 0) {
            hline(x + offset, y + 8, 8, bg);
            cursor--;
            int w = typed_width((unsigned char)buf[cursor]);
            offset -= w;
            buf[cursor] = 0;
            fill(x + offset, y, w, CELL_H, bg);
        }

        if (candidate >= 'a' && candidate <= 'z' && (key_down(K_LSHIFT) || key_down(K_RSHIFT)))
            candidate = candidate - 'a' + 'A';

        int pen = x;
        for (int i = 0; i < cursor; i++) {
            int c = (unsigned char)buf[i];
            if (c > ' ') drawc(pen, y, c, fg, bg, 0);
            pen += typed_width(c);
        }

        if (candidate && cursor < max_len) {
            hline(x + offset, y + 8, 8, bg);
            buf[cursor] = (char)candidate;
            fill(x + offset, y, CELL_W, CELL_H, bg);
            offset += typed_width(candidate);
            cursor++;
        }

        do_keyr();
        // Closing the window ends typing as Enter does, so the game can then quit.
        if (keyr[K_ENTER] == EDGE_RELEASED || plat_close_requested()) break;
        // Escape ends it too; the caller decides whether the text still counts.
        if (keyr[K_ESC] == EDGE_RELEASED) {
            escaped = true;
            break;
        }
    }
    buf[cursor] = 0;
    clear_keyr();
    return str_to_int(buf);
}

int jscanf_escaped() { return escaped ? 1 : 0; }

void jscanf_num(int x, int y, int *value, int fg, int bg, int mode)
{
    char buf[50];
    std::memset(buf, 0, sizeof buf);
    int_to_str(*value, buf);
    *value = jscanf(x, y, 8, fg, bg, buf, mode);
}

}  // namespace hm
