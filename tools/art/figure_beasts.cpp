// figure_beasts.cpp -- beasts, fliers, slimes, spiders, serpents, toads and elementals
#include "art/figure_beasts.h"

#include "art/effects.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace {

constexpr float PI = 3.14159265f;

float walk_phase(int frame) { return (float)frame * 2 * PI / 6; }

// A leg of two segments from `top`; returns the end (paw or foot).
v2 leg_chain(figure &fg, v2 top, float a1, float l1, float a2, float l2, float r, const mat &m, float z, float bias,
             int part)
{
    v2 knee = top + dir(a1) * l1;
    v2 end = knee + dir(a2) * l2;
    fg.limb(top, r * 1.35f, knee, r, m, z, bias, part);
    fg.limb(knee, r, end, r * 0.85f, m, z, bias, part);
    return end;
}

// A string of round segments along points (tails, serpents, feelers).
void chain(figure &fg, const std::vector<v2> &pts, float r0, float r1, const mat &m, float z, float bias = 0)
{
    int part = fg.new_part();
    for (size_t i = 0; i + 1 < pts.size(); i++) {
        float t0 = (float)i / (float)(pts.size() - 1), t1 = (float)(i + 1) / (float)(pts.size() - 1);
        fg.limb(pts[i], r0 + (r1 - r0) * t0, pts[i + 1], r0 + (r1 - r0) * t1, m, z, bias, part);
    }
}

// A soft halo of glowing dots around a shape, for spirit creatures.
void aura(figure &fg, v2 c, float rx, float ry, const mat &m, int frame, float z)
{
    rng r(900u + (uint32_t)frame);
    for (int i = 0; i < 14; i++) {
        float a = r.uniform() * 2 * PI;
        float k = 0.85f + 0.3f * r.uniform();
        v2 p = {c.x + std::cos(a) * rx * k, c.y + std::sin(a) * ry * k};
        fg.dot(p, m.r->idx[m.lo + (i % std::max(1, m.hi - m.lo + 1))], z, -1, true);
    }
}

}  // namespace

