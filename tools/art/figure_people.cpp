// figure_people.cpp -- poses and drawing of two-legged figures
#include "art/figure_people.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace {

constexpr float PI = 3.14159265f;

// Depths of the body's layers, back to front.
enum : int {
    Z_CAPE = 0,
    Z_FAR_LEG = 10,
    Z_FAR_ARM = 20,
    Z_FAR_WEAPON = 22,
    Z_NEAR_LEG = 30,
    Z_TORSO = 40,
    Z_SKIRT = 45,
    Z_APRON = 47,
    Z_BELT = 48,
    Z_HEAD = 60,
    Z_HAIR = 64,
    Z_HAT = 68,
    Z_SHIELD = 72,
    Z_NEAR_WEAPON = 78,
    Z_NEAR_ARM = 80,
    Z_HAND = 84,
    Z_FX = 95,
};

// Angles of a frame, before they are turned into joint positions.  Limb angles use
// dir(): 0 hangs down, positive swings forward; index 0 is the near side.
struct pose {
    float lean = 0;                  // spine forward of upright
    float leg[2] = {0, 0}, knee[2] = {0.1f, 0.1f};
    float arm[2] = {0, 0}, elbow[2] = {0.3f, 0.3f};
    float weapon = 0.6f;             // weapon direction
    float offhand = 0.0f;            // direction of a held off-hand item
    float shift = 0;                 // hips moved forward
    float roll = 0;                  // whole body turned (lying dead)
    float head_tilt = 0;
    bool lying = false;
    bool draw_string = false;        // bow drawn, arrow on the string
    bool loosed = false;             // bow just loosed
    float glow = 0;                  // casting light 0..1
};

struct joints {
    v2 hip, neck, head;
    float up;                        // spine direction (dir angle)
    v2 hip_j[2], knee[2], ankle[2];
    float shin[2];
    v2 sh[2], elbow[2], hand[2];
    float fore[2];                   // forearm direction
};

struct dims {
    float thigh, shin, foot, torso, head_r, upper, fore, hip_w, sh_w, limb_r;
};

dims measure(const biped &b)
{
    float k = b.height / 38.0f;
    dims d;
    d.head_r = 4.1f * b.head * std::sqrt(k);
    d.thigh = 8.0f * k;
    d.shin = 7.6f * k;
    d.foot = 3.0f * k;
    d.torso = b.height - d.thigh - d.shin - 1.5f - 2 * d.head_r - 0.5f;
    d.upper = 5.6f * k * b.arm;
    d.fore = 5.4f * k * b.arm;
    d.hip_w = 3.3f * b.build * k;
    d.sh_w = 4.0f * b.build * k;
    d.limb_r = 1.55f * std::sqrt(b.build) * std::sqrt(k);
    return d;
}

// Joint positions of a pose; the hips are placed so that the lowest foot stands on
// the ground line (or, lying, so that the back rests on it).
joints place(const biped &b, const dims &d, const pose &p, float cx, float ground)
{
    joints j{};
    float r = p.roll;
    j.up = PI - p.lean + r;
    if (b.hunch) j.up -= b.build >= 1.6f ? 0.4f : 0.25f;
    v2 hip = {0, 0};
    j.hip = hip;
    v2 up = dir(j.up);
    v2 fw = {-up.y, up.x};
    for (int s = 0; s < 2; s++) {
        float side = s == 0 ? 0.8f : -0.8f;
        j.hip_j[s] = hip + fw * side;
        float a = p.leg[s] + r;
        j.knee[s] = j.hip_j[s] + dir(a) * d.thigh;
        j.shin[s] = a - p.knee[s];
        j.ankle[s] = j.knee[s] + dir(j.shin[s]) * d.shin;
    }
    j.neck = hip + up * d.torso;
    j.head = j.neck + up * (d.head_r * 0.95f + 0.4f);
    for (int s = 0; s < 2; s++) {
        float side = s == 0 ? 0.9f : -1.3f;
        j.sh[s] = j.neck + up * -1.2f + fw * side;
        float a = p.arm[s] + r;
        j.elbow[s] = j.sh[s] + dir(a) * d.upper;
        j.fore[s] = a + p.elbow[s];
        j.hand[s] = j.elbow[s] + dir(j.fore[s]) * d.fore;
    }
    v2 at;
    if (p.lying) {
        at = {cx + 3, ground - d.hip_w - 0.5f};
    } else {
        float low = std::max(j.ankle[0].y, j.ankle[1].y) + 1.5f;
        at = {cx + p.shift, ground - low};
    }
    auto move = [&](v2 &v) { v = v + at; };
    move(j.hip);
    move(j.neck);
    move(j.head);
    for (int s = 0; s < 2; s++) {
        move(j.hip_j[s]);
        move(j.knee[s]);
        move(j.ankle[s]);
        move(j.sh[s]);
        move(j.elbow[s]);
        move(j.hand[s]);
    }
    return j;
}

