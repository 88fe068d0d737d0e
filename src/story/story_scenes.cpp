// story_scenes.cpp -- what the story's scenes do to the party and the map: gathering, experience, the map's objects, spawners
#include <cstdarg>

#include "battle/battle.h"
#include "core/core.h"
#include "party/party.h"
#include "story/story.h"
#include "world/world.h"

namespace hm {

namespace {

constexpr int SCENE_FLASH = 32, FLASH_GREY = 64;
constexpr int EXP_FACE = 7, EXP_TEXTS = 16, EXP_COLOUR = 17;

bool spawner_id_ok(int id) { return id >= 0 && id < CSPNS_BYTES; }

}  // namespace

void recieve_party_exp(int amount)
{
    int m = 0;
    for (int p = 0; p < PARTY_SIZE; p++) m += p1cr[p].in_use != 0;
    // With nobody in the party there is nobody to share with; the message still shows.
    if (m > 0)
        for (int p = 0; p < PARTY_SIZE; p++)
            if (p1cr[p].in_use) recieve_exp(p, amount / m);
    new_message(1, EXP_FACE, 0, EXP_TEXTS, EXP_COLOUR, 0, amount, 0, 0, "Exp");
    update_scr();
}

void change_ls(int count, ...)
{
    va_list args;
    va_start(args, count);
    for (int g = 0; g < count / 4; g++) {
        int x = va_arg(args, int), y = va_arg(args, int), pic = va_arg(args, int), block = va_arg(args, int);
        if (!cell_ok(x, y)) continue;
        int cell = x + MAP_W * y;
        ls[cell] = (uint16_t)pic;
        grsc[cell] = (uint8_t)block;
    }
    va_end(args);
}

void place_party()
{
    new_flash(SCENE_FLASH, FLASH_GREY, FLASH_GREY, FLASH_GREY);
    int c = leader_crt();
    if (c >= 0) place_p1cr(CRT[c].x, CRT[c].y);
}

void do_close_party()
{
    if (!j[close_party] || !messages_clear()) return;
    j[close_party] = 0;
    new_flash(SCENE_FLASH, FLASH_GREY, FLASH_GREY, FLASH_GREY);
    j[battle_on] = 0;
    int lc = leader_crt();
    for (int c = 0; c < CRT_COUNT; c++) {
        crt_rec &k = CRT[c];
        if (!k.in_use || k.side == 4 || c == lc) continue;
        k.in_use = 0;
        int m = k.party_index;
        if (m >= 0 && m < P1CR_COUNT && p1cr[m].crt == c) p1cr[m].crt = -1;
    }
}

void party_face_npc(int n)
{
    if (n < 0 || n >= NPC_COUNT) return;
    const npc_rec &p = npc[n];
    int c = -1;
    if (p.lev == -1 && j[battle_on] && p.p1cr_slot >= 0 && p.p1cr_slot < P1CR_COUNT && p1cr[p.p1cr_slot].in_use)
        c = member_crt(p.p1cr_slot);
    else if (p.lev == j[level_no] && !p.dead)
        c = npc_crt(n);
    int lc = leader_crt();
    if (c < 0 || lc < 0) return;
    crt_fdir(c, CRT[lc].x, CRT[lc].y);
    for (int o = 0; o < CRT_COUNT; o++)
        if (o != c && CRT[o].in_use && CRT[o].side == 1) crt_fdir(o, CRT[c].x, CRT[c].y);
}

void stop_crt_walk(int c)
{
    if (c < 0 || c >= CRT_COUNT) return;
    CRT[c].path_step = -1;
    CRT[c].step_dir = 0;
    CRT[c].step_time = 0;
}

int battle_started(int id)
{
    int s = j[battle_spawner];
    return s >= 0 && s < SPAWNER_COUNT && crt_spawner[s].id == id;
}

int battle_over(int id)
{
    if (j[battle_stage] != 0 || !spawner_id_ok(id) || cspns[id] != 0) return 0;
    for (int s = 0; s < SPAWNER_COUNT; s++)
        if (crt_spawner[s].id == id) return 1;
    return 0;
}

}  // namespace hm
