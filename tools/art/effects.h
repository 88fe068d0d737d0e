// effects.h -- light effects: glowing fields quantised to bright ramps, and the
// painters of the animation pictures (group 6) and missiles (group 4)
//
// An effect is drawn as fields of light, one per colour ramp: soft blobs, streaks,
// rings and sparks add up, and each pixel takes the colour of its strongest field,
// brighter where the light is denser.  Faint edges dissolve in ordered dither, and
// the hottest cores turn white.
#pragma once

#include <vector>

#include "art/draw.h"
#include "art/figure.h"

namespace art {

// Effect ramps gathered from the palette, darkest first.
namespace fx_ramp {
extern const pal::ramp FIRE, FROST, SHOCK, ARCANE, POISON, HEAL, GOLDEN, SHADOW, STEELY, BLOOD, ROSE, EARTHY;
}

struct glow {
    int w, h;
    std::vector<const pal::ramp *> ramps;   // one per layer
    std::vector<std::vector<float>> v;      // light per layer, per pixel

    glow(int width, int height, std::vector<const pal::ramp *> layer_ramps);

    void add(int layer, int x, int y, float a);
    // A soft round blob of radius r and strength a.
    void blob(int layer, v2 c, float r, float a);
    // A streak from p to q, r wide.
    void streak(int layer, v2 p, v2 q, float r, float a);
    // An elliptic ring of half-thickness th.
    void ring(int layer, v2 c, float rx, float ry, float th, float a);
    // A four-pointed sparkle.
    void sparkle(int layer, v2 c, float size, float a);
    // A jagged bolt from p to q.
    void bolt(int layer, v2 p, v2 q, float r, float a, uint32_t seed, int kinks = 4);

    // The picture: each pixel in its strongest layer's ramp; `fade` scales all light.
    canvas render(float fade = 1) const;
};

// Copies the opaque pixels of top over base.
void over(canvas &base, const canvas &top);

// Painters of the manifest (n is the picture number).
void paint_condition(canvas &c, int n);     // group 6, 0..239 and 250..329
void paint_particle(canvas &c, int n);      // group 6, 330..339 and 410..430
void paint_skill_fx(canvas &c, int n);      // group 6, 340..409
void paint_missile(canvas &c, int n);       // group 4, 0..7 and 16..19

}  // namespace art
