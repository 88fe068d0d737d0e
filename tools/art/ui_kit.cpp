// ui_kit.cpp -- plates, wells, buttons, labels and the title lettering of the interface
#include "art/ui_kit.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "art/palette.h"

namespace art {
namespace ui {

const pal::ramp NIGHT = {{pal::INK[0], pal::INK[1], pal::INK[2], pal::SLATE[0], pal::SLATE[1], pal::SLATE[2]}, 6};

// -- text --------------------------------------------------------------------------
int text_width(const char *s)
{
    canvas probe(1, 1);
    return draw_text(probe, 0, 0, s, 1);
}

void text_shadow(canvas &c, int x, int y, const char *s, uint8_t colour, uint8_t shadow)
{
    draw_text(c, x + 1, y + 1, s, shadow);
    draw_text(c, x, y, s, colour);
}

void text_centre(canvas &c, int x, int y, int w, int h, const char *s, uint8_t colour, bool shadow)
{
    int tw = text_width(s);
    // The ink of a glyph ends one column before its advance, and capitals fill rows 0..6.
    int tx = x + (w - tw + 1) / 2, ty = y + (h - 7) / 2;
    if (shadow) text_shadow(c, tx, ty, s, colour);
    else draw_text(c, tx, ty, s, colour);
}

void text_engraved(canvas &c, int x, int y, const char *s, uint8_t dark, uint8_t light)
{
    draw_text(c, x + 1, y + 1, s, light);
    draw_text(c, x, y, s, dark);
}

namespace {

// One stroke of traced lettering, in glyph pixels.
struct seg {
    float x0, y0, x1, y1;
};

// Distance from (x, y) to the segment, and the offset (ox, oy) from its nearest point.
float seg_dist(const seg &s, float x, float y, float &ox, float &oy)
{
    float dx = s.x1 - s.x0, dy = s.y1 - s.y0;
    float l2 = dx * dx + dy * dy;
    float t = l2 > 0 ? ((x - s.x0) * dx + (y - s.y0) * dy) / l2 : 0;
    t = std::min(1.0f, std::max(0.0f, t));
    ox = x - (s.x0 + t * dx);
    oy = y - (s.y0 + t * dy);
    return std::sqrt(ox * ox + oy * oy);
}

// The strokes of a text in the game's font: every ink pixel joined to its ink
// neighbours to the right and below, and diagonally where no straight path joins them.
std::vector<seg> trace(const char *s, int &width)
{
    width = text_width(s);
    canvas m(width + 2, 9);
    draw_text(m, 1, 0, s, 1);
    std::vector<seg> out;
    for (int y = 0; y < m.h; y++)
        for (int x = 0; x < m.w; x++) {
            if (!m.get(x, y)) continue;
            float cx = (float)x - 0.5f, cy = (float)y + 0.5f;   // margin of one column removed
            bool any = false;
            auto join = [&](int nx, int ny) {
                out.push_back({cx, cy, (float)nx - 0.5f, (float)ny + 0.5f});
                any = true;
            };
            if (m.get(x + 1, y)) join(x + 1, y);
            if (m.get(x, y + 1)) join(x, y + 1);
            if (m.get(x + 1, y + 1) && !m.get(x + 1, y) && !m.get(x, y + 1)) join(x + 1, y + 1);
            if (m.get(x - 1, y + 1) && !m.get(x - 1, y) && !m.get(x, y + 1)) join(x - 1, y + 1);
            bool linked = any || m.get(x - 1, y) || m.get(x, y - 1) || m.get(x - 1, y - 1) || m.get(x + 1, y - 1);
            if (!linked) out.push_back({cx, cy, cx, cy});
        }
    return out;
}

}  // namespace

int title_width(const char *s, float scale) { return (int)std::ceil((float)text_width(s) * scale) + 4; }

int title_text(canvas &c, int x, int y, const char *s, float scale, const pal::ramp &fill, uint8_t outline,
               int shadow)
{
    int w0 = 0;
    std::vector<seg> segs = trace(s, w0);
    const float radius = 0.62f;                // stroke half-width in glyph pixels
    const float edge = 1.15f / scale;          // outline width in glyph pixels
    int pw = (int)std::ceil((float)w0 * scale) + 4 + shadow, ph = (int)std::ceil(9.0f * scale) + 4 + shadow;
    const float reach = radius + edge;
    auto nearest_seg = [&](float u, float v, float &ox, float &oy) {
        float best = 1e9f;
        for (const seg &sg : segs) {
            // Strokes are a pixel long: most lie too far to matter.
            if (u < std::min(sg.x0, sg.x1) - reach || u > std::max(sg.x0, sg.x1) + reach ||
                v < std::min(sg.y0, sg.y1) - reach || v > std::max(sg.y0, sg.y1) + reach)
                continue;
            float ax, ay;
            float d = seg_dist(sg, u, v, ax, ay);
            if (d < best) {
                best = d;
                ox = ax;
                oy = ay;
            }
        }
        return best;
    };
    // Shadow and outline first, then the bevelled fill over them.
    for (int py = 0; py < ph; py++)
        for (int px = 0; px < pw; px++) {
            float u = ((float)px + 0.5f - 2.0f) / scale, v = ((float)py + 0.5f - 2.0f) / scale;
            float ox, oy;
            if (shadow > 0) {
                float su = u - (float)shadow / scale, sv = v - (float)shadow / scale;
                if (nearest_seg(su, sv, ox, oy) < radius + edge) c.set(x + px - 2, y + py - 2, pal::INK[0]);
            }
        }
    for (int py = 0; py < ph; py++)
        for (int px = 0; px < pw; px++) {
            float u = ((float)px + 0.5f - 2.0f) / scale, v = ((float)py + 0.5f - 2.0f) / scale;
            float ox = 0, oy = 0;
            float d = nearest_seg(u, v, ox, oy);
            int X = x + px - 2, Y = y + py - 2;
            if (d >= radius + edge) continue;
            if (d >= radius) {
                c.set(X, Y, outline);
                continue;
            }
            float k = d / radius;
            vec3 n = {ox / radius, oy / radius, std::sqrt(std::max(0.0f, 1.0f - k * k))};
            float t = 0.15f + 0.75f * lit(n, 0.2f) + 0.25f * (0.5f - v / 9.0f);
            c.set(X, Y, ramp_dither(fill, t, X, Y));
        }
    return (int)std::ceil((float)w0 * scale);
}

// -- surfaces ----------------------------------------------------------------------
void fill_grain(canvas &c, int x, int y, int w, int h, const pal::ramp &r, float t_top, float t_bottom,
                float grain, uint32_t seed)
{
    for (int yy = y; yy < y + h; yy++) {
        float f = h > 1 ? (float)(yy - y) / (float)(h - 1) : 0.0f;
        for (int xx = x; xx < x + w; xx++) {
            float n = value_noise((float)xx, (float)yy, 3.0f, seed) - 0.5f;
            n += 0.5f * (value_noise((float)xx, (float)yy * 4.0f, 6.0f, seed + 1) - 0.5f);   // a brushed streak
            float t = t_top + (t_bottom - t_top) * f + grain * n;
            c.set(xx, yy, ramp_dither(r, t, xx, yy));
        }
    }
}

void plate(canvas &c, int x, int y, int w, int h, float face, bool outline, uint32_t seed, const pal::ramp &r)
{
    if (outline) {
        fill_rect(c, x, y, w, h, pal::INK[1]);
        x++, y++, w -= 2, h -= 2;
    }
    fill_grain(c, x, y, w, h, r, face + 0.06f, face - 0.06f, 0.06f, seed);
    uint8_t hi = r.at(std::min(0.99f, face + 0.32f)), lo = r.at(std::max(0.0f, face - 0.3f));
    for (int i = 0; i < w; i++) {
        c.set(x + i, y, hi);
        c.set(x + i, y + h - 1, lo);
    }
    for (int i = 0; i < h; i++) {
        c.set(x, y + i, hi);
        c.set(x + w - 1, y + i, lo);
    }
    c.set(x + w - 1, y, r.at(face));
    c.set(x, y + h - 1, r.at(face));
}

void well(canvas &c, int x, int y, int w, int h, float face, uint32_t seed, const pal::ramp &r)
{
    fill_grain(c, x, y, w, h, r, face - 0.03f, face + 0.03f, 0.04f, seed);
    uint8_t shade = pal::INK[0], lip = r.at(std::min(0.99f, face + 0.35f));
    for (int i = 0; i < w; i++) {
        c.set(x + i, y, shade);
        c.set(x + i, y + 1, r.at(std::max(0.0f, face - 0.1f)));
        c.set(x + i, y + h - 1, lip);
    }
    for (int i = 0; i < h; i++) {
        c.set(x, y + i, shade);
        c.set(x + w - 1, y + i, lip);
    }
    c.set(x + w - 1, y, r.at(face));
}

void trim(canvas &c, int x, int y, int w, int h)
{
    for (int i = 0; i < w; i++) {
        c.set(x + i, y, pal::GOLD[5]);
        c.set(x + i, y + h - 1, pal::GOLD[2]);
    }
    for (int i = 0; i < h; i++) {
        c.set(x, y + i, pal::GOLD[5]);
        c.set(x + w - 1, y + i, pal::GOLD[2]);
    }
    c.set(x + w - 1, y, pal::GOLD[3]);
    c.set(x, y + h - 1, pal::GOLD[3]);
}

void rivet(canvas &c, int cx, int cy, float r)
{
    ellipse(c, (float)cx + 0.5f, (float)cy + 0.5f, r, r, pal::GOLD, 0.05f);
    c.set(cx + (int)r, cy + (int)r, pal::GOLD[0]);
}

void rule(canvas &c, int x0, int x1, int y, const pal::ramp &r)
{
    for (int x = x0; x <= x1; x++) {
        c.set(x, y, r[0]);
        c.set(x, y + 1, r[r.len - 3]);
    }
}

void glow(canvas &c, float cx, float cy, float rad, const pal::ramp &r, float strength)
{
    for (int y = (int)(cy - rad); y <= (int)(cy + rad); y++)
        for (int x = (int)(cx - rad); x <= (int)(cx + rad); x++) {
            uint8_t v = c.get(x, y);
            if (!v) continue;
            float d = std::hypot((float)x + 0.5f - cx, (float)y + 0.5f - cy) / rad;
            if (d >= 1) continue;
            int place = 0;
            const pal::ramp *own = ramp_of(v, &place);
            float base = own == &r || (own && own->idx[0] == r.idx[0]) ? (float)place / (float)(r.len - 1) : lightness(v);
            c.set(x, y, ramp_dither(r, base + strength * (1 - d) * (1 - d), x, y));
        }
}

// -- buttons -----------------------------------------------------------------------
uint8_t label_colour(bstate s)
{
    switch (s) {
    case PRESSED: return pal::SEL_GOLD;
    case DISABLED: return pal::GREY[5];
    case LIT: return pal::HILITE;
    default: return pal::TEXT;
    }
}

int press_shift(bstate s) { return s == PRESSED ? 1 : 0; }

void button_face(canvas &c, int x, int y, int w, int h, bstate s, uint32_t seed)
{
    fill_rect(c, x, y, w, h, s == LIT ? pal::GOLD[2] : pal::INK[1]);
    int ix = x + 1, iy = y + 1, iw = w - 2, ih = h - 2;
    switch (s) {
    case NORMAL:
    case LIT: {
        float f = s == LIT ? 0.46f : 0.34f;
        fill_grain(c, ix, iy, iw, ih, pal::STEEL, f + 0.06f, f - 0.1f, 0.05f, seed);
        for (int i = 0; i < iw; i++) {
            c.set(ix + i, iy, pal::STEEL[s == LIT ? 7 : 6]);
            c.set(ix + i, iy + ih - 1, pal::STEEL[1]);
        }
        for (int i = 0; i < ih; i++) {
            c.set(ix, iy + i, pal::STEEL[s == LIT ? 6 : 5]);
            c.set(ix + iw - 1, iy + i, pal::STEEL[1]);
        }
        break;
    }
    case PRESSED:
        fill_grain(c, ix, iy, iw, ih, pal::STEEL, 0.16f, 0.26f, 0.05f, seed);
        for (int i = 0; i < iw; i++) {
            c.set(ix + i, iy, pal::STEEL[0]);
            c.set(ix + i, iy + ih - 1, pal::STEEL[4]);
        }
        for (int i = 0; i < ih; i++) {
            c.set(ix, iy + i, pal::STEEL[0]);
            c.set(ix + iw - 1, iy + i, pal::STEEL[3]);
        }
        break;
    case DISABLED:
        fill_grain(c, ix, iy, iw, ih, pal::GREY, 0.34f, 0.28f, 0.03f, seed);
        for (int i = 0; i < iw; i++) c.set(ix + i, iy, pal::GREY[5]);
        for (int i = 0; i < ih; i++) c.set(ix, iy + i, pal::GREY[5]);
        break;
    }
    // Gold studs at the ends of long buttons hold the plate to the panel.
    if (w >= 64 && h >= 12 && s != DISABLED) {
        int sy = y + h / 2 - 1, d = press_shift(s);
        rivet(c, x + 4 + d, sy + d, 1.3f);
        rivet(c, x + w - 6 + d, sy + d, 1.3f);
    }
}

void button(canvas &c, int x, int y, int w, int h, const char *label, bstate s, uint32_t seed)
{
    button_face(c, x, y, w, h, s, seed);
    if (!label || !*label) return;
    int d = press_shift(s);
    if (s == DISABLED) {
        int tw = text_width(label);
        text_engraved(c, x + (w - tw + 1) / 2, y + (h - 7) / 2, label, pal::GREY[1], pal::GREY[6]);
    } else {
        text_centre(c, x + d, y + d, w, h, label, label_colour(s));
    }
}

void close_boss(canvas &c, float cx, float cy, float r, bstate s)
{
    const pal::ramp &body = s == DISABLED ? pal::GREY : pal::CLOTH_RED;
    float bias = s == LIT ? 0.15f : s == PRESSED ? -0.15f : 0.0f;
    float d = (float)press_shift(s);
    ellipse(c, cx + d, cy + d, r + 1.0f, r + 1.0f, pal::GOLD, -0.1f);
    ellipse(c, cx + d, cy + d, r, r, body, bias);
    float k = r * 0.45f;
    uint8_t ink = s == DISABLED ? pal::GREY[4] : pal::BONE[8];
    uint8_t dark = s == DISABLED ? pal::GREY[1] : pal::CLOTH_RED[0];
    for (float t = -k; t <= k; t += 0.25f) {
        c.set((int)(cx + d + t + 0.5f), (int)(cy + d + t + 1.0f), dark);
        c.set((int)(cx + d - t + 0.5f), (int)(cy + d + t + 1.0f), dark);
    }
    for (float t = -k; t <= k; t += 0.25f) {
        c.set((int)(cx + d + t), (int)(cy + d + t), ink);
        c.set((int)(cx + d - t), (int)(cy + d + t), ink);
    }
}

// -- colour tools --------------------------------------------------------------------
float lightness(uint8_t index)
{
    const rgb &p = palette()[index];
    return (0.3f * (float)p.r + 0.59f * (float)p.g + 0.11f * (float)p.b) / 63.0f;
}

uint8_t nearest(const pal::ramp &r, uint8_t index)
{
    float l = lightness(index), best = 9;
    uint8_t out = r[0];
    for (int i = 0; i < r.len; i++) {
        float d = std::fabs(lightness(r[i]) - l);
        if (d < best) {
            best = d;
            out = r[i];
        }
    }
    return out;
}

void recolour(canvas &c, int x, int y, int w, int h, const pal::ramp &r, float gain)
{
    for (int yy = y; yy < y + h; yy++)
        for (int xx = x; xx < x + w; xx++) {
            uint8_t v = c.get(xx, yy);
            if (!v) continue;
            float l = std::min(1.0f, lightness(v) * gain);
            float best = 9;
            uint8_t out = r[0];
            for (int i = 0; i < r.len; i++) {
                float d = std::fabs(lightness(r[i]) - l);
                if (d < best) {
                    best = d;
                    out = r[i];
                }
            }
            c.set(xx, yy, out);
        }
}

void blit_shifted(canvas &dst, const canvas &src, int x, int y, int steps)
{
    for (int yy = 0; yy < src.h; yy++)
        for (int xx = 0; xx < src.w; xx++) {
            uint8_t v = src.get(xx, yy);
            if (v) dst.set(x + xx, y + yy, shift(v, steps));
        }
}

}  // namespace ui
}  // namespace art
