// draw.h -- shared drawing helpers of the art generator: canvas, shapes, light, dithering
//
// Everything here is deterministic: the same code draws the same pixels on every
// machine.  Pictures are drawn in palette indices (palette_ramps.h).  Light comes
// from the upper left and a little from the front; shapes are shaded from their
// surface normals and quantised to a ramp with ordered dithering.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "art/palette_ramps.h"

namespace art {

// -- the canvas ---------------------------------------------------------------
// An 8-bit picture: palette indices, row 0 at the top, 0 transparent.
struct canvas {
    int w = 0, h = 0;
    std::vector<uint8_t> px;   // w * h indices, top row first

    canvas() = default;
    canvas(int width, int height, uint8_t fill = 0) : w(width), h(height), px((size_t)width * height, fill) {}
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
    uint8_t get(int x, int y) const { return inside(x, y) ? px[(size_t)y * w + x] : 0; }
    void set(int x, int y, uint8_t c)
    {
        if (inside(x, y)) px[(size_t)y * w + x] = c;
    }
};

// -- small maths --------------------------------------------------------------
struct vec3 {
    float x, y, z;
};
vec3 normalize(vec3 v);
float dot(vec3 a, vec3 b);

// The one light of every picture: from the upper left, towards the viewer.
vec3 light_dir();

// Brightness 0..1 of a surface with normal n (x right, y down, z towards the viewer):
// ambient plus diffuse, with a small rim of extra light on faces turned to the light.
float lit(vec3 n, float ambient = 0.25f);

// A deterministic generator for scattering details.
struct rng {
    uint32_t s;   // state
    explicit rng(uint32_t seed) : s(seed * 2654435761u + 0x9e3779b9u) {}
    uint32_t next();
    float uniform();              // 0..1
    int range(int lo, int hi);    // lo..hi inclusive
};

// -- ramps and dithering --------------------------------------------------------
// Ordered 4 x 4 Bayer threshold at (x, y), in 0..1.
float bayer(int x, int y);

// The ramp entry for brightness t (0..1) at pixel (x, y): between two entries the
// choice is dithered so that a smooth gradient does not band.
uint8_t ramp_dither(const pal::ramp &r, float t, int x, int y);

// The ramp a palette index belongs to and its place in it; nullptr for indices
// outside every ramp.
const pal::ramp *ramp_of(uint8_t index, int *place = nullptr);

// The same material `steps` entries lighter (positive) or darker (negative);
// indices outside every ramp are returned unchanged.
uint8_t shift(uint8_t index, int steps);

// -- plain drawing --------------------------------------------------------------
void fill_rect(canvas &c, int x, int y, int w, int h, uint8_t colour);
void line(canvas &c, int x0, int y0, int x1, int y1, uint8_t colour);
// Copies every non-zero pixel of src with its top-left at (x, y); mirrored when flip.
void blit(canvas &dst, const canvas &src, int x, int y, bool flip = false);

// -- shaded shapes ----------------------------------------------------------------
// Each fills only inside its outline and shades from its own normals; `bias`
// brightens (positive) or darkens the whole shape.
struct pt {
    float x, y;
};
void ellipse(canvas &c, float cx, float cy, float rx, float ry, const pal::ramp &r, float bias = 0);
// A round-ended tube from (x0, y0) to (x1, y1), shaded as a cylinder.
void capsule(canvas &c, float x0, float y0, float x1, float y1, float radius, const pal::ramp &r,
             float bias = 0);
// A flat face with normal n; a gentle gradient along y keeps large faces alive.
void polygon(canvas &c, const std::vector<pt> &pts, const pal::ramp &r, vec3 n, float bias = 0);
// Any shape: inside(x, y) says whether a pixel centre is covered, normal(x, y)
// gives its surface normal.
void shade_shape(canvas &c, const std::function<bool(float, float)> &inside,
                 const std::function<vec3(float, float)> &normal, const pal::ramp &r, float bias = 0);
bool in_polygon(const std::vector<pt> &pts, float x, float y);

// -- finishing -------------------------------------------------------------------
// Darkens the silhouette's edge pixels to their ramp's darkest entry; edges facing
// the light (up or left) are only darkened by `lit_steps`.
void outline_inner(canvas &c, int lit_steps = 2);
// Paints transparent pixels that touch the silhouette with `colour`.
void outline_outer(canvas &c, uint8_t colour);
// Removes lone pixels: a pixel whose four neighbours all share one other value takes it.
void despeckle(canvas &c);
// Draws at twice the size with `paint` and reduces each 2 x 2 block to its most
// common index (transparent unless at least two of the four are opaque).
canvas supersample(int w, int h, const std::function<void(canvas &)> &paint);

// -- noise ------------------------------------------------------------------------
// Smooth value noise in 0..1 with a lattice of `cell` pixels, repeating every
// period_x by period_y cells (0: no repetition).
float value_noise(float x, float y, float cell, uint32_t seed, int period_x = 0, int period_y = 0);

// Noise over map pixels that repeats on the ground lattice (periods (40, 0) and
// (20, 20)), so that every copy of a tile meets its neighbours without a seam.
// `detail` is the number of lattice cells per tile (1..8), `octaves` adds finer layers.
float tile_noise(float map_x, float map_y, uint32_t seed, int detail = 4, int octaves = 3);

// A 40 x 20 ground tile: colour(map_x, map_y) is asked for every pixel at its place
// on the map (picture row r is drawn r pixels further right).
void ground_tile(canvas &c, const std::function<uint8_t(float, float)> &colour);

// -- text -------------------------------------------------------------------------
// Writes text with the game's font (content/font) in one colour; returns the width.
// The font is read once from the file named by set_font_file.
void set_font_file(const std::string &file);
int draw_text(canvas &c, int x, int y, const char *text, uint8_t colour);

}  // namespace art
