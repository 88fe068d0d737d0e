// draw.cpp -- shapes, light, dithering, outlines, noise and text for the art generator
#include "art/draw.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "font/font_source.h"

namespace art {

// -- maths ----------------------------------------------------------------------
vec3 normalize(vec3 v)
{
    float l = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    if (l <= 0) return {0, 0, 1};
    return {v.x / l, v.y / l, v.z / l};
}

float dot(vec3 a, vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

vec3 light_dir() { return normalize({-0.55f, -0.65f, 0.55f}); }

float lit(vec3 n, float ambient)
{
    float d = dot(normalize(n), light_dir());
    float v = ambient + (1.0f - ambient) * std::max(0.0f, d);
    return std::min(1.0f, std::max(0.0f, v));
}

uint32_t rng::next()
{
    s ^= s << 13;
    s ^= s >> 17;
    s ^= s << 5;
    return s;
}

float rng::uniform() { return (float)(next() & 0xffffff) / (float)0x1000000; }

int rng::range(int lo, int hi) { return hi <= lo ? lo : lo + (int)(next() % (uint32_t)(hi - lo + 1)); }

// -- ramps ------------------------------------------------------------------------
float bayer(int x, int y)
{
    static const int m[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    return ((float)m[y & 3][x & 3] + 0.5f) / 16.0f;
}

uint8_t ramp_dither(const pal::ramp &r, float t, int x, int y)
{
    t = std::min(1.0f, std::max(0.0f, t));
    float pos = t * (float)(r.len - 1);
    int k = (int)pos;
    float frac = pos - (float)k;
    return r[frac > bayer(x, y) ? k + 1 : k];
}

namespace {

const pal::ramp *const all_ramps[] = {
    &pal::INK,     &pal::GREY,       &pal::GOLD,   &pal::EMERALD, &pal::SLATE,      &pal::MAGIC,
    &pal::BONE,    &pal::STEEL,      &pal::SKIN,   &pal::LEATHER, &pal::ICE,        &pal::GRASS,
    &pal::FOLIAGE, &pal::TERRACOTTA, &pal::EARTH,  &pal::SAND,    &pal::STONE,      &pal::WOOD,
    &pal::THATCH,  &pal::WATER,      &pal::CLOTH_RED, &pal::CLOTH_BLUE, &pal::FIRE,
};

}  // namespace

const pal::ramp *ramp_of(uint8_t index, int *place)
{
    for (const pal::ramp *r : all_ramps)
        for (int i = 0; i < r->len; i++)
            if (r->idx[i] == index) {
                if (place) *place = i;
                return r;
            }
    return nullptr;
}

uint8_t shift(uint8_t index, int steps)
{
    int place = 0;
    const pal::ramp *r = ramp_of(index, &place);
    return r ? (*r)[place + steps] : index;
}

// -- plain drawing ------------------------------------------------------------------
void fill_rect(canvas &c, int x, int y, int w, int h, uint8_t colour)
{
    for (int yy = y; yy < y + h; yy++)
        for (int xx = x; xx < x + w; xx++) c.set(xx, yy, colour);
}

void line(canvas &c, int x0, int y0, int x1, int y1, uint8_t colour)
{
    int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        c.set(x0, y0, colour);
        if (x0 == x1 && y0 == y1) break;
        int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void blit(canvas &dst, const canvas &src, int x, int y, bool flip)
{
    for (int yy = 0; yy < src.h; yy++)
        for (int xx = 0; xx < src.w; xx++) {
            uint8_t v = src.get(flip ? src.w - 1 - xx : xx, yy);
            if (v) dst.set(x + xx, y + yy, v);
        }
}

// -- shaded shapes --------------------------------------------------------------------
namespace {

// Pixel rows and columns of the canvas that a box of floats touches.
struct span {
    int x0, y0, x1, y1;   // inclusive
};

span clip_box(const canvas &c, float left, float top, float right, float bottom)
{
    span s{(int)std::floor(left) - 1, (int)std::floor(top) - 1, (int)std::ceil(right) + 1,
           (int)std::ceil(bottom) + 1};
    s.x0 = std::max(0, s.x0);
    s.y0 = std::max(0, s.y0);
    s.x1 = std::min(c.w - 1, s.x1);
    s.y1 = std::min(c.h - 1, s.y1);
    return s;
}

void shade_box(canvas &c, span s, const std::function<bool(float, float)> &inside,
               const std::function<vec3(float, float)> &normal, const pal::ramp &r, float bias)
{
    for (int y = s.y0; y <= s.y1; y++)
        for (int x = s.x0; x <= s.x1; x++) {
            float fx = (float)x + 0.5f, fy = (float)y + 0.5f;
            if (!inside(fx, fy)) continue;
            c.set(x, y, ramp_dither(r, lit(normal(fx, fy)) + bias, x, y));
        }
}

}  // namespace

void shade_shape(canvas &c, const std::function<bool(float, float)> &inside,
                 const std::function<vec3(float, float)> &normal, const pal::ramp &r, float bias)
{
    shade_box(c, {0, 0, c.w - 1, c.h - 1}, inside, normal, r, bias);
}

void ellipse(canvas &c, float cx, float cy, float rx, float ry, const pal::ramp &r, float bias)
{
    if (rx <= 0 || ry <= 0) return;
    auto inside = [=](float x, float y) {
        float u = (x - cx) / rx, v = (y - cy) / ry;
        return u * u + v * v <= 1.0f;
    };
    auto normal = [=](float x, float y) {
        float u = (x - cx) / rx, v = (y - cy) / ry;
        float z = std::sqrt(std::max(0.0f, 1.0f - u * u - v * v));
        return vec3{u, v, z};
    };
    shade_box(c, clip_box(c, cx - rx, cy - ry, cx + rx, cy + ry), inside, normal, r, bias);
}

void capsule(canvas &c, float x0, float y0, float x1, float y1, float radius, const pal::ramp &r,
             float bias)
{
    if (radius <= 0) return;
    float dx = x1 - x0, dy = y1 - y0;
    float len2 = dx * dx + dy * dy;
    // Offset of a point from the nearest point of the axis, in radii.
    auto offset = [=](float x, float y, float &ox, float &oy) {
        float t = len2 > 0 ? ((x - x0) * dx + (y - y0) * dy) / len2 : 0;
        t = std::min(1.0f, std::max(0.0f, t));
        ox = (x - (x0 + t * dx)) / radius;
        oy = (y - (y0 + t * dy)) / radius;
    };
    auto inside = [=](float x, float y) {
        float ox, oy;
        offset(x, y, ox, oy);
        return ox * ox + oy * oy <= 1.0f;
    };
    auto normal = [=](float x, float y) {
        float ox, oy;
        offset(x, y, ox, oy);
        return vec3{ox, oy, std::sqrt(std::max(0.0f, 1.0f - ox * ox - oy * oy))};
    };
    shade_box(c, clip_box(c, std::min(x0, x1) - radius, std::min(y0, y1) - radius, std::max(x0, x1) + radius,
                          std::max(y0, y1) + radius),
              inside, normal, r, bias);
}

bool in_polygon(const std::vector<pt> &pts, float x, float y)
{
    bool in = false;
    size_t n = pts.size();
    for (size_t i = 0, k = n - 1; i < n; k = i++) {
        const pt &a = pts[i], &b = pts[k];
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) in = !in;
    }
    return in;
}

void polygon(canvas &c, const std::vector<pt> &pts, const pal::ramp &r, vec3 n, float bias)
{
    if (pts.size() < 3) return;
    float top = pts[0].y, bottom = pts[0].y, left = pts[0].x, right = pts[0].x;
    for (const pt &p : pts) {
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
        left = std::min(left, p.x);
        right = std::max(right, p.x);
    }
    float base = lit(n);
    float height = std::max(1.0f, bottom - top);
    span s = clip_box(c, left, top, right, bottom);
    for (int y = s.y0; y <= s.y1; y++)
        for (int x = s.x0; x <= s.x1; x++) {
            float fx = (float)x + 0.5f, fy = (float)y + 0.5f;
            if (!in_polygon(pts, fx, fy)) continue;
            // Faces catch a little more light towards their top.
            float t = base + bias + 0.08f * (0.5f - (fy - top) / height);
            c.set(x, y, ramp_dither(r, t, x, y));
        }
}

// -- finishing ---------------------------------------------------------------------------
void outline_inner(canvas &c, int lit_steps)
{
    canvas src = c;
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            uint8_t v = src.get(x, y);
            if (!v) continue;
            bool up = !src.get(x, y - 1), left = !src.get(x - 1, y);
            bool down = !src.get(x, y + 1), right = !src.get(x + 1, y);
            if (down || right) {
                const pal::ramp *r = ramp_of(v);
                c.set(x, y, r ? r->darkest() : v);
            } else if (up || left) {
                c.set(x, y, shift(v, -lit_steps));
            }
        }
}

void outline_outer(canvas &c, uint8_t colour)
{
    canvas src = c;
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            if (src.get(x, y)) continue;
            if (src.get(x - 1, y) || src.get(x + 1, y) || src.get(x, y - 1) || src.get(x, y + 1))
                c.set(x, y, colour);
        }
}

void despeckle(canvas &c)
{
    canvas src = c;
    for (int y = 1; y < c.h - 1; y++)
        for (int x = 1; x < c.w - 1; x++) {
            uint8_t n = src.get(x - 1, y);
            if (n != src.get(x + 1, y) || n != src.get(x, y - 1) || n != src.get(x, y + 1)) continue;
            if (n != src.get(x, y)) c.set(x, y, n);
        }
}

canvas supersample(int w, int h, const std::function<void(canvas &)> &paint)
{
    canvas big(w * 2, h * 2);
    paint(big);
    canvas out(w, h);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            uint8_t v[4] = {big.get(2 * x, 2 * y), big.get(2 * x + 1, 2 * y), big.get(2 * x, 2 * y + 1),
                            big.get(2 * x + 1, 2 * y + 1)};
            int opaque = 0;
            for (uint8_t p : v) opaque += p != 0;
            if (opaque < 2) continue;
            uint8_t best = 0;
            int best_n = 0;
            for (int i = 0; i < 4; i++) {
                if (!v[i]) continue;
                int n = 0;
                for (int k = 0; k < 4; k++) n += v[k] == v[i];
                if (n > best_n) {
                    best = v[i];
                    best_n = n;
                }
            }
            out.set(x, y, best);
        }
    return out;
}

