// mini_archive.h -- a small picture archive cut from the built one: a few pictures of each group
#pragma once

#include <cstring>
#include <string>
#include <vector>

#include "data/data.h"

namespace hm {

// The first `per_group` pictures of each group of the archive now loaded, none of
// them over 16 KiB, in the archive's own layout: the index position, the records,
// the index.
inline std::string mini_archive(int per_group)
{
    std::string records, index(PIC_INDEX * 4, '\0');
    std::vector<uint8_t> data(1 << 22);
    for (int g = 0, start = 0; g < PIC_GROUPS; start += PICT_SIZE[g], g++) {
        for (int n = 0, taken = 0; n < PICT_SIZE[g] && taken < per_group; n++) {
            pic_header h;
            int size = read_pic(n, g, &h, data.data(), (int)data.size());
            if (size < 0 || size > 16384) continue;
            uint32_t off = 4 + (uint32_t)records.size();
            std::memcpy(&index[(size_t)(start + n) * 4], &off, 4);
            records.append((const char *)&h, sizeof h);
            records.append((const char *)data.data(), (size_t)size);
            taken++;
        }
    }
    uint32_t index_pos = (uint32_t)records.size();
    return std::string((const char *)&index_pos, 4) + records + index;
}

}  // namespace hm
