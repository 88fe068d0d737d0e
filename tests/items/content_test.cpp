// content_test.cpp -- the game's item types, price weights, colours and attribute texts
#include <cstring>
#include <set>

#include "core/core.h"
#include "items_fixture.h"

namespace hm {
namespace {

bool file_exists(const std::string &name)
{
    FILE *f = std::fopen(name.c_str(), "rb");
    if (f) std::fclose(f);
    return f != nullptr;
}

bool picture_of_size(int n, int g, unsigned w, unsigned h)
{
    pic_header hdr;
    return read_pic(n, g, &hdr, nullptr, 0) > 0 && hdr.width == w && hdr.height == h;
}

int count_numbers(const char *file)
{
    txt_reader in;
    if (!in.open(file)) return -1;
    int n = 0, v = 0;
    while (in.read_int(&v)) n++;
    return n;
}

TEST_F(DataTest, EveryItemTypeOfTheGameMakesASoundItem)
{
    int types = 0;
    while (file_exists("i" + std::to_string(types) + ".txt")) types++;
    ASSERT_GE(types, 50);
    std::set<int> slots;
    bool heals = false, mana = false, cures = false, causes = false;
    for (int n = 0; n < types; n++) {
        for (int seed = 0; seed < 8; seed++) {
            int k = new_item(n, -1, 0, seed * 1999);
            ASSERT_GE(k, 0) << "type " << n;
            const item_rec &it = ITEM[k];
            EXPECT_GT(std::strlen(it.name), 0u) << n;
            EXPECT_TRUE(picture_of_size(it.pic, 10, 96, 96)) << "type " << n << " shows no item icon";
            EXPECT_GT(it.atv[ATV_WEIGHT], 0) << n;
            if (it.item_class == ITEM_EQUIPMENT) {
                EXPECT_TRUE(it.eqp_slot >= 0 && it.eqp_slot < EQP_SLOTS && it.eqp_slot != 11) << n;
                slots.insert(it.eqp_slot);
                for (int a = 0; a < 5; a++) EXPECT_GE(it.atv[ATV_NEED + a], 0) << n;
                EXPECT_GT(calc_price(k), 0) << n;
            } else if (it.item_class == ITEM_USABLE) {
                EXPECT_GE(it.atv[ATV_BELT_PIC], 41) << n;
                EXPECT_TRUE(picture_of_size(it.atv[ATV_BELT_PIC], 8, 16, 16)) << "type " << n << " has no belt picture";
                EXPECT_TRUE(it.atv[ATV_BELT_TARGET] == 1 || it.atv[ATV_BELT_TARGET] == 2) << n;
                for (int c : {9, 10}) EXPECT_TRUE(it.atv[c] >= -1 && it.atv[c] <= 21) << n;
                EXPECT_GT(it.base_price, 0) << n;
                heals |= it.atv[7] > 0 || it.atv[8] > 0;
                mana |= it.atv[12] > 0 || it.atv[13] > 0;
                cures |= it.atv[9] >= 0;
                causes |= it.atv[10] >= 0 && it.atv[11] > 0;
            } else {
                EXPECT_EQ(n, 9) << "only the quest item has no class of use";
            }
            delete_item(k);
        }
    }
    for (int s = 0; s < EQP_SLOTS; s++) {
        if (s == 11) continue;   // the second ring takes slot-10 items
        EXPECT_TRUE(slots.count(s)) << "nothing to wear in slot " << s;
    }
    EXPECT_TRUE(heals && mana && cures && causes);
    int first = new_item(0, -1, 0, -1), quest = new_item(9, -1, 0, -1);
    EXPECT_EQ(ITEM[first].item_class, ITEM_EQUIPMENT);
    EXPECT_EQ(ITEM[first].eqp_slot, 0);
    EXPECT_EQ(ITEM[quest].item_class, 3);
}

TEST_F(DataTest, PriceWeightsColoursAndAttributeTextsAreComplete)
{
    EXPECT_EQ(count_numbers("atv1.txt"), PRICE_WEIGHTS);
    EXPECT_EQ(count_numbers("tcol1.txt"), ATTR_COLOURS);
    for (int a = 0; a < ATTR_COLOURS; a++) EXPECT_TRUE(text_ok(a, 2)) << "attribute text " << a;
    for (int t : {1, 2}) {
        EXPECT_TRUE(text_ok(t, 3));
        EXPECT_TRUE(text_ok(t, 11));
    }
}

}  // namespace
}  // namespace hm