// -- noise -------------------------------------------------------------------------------
namespace {

float hash01(int x, int y, uint32_t seed)
{
    uint32_t h = (uint32_t)x * 374761393u + (uint32_t)y * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (float)(h & 0xffff) / 65535.0f;
}

int wrap(int v, int period) { return period > 0 ? ((v % period) + period) % period : v; }

float smooth(float t) { return t * t * (3 - 2 * t); }

}  // namespace

float value_noise(float x, float y, float cell, uint32_t seed, int period_x, int period_y)
{
    float gx = x / cell, gy = y / cell;
    int x0 = (int)std::floor(gx), y0 = (int)std::floor(gy);
    float tx = smooth(gx - (float)x0), ty = smooth(gy - (float)y0);
    auto v = [&](int i, int k) { return hash01(wrap(i, period_x), wrap(k, period_y), seed); };
    float a = v(x0, y0) + (v(x0 + 1, y0) - v(x0, y0)) * tx;
    float b = v(x0, y0 + 1) + (v(x0 + 1, y0 + 1) - v(x0, y0 + 1)) * tx;
    return a + (b - a) * ty;
}

float tile_noise(float map_x, float map_y, uint32_t seed, int detail, int octaves)
{
    // Lattice coordinates: (40, 0) and (20, 20) are both one whole step.
    float u = (map_x - map_y) / 40.0f, v = map_y / 20.0f;
    float sum = 0, weight = 0, amp = 1;
    int n = std::max(1, std::min(8, detail));
    for (int o = 0; o < octaves; o++) {
        sum += amp * value_noise(u * (float)n, v * (float)n, 1.0f, seed + (uint32_t)o * 101u, n, n);
        weight += amp;
        amp *= 0.5f;
        n *= 2;
    }
    return sum / weight;
}

