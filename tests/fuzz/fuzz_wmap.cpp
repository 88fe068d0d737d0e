// fuzz_wmap.cpp -- the world map's terrain: classes read under the marker as it moves
#include "flow/flow.h"
#include "fuzz_harness.h"

using namespace hm;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz_init([] {
        seed_file("wmap10.txt");
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    put_file("wmap10.txt", data, size);
    for (int i = 0; i < 40; i++) get_wmp(WMAP_NO, (i * 97) % 660 - 10, (i * 61) % 420 - 10);
    f[wmap_x] = 500.0f;
    f[wmap_y] = 300.0f;
    for (int i = 0; i < 30; i++) {
        f[wmap_dir] = 0.4f * (float)i;
        move_pmarker(i % 5 == 4 ? -1 : 1);
    }
    wmap_view_offset();
    return 0;
}