// -- four legs ------------------------------------------------------------------------
canvas draw_quadruped(const quadruped &q, int frame, int w, int h)
{
    figure fg(w, h);
    float g = (float)h - 1.5f;
    float cx = (float)w / 2;

    // Leg angles: 0 near front, 1 far front, 2 near hind, 3 far hind.
    float up[4] = {0, 0, 0, 0}, lo[4] = {0, 0, 0, 0};
    float tilt = 0, shift = 0, head_dx = 0, head_dy = 0, jaw = 0, tail_lift = 0;
    float snout_a = 0;   // snout turned up (howl) or down
    bool dead = frame == 8;
    float hind_bend = q.heavy ? 0.15f : 0.5f;
    if (frame <= 5) {
        float ph = walk_phase(frame);
        float s[4] = {std::sin(ph), std::sin(ph + PI), std::sin(ph + PI), std::sin(ph)};
        float c[4] = {std::cos(ph), std::cos(ph + PI), std::cos(ph + PI), std::cos(ph)};
        for (int i = 0; i < 4; i++) {
            float lift = 0.8f * std::max(0.0f, c[i]);
            if (i < 2) {
                up[i] = 0.4f * s[i];
                lo[i] = up[i] - lift * 1.1f;
            } else {
                up[i] = hind_bend + 0.4f * s[i] + lift * 0.3f;
                lo[i] = -hind_bend + 0.4f * s[i] - lift * 0.7f;
            }
        }
        head_dy = std::fabs(std::cos(ph)) * 0.8f;
        tail_lift = 0.15f * std::sin(ph);
    } else if (frame == 6) {
        up[0] = 0.35f, lo[0] = -0.6f, up[1] = 0.2f, lo[1] = -0.7f;
        up[2] = hind_bend + 0.5f, lo[2] = -hind_bend - 0.7f, up[3] = hind_bend + 0.35f, lo[3] = -hind_bend - 0.8f;
        tilt = 2.0f;
        head_dy = 2.5f;
        head_dx = 1.0f;
        jaw = 0.35f;
        tail_lift = -0.3f;
    } else if (frame == 7) {
        up[0] = 1.0f, lo[0] = 0.7f, up[1] = 0.75f, lo[1] = 0.4f;
        up[2] = hind_bend - 0.55f, lo[2] = -hind_bend - 0.6f, up[3] = hind_bend - 0.35f, lo[3] = -hind_bend - 0.5f;
        tilt = -1.5f;
        shift = 2.5f;
        head_dx = 2.0f;
        head_dy = -0.5f;
        jaw = 0.7f;
        tail_lift = 0.35f;
    } else if (dead) {
        up[0] = 1.25f, lo[0] = 1.35f, up[1] = 0.95f, lo[1] = 1.1f;
        up[2] = -1.0f, lo[2] = -1.2f, up[3] = -0.8f, lo[3] = -1.0f;
        jaw = 0.25f;
    } else {
        up[0] = 0.15f, lo[0] = 0.1f, up[1] = -0.05f, lo[1] = -0.1f;
        up[2] = hind_bend + 0.25f, lo[2] = -hind_bend - 0.15f, up[3] = hind_bend + 0.1f, lo[3] = -hind_bend - 0.2f;
        tilt = -2.0f;
        head_dy = -3.5f;
        head_dx = -1.0f;
        snout_a = 0.8f;
        jaw = 0.6f;
    }

    // Leg lengths that reach the ground from a standing body.
    float body_y = g - q.height + q.chest;
    float front_top = body_y + q.chest * 0.35f, hind_top = body_y + q.haunch * 0.35f + 1;
    float lf = g - front_top - 1.0f, lh = g - hind_top - 1.0f;
    float l_front = lf * 0.5f, l_hind = lh * 0.5f / std::cos(hind_bend);

    // Place the body so that the lowest paw stands on the ground.
    auto lowest = [&](float dy) {
        float low = -1e9f;
        for (int i = 0; i < 4; i++) {
            float top = (i < 2 ? front_top : hind_top) + dy;
            float l = i < 2 ? l_front : l_hind;
            float y = top + std::cos(up[i]) * l + std::cos(lo[i]) * l;
            low = std::max(low, y);
        }
        return low;
    };
    float dy = dead ? 0 : g - 1.0f - lowest(0);
    if (dead) dy = (g - q.chest * 0.75f) - body_y;
    v2 ps = {cx + q.len / 2 + shift, body_y + dy + tilt};
    v2 ph = {cx - q.len / 2 + shift, body_y + dy + (q.chest - q.haunch) * 0.5f};
    if (dead) ph.y = g - q.haunch * 0.75f;

    const float farb = -0.25f;
    // Far legs, tail, body, near legs, head.
    for (int i : {1, 3}) {
        v2 top = i < 2 ? ps + v2{-0.8f, q.chest * 0.35f} : ph + v2{0.6f, q.haunch * 0.35f};
        float l = i < 2 ? l_front : l_hind;
        v2 paw = leg_chain(fg, top, up[i], l, lo[i], l, q.leg, q.fur, 8, farb, fg.new_part());
        fg.ellipse(paw + v2{0.6f, -0.3f}, q.leg * 1.05f, q.leg * 0.8f, q.fur, 8.5f, farb);
    }
    if (q.tail != tail_k::none) {
        std::vector<v2> pts;
        v2 base = ph + v2{-q.haunch * 0.8f, -q.haunch * 0.35f};
        float a0 = q.tail == tail_k::thin ? -1.25f : -2.05f;
        a0 += tail_lift;
        if (dead) a0 = -1.6f;
        float bend = q.tail == tail_k::thin ? 0.45f : -0.35f;
        int n = 6;
        v2 p = base;
        pts.push_back(p);
        for (int i = 1; i <= n; i++) {
            float t = (float)i / n;
            p = p + dir(a0 + bend * t) * (q.tail_len / n);
            if (q.tail == tail_k::thin && p.y > g - 0.5f) p.y = g - 0.5f;
            pts.push_back(p);
        }
        mat tm = q.tail_m.r ? q.tail_m : q.fur;
        if (q.tail == tail_k::bushy) chain(fg, pts, 1.6f, 1.9f, tm, 12, 0.05f);
        else if (q.tail == tail_k::thin) chain(fg, pts, 0.75f, 0.35f, tm, 12, 0.0f);
        else chain(fg, {pts[0], pts[1]}, 1.4f, 1.2f, tm, 12, 0.0f);
        if (q.tail == tail_k::bushy) fg.ellipse(pts.back(), 1.3f, 1.3f, q.belly.r ? q.belly : q.fur, 12.5f, 0.2f);
    }
    int torso = fg.new_part();
    fg.ellipse(ph, q.haunch * 1.1f, q.haunch, q.fur, 20, 0, torso);
    fg.ellipse(ps, q.chest * 1.05f, q.chest, q.fur, 20, 0, torso);
    fg.body(ph, q.haunch * 0.92f, ps, q.chest * 0.92f, q.fur, 20, 0, 0.0f, torso);
    if (q.heavy) fg.ellipse(lerp(ph, ps, 0.55f) + v2{0, -q.chest * 0.35f}, q.len * 0.45f, q.chest * 0.85f, q.fur, 20, 0.02f, torso);
    if (q.belly.r && !dead)
        fg.ellipse(ps + v2{-0.5f, q.chest * 0.45f}, q.chest * 0.75f, q.chest * 0.5f, q.belly, 21, 0.0f, torso);
    for (int i : {0, 2}) {
        v2 top = i < 2 ? ps + v2{0.4f, q.chest * 0.45f} : ph + v2{1.2f, q.haunch * 0.45f};
        float l = i < 2 ? l_front : l_hind;
        int part = fg.new_part();
        v2 paw = leg_chain(fg, top, up[i], l, lo[i], l, q.leg, q.fur, 26, 0, part);
        fg.ellipse(paw + v2{0.6f, -0.3f}, q.leg * 1.1f, q.leg * 0.8f, q.fur, 26.5f, 0, part);
    }
    if (q.mane) {
        int part = fg.new_part();
        mat mm = q.belly.r ? q.belly : q.fur;
        fg.ellipse(ps + v2{1.5f, -q.chest * 0.4f}, q.chest * 0.9f, q.chest * 0.95f, q.fur, 27, 0.05f, part);
        for (int i = 0; i < 4; i++)
            fg.ellipse(ps + v2{1.5f - (float)i * 1.4f, -q.chest * 0.9f + (float)(i % 2) * 0.6f}, 1.4f, 1.6f, mm, 27.2f, 0.0f,
                       part);
    }

    // Head: neck up and forward from the shoulders.
    v2 neck = ps + v2{q.chest * 0.55f, -q.chest * 0.35f};
    v2 hc = neck + v2{q.neck * 0.75f + head_dx, -q.neck * 0.65f + head_dy};
    if (dead) hc = {ps.x + q.chest + q.head * 0.6f, g - q.head * 0.9f};
    fg.limb(neck, q.chest * 0.6f, hc, q.head * 0.7f, q.fur, 35, 0);
    float sa = PI / 2 + 0.35f - snout_a;   // snout direction
    if (dead) sa = PI / 2 + 0.1f;
    v2 sd = dir(sa);
    v2 snout_base = hc + sd * (q.head * 0.35f) + v2{0, q.head * 0.15f};
    v2 snout_tip = snout_base + sd * q.snout;
    // Far ear behind the head, the near one in front of it.
    if (q.ears != ear_k::none) {
        for (int e = 0; e < 2; e++) {
            v2 base = hc + v2{e == 0 ? -0.6f : -1.8f, -q.head * 0.55f};
            if (dead) base = hc + v2{-1.2f - (float)e * 0.8f, -q.head * 0.6f};
            float z = e == 0 ? 41.0f : 38.0f;
            float bias = e == 0 ? 0.0f : farb;
            if (q.ears == ear_k::pointy) {
                v2 tip = base + v2{-0.8f, -q.ear * 1.2f};
                int part = fg.poly({base + v2{-1.3f, 0.5f}, tip, base + v2{1.3f, 0.7f}}, q.fur, z, bias, {-0.3f, -0.5f, 0.8f});
                if (q.ear_in.r && e == 0)
                    fg.poly({base + v2{-0.5f, 0.5f}, tip + v2{0.2f, 1.1f}, base + v2{0.6f, 0.6f}}, q.ear_in, z + 0.1f, 0, {0, 0, 1}, 0,
                            part);
            } else {
                int part = fg.ellipse(base + v2{0, -q.ear * 0.5f}, q.ear, q.ear, q.fur, z, bias);
                if (q.ear_in.r && e == 0) fg.ellipse(base + v2{0.2f, -q.ear * 0.45f}, q.ear * 0.6f, q.ear * 0.6f, q.ear_in, z + 0.1f, 0, part);
            }
        }
    }
    int head = fg.new_part();
    fg.ellipse(hc, q.head * 1.05f, q.head * 0.95f, q.fur, 40, 0, head);
    // The upper jaw, and the lower jaw dropped when the mouth opens.
    fg.limb(snout_base, q.snout_r * 1.25f, snout_tip, q.snout_r * 0.8f, q.fur, 42, 0.02f, head);
    v2 ljd = dir(sa - jaw);
    v2 lj_base = snout_base + v2{0, q.snout_r * 0.8f};
    v2 lj_tip = lj_base + ljd * (q.snout * 0.85f);
    if (jaw > 0.05f) {
        fg.limb(lj_base, q.snout_r * 0.8f, lj_tip, q.snout_r * 0.55f, q.belly.r ? q.belly : q.fur, 41.5f, -0.05f);
        // Teeth and the dark of the mouth.
        fg.thin(snout_base + sd * 1.0f + v2{0, q.snout_r * 0.9f}, snout_tip + v2{0, q.snout_r * 0.5f}, pal::BONE[9], 42.5f);
        fg.dot(lerp(lj_base, lj_tip, 0.5f) + v2{0, -0.8f}, pal::CLOTH_RED[1], 42.2f);
    }
    fg.dot(snout_tip + sd * 0.4f + v2{-0.2f, -0.3f}, pal::INK[0], 43);
    v2 eye = hc + v2{q.head * 0.35f, -q.head * 0.2f};
    if (snout_a > 0.1f) eye = hc + v2{q.head * 0.2f, -q.head * 0.1f};
    uint8_t ec = q.eye ? q.eye : pal::INK[0];
    if (dead) {
        fg.dot(eye + v2{-0.5f, 0}, pal::INK[0], 44);
        fg.dot(eye + v2{0.5f, 0}, pal::INK[0], 44);
    } else {
        fg.dot(eye, ec, 44, -1, q.glow_eyes);
        if (q.glow_eyes) fg.dot(eye + v2{1, 0}, ec, 44, -1, true);
    }
    if (q.aura.r) aura(fg, lerp(ph, ps, 0.5f) + v2{0, -1}, q.len * 0.9f, q.height * 0.7f, q.aura, frame, 5);
    return fg.finish();
}

