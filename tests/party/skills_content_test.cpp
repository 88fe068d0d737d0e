// skills_content_test.cpp -- the skills' texts fit their windows, summons are real creatures, recruits can cast what they know
#include <cstring>

#include "../data/data_fixture.h"
#include "battle/battle.h"
#include "core/core.h"
#include "party/party.h"
#include "world/world.h"

namespace hm {
namespace {

constexpr int SKILL_TEXTS = 10;

TEST_F(DataTest, EverySkillsTextsFitTheListAndTheBox)
{
    for (int s = 0; s < SKILL_COUNT; s++) {
        ASSERT_TRUE(text_ok(2 * s, SKILL_TEXTS)) << s;
        ASSERT_TRUE(text_ok(2 * s + 1, SKILL_TEXTS)) << s;
        // The name with a two-digit level stays on one line between the list's rules.
        wrt(60, 85, 360, 2 * s, SKILL_TEXTS, 137, 0, 1, 1, 99);
        EXPECT_EQ(j[text_h], 0) << "skill " << s;
        EXPECT_GT(j[text_w], 20) << "skill " << s;
        EXPECT_LE(j[text_w], 187) << "skill " << s;
        // The description with three-digit values ends above the box's close button.
        wrt(40, 54, 260, 2 * s + 1, SKILL_TEXTS, 137, 0, 1, 3, 999, 999, 999);
        EXPECT_GT(j[text_w], 100) << "skill " << s;
        EXPECT_LE(j[text_h], 110) << "skill " << s;
    }
}

TEST_F(DataTest, SummonedCreaturesStandAndFight)
{
    clear_creatures();
    for (int type = 10; type <= 13; type++) {
        int c = new_creature(type, 3, 3, -1, -1, -1, -1, 10, 10);
        ASSERT_GE(c, 0);
        const crt_rec &k = CRT[c];
        EXPECT_GT(k.max_hp, 40) << type;
        EXPECT_GT(k.speed, 8) << type;
        EXPECT_TRUE(k.attack_kind == 1 || k.attack_kind == 2) << type;
        EXPECT_GT((long long)k.dmg_phys + k.dmg_e1 + k.dmg_e2 + k.dmg_e3 + k.dmg_e4, 10) << type;
        for (int frame = 0; frame < 10; frame++) EXPECT_TRUE(pic_ok(k.pic_base + frame, 3)) << type;
        CRT[c].in_use = 0;
    }
}

TEST_F(DataTest, RecruitsComeWithSkillsTheyCanCast)
{
    for (int n = 0; n < 7; n++) {
        std::memset(p1cr, 0, sizeof(p1cr_rec) * PARTY_SIZE);
        clear_creatures();
        ASSERT_EQ(load_p1cr(n), 0);
        const p1cr_rec &p = p1cr[0];
        int known = 0;
        int c = new_creature(p.crt_type, p.level, 1, -1, -1, 0, -1, 10, 10);
        ASSERT_GE(c, 0);
        for (const skill_rec &r : p.skills) {
            if (!r.known) continue;
            known++;
            EXPECT_EQ(r.sk_level, 1);
            EXPECT_LE(find_mana_cost(r.skill_id, 1), CRT[c].max_mana) << "c" << n << " skill " << r.skill_id;
        }
        // The hero's skills are the new game's to teach.
        if (n == 0) EXPECT_EQ(known, 0);
        else EXPECT_GE(known, 1) << "c" << n;
    }
    EXPECT_TRUE(check_for_bat_sk(0, 11));   // Bram, the last loaded: blinding mist
}

}  // namespace
}  // namespace hm
