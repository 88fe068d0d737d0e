// interface_parts.h -- painters of the interface pictures, shared by the picture table and the screen previews
#pragma once

#include "art/draw.h"

namespace art {
namespace ifc {

// The play screen's static parts (ifc_screen.cpp), group 7.
void frame(canvas &c, int n);            // 0: the screen frame
void party_board(canvas &c, int n);      // 68: the party panel's board
void party_row(canvas &c, int n);        // 1
void sheet(canvas &c, int n);            // 2: character sheet
void sheet_tab(canvas &c, int n);        // 4, 24, 27, 28: "Skills" and "Attributes" tabs
void use_items_button(canvas &c, int n); // 30, 31
void battle_panel(canvas &c, int n);     // 3
void list_panel(canvas &c, int n);       // 5
void row_highlight(canvas &c, int n);    // 6
void action_button(canvas &c, int n);    // 7, 25, 26, 51, 52, 66, 67, 79, 96, 97 and pressed forms
void stats_close(canvas &c, int n);      // 8
void slot_box(canvas &c, int n);         // 9..23 empty, 200 filled
void turn_marker(canvas &c, int n);      // 48
void detail_box(canvas &c, int n);       // 49, 50
void side_mark(canvas &c, int n);        // 56, 57, 65
void place_highlight(canvas &c, int n);  // 58
void small_button(canvas &c, int n);     // 59, 60, 100 and pressed forms
void empty_place(canvas &c, int n);      // 61
void tab_strip(canvas &c, int n);        // 29, 69, 94, 95
void pressed_tab(canvas &c, int n);      // 70, 71
void catalogue_button(canvas &c, int n); // 72, 73
void page_tabs(canvas &c, int n);        // 74, 75
void remove_button(canvas &c, int n);    // 76
void worn_mark(canvas &c, int n);        // 77
void inventory_close(canvas &c, int n);  // 98
void uses_box(canvas &c, int n);         // 103
void cost_box(canvas &c, int n);         // 120
void bullet(canvas &c, int n);           // 128
void start_button(canvas &c, int n);     // 117, 118 and the pressed form
void scroll_pressed(canvas &c, int n);   // pressed halves of the list's scroll column

// Boxes drawn into the view (ifc_boxes.cpp), group 7.
void loot_box(canvas &c, int n);         // 53, 54
void box_corner(canvas &c, int n);       // 62, 63, 124, 125
void continue_button(canvas &c, int n);  // 64
void book_panel(canvas &c, int n);       // 99, 104
void close_tall(canvas &c, int n);       // 101 and its lit form
void list_cap(canvas &c, int n);         // 107, 108
void list_arrow(canvas &c, int n);       // 109, 110
void points_box(canvas &c, int n);       // 111
void raise_button(canvas &c, int n);     // 112, 113
void level_row(canvas &c, int n);        // 115
void level_box(canvas &c, int n);        // 116
void attr_button(canvas &c, int n);      // 123, 126
void attr_highlight(canvas &c, int n);   // 127

// The lock puzzle (ifc_lock.cpp): group 7 pictures and the group 4 textures.
void lock_ring(canvas &c, int n);        // 80
void lock_timer(canvas &c, int n);       // 81
void lock_start(canvas &c, int n);       // 82, 83
void lock_disc_row(canvas &c, int n);    // 84
void lock_force(canvas &c, int n);       // 85, 90
void lock_header(canvas &c, int n);      // 87
void lock_close(canvas &c, int n);       // 88, 89
void lock_outcome(canvas &c, int n);     // 91, 92, 93
void lock_disc(canvas &c, int n);        // group 4: 10
void lock_dial(canvas &c, int n);        // group 4: 11
void lock_pick(canvas &c, int n);        // group 4: 12
void lock_knob(canvas &c, int n);        // group 4: 13
void lock_cover(canvas &c, int n);       // group 4: 14

// The title and the screens outside play (ifc_title.cpp), group 7.
void game_over(canvas &c, int n);        // 32
void map_marker(canvas &c, int n);       // 33
void title_overlay(canvas &c, int n);    // 34
void title_button(canvas &c, int n);     // 35..38, 45, 46
void title_backdrop(canvas &c, int n);   // 40
void name_field(canvas &c, int n);       // 41
void name_label(canvas &c, int n);       // 42
void player_list(canvas &c, int n);      // 43
void delete_question(canvas &c, int n);  // 44
void editor_bar(canvas &c, int n);       // 119

// Pointers and markers (pointers.cpp), group 8.
void pointer(canvas &c, int n);          // 0..40
// Skill icons (skill_icons.cpp), group 9.
void skill_icon(canvas &c, int n);       // 0..17
// Item icons (item_icons.cpp): group 10 icons and group 8 belt pictures.
void item_icon(canvas &c, int n);
constexpr int SMALL_ICON_BASE = 100;   // group 10: icon n drawn small is picture n + 100
void item_icon_small(canvas &c, int n);
void belt_picture(canvas &c, int n);
// What item icon n and belt picture n show; nullptr where there is none.
const char *item_icon_what(int n);
const char *belt_picture_what(int n);

}  // namespace ifc
}  // namespace art
