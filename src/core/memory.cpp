// memory.cpp -- every table of the game, allocated once at start-up and freed at exit
#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "battle/battle.h"
#include "chests/chests.h"
#include "core/core.h"
#include "data/data.h"
#include "items/items.h"
#include "party/party.h"
#include "story/story.h"
#include "world/world.h"

namespace hm {

char *xnam, *cnam;
int32_t *j;
float *f;
uint16_t *vs;
uint8_t *scr_buf;
uint16_t *jpal_buf, *jpal;
int32_t *lsts;
ani_rec *ANI;
item_rec *ITEM;
istk_rec *ISTK;
crt_rec *CRT;
p1cr_rec *p1cr;
npc_rec *npc;
chest_rec *chest;
uint8_t *swad;
uint32_t *PIC_dat[PIC_GROUPS];
int32_t *PIC[PIC_GROUPS];
uint32_t *pic_dat_swadn;
int32_t *pic_swadn;
swinf_rec *SWINF;
ls_tile_rec *ls_tile;
uint16_t *gr, *gr2, *ls, *rf;
int8_t *us, *us2;
uint8_t *ani_us, *grs, *grsc, *bat_grs;
int8_t *pbuf, *pbuf2, *rng_pen, *rf_lt, *gr_lt, *ls_lt, *light_lev;
uint8_t *gr_light;
uint8_t *cspns;
uint8_t *chest_state;
spawner_rec *crt_spawner;

namespace {

// Every allocation in the order it was made, so that delete_mem frees them all.
constexpr int MAX_TABLES = 64;
void *tables[MAX_TABLES];
int table_count = 0;

// Zero-filled: slots and records read before their first write hold 0.
template <typename T>
void take(T *&ptr, size_t count)
{
    ptr = static_cast<T *>(std::calloc(count, sizeof(T)));
    tables[table_count++] = ptr;
}

}  // namespace

void init_mem()
{
    clear_keyr();
    take(xnam, 50);
    take(cnam, 50);
    take(vs, VIEW_W * VIEW_H);
    take(scr_buf, SCR_W * SCR_H);
    take(jpal_buf, 256 * 256);
    jpal = jpal_buf;
    take(j, SLOT_COUNT);
    take(f, SLOT_COUNT);
    take(lsts, LSTS_COUNT);
    take(ANI, ANI_COUNT);
    take(ITEM, ITEM_COUNT);
    take(ISTK, ISTK_COUNT);
    take(CRT, CRT_COUNT);
    take(p1cr, P1CR_COUNT);
    take(npc, NPC_COUNT);
    take(chest, CHEST_COUNT);
    take(swad, SWAD_BYTES);
    take(pic_dat_swadn, PIC_INDEX);
    take(pic_swadn, PIC_INDEX);
    take(SWINF, SWINF_COUNT);
    take(ls_tile, LS_TILE_COUNT);
    for (uint16_t **layer : {&gr, &gr2, &ls, &rf}) take(*layer, MAP_CELLS);
    take(us, MAP_CELLS);
    take(us2, MAP_CELLS);
    take(ani_us, MAP_CELLS);
    take(grs, MAP_CELLS);
    take(grsc, MAP_CELLS);
    take(bat_grs, MAP_CELLS);
    take(pbuf, MAP_CELLS);
    take(pbuf2, MAP_CELLS);
    take(rng_pen, MAP_CELLS);
    take(rf_lt, MAP_CELLS);
    take(gr_lt, MAP_CELLS);
    take(ls_lt, MAP_CELLS);
    take(light_lev, MAP_CELLS);
    take(gr_light, VIEW_W * VIEW_H);
    take(cspns, CSPNS_BYTES);
    take(chest_state, CHEST_STATE_BYTES);
    take(crt_spawner, SPAWNER_COUNT);
    set_pict_size();
    loadtex();
    init_messages();
    init_wrt();
    init_events();
    load_ls_tile();
}

void delete_mem()
{
    while (table_count > 0) {
        std::free(tables[--table_count]);
        tables[table_count] = nullptr;
    }
    for (int g = 0; g < PIC_GROUPS; g++) {
        PIC[g] = nullptr;
        PIC_dat[g] = nullptr;
    }
    jpal = nullptr;
    freetex();
    freemes();
    freewrt();
    free_events();
}


}  // namespace hm
