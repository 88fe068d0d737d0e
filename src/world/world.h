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
constexpr int LEV_NAME_BYTES = 50;   // the level's name in the level file
constexpr int LEVEL_COUNT = 400;     // level numbers 0..399
constexpr int LSTS_STORED = 500;     // level statistics kept in the level file
constexpr int ROOF_LIFTED = 1000;    // added to the roof of every cell of a lifted roof area
constexpr uint8_t BLOCKED = 255;     // a blocked cell in the blocking layers

// Level statistics: the named entries of lsts.  For exit direction d (1 west,
// 2 east, 3 north, 4 south) the destination is lsts[3d + 6], [3d + 7], [3d + 8].
enum LstsSlot {
    lev_id = 0,        // the level's own number
    west_bound = 1,    // a leader at a column <= this leaves west
    east_bound = 2,    // column >= this leaves east
    north_bound = 3,   // row <= this leaves north
    south_bound = 4,   // row >= this leaves south
    start_x = 5,       // start column when no entry cell is given
    start_y = 6,       // start row
    light_level = 7,   // fixed shade of the level, -1 follows the time of day
    roof_height = 8,   // pixels roofs are raised by
    west_lev = 9, west_x = 10, west_y = 11,      // level and entry cell past the west bound
    east_lev = 12, east_x = 13, east_y = 14,     // the same for east
    north_lev = 15, north_x = 16, north_y = 17,  // north
    south_lev = 18, south_x = 19, south_y = 20,  // south
};

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

extern char lev_nam[LEV_NAME_BYTES + 1];   // the level's name, NUL-terminated

// -- cells --------------------------------------------------------------------------
// A cell on the map, tested on row and column: an index test would let an offset
// wrap from column 99 into the next row.
inline bool cell_ok(int x, int y) { return x >= 0 && x < MAP_W && y >= 0 && y < MAP_W; }

// The creature of party character `leader`, or -1 when it has none on the map.
int leader_crt();

// -- levels: files and entering them ------------------------------------------------
void make_level(int one, int level, int x, int y);   // enters level; x, y 0: its own start
void load_level(int level, int mode);   // mode 0 entering in play, 1 the editor's reading
void load_level2();                     // editor: asks for a level and reads it for editing
int save_level(int n);                  // n -1 asks; 0 written, -1 refused or failed
int write_level_file(const char *file, int n);   // the tables as level n; 0 written, -1 failed
void create_level_template(int n);      // an empty level n; frees level n's chests
void update_grsc();                     // static blocking and range penalties from the objects
void leave_level_chk();                 // enters the neighbour level past a bound
void get_lev_name(int n, char *dest);   // dest holds LEV_NAME_BYTES + 1

// -- drawing primitives (view coordinates unless said) ------------------------------
void draw_grnd(int n, int g, int x, int y);
void draw_grnd2(int n, int g, int x, int y);
void draw_rf(int n, int g, int x, int y, int shade);
void draw_ls(int n, int g, int x, int y, int shade);
void draw_ls_below(int n, int g, int x, int y, int shade, int top);   // only view rows from top down
void draw_pic(int n, int g, int x, int y, int dir, int alpha);
void draw_crt(int n, int g, int x, int y, int crt, int shade);
void draw_bmp(int n, int g, int x, int y, int dir, int alpha);
// An interface picture's indices as the archive holds it, w x h; kept after the
// first read while the archive file stays the same; nullptr when it cannot be read.
const uint8_t *archived_pixels(int n, int g, int *w, int *h);
void draw_bmp_scr(int n, int g, int x, int y, int dir);   // screen coordinates, into scr_buf
void lpix(int x, int y, int c);
void j_line(int x1, int y1, int x2, int y2, int c);
void fscr();    // the view to the screen, with this frame's flash

// Colour helpers of the drawing code: slice `shade` of the colour table (clamped),
// and a see-through pixel, each channel (back * a + fore * (255 - a)) >> 8.
const uint16_t *shade_slice(int shade);
uint16_t blend_px(uint16_t back, uint16_t fore, int a);

// -- textured quads: pictures laid on rotated squares --------------------------------
// A triangle corner: view pixel (x, y) showing texture point (u, v), column and row.
struct tex_vert {
    int x, y, u, v;
};
// A raw picture as a texture: w x h palette indices, top row first.
struct tex_image {
    const uint8_t *px;
    int w, h;
};
// clip 0 is the whole view, 1 the lock's dial window (columns and rows 36..163);
// alpha 0 writes, otherwise blends as blend_px.  Back-facing triangles are skipped.
void draw_tmap(tex_vert p1, tex_vert p2, tex_vert p3, const tex_image &img, int shade, int clip, int alpha);
void tmap(int pic, int group, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4, int shade, int clip,
          int alpha);
