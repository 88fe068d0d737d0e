// headless_main.cpp -- hollowmere-headless: the real game loop without a window
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "battle/battle.h"
#include "core/core.h"
#include "platform/headless.h"
#include "runner/frame_timing.h"
#include "runner/script.h"

namespace {

void usage()
{
    std::fprintf(stderr,
                 "usage: hollowmere-headless [--data DIR] [--seed N] [--script FILE] [--frames N]\n");
}

std::string default_data_dir(const char *argv0)
{
    std::string exe = argv0;
    size_t slash = exe.rfind('/');
    return (slash == std::string::npos ? std::string(".") : exe.substr(0, slash)) + "/data";
}

}  // namespace

int main(int argc, char **argv)
{
    std::string data = default_data_dir(argv[0]), script;
    int frames = 0, seed = 0;
    bool has_seed = false;
    for (int i = 1; i < argc; i++) {
        std::string a = argv[i];
        if (i + 1 >= argc) {
            usage();
            return 2;
        }
        std::string v = argv[++i];
        if (a == "--data") data = v;
        else if (a == "--script") script = v;
        else if (a == "--frames") frames = std::atoi(v.c_str());
        else if (a == "--seed") { seed = std::atoi(v.c_str()); has_seed = true; }
        else {
            usage();
            return 2;
        }
    }
    char cwd[PATH_MAX];
    if (!getcwd(cwd, sizeof cwd)) return 2;
    if (!script.empty()) {
        std::string path = script[0] == '/' ? script : std::string(cwd) + "/" + script;
        if (!hm::script_load(path, cwd)) return 2;
    } else if (frames <= 0) {
        frames = 100;
    }
    if (chdir(data.c_str()) != 0) {
        std::fprintf(stderr, "hollowmere-headless: no data directory %s\n", data.c_str());
        return 2;
    }
    hm::hl_reset();
    hm::script_start(frames, seed, has_seed);
    hm::hl_set_frame_hook(hm::script_frame);
    int status = hm::hollowmere_main();
    int failed = hm::script_failures();
    if (!script.empty())
        std::printf("%s: %d expectations checked, %d failed\n", script.c_str(),
                    hm::script_expectations(), failed);
    hm::timing_report();
    const hm::turn_costs &tc = hm::enemy_turn_costs();
    if (tc.turns > 0)
        std::printf("computer turns: %d, worst %.3f ms, mean %.3f ms\n", tc.turns, tc.worst_us / 1000,
                    tc.total_us / tc.turns / 1000);
    if (status != 0) return status;
    return failed ? 1 : 0;
}
