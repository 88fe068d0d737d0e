// creatures.cpp -- creature sprites, missiles, animations and portraits (groups 3, 4, 6, 11)
#include "art/manifest.h"

namespace art {

const std::vector<pic_spec> &creature_pictures()
{
    static const std::vector<pic_spec> table = {};
    return table;
}

}  // namespace art
