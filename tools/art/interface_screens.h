// interface_screens.h -- previews of the game's screens composed from the interface pictures
#pragma once

#include <string>
#include <vector>

#include "art/manifest.h"

namespace art {

// Places the pictures at the positions the game draws them on 640 x 400 screens
// (the play screen with a speech box, the character sheet and inventory, a
// battle, the boxes in the view, the lock, the title, the game over) and writes
// them to dir as 24-bit screen_*.bmp, for looking at how the pieces fit.
// Returns the number of screens written.
int write_interface_screens(const std::string &dir, const std::vector<pic_entry> &pics);

}  // namespace art
