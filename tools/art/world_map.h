// world_map.h -- the painted map of the land and its terrain file
#pragma once

#include <string>
#include <vector>

#include "art/draw.h"

namespace art {

// Terrain classes of the world map; only water and mountains stop the party.
enum wm_class {
    WM_GRASS = 0, WM_WATER = 1, WM_MOUNTAIN = 2, WM_ROAD = 3, WM_FOREST = 4,
    WM_MARSH = 5, WM_VILLAGE = 6, WM_HILLS = 7, WM_SAND = 8, WM_SITE = 9,
};

constexpr int WM_W = 640;
constexpr int WM_H = 400;

// The class of every pixel, row by row.
std::vector<uint8_t> world_terrain();
// The map painted from that terrain.
canvas world_picture(const std::vector<uint8_t> &terrain);
// Writes wmap10.bmp and wmap10.txt into dir; 0 on success.
int write_world_map(const std::string &dir);

}  // namespace art
