// world.h -- levels, the map layers, the view and the static screen
#pragma once

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
    uint8_t raw[64];   // laid out by the animation code
};
static_assert(sizeof(ani_rec) == 64, "ANI record");

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
