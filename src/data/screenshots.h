// screenshots.h -- numbered PNG screenshots, and PNG files through libpng
#pragma once

#include <cstdint>
#include <string>

namespace hm {

// Writes w x h pixels of 3 (RGB) or 4 (RGBA) bytes each, top row first, as a
// PNG file through a temporary file: 0 written, -1 not (no file is left).
int write_png(const char *file, int w, int h, int channels, const uint8_t *px);

// The first free name of prefix-NNNN.png (from 0001); "" when every number up
// to 9999 is taken.
std::string next_shot_name(const char *prefix);

// The screen as the next numbered PNG beside the run directory's other files:
// its name, or "" when none could be written.
std::string save_png_shot();

}  // namespace hm
