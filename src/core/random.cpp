// random.cpp -- the game's one 15-bit generator
//
// Callers rely on values 0..32767 (some shift a value right by 8 before taking
// a remainder), and seeded rolls must come out the same on every machine, so
// the C library's generator is not used.
#include "core/core.h"

namespace hm {

namespace {
uint32_t state = 1;   // the classic default state before any seeding
}

int random()
{
    state = state * 1103515245u + 12345u;
    return (int)((state >> 16) & 0x7fff);
}

void srandom(uint32_t seed) { state = seed; }

}  // namespace hm
