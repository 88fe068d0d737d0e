// events.cpp -- the story's event table, the triggers tested each frame, and the events that run again on a level
#include <cstdlib>
#include <cstring>

#include "battle/battle.h"
#include "chests/chests.h"
#include "core/core.h"
#include "story/story.h"
#include "world/world.h"

namespace hm {

event_rec *event;

namespace {

constexpr int VILLAGE = 4, FOREST = 5, COAST = 6;
constexpr int ISOLDE = 2, OSWIN = 3, BRAM = 6;
constexpr int YARD_CHEST_A = 200, YARD_CHEST_B = 202;   // Isolde's two chests
constexpr int FOREST_SPAWNER = 127, SEA_SPAWNER = 150;
constexpr int OLD_MINUTES = 2;   // a scene's next step waits this long after the last

bool fired(int k) { return event_fired(k) != 0; }

// Event k ran at least two game minutes ago.
bool old(int k) { return fired(k) && event[k].fired + OLD_MINUTES < j[game_time]; }

int answer(int n, int entry) { return npc[n].answer_state[entry]; }

bool robbed(int id) { return chest_state[id] == CHEST_DELETED; }

bool quiet() { return messages_clear() == 1; }

// A scene that gathers the party must not begin inside a battle: its end would
// take the foes off the map with the members and leave the battle running.
bool no_battle() { return j[battle_stage] == 0; }

void village_triggers()
{
    npc_rec &isolde = npc[ISOLDE];
    if ((answer(ISOLDE, 17) == 1 || answer(ISOLDE, 18) == 1) && !fired(1)) do_event(1);
    if (isolde.dead && answer(ISOLDE, 20) == 1 && !fired(2)) do_event(2);
    if (!fired(3) && fired(1) && j[talk_state] == 0) do_event(3);
    if (!fired(4) && isolde.fade == 0 && npc_dist_from_pnt(ISOLDE, 42, 37, 10)) isolde.fade = 255;
    if (isolde.fade == 1 && !fired(4)) do_event(4);
    bool in_yard = npc_dist_from_pnt(ISOLDE, 38, 59, 8);
    if (in_yard && (robbed(YARD_CHEST_A) || robbed(YARD_CHEST_B)) && !fired(5)) do_event(5);
    if (in_yard && robbed(YARD_CHEST_A) && robbed(YARD_CHEST_B) && !fired(6)) do_event(6);
    if (!fired(3) && j[talk_state] == 0 && j[battle_stage] == 0 && j[hour] > 19) do_event(3);
    if (!fired(7) && answer(ISOLDE, 22) == 1 && j[talk_state] == 0) do_event(7);

    // The sellsword on the east road.
    if (!fired(8) && !fired(17) && p1cr_dist_from_pnt(86, 38, 5)) do_event(8);
    if (!fired(9) && (old(8) || old(17)) && no_battle()) do_event(9);
    if (!fired(10) && fired(9) && quiet()) do_event(10);
    if (fired(10) && no_battle()) do_event(11);

    // The huntress on the west road.
    if (!fired(18) && !fired(12) && p1cr_dist_from_pnt(12, 37, 5)) do_event(12);
    if (!fired(13) && (old(12) || old(18)) && no_battle()) do_event(13);
    if (!fired(14) && fired(13) && quiet()) do_event(14);
    if (fired(14) && no_battle()) do_event(15);

    if (!fired(16) && fired(9) && fired(13)) do_event(16);
    if (!fired(17) && !fired(8) && p1cr_dist_from_pnt(46, 26, 2)) do_event(17);
    if (!fired(18) && !fired(12) && p1cr_dist_from_pnt(45, 10, 3)) do_event(18);
    if (!fired(24) && answer(OSWIN, 13) == 1) do_event(24);
}

void coast_triggers()
{
    if (!fired(19) && battle_started(SEA_SPAWNER)) do_event(19);
    if (!fired(20) && battle_over(SEA_SPAWNER) && npc[BRAM].dead == 0) do_event(20);
    if (!fired(21) && fired(20) && quiet()) do_event(21);
    if (!fired(22) && fired(21) && npc_dist_from_pnt(BRAM, 36, 81, 0)) do_event(22);
    if (!fired(23) && npc[BRAM].dead) do_event(23);
}

void forest_triggers()
{
    bool alive = npc[ISOLDE].dead == 0;
    if (!fired(25) && alive && fired(4) && battle_over(FOREST_SPAWNER)) do_event(25);
    if (!fired(26) && alive && !fired(7) && !fired(4) && battle_over(FOREST_SPAWNER)) do_event(26);
    if (!fired(25) && old(26)) do_event(25);
}

}  // namespace

void init_events()
{
    if (!event) event = static_cast<event_rec *>(std::calloc(EVENT_COUNT, sizeof(event_rec)));
    clear_events();
}

void free_events()
{
    std::free(event);
    event = nullptr;
}

void clear_events()
{
    if (event) std::memset(event, 0, sizeof(event_rec) * EVENT_COUNT);
    std::memset(con, 0, sizeof con);
    for (npc_walk_rec &w : npc_walk) w.in_use = 0;
}

int event_fired(int k) { return event && k >= 0 && k < EVENT_COUNT && event[k].fired != 0; }

void do_cons()
{
    if (j[level_no] != VILLAGE) return;
    con[1] = fired(20);
    con[2] = fired(23);
    con[3] = !fired(19);
    con[4] = fired(19);
}

void events_main()
{
    do_npc_walk();
    if (!event) return;
    do_close_party();
    do_cons();
    switch (j[level_no]) {
    case VILLAGE: village_triggers(); break;
    case COAST: coast_triggers(); break;
    case FOREST: forest_triggers(); break;
    default: break;
    }
}

void do_lev_str_events()
{
    if (!event) return;
    for (int k = 0; k < EVENT_COUNT; k++)
        if (event[k].start_level != 0 && event[k].start_level == j[level_no]) do_event(k);
}

}  // namespace hm
