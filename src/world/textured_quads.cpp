// textured_quads.cpp -- pictures laid on rotated squares and triangles in the view
#include <cmath>
#include <cstdint>
#include <utility>

#include "data/data.h"
#include "world/world.h"

namespace hm {

namespace {

constexpr int EDGE_BITS = 20;   // fraction bits of an edge's x position
constexpr int TEX_BITS = 24;    // fraction bits of a texture coordinate

// v in fixed point with `bits` fraction bits (a multiplication: negative values may not be shifted).
int64_t fixed(int64_t v, int bits) { return v * ((int64_t)1 << bits); }

struct clip_rect {
    int x0, y0, x1, y1;   // inclusive
};

clip_rect clip_of(int clip)
{
    if (clip == 1) return {36, 36, 163, 163};   // the lock's dial window
    return {0, 0, VIEW_W - 1, VIEW_H - 1};
}

// One edge of a triangle, from its upper vertex a to its lower vertex b: its x
// and texture point on a row, in fixed point.
struct edge {
    int64_t x, u, v;      // at row y0
    int64_t dx, du, dv;   // per row
    int y0;

    edge(const tex_vert &a, const tex_vert &b) : y0(a.y)
    {
        int64_t h = b.y - a.y;
        x = fixed(a.x, EDGE_BITS);
        u = fixed(a.u, TEX_BITS);
        v = fixed(a.v, TEX_BITS);
        dx = h ? fixed((int64_t)b.x - a.x, EDGE_BITS) / h : 0;
        du = h ? fixed((int64_t)b.u - a.u, TEX_BITS) / h : 0;
        dv = h ? fixed((int64_t)b.v - a.v, TEX_BITS) / h : 0;
    }
    int64_t x_at(int y) const { return x + dx * (y - y0); }
    int64_t u_at(int y) const { return u + du * (y - y0); }
    int64_t v_at(int y) const { return v + dv * (y - y0); }
};

// Which side of the rectangle a point lies beyond, one bit per side.
int outcode(const tex_vert &p, const clip_rect &c)
{
    return (p.x < c.x0) | (p.x > c.x1) << 1 | (p.y < c.y0) << 2 | (p.y > c.y1) << 3;
}

// One row of the triangle between edges l and r (either may be the left one).
void span(int y, const edge &l, const edge &r, const tex_image &img, const uint16_t *pal, int alpha,
          const clip_rect &c)
{
    const edge *a = &l, *b = &r;
    if (b->x_at(y) < a->x_at(y)) std::swap(a, b);
    // Arithmetic shifts: positions left of the view round down, as the pixels do.
    int xl = (int)(a->x_at(y) >> EDGE_BITS), xr = (int)(b->x_at(y) >> EDGE_BITS);
    if (xr <= xl) return;
    int64_t u = a->u_at(y), v = a->v_at(y);
    int64_t du = (b->u_at(y) - u) / (xr - xl), dv = (b->v_at(y) - v) / (xr - xl);
    int from = xl < c.x0 ? c.x0 : xl, to = xr > c.x1 + 1 ? c.x1 + 1 : xr;
    u += du * (from - xl);
    v += dv * (from - xl);
    uint16_t *dst = vs + y * VIEW_W;
    for (int x = from; x < to; x++, u += du, v += dv) {
        int64_t col = u >> TEX_BITS, row = v >> TEX_BITS;
        if (col < 0 || row < 0 || col >= img.w || row >= img.h) continue;
        uint8_t t = img.px[row * img.w + col];
        if (!t) continue;
        dst[x] = alpha ? blend_px(dst[x], pal[t], alpha) : pal[t];
    }
}

}  // namespace

void draw_tmap(tex_vert p1, tex_vert p2, tex_vert p3, const tex_image &img, int shade, int clip, int alpha)
{
    if ((int64_t)(p1.x - p2.x) * (p3.y - p2.y) - (int64_t)(p1.y - p2.y) * (p3.x - p2.x) < 0) return;
    clip_rect c = clip_of(clip);
    if (outcode(p1, c) & outcode(p2, c) & outcode(p3, c)) return;
    // Top to bottom: p1 the top vertex, p3 the bottom one.
    if (p2.y < p1.y) std::swap(p1, p2);
    if (p3.y < p1.y) std::swap(p1, p3);
    if (p3.y < p2.y) std::swap(p2, p3);
    const uint16_t *pal = shade_slice(shade);
    edge longest(p1, p3), upper(p1, p2), lower(p2, p3);
    int y_end = p3.y < c.y1 + 1 ? p3.y : c.y1 + 1;
    for (int y = p1.y < c.y0 ? c.y0 : p1.y; y < y_end; y++)
        span(y, longest, y < p2.y ? upper : lower, img, pal, alpha, c);
}

void tmap(int pic, int group, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4, int shade, int clip,
          int alpha)
{
    // The texture is read as one palette index per pixel, W to a row.
    if (!pic_ok(pic, group) || pic_is_rle(pic, group)) return;
    int slot = pic_slot(pic, group);
    if (slot < 0) return;
    const swinf_rec &s = SWINF[slot];
    tex_image img = {swad + s.start, s.width, s.height};
    int w = s.width, h = s.height;
    draw_tmap({x1, y1, 0, 0}, {x2, y2, 0, h}, {x4, y4, w, 0}, img, shade, clip, alpha);
    draw_tmap({x4, y4, w, 0}, {x2, y2, 0, h}, {x3, y3, w, h}, img, shade, clip, alpha);
}

void draw_rottex(int pic, int group, float cx, float cy, float r, float angle, int shade, int clip, int alpha)
{
    // Corners 1..4 at these turns from the angle: the picture's top edge faces
    // the angle's direction.
    const float turn[4] = {5.497787f, 3.92699f, 2.356194f, 0.785398f};
    // Corners far past the view are kept where a float still converts to an int.
    auto coord = [](float v) {
        if (!(v > -1e6f)) return -1000000;
        if (!(v < 1e6f)) return 1000000;
        return (int)v;
    };
    int x[4], y[4];
    for (int k = 0; k < 4; k++) {
        x[k] = coord(cx + r * std::cos(angle + turn[k]));
        y[k] = coord(cy + r * std::sin(angle + turn[k]));
    }
    tmap(pic, group, x[0], y[0], x[1], y[1], x[2], y[2], x[3], y[3], shade, clip, alpha);
}

}  // namespace hm
