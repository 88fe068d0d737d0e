// midi_names.h -- MIDI pieces known by their file's name, for the backends without Allegro's player
#pragma once

namespace hm {

int midi_name_load(const char *file);   // a handle above 0, or 0 when the file is absent or no handle is free
const char *midi_name(int handle);      // the handle's file, "" for none
void midi_name_forget(int handle);

}  // namespace hm
