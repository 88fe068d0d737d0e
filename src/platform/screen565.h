// screen565.h -- a 640 x 400 screen of 5-6-5 pixels kept in memory, for the backends without Allegro
#pragma once

#include <cstdint>

namespace hm {

// The screen's pixels, top row first; the backends' plat_write_line and
// plat_putpixel write here.
extern uint16_t screen565[];

// Writes px (640 x 400 5-6-5 pixels) as a 24-bit BMP: 0 on success.
int write_bmp565(const char *file, const uint16_t *px);

}  // namespace hm
