// fuzz_names.cpp -- the players list: read, listed on the title, rows loaded, a name
// added and one deleted
#include "flow/flow.h"
#include "fuzz_harness.h"

using namespace hm;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz_init([] {
        put_seed("empty", "^");
        put_seed("three", "Alba~Bryn~Cade~^");
        put_seed("twice", "Dell~Dell~ Esk.2-x~^");
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    put_file("pnames.txt", data, size);
    LorS_pnames(1);
    char row[64];
    for (int r = 0; r < 12; r++) row_text(r, row);
    for (int first = 0; first < 8; first += 3) continue_game(first, first + 1);
    for (int r = 0; r < 3; r++) load_game(r);
    pname_find("Alba");
    add_pname("Zed");
    delete_row(1);
    LorS_pnames(2);
    return 0;
}