// -- wings ------------------------------------------------------------------------------
canvas draw_flier(const flier &f, int frame, int w, int h)
{
    // Seen from above and in front, both wings spread to the sides; the beat
    // raises and lowers the wing tips.  The head turns towards the right.
    figure fg(w, h);
    float cx = (float)w / 2;
    float g = (float)h - 1.5f;
    bool dead = frame == 8;
    float elev, lean = 0, lunge = 0, bob = 0;
    if (frame <= 5) {
        float ph = walk_phase(frame);
        elev = 0.15f + 0.85f * std::cos(ph);
        bob = -std::sin(ph) * 1.5f;
    } else if (frame == 6) {
        elev = 0.9f;
        lean = -0.2f;
    } else if (frame == 7) {
        elev = -0.55f;
        lean = 0.35f;
        lunge = 3;
    } else if (dead) {
        elev = -0.15f;
    } else {
        elev = 1.1f;
        lean = -0.3f;
    }
    float body_h = f.body * (f.kind == wing_k::bird ? 1.35f : 1.25f);
    float span = f.span;
    // The body rides at one height so that the down stroke stays inside the picture.
    float ride = f.kind == wing_k::moth ? span * 0.7f : span * 0.78f;
    v2 c = {cx + lunge, dead ? g - f.body * 0.9f : g - std::max(body_h + 2.5f, ride) + bob};
    if (dead) elev = -0.05f;

    auto wing = [&](float sgn, float z, float bias) {
        float L = span * (sgn > 0 ? 1.0f : 0.88f);
        float e = elev;
        v2 sh = c + v2{sgn * f.body * 0.55f, -f.body * 0.35f};
        auto out = [&](v2 from, float ang, float len) { return from + v2{sgn * std::cos(ang) * len, -std::sin(ang) * len}; };
        if (f.kind == wing_k::moth) {
            v2 tip = out(sh, e + 0.35f, L);
            v2 mid = out(sh, e - 0.25f, L * 0.85f);
            v2 hind = out(sh, e - 0.9f, L * 0.65f);
            v2 low = sh + v2{sgn * 0.5f, f.body * 1.5f};
            int part = fg.poly({sh, tip, mid, sh + v2{sgn * 0.4f, 0.4f}}, f.wing_m, z, bias, {-0.3f, -0.6f, 0.8f}, 0.3f);
            fg.poly({sh + v2{0, 0.5f}, mid, hind, low}, f.wing_in.r ? f.wing_in : f.wing_m, z - 0.1f, bias - 0.05f,
                    {-0.3f, -0.5f, 0.8f}, 0.3f);
            v2 spot = lerp(sh, lerp(tip, mid, 0.5f), 0.6f);
            fg.ellipse(spot, 1.6f, 1.3f, M(pal::GOLD, 3, 6), z + 0.1f, 0.1f, part);
            fg.dot(spot, pal::INK[1], z + 0.2f, part);
            return;
        }
        v2 wrist = out(sh, e + 0.15f, L * 0.45f);
        if (f.kind == wing_k::bat) {
            v2 tip = out(wrist, e - 0.1f, L * 0.6f);
            v2 f2 = out(wrist, e - 0.85f, L * 0.5f);
            v2 f3 = out(wrist, e - 1.45f, L * 0.4f);
            v2 root = c + v2{sgn * f.body * 0.3f, f.body * 0.9f};
            auto scallop = [&](v2 a, v2 b2) {
                v2 m = lerp(a, b2, 0.5f);
                v2 toward = (c - m) * (1.0f / std::max(0.1f, vlen(c - m)));
                return m + toward * 1.6f;
            };
            std::vector<v2> mem = {sh, wrist, tip, scallop(tip, f2), f2, scallop(f2, f3), f3, scallop(f3, root), root};
            int part = fg.poly(mem, f.wing_m, z, bias, {-0.2f, -0.7f, 0.7f}, 0.3f);
            mat bone = f.wing_in.r ? f.wing_in : f.body_m;
            fg.limb(sh, 0.8f, wrist, 0.65f, bone, z + 0.2f, bias, part);
            uint8_t bc = bone.r->idx[bone.lo + 1];
            fg.thin(wrist, tip, bc, z + 0.2f, part);
            fg.thin(wrist, f2, bc, z + 0.2f, part);
            fg.thin(wrist, f3, bc, z + 0.2f, part);
            fg.dot(wrist + v2{0, -1}, bone.r->idx[bone.hi], z + 0.3f, part);
        } else {
            // Feathered: a broad arm and a fan of long primaries.
            int part = fg.new_part();
            fg.body(sh, f.body * 0.75f, wrist, f.body * 0.6f, f.wing_m, z, bias + 0.05f, 0.6f, part);
            for (int i = 0; i < 6; i++) {
                float t = (float)i / 5;
                v2 base = lerp(wrist, sh, t * 0.75f);
                float ang = e + 0.05f - 0.28f * (float)i - 0.3f * t;
                float len = L * (0.62f - 0.05f * (float)i);
                const mat &fm = i % 2 ? f.wing_m : (f.wing_in.r ? f.wing_in : f.wing_m);
                fg.limb(base, 1.3f, out(base, ang, len), 0.7f, fm, z - 0.05f * (float)i, bias, part);
            }
        }
    };
    // The far wing (left, behind the body), then the body, then the near wing.
    wing(-1, 5, -0.25f);
    int body = fg.new_part();
    if (f.kind == wing_k::bird) {
        for (int i = -1; i <= 1; i++)
            fg.limb(c + v2{-1.0f, f.body * 0.6f}, 1.4f, c + v2{-2.5f + (float)i * 1.8f, f.body * 0.6f + 5.5f}, 1.0f, f.wing_m,
                    9, -0.05f * (float)(i + 1));
    }
    if (f.kind == wing_k::moth) {
        fg.limb(c + v2{0, -f.body * 1.5f}, f.body, c + v2{0.5f, f.body * 2.2f}, f.body * 0.7f, f.body_m, 15, 0, body);
    } else {
        fg.ellipse(c, f.body, body_h, f.body_m, 15, 0, body);
    }
    // Head, turned right.
    v2 hd = c + v2{f.head * 0.45f + lean * 2, -body_h - f.head * 0.55f};
    if (f.kind == wing_k::moth) hd = c + v2{0.6f, -f.body * 2.2f};
    if (dead) hd = c + v2{f.body + f.head * 0.8f, 0.5f};
    int hp = fg.ellipse(hd, f.head, f.head * 0.92f, f.body_m, 17, 0.02f);
    if (f.kind == wing_k::bat) {
        fg.poly({hd + v2{-2.2f, -0.8f}, hd + v2{-2.0f, -f.head * 2.1f}, hd + v2{-0.4f, -1.7f}}, f.body_m, 16.5f, -0.2f);
        fg.poly({hd + v2{-0.2f, -1.4f}, hd + v2{1.2f, -f.head * 2.2f}, hd + v2{1.9f, -0.8f}}, f.body_m, 17.5f, 0.0f);
        fg.dot(hd + v2{f.head * 0.55f, f.head * 0.8f}, pal::BONE[9], 18, hp);
        fg.dot(hd + v2{f.head * 0.05f, f.head * 0.8f}, pal::BONE[9], 18, hp);
    }
    if (f.kind == wing_k::bird) {
        mat bk = f.beak.r ? f.beak : M(pal::GOLD, 1, 6);
        fg.poly({hd + v2{f.head * 0.5f, -1.0f}, hd + v2{f.head + 3.5f, 0.8f}, hd + v2{f.head * 0.5f, 1.2f}}, bk, 18, 0.05f,
                {-0.3f, -0.6f, 0.8f});
    }
    if (f.kind == wing_k::moth) {
        uint8_t ac = f.body_m.r->idx[f.body_m.lo];
        fg.thin(hd, hd + v2{2.5f, -3.5f}, ac, 16);
        fg.thin(hd, hd + v2{-1.0f, -3.8f}, ac, 16);
    }
    uint8_t ec = f.eye ? f.eye : pal::INK[0];
    v2 eye = hd + v2{f.head * 0.45f, -0.3f};
    if (dead) {
        fg.dot(eye, pal::INK[0], 19);
    } else if (f.kind != wing_k::moth) {
        fg.dot(eye, ec, 19, -1, f.glow_eyes);
        if (f.kind == wing_k::bat) fg.dot(eye + v2{-f.head * 0.75f, 0}, ec, 19, -1, f.glow_eyes);
    }
    if (f.kind != wing_k::moth && !dead) {
        // Feet hanging under the body, claws thrown forward to strike.
        mat lm = f.kind == wing_k::bird ? (f.beak.r ? f.beak : M(pal::GOLD, 1, 6)) : f.body_m;
        for (int s = 0; s < 2; s++) {
            v2 hip = c + v2{s ? -1.2f : 1.0f, body_h * 0.8f};
            v2 foot = hip + (frame == 7 ? v2{3.0f, 2.0f} : v2{0.3f, 2.8f});
            fg.limb(hip, 0.7f, foot, 0.5f, lm, s ? 13.0f : 16.0f, s ? -0.2f : 0.0f);
        }
    }
    wing(1, 30, 0);
    return fg.finish();
}

