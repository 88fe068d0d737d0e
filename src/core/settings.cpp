// settings.cpp -- reading the player's settings file
#include "core/settings.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace hm {

game_settings settings = default_settings();

namespace {

struct setting {
    const char *name;
    int game_settings::*field;
    int lo, hi;
};
const setting known[] = {
    {"scale", &game_settings::scale, 0, 3},
    {"fullscreen", &game_settings::fullscreen, 0, 1},
    {"music_volume", &game_settings::music_volume, 0, 255},
    {"follow_camera", &game_settings::follow_camera, 0, 1},
};

// The line's name and whole-number value; false for anything else.
bool parse(char *line, std::string &name, long &value)
{
    if (char *hash = std::strchr(line, '#')) *hash = 0;
    char *eq = std::strchr(line, '=');
    if (!eq) return false;
    *eq = 0;
    char key[64], rest[64];
    if (std::sscanf(line, " %63s %63s", key, rest) != 1) return false;
    char *end = nullptr;
    value = std::strtol(eq + 1, &end, 10);
    if (end == eq + 1) return false;
    while (*end == ' ' || *end == '\t' || *end == '\r' || *end == '\n') end++;
    if (*end) return false;
    name = key;
    return true;
}

}  // namespace

game_settings default_settings() { return {0, 0, 255, 0}; }

int read_settings(const char *file)
{
    settings = default_settings();
    FILE *in = std::fopen(file, "r");
    if (!in) return -1;
    char line[256];
    while (std::fgets(line, sizeof line, in)) {
        std::string name;
        long v = 0;
        if (!parse(line, name, v)) continue;
        for (const setting &s : known)
            if (name == s.name && v >= s.lo && v <= s.hi) settings.*s.field = (int)v;
    }
    // A file that could not be read to its end (a directory, a failing disc) is not trusted.
    bool failed = std::ferror(in) != 0;
    std::fclose(in);
    if (failed) {
        settings = default_settings();
        return -1;
    }
    return 0;
}

std::string settings_file()
{
    const char *config = std::getenv("XDG_CONFIG_HOME");
    std::string dir;
    if (config && config[0] == '/') dir = config;
    else if (const char *home = std::getenv("HOME")) dir = std::string(home) + "/.config";
    else dir = ".";
    return dir + "/hollowmere/settings.cfg";
}

}  // namespace hm
