// characters.cpp -- party members from character files, creature links, carrying capacity
#include <cstring>

#include "battle/battle.h"
#include "core/core.h"
#include "data/data.h"
#include "party/party.h"

namespace hm {

int member_crt(int m)
{
    if (m < 0 || m >= P1CR_COUNT) return -1;
    int c = p1cr[m].crt;
    if (c < 0 || c >= CRT_COUNT || !CRT[c].in_use || CRT[c].party_index != m) return -1;
    return c;
}

int party_count()
{
    int n = 0;
    for (int m = 0; m < PARTY_SIZE; m++)
        if (p1cr[m].in_use) n++;
    return n;
}

int load_p1cr(int n)
{
    int u = -1;
    for (int m = 0; m < PARTY_SIZE && u < 0; m++)
        if (!p1cr[m].in_use) u = m;
    if (u < 0) return -1;

    // Built from nothing, so that no value of the record's last owner survives.
    p1cr_rec r;
    std::memset(&r, 0, sizeof r);
    loadn('c', n, EXT_TXT);
    txt_reader in;
    if (!in.open(xnam)) return -1;
    if (in.read_name(r.name, P1CR_NAME_LEN) < P1CR_NAME_LEN) return -1;
    int head[5];
    for (int &v : head)
        if (!in.read_int(&v)) return -1;
    for (uint8_t &ok : r.slot_ok) {
        int v = 0;
        if (!in.read_int(&v)) return -1;
        ok = (uint8_t)v;
    }
    for (int k = 0; k < ATTR_COUNT; k++) {
        int v = 0;
        if (!in.read_int(&v)) return -1;
        r.attr[2 * k] = r.attr[2 * k + 1] = v;
    }
    int level = head[0];
    if (level < 0 || level > MAX_LEVEL) return -1;

    r.in_use = 1;
    r.level = level;
    r.hp = head[1];
    r.crt_type = head[2];
    // The belt has 16 places; a file cannot unlock more.
    r.belt_size = head[3] < 0 ? 0 : head[3] > BELT_SLOTS ? BELT_SLOTS : head[3];
    r.face_pic = head[4];
    r.mana = -1;
    r.exp = 5 * (level * level + level) + 50;
    r.crt = -1;
    r.pen_item = -1;
    r.sel_skill = -1;
    r.skill_mode = 1;
    r.attr_points = NEW_ATTR_POINTS;
    for (int32_t &b : r.belt) b = -1;
    for (int32_t &e : r.eqp) e = -1;
    p1cr[u] = r;
    learn_start_skills(u, n);
    return u;
}

int weight_left()
{
    long long carried = 0;
    for (int32_t e : ISTK[STK_INVENTORY].item)
        if (e >= 0 && e < ITEM_COUNT && ITEM[e].in_use == 1) carried += ITEM[e].atv[ATV_WEIGHT];
    long long left = (long long)j[carry_cap] - carried;
    return left < INT32_MIN ? INT32_MIN : left > INT32_MAX ? INT32_MAX : (int)left;
}

}  // namespace hm