// The frame's angles.
pose make_pose(const biped &b, int frame)
{
    pose p;
    bool bow = b.weapon == weapon_k::bow || b.weapon == weapon_k::crossbow;
    bool armed = b.weapon != weapon_k::none;
    bool shielded = b.off == off_k::round_shield || b.off == off_k::kite_shield || b.off == off_k::buckler;
    if (frame <= 5) {
        float ph = (float)frame * 2 * PI / 6;
        float s = std::sin(ph), c = std::cos(ph);
        p.leg[0] = 0.42f * s;
        p.leg[1] = -0.42f * s;
        p.knee[0] = 0.1f + 0.85f * std::max(0.0f, c);
        p.knee[1] = 0.1f + 0.85f * std::max(0.0f, -c);
        float swing = b.arms_out ? 0.1f : 0.45f;
        p.arm[0] = -swing * s * (armed ? 0.5f : 1.0f);
        p.arm[1] = swing * s * (shielded ? 0.3f : 1.0f);
        p.elbow[0] = 0.35f;
        p.elbow[1] = 0.3f;
        if (b.arms_out) {
            p.arm[0] += 1.25f;
            p.arm[1] += 1.35f;
            p.elbow[0] = p.elbow[1] = 0.05f;
        }
        if (armed) {
            p.arm[0] += 0.15f;
            p.elbow[0] = 0.7f;
        }
        if (shielded) {
            p.arm[1] += 0.55f;
            p.elbow[1] = 0.9f;
        }
        p.weapon = 2.3f;
        if (b.weapon == weapon_k::spear || b.weapon == weapon_k::staff || b.weapon == weapon_k::fork ||
            b.weapon == weapon_k::rod || b.weapon == weapon_k::scythe || b.weapon == weapon_k::book_staff)
            p.weapon = 2.85f;
        if (b.weapon == weapon_k::stick) {
            // Leaning on it: the stick planted ahead.
            p.arm[0] = 0.55f + 0.1f * s;
            p.elbow[0] = 0.6f;
            p.weapon = PI - 0.15f;
        }
        if (bow) {
            // The bow rides in the far hand, the near hand swings free.
            p.arm[0] = -0.45f * s;
            p.elbow[0] = 0.35f;
            p.arm[1] = 0.15f + 0.3f * s;
            p.elbow[1] = 0.5f;
            p.weapon = b.weapon == weapon_k::crossbow ? 1.9f : 2.6f;
        }
        p.offhand = 0.0f;
        p.lean = 0.05f;
    } else if (frame == 6) {
        p.leg[0] = 0.35f;
        p.knee[0] = 0.3f;
        p.leg[1] = -0.3f;
        p.knee[1] = 0.1f;
        if (bow) {
            p.arm[1] = 1.55f;
            p.elbow[1] = 0.0f;
            p.arm[0] = 1.35f;
            p.elbow[0] = 1.9f;
            p.weapon = PI;
            p.draw_string = true;
            if (b.weapon == weapon_k::crossbow) {
                p.arm[0] = 1.0f;
                p.elbow[0] = 0.9f;
                p.weapon = PI / 2 + 0.05f;
            }
        } else {
            p.lean = -0.08f;
            p.arm[0] = 3.3f;
            p.elbow[0] = 0.5f;
            p.weapon = 3.9f;
            p.arm[1] = shielded ? 1.1f : 0.7f;
            p.elbow[1] = shielded ? 0.8f : 0.5f;
            if (!armed) {
                p.arm[0] = 2.6f;
                p.elbow[0] = 0.9f;
            }
        }
    } else if (frame == 7) {
        if (bow) {
            p.leg[0] = 0.35f;
            p.knee[0] = 0.3f;
            p.leg[1] = -0.3f;
            p.knee[1] = 0.1f;
            p.arm[1] = 1.6f;
            p.elbow[1] = 0.0f;
            p.arm[0] = 0.9f;
            p.elbow[0] = 2.6f;
            p.weapon = PI;
            p.loosed = true;
            p.lean = -0.05f;
            if (b.weapon == weapon_k::crossbow) {
                p.arm[0] = 1.0f;
                p.elbow[0] = 0.9f;
                p.weapon = PI / 2 + 0.2f;
            }
        } else {
            p.lean = 0.25f;
            p.shift = 1;
            p.leg[0] = 0.7f;
            p.knee[0] = 0.7f;
            p.leg[1] = -0.55f;
            p.knee[1] = 0.05f;
            // The blow has come down: arm out in front, the blade chopping down and forward.
            p.arm[0] = 1.35f;
            p.elbow[0] = 0.1f;
            p.weapon = 1.05f;
            if (b.weapon == weapon_k::spear || b.weapon == weapon_k::staff || b.weapon == weapon_k::fork ||
                b.weapon == weapon_k::rod || b.weapon == weapon_k::scythe || b.weapon == weapon_k::book_staff) {
                // A thrust: the shaft level, the hand drawn in to the hip.
                p.arm[0] = 0.7f;
                p.elbow[0] = 0.9f;
                p.weapon = 2.1f;
            }
            if (b.build >= 1.6f) {
                // Brutes smash downwards: the club ends on the ground in front.
                p.lean = 0.05f;
                p.arm[0] = 0.75f;
                p.elbow[0] = 0.0f;
                p.weapon = 0.45f;
            }
            p.arm[1] = shielded ? 0.9f : -0.5f;
            p.elbow[1] = shielded ? 0.7f : 0.3f;
            if (!armed) p.arm[0] = 1.6f;
        }
    } else if (frame == 8) {
        p.lying = true;
        p.roll = PI / 2;
        p.leg[0] = 0.12f;
        p.leg[1] = -0.1f;
        p.knee[0] = 0.25f;
        p.knee[1] = 0.05f;
        p.arm[0] = 0.5f;
        p.elbow[0] = 0.4f;
        p.arm[1] = -0.35f;
        p.elbow[1] = 0.3f;
        p.head_tilt = 0.2f;
        p.weapon = 0.4f + p.roll;
    } else {
        p.leg[0] = 0.2f;
        p.knee[0] = 0.15f;
        p.leg[1] = -0.2f;
        p.arm[0] = 2.55f;
        p.elbow[0] = 0.25f;
        p.arm[1] = 2.75f;
        p.elbow[1] = 0.2f;
        p.lean = -0.1f;
        p.head_tilt = 0.15f;
        p.weapon = 3.0f;
        p.glow = 1;
        if (bow) p.weapon = 2.8f;
    }
    return p;
}

// -- pieces ----------------------------------------------------------------------

// A shape described in a bone frame: covered(f, u) in frame units, lit as the dome
// of the ellipse (dome centre, radii).
int local_shape(figure &fg, const frame2 &fr, float reach, const std::function<bool(float, float)> &covered,
                v2 dome, v2 radii, const mat &m, float z, float bias = 0, int part = -1)
{
    auto to_local = [fr](float x, float y, float &f, float &u) {
        v2 d = {x - fr.o.x, y - fr.o.y};
        f = d.x * fr.fw.x + d.y * fr.fw.y;
        u = d.x * fr.up.x + d.y * fr.up.y;
    };
    return fg.shape(
        fr.o.x - reach, fr.o.y - reach, fr.o.x + reach, fr.o.y + reach,
        [=](float x, float y) {
            float f, u;
            to_local(x, y, f, u);
            return covered(f, u);
        },
        [=](float x, float y) {
            float f, u;
            to_local(x, y, f, u);
            float a = (f - dome.x) / radii.x, c = (u - dome.y) / radii.y;
            float l = a * a + c * c;
            if (l > 1) {
                float k = 1 / std::sqrt(l);
                a *= k;
                c *= k;
                l = 1;
            }
            v2 s = fr.fw * a + fr.up * c;
            return vec3{s.x, s.y, std::sqrt(std::max(0.0f, 1 - l))};
        },
        m, z, bias, part);
}

bool in_ell(float f, float u, float cf, float cu, float rf, float ru)
{
    float a = (f - cf) / rf, c = (u - cu) / ru;
    return a * a + c * c <= 1;
}

void draw_leg(figure &fg, const biped &b, const dims &d, const joints &j, int s, float z, float bias)
{
    if (!b.legs.r && !b.skeleton) return;
    float r = d.limb_r;
    int part = fg.new_part();
    mat legm = b.skeleton ? M(pal::BONE, 3, 9) : b.legs;
    if (b.skeleton) {
        fg.limb(j.hip_j[s], 0.9f, j.knee[s], 0.8f, legm, z, bias, part);
        fg.limb(j.knee[s], 0.8f, j.ankle[s], 0.7f, legm, z, bias, part);
        fg.ellipse(j.knee[s], 1.1f, 1.1f, legm, z + 0.5f, bias, part);
    } else {
        fg.limb(j.hip_j[s], r * 1.2f, j.knee[s], r, legm, z, bias, part);
        fg.limb(j.knee[s], r, j.ankle[s], r * 0.8f, legm, z, bias, part);
    }
    // The boot: the lower shin and a foot pointing forward along the ground.
    mat bootm = b.skeleton ? M(pal::BONE, 2, 8) : b.boots;
    if (!bootm.r) bootm = b.skin;
    v2 fdir = dir(j.shin[s] + PI / 2);
    v2 heel = j.ankle[s] + dir(j.shin[s]) * 0.6f;
    if (!b.skeleton && b.boots.r) fg.limb(lerp(j.knee[s], j.ankle[s], 0.45f), r * 0.95f, j.ankle[s], r * 0.9f, bootm, z + 0.2f, bias, part);
    fg.limb(heel - fdir * 0.6f, r * (b.skeleton ? 0.6f : 0.85f), heel + fdir * d.foot, r * (b.skeleton ? 0.5f : 0.7f),
            bootm, z + 0.3f, bias, part);
}

