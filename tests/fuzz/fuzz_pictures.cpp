// fuzz_pictures.cpp -- the picture archive: its index, records loaded into the store,
// run-length rows decoded and every kind of picture drawn
#include "../common/mini_archive.h"
#include "fuzz_harness.h"
#include "world/world.h"

using namespace hm;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz_init([] {
        put_seed("one_each", mini_archive(1));
        put_seed("three_each", mini_archive(3));
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    put_file("bmp_data.dat", data, size);
    load_pic_dat();
    load_swad();
    // Every picture the index names, up to a bound that keeps a run short.
    int drawn = 0;
    for (int g = 0; g < PIC_GROUPS && drawn < 80; g++)
        for (int n = 0; n < PICT_SIZE[g] && drawn < 80; n++) {
            if (PIC_dat[g][n] == 0) continue;
            drawn++;
            int x = (n * 37) % 460 - 30, y = (n * 53) % 300 - 30;
            switch (g) {
            case 0: draw_grnd(n, g, x, y); draw_grnd2(n, g, x, y); break;
            case 1: draw_ls(n, g, x, y, n % 70); draw_ls_below(n, g, x, y, 3, 100); break;
            case 2: draw_rf(n, g, x, y, 5); break;
            case 3: draw_crt(n, g, x, y, -1, 2); break;
            default:
                draw_pic(n, g, x, y, n & 1, 128);
                draw_bmp(n, g, x, y, 0, 0);
                draw_bmp_scr(n, g, x * 2, y, n & 1);
                break;
            }
        }
    return 0;
}
