// story.h -- NPCs, dialogue, events, scripted walks and messages
#pragma once

#include <cstdint>

namespace hm {

constexpr int NPC_COUNT = 400;

struct npc_rec {
    uint8_t raw[276];   // laid out by the NPC code
};
static_assert(sizeof(npc_rec) == 276, "npc record");

extern npc_rec *npc;

}  // namespace hm