void draw_arm(figure &fg, const biped &b, const dims &d, const joints &j, int s, float z, float bias)
{
    float r = d.limb_r * 0.95f;
    int part = fg.new_part();
    if (b.skeleton) {
        mat bone = M(pal::BONE, 3, 9);
        fg.limb(j.sh[s], 0.8f, j.elbow[s], 0.7f, bone, z, bias, part);
        fg.limb(j.elbow[s], 0.7f, j.hand[s], 0.6f, bone, z, bias, part);
        fg.ellipse(j.hand[s], 1.1f, 1.1f, bone, z + 1, bias, part);
        return;
    }
    mat up = b.sleeve.r ? b.sleeve : b.skin;
    mat lo = b.bare_arms || !b.sleeve.r ? b.skin : b.sleeve;
    fg.limb(j.sh[s], r * 1.15f, j.elbow[s], r * 0.95f, up, z, bias, part);
    fg.limb(j.elbow[s], r * 0.95f, j.hand[s], r * 0.8f, lo, z, bias, part);
    if (b.dress == dress_k::plate) fg.ellipse(j.sh[s] + dir(j.up) * -0.3f, r * 1.6f, r * 1.4f, b.top, z + 0.5f, bias + 0.05f);
    fg.ellipse(j.hand[s], r * 0.85f, r * 0.85f, b.skin, z + 4 - (s == 0 ? 0 : 2), bias);
}

// A weapon gripped at `grip`, pointing along angle a.
void draw_weapon(figure &fg, const biped &b, weapon_k w, v2 grip, float a, float z, const pose &p, float k)
{
    v2 d = dir(a);
    v2 n = {-d.y, d.x};
    mat bl = b.blade, hd = b.handle;
    switch (w) {
    case weapon_k::none:
        break;
    case weapon_k::sword: {
        fg.limb(grip - d * 2.2f, 0.7f, grip + d * 1.0f, 0.7f, hd, z);
        int part = fg.new_part();
        fg.poly({grip + d * 1.2f + n * 1.1f, grip + d * 12.5f * k + n * 0.6f, grip + d * 14.0f * k,
                 grip + d * 12.5f * k - n * 0.6f, grip + d * 1.2f - n * 1.1f},
                bl, z + 0.2f, 0.15f, {-0.5f, -0.6f, 0.7f}, 0, part);
        fg.thin(grip + d * 2.0f, grip + d * 12.0f * k, bl.r->brightest(), z + 0.3f, part);
        fg.limb(grip + d * 1.2f + n * 2.4f, 0.65f, grip + d * 1.2f - n * 2.4f, 0.65f, b.trim.r ? b.trim : M(pal::GOLD, 1, 6), z + 0.4f);
        break;
    }
    case weapon_k::dagger: {
        fg.limb(grip - d * 1.2f, 0.6f, grip + d * 0.8f, 0.6f, hd, z);
        fg.poly({grip + d * 1.0f + n * 0.9f, grip + d * 6.5f * k, grip + d * 1.0f - n * 0.9f}, bl, z + 0.2f, 0.1f,
                {-0.5f, -0.6f, 0.7f});
        fg.limb(grip + d * 1.0f + n * 1.6f, 0.5f, grip + d * 1.0f - n * 1.6f, 0.5f, M(pal::GOLD, 1, 5), z + 0.3f);
        break;
    }
    case weapon_k::axe: {
        fg.limb(grip - d * 3.0f, 0.75f, grip + d * 11.0f * k, 0.7f, hd, z);
        v2 hb = grip + d * 9.5f * k;
        fg.poly({hb + d * 2.5f, hb + d * 3.8f + n * 4.2f, hb + n * 5.0f, hb - d * 3.2f + n * 4.4f, hb - d * 1.6f},
                bl, z + 0.3f, 0.1f, {-0.4f, -0.5f, 0.8f}, 0.6f);
        break;
    }
    case weapon_k::spear:
    case weapon_k::fork: {
        fg.limb(grip - d * 7.0f * k, 0.65f, grip + d * 13.0f * k, 0.65f, hd, z);
        v2 tip = grip + d * 13.0f * k;
        if (w == weapon_k::spear) {
            fg.poly({tip - n * 1.5f, tip + d * 5.5f, tip + n * 1.5f, tip - d * 1.0f}, bl, z + 0.3f, 0.15f,
                    {-0.5f, -0.5f, 0.7f});
        } else {
            fg.limb(tip - n * 2.2f, 0.5f, tip + n * 2.2f, 0.5f, bl, z + 0.3f);
            for (int i = -1; i <= 1; i++) fg.limb(tip + n * (2.2f * (float)i), 0.45f, tip + n * (2.2f * (float)i) + d * 4.0f, 0.4f, bl, z + 0.3f);
        }
        break;
    }
    case weapon_k::staff:
    case weapon_k::book_staff: {
        fg.limb(grip - d * 8.0f * k, 0.75f, grip + d * 12.0f * k, 0.75f, hd, z);
        v2 top = grip + d * 12.5f * k;
        if (w == weapon_k::staff) {
            fg.limb(top, 1.1f, top - d * 1.2f + n * 1.8f, 0.9f, hd, z + 0.1f);
            mat g = b.glow.r ? b.glow : G(pal::MAGIC, 3, 9);
            fg.ellipse(top + d * 1.3f, 1.7f, 1.7f, g, z + 0.4f, 0.15f + 0.3f * p.glow);
            fg.dot(top + d * 1.3f + v2{-0.6f, -0.6f}, g.r->brightest(), z + 0.5f, -1, true);
        } else {
            // A crook with a hanging lamp-sun disc: the priestess's staff.
            fg.ellipse(top + d * 1.8f, 2.4f, 2.4f, M(pal::GOLD, 1, 6), z + 0.3f, 0.1f);
            fg.ellipse(top + d * 1.8f, 1.1f, 1.1f, G(pal::FIRE, 4, 7), z + 0.5f, 0.2f + 0.3f * p.glow);
        }
        break;
    }
    case weapon_k::mace:
    case weapon_k::hammer:
    case weapon_k::club: {
        float len = w == weapon_k::club ? 9.0f : 9.5f;
        fg.limb(grip - d * 2.0f, 0.7f * k, grip + d * len * k, (w == weapon_k::club ? 1.6f : 0.7f) * k, hd, z);
        v2 head = grip + d * (len + 1.0f) * k;
        if (w == weapon_k::mace) {
            fg.ellipse(head, 2.2f, 2.2f, bl, z + 0.3f, 0.05f);
            for (int i = 0; i < 4; i++) {
                v2 sp = dir((float)i * PI / 2 + a + 0.3f);
                fg.dot(head + sp * 2.8f, bl.r->idx[bl.lo + 1], z + 0.2f);
            }
        } else if (w == weapon_k::hammer) {
            fg.body(head - n * 3.2f, 1.9f, head + n * 3.2f, 1.9f, bl, z + 0.3f, 0.05f, 0.2f);
        } else {
            fg.ellipse(head, 2.4f * k, 2.4f * k, hd, z + 0.2f, 0.05f);
        }
        break;
    }
    case weapon_k::stick: {
        int part = fg.new_part();
        fg.limb(grip - d * 8.5f * k, 0.75f, grip + d * 3.0f * k, 0.8f, hd, z, 0, part);
        fg.limb(grip + d * 3.0f * k, 0.8f, grip + d * 4.5f * k + n * 1.2f, 1.0f, hd, z, 0.05f, part);
        break;
    }
    case weapon_k::rod: {
        fg.limb(grip - d * 3.0f, 0.6f, grip + d * 10.0f * k, 0.5f, hd, z);
        v2 tip = grip + d * 18.0f * k;
        fg.thin(grip + d * 10.0f * k, tip, hd.r->idx[hd.lo + 1], z);
        v2 bob = tip + v2{1.5f, 9.0f};
        fg.thin(tip, bob, pal::GREY[7], z - 1);
        fg.dot(bob, pal::CLOTH_RED[5], z - 1);
        break;
    }
    case weapon_k::scythe: {
        fg.limb(grip - d * 6.0f * k, 0.7f, grip + d * 13.0f * k, 0.65f, hd, z);
        v2 top = grip + d * 13.0f * k;
        fg.poly({top, top + n * 0.5f + d * 1.6f, top + n * 5.0f + d * 0.6f, top + n * 9.0f - d * 3.0f,
                 top + n * 4.5f - d * 0.3f},
                bl, z + 0.3f, 0.1f, {-0.4f, -0.6f, 0.7f});
        break;
    }
    case weapon_k::bow: {
        // A bow held upright: its back bows towards the target.
        v2 up = dir(a);
        v2 fwd = {-up.y, up.x};
        float hlen = 9.0f * k;
        v2 top = grip + up * hlen, bot = grip - up * hlen;
        int part = fg.new_part();
        const int n_seg = 8;
        v2 prev = top;
        for (int i = 1; i <= n_seg; i++) {
            float t = (float)i / n_seg;
            float bend = std::sin(t * PI) * 2.6f;
            v2 q = lerp(top, bot, t) + fwd * bend;
            fg.limb(prev, 0.6f, q, 0.6f, hd, z, 0.05f, part);
            prev = q;
        }
        v2 string_mid = grip - fwd * (p.draw_string ? 5.0f : 0.4f);
        uint8_t sc = pal::BONE[7];
        fg.thin(top, string_mid, sc, z - 0.5f);
        fg.thin(string_mid, bot, sc, z - 0.5f);
        if (p.draw_string) {
            fg.thin(string_mid, grip + fwd * 4.0f, pal::WOOD[6], z + 1);
            fg.dot(grip + fwd * 4.5f, pal::STEEL[6], z + 1);
        }
        break;
    }
    case weapon_k::crossbow: {
        v2 tip = grip + d * 8.0f * k;
        fg.limb(grip - d * 3.0f, 0.9f, tip, 0.8f, hd, z);
        fg.limb(tip - n * 4.0f + d * 0.5f, 0.6f, tip + n * 4.0f + d * 0.5f, 0.6f, bl, z + 0.3f);
        fg.thin(tip - n * 4.0f, grip + d * 2.0f, pal::BONE[7], z + 0.2f);
        fg.thin(tip + n * 4.0f, grip + d * 2.0f, pal::BONE[7], z + 0.2f);
        if (!p.loosed) fg.thin(grip + d * 2.0f, tip + d * 2.0f, pal::STEEL[6], z + 0.4f);
        break;
    }
    }
}

