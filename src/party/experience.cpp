// experience.cpp -- the experience curve, awards and level-ups
#include <climits>
#include <cmath>

#include "battle/battle.h"
#include "core/core.h"
#include "party/party.h"
#include "world/world.h"

namespace hm {

namespace {

int saturate(long long v) { return v > INT_MAX ? INT_MAX : v < INT_MIN ? INT_MIN : (int)v; }

// Percent more experience from what the member wears.  Without a total of its
// own (not made yet, or no room for it) the member wears no bonus.
int exp_bonus(int member)
{
    int pen = p1cr[member].pen_item;
    if (pen < 0 || pen >= ITEM_COUNT || ITEM[pen].in_use != 254) return 0;
    return ITEM[pen].atv[ATV_EXP_BONUS];
}

// After a level-up the member is whole again, at the new level's maximum.  The
// leader's creature takes the new level and is healed; any other member is
// measured on a creature made for the moment and taken away again.
void heal_after_level_up(int member)
{
    p1cr_rec &p = p1cr[member];
    int c = member == j[leader] ? member_crt(member) : -1;
    if (c >= 0) {
        CRT[c].level = p.level;
        update_stats();
        p.hp = CRT[c].max_hp;
        p.mana = CRT[c].max_mana;
        CRT[c].hp = CRT[c].max_hp;
        return;
    }
    // A creature of its own (in a battle) keeps its link to the member.
    int own = member_crt(member);
    c = new_creature(p.crt_type, p.level, 1, -1, -1, member, -1, 0, 0);
    if (c < 0) {
        // No room to measure it: "full", which its next creature turns into the maximum.
        p.hp = -1;
        p.mana = -1;
        p.crt = own;
        return;
    }
    update_stats();
    p.hp = CRT[c].max_hp;
    p.mana = CRT[c].max_mana;
    free_tmp_crt(c);
    p.crt = own;
}

}  // namespace

int find_lev(int exp)
{
    if (exp < 50) return 0;
    // The float rounding puts exact thresholds on their level rather than one below.
    double d = std::sqrt(0.2 * exp - 9.75) - 0.5;
    return (int)(float)d;
}

int find_exp_needed(int exp)
{
    long long next = (long long)find_lev(exp) + 1;
    return saturate(5 * (next * next + next) - ((long long)exp - 50));
}

void recieve_exp(int member, int amount)
{
    if (member < 0 || member >= P1CR_COUNT || !p1cr[member].in_use) return;
    p1cr_rec &p = p1cr[member];
    p.prev_level = p.level;
    long long bonus = (long long)exp_bonus(member) * amount / 100;
    p.exp = saturate((long long)p.exp + amount + bonus);
    p.gained_points = 0;
    // Only upwards: a record whose level is ahead of its experience keeps it.
    int target = find_lev(p.exp);
    while (p.level < target) {
        // Each step earns by the level it leaves: 9 to 11 gives 2 + 4.
        int g = (p.level / 10) * 2 + 2;
        p.level++;
        p.attr_points++;
        p.gained_points += g;
        p.skill_points += g;
    }
    if (p.level > p.prev_level) {
        heal_after_level_up(member);
        j[lev_up_show] = 1;
        update_scr();
    }
}

}  // namespace hm
