// midi_names.cpp -- the handles of the MIDI pieces the game loaded, by file name
#include "platform/midi_names.h"

#include <cstdio>
#include <string>

namespace hm {

namespace {

constexpr int MAX_MIDI = 16;   // handle 0 is "none"
std::string midi_files[MAX_MIDI];

}  // namespace

int midi_name_load(const char *file)
{
    FILE *in = std::fopen(file, "rb");
    if (!in) return 0;
    std::fclose(in);
    for (int h = 1; h < MAX_MIDI; h++)
        if (midi_files[h].empty()) {
            midi_files[h] = file;
            return h;
        }
    return 0;
}

const char *midi_name(int handle) { return handle > 0 && handle < MAX_MIDI ? midi_files[handle].c_str() : ""; }

void midi_name_forget(int handle)
{
    if (handle > 0 && handle < MAX_MIDI) midi_files[handle].clear();
}

}  // namespace hm