void draw_offhand(figure &fg, const biped &b, const joints &j, const pose &p, float k)
{
    v2 h = j.hand[1];
    v2 up = dir(j.up);
    v2 fw = {-up.y, up.x};
    switch (b.off) {
    case off_k::none:
        break;
    case off_k::round_shield:
    case off_k::buckler: {
        float r = (b.off == off_k::buckler ? 3.6f : 5.4f) * k;
        v2 c = h + fw * 1.2f;
        int part = fg.ellipse(c, r * 0.7f, r, fw, up * -1.0f, b.off_m, Z_SHIELD, 0.05f);
        mat rim = b.off_trim.r ? b.off_trim : M(pal::STEEL, 1, 6);
        // Rim: the outer ring of the disc, then the boss.
        local_shape(fg, frame2{c, up, fw}, r + 1,
                    [=](float f, float u) {
                        float e = (f / (r * 0.7f)) * (f / (r * 0.7f)) + (u / r) * (u / r);
                        return e <= 1 && e > 0.62f;
                    },
                    {0, 0}, {r * 0.7f, r}, rim, Z_SHIELD + 0.2f, 0.05f, part);
        fg.ellipse(c + fw * 0.3f, 1.1f * k, 1.2f * k, rim, Z_SHIELD + 0.4f, 0.2f, part);
        break;
    }
    case off_k::kite_shield: {
        v2 c = h + fw * 1.4f;
        float s = k;
        std::vector<v2> pts = {c + up * 5.5f * s - fw * 2.6f * s, c + up * 5.5f * s + fw * 2.6f * s,
                               c + up * 1.0f * s + fw * 3.2f * s, c - up * 6.5f * s + fw * 0.6f * s,
                               c - up * 6.5f * s - fw * 0.6f * s, c + up * 1.0f * s - fw * 3.2f * s};
        int part = fg.poly(pts, b.off_m, Z_SHIELD, 0.0f, {-0.3f, -0.4f, 1}, 0.8f);
        mat rim = b.off_trim.r ? b.off_trim : M(pal::GOLD, 1, 6);
        // A cross on the face.
        fg.body(c + up * 4.6f * s, 0.6f, c - up * 5.0f * s, 0.5f, rim, Z_SHIELD + 0.3f, 0.1f, 0, part);
        fg.body(c + up * 1.5f * s - fw * 2.4f * s, 0.6f, c + up * 1.5f * s + fw * 2.4f * s, 0.6f, rim,
                Z_SHIELD + 0.3f, 0.1f, 0, part);
        break;
    }
    case off_k::book: {
        v2 c = h + fw * 0.8f + up * 0.8f;
        fg.poly({c - fw * 2.2f + up * 1.8f, c + fw * 2.2f + up * 1.8f, c + fw * 2.2f - up * 1.8f,
                 c - fw * 2.2f - up * 1.8f},
                b.off_m, Z_HAND - 1, 0.05f, {-0.3f, -0.6f, 0.8f});
        fg.thin(c - fw * 1.8f + up * 0.9f, c + fw * 1.8f + up * 0.9f, pal::BONE[8], Z_HAND - 0.9f);
        break;
    }
    case off_k::lantern: {
        v2 c = h + dir(j.up) * -3.0f;
        fg.thin(h, c + dir(j.up) * 1.5f, pal::STEEL[2], Z_SHIELD);
        fg.body(c + up * 1.5f, 1.4f, c - up * 1.8f, 1.6f, M(pal::STEEL, 1, 4), Z_SHIELD, 0, 0.2f);
        fg.ellipse(c, 1.0f, 1.3f, G(pal::FIRE, 4, 7), Z_SHIELD + 0.5f, 0.3f);
        break;
    }
    }
    (void)p;
}

