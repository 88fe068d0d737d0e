// web_glue_test.cpp -- the browser backend's key names and the player's files it keeps for the page
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "../common/test_files.h"
#include "platform/platform.h"
#include "platform/save_mirror.h"
#include "platform/web_keys.h"

namespace hm {
namespace {

TEST(WebKeys, PhysicalKeyNamesGiveTheGamesCodes)
{
    EXPECT_EQ(key_from_dom_code("KeyA"), K_A);
    EXPECT_EQ(key_from_dom_code("KeyZ"), K_Z);
    EXPECT_EQ(key_from_dom_code("Digit0"), K_0);
    EXPECT_EQ(key_from_dom_code("Digit9"), K_9);
    EXPECT_EQ(key_from_dom_code("Numpad0"), K_0_PAD);
    EXPECT_EQ(key_from_dom_code("Numpad9"), K_9_PAD);
    EXPECT_EQ(key_from_dom_code("F1"), K_F1);
    EXPECT_EQ(key_from_dom_code("F12"), K_F12);
    EXPECT_EQ(key_from_dom_code("Enter"), K_ENTER);
    EXPECT_EQ(key_from_dom_code("NumpadEnter"), K_ENTER_PAD);
    EXPECT_EQ(key_from_dom_code("Escape"), K_ESC);
    EXPECT_EQ(key_from_dom_code("Backspace"), K_BACKSPACE);
    EXPECT_EQ(key_from_dom_code("Space"), K_SPACE);
    EXPECT_EQ(key_from_dom_code("Period"), K_STOP);
    EXPECT_EQ(key_from_dom_code("Minus"), K_MINUS);
    EXPECT_EQ(key_from_dom_code("ArrowLeft"), K_LEFT);
    EXPECT_EQ(key_from_dom_code("ArrowDown"), K_DOWN);
    EXPECT_EQ(key_from_dom_code("ShiftRight"), K_RSHIFT);
    EXPECT_EQ(key_from_dom_code("CapsLock"), K_CAPSLOCK);
}

TEST(WebKeys, KeysTheGameDoesNotKnowAreNone)
{
    for (const char *code : {"", "Key", "KeyAB", "Keya", "Digit", "Digit10", "Numpad10", "F0", "F13", "F1x",
                             "Lang1", "MediaPlayPause", "Fn"})
        EXPECT_EQ(key_from_dom_code(code), 0) << code;
    EXPECT_EQ(key_from_dom_code(nullptr), 0);
}

class SaveMirror : public ::testing::Test, public test_files {
protected:
    std::string top, run, keep;
    void SetUp() override
    {
        char tmpl[] = "/tmp/hm_mirror_XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        top = tmpl;
        run = top + "/run";
        keep = top + "/keep";
        ASSERT_EQ(system(("mkdir -p " + run + " " + keep).c_str()), 0);
    }
    void TearDown() override
    {
        remove_tree(run);
        remove_tree(keep);
        remove_tree(top);
    }
    bool kept(const std::string &f) { return access((keep + "/" + f).c_str(), F_OK) == 0; }
};

TEST_F(SaveMirror, OnlyThePlayersFinishedFilesAreKept)
{
    write_file(run + "/jpal.txt", "content");
    write_file(run + "/pnames.txt", "Ada\n");
    write_file(run + "/ada.cha", "save");
    write_file(run + "/hollowmere-0001.png", "shot");
    write_file(run + "/ada.cha.tmp", "half a save");
    save_mirror m(run, keep);
    EXPECT_EQ(m.restore(), 0);
    // Files present at start (the content brought none of the player's here) count as new.
    EXPECT_EQ(m.update(), 3);
    EXPECT_EQ(read_file(keep + "/pnames.txt"), "Ada\n");
    EXPECT_EQ(read_file(keep + "/ada.cha"), "save");
    EXPECT_TRUE(kept("hollowmere-0001.png"));
    EXPECT_FALSE(kept("jpal.txt"));
    EXPECT_FALSE(kept("ada.cha.tmp"));
    EXPECT_EQ(m.update(), 0);
}

TEST_F(SaveMirror, ChangesAndRemovalsFollowAndAReloadGetsThemBack)
{
    save_mirror m(run, keep);
    m.restore();
    write_file(run + "/pnames.txt", "Ada\n");
    write_file(run + "/ada.cha", "level one");
    EXPECT_EQ(m.update(), 2);
    write_file(run + "/ada.cha", "level two, further on");
    EXPECT_EQ(m.update(), 1);
    EXPECT_EQ(read_file(keep + "/ada.cha"), "level two, further on");
    ASSERT_EQ(std::remove((run + "/pnames.txt").c_str()), 0);
    EXPECT_EQ(m.update(), 1);
    EXPECT_FALSE(kept("pnames.txt"));

    // The page is loaded again: a fresh run directory, the kept files come back
    // over whatever the content had of the same name, and are not copied again.
    remove_tree(run);
    ASSERT_EQ(system(("mkdir -p " + run).c_str()), 0);
    write_file(run + "/ada.cha", "stale");
    save_mirror again(run, keep);
    EXPECT_EQ(again.restore(), 1);
    EXPECT_EQ(read_file(run + "/ada.cha"), "level two, further on");
    EXPECT_EQ(again.update(), 0);
}

TEST_F(SaveMirror, AFailedCopyIsTriedAgain)
{
    save_mirror m(run, keep);
    m.restore();
    write_file(run + "/ada.cha", "save");
    remove_tree(keep);   // the kept directory is gone: nothing can be copied
    EXPECT_EQ(m.update(), -1);
    ASSERT_EQ(system(("mkdir -p " + keep).c_str()), 0);
    EXPECT_EQ(m.update(), 1);
    EXPECT_EQ(read_file(keep + "/ada.cha"), "save");
}

}  // namespace
}  // namespace hm
