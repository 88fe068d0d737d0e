// main.cpp -- hm_levels: compiles a level plan l<N>.plan into the level file l<N>.txt
//
//   hm_levels PLAN OUT [TILES]
//
// TILES is the object table (ls_tile.txt) that says which objects let walkers
// pass; without it every object blocks.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "core/core.h"
#include "data/data.h"
#include "levels/plan.h"
#include "world/world.h"

int main(int argc, char **argv)
{
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: hm_levels l<N>.plan OUT [ls_tile.txt]\n");
        return 2;
    }
    std::string plan = argv[1];
    int level = levels::plan_level(plan);
    if (level < 0) {
        std::fprintf(stderr, "hm_levels: %s: a plan is named l<N>.plan, N its level number\n", plan.c_str());
        return 1;
    }
    std::ifstream in(plan, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "hm_levels: cannot read %s\n", plan.c_str());
        return 1;
    }
    std::stringstream text;
    text << in.rdbuf();
    hm::init_mem();
    if (argc == 4) {
        FILE *tiles = std::fopen(argv[3], "rb");
        size_t n = tiles ? std::fread(hm::ls_tile, sizeof(hm::ls_tile_rec), hm::LS_TILE_COUNT, tiles) : 0;
        if (tiles) std::fclose(tiles);
        if (n != (size_t)hm::LS_TILE_COUNT) {
            std::fprintf(stderr, "hm_levels: cannot read the object table %s\n", argv[3]);
            hm::delete_mem();
            return 1;
        }
    }
    std::string err = levels::compile_plan(text.str(), plan, level);
    int status = 0;
    if (!err.empty()) {
        std::fprintf(stderr, "%s\n", err.c_str());
        status = 1;
    } else if (hm::write_level_file(argv[2], level) != 0) {
        std::fprintf(stderr, "hm_levels: cannot write %s\n", argv[2]);
        status = 1;
    }
    hm::delete_mem();
    return status;
}