void draw_torso(figure &fg, const biped &b, const dims &d, const joints &j, const pose &p)
{
    v2 up = dir(j.up);
    v2 fw = {-up.y, up.x};
    v2 hip = j.hip, neck = j.neck;
    if (b.skeleton) {
        mat bone = M(pal::BONE, 3, 9);
        // Spine, ribs and pelvis.
        fg.limb(hip, 0.8f, neck, 0.7f, bone, Z_TORSO - 2);
        fg.ellipse(hip, d.hip_w * 0.9f, 1.6f, fw, up, bone, Z_TORSO - 1);
        for (int i = 0; i < 4; i++) {
            float t = 0.45f + 0.14f * (float)i;
            v2 c = lerp(hip, neck, t);
            float wdt = d.sh_w * (0.75f + 0.06f * (float)i);
            fg.limb(c - fw * wdt * 0.9f, 0.55f, c + fw * wdt, 0.55f, bone, Z_TORSO + (float)i * 0.1f, -0.05f);
        }
        fg.limb(neck - up * 0.8f - fw * d.sh_w, 0.7f, neck - up * 0.8f + fw * d.sh_w * 0.9f, 0.7f, bone, Z_TORSO + 1);
        return;
    }
    if (b.build >= 1.6f) {
        // Brutes: a barrel chest over a belly, shoulders humped above the spine.
        int part = fg.new_part();
        fg.ellipse(lerp(hip, neck, 0.7f) + fw * 0.5f, d.sh_w * 1.05f, d.torso * 0.42f, fw, up, b.top, Z_TORSO, 0.02f, part);
        fg.ellipse(lerp(hip, neck, 0.3f) + fw * 1.2f, d.hip_w * 1.15f, d.torso * 0.36f, fw, up, b.top, Z_TORSO, 0.0f, part);
        fg.ellipse(neck - up * 0.5f - fw * 1.5f, d.sh_w * 0.6f, d.torso * 0.25f, fw, up, b.top, Z_TORSO, 0.05f, part);
    }
    // Trunk: hips to shoulders.
    int trunk = b.build >= 1.6f ? 0 : fg.body(hip - up * 0.5f, d.hip_w, neck - up * 0.2f, d.sh_w, b.top, Z_TORSO, 0.0f, 0.45f / b.build);
    const mat &lower = b.lower.r ? b.lower : b.top;
    if (b.dress == dress_k::plate) {
        // A breastplate ridge and a skirt of plates.
        fg.thin(lerp(hip, neck, 0.2f) + fw * 1.3f, lerp(hip, neck, 0.85f) + fw * 1.3f, b.top.r->idx[b.top.hi], Z_TORSO + 0.5f, trunk);
        fg.body(hip + up * 0.8f, d.hip_w * 1.05f, hip - up * 3.6f, d.hip_w * 1.35f, lower, Z_SKIRT, -0.08f, 0.1f);
    }
    if (b.dress == dress_k::mail) {
        // Rings: a dark dot pattern on the trunk.
        for (int y = 0; y < fg.h; y++)
            for (int x = 0; x < fg.w; x++) {
                size_t i = (size_t)y * fg.w + x;
                if (fg.part[i] == trunk && ((x + 2 * y) % 4 == 0)) fg.col[i] = shift(fg.col[i], -1);
            }
        fg.body(hip + up * 0.8f, d.hip_w * 1.05f, hip - up * 3.6f, d.hip_w * 1.3f, lower, Z_SKIRT, -0.08f, 0.1f);
    }
    // The lower garment.
    float sway = (p.leg[0] - p.leg[1]) * 1.6f;
    v2 ground_pt = hip - up * (d.thigh + d.shin - 0.5f);
    switch (b.dress) {
    case dress_k::tunic:
        fg.body(hip + up * 1.0f, d.hip_w * 1.05f, hip - up * 3.8f + fw * sway * 0.3f, d.hip_w * 1.3f, lower, Z_SKIRT,
                -0.05f, 0.15f);
        break;
    case dress_k::rags: {
        int part = fg.body(hip + up * 1.0f, d.hip_w * 1.05f, hip - up * 4.6f + fw * sway * 0.3f, d.hip_w * 1.35f,
                           lower, Z_SKIRT, -0.05f, 0.0f);
        // A torn hem.
        for (int y = 0; y < fg.h; y++)
            for (int x = 0; x < fg.w; x++) {
                size_t i = (size_t)y * fg.w + x;
                if (fg.part[i] != part) continue;
                bool edge = (size_t)(y + 1) < (size_t)fg.h && fg.part[i + fg.w] != part;
                if (edge && (x % 3 == 1)) fg.col[i] = 0;
            }
        break;
    }
    case dress_k::robe:
    case dress_k::gown: {
        v2 hem = ground_pt + fw * sway * 0.5f;
        float hw = d.hip_w * (b.dress == dress_k::gown ? 2.0f : 1.75f);
        int part = fg.body(hip + up * 2.5f, d.hip_w * 1.05f, hem, hw, lower, Z_SKIRT, -0.02f, 0.0f);
        if (b.trim.r) fg.body(hem + up * 1.6f, hw * 0.97f, hem, hw, b.trim, Z_SKIRT + 0.5f, 0.0f, 0.0f);
        if (b.hover > 0) {
            // A ragged hem trailing into nothing.
            std::vector<int> owner = fg.part;
            for (int y = 0; y < fg.h; y++)
                for (int x = 0; x < fg.w; x++) {
                    size_t i = (size_t)y * fg.w + x;
                    if (owner[i] != part) continue;
                    int depth_in = 0;   // rows of robe below this pixel
                    while (y + depth_in + 1 < fg.h && owner[i + (size_t)(depth_in + 1) * fg.w] == part) depth_in++;
                    int cut = x % 3 == 1 ? 2 : x % 3 == 2 ? 1 : 0;
                    if (depth_in < cut) {
                        fg.col[i] = 0;
                        fg.part[i] = 0;
                        fg.depth[i] = -1e9f;
                    }
                }
        }
        break;
    }
    default:
        break;
    }
    if (b.apron.r) {
        v2 top = lerp(hip, neck, 0.55f) + fw * 1.2f;
        v2 bottom = hip - up * (b.dress == dress_k::robe || b.dress == dress_k::gown ? 9.0f : 5.0f) + fw * 1.4f;
        fg.body(top, d.sh_w * 0.65f, bottom, d.hip_w * 0.95f, b.apron, Z_APRON, 0.05f, 0.1f);
    }
    if (b.rocky) {
        // A glowing rune on the chest.
        v2 c = lerp(hip, neck, 0.6f) + fw * 1.5f;
        mat g = b.glow.r ? b.glow : G(pal::FIRE, 3, 7);
        fg.thin(c + up * 2.0f, c - up * 2.0f, g.r->idx[g.hi], Z_BELT + 1);
        fg.thin(c + up * 1.0f - fw * 1.5f, c - up * 0.5f + fw * 1.5f, g.r->idx[g.hi - 1], Z_BELT + 1);
        fg.dot(c + up * 2.5f, g.r->idx[g.hi - 1], Z_BELT + 1, -1, true);
    }
    if (b.belt.r) {
        fg.body(hip + up * 1.6f, d.hip_w * 1.1f, hip + up * 0.4f, d.hip_w * 1.1f, b.belt, Z_BELT, 0, 0.1f);
        fg.dot(hip + up * 0.9f + fw * 1.3f, pal::GOLD[5], Z_BELT + 0.1f);
    }
}

