// fuzz_level.cpp -- level files: entered as the game enters them, then played for a few frames
#include "flow/flow.h"
#include "fuzz_harness.h"
#include "world/world.h"

using namespace hm;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz_init([] {
        seed_numbered("l", LEVEL_COUNT - 1, ".txt");
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    put_file("l1.txt", data, size);
    make_new_state();
    make_level(1, 1, 0, 0);
    int code = EXIT_NONE;
    play_frame(code);
    return 0;
}
