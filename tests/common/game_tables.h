// game_tables.h -- the game's tables as start-up leaves them, for tests and fuzz targets
#pragma once

#include "core/core.h"
#include "data/data.h"
#include "platform/headless.h"

namespace hm {

// The game's tables, colours, picture index and texts as start-up leaves them,
// over the run directory the caller stands in.
inline void start_game_tables()
{
    hl_reset();
    hl_set_frame_hook(nullptr);
    plat_install_tick(inc_jtimer);
    init_mem();
    load_jpal(0, 0, 0);
    load_swad();
    load_pic_dat();
    init_wrt_data();
}

}  // namespace hm
