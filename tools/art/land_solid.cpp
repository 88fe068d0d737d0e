// land_solid.cpp -- flat-faced solids drawn in the map's projection with a depth test
#include <algorithm>
#include <cmath>

#include "art/land.h"

namespace art {

namespace {

// Towards the viewer: the world direction that the projection flattens to a point.
const vec3 VIEW = {-1.0f / 2.449490f, 2.0f / 2.449490f, 1.0f / 2.449490f};
// Towards the light: from the north-west and above.
const vec3 LIGHT = normalize({-0.55f, -0.45f, 0.70f});


vec3 newell(const std::vector<wp> &p)
{
    vec3 n{0, 0, 0};
    for (size_t i = 0; i < p.size(); i++) {
        const wp &a = p[i], &b = p[(i + 1) % p.size()];
        n.x += (a.y - b.y) * (a.z + b.z);
        n.y += (a.z - b.z) * (a.x + b.x);
        n.z += (a.x - b.x) * (a.y + b.y);
    }
    return normalize(n);
}

}  // namespace

// Only pictures wider than 60 move left, only taller than 40 move up.
solid_view object_view(int w, int h) { return {(float)std::max(0, w - 60) / 2.0f, (float)(std::max(0, h - 40) + 20)}; }
solid_view roof_view(int w, int h) { return {(float)std::max(0, w - 60) / 2.0f, (float)std::max(0, h - 40)}; }

pt project(const solid_view &v, wp p) { return {v.ox + p.x + p.y * 0.5f, v.oy + p.y * 0.5f - p.z}; }

float light3(vec3 n)
{
    n = normalize(n);
    float d = std::max(0.0f, dot(n, LIGHT));
    float f = std::max(0.0f, dot(n, VIEW));
    return clamp01(0.30f + 0.55f * d + 0.17f * f);
}

void solid::add(std::vector<wp> pts, surf_shader shade, bool two_sided, vec3 normal)
{
    faces.push_back({std::move(pts), std::move(shade), two_sided, normal});
}

void solid::box(wp lo, wp hi, const surf_shader &shade)
{
    float x0 = lo.x, y0 = lo.y, z0 = lo.z, x1 = hi.x, y1 = hi.y, z1 = hi.z;
    add({{x0, y0, z1}, {x1, y0, z1}, {x1, y1, z1}, {x0, y1, z1}}, shade, false, {0, 0, 1});    // top
    add({{x0, y1, z0}, {x1, y1, z0}, {x1, y1, z1}, {x0, y1, z1}}, shade, false, {0, 1, 0});    // south
    add({{x0, y0, z0}, {x0, y1, z0}, {x0, y1, z1}, {x0, y0, z1}}, shade, false, {-1, 0, 0});   // west
    add({{x1, y0, z0}, {x1, y1, z0}, {x1, y1, z1}, {x1, y0, z1}}, shade, false, {1, 0, 0});    // east
    add({{x0, y0, z0}, {x1, y0, z0}, {x1, y0, z1}, {x0, y0, z1}}, shade, false, {0, -1, 0});   // north
    add({{x0, y0, z0}, {x1, y0, z0}, {x1, y1, z0}, {x0, y1, z0}}, shade, false, {0, 0, -1});   // bottom
}

void solid::render(canvas &c, const solid_view &v, std::vector<int> *ids) const
{
    size_t n = (size_t)c.w * c.h;
    std::vector<float> depth(n, -1e30f);
    std::vector<int> owner(n, -1);
    for (size_t f = 0; f < faces.size(); f++) {
        const face &fc = faces[f];
        if (fc.pts.size() < 3) continue;
        vec3 nrm = fc.normal;
        if (nrm.x == 0 && nrm.y == 0 && nrm.z == 0) {
            nrm = newell(fc.pts);
            if (dot(nrm, VIEW) < 0) nrm = {-nrm.x, -nrm.y, -nrm.z};
        }
        nrm = normalize(nrm);
        float facing = dot(nrm, VIEW);
        if (!fc.two_sided && facing <= 0.001f) continue;
        if (fc.two_sided && facing < 0) nrm = {-nrm.x, -nrm.y, -nrm.z};
        float ndv = dot(nrm, VIEW);
        if (std::fabs(ndv) < 1e-4f) continue;
        std::vector<pt> poly;
        float left = 1e9f, right = -1e9f, top = 1e9f, bottom = -1e9f;
        for (const wp &p : fc.pts) {
            pt q = project(v, p);
            poly.push_back(q);
            left = std::min(left, q.x);
            right = std::max(right, q.x);
            top = std::min(top, q.y);
            bottom = std::max(bottom, q.y);
        }
        float plane = nrm.x * fc.pts[0].x + nrm.y * fc.pts[0].y + nrm.z * fc.pts[0].z;
        int x0 = std::max(0, (int)std::floor(left)), x1 = std::min(c.w - 1, (int)std::ceil(right));
        int y0 = std::max(0, (int)std::floor(top)), y1 = std::min(c.h - 1, (int)std::ceil(bottom));
        for (int y = y0; y <= y1; y++)
            for (int x = x0; x <= x1; x++) {
                float X = (float)x + 0.5f, Y = (float)y + 0.5f;
                if (!in_polygon(poly, X, Y)) continue;
                // The ray through this pixel: B + t * VIEW, B on the plane y = 0.
                vec3 b = {X - v.ox, 0.0f, -(Y - v.oy)};
                float t = (plane - dot(nrm, b)) / ndv;
                size_t i = (size_t)y * c.w + x;
                if (t <= depth[i] + 0.01f) continue;
                // A shader may cut holes (index 0): what lies behind then shows.
                wp p = {b.x + t * VIEW.x, t * VIEW.y, b.z + t * VIEW.z};
                uint8_t col = fc.shade({p, nrm, (int)f, x, y});
                if (!col) continue;
                depth[i] = t;
                owner[i] = (int)f;
                c.set(x, y, col);
            }
    }
    if (ids) *ids = owner;
}

void crease(canvas &c, const std::vector<int> &ids, int steps)
{
    canvas src = c;
    for (int y = 1; y < c.h; y++)
        for (int x = 1; x < c.w; x++) {
            int id = ids[(size_t)y * c.w + x];
            if (id < 0) continue;
            int up = ids[(size_t)(y - 1) * c.w + x], left = ids[(size_t)y * c.w + x - 1];
            if ((up >= 0 && up != id) || (left >= 0 && left != id))
                c.set(x, y, shift(src.get(x, y), -steps));
        }
}

float clamp01(float v) { return v < 0 ? 0 : v > 1 ? 1 : v; }

float smoothstep(float a, float b, float v)
{
    float t = clamp01((v - a) / (b - a));
    return t * t * (3 - 2 * t);
}

float cell_noise(float x, float y, float cell, uint32_t seed)
{
    int period = std::max(1, (int)std::lround(40.0f / cell));
    return value_noise(x, y, 40.0f / (float)period, seed, period, period);
}

bool in_footprint(float px, float py, float ox, float oy)
{
    float r = py - oy;
    if (r < 0 || r >= 20) return false;
    float col = px - ox - r;
    return col >= 0 && col < 40;
}

}  // namespace art
