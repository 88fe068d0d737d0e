// figure.h -- the figure painter: sprites built from lit shapes in a depth-sorted canvas
//
// A figure is drawn at game size from shapes placed on bones (limbs, ellipses,
// tapered bodies, polygons).  Every shape is lit from its own normals against the
// one light and quantised to a few tones of its material, without dithering, so
// that small sprites stay crisp.  Each shape carries a depth: a nearer shape covers
// a farther one, and where it does the farther one gets a dark seam, which keeps an
// arm readable in front of a torso of the same cloth.  `finish` adds the coloured
// outline (each edge in the darkest tone of its own material).
#pragma once

#include <cmath>
#include <functional>
#include <vector>

#include "art/draw.h"

namespace art {

// -- small vectors --------------------------------------------------------------
struct v2 {
    float x, y;
};
inline v2 operator+(v2 a, v2 b) { return {a.x + b.x, a.y + b.y}; }
inline v2 operator-(v2 a, v2 b) { return {a.x - b.x, a.y - b.y}; }
inline v2 operator*(v2 a, float k) { return {a.x * k, a.y * k}; }
inline float vlen(v2 a) { return std::sqrt(a.x * a.x + a.y * a.y); }
inline v2 lerp(v2 a, v2 b, float t) { return a + (b - a) * t; }

// The direction of angle a: 0 points down, pi/2 forward (right), pi up, -pi/2 back.
inline v2 dir(float a) { return {std::sin(a), std::cos(a)}; }

// A bone's frame: a point, its "up" and its "forward" (up turned a quarter towards
// the figure's front).  Shapes on heads and hands are placed in these coordinates,
// so a figure lying on the ground carries its hat and face along.
struct frame2 {
    v2 o;    // origin
    v2 up;   // unit vector
    v2 fw;   // unit vector
    v2 at(float f, float u) const { return o + fw * f + up * u; }
};
// The frame at o whose up points along angle a (dir(a)).
frame2 frame_at(v2 o, float a);

// -- materials ---------------------------------------------------------------------
// The entries lo..hi of a ramp, darkest first.  A null ramp draws nothing.
struct mat {
    const pal::ramp *r = nullptr;   // material ramp
    int lo = 0, hi = 0;             // entries used
    bool glow = false;              // ignores the light: tone = 0.5 + bias, no outline
};
inline mat M(const pal::ramp &r) { return {&r, 0, r.len - 1, false}; }
inline mat M(const pal::ramp &r, int lo, int hi) { return {&r, lo, hi, false}; }
inline mat G(const pal::ramp &r, int lo, int hi) { return {&r, lo, hi, true}; }
// The material's colour for a brightness t in 0..1.
uint8_t tone(const mat &m, float t);

// -- the figure canvas ------------------------------------------------------------------
class figure {
public:
    figure(int w, int h);

    int w, h;
    std::vector<uint8_t> col;     // palette index, 0 transparent
    std::vector<float> depth;     // depth of the shape that drew each pixel
    std::vector<int> part;        // shape that drew each pixel
    std::vector<uint8_t> flags;   // 1: glowing (no seams, no outline)

    // A new part number: shapes drawn with the same part never seam each other.
    int new_part() { return next_part_++; }

    // Writes one pixel if nothing nearer is there.
    void plot(int x, int y, float z, uint8_t c, int part_no, bool glow = false);

    // Any shape: covered(x, y) for pixel centres inside the box, normal(x, y).
    int shape(float left, float top, float right, float bottom, const std::function<bool(float, float)> &covered,
              const std::function<vec3(float, float)> &normal, const mat &m, float z, float bias, int part_no);

    // An ellipse with radius rx along ax and ry along ay (unit vectors), lit as a dome.
    int ellipse(v2 c, float rx, float ry, v2 ax, v2 ay, const mat &m, float z, float bias = 0, int part_no = -1);
    int ellipse(v2 c, float rx, float ry, const mat &m, float z, float bias = 0, int part_no = -1)
    {
        return ellipse(c, rx, ry, {1, 0}, {0, -1}, m, z, bias, part_no);
    }
    // A tube from a (radius ra) to b (radius rb) with round ends, lit as a cylinder.
    int limb(v2 a, float ra, v2 b, float rb, const mat &m, float z, float bias = 0, int part_no = -1);
    // A body from a (half width wa) to b (half width wb) with flat ends, lit as a
    // cylinder across its axis; `bulge` rounds its ends (0 flat, 1 half discs).
    int body(v2 a, float wa, v2 b, float wb, const mat &m, float z, float bias = 0, float bulge = 0.3f,
             int part_no = -1);
    // A polygon; `round` curves its shading across x (0 flat face towards n).
    int poly(const std::vector<v2> &pts, const mat &m, float z, float bias = 0, vec3 n = {-0.2f, -0.3f, 1},
             float round = 0, int part_no = -1);
    // A line of single pixels in one colour (threads, strings, thin shafts).
    void thin(v2 a, v2 b, uint8_t colour, float z, int part_no = -1);
    void dot(v2 p, uint8_t colour, float z, int part_no = -1, bool glow = false);

    // Darkens, by `steps` entries of their own ramps, the pixels of shapes that
    // border a nearer shape.
    void seams(int steps = 2);
    // Outlines the silhouette (each outline pixel in the darkest entry of the ramp
    // it borders; lighter above and left) and returns the picture.
    canvas finish(bool outline = true, bool do_seams = true);

private:
    int next_part_ = 1;
};

}  // namespace art
