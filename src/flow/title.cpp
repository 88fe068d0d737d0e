// title.cpp -- the title screen: main menu, the players list, the delete question
#include <cstring>

#include "data/data.h"
#include "flow/flow.h"
#include "world/world.h"

namespace hm {

uint8_t strbg[SCR_W * SCR_H];
int title_screen = TITLE_MENU;
int list_first = 0;
int list_sel = 0;

namespace {

constexpr int FRAME_MS = 24;
constexpr int NOTE_FRAMES = 125;   // about three seconds
constexpr int NOTE_Y = 228, NOTE_COLOUR = 71;   // between the buttons and the backdrop's title

int note = -1;        // the note shown, -1 none
int note_left = 0;    // frames it stays

// A click strictly inside the box, in screen pixels.
bool inside(int x, int y, int x0, int y0, int x1, int y1) { return x > x0 && x < x1 && y > y0 && y < y1; }
bool clicked(int x0, int y0, int x1, int y1) { return j[lmb_down] && inside(mx, my, x0, y0, x1, y1); }

// Button pictures: the plain one while the pointer was off the button last
// frame, the lit one while it is on it now.
void draw_button(int x0, int y0, int x1, int y1, int plain, int px, int py, int lit, int lx, int ly)
{
    if (!inside(omx, omy, x0, y0, x1, y1)) draw_bmp_scr(plain, 7, px, py, 1);
    if (inside(mx, my, x0, y0, x1, y1)) draw_bmp_scr(lit, 7, lx, ly, 1);
}

int main_menu()
{
    if (keyr[K_ESC] == EDGE_RELEASED) return -1;
    if (clicked(240, 176, 420, 200)) {
        LorS_pnames(1);
        title_screen = TITLE_LIST;
    } else if (clicked(240, 200, 420, 224)) {
        if (new_game() == 1) return 1;
        std::memcpy(scr_buf, strbg, sizeof strbg);
    }
    draw_button(240, 176, 420, 200, 36, 236, 176, 38, 226, 168);
    draw_button(240, 200, 420, 224, 35, 240, 200, 37, 230, 192);
    return 0;
}

// Asks whether the selected player goes; Y deletes, N keeps.
void delete_question()
{
    std::memcpy(scr_buf, strbg, sizeof strbg);
    continue_game(list_first, list_sel);
    draw_bmp_scr(44, 7, 160, 20, 1);
    fscr2();
    for (;;) {
        wait_frame(FRAME_MS);
        do_keyr();
        if (keyr[K_Y]) {
            if (delete_row(list_sel) < 0) title_note(NOTE_BAD_NAME);
            break;
        }
        if (keyr[K_N] || plat_close_requested()) break;
    }
}

int player_list()
{
    if (keyr[K_ESC] == EDGE_RELEASED) {
        title_screen = TITLE_MENU;
        return 0;
    }
    int last = continue_game(list_first, list_sel);
    if (clicked(230, 40, 410, 190)) {
        int k = list_first + (my - 40) / 30;
        if (k <= last) list_sel = k;
    }
    if (clicked(410, 40, 430, 60) && list_first > 0) list_first--;
    if (clicked(410, 170, 430, 190) && list_first < LIST_FIRST_MAX) list_first++;
    if (keyr[K_DEL]) {
        delete_question();
        std::memcpy(scr_buf, strbg, sizeof strbg);
        continue_game(list_first, list_sel);
    }
    if (inside(mx, my, 270, 200, 370, 224)) draw_bmp_scr(46, 7, 260, 200, 1);
    else draw_bmp_scr(45, 7, 270, 200, 1);
    if (clicked(270, 200, 370, 224) && load_game(list_sel) == 1) return 1;
    return 0;
}

void draw_note()
{
    if (note < 0) return;
    // Laid out once above the screen, where nothing lands, to centre it.
    int w = wrt(0, -100, SCR_W, note, TITLE_TEXTS, NOTE_COLOUR, 0, 2, 0);
    wrt((SCR_W - w) / 2, NOTE_Y, SCR_W, note, TITLE_TEXTS, NOTE_COLOUR, 0, 2, 0);
    if (--note_left <= 0) note = -1;
}

// Button edges as the play screen should first see them: a button still held
// stays held, one let go during the title is simply up.
void settle_buttons()
{
    int b = plat_mouse_buttons();
    mb1 = (b & 1) ? EDGE_HELD : EDGE_UP;
    mb2 = (b & 2) ? EDGE_HELD : EDGE_UP;
    j[lmb_down] = j[rmb_down] = j[lmb_up] = j[rmb_up] = 0;
    j[lmb_held] = (b & 1) != 0;
    j[rmb_held] = (b & 2) != 0;
}

}  // namespace

void title_note(int n)
{
    note = n < 0 ? -1 : n;
    note_left = NOTE_FRAMES;
}

void load_strbg(int p)
{
    pic_header h;
    int size = read_pic(p, 7, &h, nullptr, 0);
    if (size <= 0) return;
    static uint8_t px[SCR_W * SCR_H];
    if (size > (int)sizeof px || read_pic(p, 7, &h, px, size) != size) return;
    // A background of another size is laid from the top-left, as far as it reaches.
    int w = (int)h.width, rows = (int)h.height;
    if ((long long)w * rows > size) return;
    int cols = w < SCR_W ? w : SCR_W;
    if (rows > SCR_H) rows = SCR_H;
    for (int y = 0; y < rows; y++)
        for (int x = 0; x < cols; x++)
            if (uint8_t c = px[y * w + x]) strbg[y * SCR_W + x] = c;
}

int continue_game(int first, int sel)
{
    draw_bmp_scr(43, 7, 230, 40, 1);
    int last = first - 1;
    for (int i = 0; i < LIST_ROWS; i++) {
        int k = first + i;
        if (row_text(k, xnam) < 0) break;
        wrt2(242, 50 + 30 * i, 40, k == sel ? 71 : 15, 0, 2, xnam);
        last = k;
    }
    return last;
}

int title_frame()
{
    do_keyr();
    mouse_stuff();
    std::memcpy(scr_buf, strbg, sizeof strbg);
    int result = title_screen == TITLE_LIST ? player_list() : main_menu();
    if (plat_close_requested()) result = -1;
    draw_note();
    draw_bmp_scr(0, 8, mx, my, 1);
    wait_frame(FRAME_MS);
    fscr2();
    return result;
}

int start_main()
{
    std::memset(strbg, 0, sizeof strbg);
    load_strbg(40);
    load_strbg(34);
    plat_destroy_midi(the_music);
    the_music = plat_load_midi("m1.mid");
    plat_play_midi(the_music, true);
    title_note(-1);
    int result = 0;
    while (result == 0) result = title_frame();
    if (result == 1) settle_buttons();
    return result;
}

}  // namespace hm
