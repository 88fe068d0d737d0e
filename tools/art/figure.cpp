// figure.cpp -- the figure painter's shapes, depth test, seams and outline
#include "art/figure.h"

#include <algorithm>
#include <limits>

namespace art {

frame2 frame_at(v2 o, float a)
{
    v2 up = dir(a);
    // Forward is up turned a quarter towards the front: for an upright figure
    // (up = (0, -1)) that is (1, 0).
    v2 fw = {-up.y, up.x};
    return {o, up, fw};
}

uint8_t tone(const mat &m, float t)
{
    if (!m.r) return 0;
    t = std::min(1.0f, std::max(0.0f, t));
    int n = m.hi - m.lo + 1;
    int k = m.lo + std::min(n - 1, (int)(t * (float)n));
    return (*m.r)[k];
}

figure::figure(int width, int height)
    : w(width), h(height), col((size_t)width * height, 0),
      depth((size_t)width * height, -std::numeric_limits<float>::infinity()), part((size_t)width * height, 0),
      flags((size_t)width * height, 0)
{
}

void figure::plot(int x, int y, float z, uint8_t c, int part_no, bool glow)
{
    if (x < 0 || y < 0 || x >= w || y >= h || !c) return;
    size_t i = (size_t)y * w + x;
    if (z < depth[i]) return;
    col[i] = c;
    depth[i] = z;
    part[i] = part_no;
    flags[i] = glow ? 1 : 0;
}

int figure::shape(float left, float top, float right, float bottom, const std::function<bool(float, float)> &covered,
                  const std::function<vec3(float, float)> &normal, const mat &m, float z, float bias, int part_no)
{
    if (part_no < 0) part_no = new_part();
    if (!m.r) return part_no;
    int x0 = std::max(0, (int)std::floor(left) - 1), x1 = std::min(w - 1, (int)std::ceil(right) + 1);
    int y0 = std::max(0, (int)std::floor(top) - 1), y1 = std::min(h - 1, (int)std::ceil(bottom) + 1);
    for (int y = y0; y <= y1; y++)
        for (int x = x0; x <= x1; x++) {
            float fx = (float)x + 0.5f, fy = (float)y + 0.5f;
            if (!covered(fx, fy)) continue;
            float t;
            if (m.glow) t = 0.5f + bias;
            else t = (lit(normal(fx, fy)) - 0.25f) / 0.75f + bias;
            plot(x, y, z, tone(m, t), part_no, m.glow);
        }
    return part_no;
}

int figure::ellipse(v2 c, float rx, float ry, v2 ax, v2 ay, const mat &m, float z, float bias, int part_no)
{
    if (rx <= 0 || ry <= 0) return part_no < 0 ? new_part() : part_no;
    float ext = std::max(rx, ry);
    auto local = [=](float x, float y, float &u, float &v) {
        v2 d = {x - c.x, y - c.y};
        u = (d.x * ax.x + d.y * ax.y) / rx;
        v = (d.x * ay.x + d.y * ay.y) / ry;
    };
    return shape(
        c.x - ext, c.y - ext, c.x + ext, c.y + ext,
        [=](float x, float y) {
            float u, v;
            local(x, y, u, v);
            return u * u + v * v <= 1.0f;
        },
        [=](float x, float y) {
            float u, v;
            local(x, y, u, v);
            v2 s = ax * u + ay * v;
            return vec3{s.x, s.y, std::sqrt(std::max(0.0f, 1.0f - u * u - v * v))};
        },
        m, z, bias, part_no);
}

int figure::limb(v2 a, float ra, v2 b, float rb, const mat &m, float z, float bias, int part_no)
{
    v2 d = b - a;
    float len2 = d.x * d.x + d.y * d.y;
    auto offset = [=](float x, float y, float &ox, float &oy) {
        float t = len2 > 0 ? ((x - a.x) * d.x + (y - a.y) * d.y) / len2 : 0;
        t = std::min(1.0f, std::max(0.0f, t));
        float r = std::max(0.05f, ra + (rb - ra) * t);
        ox = (x - (a.x + d.x * t)) / r;
        oy = (y - (a.y + d.y * t)) / r;
    };
    float r = std::max(ra, rb);
    return shape(
        std::min(a.x, b.x) - r, std::min(a.y, b.y) - r, std::max(a.x, b.x) + r, std::max(a.y, b.y) + r,
        [=](float x, float y) {
            float ox, oy;
            offset(x, y, ox, oy);
            return ox * ox + oy * oy <= 1.0f;
        },
        [=](float x, float y) {
            float ox, oy;
            offset(x, y, ox, oy);
            return vec3{ox, oy, std::sqrt(std::max(0.0f, 1.0f - ox * ox - oy * oy))};
        },
        m, z, bias, part_no);
}

int figure::body(v2 a, float wa, v2 b, float wb, const mat &m, float z, float bias, float bulge, int part_no)
{
    v2 d = b - a;
    float len = std::max(0.001f, vlen(d));
    v2 ax = d * (1.0f / len);
    v2 across = {-ax.y, ax.x};
    // Position along the axis (s, in pixels) and across it in half widths (q).
    auto local = [=](float x, float y, float &s, float &q) {
        v2 p = {x - a.x, y - a.y};
        s = p.x * ax.x + p.y * ax.y;
        float t = std::min(1.0f, std::max(0.0f, s / len));
        float hw = std::max(0.05f, wa + (wb - wa) * t);
        q = (p.x * across.x + p.y * across.y) / hw;
    };
    float ext = std::max(wa, wb) * (1 + bulge);
    return shape(
        std::min(a.x, b.x) - ext, std::min(a.y, b.y) - ext, std::max(a.x, b.x) + ext, std::max(a.y, b.y) + ext,
        [=](float x, float y) {
            float s, q;
            local(x, y, s, q);
            if (q * q > 1.0f) return false;
            float cap = bulge * std::sqrt(std::max(0.0f, 1.0f - q * q));
            float wa_cap = wa * cap, wb_cap = wb * cap;
            return s >= -wa_cap && s <= len + wb_cap;
        },
        [=](float x, float y) {
            float s, q;
            local(x, y, s, q);
            q = std::min(1.0f, std::max(-1.0f, q));
            v2 n = across * q;
            return vec3{n.x, n.y - 0.15f, std::sqrt(std::max(0.0f, 1.0f - q * q))};
        },
        m, z, bias, part_no);
}

int figure::poly(const std::vector<v2> &pts, const mat &m, float z, float bias, vec3 n, float round, int part_no)
{
    if (pts.size() < 3) return part_no < 0 ? new_part() : part_no;
    std::vector<pt> p;
    float left = pts[0].x, right = pts[0].x, top = pts[0].y, bottom = pts[0].y;
    for (v2 q : pts) {
        p.push_back({q.x, q.y});
        left = std::min(left, q.x);
        right = std::max(right, q.x);
        top = std::min(top, q.y);
        bottom = std::max(bottom, q.y);
    }
    float mid = (left + right) / 2, half = std::max(0.5f, (right - left) / 2);
    return shape(
        left, top, right, bottom, [p](float x, float y) { return in_polygon(p, x, y); },
        [=](float x, float) {
            float u = (x - mid) / half * round;
            return vec3{n.x + u, n.y, n.z};
        },
        m, z, bias, part_no);
}

void figure::thin(v2 a, v2 b, uint8_t colour, float z, int part_no)
{
    if (part_no < 0) part_no = new_part();
    int x0 = (int)std::floor(a.x), y0 = (int)std::floor(a.y), x1 = (int)std::floor(b.x), y1 = (int)std::floor(b.y);
    int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        plot(x0, y0, z, colour, part_no);
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

void figure::dot(v2 p, uint8_t colour, float z, int part_no, bool glow)
{
    if (part_no < 0) part_no = new_part();
    plot((int)std::floor(p.x), (int)std::floor(p.y), z, colour, part_no, glow);
}

void figure::seams(int steps)
{
    std::vector<uint8_t> src = col;
    const int nx[4] = {-1, 1, 0, 0}, ny[4] = {0, 0, -1, 1};
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            size_t i = (size_t)y * w + x;
            if (!src[i] || flags[i]) continue;
            for (int k = 0; k < 4; k++) {
                int xx = x + nx[k], yy = y + ny[k];
                if (xx < 0 || yy < 0 || xx >= w || yy >= h) continue;
                size_t j = (size_t)yy * w + xx;
                if (!src[j] || flags[j] || part[j] == part[i]) continue;
                if (depth[j] > depth[i] + 0.01f) {
                    col[i] = shift(src[i], -steps);
                    break;
                }
            }
        }
}

canvas figure::finish(bool outline, bool do_seams)
{
    if (do_seams) seams();
    canvas c(w, h);
    c.px = col;
    if (!outline) return c;
    canvas src = c;
    auto solid = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= w || y >= h) return false;
        size_t i = (size_t)y * w + x;
        return src.px[i] != 0 && !flags[i];
    };
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            if (src.get(x, y)) continue;
            // The neighbour that gives the outline its material: below and right
            // first (the shadowed side), then above and left (the lit side).
            int bx = -1, by = -1;
            bool lit_side = false;
            if (solid(x, y + 1)) bx = x, by = y + 1, lit_side = true;
            else if (solid(x + 1, y)) bx = x + 1, by = y, lit_side = true;
            else if (solid(x, y - 1)) bx = x, by = y - 1;
            else if (solid(x - 1, y)) bx = x - 1, by = y;
            if (bx < 0) continue;
            const pal::ramp *r = ramp_of(src.get(bx, by));
            uint8_t o = r ? (lit_side && r->len > 3 ? (*r)[1] : r->darkest()) : pal::INK[0];
            c.set(x, y, o);
        }
    return c;
}

}  // namespace art
