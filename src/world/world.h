// world.h -- levels, the map layers, the view and the static screen
#pragma once

#include <cstddef>
#include <cstdint>

namespace hm {

constexpr int MAP_W = 100;
constexpr int MAP_CELLS = 10000;
constexpr int VIEW_W = 400;
constexpr int VIEW_H = 240;
constexpr int VIEW_X = 20;   // the view's top-left on the screen
constexpr int VIEW_Y = 20;
constexpr int LSTS_COUNT = 1000;
constexpr int ANI_COUNT = 100;

// One animation on the map.
struct ani_rec {
    uint8_t active;          // 0 = free record
    uint8_t tracks;          // nonzero: cell follows the view position px, py each frame
    uint8_t pad0[2];         // alignment
    int32_t cell;            // map cell it belongs to
    int32_t pic;             // kind 0: first picture (group 6); some kinds: facing 0 or 1
    int32_t age;             // frames since the start, 1 in the first frame
    int32_t life;            // kind 0: frames to live
    int32_t frame_len;       // kind 0: frames per picture
    int32_t lift;            // pixels raised above the cell's anchor
    int32_t frame;           // current picture offset
    int32_t last_frame;      // kind 0: highest picture offset
    int32_t high;            // nonzero: drawn after roofs and flying creatures
    int32_t kind;            // behaviour
    float px;                // x offset or view x by kind; kind 0: age the last picture was reached
    float py;                // y offset or view y by kind
    float vx;                // x speed, pixels per frame
    float vy;                // y speed, pixels per frame
    uint8_t unused[4];       // rest of the 64-byte record
};
static_assert(sizeof(ani_rec) == 64);
static_assert(offsetof(ani_rec, active) == 0);
static_assert(offsetof(ani_rec, tracks) == 1);
static_assert(offsetof(ani_rec, pad0) == 2);
static_assert(offsetof(ani_rec, cell) == 4);
static_assert(offsetof(ani_rec, pic) == 8);
static_assert(offsetof(ani_rec, age) == 12);
static_assert(offsetof(ani_rec, life) == 16);
static_assert(offsetof(ani_rec, frame_len) == 20);
static_assert(offsetof(ani_rec, lift) == 24);
static_assert(offsetof(ani_rec, frame) == 28);
static_assert(offsetof(ani_rec, last_frame) == 32);
static_assert(offsetof(ani_rec, high) == 36);
static_assert(offsetof(ani_rec, kind) == 40);
static_assert(offsetof(ani_rec, px) == 44);
static_assert(offsetof(ani_rec, py) == 48);
static_assert(offsetof(ani_rec, vx) == 52);
static_assert(offsetof(ani_rec, vy) == 56);
static_assert(offsetof(ani_rec, unused) == 60);

extern uint16_t *vs;       // the map view, 400 x 240, drawn each frame
extern uint8_t *scr_buf;   // the static screen as palette indices, 640 x 400
extern int32_t *lsts;      // level statistics; the first 500 live in the level file
extern ani_rec *ANI;       // animations on the map

// Map layers, one value per cell (row * 100 + column).
extern uint16_t *gr, *gr2, *ls, *rf;   // ground, second ground, object, roof pictures
extern int8_t *us, *us2;               // walking / flying creature on the cell, -1 none
extern uint8_t *ani_us;                // non-zero while an animation stands on the cell
extern uint8_t *grs, *grsc, *bat_grs;  // blocking: this frame, static, in battle
extern int8_t *pbuf, *pbuf2;           // path-finding distance fields
extern int8_t *rng_pen;                // range penalty of the cell's object
extern int8_t *rf_lt, *gr_lt, *ls_lt;  // light offsets of roof, ground, object
extern int8_t *light_lev;              // computed shade level of the cell
extern uint8_t *gr_light;              // light of the view, one value per view pixel

}  // namespace hm

namespace hm {

// Camera acceptance: 1 when a camera at map pixel (x, y) shows only cells of the
// map and, unless free, keeps a party creature in view.
int cfgoos(int x, int y, int free);

}  // namespace hm
