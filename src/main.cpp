// main.cpp -- the game in an Allegro window
#include <allegro.h>
#include <limits.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "core/core.h"
#include "core/settings.h"
#include "data/run_directory.h"

#ifndef HM_INSTALLED_DATA
#define HM_INSTALLED_DATA ""
#endif

namespace {

// The program's own path, whichever way it was started.
std::string program_path(const char *argv0)
{
    char buf[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n > 0) return std::string(buf, (size_t)n);
    return argv0;
}

}  // namespace

int main(int, char **argv)
{
    char cwd[PATH_MAX];
    std::string here = getcwd(cwd, sizeof cwd) ? cwd : ".";
    std::string run = hm::choose_run_dir(program_path(argv[0]), here, HM_INSTALLED_DATA);
    if (run.empty() || chdir(run.c_str()) != 0) {
        std::fprintf(stderr, "hollowmere: the game's data was not found\n");
        return 1;
    }
    hm::read_settings(hm::settings_file().c_str());
    return hm::hollowmere_main();
}
END_OF_MAIN()
