// ui_kit.h -- the interface's drawing kit: plates, wells, buttons, labels, title lettering, symbols
//
// Every interface picture is built from these pieces so that the whole screen
// reads as one design: blue-grey steel plates lit from the upper left, deep
// slate wells, thin gold trim, labels in the game's font with a shadow, and
// small shaded symbols (a sword, a potion, a padlock...) that also serve the
// pointers, tabs and slot boxes.
#pragma once

#include <cstdint>
#include <vector>

#include "art/draw.h"

namespace art {
namespace ui {

// The night-blue of the frame and the boards: ink deepening into slate.
extern const pal::ramp NIGHT;

// The forms of a button: raised, pushed in, greyed out, and lit by the pointer.
enum bstate { NORMAL, PRESSED, DISABLED, LIT };

// -- text --------------------------------------------------------------------------
int text_width(const char *s);
// Text with a one-pixel shadow below and to the right.
void text_shadow(canvas &c, int x, int y, const char *s, uint8_t colour, uint8_t shadow = pal::TEXT_SHADOW);
// Text centred in the box (x, y, w, h); capitals stand on rows 0..6 of the font's 9.
void text_centre(canvas &c, int x, int y, int w, int h, const char *s, uint8_t colour, bool shadow = true);
// Text cut into a surface: dark letters with a light edge below, for disabled labels.
void text_engraved(canvas &c, int x, int y, const char *s, uint8_t dark, uint8_t light);

// Large lettering for the title and headings: the game's font traced as round
// strokes `scale` times larger, filled with a bevelled ramp, outlined and shadowed.
// Returns the width drawn.
int title_text(canvas &c, int x, int y, const char *s, float scale, const pal::ramp &fill,
               uint8_t outline = pal::INK[0], int shadow = 2);
int title_width(const char *s, float scale);

// -- surfaces ----------------------------------------------------------------------
// A ramp-shaded area: brightness t_top at the top edge to t_bottom at the bottom,
// with a grain of the given amplitude.
void fill_grain(canvas &c, int x, int y, int w, int h, const pal::ramp &r, float t_top, float t_bottom,
                float grain, uint32_t seed);
// A raised plate: face, one-pixel bevel (light upper left, dark lower right) and,
// when outlined, a dark rim around it.
void plate(canvas &c, int x, int y, int w, int h, float face = 0.45f, bool outline = true, uint32_t seed = 1,
           const pal::ramp &r = pal::STEEL);
// A sunken well: dark face, shadow on the upper left, light lip on the lower right.
void well(canvas &c, int x, int y, int w, int h, float face = 0.12f, uint32_t seed = 2,
          const pal::ramp &r = pal::SLATE);
// A gold line around a box, lit on its upper and left sides.
void trim(canvas &c, int x, int y, int w, int h);
// A round gold rivet.
void rivet(canvas &c, int cx, int cy, float r = 1.8f);
// A horizontal engraved rule: a dark line with a light one below it.
void rule(canvas &c, int x0, int x1, int y, const pal::ramp &r = pal::STEEL);
// A soft glow of the ramp around (cx, cy) that fades out at radius rad, drawn only
// over pixels already set (it brightens what is there).
void glow(canvas &c, float cx, float cy, float rad, const pal::ramp &r, float strength);

// -- buttons -----------------------------------------------------------------------
// A rectangular button with a label (or no label), in one of its forms.
void button(canvas &c, int x, int y, int w, int h, const char *label, bstate s, uint32_t seed = 3);
// The face of a button without a label: the caller adds a symbol.
void button_face(canvas &c, int x, int y, int w, int h, bstate s, uint32_t seed = 3);
// Text colour and offset of a label in a button form.
uint8_t label_colour(bstate s);
int press_shift(bstate s);
// A round red close boss with a pale cross, centred in the box.
void close_boss(canvas &c, float cx, float cy, float r, bstate s);

// -- colour tools --------------------------------------------------------------------
// Brightness 0..1 of a palette index.
float lightness(uint8_t index);
// The entry of ramp r nearest in brightness to index.
uint8_t nearest(const pal::ramp &r, uint8_t index);
// Repaints every set pixel of the box in the ramp r at its own brightness (times
// `gain`): greys out a disabled symbol, tints a lit one.
void recolour(canvas &c, int x, int y, int w, int h, const pal::ramp &r, float gain = 1.0f);
// Copies src onto dst at (x, y), skipping transparent pixels, and darkening
// (negative) or lightening every copied pixel by `steps` of its ramp.
void blit_shifted(canvas &dst, const canvas &src, int x, int y, int steps);

// Drawing in a unit square: (0, 0) the top left, (1, 1) the bottom right, k
// pixels per unit.  The painters of symbols and item icons work in it, so that one
// painter draws an icon at any size.
struct unit {
    canvas &c;
    float k;   // pixels per unit

    void ell(float u, float v, float ru, float rv, const pal::ramp &r, float bias = 0) const;
    void cap(float u0, float v0, float u1, float v1, float rad, const pal::ramp &r, float bias = 0) const;
    // A flat face tilted towards the light.
    void poly(std::vector<pt> p, const pal::ramp &r, float bias = 0, vec3 n = {-0.25f, -0.3f, 1}) const;
    // A polygon shaded as a gentle dome around its middle.
    void dome(std::vector<pt> p, const pal::ramp &r, float bias = 0) const;
    void dot(float u, float v, uint8_t colour, float rad = 0.04f) const;
    void stroke(float u0, float v0, float u1, float v1, float rad, uint8_t colour) const;
};

// -- symbols -----------------------------------------------------------------------
// Small pictures drawn into a box of side s centred on (cx, cy), each in its own
// materials and lit from the upper left.  Drawn at twice the size and reduced, so
// they stay clean down to 10 pixels.
enum symbol {
    SYM_SWORD, SYM_SHIELD, SYM_HELMET, SYM_ARMOUR, SYM_GLOVE, SYM_BOOT, SYM_CLOAK, SYM_BELT,
    SYM_AMULET, SYM_BRACER, SYM_RING, SYM_GREAVES, SYM_CHARM, SYM_QUIVER,
    SYM_POTION, SYM_CHEST, SYM_CHEST_IN, SYM_BAG, SYM_SCROLL, SYM_COIN, SYM_STAR, SYM_SKULL,
    SYM_PENCIL, SYM_CROSS, SYM_CHECK, SYM_HOURGLASS, SYM_PADLOCK, SYM_KEY, SYM_MAP, SYM_LIST,
    SYM_PLUS, SYM_HEART, SYM_SWIRL, SYM_ARROW_UP, SYM_ARROW_DOWN, SYM_PLAY, SYM_STOP, SYM_HAMMER,
    SYM_BOOK, SYM_SPARK, SYM_MONSTER,
};
void draw_symbol(canvas &c, symbol s, float cx, float cy, float size);

}  // namespace ui
}  // namespace art
