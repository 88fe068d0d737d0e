// tables_test.cpp -- the shaded colour table and the object-tile table
#include <sys/stat.h>

#include <cstring>

#include "data_fixture.h"

namespace hm {
namespace {

TEST_F(DataTest, ShadesDarkenRedAndGreenFasterThanBlue)
{
    // Palette index 255 of the game's palette is full white (63, 63, 63).
    EXPECT_EQ(jpal_buf[255], plat_makecol(252, 252, 252));
    EXPECT_EQ(jpal_buf[10 * 256 + 255], plat_makecol(212, 212, 222));
    EXPECT_EQ(jpal_buf[63 * 256 + 255], plat_makecol(0, 0, 63));
    // Past the 64 filled shades everything is black, never stale.
    for (int shade : {64, 100, 250, 255}) EXPECT_EQ(jpal_buf[shade * 256 + 17], plat_makecol(0, 0, 0));
}

TEST_F(DataTest, PaletteShiftIsClampedPerChannel)
{
    enter_scratch();
    std::string pal = "63 0 10\n";
    for (int i = 1; i < 256; i++) pal += "1 2 3\n";
    write_file("jpal.txt", pal);
    load_jpal(5, -5, 60);
    EXPECT_EQ(jpal_buf[0], plat_makecol(252, 0, 252));
    EXPECT_EQ(jpal_buf[1], plat_makecol(24, 0, 252));
    EXPECT_EQ(jpal_buf[2 * 256 + 1], plat_makecol(16, 0, 246));
}

TEST_F(DataTest, ObjectTilesSurviveSavingAndAFailedSaveKeepsTheOldTable)
{
    // The built table: cells without an object are passable.
    EXPECT_EQ(ls_tile[0].passable, 1);

    enter_scratch();
    ls_tile[5] = {1, -3, 2, -200, 1, 0};
    ls_tile[3999] = {0, 7, 40, 300, 2, 0};
    ASSERT_EQ(save_ls_tile(), 0);
    std::string saved = read_file("ls_tile.txt");
    EXPECT_EQ(saved.size(), 32000u);
    std::memset(ls_tile, 0xAB, sizeof(ls_tile_rec) * LS_TILE_COUNT);
    load_ls_tile();
    EXPECT_EQ(ls_tile[5].range_penalty, -3);
    EXPECT_EQ(ls_tile[5].light_str, -200);
    EXPECT_EQ(ls_tile[3999].gr_light, 40);
    EXPECT_EQ(ls_tile[0].passable, 1);

    // The new table cannot be written: the old one stays whole.
    ls_tile[5].passable = 0;
    ASSERT_EQ(mkdir("ls_tile.txt.tmp", 0755), 0);
    EXPECT_EQ(save_ls_tile(), -1);
    EXPECT_EQ(read_file("ls_tile.txt"), saved);
    rmdir("ls_tile.txt.tmp");

    // A cut table is not half used.
    write_file("ls_tile.txt", saved.substr(0, 1000));
    load_ls_tile();
    EXPECT_EQ(ls_tile[5].range_penalty, 0);
    EXPECT_EQ(ls_tile[0].passable, 0);
}

}  // namespace
}  // namespace hm
