// battle_panel.h -- the battle panel's places and buttons, shared by the skill page and the belt page
#pragma once

namespace hm {

constexpr int UI_GROUP = 7;          // interface pictures
constexpr int PIC_PANEL_BODY = 3;    // the grid page under the tabs
constexpr int PIC_PLACE_MARK = 58;   // the chosen skill or belt place
constexpr int PIC_USE = 59, PIC_USE_OFF = 60;
constexpr int PIC_PLACE_EMPTY = 61;  // an empty skill place, a locked belt place
constexpr int PIC_TABS_SKILLS = 74, PIC_TABS_ITEMS = 75;
constexpr int PIC_BELT_REMOVE = 76;
constexpr int PIC_INFO = 100;
constexpr int PIC_USES_BOX = 103, PIC_COST_BOX = 120;
constexpr int GRID_PITCH = 28;       // places are 28 pixels apart, four to a row

// Strictly inside the box (a button's edges do not count).
inline bool within(int x, int y, int x0, int x1, int y0, int y1) { return x > x0 && x < x1 && y > y0 && y < y1; }

// The grid place under screen point (x, y), -1 outside the grid.
inline int grid_place(int x, int y)
{
    if (!within(x, y, 445, 555, 275, 390)) return -1;
    return (x - 446) / GRID_PITCH + ((y - 276) / GRID_PITCH) * 4;
}
inline int place_dx(int k) { return GRID_PITCH * (k % 4); }
inline int place_dy(int k) { return GRID_PITCH * (k / 4); }

inline bool on_use_button(int x, int y) { return within(x, y, 568, 601, 277, 294); }

}  // namespace hm
