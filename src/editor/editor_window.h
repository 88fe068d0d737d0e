// editor_window.h -- the frame of the editor's windows and choosers (private to the editor)
#pragma once

#include "core/core.h"

namespace hm {

// Held while a window or chooser is up: the map as it was when the first of
// them opened shows through the box of every one of them.
struct window_scope {
    window_scope();
    ~window_scope();
    window_scope(const window_scope &) = delete;
    window_scope &operator=(const window_scope &) = delete;
};

// A left release that ends a list: only of a click made in the list, not of the
// one that opened it.
struct list_click {
    bool pressed = false;
    bool released()
    {
        if (mb1 == EDGE_PRESSED) pressed = true;
        return pressed && mb1 == EDGE_RELEASED;
    }
};

// Reads the keys and the pointer, keeps the pointer over the view and draws the
// window's box over the map.  False when the game is being closed: every window then ends.
bool window_frame_begin();
// The pointer, the frame's wait and the view onto the screen.
void window_frame_end();
// 1 when the pointer lies inside view rectangle x1 < x < x2, y1 < y < y2.
int min_box(int x1, int x2, int y1, int y2);
// A label at view (x, y) and its number after it; a left click on the label edits
// the number in place, kept within lo..hi.  Returns the label's width.
int num_row(int x, int y, const char *label, int *value, int lo, int hi);
// The same for a number of another width.
template <typename T>
int num_field(int x, int y, const char *label, T &field, int lo, int hi)
{
    int v = field;
    int w = num_row(x, y, label, &v, lo, hi);
    field = (T)v;
    return w;
}
// Edits a number at the place num_row draws it for a label of width w.
void edit_num(int x, int y, int w, int *value, int lo, int hi);
int clamp_to(int v, int lo, int hi);
// After the line editor: the buttons are read afresh.
void after_typing();

}  // namespace hm
