// write_faults_test.cpp -- every file the game writes, with a failure injected at each
// step of the write: the old file stays byte for byte and no temporary is left
#include "data/replace_file.h"
#include "robust_fixture.h"

namespace hm {
namespace {

class WriteFaults : public Robust {
protected:
    // Writes once to have an old file, changes the state, then fails the write at
    // each step in turn; finally the write succeeds and the file changes.
    void each_step(const std::string &file, const std::function<int()> &write, const std::function<void()> &change)
    {
        ASSERT_EQ(write(), 0) << file;
        const std::string old = read_file(file);
        ASSERT_FALSE(old.empty()) << file;
        change();
        for (int step = WRITE_FAIL_OPEN; step < WRITE_STEPS; step++) {
            SCOPED_TRACE(file + " failing at step " + std::to_string(step));
            write_fault = step;
            EXPECT_NE(write(), 0);
            EXPECT_EQ(write_fault, WRITE_OK);   // the fault was met
            EXPECT_TRUE(read_file(file) == old);
            EXPECT_FALSE(exists(replace_temp(file.c_str())));
        }
        EXPECT_EQ(write(), 0);
        EXPECT_FALSE(read_file(file) == old);
        EXPECT_FALSE(exists(replace_temp(file.c_str())));
    }
};

TEST_F(WriteFaults, SavesAutosavesAndThePlayersList)
{
    ASSERT_EQ(create("Tam"), 1);
    make_level(1, 4, 26, 78);
    j[game_begun] = 150;
    begin_progress();
    each_step("Tam.cha", [] { return save_progress(); }, [] { j[gold] += 5; });
    each_step("Tam.autosave", [] { return write_save(autosave_file("Tam.cha").c_str(), 1); }, [] { j[gold] += 5; });
    each_step("pnames.txt", [] { return LorS_pnames(2); }, [] { add_pname("Ula"); });
}

TEST_F(WriteFaults, LevelsAndTheObjectTileTable)
{
    make_new_state();
    make_level(1, 4, 26, 78);
    unlink("l4.txt");   // the private copy is written, not the shipped one
    each_step("l4.txt", [] { return save_level(4); }, [] { gr[0] = (uint16_t)(gr[0] + 1); });
    unlink("ls_tile.txt");
    each_step("ls_tile.txt", [] { return save_ls_tile(); }, [] { ls_tile[5].passable ^= 1; });
}

}  // namespace
}  // namespace hm
