// object_picking.cpp -- which map object the pointer is on, to the pixel
#include "core/core.h"
#include "data/data.h"
#include "world/world.h"

namespace hm {

int get_ls_pix(int pic, int group, int px, int py)
{
    if (!pic_ok(pic, group)) return 0;
    int slot = pic_slot(pic, group);
    if (slot < 0) return 0;
    int w = SWINF[slot].width, h = SWINF[slot].height;
    // Placed as draw_ls places it: tall pictures rise above the cell, wide ones centre on it.
    if (h > 40) py = h + (py - 40);
    if (w > 60) px = px + (w - 60) / 2;
    if (px < 0 || py < 0 || px >= w || py >= h) return 0;
    if (!pic_is_rle(pic, group)) return swad[SWINF[slot].start + py * w + px] != 0;
    static const uint8_t *rows[PIC_MAX_SIDE];
    static int lens[PIC_MAX_SIDE];
    static uint8_t line[PIC_MAX_SIDE];
    if (rle_rows(slot, rows, lens, PIC_MAX_SIDE) != h) return 0;
    if (rle_decode_row(rows[py], lens[py], line, w, px + 1) < px + 1) return 0;
    return line[px] != 0;
}

int select_ls()
{
    int hit = -1;
    // The objects' own drawing order, so that the last hit is the one in front.
    for_area(AREA_OBJECTS, j[cam_x], j[cam_y], [&hit](int c, int r) {
        if (!cell_ok(c, r)) return;
        int cell = c + MAP_W * r;
        if (!ls[cell] || !rf_chk(c, r)) return;
        int ax = view_x(c, r) + VIEW_X, ay = view_y(r);
        if (get_ls_pix(ls[cell], 1, j[mouse_x] - ax, j[mouse_y] - ay)) hit = cell;
    });
    return hit;
}

}  // namespace hm
