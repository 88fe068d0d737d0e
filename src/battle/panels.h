// panels.h -- the side panel: creature list and detail box, the sheet's clicks, the pointer's shape
#pragma once

namespace hm {

constexpr int CRTBOX_ROWS = 5;          // creatures listed at a time
constexpr int CRTBOX_SCROLL_MAX = 50;   // crtbox_first stays below this
constexpr int CRTBOX_HAND_MAX = 20;     // the lower scroll button shows the hand below this
constexpr int CONDITION_LINES = 22;     // conditions 0..21 shown on the detail box's second page
constexpr int POINTER_HAND_FRAMES = 17; // the hand's pictures 1..17 of group 8

// Pointer pictures of group 8.
enum {
    PTR_ARROW = 0, PTR_LEAVE = 18, PTR_SCROLL = 27, PTR_TARGET = 28, PTR_SKILL = 30,
    PTR_EDIT_CHEST = 37, PTR_EDIT_SPAWNER = 38, PTR_TALK = 40,
};

void scraps();          // per frame: frame count, pointer in the view, the panel's refresh
void draw_scraps();     // battle set-up: the start button and its click
void draw_crtbox();     // the creature list and the detail box of box_crt, into the screen buffer
void draw_crtstats(int c, int x, int y);   // the statistics page of creature c
void crtbox_controls(); // per frame: clicks on the creature list and its box
void stats_controls();  // per frame: clicks on the party rows and the sheet
void other_controls();  // per frame: the usable-items button and the catalogue button
void mouse_ptr();       // per frame: cursor_pic for what a click would do

// The k-th creature the list shows (in use, not a bystander, by index), -1 none.
int crtbox_listed(int k);
// The hand's picture for this frame.
int hand_pic();

}  // namespace hm
