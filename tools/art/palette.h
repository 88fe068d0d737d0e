// palette.h -- the game's 256 colours, as the art generator and the content build see them
#pragma once

#include <cstdint>
#include <string>

#include "art/palette_ramps.h"

namespace art {

// One palette entry, each channel 0..63 as in jpal.txt.
struct rgb {
    uint8_t r, g, b;   // 0..63
};

// The palette: ramps interpolated from their anchor colours, then the indices the
// code draws with.  Empty string on success, otherwise what is wrong with the
// layout (an index given twice or not at all).
std::string build_palette(rgb out[256]);

// The built palette (built on first use; the generator stops if it is malformed).
const rgb *palette();

// Writes jpal.txt: 256 lines of "r g b".  0 on success.
int write_jpal(const char *file);

}  // namespace art
