// settings.h -- the player's settings: window scale, fullscreen, music volume, a following camera
#pragma once

#include <string>

namespace hm {

struct game_settings {
    int scale;           // 0 the largest window that fits the desktop, else 1..3
    int fullscreen;      // 1: start on the whole screen
    int music_volume;    // 0 silent .. 255 full
    int follow_camera;   // 1: the camera keeps the leader in the middle as he walks
};

// What the game runs with; the defaults until read_settings reads a file.
extern game_settings settings;
game_settings default_settings();

// Reads "name = value" lines ('#' starts a comment) into settings.  Anything
// missing, unknown or out of range keeps its default.  0 read; -1 no readable
// file, and every setting is the default.
int read_settings(const char *file);

// $XDG_CONFIG_HOME/hollowmere/settings.cfg, or ~/.config/hollowmere/settings.cfg.
std::string settings_file();

}  // namespace hm
