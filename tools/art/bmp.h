// bmp.h -- 8-bit BMP files in the layout the picture archive reads back
#pragma once

#include "art/draw.h"

namespace art {

// Writes c as an uncompressed 8-bit BMP: a 1078-byte header with the game's
// palette, then the rows bottom first, exactly c.w bytes each (c.w must be a
// multiple of 4, so there is no row padding).  0 on success.
int write_bmp8(const char *file, const canvas &c);

}  // namespace art
