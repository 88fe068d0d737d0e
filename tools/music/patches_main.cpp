// patches_main.cpp -- hm_patches: writes the DIGMID patch index and the run directory's allegro.cfg
//
//   hm_patches TIMIDITY_CFG PATCH_DIR RUN_DIR
//
// PATCH_DIR/default.cfg becomes the patch index made from TIMIDITY_CFG (the
// freepats one), and RUN_DIR/allegro.cfg points Allegro's DIGMID at PATCH_DIR.
// Without the freepats index the game still runs, silent: allegro.cfg then says
// so and names no patches.
#include <cstdio>
#include <string>

#include "music/midi.h"
#include "music/patch_index.h"

namespace {

bool write_text(const std::string &path, const std::string &text)
{
    return music::write_file(path, std::vector<uint8_t>(text.begin(), text.end()));
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: hm_patches TIMIDITY_CFG PATCH_DIR RUN_DIR\n");
        return 2;
    }
    std::string patch_dir = argv[2], run_dir = argv[3];
    std::string config = "# Allegro's settings for Hollowmere, written by the build\n[sound]\n";
    std::string text;
    if (!music::read_file(argv[1], text)) {
        std::fprintf(stderr, "hm_patches: %s is missing (install freepats): the game will be silent\n", argv[1]);
        config += "# no patch set was found when the game was built: install freepats and build again\n";
    } else {
        std::string error, index = music::patch_index(text, error);
        if (!error.empty()) {
            std::fprintf(stderr, "hm_patches: %s: %s\n", argv[1], error.c_str());
            return 1;
        }
        if (!write_text(patch_dir + "/default.cfg", index)) {
            std::fprintf(stderr, "hm_patches: cannot write %s/default.cfg\n", patch_dir.c_str());
            return 1;
        }
        // The trailing slash makes DIGMID read default.cfg in that directory.
        config += "patches = " + patch_dir + "/\n";
    }
    if (!write_text(run_dir + "/allegro.cfg", config)) {
        std::fprintf(stderr, "hm_patches: cannot write %s/allegro.cfg\n", run_dir.c_str());
        return 1;
    }
    return 0;
}
