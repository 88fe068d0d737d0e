// figure_people.h -- people and other two-legged figures: the looks and the ten frames
//
// A biped is described by its proportions, materials and gear; draw_biped poses it
// for one frame of a sprite set (0..5 walking, 6 aiming or winding up, 7 striking
// or loosing, 8 lying dead, 9 casting) facing right, bottom centre on the ground.
#pragma once

#include "art/figure.h"

namespace art {

enum class hair_k { none, crop, short_hair, long_hair, tail, bun, wild };
enum class hat_k { none, hood, kettle, great_helm, cap, wide, pointy, scarf, crown, horned, cowl, circlet };
enum class beard_k { none, short_beard, long_beard, moustache };
enum class dress_k { tunic, robe, gown, plate, mail, rags, bare };
enum class weapon_k { none, sword, axe, spear, staff, bow, crossbow, dagger, mace, hammer, rod, fork, club, scythe,
                      book_staff, stick };
enum class off_k { none, round_shield, kite_shield, book, lantern, buckler };

struct biped {
    float height = 38;            // sole to crown, in pixels
    float build = 1;              // girth of torso and limbs
    float head = 1;               // head size
    float arm = 1;                // arm length
    mat skin, hair, top, sleeve, legs, boots, belt, trim, cape;   // null ramp: not worn
    bool bare_arms = false;       // sleeves end at the elbow
    hair_k hair_style = hair_k::short_hair;
    hat_k hat = hat_k::none;
    mat hat_m, hat_trim;
    beard_k beard = beard_k::none;
    mat beard_m;
    dress_k dress = dress_k::tunic;
    weapon_k weapon = weapon_k::none;
    mat blade, handle;            // weapon head and its shaft or grip
    off_k off = off_k::none;
    mat off_m, off_trim;
    mat apron;                    // worn over the front
    mat glow;                     // colour of the casting light
    bool skeleton = false;        // bones instead of flesh
    bool pointy_ears = false;
    bool hunch = false;           // stooped (elders, ghouls)
    bool arms_out = false;        // walks with arms held forward (the dead)
    uint8_t eye = 0;              // eye colour; 0 dark
    bool glow_eyes = false;
    bool tusks = false;
    float hover = 0;              // floats this high, legs dangling (no legs drawn without a legs material)
    mat wings;                    // bat wings on the back
    mat lower;                    // skirt, robe or loincloth when not the torso's material
    bool rocky = false;           // cracked stone with a glowing rune
    float horn = 1;               // length of the horns of a horned helm
};

// One frame of the biped's sprite set, drawn into a w x h picture.
canvas draw_biped(const biped &b, int frame, int w, int h);

}  // namespace art