// -- slime ---------------------------------------------------------------------------------
canvas draw_slime(const mat &jelly, const mat &core, int frame, int w, int h)
{
    figure fg(w, h);
    float cx = (float)w / 2, g = (float)h - 1.5f;
    float R = std::min((float)w * 0.36f, (float)h * 0.45f);
    float sx = 1, sy = 1, fx = 0, reach = 0;
    bool dead = frame == 8;
    if (frame <= 5) {
        float s = std::sin(walk_phase(frame));
        sx = 1 + 0.14f * s;
        sy = 1 - 0.16f * s;
        fx = 1.2f * std::cos(walk_phase(frame));
    } else if (frame == 6) {
        sx = 1.2f, sy = 0.78f;
    } else if (frame == 7) {
        sx = 0.85f, sy = 1.12f, fx = 1, reach = 1;
    } else if (dead) {
        sx = 1.25f, sy = 0.45f;
    } else {
        sx = 0.95f, sy = 1.1f;
    }
    float rx = R * sx, ry = R * 0.82f * sy;
    v2 c = {cx + fx, g - ry};
    int part = fg.new_part();
    // The body: a dome flattened on the ground.
    fg.shape(
        c.x - rx - 2, c.y - ry - 2, c.x + rx + 8, g + 1,
        [=](float x, float y) {
            float u = (x - c.x) / rx, v = (y - c.y) / ry;
            if (y > g) return false;
            if (v > 0) v *= 0.6f;   // broad base
            bool in = u * u + v * v <= 1;
            if (reach > 0) {
                // A pseudopod thrown forward.
                float px = (x - (c.x + rx * 0.6f)) / (rx * 0.7f), py = (y - (c.y - ry * 0.1f)) / (ry * 0.35f);
                in = in || (px * px + py * py <= 1 && x > c.x);
            }
            return in;
        },
        [=](float x, float y) {
            float u = (x - c.x) / rx, v = (y - c.y) / ry;
            return vec3{u, v, std::sqrt(std::max(0.05f, 1 - u * u - v * v))};
        },
        jelly, 10, 0.05f, part);
    // A darker core inside and bubbles, then the wet highlight.
    if (!dead) fg.ellipse(c + v2{-rx * 0.15f, ry * 0.15f}, rx * 0.45f, ry * 0.42f, core, 11, -0.05f, part);
    rng r(77u + (uint32_t)frame);
    for (int i = 0; i < 4; i++) {
        v2 b = c + v2{(r.uniform() - 0.5f) * rx * 1.1f, (r.uniform() - 0.3f) * ry * 0.9f};
        fg.dot(b, jelly.r->idx[jelly.hi], 12, part);
    }
    fg.ellipse(c + v2{-rx * 0.4f, -ry * 0.45f}, std::max(1.0f, rx * 0.22f), std::max(0.8f, ry * 0.14f), G(pal::GREY, 9, 11), 13, 0.3f);
    if (!dead) {
        // Two eyes, looking forward.
        for (int e = 0; e < 2; e++) {
            v2 ep = c + v2{rx * (0.28f + 0.33f * (float)e), -ry * 0.12f};
            fg.ellipse(ep, 1.3f, 1.6f, M(pal::GREY, 10, 11), 14, 0.2f, part);
            fg.dot(ep + v2{0.5f, 0.2f}, pal::INK[0], 15, part);
        }
        if (frame == 7 || frame == 6) fg.thin(c + v2{rx * 0.25f, ry * 0.35f}, c + v2{rx * 0.75f, ry * 0.3f}, jelly.r->idx[0], 14, part);
    } else {
        fg.dot(c + v2{rx * 0.3f, -1}, pal::INK[0], 14);
        fg.dot(c + v2{rx * 0.55f, -1}, pal::INK[0], 14);
    }
    if (frame == 9) aura(fg, c, rx + 2, ry + 1, G(pal::EMERALD, 2, 4), frame, 20);
    return fg.finish();
}

