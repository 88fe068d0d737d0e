// battle.h -- creatures, spawners, movement and the battle
#pragma once

#include <cstdint>

namespace hm {

constexpr int CRT_COUNT = 100;
constexpr int SPAWNER_COUNT = 25;
constexpr int CSPNS_BYTES = 10000;   // spawner states, 25 per level number

// One creature on the level.
struct crt_rec {
    uint8_t raw[916];   // laid out by the creature code
};
static_assert(sizeof(crt_rec) == 916, "CRT record");

// One creature spawner of the level.
struct spawner_rec {
    uint8_t raw[304];   // laid out by the creature code
};
static_assert(sizeof(spawner_rec) == 304, "spawner record");

extern crt_rec *CRT;              // creatures on the level
extern uint8_t *cspns;            // spawner states by level
extern spawner_rec *crt_spawner;  // spawners of the level

}  // namespace hm
