// world_map_art_test.cpp -- the painted land: its places are where the party can reach them
#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "art/world_map.h"

namespace art {
namespace {

bool blocks(uint8_t c) { return c == WM_WATER || c == WM_MOUNTAIN; }

// Every pixel the marker can reach from (x, y) moving pixel by pixel.
std::vector<bool> reach(const std::vector<uint8_t> &t, int x, int y)
{
    std::vector<bool> seen(t.size(), false);
    std::vector<int> todo = {y * WM_W + x};
    seen[todo[0]] = true;
    while (!todo.empty()) {
        int p = todo.back();
        todo.pop_back();
        int px = p % WM_W, py = p / WM_W;
        const int next[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
        for (const auto &d : next) {
            int nx = px + d[0], ny = py + d[1];
            if (nx < 0 || ny < 0 || nx >= WM_W || ny >= WM_H) continue;
            int q = ny * WM_W + nx;
            if (seen[q] || blocks(t[q])) continue;
            seen[q] = true;
            todo.push_back(q);
        }
    }
    return seen;
}

TEST(WorldMapArt, FromTheVillageTheRoadsReachTheRuinsTheMineAndTheJetty)
{
    std::vector<uint8_t> t = world_terrain();
    ASSERT_EQ(t.size(), (size_t)WM_W * WM_H);
    // A new game puts the marker at (500, 300), in the village.
    EXPECT_EQ(t[300 * WM_W + 500], WM_VILLAGE);
    std::vector<bool> r = reach(t, 500, 300);
    int ruins = 0, mine = 0, shore = 0, road = 0, roads_reached = 0;
    for (size_t i = 0; i < t.size(); i++) {
        int x = (int)(i % WM_W), y = (int)(i / WM_W);
        if (t[i] == WM_ROAD) {
            road++;
            roads_reached += r[i];
        }
        if (!r[i]) continue;
        if (t[i] == WM_SITE && x < 300) ruins++;
        if (t[i] == WM_SITE && x > 400 && y < 150) mine++;
        if (t[i] == WM_SAND) shore++;
    }
    EXPECT_GT(ruins, 100);
    EXPECT_GT(mine, 20);
    EXPECT_GT(shore, 500);
    EXPECT_EQ(roads_reached, road);   // bridges carry the roads over the river
}

TEST(WorldMapArt, WaterAndMountainsFillTheirPartsOfTheLand)
{
    std::vector<uint8_t> t = world_terrain();
    EXPECT_EQ(t[200 * WM_W + 639], WM_WATER);    // the sea along the east
    EXPECT_EQ(t[5 * WM_W + 320], WM_MOUNTAIN);   // the range along the north
    EXPECT_EQ(t[340 * WM_W + 486], WM_WATER);    // the mere south of the village
    int water = 0, mountain = 0;
    for (uint8_t c : t) {
        water += c == WM_WATER;
        mountain += c == WM_MOUNTAIN;
    }
    // Enough land to travel, enough of each to read at a glance.
    EXPECT_GT(water, (int)t.size() / 20);
    EXPECT_GT(mountain, (int)t.size() / 20);
    EXPECT_LT(water + mountain, (int)t.size() / 2);

}

// The content build's picture: 640 x 400 at 8 bits, no see-through pixel, and
// its terrain file beside it in step with the land.
TEST(WorldMapArt, TheRunDirectoryHoldsThePictureAndItsTerrain)
{
    FILE *in = std::fopen("wmap10.bmp", "rb");
    ASSERT_NE(in, nullptr);
    std::vector<uint8_t> bmp(1078 + WM_W * WM_H + 1);
    size_t got = std::fread(bmp.data(), 1, bmp.size(), in);
    std::fclose(in);
    ASSERT_EQ(got, bmp.size() - 1);
    EXPECT_EQ(bmp[18] | bmp[19] << 8, WM_W);
    EXPECT_EQ(bmp[22] | bmp[23] << 8, WM_H);
    EXPECT_EQ(bmp[28], 8);
    for (size_t i = 1078; i < got; i++) ASSERT_NE(bmp[i], 0) << "a see-through pixel would draw as colour 0";

    in = std::fopen("wmap10.txt", "rb");
    ASSERT_NE(in, nullptr);
    std::vector<char> txt(2 * WM_W * WM_H + 1);
    got = std::fread(txt.data(), 1, txt.size(), in);
    std::fclose(in);
    ASSERT_EQ(got, txt.size() - 1);
    std::vector<uint8_t> t = world_terrain();
    for (size_t i = 0; i < t.size(); i++) ASSERT_EQ(txt[2 * i], '0' + t[i]) << "pixel " << i;
}

}  // namespace
}  // namespace art
