// manifest.h -- every picture the generator draws: group, numbers, size, purpose, painter
//
// Each picture family keeps its own table in its own file (land.cpp, creatures.cpp,
// interface.cpp); manifest.cpp puts them together into the one list that the
// generator draws, the content build packs and the tests check against the archive.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "art/draw.h"

namespace art {

// Draws picture n into a canvas of the entry's size, cleared to 0 (transparent).
using painter = void (*)(canvas &c, int n);

// One picture, or a range of pictures drawn by one painter.
struct pic_spec {
    int group;             // 0..11 (data.h: PIC_PREFIX, PICT_SIZE)
    int first;             // first picture number
    int count;             // pictures first .. first + count - 1
    int w, h;              // size in pixels; w a multiple of 4
    const char *purpose;   // what the game shows it for
    painter paint;
};

// Properties of object pictures (group 1) written to ls_tile.txt.  Objects that
// have no entry block their cell; numbers with no object are passable.
struct tile_spec {
    int first, count;        // object pictures first .. first + count - 1
    uint8_t passable;        // 1 passable
    int8_t range_penalty;    // missiles flying over lose this much
    uint16_t gr_light;       // light circle (group 5) on the ground, 0 none
    int16_t light_str;       // its strength
    uint8_t ls_light;        // 1 or 2: lights the cells around it
};

// The families' tables.
const std::vector<pic_spec> &land_pictures();        // groups 0, 1, 2, 5
const std::vector<tile_spec> &land_tiles();
const std::vector<pic_spec> &creature_pictures();    // groups 3, 4 (missiles), 6, 11
const std::vector<pic_spec> &interface_pictures();   // groups 4 (lock), 7, 8, 9, 10

// One picture of the manifest, ranges written out.
struct pic_entry {
    int group, number, w, h;
    const char *purpose;
    painter paint;
};

// Every picture of every family; problems (a number outside its group, a picture
// listed twice, a width that is not a multiple of 4) are appended to errors.
std::vector<pic_entry> manifest(std::vector<std::string> &errors);

}  // namespace art
