// scene.h -- test scenes: the land's pictures put together in the map's projection
#pragma once

#include <string>

namespace art {

// Writes the test scenes (scene_*.png) into dir: a patch of every ground tile, a
// village by day, by night with its lamps, and with its roofs lifted, and a cave.
// They place the pictures by the game's anchoring rules without the game's code.
// 0 on success.
int write_land_scenes(const std::string &dir);

}  // namespace art
