// slot_names.cpp -- slot numbers by name, for play scripts and tools
#include <cstdlib>
#include <cstring>

#include "core/core.h"

namespace hm {

namespace {

struct SlotName {
    const char *name;
    int slot;
};

#define HM_SLOT_ROW(name, n) {#name, n},
const SlotName j_names[] = {J_SLOTS(HM_SLOT_ROW)};
const SlotName f_names[] = {F_SLOTS(HM_SLOT_ROW)};
#undef HM_SLOT_ROW

template <size_t N>
int lookup(const SlotName (&names)[N], const char *name)
{
    for (const SlotName &s : names)
        if (std::strcmp(s.name, name) == 0) return s.slot;
    char *end = nullptr;
    long n = std::strtol(name, &end, 10);
    if (*name && !*end && n >= 0 && n < SLOT_COUNT) return (int)n;
    return -1;
}

}  // namespace

int j_slot_by_name(const char *name) { return lookup(j_names, name); }
int f_slot_by_name(const char *name) { return lookup(f_names, name); }

}  // namespace hm
