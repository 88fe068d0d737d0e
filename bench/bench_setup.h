// bench_setup.h -- the game's start-up without a window, shared by the benchmarks
#pragma once

#include "core/core.h"
#include "data/data.h"
#include "platform/headless.h"

namespace bench {

// Tables, colours, the picture index and the texts, as the game loads them at
// start-up; the working directory is the run directory (main in frame_bench.cpp).
inline void start_game()
{
    hm::hl_reset();
    hm::plat_install_tick(hm::inc_jtimer);
    hm::init_mem();
    hm::load_jpal(0, 0, 0);
    hm::load_swad();
    hm::load_pic_dat();
    hm::init_wrt_data();
}

}  // namespace bench
