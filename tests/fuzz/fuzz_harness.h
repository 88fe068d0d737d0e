// fuzz_harness.h -- what every fuzz target shares: a private run directory over the
// built content, the game's tables set up once, and the input laid down as a file
#pragma once

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "../common/game_tables.h"

namespace hm {

// The run directory the content is taken from: $HM_FUZZ_DATA, or the one the build made.
inline std::string fuzz_data_dir()
{
    const char *d = std::getenv("HM_FUZZ_DATA");
    return d ? d : HM_FUZZ_DEFAULT_DATA;
}

inline std::string read_whole(const std::string &name)
{
    std::string s;
    if (FILE *in = std::fopen(name.c_str(), "rb")) {
        char buf[65536];
        for (size_t got; (got = std::fread(buf, 1, sizeof buf, in)) > 0;) s.append(buf, got);
        std::fclose(in);
    }
    return s;
}

// Replaces a file of the private run directory; never writes through a link into
// the shared content.
inline void put_file(const char *name, const void *data, size_t len)
{
    struct stat st;
    if (lstat(name, &st) == 0 && S_ISLNK(st.st_mode)) unlink(name);
    FILE *out = std::fopen(name, "wb");
    if (!out) std::abort();
    if (len) std::fwrite(data, 1, len, out);
    std::fclose(out);
}

inline std::string &scratch_dir()
{
    static std::string dir;
    return dir;
}

// The scratch directory goes when the fuzzer ends.
inline void remove_scratch()
{
    const std::string &dir = scratch_dir();
    if (DIR *d = opendir(dir.c_str())) {
        while (dirent *e = readdir(d))
            if (e->d_name[0] != '.') unlink((dir + "/" + e->d_name).c_str());
        closedir(d);
    }
    rmdir(dir.c_str());
}

// A scratch directory with links to every content file, entered, and the game's
// tables, colours, pictures and texts as start-up leaves them.
inline void fuzz_start()
{
    std::string data = fuzz_data_dir();
    // In memory where there is room: a file is laid down for every input.
    char shm[] = "/dev/shm/hm_fuzz_XXXXXX", disc[] = "/tmp/hm_fuzz_XXXXXX";
    char *tmpl = mkdtemp(shm) ? shm : mkdtemp(disc);
    if (!tmpl) std::abort();
    DIR *d = opendir(data.c_str());
    if (!d) {
        std::fprintf(stderr, "no content in %s (set HM_FUZZ_DATA)\n", data.c_str());
        std::abort();
    }
    while (dirent *e = readdir(d)) {
        std::string n = e->d_name;
        if (n[0] == '.' || n == "pnames.txt" || n.find(".cha") != std::string::npos) continue;
        if (symlink((data + "/" + n).c_str(), (std::string(tmpl) + "/" + n).c_str()) != 0) std::abort();
    }
    closedir(d);
    if (chdir(tmpl) != 0) std::abort();
    scratch_dir() = tmpl;
    std::atexit(remove_scratch);
    start_game_tables();
    loadtex();
    load_ls_tile();
}

// Seeds: with $HM_FUZZ_SEEDS set, a target writes its seed inputs there, made
// from the built content, and exits.
inline const char *seed_dir() { return std::getenv("HM_FUZZ_SEEDS"); }

// The start of every target: the run directory and tables, then either the
// seeds written (and the program ended) or the fuzzing begun.
template <typename Seeds>
void fuzz_init(Seeds seeds)
{
    fuzz_start();
    if (!seed_dir()) return;
    seeds();
    std::exit(0);
}

inline void put_seed(const std::string &name, const std::string &bytes)
{
    std::string path = std::string(seed_dir()) + "/" + name;
    FILE *out = std::fopen(path.c_str(), "wb");
    if (!out) std::abort();
    std::fwrite(bytes.data(), 1, bytes.size(), out);
    std::fclose(out);
}

// A content file as a seed of its own.
inline void seed_file(const std::string &name) { put_seed(name, read_whole(fuzz_data_dir() + "/" + name)); }

// Every content file prefix N suffix, N in 0..last, as a seed of its own.
inline void seed_numbered(const std::string &prefix, int last, const std::string &suffix)
{
    for (int n = 0; n <= last; n++) {
        std::string name = prefix + std::to_string(n) + suffix;
        if (access((fuzz_data_dir() + "/" + name).c_str(), R_OK) == 0) seed_file(name);
    }
}

}  // namespace hm
