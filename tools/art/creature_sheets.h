// creature_sheets.h -- contact sheets of the creature family: sprite sets frame by
// frame, effects in their sequences, and trial scenes of creatures on the ground
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "art/draw.h"

namespace art {

// One sprite set of group 3, as the sheets label it.
struct sprite_info {
    int base;           // pic_base
    const char *who;    // what it shows
    bool flies;         // drawn 32 pixels above its cell
};
const std::vector<sprite_info> &sprite_sets();

// Writes the family's sheets into dir from the painted pictures, by group.
void write_creature_sheets(const std::string &dir, const std::vector<std::pair<int, canvas>> *by_group);

}  // namespace art