// -- spider ---------------------------------------------------------------------------------
canvas draw_spider(const mat &body, const mat &marks, int frame, int w, int h)
{
    figure fg(w, h);
    const float S = (float)w / 44.0f;   // scale of the whole spider
    float cx = (float)w / 2, g = (float)h - 1.5f;
    bool dead = frame == 8;
    float rise = 0, lunge = 0, front_lift = 0;
    float ph = walk_phase(frame % 6);
    if (frame == 6) rise = -2, front_lift = 0.8f;
    if (frame == 7) lunge = 3, front_lift = 1.2f;
    if (frame == 9) rise = 1, front_lift = 1.4f;
    float body_y = dead ? g - 3.5f * S : g - 8.0f * S + rise;
    if (frame <= 5) body_y += std::fabs(std::sin(ph)) * 0.8f;
    v2 thorax = {cx + 4 * S + lunge, body_y};
    v2 abdomen = {cx - 6.0f * S + lunge * 0.5f, body_y - 3.5f * S + (dead ? 3.5f * S : 0)};
    // Legs: four on each side, each rising to a high knee and reaching far out to
    // the front or back; the near ones in front of the body.
    const float reach_near[4] = {13, 7, -8, -16}, reach_far[4] = {11, 5, -6, -13};
    for (int side = 1; side >= 0; side--) {
        for (int i = 0; i < 4; i++) {
            float phase = ph + (float)i * PI / 2 + (side ? PI : 0);
            float swing = frame <= 5 ? 1.8f * std::sin(phase) : 0;
            float lift = frame <= 5 ? 2.0f * std::max(0.0f, std::cos(phase)) : 0;
            if (i == 0) lift += front_lift * 5;
            float fxr = (side ? reach_far[i] : reach_near[i]) * S + swing;
            v2 root = thorax + v2{0.8f - (float)i * 0.9f, 0.8f} * S;
            v2 foot = {thorax.x + fxr, g - 0.5f - lift - (side ? 2.0f * S : 0)};
            v2 knee = {lerp(root, foot, 0.45f).x, body_y - 5.5f * S - lift * 0.3f - (side ? 0.5f * S : 0)};
            if (dead) {
                knee = root + v2{fxr * 0.3f, -4.0f * S};
                foot = knee + v2{fxr * 0.15f, -2.5f * S + (float)(i % 2)};
            }
            float z = side ? 5.0f : 30.0f;
            float bias = side ? -0.3f : 0.0f;
            int part = fg.new_part();
            fg.limb(root, 0.75f * S, knee, 0.6f * S, body, z, bias, part);
            fg.limb(knee, 0.6f * S, foot, 0.3f * S, body, z, bias, part);
            fg.dot(knee + v2{0, -0.5f * S}, body.r->idx[body.hi], z + 0.1f, part);
        }
    }
    fg.ellipse(abdomen, 6.5f * S, 5.2f * S, body, 20, 0.05f);
    // A red hourglass and bands on the abdomen.
    v2 m = abdomen + v2{-0.5f, -1.2f} * S;
    fg.poly({m + v2{-2.2f, -2.4f} * S, m + v2{2.2f, -2.4f} * S, m + v2{0, 0}, m + v2{2.2f, 2.4f} * S, m + v2{-2.2f, 2.4f} * S, m},
            marks, 21, 0.1f, {-0.3f, -0.5f, 0.8f});
    fg.ellipse(thorax, 3.8f * S, 3.1f * S, body, 22, 0.1f);
    // Eyes and fangs.
    for (int e = 0; e < 3; e++)
        fg.dot(thorax + v2{2.0f + (float)e * 0.9f, -1.2f + (e == 1 ? -0.7f : 0)} * S, pal::CLOTH_RED[7], 24, -1, true);
    float open = frame == 7 ? 1.4f : 0.3f;
    fg.limb(thorax + v2{3.0f, 1.2f} * S, 0.6f * S, thorax + v2{4.2f, 3.0f + open} * S, 0.35f * S, M(pal::BONE, 2, 6), 25);
    fg.limb(thorax + v2{2.2f, 1.4f} * S, 0.6f * S, thorax + v2{3.0f, 3.2f + open} * S, 0.35f * S, M(pal::BONE, 1, 5), 23);
    if (frame == 9) aura(fg, thorax, 7 * S, 5 * S, G(pal::EMERALD, 2, 4), frame, 30);
    return fg.finish();
}

