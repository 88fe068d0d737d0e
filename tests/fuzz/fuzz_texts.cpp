// fuzz_texts.cpp -- the text archive: its index read, texts laid out with numbers and
// around the portrait box
#include "fuzz_harness.h"

using namespace hm;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz_init([] {
        seed_file("txt_dat.dat");
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    put_file("txt_dat.dat", data, size);
    init_wrt();
    init_wrt_data();
    // A few texts of every file, at the edges of the surfaces as well as inside them.
    for (int file = 0; file < TEXT_FILES; file++)
        for (int t = -1; t < 3; t++) {
            if (!text_ok(t < 0 ? 0 : t, file) && t > 0) break;
            int x = (file * 61) % 700 - 30, y = (file * 29) % 420 - 10;
            wrt(x, y, x + 200, t, file, 17, 0, file % 3, 3, 5, -12, 2147483647);
            if (t == 1) wrt_around_box(x, y, 600, t, file, 17, 0, 7, 8, 9, file % 3);
        }
    return 0;
}
