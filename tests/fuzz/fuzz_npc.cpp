// fuzz_npc.cpp -- NPC files with their speech sections: the record, the speech table,
// the goods, placing on the level and a conversation played through a few frames
#include "battle/battle.h"
#include "flow/flow.h"
#include "fuzz_harness.h"
#include "story/story.h"
#include "world/world.h"

using namespace hm;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz_init([] {
        seed_numbered("npc", NPC_COUNT - 1, ".txt");
    });
    make_new_state();
    make_level(1, 4, 26, 78);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const int n = 7;
    put_file("npc7.txt", data, size);
    clear_creatures();
    std::memset(&npc[n], 0, sizeof npc[n]);
    if (load_npc(n) != 0) return 0;
    init_lev_npcs(npc[n].lev);
    clear_creatures();
    if (load_npc_spch(n) != 0) return 0;
    for (int t = -1; t < 12; t++) npc_spch_type(t);
    j[talk_npc] = n;
    load_npc_items();
    delete_npc_items();
    // A conversation with the NPC standing beside the leader.
    int leader_c = new_creature(0, 1, 1, -1, -1, 0, -1, 30, 50);
    int c = new_creature(npc[n].crt_type, npc[n].level, 4, -1, -1, -1, n, 31, 50);
    if (leader_c < 0 || c < 0) return 0;
    j[talk_crt] = c;
    j[talk_state] = 2;
    int code = EXIT_NONE;
    for (int i = 0; i < 3; i++) {
        hl_add_mickeys(100 + 40 * i - mx, 150 + 20 * i - my);
        hl_set_button(0, i % 2 == 0);
        play_frame(code);
    }
    hl_set_button(0, false);
    j[talk_state] = 0;
    j[istk_shown] = -1;
    return 0;
}
