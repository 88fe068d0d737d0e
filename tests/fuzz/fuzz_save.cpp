// fuzz_save.cpp -- whole save files, with and without the extension block: loaded,
// entered and played for a few frames as the players list loads them
#include "flow/flow.h"
#include "fuzz_harness.h"
#include "world/world.h"

using namespace hm;

namespace {

void seed(const char *name, int keep_chests)
{
    write_save("seed.cha", keep_chests);
    put_seed(name, read_whole("seed.cha"));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz_init([] {
        make_new_state();
        seed("new_game.cha", 0);               // as a new player's file: no block
        make_level(1, 4, 26, 78);
        j[game_begun] = 150;
        seed("in_play.cha", 1);                // F5 in the village: the place
        npc_walk_to(2, 30, 52, 500, 1);
        seed("walking.cha", 1);                // a scripted walk under way
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    put_file("Fz.cha", data, size);
    if (!read_save("Fz.cha")) return 0;
    enter_saved_game();
    int code = EXIT_NONE;
    play_frame(code);
    return 0;
}