// -- serpent ---------------------------------------------------------------------------------
canvas draw_serpent(const mat &scales, const mat &belly, int frame, int w, int h)
{
    figure fg(w, h);
    float cx = (float)w / 2, g = (float)h - 1.5f;
    bool dead = frame == 8;
    float ph = walk_phase(frame % 6);
    float rear = 11, reach = 0, jaw = 0;
    if (frame == 6) rear = 13, reach = -2, jaw = 0.3f;
    if (frame == 7) rear = 8, reach = 7, jaw = 0.9f;
    if (frame == 9) rear = 15, reach = -1, jaw = 0.5f;
    // The coils along the ground, then the neck rising to the head.
    std::vector<v2> pts;
    int n = 14;
    for (int i = 0; i <= n; i++) {
        float t = (float)i / n;
        float x = cx - 16 + t * 24;
        float wave = dead ? 0.6f * std::sin(t * 9) : 2.2f * std::sin(t * 10 - ph);
        pts.push_back({x, g - 2.2f - wave * 0.45f - (dead ? 0 : std::max(0.0f, wave) * 0.2f)});
    }
    v2 neck0 = pts.back();
    std::vector<v2> neck;
    neck.push_back(neck0);
    if (!dead) {
        for (int i = 1; i <= 5; i++) {
            float t = (float)i / 5;
            neck.push_back(neck0 + v2{t * (3.0f + reach) + std::sin(t * PI) * -1.5f, -t * rear});
        }
    } else {
        neck.push_back(neck0 + v2{3, 0});
        neck.push_back(neck0 + v2{6, 0.5f});
    }
    int part = fg.new_part();
    for (size_t i = 0; i + 1 < pts.size(); i++) {
        float r = 1.0f + 1.4f * (float)i / (float)n;
        fg.limb(pts[i], r, pts[i + 1], r + 0.1f, scales, 10 + (float)i * 0.1f, 0, part);
    }
    for (size_t i = 0; i + 1 < neck.size(); i++) fg.limb(neck[i], 2.5f, neck[i + 1], 2.3f, scales, 13, 0.02f, part);
    // A pale belly along the front of the neck and the coils.
    for (size_t i = 0; i + 1 < neck.size(); i++)
        fg.limb(neck[i] + v2{1.2f, 0.3f}, 1.1f, neck[i + 1] + v2{1.2f, 0.3f}, 1.0f, belly, 13.5f, 0.05f);
    // Diamond marks on the back.
    for (size_t i = 2; i < pts.size(); i += 3) fg.dot(pts[i] + v2{0, -1.0f}, scales.r->idx[scales.lo], 11 + (float)i * 0.1f, part);
    v2 head = neck.back() + v2{1.5f, -0.8f};
    if (dead) head = neck.back() + v2{2, -0.5f};
    fg.ellipse(head, 3.4f, 2.3f, scales, 16, 0.05f);
    v2 jd = dir(PI / 2 + jaw * 0.6f);
    fg.limb(head + v2{0.5f, 1.2f}, 1.0f, head + v2{0.5f, 1.2f} + jd * 3.5f, 0.6f, belly, 15.5f, -0.05f);
    if (jaw > 0.5f) {
        fg.dot(head + v2{3.0f, 1.4f}, pal::BONE[9], 17);
        fg.dot(head + v2{2.2f, 1.6f}, pal::BONE[9], 17);
        // Forked tongue.
        fg.thin(head + v2{3.5f, 1.2f}, head + v2{7.0f, 1.8f}, pal::CLOTH_RED[6], 17);
        fg.dot(head + v2{7.5f, 1.2f}, pal::CLOTH_RED[6], 17);
        fg.dot(head + v2{7.5f, 2.5f}, pal::CLOTH_RED[6], 17);
    }
    fg.dot(head + v2{1.2f, -0.8f}, dead ? pal::INK[0] : pal::GOLD[6], 18, -1, !dead);
    if (frame == 9) aura(fg, head, 6, 5, G(pal::EMERALD, 2, 4), frame, 30);
    return fg.finish();
}

