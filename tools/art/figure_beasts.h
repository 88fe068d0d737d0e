// figure_beasts.h -- four-legged beasts, winged fliers, slimes, spiders, serpents,
// toads and elementals: their looks and the ten frames of a sprite set
//
// Every drawing function takes the frame (0..5 walking or flying, 6 aiming or
// crouching, 7 striking, 8 dead, 9 casting or howling) and the picture's size and
// draws the creature facing right with its bottom centre on the ground line.
#pragma once

#include "art/figure.h"

namespace art {

enum class ear_k { none, pointy, round };
enum class tail_k { none, bushy, thin, stub };

struct quadruped {
    float len = 16;               // hip to shoulder
    float height = 12;            // ground to the top of the shoulders
    float chest = 4.5f, haunch = 3.8f;   // body radii
    float leg = 1.4f;             // leg radius
    float head = 3.2f, snout = 4, snout_r = 1.5f;
    float neck = 3;
    ear_k ears = ear_k::pointy;
    float ear = 2.6f;
    tail_k tail = tail_k::bushy;
    float tail_len = 9;
    mat fur, belly, tail_m, ear_in;
    uint8_t eye = 0;
    bool glow_eyes = false;
    bool mane = false;            // a ruff along neck and shoulders
    bool heavy = false;           // bear: short muzzle, round back, plantigrade
    mat aura;                     // a glow around spirit beasts
};
canvas draw_quadruped(const quadruped &q, int frame, int w, int h);

enum class wing_k { bat, bird, moth };
struct flier {
    wing_k kind = wing_k::bat;
    float span = 20;              // one wing's length
    float body = 4;               // body radius
    float head = 3;
    mat body_m, wing_m, wing_in, beak;
    uint8_t eye = 0;
    bool glow_eyes = false;
};
canvas draw_flier(const flier &f, int frame, int w, int h);

canvas draw_slime(const mat &jelly, const mat &core, int frame, int w, int h);
canvas draw_spider(const mat &body, const mat &marks, int frame, int w, int h);
canvas draw_serpent(const mat &scales, const mat &belly, int frame, int w, int h);
canvas draw_toad(const mat &skin, const mat &belly, int frame, int w, int h);
// A living flame (fire) or a living storm (shock): a body of light.
canvas draw_elemental(bool storm, int frame, int w, int h);
// A small floating flame with a face, centred in its picture.
canvas draw_wisp(int frame, int w, int h);

}  // namespace art
