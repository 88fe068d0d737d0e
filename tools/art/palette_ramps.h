// palette_ramps.h -- the palette's named ramps and the indices the game's code draws with
//
// The art generator draws only through these names.  A ramp lists its palette
// indices from darkest to brightest; most are one run of the palette, a few are
// gathered from the gaps between the indices the code uses by number.  The colour
// of every index is set in palette.cpp; this header only says where things are.
//
// Index 0 is transparent everywhere.  Index 255 is the run-length marker of the
// picture archive: it may appear in raw pictures only (SPARK), never in objects
// or in run-length roofs.
#pragma once

#include <cstdint>

namespace art {
namespace pal {

// Palette indices of one material, darkest first.
struct ramp {
    uint8_t idx[16];   // palette indices, darkest first
    int len;           // entries used

    // Entry k, clamped into the ramp so that lighting maths may overshoot.
    constexpr uint8_t operator[](int k) const { return idx[k < 0 ? 0 : k >= len ? len - 1 : k]; }
    constexpr uint8_t darkest() const { return idx[0]; }
    constexpr uint8_t brightest() const { return idx[len - 1]; }
    // The entry for a brightness t in 0..1.
    constexpr uint8_t at(float t) const
    {
        int k = (int)(t * (float)len);
        return (*this)[k];
    }
};

// A ramp that is one run of the palette.
constexpr ramp run(int start, int len)
{
    ramp r{};
    for (int i = 0; i < len; i++) r.idx[i] = (uint8_t)(start + i);
    r.len = len;
    return r;
}

// -- indices the code draws with by number ------------------------------------
constexpr uint8_t TRANSPARENT = 0;
constexpr uint8_t TEXT_SHADOW = 1;    // near black: shadow under item names
constexpr uint8_t FIELD_BG = 2;       // dark navy behind numbers typed in editor boxes
constexpr uint8_t ITEM_NAME = 6;      // parchment: item names in the inventory list
constexpr uint8_t DIM = 8;            // dim grey: health bar's dark edge, unselected names, unaffordable cost
constexpr uint8_t GOOD = 9;           // green: a caught lock disc
constexpr uint8_t SILVER = 12;        // light grey: health bar's light edge, "worn by", weights
constexpr uint8_t HEADING = 13;       // pale steel: headings in the item box
constexpr uint8_t NAME_PAIR = 14;     // pale partner of DIM in the creature list, bright on its ground
constexpr uint8_t TEXT = 15;          // warm parchment: gold, prices, chances, player names
constexpr uint8_t ORANGE = 16;        // "Miss", "Dodge", the cell grid, burning, hovered lines
constexpr uint8_t WHITE = 17;         // plain white text, physical damage
constexpr uint8_t HP_RED = 22;        // lost part of the health bar, hit-point lines of items
constexpr uint8_t MAP_ARROW = 23;     // heading arrow on the world map
constexpr uint8_t DANGER = 24;        // lock timer about to spring, an unbeatable disc
constexpr uint8_t WARN = 25;          // unmet item requirements
constexpr uint8_t SAFE = 36;          // lock timer, plenty of time
constexpr uint8_t WOUND = 39;         // wound-floor stripe on the health bar
constexpr uint8_t HP_GREEN = 41;      // health bar
constexpr uint8_t HP_TEXT = 42;       // hit-point numbers in the stats page
constexpr uint8_t HEAL = 45;          // healing and regeneration numbers
constexpr uint8_t MANA_LIGHT = 46;    // skill cost, uses left
constexpr uint8_t MANA_TEXT = 47;     // mana lines of items
constexpr uint8_t FROST = 56;         // damage of element 2
constexpr uint8_t EDIT_LABEL = 60;    // labels in the editor's windows and lists
constexpr uint8_t ARCANE = 61;        // damage of element 4, mana gained
constexpr uint8_t SEL_NAME_DARK = 65; // deep gold partner of SEL_GOLD in the creature list
constexpr uint8_t HILITE = 70;        // hovered answers and list rows, editor values
constexpr uint8_t SEL_GOLD = 71;      // selection, lock timer warning, names being typed
constexpr uint8_t FIRE_DMG = 72;      // damage of element 1
constexpr uint8_t EDIT_INPUT = 73;    // numbers typed in the editor
constexpr uint8_t LEVEL_NUM = 74;     // level over a creature, a name being edited
constexpr uint8_t AMBER = 75;         // embossed edge of answers, skill raise flash
constexpr uint8_t CHEER = 76;         // level-up lines, editor words
constexpr uint8_t SPEECH = 77;        // dialogue text
constexpr uint8_t ARROW_SHAFT = 81;   // an arrow drawn as a line
constexpr uint8_t SHOCK = 91;         // damage of element 3
constexpr uint8_t POISON = 100;       // poison damage
constexpr uint8_t STAT_TEXT = 127;    // creature panel lines (also in FRAME_BLUE)
constexpr uint8_t STAT_MANA = 128;    // mana numbers (also in FRAME_BLUE)
constexpr uint8_t SKILL_TEXT = 137;   // skill names and descriptions (also in FRAME_GOLD)
constexpr uint8_t SKILL_RULE = 140;   // rules under skill lines (also in FRAME_GOLD)
constexpr uint8_t ATTR_TEXT = 141;    // attribute values (also in FRAME_GOLD)
constexpr uint8_t HELP_TEXT = 142;    // attribute help (also in FRAME_GOLD)
constexpr uint8_t ATTR_POINTS = 143;  // attribute points left (also in FRAME_GOLD)
constexpr uint8_t INFO_TEXT = 146;    // skill information text and rules
constexpr uint8_t SPARK = 255;        // white; raw pictures only

// The two 8-pixel text-box frames: entry i is column i from the outer edge.
// Not ramps: they are mouldings (rim, highlight, groove, shadow).
constexpr ramp FRAME_BLUE = run(125, 8);
constexpr ramp FRAME_GOLD = run(137, 8);

// -- material ramps -----------------------------------------------------------
constexpr ramp INK = {{3, 4, 5}, 3};                                  // blue-black outlines and deep shadow
constexpr ramp GREY = {{10, 11, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35}, 12};  // neutral, cool shadows to warm white
constexpr ramp GOLD = {{18, 19, 20, 21, 78, 79, 80}, 7};              // gold and brass
constexpr ramp EMERALD = {{37, 38, 40, 43, 44}, 5};                   // gems, potions, green glow
constexpr ramp SLATE = run(48, 8);                                    // blue-grey slate roofs, iron
constexpr ramp MAGIC = {{57, 58, 59, 62, 63, 64, 66, 67, 68, 69}, 10};  // violet glow, spells
constexpr ramp BONE = {{82, 83, 84, 85, 86, 87, 88, 89, 90, 7}, 10};  // bone, parchment, linen
constexpr ramp STEEL = run(92, 8);                                    // blades, armour, mail
constexpr ramp SKIN = run(101, 12);                                   // skin, dark to pale
constexpr ramp LEATHER = run(113, 12);                                // leather, hair, fur
constexpr ramp ICE = {{133, 134, 135, 136, 145}, 5};                  // frost, cold light
constexpr ramp GRASS = run(147, 10);                                  // meadow grass
constexpr ramp FOLIAGE = run(157, 10);                                // leaves, moss, green cloth
constexpr ramp TERRACOTTA = run(167, 8);                              // roof tiles, brick, clay
constexpr ramp EARTH = run(175, 9);                                   // soil, paths, mud
constexpr ramp SAND = run(184, 9);                                    // sand, dry grass, plaster
constexpr ramp STONE = run(193, 10);                                  // walls, rock, cobbles
constexpr ramp WOOD = run(203, 10);                                   // planks, beams, trunks
constexpr ramp THATCH = run(213, 8);                                  // straw, thatch, hay
constexpr ramp WATER = run(221, 10);                                  // sea, rivers, wells
constexpr ramp CLOTH_RED = run(231, 8);                               // red and wine cloth
constexpr ramp CLOTH_BLUE = run(239, 8);                              // blue cloth
constexpr ramp FIRE = run(247, 8);                                    // embers to white flame

}  // namespace pal
}  // namespace art
