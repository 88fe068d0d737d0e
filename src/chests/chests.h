// chests.h -- chest records, their life across levels, and the lock puzzle
#pragma once

#include <cstdint>

namespace hm {

constexpr int CHEST_COUNT = 500;
constexpr int CHEST_STATE_BYTES = 20000;   // one state per chest id

struct chest_rec {
    uint8_t raw[148];   // laid out by the chest code
};
static_assert(sizeof(chest_rec) == 148, "chest record");

extern chest_rec *chest;
extern uint8_t *chest_state;

}  // namespace hm