// Picture (pic, group) on a square of half-diagonal r centred on (cx, cy), its top
// edge facing `angle` (radians, 0 to the right, growing clockwise on the screen).
void draw_rottex(int pic, int group, float cx, float cy, float r, float angle, int shade, int clip, int alpha);

// -- object picking -------------------------------------------------------------------
int select_ls();                                // cell of the object under the pointer, -1 none
int get_ls_pix(int pic, int group, int px, int py);   // 1 when that pixel of the object shows
void fscr2();   // the static screen to the screen, edges darkened

// -- the scene, the camera and the roofs --------------------------------------------
// The cells a scene pass visits for a camera at (cx, cy): rows r0 + a .. r0 + b - 1
// and, in the k-th of them, columns c0 + p - k/2 down to c0 - q - k/2 + 1 (right
// to left), where c0 = (cx - cy) / 40 and r0 = cy / 20.
struct view_area {
    int a, b, p, q;
};
constexpr view_area AREA_GROUND = {-2, 13, 12, 2};
constexpr view_area AREA_OBJECTS = {-2, 16, 14, 4};   // objects, walkers, the box creature
constexpr view_area AREA_ROOFS = {-1, 20, 14, 4};
constexpr view_area AREA_FLYERS = {-2, 18, 14, 4};

// Calls fn(c, r) for every cell of the area, in drawing order, those off the map
// included: the caller decides what they mean.
template <typename Fn>
void for_area(const view_area &v, int cx, int cy, Fn fn)
{
    int c0 = (cx - cy) / 40, r0 = cy / 20;
    for (int k = 0; k < v.b - v.a; k++) {
        int r = r0 + v.a + k;
        for (int c = c0 + v.p - k / 2; c >= c0 - v.q - k / 2 + 1; c--) fn(c, r);
    }
}

int get_square(int px, int py);    // cell under view pixel (px, py), -1 off the map
int view_x(int c, int r);          // view pixel column where cell (c, r) is drawn from
int view_y(int r);                 // view pixel row where row r is drawn from
void draw_all();
int rf_chk(int c, int r);          // 1 drawn, 0 hidden by the roofs in front of it
void clear_roof();
// Camera acceptance: 1 when a camera at map pixel (x, y) shows only cells of the
// map and, unless free, keeps a party creature in view.
int cfgoos(int x, int y, int free);
void move_to_mcr();
// A camera that keeps the walking leader in the middle (a setting, off by default).
void follow_leader();
void unit_vector(double x1, double y1, double x2, double y2, double *ux, double *uy);
void set_grs();
void set_bat_grs();

// -- light and the time of day -------------------------------------------------------
constexpr int SHADE_MAX = 63;   // the darkest shade slice filled with colours

void do_light_time(int force);   // the game clock; sets light_now from the level or the hour
void do_gr_light();              // per frame: light_lev of the visible cells and gr_light of the view
void set_gr_lt(int cx, int cy, int level);   // a ground tile's parallelogram of gr_light
void gr_light_circ(int n, int g, int cx, int cy, int s);   // light picture n added, scaled by s / 256
void light_circ(int cell, int r, int d0, int d1, int d2, int d3, int d4);   // diamond of light_lev offsets
void cllev(int cell, int d);     // one cell's light_lev moved by d, kept within 0..SHADE_MAX
void do_grndanis(int force);     // the tile animator: doors, water, fires, fountains

// -- animations on the map, the sea and the game-over fade --------------------------
// Both answer the record taken, or -1 when all are in use.
int new_ani(int cell, int pic, int life, int frame_len, int lift, int last_frame, int high);
int new_ani2(int kind, int cell, int lift, int high, float px, float py, float vx, float vy, int tracks);
void do_anis();
void draw_ani(int i, int ax, int ay);   // (ax, ay): the cell's view position + (30, 8)
void draw_cell_anis(int cell, int x, int y, int high);   // the cell's low (0) or high (1) animations
void draw_sea();
void draw_ls_sea(int n, int g, int x, int y, int shade, int k);
void game_over_fade(int *exit_code);
void w4s();   // waits until Space is released

// -- the static screen and the pointer ----------------------------------------------
void draw_scrolling_arrow();
void draw_mouse(int ox, int oy, int nx, int ny);
void update_scr();

}  // namespace hm
