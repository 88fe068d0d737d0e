// portraits.h -- the portraits of speech boxes (group 11)
#pragma once

#include <utility>
#include <vector>

#include "art/draw.h"

namespace art {

// Every portrait's number and who it shows.
const std::vector<std::pair<int, const char *>> &portrait_numbers();
// Paints portrait n (64 x 64).
void paint_portrait(canvas &c, int n);

}  // namespace art
