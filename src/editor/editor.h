// editor.h -- the level editor built into the play screen: painting, chests, spawners, windows
#pragma once

namespace hm {

// -- the editor's frame ----------------------------------------------------------------
void editor_controls();   // every frame of play: E, the tool bar, painting, keys
void draw_editor();       // the tool bar, into the static screen while the editor is on
void editor_note(const char *text, int ok);   // a note over the view for a while: done, or failed
void draw_editor_note();  // that note, over the drawn view

// -- chests and spawners -------------------------------------------------------------
int new_chest();          // a chest waiting at (0, 0) for its cell; -1 when none can be made
void select_chest();      // the chest of this level under the pointer becomes sel_chest
void move_chest();        // sel_chest to the cell under the pointer
void delete_chest();      // frees sel_chest and clears its cell
int new_crt_spawner();    // as new_chest, among the 25 spawners
void select_crt_spawner();
void move_crt_spawner();
int new_spawner_id();     // lowest free id of this level; 0 when all 25 are taken
int get_spawner_from_id(int id);   // the highest active record with that id, -1 none
int editor_cell();        // the cell under the pointer on the map, -1 off the map or view

// -- layers ----------------------------------------------------------------------------
void paint_cell(int layer, int cell, int pic);   // one layer of one cell; layer 5 paints nothing
void shift_cell_light(int layer, int cell, int d);   // that layer's light offset, within a byte
void make_cave_roof();    // roofs over cave walls 82..93 and over the floor they enclose

// -- the picture chooser -------------------------------------------------------------
int choose_pic(int layer);   // modal; the picture clicked, or the last one when the window closes
int chooser_last_page(int layer);   // the group's last page of 60 pictures
int turn_page(int page, int layer);   // - and = released: the page before or after, within the group
void draw_bmp_40mx(int pic, int group, int x, int y);
void draw_ls_40mx(int pic, int group, int x, int y, int shade);
void edit_ls_tile(int p);    // asks the five properties of object picture p, then saves the table

// -- windows and list choosers -------------------------------------------------------
void editor_lev_window();
void editor_chest_window();
void editor_crt_spawner_window();
void fix_spawner_loot(int k);   // no item: chance 0; an item with chance 0: 100
void choose_item(int *t);
void choose_crt(int *t);
void choose_chest(int *k);
void choose_crt_spawner(int *k);
void choose_lev(int *n);
void get_item_name(int t, char *dest);   // dest holds 26 bytes

}  // namespace hm