void ground_tile(canvas &c, const std::function<uint8_t(float, float)> &colour)
{
    for (int r = 0; r < c.h; r++)
        for (int col = 0; col < c.w; col++)
            c.set(col, r, colour((float)(col + r) + 0.5f, (float)r + 0.5f));
}

// -- text --------------------------------------------------------------------------------
namespace {

std::string font_file;
font_source *font = nullptr;

}  // namespace

void set_font_file(const std::string &file) { font_file = file; }

int draw_text(canvas &c, int x, int y, const char *text, uint8_t colour)
{
    if (!font) {
        font = new font_source;
        std::string err = read_font_source(font_file.c_str(), *font);
        if (!err.empty()) {
            std::fprintf(stderr, "%s\n", err.c_str());
            std::exit(1);
        }
    }
    int pen = x;
    for (const char *p = text; *p; p++) {
        int ch = (unsigned char)*p;
        if (ch == ' ') {
            pen += 4;
            continue;
        }
        if (ch < FONT_FIRST || ch > FONT_LAST) continue;
        for (int r = 0; r < FONT_ROWS; r++)
            for (int col = 0; col < FONT_COLS; col++)
                if (font->ink[ch][r][col]) c.set(pen + col, y + r, colour);
        pen += font->advance[ch];
    }
    return pen - x;
}

}  // namespace art