// -- toad -----------------------------------------------------------------------------------
canvas draw_toad(const mat &skin, const mat &belly, int frame, int w, int h)
{
    figure fg(w, h);
    float cx = (float)w / 2, g = (float)h - 1.5f;
    bool dead = frame == 8;
    // A hop cycle: crouch, spring up, sail, land.
    float hop = 0, stretch = 0, tongue = 0, puff = 0;
    if (frame <= 5) {
        const float heights[6] = {0, 2.5f, 4.5f, 4.0f, 1.5f, 0};
        const float str[6] = {-0.2f, 0.6f, 0.9f, 0.5f, 0.0f, -0.3f};
        hop = heights[frame];
        stretch = str[frame];
    } else if (frame == 6) {
        stretch = -0.4f;
    } else if (frame == 7) {
        tongue = 1;
        stretch = 0.2f;
    } else if (frame == 9) {
        puff = 1;
    }
    float rx = (float)w * 0.22f, ry = rx * 0.72f - stretch;
    v2 c = {cx, g - ry - 1.5f - hop};
    if (dead) c = {cx, g - 4.0f};
    // Hind legs folded beside the body, stretched out in the hop.
    float leg_ext = std::max(0.0f, stretch) * 5;
    for (int s = 1; s >= 0; s--) {
        float z = s ? 5.0f : 25.0f;
        float bias = s ? -0.25f : 0.0f;
        v2 hip = c + v2{-rx * 0.55f - (float)s, ry * 0.3f};
        int part = fg.new_part();
        if (dead) {
            fg.limb(hip, 2.0f, hip + v2{-2.0f, -5.0f}, 1.2f, skin, z, bias, part);
            fg.limb(hip + v2{-2.0f, -5.0f}, 1.2f, hip + v2{1.0f, -8.0f}, 1.0f, skin, z, bias, part);
            continue;
        }
        v2 knee = hip + v2{3.0f - leg_ext * 0.6f, 1.0f + leg_ext * 0.3f};
        v2 foot = knee + v2{-5.0f - leg_ext, (g - 0.8f) - knee.y + (hop > 0 ? -hop + leg_ext * 0.5f : 0)};
        fg.limb(hip, 2.4f, knee, 1.6f, skin, z, bias, part);
        fg.limb(knee, 1.4f, foot, 1.0f, skin, z, bias, part);
        fg.ellipse(foot + v2{-1.0f, 0}, 1.8f, 0.9f, skin, z + 0.1f, bias, part);
        // Front leg.
        v2 sh = c + v2{rx * 0.45f - (float)s, ry * 0.4f};
        v2 hand = sh + v2{1.5f + leg_ext * 0.3f, (g - 0.8f) - sh.y - (hop > 0 ? hop * 0.6f : 0)};
        fg.limb(sh, 1.2f, hand, 0.9f, skin, z + 1, bias);
        fg.ellipse(hand + v2{0.6f, 0}, 1.2f, 0.7f, skin, z + 1.1f, bias);
    }
    int body = fg.new_part();
    // A body sloping down to the head, the head broad and flat in front.
    v2 ax = dir(PI / 2 + 0.22f), ay = {ax.y, -ax.x};
    if (dead) ax = dir(PI / 2 - 0.1f), ay = {-ax.y, ax.x};
    fg.ellipse(c, rx, ry, ax, ay, skin, 15, 0, body);
    v2 head = c + ax * (rx * 0.75f) + v2{0, ry * 0.15f};
    fg.ellipse(head, rx * 0.55f, ry * 0.62f, skin, 15.5f, 0.03f, body);
    if (!dead) fg.ellipse(head + v2{-0.5f, ry * 0.45f}, rx * 0.4f, ry * 0.25f, belly, 16, 0.05f, body);
    else fg.ellipse(c + v2{0, -ry * 0.3f}, rx * 0.6f, ry * 0.45f, belly, 16, 0.05f, body);
    // Warts.
    rng r(31);
    for (int i = 0; i < 6; i++)
        fg.dot(c + v2{(r.uniform() - 0.7f) * rx * 1.3f, -ry * (0.2f + 0.6f * r.uniform())}, skin.r->idx[skin.lo], 16, body);
    if (puff > 0) fg.ellipse(head + v2{0, ry * 0.6f}, 3.2f, 2.8f, belly, 17, 0.15f);
    // Eyes bulging on top of the head.
    for (int e = 0; e < 2; e++) {
        v2 ep = head + v2{rx * 0.05f - (float)e * 2.4f, -ry * 0.75f};
        if (dead) ep = head + v2{-(float)e * 2.4f, ry * 0.5f};
        float z = e ? 14.0f : 18.0f;
        fg.ellipse(ep, 2.3f, 2.1f, skin, z, e ? -0.2f : 0.05f);
        fg.ellipse(ep + v2{0.3f, -0.2f}, 1.4f, 1.2f, M(pal::GOLD, 4, 6), z + 0.1f, 0.1f);
        fg.dot(ep + v2{0.4f, 0}, pal::INK[0], z + 0.2f);
        fg.dot(ep + v2{1.2f, 0}, pal::INK[0], z + 0.2f);
    }
    c = head + v2{-rx * 0.55f, -ry * 0.1f};
    // A wide mouth line, and the tongue lashing out.
    fg.thin(c + v2{rx * 0.1f, ry * 0.2f}, c + v2{rx * 0.95f, ry * 0.05f}, skin.r->idx[skin.lo], 17);
    if (tongue > 0) {
        v2 m = c + v2{rx * 0.95f, ry * 0.1f};
        fg.limb(m, 0.6f, m + v2{6.0f, -1.5f}, 0.5f, M(pal::CLOTH_RED, 4, 7), 19, 0.1f);
        fg.ellipse(m + v2{6.5f, -1.5f}, 1.2f, 1.0f, M(pal::CLOTH_RED, 4, 7), 19, 0.1f);
    }
    if (puff > 0) aura(fg, c, rx + 3, ry + 3, G(pal::MAGIC, 5, 9), frame, 30);
    return fg.finish();
}

