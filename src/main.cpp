// main.cpp -- the game in an Allegro window
#include <allegro.h>
#include <unistd.h>

#include <string>

#include "core/core.h"

namespace {

// Players may start the program from anywhere: the content lies in data/
// beside it when the working directory does not hold it.
void find_data_dir(const char *argv0)
{
    if (access("jpal.txt", R_OK) == 0) return;
    std::string exe = argv0;
    size_t slash = exe.rfind('/');
    std::string dir = (slash == std::string::npos ? std::string(".") : exe.substr(0, slash)) + "/data";
    if (access((dir + "/jpal.txt").c_str(), R_OK) == 0 && chdir(dir.c_str()) == 0) return;
}

}  // namespace

int main(int, char **argv)
{
    find_data_dir(argv[0]);
    return hm::hollowmere_main();
}
END_OF_MAIN()
