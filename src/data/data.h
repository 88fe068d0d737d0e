// data.h -- content files, the picture archive and store, palettes, the text archive
#pragma once

#include <cstdint>

namespace hm {

constexpr int PIC_GROUPS = 12;
constexpr int PIC_INDEX = 16000;      // pictures in all groups together
constexpr int SWAD_BYTES = 2000000;   // the picture store
constexpr int SWINF_COUNT = 4000;
constexpr int LS_TILE_COUNT = 4000;

// One picture loaded into the store.
struct swinf_rec {
    uint8_t raw[16];   // laid out by the picture store
};
static_assert(sizeof(swinf_rec) == 16, "SWINF record");

// Properties of one object picture, stored raw in ls_tile.txt.
struct ls_tile_rec {
    uint8_t raw[8];    // laid out by the picture store
};
static_assert(sizeof(ls_tile_rec) == 8, "ls_tile record");

extern uint16_t *jpal_buf;      // 256 shades x 256 palette indices of 16-bit colour
extern uint16_t *jpal;          // the shade slice drawing uses now
extern uint8_t *swad;           // the picture store
extern uint32_t *pic_dat_swadn; // archive offset of each picture
extern int32_t *pic_swadn;      // store slot of each picture, -1 not loaded
extern uint32_t *PIC_dat[PIC_GROUPS];  // per-group views into pic_dat_swadn
extern int32_t *PIC[PIC_GROUPS];       // per-group views into pic_swadn
extern swinf_rec *SWINF;        // loaded pictures
extern ls_tile_rec *ls_tile;    // object picture properties

}  // namespace hm
