// png.h -- PNG files of the contact sheets and test scenes, without a compression library
#pragma once

#include <cstdint>
#include <vector>

#include "art/draw.h"

namespace art {

// An 8-bit picture with the game's palette (index 0 drawn as its palette colour).
// 0 on success.
int write_png8(const char *file, const canvas &c);

// A true-colour picture: w * h pixels of 0xRRGGBB, top row first.  0 on success.
int write_png_rgb(const char *file, int w, int h, const std::vector<uint32_t> &px);

}  // namespace art
