// main.cpp -- hm_levels: compiles a level plan l<N>.plan into the level file l<N>.txt, and back
//
//   hm_levels PLAN OUT [TILES]
//   hm_levels --plan LEVEL_FILE OUT [TILES]
//
// TILES is the object table (ls_tile.txt) that says which objects let walkers
// pass; without it every object blocks.  The second form writes a level file (a
// level saved by the game's editor) back as a plan, and only when that plan
// compiles into the very same bytes.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/core.h"
#include "data/data.h"
#include "levels/plan.h"
#include "levels/unplan.h"
#include "world/world.h"

namespace {

bool read_whole(const std::string &file, std::string &out)
{
    std::ifstream in(file, std::ios::binary);
    if (!in) return false;
    std::stringstream text;
    text << in.rdbuf();
    out = text.str();
    return true;
}

bool load_tiles(const char *file)
{
    FILE *tiles = std::fopen(file, "rb");
    size_t n = tiles ? std::fread(hm::ls_tile, sizeof(hm::ls_tile_rec), hm::LS_TILE_COUNT, tiles) : 0;
    if (tiles) std::fclose(tiles);
    if (n == (size_t)hm::LS_TILE_COUNT) return true;
    std::fprintf(stderr, "hm_levels: cannot read the object table %s\n", file);
    return false;
}

int compile(const std::string &plan, const char *out)
{
    int level = levels::plan_level(plan);
    if (level < 0) {
        std::fprintf(stderr, "hm_levels: %s: a plan is named l<N>.plan, N its level number\n", plan.c_str());
        return 1;
    }
    std::string text;
    if (!read_whole(plan, text)) {
        std::fprintf(stderr, "hm_levels: cannot read %s\n", plan.c_str());
        return 1;
    }
    std::string err = levels::compile_plan(text, plan, level);
    if (!err.empty()) {
        std::fprintf(stderr, "%s\n", err.c_str());
        return 1;
    }
    if (hm::write_level_file(out, level) != 0) {
        std::fprintf(stderr, "hm_levels: cannot write %s\n", out);
        return 1;
    }
    return 0;
}

// The level file as a plan, checked by compiling it again.
int unplan(const std::string &file, const std::string &out)
{
    int level = levels::level_file_number(file);
    std::string bytes;
    if (level < 0 || !read_whole(file, bytes)) {
        std::fprintf(stderr, "hm_levels: cannot read the level file %s (named l<N>.txt)\n", file.c_str());
        return 1;
    }
    std::string err;
    std::string plan = levels::level_to_plan(std::vector<uint8_t>(bytes.begin(), bytes.end()), level, err);
    if (!err.empty()) {
        std::fprintf(stderr, "hm_levels: %s: %s\n", file.c_str(), err.c_str());
        return 1;
    }
    err = levels::compile_plan(plan, out, level);
    std::string again, check = out + ".check";
    bool same = err.empty() && hm::write_level_file(check.c_str(), level) == 0 && read_whole(check, again) && again == bytes;
    std::remove(check.c_str());
    if (!same) {
        std::fprintf(stderr, "hm_levels: %s: its plan does not build the same level file%s%s\n", file.c_str(),
                     err.empty() ? "" : ": ", err.c_str());
        return 1;
    }
    std::ofstream o(out, std::ios::binary);
    o << plan;
    if (!o.flush()) {
        std::fprintf(stderr, "hm_levels: cannot write %s\n", out.c_str());
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char **argv)
{
    bool back = argc > 1 && std::string(argv[1]) == "--plan";
    int first = back ? 2 : 1;
    if (argc - first != 2 && argc - first != 3) {
        std::fprintf(stderr, "usage: hm_levels l<N>.plan OUT [ls_tile.txt]\n"
                             "       hm_levels --plan l<N>.txt OUT.plan [ls_tile.txt]\n");
        return 2;
    }
    hm::init_mem();
    int status = 1;
    if (argc - first == 2 || load_tiles(argv[first + 2]))
        status = back ? unplan(argv[first], argv[first + 1]) : compile(argv[first], argv[first + 1]);
    hm::delete_mem();
    return status;
}
