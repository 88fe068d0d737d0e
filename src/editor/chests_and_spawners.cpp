// chests_and_spawners.cpp -- the editor's chests and spawners: made, picked, moved and deleted
#include <cstring>

#include "battle/battle.h"
#include "chests/chests.h"
#include "core/core.h"
#include "editor/editor.h"
#include "world/world.h"

namespace hm {

namespace {

bool chest_here(const chest_rec &c) { return c.in_use && chest_of_level(c.chest_id, j[level_no]); }

bool sel_chest_ok() { return j[sel_chest] >= 0 && j[sel_chest] < CHEST_COUNT && chest[j[sel_chest]].in_use; }
bool sel_spawner_ok() { return j[sel_spawner] >= 0 && j[sel_spawner] < SPAWNER_COUNT; }

}  // namespace

int new_chest()
{
    for (int i = 0; i < CHEST_COUNT; i++)
        if (chest_here(chest[i]) && chest[i].x == 0 && chest[i].y == 0) return i;
    int slot = new_chest_n();
    int id = new_chest_id();
    // A full table, or all fifty ids of the level taken: no chest, nothing selected.
    if (slot < 0 || id < 0) return -1;
    chest_rec &c = chest[slot];
    std::memset(&c, 0, sizeof c);
    c.in_use = 1;
    c.chest_id = id;
    c.chest_pic = 99;
    for (int k = 0; k < CHEST_SLOTS; k++) {
        c.item_types[k] = -1;
        c.item_seeds[k] = (int16_t)(random() % 16000);
        c.item_chance[k] = 100;
    }
    c.trap_state = 1;
    c.n_discs = 4;
    c.difficulty = 100;
    c.lock_seed = random() % 16000;
    c.face_side = 4;
    for (int k = 0; k < LOCK_DISCS; k++) c.disc_r[k] = 20;
    return slot;
}

void select_chest()
{
    int cell = editor_cell();
    if (cell < 0 || j[sel_chest] != -1) return;
    for (int i = 0; i < CHEST_COUNT; i++)
        if (chest_here(chest[i]) && chest[i].x + MAP_W * chest[i].y == cell) {
            j[sel_chest] = i;
            return;
        }
}

void move_chest()
{
    int cell = editor_cell();
    if (!sel_chest_ok() || cell < 0) return;
    chest_rec &c = chest[j[sel_chest]];
    if (cell_ok(c.x, c.y)) {
        ls[c.x + MAP_W * c.y] = 0;
        grsc[c.x + MAP_W * c.y] = 0;
    }
    c.x = cell % MAP_W;
    c.y = cell / MAP_W;
    ls[cell] = (uint16_t)c.chest_pic;
    grsc[cell] = BLOCKED;
    j[sel_chest] = -1;
}

void delete_chest()
{
    if (sel_chest_ok()) {
        chest_rec &c = chest[j[sel_chest]];
        if (cell_ok(c.x, c.y)) {
            ls[c.x + MAP_W * c.y] = 0;
            grsc[c.x + MAP_W * c.y] = 0;
        }
        c.in_use = 0;
    }
    j[sel_chest] = -1;
}

int new_spawner_id()
{
    int base = j[level_no] * SPAWNER_COUNT;
    for (int id = base; id < base + SPAWNER_COUNT; id++) {
        bool used = false;
        for (int k = 0; k < SPAWNER_COUNT; k++) used = used || (crt_spawner[k].active && crt_spawner[k].id == id);
        if (!used) return id;
    }
    return 0;
}

int get_spawner_from_id(int id)
{
    for (int k = SPAWNER_COUNT - 1; k >= 0; k--)
        if (crt_spawner[k].active && crt_spawner[k].id == id) return k;
    return -1;
}

int new_crt_spawner()
{
    for (int k = 0; k < SPAWNER_COUNT; k++)
        if (crt_spawner[k].active && crt_spawner[k].x == 0 && crt_spawner[k].y == 0) return k;
    for (int k = 0; k < SPAWNER_COUNT; k++) {
        spawner_rec &s = crt_spawner[k];
        if (s.active) continue;
        s.x = s.y = 0;
        s.active = 1;
        s.id = new_spawner_id();
        for (int i = 0; i < SPAWNER_SLOTS; i++) {
            s.crt_types[i] = -1;
            s.crt_levels[i] = 0;
        }
        for (int i = 0; i < SPAWNER_LOOT; i++) {
            s.loot_items[i] = -1;
            s.loot_chances[i] = 0;
        }
        s.trigger = 10;
        return k;
    }
    return -1;
}

void select_crt_spawner()
{
    int cell = editor_cell();
    if (cell < 0 || j[sel_spawner] != -1) return;
    for (int k = 0; k < SPAWNER_COUNT; k++)
        if (crt_spawner[k].active && crt_spawner[k].x + MAP_W * crt_spawner[k].y == cell) {
            j[sel_spawner] = k;
            return;
        }
}

void move_crt_spawner()
{
    int cell = editor_cell();
    if (!sel_spawner_ok() || cell < 0) return;
    crt_spawner[j[sel_spawner]].x = (int8_t)(cell % MAP_W);
    crt_spawner[j[sel_spawner]].y = (int8_t)(cell / MAP_W);
    j[sel_spawner] = -1;
}

}  // namespace hm