void draw_head(figure &fg, const biped &b, const dims &d, const joints &j, const pose &p)
{
    frame2 hf = frame_at(j.head, j.up + p.head_tilt);
    float r = d.head_r;
    float rf = r * 0.92f, ru = r;
    mat skin = b.skeleton ? M(pal::BONE, 3, 9) : b.skin;
    // Neck.
    if (!b.skeleton) fg.limb(j.neck - dir(j.up) * 0.8f, d.limb_r * 0.9f, hf.at(0.2f, -r * 0.6f), d.limb_r * 0.8f, skin, Z_HEAD - 1, -0.1f);
    else fg.limb(j.neck, 0.7f, hf.at(0, -r * 0.6f), 0.6f, skin, Z_HEAD - 1);
    // The skull, with the face pushed a little forward.
    int head = local_shape(
        fg, hf, r + 3,
        [=](float f, float u) {
            if (in_ell(f, u, 0, 0, rf, ru)) return true;
            // Jaw and nose.
            if (in_ell(f, u, rf * 0.45f, -ru * 0.45f, rf * 0.72f, ru * 0.58f)) return true;
            return in_ell(f, u, rf * 0.95f, -ru * 0.12f, 0.9f, 1.0f);
        },
        {0, 0}, {rf + 0.6f, ru + 0.6f}, skin, Z_HEAD);
    (void)head;
    uint8_t eye = b.eye ? b.eye : pal::INK[0];
    float eu = -ru * 0.05f;
    if (b.skeleton) {
        fg.ellipse(hf.at(rf * 0.55f, eu), 1.0f, 1.1f, hf.fw, hf.up, M(pal::INK, 0, 1), Z_HEAD + 1);
        fg.dot(hf.at(-rf * 0.05f, eu), pal::INK[0], Z_HEAD + 1);
        if (b.glow_eyes) fg.dot(hf.at(rf * 0.55f, eu), b.eye ? b.eye : pal::FIRE[6], Z_HEAD + 2, -1, true);
        // Teeth.
        fg.thin(hf.at(rf * 0.25f, -ru * 0.75f), hf.at(rf * 0.85f, -ru * 0.75f), pal::BONE[2], Z_HEAD + 1);
    } else {
        fg.dot(hf.at(rf * 0.62f, eu), eye, Z_HEAD + 1, -1, b.glow_eyes);
        fg.dot(hf.at(-rf * 0.02f, eu), b.glow_eyes ? eye : shift(eye, 0), Z_HEAD + 1, -1, b.glow_eyes);
        // Brow shadow above the eyes, and the mouth.
        fg.dot(hf.at(rf * 0.62f, eu + 1.1f), shift(tone(skin, 0.3f), 0), Z_HEAD + 0.5f);
        fg.dot(hf.at(rf * 0.55f, -ru * 0.62f), shift(tone(skin, 0.15f), 0), Z_HEAD + 0.5f);
    }
    if (b.pointy_ears || b.tusks) {
        if (b.pointy_ears)
            fg.poly({hf.at(-rf * 0.3f, ru * 0.25f), hf.at(-rf * 1.5f, ru * 0.9f), hf.at(-rf * 0.15f, -ru * 0.35f)}, skin,
                    Z_HEAD + 0.6f, 0.05f);
        if (b.tusks) fg.dot(hf.at(rf * 0.8f, -ru * 0.55f), pal::BONE[9], Z_HEAD + 0.7f);
    }
    // Hair.
    if (b.hair.r && b.hat != hat_k::great_helm && b.hat != hat_k::hood && b.hat != hat_k::cowl) {
        float hr = r + 0.6f;
        hair_k st = b.hair_style;
        if (st != hair_k::none) {
            local_shape(
                fg, hf, r + 8,
                [=](float f, float u) {
                    bool cap = in_ell(f, u, -0.5f, 0.55f, hr * 0.98f, hr * 0.95f);
                    bool top = u > ru * 0.34f - f * 0.1f;
                    bool back = f < -rf * 0.38f && u > -ru * 0.55f;
                    bool hair = cap && (top || back);
                    if (st == hair_k::crop) hair = cap && (u > ru * 0.42f || f < -rf * 0.35f) && u > -ru * 0.2f;
                    if (st == hair_k::long_hair)
                        hair = hair || (f < rf * 0.1f && f > -hr - 0.4f && u < 0.6f && u > -ru * 2.1f &&
                                        f < -rf * 0.25f + (u + ru) * 0.1f);
                    if (st == hair_k::tail) hair = hair || in_ell(f, u, -hr * 0.95f, -ru * 0.6f, 1.3f, 3.2f);
                    if (st == hair_k::bun) hair = hair || in_ell(f, u, -hr * 0.75f, ru * 0.75f, 2.0f, 2.0f);
                    if (st == hair_k::wild) hair = hair || (in_ell(f, u, -0.6f, 0.9f, hr * 1.12f, hr * 1.05f) && (top || back));
                    return hair;
                },
                {-0.4f, 0.6f}, {hr, hr}, b.hair, Z_HAIR, 0.0f);
        }
    }
    if (b.beard != beard_k::none && b.beard_m.r) {
        beard_k bk = b.beard;
        local_shape(
            fg, hf, r + 5,
            [=](float f, float u) {
                if (bk == beard_k::moustache) return in_ell(f, u, rf * 0.7f, -ru * 0.45f, 1.5f, 0.7f);
                float len = bk == beard_k::long_beard ? 2.9f : 1.5f;
                return in_ell(f, u, rf * 0.35f, -ru * 0.55f, rf * 0.8f, ru * 0.48f + (u < -ru * 0.5f ? len : 0)) &&
                       u < -ru * 0.3f && f > -rf * 0.35f;
            },
            {rf * 0.3f, -ru * 0.7f}, {rf, ru}, b.beard_m, Z_HAIR + 0.5f, 0.0f);
    }
    // Hats and helmets.
    mat hm = b.hat_m;
    mat ht = b.hat_trim.r ? b.hat_trim : hm;
    switch (b.hat) {
    case hat_k::none:
        break;
    case hat_k::hood:
    case hat_k::cowl: {
        float rr = r + 1.2f;
        bool cowl = b.hat == hat_k::cowl;
        local_shape(
            fg, hf, r + 8,
            [=](float f, float u) {
                bool shell = in_ell(f, u, -0.7f, 0.3f, rr, rr * 1.02f);
                bool face = in_ell(f, u, rf * 0.75f, -ru * 0.2f, rf * 0.75f, ru * 0.78f);
                bool drape = u < -ru * 0.4f && u > -ru * 1.7f && f > -rr * 1.05f && f < rf * 0.5f;
                if (cowl) face = in_ell(f, u, rf * 0.85f, -ru * 0.3f, rf * 0.62f, ru * 0.62f);
                return (shell || drape) && !face;
            },
            {-0.5f, 0.2f}, {rr, rr}, hm, Z_HAT, 0.0f);
        if (cowl) {
            // The face is lost in the shadow of the cowl.
            local_shape(
                fg, hf, r + 3, [=](float f, float u) { return in_ell(f, u, rf * 0.85f, -ru * 0.3f, rf * 0.62f, ru * 0.62f); },
                {0, 0}, {rf, ru}, M(pal::INK, 0, 2), Z_HAT - 0.5f, -0.2f);
        }
        break;
    }
    case hat_k::kettle:
    case hat_k::horned:
    case hat_k::circlet:
    case hat_k::crown: {
        if (b.hat == hat_k::circlet || b.hat == hat_k::crown) {
            local_shape(
                fg, hf, r + 4,
                [=](float f, float u) {
                    bool band = in_ell(f, u, -0.4f, 0.4f, r + 0.8f, r + 0.8f) && u > ru * 0.35f && u < ru * 0.35f + 1.6f;
                    bool pts = false;
                    if (b.hat == hat_k::crown)
                        for (int i = -1; i <= 1; i++)
                            pts = pts || in_ell(f, u, (float)i * 2.3f, ru * 0.35f + 2.4f, 0.7f, 1.4f);
                    return band || pts;
                },
                {0, 0.5f}, {r, r}, hm, Z_HAT, 0.1f);
            fg.dot(hf.at(rf * 0.6f, ru * 0.35f + 0.8f), pal::CLOTH_RED[6], Z_HAT + 0.5f);
            break;
        }
        float rr = r + 0.9f;
        local_shape(
            fg, hf, r + 6,
            [=](float f, float u) {
                bool dome = in_ell(f, u, -0.3f, 0.5f, rr, rr) && u > ru * 0.12f;
                bool brim = b.hat == hat_k::kettle && u > ru * 0.0f && u < ru * 0.0f + 1.4f && f > -rr - 1.5f && f < rr + 1.5f;
                return dome || brim;
            },
            {-0.3f, 0.8f}, {rr, rr}, hm, Z_HAT, 0.05f);
        if (b.hat == hat_k::horned) {
            mat horn = M(pal::BONE, 2, 9);
            float hk = b.horn;
            fg.limb(hf.at(-1.0f, ru * 0.8f), 1.1f, hf.at(-1.0f - 2.2f * hk, ru * (0.8f + 1.1f * hk)), 0.7f, horn, Z_HAT + 0.3f);
            fg.limb(hf.at(-1.0f - 2.2f * hk, ru * (0.8f + 1.1f * hk)), 0.7f, hf.at(-1.2f - 2.2f * hk, ru * (0.8f + 2.1f * hk)), 0.35f, horn,
                    Z_HAT + 0.3f);
            fg.limb(hf.at(1.6f, ru * 0.9f), 1.1f, hf.at(1.6f + 1.2f * hk, ru * (0.9f + 1.1f * hk)), 0.7f, horn, Z_HAT + 0.35f);
            fg.limb(hf.at(1.6f + 1.2f * hk, ru * (0.9f + 1.1f * hk)), 0.7f, hf.at(1.3f + 1.2f * hk, ru * (0.9f + 2.0f * hk)), 0.35f, horn,
                    Z_HAT + 0.35f);
        }
        break;
    }
    case hat_k::great_helm: {
        float rr = r + 0.7f;
        int part = local_shape(
            fg, hf, r + 5,
            [=](float f, float u) { return in_ell(f, u, -0.1f, 0.3f, rr, rr * 1.08f) && u > -ru * 1.05f; }, {-0.2f, 0.5f},
            {rr, rr}, hm, Z_HAT, 0.05f);
        fg.thin(hf.at(rf * 0.05f, ru * 0.05f), hf.at(rr, ru * 0.05f), pal::INK[0], Z_HAT + 0.5f, part);
        fg.thin(hf.at(rf * 0.55f, -ru * 0.3f), hf.at(rf * 0.55f, -ru * 0.8f), hm.r->idx[hm.lo], Z_HAT + 0.5f, part);
        if (ht.r != hm.r) fg.limb(hf.at(-rr * 0.3f, rr * 1.2f), 0.9f, hf.at(-rr * 1.5f, rr * 0.6f), 0.6f, ht, Z_HAT + 0.6f);
        break;
    }
    case hat_k::cap: {
        local_shape(
            fg, hf, r + 6,
            [=](float f, float u) {
                bool crown = in_ell(f, u, -0.3f, ru * 0.55f, r + 0.7f, r * 0.72f) && u > ru * 0.25f;
                bool peak = u > ru * 0.22f && u < ru * 0.22f + 1.3f && f > 0 && f < r + 2.6f;
                return crown || peak;
            },
            {-0.3f, ru * 0.6f}, {r, r * 0.7f}, hm, Z_HAT, 0.05f);
        break;
    }
    case hat_k::wide:
    case hat_k::pointy: {
        bool pointy = b.hat == hat_k::pointy;
        float brim_u = ru * 0.42f;
        local_shape(
            fg, hf, r + 9,
            [=](float f, float u) {
                bool brim = in_ell(f, u, -0.2f, brim_u, r + (pointy ? 3.2f : 4.0f), 1.3f);
                bool crown;
                if (pointy) {
                    float top = brim_u + 9.0f;
                    float t = (u - brim_u) / (top - brim_u);
                    float cx = -0.8f - 2.5f * t * t;
                    crown = u >= brim_u && u <= top && std::fabs(f - cx) <= (1 - t) * (r * 0.85f) + 0.3f;
                } else {
                    crown = in_ell(f, u, -0.4f, brim_u + 1.0f, r * 0.8f, 2.8f) && u > brim_u;
                }
                return brim || crown;
            },
            {-0.3f, brim_u + 1.5f}, {r + 2, r}, hm, Z_HAT, 0.05f);
        if (ht.r != hm.r)
            local_shape(
                fg, hf, r + 5,
                [=](float f, float u) { return u > brim_u + 0.5f && u < brim_u + 1.7f && std::fabs(f + 0.4f) < r * 0.82f; },
                {0, 0}, {r, r}, ht, Z_HAT + 0.3f, 0.0f);
        break;
    }
    case hat_k::scarf: {
        float rr = r + 0.8f;
        local_shape(
            fg, hf, r + 6,
            [=](float f, float u) {
                bool shell = in_ell(f, u, -0.5f, 0.4f, rr, rr) && (u > ru * 0.3f || f < -rf * 0.3f);
                bool knot = in_ell(f, u, -rr * 0.9f, -ru * 0.6f, 1.4f, 2.2f);
                return shell || knot;
            },
            {-0.5f, 0.4f}, {rr, rr}, hm, Z_HAT, 0.05f);
        break;
    }
    }
}

}  // namespace

