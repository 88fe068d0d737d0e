// items.h -- item records, item stacks, equipment and the inventory screen
#pragma once

#include <cstdint>

namespace hm {

constexpr int ITEM_COUNT = 500;
constexpr int ISTK_COUNT = 10;

struct item_rec {
    uint8_t raw[268];   // laid out by the item code
};
static_assert(sizeof(item_rec) == 268, "ITEM record");

// An item stack: up to 200 item indices.
struct istk_rec {
    uint8_t raw[800];   // laid out by the item code
};
static_assert(sizeof(istk_rec) == 800, "ISTK record");

extern item_rec *ITEM;
extern istk_rec *ISTK;

}  // namespace hm
