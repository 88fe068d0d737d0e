// party.h -- party characters, experience, skills and the character screens
#pragma once

#include <cstdint>

namespace hm {

constexpr int P1CR_COUNT = 50;   // records 0..7 are the party

struct p1cr_rec {
    uint8_t raw[2256];   // laid out by the party code
};
static_assert(sizeof(p1cr_rec) == 2256, "p1cr record");

extern p1cr_rec *p1cr;

}  // namespace hm
