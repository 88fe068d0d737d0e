// fuzz_level.cpp -- level files: entered as the game enters them, then played for a few frames
#include "flow/flow.h"
#include "fuzz_harness.h"
#include "world/world.h"

using namespace hm;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz_start();
    if (seed_dir()) {
        for (int n = 0; n < LEVEL_COUNT; n++) {
            std::string s = read_whole(fuzz_data_dir() + "/l" + std::to_string(n) + ".txt");
            if (!s.empty()) put_seed("l" + std::to_string(n), s);
        }
        std::exit(0);
    }
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