canvas draw_biped(const biped &b, int frame, int w, int h)
{
    figure fg(w, h);
    dims d = measure(b);
    pose p = make_pose(b, frame);
    float cx = (float)w / 2;
    float ground = (float)h - 1.5f;
    if (b.hover > 0 && !p.lying) {
        // Floating: legs hang loose and the body bobs on the air.
        float ph = (float)(frame % 6) * PI / 3 + 0.4f;
        p.leg[0] = 0.3f + 0.1f * std::sin(ph);
        p.leg[1] = 0.15f - 0.1f * std::sin(ph);
        p.knee[0] = 0.7f;
        p.knee[1] = 0.5f;
        ground -= b.hover + std::sin(ph) * 1.0f;
    }
    joints j = place(b, d, p, cx, ground);
    float k = b.height / 38.0f;
    float farb = -0.22f;

    if (b.wings.r) {
        // Bat wings from the shoulder blades, beating with the walk cycle.
        v2 up = dir(j.up);
        v2 fw = {-up.y, up.x};
        float beat = frame <= 5 ? 1.0f + 0.8f * std::cos((float)frame * PI / 3) : frame == 9 ? 1.9f : 1.3f;
        if (p.lying) beat = 0.2f;
        for (int s = 1; s >= 0; s--) {
            v2 root = j.neck - up * 2.0f - fw * 1.0f;
            float a = j.up + 0.35f + (1.8f - beat) * (s ? 0.55f : 0.7f);   // spread back, beating up and down
            float span = 19.0f * k * (s ? 0.8f : 1.0f);
            v2 elbow = root + dir(a) * span * 0.5f;
            v2 tip = elbow + dir(a - 0.5f) * span * 0.6f;
            v2 f2 = elbow + dir(a - 1.2f) * span * 0.5f;
            v2 f3 = elbow + dir(a - 1.8f) * span * 0.35f;
            v2 low = root - up * 4.0f;
            float z = Z_CAPE - 6 + (float)(1 - s) * 2;
            int part = fg.poly({root, elbow, tip, lerp(tip, f2, 0.5f) + dir(a - 0.9f) * -1.0f, f2,
                                lerp(f2, f3, 0.5f) + dir(a - 1.5f) * -1.0f, f3, low},
                               b.wings, z, s ? -0.3f : -0.05f, {-0.2f, -0.7f, 0.7f}, 0.3f);
            fg.limb(root, 0.8f, elbow, 0.6f, b.wings, z + 0.1f, s ? -0.25f : 0.05f, part);
            fg.thin(elbow, tip, b.wings.r->idx[b.wings.lo], z + 0.1f, part);
            fg.thin(elbow, f2, b.wings.r->idx[b.wings.lo], z + 0.1f, part);
        }
    }
    // A cape hangs behind everything from the shoulders.
    if (b.cape.r) {
        v2 up = dir(j.up);
        v2 fw = {-up.y, up.x};
        float sway = p.lying ? 0 : (frame <= 5 ? std::sin((float)frame * PI / 3) * 1.2f : -1.5f);
        v2 top = j.neck - up * 0.8f - fw * 1.2f;
        v2 bottom = j.hip - up * (d.thigh + d.shin * 0.6f) - fw * (2.2f + sway);
        fg.body(top, d.sh_w * 0.95f, bottom, d.sh_w * 1.35f, b.cape, Z_CAPE, -0.1f, 0.1f);
    }
    draw_leg(fg, b, d, j, 1, Z_FAR_LEG, farb);
    bool bow = b.weapon == weapon_k::bow || b.weapon == weapon_k::crossbow;
    draw_arm(fg, b, d, j, 1, Z_FAR_ARM, farb);
    if (bow) draw_weapon(fg, b, b.weapon, j.hand[1], p.weapon + p.roll * 0, Z_SHIELD - 1, p, k);
    draw_leg(fg, b, d, j, 0, Z_NEAR_LEG, 0);
    draw_torso(fg, b, d, j, p);
    draw_head(fg, b, d, j, p);
    draw_offhand(fg, b, j, p, k);
    if (!bow) {
        float wa = p.lying ? p.weapon : p.weapon;
        if (b.weapon == weapon_k::staff || b.weapon == weapon_k::book_staff || b.weapon == weapon_k::spear ||
            b.weapon == weapon_k::fork || b.weapon == weapon_k::rod || b.weapon == weapon_k::scythe) {
            // Long shafts are held upright while walking.
            if (frame <= 5) wa = PI - 0.12f;
        }
        if (b.weapon == weapon_k::stick && frame <= 5) {
            wa = PI - 0.15f;
        }
        if (p.lying) {
            // The weapon has fallen beside the body.
            draw_weapon(fg, b, b.weapon, v2{cx + 4, ground - 1.0f}, PI / 2 + 0.15f, Z_FAR_LEG - 2, p, k);
        } else {
            draw_weapon(fg, b, b.weapon, j.hand[0], wa, Z_NEAR_WEAPON, p, k);
        }
    }
    draw_arm(fg, b, d, j, 0, Z_NEAR_ARM, 0);
    if (p.glow > 0) {
        mat g = b.glow.r ? b.glow : G(pal::MAGIC, 2, 9);
        v2 c = lerp(j.hand[0], j.hand[1], 0.5f) + v2{1.5f, -2.5f};
        fg.ellipse(c, 3.2f, 3.2f, g, Z_FX, -0.15f);
        fg.ellipse(c, 1.8f, 1.8f, g, Z_FX + 0.1f, 0.35f);
        fg.dot(c + v2{-0.5f, -0.5f}, g.r->brightest(), Z_FX + 0.2f, -1, true);
        for (int i = 0; i < 4; i++) {
            v2 s = c + dir((float)i * PI / 2 + 0.4f) * 5.0f;
            fg.dot(s, g.r->idx[g.hi], Z_FX, -1, true);
        }
    }
    if (b.rocky) {
        // Cracks and chips: darker flecks over the stone.
        rng r(4242u + (uint32_t)frame);
        for (int y = 0; y < fg.h; y++)
            for (int x = 0; x < fg.w; x++) {
                size_t i = (size_t)y * fg.w + x;
                const pal::ramp *r = ramp_of(fg.col[i]);
                if (!fg.col[i] || fg.flags[i] || !r || r->idx[0] != b.skin.r->idx[0]) continue;
                float v = value_noise((float)x, (float)y, 2.5f, 77u);
                if (v > 0.72f) fg.col[i] = shift(fg.col[i], -2);
                else if (v < 0.18f) fg.col[i] = shift(fg.col[i], 1);
            }
    }
    return fg.finish();
}

}  // namespace art
