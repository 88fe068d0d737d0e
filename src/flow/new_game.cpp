// new_game.cpp -- a new player: the name panel, the state of a new game, the first save
#include <cstdio>
#include <cstring>

#include "data/data.h"
#include "flow/flow.h"
#include "story/story.h"
#include "world/world.h"

namespace hm {

namespace {

constexpr int NAME_X = 232, NAME_Y = 190;   // where the name is typed
constexpr int NAME_FG = 71, NAME_BG = 0;
constexpr int NPC_SEEDS = 16000;

// Takes the name just added (the last entry) out of the list again.
void drop_last_pname()
{
    int k = 0;
    while (pname_at(k + 1) >= 0) k++;
    drop_pname(k);
    LorS_pnames(2);
}

}  // namespace

int make_new_state()
{
    std::memset(j, 0, sizeof(int32_t) * SLOT_COUNT);
    std::memset(f, 0, sizeof(float) * SLOT_COUNT);
    std::memset(p1cr, 0, sizeof(p1cr_rec) * P1CR_COUNT);
    std::memset(ISTK, 0, sizeof(istk_rec) * ISTK_COUNT);
    std::memset(ITEM, 0, sizeof(item_rec) * ITEM_COUNT);
    std::memset(npc, 0, sizeof(npc_rec) * NPC_COUNT);
    clear_chests();
    std::memset(cspns, 1, CSPNS_BYTES);
    // Every chest id, levels 200..399 included, starts unopened.
    std::memset(chest_state, CHEST_UNOPENED, CHEST_STATE_BYTES);
    for (int s = 0; s < ISTK_COUNT; s++)
        for (int32_t &e : ISTK[s].item) e = -1;
    // The messages, walks, flash and events of a game played before end here.
    init_messages();
    init_npc_walks();
    clear_events();

    for (int n = 0; n < NPC_COUNT; n++)
        for (int16_t &seed : npc[n].item_seed) seed = (int16_t)(random() % NPC_SEEDS);
    load_all_npcs();

    if (load_p1cr(0) != 0) return -1;
    equip_item(0, 0, new_item(0, STK_INVENTORY, 0, -1));
    for (int s = 0; s <= 16; s += 2) new_bat_sk(0, s);

    // Slots not named here, slot 49 and the world map's view among them, stay 0.
    j[leader] = 0;
    j[carry_cap] = 2000;
    j[gold] = 100;
    j[game_begun] = 0;
    j[game_time] = 30;
    j[hour] = 11;
    f[wmap_x] = 500.0f;
    f[wmap_y] = 300.0f;
    f[wmap_dir] = 0.0f;
    return 0;
}

int new_game()
{
    std::memcpy(scr_buf, strbg, sizeof strbg);
    draw_bmp_scr(42, 7, 220, 157, 1);
    draw_bmp_scr(41, 7, 220, 180, 1);
    std::memset(cnam, 0, 50);
    fscr2();
    jscanf(NAME_X, NAME_Y, PNAME_MAX, NAME_FG, NAME_BG, cnam, 1);
    // Closing the window while typing quits, and Escape goes back to the title:
    // neither makes a player.
    if (plat_close_requested() || jscanf_escaped()) return 0;
    if (!pname_new_ok(cnam)) {
        title_note(NOTE_BAD_NAME);
        return 0;
    }

    char file[PNAME_MAX + 8];
    std::snprintf(file, sizeof file, "%s.cha", cnam);
    if (FILE *old = std::fopen(file, "rb")) {
        // That player exists: the list and the file stay as they are.
        std::fclose(old);
        title_note(NOTE_EXISTS);
        return 0;
    }
    LorS_pnames(1);
    // A name listed without its file (removed by hand) gets the file, not a second row.
    bool listed = pname_find(cnam) >= 0;
    if (!listed && add_pname(cnam) != 0) {
        title_note(NOTE_LIST_FULL);
        return 0;
    }
    if (!listed && LorS_pnames(2) != 0) {
        LorS_pnames(1);
        title_note(NOTE_NOT_SAVED);
        return 0;
    }

    bool hero = make_new_state() == 0;
    std::strcat(cnam, ".cha");
    if (!hero || write_save(cnam, 0) != 0) {
        if (!listed) drop_last_pname();
        title_note(NOTE_NOT_SAVED);
        return 0;
    }
    // An autosave left by an earlier player of this name is not this one's.
    std::remove(autosave_file(cnam).c_str());
    return 1;
}

}  // namespace hm
