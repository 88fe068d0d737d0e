// characters_content_test.cpp -- the game's character files and creature stashes
#include <cstring>
#include <set>

#include "../data/data_fixture.h"
#include "battle/battle.h"
#include "core/core.h"
#include "items/items.h"
#include "party/party.h"

namespace hm {
namespace {

constexpr int CHARACTERS = 7;   // the hero and NPCs 1..6
constexpr int MONSTERS_FIRST = 14, MONSTERS_LAST = 25;

TEST_F(DataTest, TheHeroAndEveryNpcCharacterLoad)
{
    std::set<int> faces;
    for (int n = 0; n < CHARACTERS; n++) {
        p1cr[0].in_use = 0;
        ASSERT_EQ(load_p1cr(n), 0) << "c" << n << ".txt";
        const p1cr_rec &p = p1cr[0];
        EXPECT_GT(std::strlen(p.name), 0u) << n;
        EXPECT_EQ(p.crt_type, n) << "each character has its own body";
        EXPECT_TRUE(p.slot_ok[0]) << n;
        EXPECT_GE(p.level, 1);
        EXPECT_LE(p.level, 5);
        EXPECT_GT(p.belt_size, 0);
        for (int k = 0; k < ATTR_COUNT; k++) EXPECT_GE(p.attr[2 * k], 5) << n;
        faces.insert(p.face_pic);
    }
    EXPECT_EQ(faces.size(), (size_t)CHARACTERS);
    for (int f : {5, 7, 11}) EXPECT_FALSE(faces.count(f)) << "portrait " << f << " belongs to another speaker";
    p1cr[0].in_use = 0;
    ASSERT_EQ(load_p1cr(0), 0);
    EXPECT_EQ(p1cr[0].level, 1);
}

TEST_F(DataTest, StashesDropRealItemsAndPaceTheFirstLevels)
{
    txt_reader in;
    ASSERT_TRUE(in.open("crtstash.txt"));
    for (int t = 0; t <= MONSTERS_LAST; t++) {
        int row[34];
        for (int &v : row) ASSERT_TRUE(in.read_int(&v)) << "row " << t;
        for (int d = 0; d < 10; d++) {
            int type = row[3 * d], chance = row[3 * d + 2];
            if (type < 0) continue;
            EXPECT_TRUE(chance >= 0 && chance <= 100) << t;
            int k = new_item(type, -1, 0, 1);
            EXPECT_GE(k, 0) << "row " << t << " drops item type " << type;
            delete_item(k);
        }
        EXPECT_TRUE(t < MONSTERS_FIRST || row[32] + row[33] > 0) << "monster " << t << " gives no experience";
    }
    // Three level-1 rats make a lone new hero level 2; the next level takes more.
    CRT[0].in_use = 1;
    CRT[0].type = MONSTERS_FIRST;
    CRT[0].level = 1;
    for (int k = 0; k < 3; k++) take_crtstash(0);
    EXPECT_EQ(find_lev(60 + j[battle_exp]), 2);
    EXPECT_LT(j[battle_exp], 50);
    // The knight of the barrow is worth a level or two to a party of three at level 6.
    j[battle_exp] = 0;
    CRT[0].type = MONSTERS_LAST;
    CRT[0].level = 8;
    take_crtstash(0);
    int share = j[battle_exp] / 3;
    EXPECT_GE(find_lev(260 + share), 7);
    EXPECT_LE(find_lev(260 + share), 8);
}

}  // namespace
}  // namespace hm