// -- elementals ---------------------------------------------------------------------------------
canvas draw_elemental(bool storm, int frame, int w, int h)
{
    figure fg(w, h);
    float cx = (float)w / 2, g = (float)h - 1.5f;
    bool dead = frame == 8;
    const pal::ramp &rp = storm ? pal::ICE : pal::FIRE;
    mat outer = storm ? G(pal::CLOTH_BLUE, 3, 7) : G(pal::FIRE, 1, 4);
    mat mid = storm ? G(pal::ICE, 0, 3) : G(pal::FIRE, 3, 6);
    mat core = storm ? G(pal::ICE, 3, 4) : G(pal::FIRE, 5, 7);
    float ph = walk_phase(frame % 6);
    float lean = frame == 7 ? 0.35f : frame == 6 ? -0.15f : 0.0f;
    float lunge = frame == 7 ? 3.0f : 0.0f;
    float height = dead ? 8.0f : (float)h * 0.72f;
    rng r(500u + (uint32_t)frame * 17u + (storm ? 1000u : 0u));
    if (dead) {
        // Embers or sparks on the ground.
        fg.ellipse({cx, g - 2}, 9, 2.5f, outer, 5, 0.0f);
        fg.ellipse({cx, g - 2}, 6, 1.6f, mid, 6, 0.1f);
        for (int i = 0; i < 7; i++) fg.dot({cx - 8 + r.uniform() * 16, g - 4 - r.uniform() * 5}, rp[rp.len - 2], 7, -1, true);
        return fg.finish(false, false);
    }
    v2 base = {cx + lunge, g - 1};
    v2 top = base + dir(PI - lean) * height;
    // The body: layered tongues, wide at the shoulders, a tail of flame below.
    auto tongue_body = [&](const mat &m, float scale, float z) {
        int part = fg.new_part();
        fg.body(base, 2.0f * scale, lerp(base, top, 0.6f), 5.5f * scale, m, z, 0, 0.6f, part);
        fg.ellipse(lerp(base, top, 0.62f), 5.2f * scale, 4.0f * scale, m, z, 0, part);
        fg.ellipse(lerp(base, top, 0.88f), 3.6f * scale, 3.9f * scale, m, z, 0, part);
        for (int i = 0; i < 5; i++) {
            float a = PI - lean + (r.uniform() - 0.5f) * 1.2f;
            v2 from = lerp(base, top, 0.5f + 0.45f * r.uniform()) + v2{(r.uniform() - 0.5f) * 6 * scale, 0};
            fg.limb(from, 1.6f * scale, from + dir(a) * (4.0f + 5.0f * r.uniform()) * scale, 0.3f, m, z, 0, part);
        }
    };
    tongue_body(outer, 1.15f, 5);
    tongue_body(mid, 0.85f, 6);
    tongue_body(core, 0.5f, 7);
    // Arms of flame, raised when casting, thrown forward when striking.
    float arm_a[2] = {0.8f + 0.2f * std::sin(ph), 1.2f - 0.2f * std::sin(ph)};
    if (frame == 6) arm_a[0] = 2.6f, arm_a[1] = 2.2f;
    if (frame == 7) arm_a[0] = 1.6f, arm_a[1] = 1.3f;
    if (frame == 9) arm_a[0] = 2.8f, arm_a[1] = 2.9f;
    for (int s = 0; s < 2; s++) {
        v2 sh = lerp(base, top, 0.66f) + v2{s ? -3.5f : 3.0f, 0};
        v2 hand = sh + dir(arm_a[s] * (s ? -1.0f : 1.0f) + (s ? 0.0f : 0.0f)) * 8.0f;
        if (s == 1) hand = sh + dir(-arm_a[s] * 0.6f) * 6.5f;
        fg.limb(sh, 2.2f, hand, 1.2f, outer, s ? 4.0f : 8.0f, 0);
        fg.limb(sh, 1.3f, hand, 0.6f, mid, s ? 4.2f : 8.2f, 0);
    }
    // Eyes: two white-hot slits.
    v2 face = lerp(base, top, 0.86f);
    fg.dot(face + v2{1.5f, 0}, pal::SPARK, 12, -1, true);
    fg.dot(face + v2{3.0f, 0}, pal::SPARK, 12, -1, true);
    if (storm) {
        // Little bolts leaping off the body.
        for (int i = 0; i < 3; i++) {
            v2 p = lerp(base, top, 0.3f + 0.6f * r.uniform()) + v2{(r.uniform() - 0.5f) * 8, 0};
            v2 q = p + v2{(r.uniform() - 0.5f) * 10, -3 - r.uniform() * 4};
            fg.thin(p, lerp(p, q, 0.5f) + v2{2, 0}, pal::SHOCK, 13);
            fg.thin(lerp(p, q, 0.5f) + v2{2, 0}, q, pal::SHOCK, 13);
        }
    }
    // Sparks rising.
    for (int i = 0; i < 6; i++)
        fg.dot(v2{cx - 8 + r.uniform() * 16 + lunge, top.y - 2 + r.uniform() * height * 0.8f}, rp[rp.len - 1 - (i % 2)], 3, -1, true);
    return fg.finish(false, false);
}

canvas draw_wisp(int frame, int w, int h)
{
    // The game turns a ring of burning runes round the picture's point (10, 10), so
    // the flame's heart sits there.
    glow g(w, h, {&fx_ramp::FIRE});
    v2 c = {(float)w / 2, (float)h / 2 + 1};
    bool dead = frame == 8;
    float flick = frame <= 5 ? std::sin(walk_phase(frame) + 0.5f) : 0;
    float size = frame == 6 ? 1.1f : frame == 9 ? 1.15f : 1.0f;
    if (dead) {
        g.blob(0, {c.x, (float)h - 3}, 5, 0.9f);
        g.blob(0, {c.x - 4, (float)h - 2}, 2.5f, 0.7f);
        g.blob(0, {c.x + 4, (float)h - 2}, 2.5f, 0.7f);
        return g.render();
    }
    v2 body = c + v2{frame == 7 ? 2.0f : 0.0f, flick * 0.8f};
    g.blob(0, body, 6.5f * size, 0.75f);
    g.blob(0, body + v2{0, 1}, 4.5f * size, 1.05f);
    // Tongues licking upwards, swept back when it lunges.
    float sweep = frame == 7 ? -3.0f : flick;
    g.streak(0, body + v2{0, -2}, body + v2{sweep - 1, -7 * size}, 2.0f, 0.85f);
    float lick = frame <= 5 ? std::cos(walk_phase(frame) * 2) * 1.5f : 0;
    g.streak(0, body + v2{-3, -1}, body + v2{sweep - 4, -5.5f * size + lick}, 1.5f, 0.7f);
    g.streak(0, body + v2{3, -1}, body + v2{sweep + 3, -5.5f * size - lick}, 1.5f, 0.7f);
    canvas out = g.render();
    // Two dark eyes and a mouth, turned right.
    out.set((int)body.x + 1, (int)body.y, pal::INK[1]);
    out.set((int)body.x + 4, (int)body.y, pal::INK[1]);
    if (frame == 7 || frame == 6) out.set((int)body.x + 3, (int)body.y + 3, pal::INK[1]);
    return out;
}

}  // namespace art
