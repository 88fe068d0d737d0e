// creatures.cpp -- creature sprites, missiles, animations and portraits (groups 3, 4, 6, 11)
#include <functional>

#include "art/creature_sheets.h"
#include "art/effects.h"
#include "art/figure_beasts.h"
#include "art/figure_people.h"
#include "art/manifest.h"
#include "art/portraits.h"

namespace art {

namespace {

// One sprite set: ten pictures from `base`.
struct sprite_set {
    int base;
    int w, h;
    const char *who;
    bool flies;
    std::function<canvas(int frame, int w, int h)> draw;
};

// -- the looks ----------------------------------------------------------------------
// Skin tones and hair colours shared by the people of the valley.
const mat SKIN_FAIR = M(pal::SKIN, 5, 11), SKIN_MID = M(pal::SKIN, 3, 10), SKIN_DARK = M(pal::SKIN, 1, 7);
const mat HAIR_BROWN = M(pal::LEATHER, 2, 8), HAIR_DARK = M(pal::LEATHER, 0, 4), HAIR_BLOND = M(pal::THATCH, 2, 7),
          HAIR_RED = M(pal::TERRACOTTA, 2, 7), HAIR_GREY = M(pal::GREY, 5, 11), HAIR_BLACK = M(pal::SLATE, 0, 3);

biped person(const mat &skin, const mat &hair, const mat &top, const mat &legs)
{
    biped b;
    b.skin = skin;
    b.hair = hair;
    b.top = top;
    b.sleeve = top;
    b.legs = legs;
    b.boots = M(pal::LEATHER, 1, 6);
    b.belt = M(pal::LEATHER, 1, 5);
    b.blade = M(pal::STEEL, 2, 7);
    b.handle = M(pal::WOOD, 2, 7);
    return b;
}

biped hero()
{
    biped b = person(M(pal::SKIN, 4, 11), HAIR_BROWN, M(pal::CLOTH_BLUE, 2, 7), M(pal::EARTH, 2, 7));
    b.cape = M(pal::CLOTH_RED, 1, 6);
    b.weapon = weapon_k::sword;
    b.handle = M(pal::LEATHER, 1, 5);
    b.off = off_k::round_shield;
    b.off_m = M(pal::CLOTH_RED, 1, 7);
    b.off_trim = M(pal::STEEL, 1, 7);
    return b;
}

biped ranger()
{
    biped b = person(SKIN_FAIR, HAIR_RED, M(pal::FOLIAGE, 2, 8), M(pal::LEATHER, 3, 9));
    b.hair_style = hair_k::tail;
    b.hat = hat_k::hood;
    b.hat_m = M(pal::FOLIAGE, 1, 7);
    b.sleeve = M(pal::LEATHER, 3, 9);
    b.weapon = weapon_k::bow;
    b.handle = M(pal::WOOD, 3, 9);
    b.height = 37;
    b.build = 0.85f;
    return b;
}

biped warrior()
{
    biped b = person(SKIN_MID, HAIR_RED, M(pal::STEEL, 2, 7), M(pal::CLOTH_RED, 1, 5));
    b.dress = dress_k::plate;
    b.sleeve = M(pal::STEEL, 1, 6);
    b.hat = hat_k::kettle;
    b.hat_m = M(pal::STEEL, 2, 7);
    b.beard = beard_k::short_beard;
    b.beard_m = HAIR_RED;
    b.weapon = weapon_k::axe;
    b.off = off_k::kite_shield;
    b.off_m = M(pal::CLOTH_BLUE, 2, 7);
    b.off_trim = M(pal::GOLD, 2, 6);
    b.height = 40;
    b.build = 1.3f;
    b.boots = M(pal::STEEL, 1, 5);
    return b;
}

biped mage()
{
    biped b = person(SKIN_FAIR, HAIR_BROWN, M(pal::MAGIC, 0, 6), M(pal::MAGIC, 0, 4));
    b.dress = dress_k::robe;
    b.trim = M(pal::GOLD, 2, 6);
    b.hat = hat_k::pointy;
    b.hat_m = M(pal::MAGIC, 0, 6);
    b.hat_trim = M(pal::GOLD, 2, 6);
    b.beard = beard_k::short_beard;
    b.beard_m = HAIR_BROWN;
    b.weapon = weapon_k::staff;
    b.glow = G(pal::ICE, 0, 4);
    b.belt = M(pal::GOLD, 1, 5);
    return b;
}

biped cleric()
{
    biped b = person(SKIN_FAIR, HAIR_BLOND, M(pal::BONE, 3, 9), M(pal::BONE, 2, 7));
    b.dress = dress_k::robe;
    b.trim = M(pal::GOLD, 2, 6);
    b.hair_style = hair_k::long_hair;
    b.hat = hat_k::circlet;
    b.hat_m = M(pal::GOLD, 2, 6);
    b.weapon = weapon_k::mace;
    b.blade = M(pal::GOLD, 1, 6);
    b.off = off_k::book;
    b.off_m = M(pal::CLOTH_RED, 1, 5);
    b.glow = G(pal::GOLD, 3, 6);
    b.belt = M(pal::GOLD, 1, 5);
    b.height = 37;
    b.build = 0.85f;
    return b;
}

biped rogue()
{
    biped b = person(SKIN_MID, HAIR_BLACK, M(pal::SLATE, 1, 6), M(pal::SLATE, 0, 4));
    b.hat = hat_k::hood;
    b.hat_m = M(pal::SLATE, 1, 6);
    b.sleeve = M(pal::LEATHER, 1, 6);
    b.cape = M(pal::SLATE, 0, 4);
    b.weapon = weapon_k::dagger;
    b.off = off_k::buckler;
    b.off_m = M(pal::LEATHER, 2, 7);
    b.build = 0.9f;
    return b;
}

biped dwarf()
{
    biped b = person(SKIN_MID, HAIR_BROWN, M(pal::STEEL, 1, 6), M(pal::LEATHER, 1, 6));
    b.dress = dress_k::mail;
    b.sleeve = M(pal::STEEL, 1, 6);
    b.hat = hat_k::horned;
    b.hat_m = M(pal::STEEL, 2, 7);
    b.beard = beard_k::long_beard;
    b.beard_m = M(pal::TERRACOTTA, 2, 7);
    b.weapon = weapon_k::hammer;
    b.off = off_k::round_shield;
    b.off_m = M(pal::WOOD, 2, 7);
    b.off_trim = M(pal::GOLD, 1, 6);
    b.height = 31;
    b.build = 1.45f;
    b.head = 1.1f;
    b.arm = 1.1f;
    return b;
}

biped knight()
{
    biped b = person(SKIN_FAIR, HAIR_BLOND, M(pal::STEEL, 2, 7), M(pal::STEEL, 1, 6));
    b.dress = dress_k::plate;
    b.sleeve = M(pal::STEEL, 1, 6);
    b.hat = hat_k::great_helm;
    b.hat_m = M(pal::STEEL, 2, 7);
    b.hat_trim = M(pal::CLOTH_BLUE, 2, 6);
    b.cape = M(pal::CLOTH_BLUE, 1, 6);
    b.weapon = weapon_k::sword;
    b.off = off_k::kite_shield;
    b.off_m = M(pal::CLOTH_BLUE, 2, 7);
    b.off_trim = M(pal::GOLD, 2, 6);
    b.boots = M(pal::STEEL, 1, 5);
    b.height = 40;
    b.build = 1.2f;
    return b;
}

// People of the valley.
biped farmer()
{
    biped b = person(SKIN_MID, HAIR_BROWN, M(pal::SAND, 2, 7), M(pal::EARTH, 1, 6));
    b.hat = hat_k::wide;
    b.hat_m = M(pal::THATCH, 2, 7);
    b.weapon = weapon_k::fork;
    b.blade = M(pal::STEEL, 1, 6);
    b.bare_arms = true;
    b.beard = beard_k::moustache;
    b.beard_m = HAIR_BROWN;
    return b;
}

biped village_woman()
{
    biped b = person(SKIN_FAIR, HAIR_BROWN, M(pal::TERRACOTTA, 2, 7), M(pal::TERRACOTTA, 2, 7));
    b.dress = dress_k::gown;
    b.apron = M(pal::BONE, 4, 9);
    b.hat = hat_k::scarf;
    b.hat_m = M(pal::CLOTH_BLUE, 2, 7);
    b.hair_style = hair_k::long_hair;
    b.belt = mat();
    b.height = 36;
    b.build = 0.85f;
    return b;
}

biped elder()
{
    biped b = person(SKIN_FAIR, HAIR_GREY, M(pal::EARTH, 2, 7), M(pal::EARTH, 1, 5));
    b.dress = dress_k::robe;
    b.hair_style = hair_k::crop;
    b.beard = beard_k::long_beard;
    b.beard_m = HAIR_GREY;
    b.hunch = true;
    b.weapon = weapon_k::stick;
    b.handle = M(pal::WOOD, 1, 6);
    b.belt = M(pal::LEATHER, 2, 6);
    b.height = 36;
    return b;
}

biped fisherman()
{
    biped b = person(SKIN_MID, HAIR_GREY, M(pal::GOLD, 1, 5), M(pal::CLOTH_BLUE, 1, 5));
    b.hat = hat_k::wide;
    b.hat_m = M(pal::GOLD, 1, 5);
    b.beard = beard_k::short_beard;
    b.beard_m = HAIR_GREY;
    b.weapon = weapon_k::rod;
    b.handle = M(pal::WOOD, 2, 7);
    b.boots = M(pal::SLATE, 0, 4);
    b.belt = mat();
    b.build = 1.15f;
    return b;
}

biped scholar()
{
    biped b = person(SKIN_FAIR, HAIR_GREY, M(pal::CLOTH_BLUE, 1, 6), M(pal::CLOTH_BLUE, 0, 4));
    b.dress = dress_k::robe;
    b.trim = M(pal::BONE, 4, 9);
    b.hat = hat_k::cap;
    b.hat_m = M(pal::CLOTH_RED, 1, 5);
    b.hair_style = hair_k::crop;
    b.beard = beard_k::short_beard;
    b.beard_m = HAIR_GREY;
    b.off = off_k::book;
    b.off_m = M(pal::LEATHER, 2, 6);
    b.glow = G(pal::ICE, 0, 4);
    return b;
}

biped guard()
{
    biped b = person(SKIN_MID, HAIR_DARK, M(pal::STEEL, 1, 6), M(pal::EARTH, 1, 5));
    b.dress = dress_k::mail;
    b.apron = M(pal::CLOTH_BLUE, 2, 7);
    b.sleeve = M(pal::STEEL, 1, 6);
    b.hat = hat_k::kettle;
    b.hat_m = M(pal::STEEL, 2, 7);
    b.weapon = weapon_k::spear;
    b.beard = beard_k::moustache;
    b.beard_m = HAIR_DARK;
    b.height = 39;
    b.build = 1.1f;
    return b;
}

biped priestess()
{
    biped b = person(SKIN_DARK, HAIR_BLACK, M(pal::BONE, 4, 9), M(pal::BONE, 3, 8));
    b.dress = dress_k::gown;
    b.trim = M(pal::GOLD, 2, 6);
    b.hat = hat_k::hood;
    b.hat_m = M(pal::BONE, 4, 9);
    b.weapon = weapon_k::book_staff;
    b.handle = M(pal::GOLD, 1, 5);
    b.glow = G(pal::GOLD, 3, 6);
    b.belt = M(pal::GOLD, 1, 5);
    b.height = 37;
    b.build = 0.85f;
    return b;
}

biped merchant()
{
    biped b = person(SKIN_FAIR, HAIR_DARK, M(pal::CLOTH_RED, 1, 6), M(pal::EARTH, 1, 5));
    b.dress = dress_k::robe;
    b.trim = M(pal::GOLD, 2, 6);
    b.hat = hat_k::cap;
    b.hat_m = M(pal::GOLD, 1, 5);
    b.beard = beard_k::moustache;
    b.beard_m = HAIR_DARK;
    b.belt = M(pal::GOLD, 1, 5);
    b.off = off_k::lantern;
    b.build = 1.55f;
    b.height = 37;
    return b;
}

biped smith()
{
    biped b = person(SKIN_MID, HAIR_BLACK, M(pal::SAND, 1, 5), M(pal::EARTH, 0, 5));
    b.hair_style = hair_k::none;
    b.bare_arms = true;
    b.apron = M(pal::LEATHER, 1, 6);
    b.beard = beard_k::short_beard;
    b.beard_m = HAIR_BLACK;
    b.weapon = weapon_k::hammer;
    b.blade = M(pal::SLATE, 1, 6);
    b.build = 1.4f;
    b.height = 39;
    return b;
}

biped child()
{
    biped b = person(SKIN_FAIR, HAIR_BLOND, M(pal::FOLIAGE, 3, 8), M(pal::SAND, 1, 6));
    b.hair_style = hair_k::wild;
    b.height = 26;
    b.head = 1.1f;
    b.build = 0.8f;
    return b;
}

biped innkeeper()
{
    biped b = person(SKIN_FAIR, HAIR_RED, M(pal::CLOTH_BLUE, 2, 7), M(pal::CLOTH_BLUE, 2, 7));
    b.dress = dress_k::gown;
    b.apron = M(pal::BONE, 4, 9);
    b.hair_style = hair_k::bun;
    b.bare_arms = true;
    b.belt = mat();
    b.build = 1.1f;
    b.height = 36;
    return b;
}

biped lord()
{
    biped b = person(SKIN_FAIR, HAIR_DARK, M(pal::MAGIC, 1, 6), M(pal::SLATE, 0, 4));
    b.trim = M(pal::GOLD, 2, 6);
    b.cape = M(pal::CLOTH_RED, 1, 6);
    b.hat = hat_k::crown;
    b.hat_m = M(pal::GOLD, 2, 6);
    b.weapon = weapon_k::sword;
    b.belt = M(pal::GOLD, 1, 5);
    b.beard = beard_k::short_beard;
    b.beard_m = HAIR_DARK;
    b.height = 39;
    return b;
}

biped old_woman()
{
    biped b = person(SKIN_FAIR, HAIR_GREY, M(pal::GREY, 3, 8), M(pal::GREY, 2, 7));
    b.dress = dress_k::gown;
    b.hat = hat_k::scarf;
    b.hat_m = M(pal::CLOTH_RED, 1, 5);
    b.hunch = true;
    b.weapon = weapon_k::stick;
    b.handle = M(pal::WOOD, 1, 6);
    b.apron = M(pal::FOLIAGE, 1, 5);
    b.belt = mat();
    b.height = 33;
    b.build = 0.9f;
    return b;
}

biped monk()
{
    biped b = person(SKIN_MID, HAIR_BROWN, M(pal::LEATHER, 2, 7), M(pal::LEATHER, 2, 7));
    b.dress = dress_k::robe;
    b.hat = hat_k::cowl;
    b.hat_m = M(pal::LEATHER, 2, 7);
    b.belt = M(pal::BONE, 3, 7);
    b.weapon = weapon_k::staff;
    b.glow = G(pal::EMERALD, 1, 4);
    b.handle = M(pal::WOOD, 1, 6);
    return b;
}

// Foes.
biped bandit(bool archer)
{
    biped b = person(SKIN_MID, HAIR_DARK, M(pal::LEATHER, 2, 8), M(pal::EARTH, 1, 5));
    b.hat = hat_k::hood;
    b.hat_m = archer ? M(pal::FOLIAGE, 0, 5) : M(pal::CLOTH_RED, 0, 4);
    b.sleeve = M(pal::EARTH, 1, 6);
    b.beard = beard_k::short_beard;
    b.beard_m = HAIR_DARK;
    b.weapon = archer ? weapon_k::bow : weapon_k::sword;
    b.blade = M(pal::STEEL, 1, 6);
    if (!archer) {
        b.off = off_k::buckler;
        b.off_m = M(pal::WOOD, 1, 6);
    }
    return b;
}

biped skeleton(bool archer)
{
    biped b;
    b.skeleton = true;
    b.skin = M(pal::BONE, 3, 9);
    b.hair = mat();
    b.hair_style = hair_k::none;
    b.glow_eyes = true;
    b.eye = pal::FIRE[6];
    b.dress = dress_k::bare;
    b.blade = M(pal::STEEL, 0, 5);
    b.handle = M(pal::WOOD, 0, 5);
    b.weapon = archer ? weapon_k::bow : weapon_k::sword;
    if (!archer) {
        b.off = off_k::round_shield;
        b.off_m = M(pal::WOOD, 0, 5);
        b.off_trim = M(pal::STEEL, 0, 4);
        b.hat = hat_k::kettle;
        b.hat_m = M(pal::STEEL, 0, 5);
    }
    b.build = 0.9f;
    return b;
}

biped goblin()
{
    biped b = person(M(pal::FOLIAGE, 3, 9), mat(), M(pal::EARTH, 1, 6), M(pal::LEATHER, 1, 5));
    b.hair_style = hair_k::none;
    b.dress = dress_k::rags;
    b.pointy_ears = true;
    b.eye = pal::GOLD[6];
    b.weapon = weapon_k::dagger;
    b.blade = M(pal::STEEL, 0, 5);
    b.boots = mat();
    b.bare_arms = true;
    b.height = 28;
    b.head = 1.25f;
    b.build = 0.9f;
    b.hunch = true;
    return b;
}

biped orc()
{
    biped b = person(M(pal::GRASS, 1, 6), HAIR_DARK, M(pal::LEATHER, 1, 6), M(pal::EARTH, 0, 4));
    b.dress = dress_k::mail;
    b.top = M(pal::SLATE, 1, 6);
    b.hair_style = hair_k::tail;
    b.tusks = true;
    b.pointy_ears = true;
    b.bare_arms = true;
    b.sleeve = M(pal::LEATHER, 1, 5);
    b.eye = pal::CLOTH_RED[6];
    b.weapon = weapon_k::axe;
    b.blade = M(pal::SLATE, 1, 7);
    b.height = 42;
    b.build = 1.45f;
    b.hunch = true;
    return b;
}

biped zombie()
{
    biped b = person(M(pal::EMERALD, 0, 4), M(pal::EARTH, 0, 3), M(pal::EARTH, 1, 5), M(pal::SLATE, 0, 3));
    b.dress = dress_k::rags;
    b.hair_style = hair_k::wild;
    b.arms_out = true;
    b.hunch = true;
    b.bare_arms = true;
    b.boots = mat();
    b.eye = pal::GOLD[5];
    b.glow_eyes = true;
    return b;
}

biped troll()
{
    biped b = person(M(pal::FOLIAGE, 2, 8), mat(), M(pal::LEATHER, 1, 5), M(pal::FOLIAGE, 2, 8));
    b.dress = dress_k::rags;
    b.top = M(pal::FOLIAGE, 2, 8);
    b.sleeve = mat();
    b.lower = M(pal::LEATHER, 0, 4);
    b.hair_style = hair_k::none;
    b.tusks = true;
    b.pointy_ears = true;
    b.eye = pal::GOLD[6];
    b.glow_eyes = true;
    b.weapon = weapon_k::club;
    b.handle = M(pal::WOOD, 1, 6);
    b.boots = mat();
    b.belt = M(pal::LEATHER, 0, 4);
    b.height = 56;
    b.build = 1.8f;
    b.head = 1.15f;
    b.arm = 1.35f;
    b.hunch = true;
    return b;
}

// The knight the sea took: verdigris plate under a torn sea-green cloak, weed
// hanging from the helm, a cold light in the visor and an icy blade.
biped drowned_knight()
{
    biped b = person(M(pal::ICE, 1, 6), mat(), M(pal::STEEL, 0, 4), M(pal::SLATE, 1, 5));
    b.dress = dress_k::plate;
    b.sleeve = M(pal::SLATE, 1, 5);
    b.trim = M(pal::EMERALD, 0, 3);
    b.hat = hat_k::great_helm;
    b.hat_m = M(pal::STEEL, 0, 5);
    b.hat_trim = M(pal::EMERALD, 0, 3);
    b.cape = M(pal::WATER, 0, 4);
    b.weapon = weapon_k::sword;
    b.blade = M(pal::ICE, 2, 9);
    b.handle = M(pal::GOLD, 0, 4);
    b.off = off_k::kite_shield;
    b.off_m = M(pal::SLATE, 0, 3);
    b.off_trim = M(pal::EMERALD, 0, 3);
    b.boots = M(pal::SLATE, 0, 4);
    b.belt = M(pal::FOLIAGE, 0, 3);
    b.eye = pal::ICE[7];
    b.glow_eyes = true;
    b.glow = G(pal::ICE, 0, 4);
    b.hair_style = hair_k::none;
    b.height = 52;
    b.build = 1.55f;
    b.arm = 1.0f;
    return b;
}

biped necromancer()
{
    biped b = person(M(pal::BONE, 1, 6), mat(), M(pal::INK, 0, 2), M(pal::INK, 0, 2));
    b.top = M(pal::MAGIC, 0, 3);
    b.dress = dress_k::robe;
    b.trim = M(pal::EMERALD, 0, 3);
    b.hat = hat_k::cowl;
    b.hat_m = M(pal::MAGIC, 0, 3);
    b.cape = M(pal::INK, 0, 2);
    b.weapon = weapon_k::staff;
    b.handle = M(pal::BONE, 1, 6);
    b.glow = G(pal::EMERALD, 1, 4);
    b.eye = pal::EMERALD[4];
    b.glow_eyes = true;
    b.belt = M(pal::BONE, 2, 6);
    b.height = 41;
    return b;
}

biped wraith(bool guardian)
{
    biped b;
    b.skin = guardian ? M(pal::ICE, 0, 4) : M(pal::SLATE, 2, 7);
    b.top = guardian ? M(pal::CLOTH_BLUE, 2, 7) : M(pal::SLATE, 0, 5);
    b.sleeve = b.top;
    b.dress = dress_k::robe;
    b.hat = hat_k::cowl;
    b.hat_m = b.top;
    b.hair = mat();
    b.legs = mat();
    b.hover = 3;
    b.eye = guardian ? pal::SHOCK : pal::ICE[4];
    b.glow_eyes = true;
    b.weapon = guardian ? weapon_k::spear : weapon_k::scythe;
    b.blade = guardian ? M(pal::ICE, 1, 4) : M(pal::STEEL, 1, 6);
    b.handle = guardian ? M(pal::CLOTH_BLUE, 3, 7) : M(pal::WOOD, 0, 4);
    b.glow = G(pal::ICE, 0, 4);
    b.arm = 1.1f;
    return b;
}

biped golem()
{
    biped b;
    b.skin = M(pal::STONE, 2, 9);
    b.top = M(pal::STONE, 2, 9);
    b.sleeve = M(pal::STONE, 2, 9);
    b.legs = M(pal::STONE, 1, 8);
    b.boots = M(pal::STONE, 1, 7);
    b.dress = dress_k::bare;
    b.hair = mat();
    b.hair_style = hair_k::none;
    b.eye = pal::FIRE[6];
    b.glow_eyes = true;
    b.glow = G(pal::FIRE, 3, 7);
    b.height = 46;
    b.build = 1.9f;
    b.head = 1.0f;
    b.arm = 1.3f;
    b.rocky = true;
    return b;
}

biped imp()
{
    biped b = person(M(pal::CLOTH_RED, 2, 7), mat(), M(pal::CLOTH_RED, 2, 7), M(pal::CLOTH_RED, 1, 6));
    b.hair_style = hair_k::none;
    b.dress = dress_k::bare;
    b.sleeve = mat();
    b.boots = mat();
    b.belt = mat();
    b.pointy_ears = true;
    b.hat = hat_k::horned;
    b.hat_m = M(pal::CLOTH_RED, 2, 7);
    b.eye = pal::GOLD[6];
    b.glow_eyes = true;
    b.wings = M(pal::CLOTH_RED, 0, 3);
    b.horn = 0.45f;
    b.glow = G(pal::FIRE, 2, 7);
    b.height = 26;
    b.head = 1.2f;
    b.build = 0.85f;
    b.hover = 3;
    return b;
}

// Beasts.
quadruped wolf(bool spirit)
{
    quadruped q;
    q.len = 17;
    q.height = 19;
    q.chest = 4.6f;
    q.haunch = 4.0f;
    q.leg = 1.3f;
    q.head = 3.4f;
    q.snout = 4.5f;
    q.neck = 3.5f;
    q.tail_len = 10;
    q.fur = spirit ? M(pal::ICE, 0, 4) : M(pal::GREY, 2, 9);
    q.belly = spirit ? M(pal::ICE, 2, 4) : M(pal::BONE, 4, 9);
    q.ear_in = M(pal::SKIN, 2, 5);
    q.eye = spirit ? pal::SPARK : pal::GOLD[6];
    q.glow_eyes = spirit;
    q.mane = true;
    if (spirit) q.aura = G(pal::ICE, 1, 4);
    return q;
}

quadruped rat()
{
    quadruped q;
    q.len = 12;
    q.height = 10;
    q.chest = 3.4f;
    q.haunch = 4.0f;
    q.leg = 0.9f;
    q.head = 2.5f;
    q.snout = 3.2f;
    q.snout_r = 1.1f;
    q.neck = 1.5f;
    q.ears = ear_k::round;
    q.ear = 1.5f;
    q.tail = tail_k::thin;
    q.tail_len = 12;
    q.fur = M(pal::EARTH, 1, 6);
    q.belly = M(pal::SAND, 2, 6);
    q.tail_m = M(pal::SKIN, 3, 8);
    q.ear_in = M(pal::SKIN, 4, 8);
    q.eye = pal::CLOTH_RED[6];
    return q;
}

quadruped bear()
{
    quadruped q;
    q.len = 19;
    q.height = 23;
    q.chest = 7.0f;
    q.haunch = 6.5f;
    q.leg = 2.3f;
    q.head = 4.0f;
    q.snout = 3.0f;
    q.snout_r = 2.0f;
    q.neck = 2.5f;
    q.ears = ear_k::round;
    q.ear = 1.6f;
    q.tail = tail_k::stub;
    q.tail_len = 3;
    q.fur = M(pal::LEATHER, 1, 7);
    q.belly = M(pal::LEATHER, 3, 8);
    q.ear_in = M(pal::LEATHER, 0, 3);
    q.heavy = true;
    return q;
}

flier bat()
{
    flier f;
    f.kind = wing_k::bat;
    f.span = 18;
    f.body = 3.5f;
    f.head = 2.8f;
    f.body_m = M(pal::LEATHER, 0, 5);
    f.wing_m = M(pal::MAGIC, 0, 4);
    f.wing_in = M(pal::LEATHER, 1, 5);
    f.eye = pal::CLOTH_RED[7];
    f.glow_eyes = true;
    return f;
}

flier crow()
{
    flier f;
    f.kind = wing_k::bird;
    f.span = 20;
    f.body = 4.2f;
    f.head = 3.0f;
    f.body_m = M(pal::SLATE, 0, 5);
    f.wing_m = M(pal::SLATE, 0, 4);
    f.wing_in = M(pal::CLOTH_BLUE, 0, 4);
    f.beak = M(pal::GOLD, 1, 5);
    f.eye = pal::CLOTH_RED[7];
    f.glow_eyes = true;
    return f;
}

flier butterfly()
{
    flier f;
    f.kind = wing_k::moth;
    f.span = 13;
    f.body = 1.8f;
    f.head = 1.6f;
    f.body_m = M(pal::LEATHER, 0, 4);
    f.wing_m = M(pal::CLOTH_BLUE, 3, 7);
    f.wing_in = M(pal::MAGIC, 4, 8);
    return f;
}

using draw_fn = std::function<canvas(int, int, int)>;
draw_fn B(biped (*look)()) { return [look](int f, int w, int h) { return draw_biped(look(), f, w, h); }; }
draw_fn B(const biped &b) { return [b](int f, int w, int h) { return draw_biped(b, f, w, h); }; }
draw_fn Q(const quadruped &q) { return [q](int f, int w, int h) { return draw_quadruped(q, f, w, h); }; }
draw_fn F(const flier &fl) { return [fl](int f, int w, int h) { return draw_flier(fl, f, w, h); }; }

const std::vector<sprite_set> &roster()
{
    static const std::vector<sprite_set> sets = {
        // The party.
        {0, 64, 60, "the hero: swordsman in blue, red cloak, sword and shield", false, B(hero)},
        {10, 64, 60, "ranger: red-haired woman in a green hood with a bow (shoots)", false, B(ranger)},
        {20, 64, 60, "warrior: bearded man in plate, axe and kite shield", false, B(warrior)},
        {30, 64, 64, "mage: purple robe and pointed hat, staff", false, B(mage)},
        {40, 64, 60, "cleric: fair woman in white and gold, mace and book", false, B(cleric)},
        {50, 64, 60, "rogue: hooded man in grey, dagger and buckler", false, B(rogue)},
        {60, 56, 52, "dwarf: horned helm, long red beard, hammer and shield", false, B(dwarf)},
        {70, 64, 60, "knight: great helm, blue cloak, sword and kite shield", false, B(knight)},
        // People of the valley.
        {100, 64, 60, "farmer: straw hat, pitchfork", false, B(farmer)},
        {110, 56, 56, "village woman: red dress, white apron, blue headscarf", false, B(village_woman)},
        {120, 56, 56, "elder: grey beard, brown robe, walking stick", false, B(elder)},
        {130, 72, 60, "fisherman: yellow oilskin and hat, fishing rod", false, B(fisherman)},
        {140, 56, 60, "scholar: blue robe, red cap, book", false, B(scholar)},
        {150, 64, 64, "town guard: mail, blue tabard, helmet and spear", false, B(guard)},
        {160, 64, 60, "priestess: white hooded gown, sun staff", false, B(priestess)},
        {170, 56, 60, "merchant: stout, red coat, gold cap, lantern", false, B(merchant)},
        {180, 64, 60, "blacksmith: bald, leather apron, hammer", false, B(smith)},
        {190, 56, 44, "child: tousled blond hair, green shirt", false, B(child)},
        {200, 56, 56, "innkeeper: red hair in a bun, blue dress, apron", false, B(innkeeper)},
        {210, 64, 60, "lord: crown, purple doublet, red cloak, sword", false, B(lord)},
        {220, 56, 52, "old woman: hunched, grey dress, red scarf, stick", false, B(old_woman)},
        {230, 64, 60, "monk: brown cowled robe, staff", false, B(monk)},
        // Foes.
        {400, 56, 44, "wolf: grey, pale belly", false, Q(wolf(false))},
        {410, 48, 28, "giant rat: brown, naked tail", false, Q(rat())},
        {420, 64, 60, "bandit: red hood, sword and buckler", false, B(bandit(false))},
        {430, 64, 60, "bandit archer: green hood, bow (shoots)", false, B(bandit(true))},
        {440, 64, 60, "skeleton warrior: rusty helm, sword and shield", false, B(skeleton(false))},
        {450, 64, 60, "skeleton archer: bow (shoots)", false, B(skeleton(true))},
        {460, 36, 28, "green slime", false, [](int f, int w, int h) { return draw_slime(M(pal::GRASS, 2, 9), M(pal::FOLIAGE, 0, 4), f, w, h); }},
        {470, 48, 44, "giant bat (flies)", true, F(bat())},
        {480, 64, 40, "giant spider: black, red marks", false, [](int f, int w, int h) { return draw_spider(M(pal::SLATE, 0, 4), M(pal::CLOTH_RED, 3, 7), f, w, h); }},
        {490, 56, 48, "goblin: green, rags, dagger", false, B(goblin)},
        {500, 72, 64, "orc: tusked, mail, axe", false, B(orc)},
        {510, 56, 60, "zombie: rotting, arms reaching", false, B(zombie)},
        {520, 80, 88, "bog troll (boss): huge, mossy, club", false, B(troll)},
        {530, 64, 64, "necromancer (boss): dark cowl, green-glowing staff (casts)", false, B(necromancer)},
        {540, 56, 48, "giant crow (flies)", true, F(crow())},
        {550, 64, 36, "marsh serpent", false, [](int f, int w, int h) { return draw_serpent(M(pal::FOLIAGE, 1, 7), M(pal::SAND, 3, 8), f, w, h); }},
        {560, 56, 52, "imp: red, bat wings (flies, throws fire)", true, B(imp)},
        {570, 64, 48, "brown bear", false, Q(bear())},
        {580, 64, 64, "wraith: grey hooded ghost with a scythe", false, B(wraith(false))},
        {590, 36, 28, "red slime", false, [](int f, int w, int h) { return draw_slime(M(pal::CLOTH_RED, 1, 7), M(pal::TERRACOTTA, 0, 3), f, w, h); }},
        {660, 80, 88, "drowned knight (boss): verdigris plate, torn sea-green cloak, icy sword and shield", false, B(drowned_knight)},
        // Summoned creatures (creature types 10..13).
        {600, 56, 44, "spirit wolf (summoned, type 10)", false, Q(wolf(true))},
        {610, 72, 68, "stone golem (summoned, type 11)", false, B(golem)},
        {620, 20, 20, "fire wisp (summoned, type 12; a ring of burning runes turns round it)", false, [](int f, int w, int h) { return draw_wisp(f, w, h); }},
        {630, 64, 64, "storm guardian (summoned, type 13; lightning overlay 400..409)", false, B(wraith(true))},
        {640, 56, 52, "fire elemental", false, [](int f, int w, int h) { return draw_elemental(false, f, w, h); }},
        {650, 56, 52, "storm elemental", false, [](int f, int w, int h) { return draw_elemental(true, f, w, h); }},
        // Changed shapes.
        {320, 40, 32, "toad: a walking creature in changed shape", false, [](int f, int w, int h) { return draw_toad(M(pal::GRASS, 1, 8), M(pal::SAND, 3, 8), f, w, h); }},
        {340, 40, 32, "butterfly: a flying creature in changed shape (six flying frames)", true, F(butterfly())},
    };
    return sets;
}

void paint_sprite(canvas &c, int n)
{
    for (const sprite_set &s : roster())
        if (n >= s.base && n < s.base + 10) {
            c = s.draw(n - s.base, c.w, c.h);
            return;
        }
}

}  // namespace

const std::vector<sprite_info> &sprite_sets()
{
    static const std::vector<sprite_info> list = [] {
        std::vector<sprite_info> l;
        for (const sprite_set &s : roster()) l.push_back({s.base, s.who, s.flies});
        return l;
    }();
    return list;
}

const std::vector<pic_spec> &creature_pictures()
{
    static const std::vector<pic_spec> table = [] {
        std::vector<pic_spec> t;
        for (const sprite_set &s : roster()) t.push_back({3, s.base, 10, s.w, s.h, s.who, paint_sprite});
        const std::vector<pic_spec> fx = {
            {4, 0, 4, 20, 20, "missile look 1: a spinning mote of golden light", paint_missile},
            {4, 4, 4, 20, 20, "missile look 2 (fire bolt): a flickering fireball", paint_missile},
            {4, 16, 1, 32, 32, "missile look 3 (frost): an ice shard pointing up, turned to the flight", paint_missile},
            {4, 17, 1, 32, 32, "charm: the turning ring of pink light", paint_missile},
            {4, 18, 1, 32, 32, "over creature type 12: a turning ring of burning runes", paint_missile},
            {4, 19, 1, 32, 32, "missile look 6: a spinning star of violet light", paint_missile},
            {6, 0, 220, 32, 32, "condition animations: condition x 10, ten frames each", paint_condition},
            {6, 220, 10, 32, 32, "a stunned creature loses its turn: stars round the head", paint_condition},
            {6, 230, 10, 32, 32, "a quickened creature acts again: wind and a golden arrow", paint_condition},
            {6, 250, 10, 32, 32, "regeneration tick and heal aura: green crosses", paint_condition},
            {6, 260, 40, 32, 32, "backlash of elements 1..4 hitting the attacker: bursts", paint_condition},
            {6, 300, 10, 32, 32, "cure aura: a cleansing ring", paint_condition},
            {6, 310, 10, 32, 32, "critical blow: a star of impact", paint_condition},
            {6, 320, 10, 32, 32, "marker over the creature picked in the list: a bouncing arrow", paint_condition},
            {6, 330, 2, 8, 8, "falling spark of the heal", paint_particle},
            {6, 332, 4, 16, 16, "trail of the fire bolt: embers", paint_particle},
            {6, 336, 4, 16, 16, "trail of the frost shard: glitter", paint_particle},
            {6, 340, 10, 32, 32, "quake on a cell: rock spikes and a crack of lightning", paint_skill_fx},
            {6, 350, 10, 32, 32, "burn: flames climbing", paint_skill_fx},
            {6, 361, 1, 32, 32, "charm: hearts over the head", paint_skill_fx},
            {6, 362, 4, 20, 20, "boost: orbs of fire, frost, lightning and arcane light", paint_skill_fx},
            {6, 366, 1, 8, 8, "missile look 5: a sling stone", paint_skill_fx},
            {6, 370, 12, 32, 40, "fire blast on a victim: a fireball rolling into smoke", paint_skill_fx},
            {6, 382, 8, 32, 104, "doom: a violet beam from the sky", paint_skill_fx},
            {6, 390, 7, 24, 24, "missile look 4 (venom): a green orb", paint_skill_fx},
            {6, 397, 3, 32, 32, "missile look 4: its green halo", paint_skill_fx},
            {6, 400, 10, 64, 74, "over creature type 13 (storm guardian, 64 x 64): crawling lightning", paint_skill_fx},
            {6, 410, 20, 8, 8, "spray of a blow: blood and chips, embers, shards, sparks, runes", paint_particle},
            {6, 430, 1, 16, 16, "shield orb", paint_particle},
        };
        t.insert(t.end(), fx.begin(), fx.end());
        for (const auto &p : portrait_numbers()) t.push_back({11, p.first, 1, 64, 64, p.second, paint_portrait});
        return t;
    }();
    return table;
}

}  // namespace art
