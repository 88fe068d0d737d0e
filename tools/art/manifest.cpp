// manifest.cpp -- the families' picture tables gathered into one checked list
#include "art/manifest.h"

#include <set>
#include <string>
#include <utility>

#include "data/data.h"

namespace art {

std::vector<pic_entry> manifest(std::vector<std::string> &errors)
{
    std::vector<pic_entry> all;
    std::set<std::pair<int, int>> seen;
    for (const std::vector<pic_spec> *family : {&land_pictures(), &creature_pictures(), &interface_pictures()}) {
        for (const pic_spec &s : *family) {
            std::string what = std::string(s.purpose ? s.purpose : "?") + " (group " +
                               std::to_string(s.group) + ", " + std::to_string(s.first) + ")";
            if (s.group < 0 || s.group >= hm::PIC_GROUPS) {
                errors.push_back(what + ": no such group");
                continue;
            }
            if (s.w <= 0 || s.h <= 0 || s.w > hm::PIC_MAX_SIDE || s.h > hm::PIC_MAX_SIDE || s.w % 4)
                errors.push_back(what + ": size must be positive and its width a multiple of 4");
            if (!s.paint) errors.push_back(what + ": no painter");
            for (int n = s.first; n < s.first + s.count; n++) {
                if (n < 0 || n >= hm::PICT_SIZE[s.group]) {
                    errors.push_back(what + ": number " + std::to_string(n) + " outside the group");
                    continue;
                }
                if (!seen.insert({s.group, n}).second) {
                    errors.push_back(what + ": picture " + std::to_string(n) + " listed twice");
                    continue;
                }
                all.push_back({s.group, n, s.w, s.h, s.purpose, s.paint});
            }
        }
    }
    return all;
}

}  // namespace art
