// event_effects.cpp -- what each of the story's events does when it runs
#include <initializer_list>

#include "battle/battle.h"
#include "chests/chests.h"
#include "core/core.h"
#include "items/items.h"
#include "party/party.h"
#include "story/story.h"
#include "world/world.h"

namespace hm {

namespace {

constexpr int ISOLDE = 2, GARRICK = 4, NESSA = 5, BRAM = 6;
constexpr int LEADER = -1;   // say(): the party's leader speaks
constexpr int NARRATOR_FACE = 5, FISHERMAN_FACE = 11;
constexpr int NARRATOR_TEXTS = 14, ISOLDE_TEXTS = 15, SCENE_TEXTS = 17, COAST_TEXTS = 18;
constexpr int NARRATOR_COLOUR = 16, SPEECH_COLOUR = 17;
constexpr int HERBALISTS_GIFT = 9;
constexpr int BARRICADE = 150;
constexpr int FLASH_GREY = 64;

// A line of the scenes' conversation: speaker an NPC, or the leader.
void say(int who, int line)
{
    if (who == LEADER) {
        int m = j[leader];
        if (m < 0 || m >= PARTY_SIZE || !p1cr[m].in_use) return;
        new_message(1, p1cr[m].face_pic, line, SCENE_TEXTS, SPEECH_COLOUR, 0, 0, 0, 0, p1cr[m].name);
        return;
    }
    new_message(1, npc[who].face_pic, line, SCENE_TEXTS, SPEECH_COLOUR, 0, 0, 0, 0, npc[who].name);
}

void narrate(int line) { new_message(1, NARRATOR_FACE, line, NARRATOR_TEXTS, NARRATOR_COLOUR, 0, 0, 0, 0, "Narrator"); }

// NPC n comes onto the level at (x, y) and sets out for (tx, ty), where it will
// stand should the party leave and come back.
void npc_arrives(int n, int x, int y, int tx, int ty)
{
    const npc_rec &p = npc[n];
    new_creature(p.crt_type, p.level, 4, -1, -1, -1, n, x, y);
    npc[n].lev = j[level_no];
    npc[n].x = tx;
    npc[n].y = ty;
    npc_walk_to(n, tx, ty, 200, 1);
}

// The NPC's creature leaves the map; the NPC is made on level lev at (x, y)
// when that level is next entered.
void npc_moves(int n, int lev, int x, int y)
{
    int c = npc_crt(n);
    if (c >= 0) {
        CRT[c].in_use = 0;
        CRT[c].npc_index = -1;
    }
    npc[n].crt = -1;
    npc[n].lev = lev;
    npc[n].x = x;
    npc[n].y = y;
}

void npc_complains(int line, int anger)
{
    new_message(1, npc[ISOLDE].face_pic, line, ISOLDE_TEXTS, SPEECH_COLOUR, 0, 0, 0, 0, npc[ISOLDE].name);
    npc[ISOLDE].attitude -= anger;
}

// The leader who walks past the road's end is turned back by the NPC who holds it.
void hold_the_road(int n, int limit, int east, int line)
{
    int c = leader_crt();
    if (c < 0) return;
    bool past = east ? CRT[c].x > limit : CRT[c].x < limit;
    if (!past) return;
    CRT[c].x = limit;
    stop_crt_walk(c);
    place_party();
    j[close_party] = 1;
    party_face_npc(n);
    say(n, line);
}

void gather_for_scene(int n)
{
    place_party();
    j[close_party] = 1;
    party_face_npc(n);
}

// Isolde's yard after she has gone: her clutter cleared away, her chests taken,
// and the gaps of the fence barred with rubble.
void clear_the_yard()
{
    event[0].start_level = j[level_no];
    change_ls(64, 37, 56, 0, 0, 37, 57, 0, 0, 34, 60, 0, 0, 35, 60, 0, 0, 41, 59, 0, 0, 42, 57, 0, 0, 39, 57, 0, 0,
              37, 60, 0, 0, 40, 59, 0, 0, 42, 58, 0, 0, 37, 62, BARRICADE, -1, 38, 62, BARRICADE, -1, 38, 61,
              BARRICADE, -1, 39, 61, BARRICADE, -1, 41, 61, BARRICADE, -1, 41, 62, BARRICADE, -1);
    for (int id : {200, 202}) {
        chest_state[id] = 0;
        for (int i = 0; i < CHEST_COUNT; i++) {
            chest_rec &c = chest[i];
            if (!c.in_use || c.chest_id != id || !chest_of_level(id, j[level_no]) || !cell_ok(c.x, c.y)) continue;
            c.in_use = 0;
            change_ls(4, c.x, c.y, 0, 0);
        }
    }
}

void join_party(int n, int flash)
{
    npc_to_p1cr(n);
    if (flash) new_flash(flash, FLASH_GREY, FLASH_GREY, FLASH_GREY);
}

}  // namespace

void do_event(int k)
{
    if (!event || k < 0 || k >= EVENT_COUNT) return;
    event[k].fired = j[game_time];
    switch (k) {
    case 0: clear_the_yard(); break;
    case 1:
        new_item(HERBALISTS_GIFT, STK_INVENTORY, 0, -1);
        recieve_party_exp(40);
        do_event(0);
        new_flash(50, FLASH_GREY, FLASH_GREY, FLASH_GREY);
        break;
    case 2: narrate(1); break;
    case 3: npc_walk_to(ISOLDE, 42, 37, 1000, 1); break;
    case 4:
        npc_moves(ISOLDE, 5, 50, 82);
        npc[ISOLDE].fade = 0;
        if (npc[ISOLDE].attitude < 30) npc[ISOLDE].attitude = 30;
        break;
    case 5: npc_complains(46, 4); break;
    case 6: npc_complains(47, 24); break;
    case 7: join_party(ISOLDE, 40); break;
    case 8: npc_arrives(GARRICK, 90, 38, 87, 38); break;
    case 9:
        gather_for_scene(GARRICK);
        say(GARRICK, 0), say(LEADER, 1), say(GARRICK, 2);
        if (event_fired(7)) say(ISOLDE, 3), say(GARRICK, 4), say(ISOLDE, 5), say(GARRICK, 6);
        break;
    case 10: join_party(GARRICK, 0); break;
    case 11: hold_the_road(GARRICK, 92, 1, 7); break;
    case 12: npc_arrives(NESSA, 5, 37, 9, 37); break;
    case 13:
        gather_for_scene(NESSA);
        say(NESSA, 8), say(LEADER, 9);
        if (event_fired(18)) say(LEADER, 24);
        if (event_fired(10)) say(GARRICK, 10);
        break;
    case 14: join_party(NESSA, 0); break;
    case 15: hold_the_road(NESSA, 8, 0, 23); break;
    case 16:
        say(NESSA, 11), say(GARRICK, 12), say(NESSA, 13), say(GARRICK, 14), say(LEADER, 15);
        if (event_fired(7)) say(ISOLDE, 16);
        say(NESSA, 17), say(GARRICK, 18), say(LEADER, 19), say(NESSA, 20), say(GARRICK, 21), say(LEADER, 22);
        break;
    case 17:
        npc_arrives(GARRICK, 37, 38, 43, 32);
        j[party_hold] = 1;
        break;
    case 18: {
        npc_arrives(NESSA, 46, 26, 46, 17);
        int c = leader_crt();
        if (c >= 0) find_crpath(c, 46, 15);
        j[party_hold] = 1;
        break;
    }
    case 19: new_message(1, FISHERMAN_FACE, 12, COAST_TEXTS, SPEECH_COLOUR, 0, 0, 0, 0, "Fisherman"); break;
    case 20:
        new_message(1, npc[BRAM].face_pic, 13, COAST_TEXTS, SPEECH_COLOUR, 0, 0, 0, 0, npc[BRAM].name);
        npc_walk_to(BRAM, 45, 74, 500, 1);
        break;
    case 21: npc_walk_to(BRAM, 36, 81, 500, 1); break;
    case 22: npc_moves(BRAM, 4, 85, 52); break;
    case 23: narrate(2); break;
    case 24:
        recieve_party_exp(100);
        new_flash(50, FLASH_GREY, FLASH_GREY, FLASH_GREY);
        break;
    case 25:
        do_event(7);
        say(ISOLDE, 25);
        break;
    case 26:
        event[0].start_level = 4;
        event[0].fired = j[game_time];
        npc_arrives(ISOLDE, 49, 97, 49, 91);
        j[party_hold] = 1;
        break;
    default: break;
    }
}

}  // namespace hm
