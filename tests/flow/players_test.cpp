// players_test.cpp -- the players list: new names, its file, deleting, and unsafe names
#include "flow_fixture.h"

namespace hm {
namespace {

using Players = FlowTest;

TEST_F(Players, NamesAreStoredAsTypedEachEndedByATilde)
{
    EXPECT_EQ(create("abcdefghijklmnopqrstuvwx"), 1);
    EXPECT_EQ(read_file("pnames.txt"), "abcdefghijklmnopqrstuvwx~^");
    EXPECT_EQ(read_file("abcdefghijklmnopqrstuvwx.cha").size(), (size_t)SAVE_BYTES);
    EXPECT_STREQ(cnam, "abcdefghijklmnopqrstuvwx.cha");

    // Enter at once: the empty name, whose file is ".cha".
    EXPECT_EQ(create(""), 1);
    EXPECT_EQ(read_file("pnames.txt"), "abcdefghijklmnopqrstuvwx~~^");
    EXPECT_TRUE(exists(".cha"));
    EXPECT_FALSE(exists("pnames.txt.tmp"));
}

TEST_F(Players, AnExistingPlayerGetsASecondEntryAndNothingElse)
{
    ASSERT_EQ(create("Alba"), 1);
    std::string save = read_file("Alba.cha");
    j[gold] = 5;
    EXPECT_EQ(create("Alba"), 0);
    EXPECT_EQ(read_file("pnames.txt"), "Alba~Alba~^");
    EXPECT_EQ(read_file("Alba.cha"), save);
    EXPECT_FALSE(exists("Alba.cha.tmp"));

    // The two entries share the file: it goes with the last of them.
    EXPECT_EQ(delete_pnam(1), 1);
    EXPECT_EQ(read_file("pnames.txt"), "Alba~^");
    EXPECT_TRUE(exists("Alba.cha"));
    EXPECT_EQ(delete_pnam(0), 1);
    EXPECT_EQ(read_file("pnames.txt"), "^");
    EXPECT_FALSE(exists("Alba.cha"));
    // No player 0 any more: nothing happens.
    EXPECT_EQ(delete_pnam(0), 0);
    EXPECT_EQ(read_file("pnames.txt"), "^");
}

TEST_F(Players, DeletingOneOfSeveralKeepsTheOthersInOrder)
{
    ASSERT_EQ(create("a"), 1);
    ASSERT_EQ(create("bb"), 1);
    ASSERT_EQ(create("c"), 1);
    EXPECT_EQ(delete_pnam(1), 1);
    EXPECT_EQ(read_file("pnames.txt"), "a~c~^");
    EXPECT_FALSE(exists("bb.cha"));
    EXPECT_TRUE(exists("a.cha"));
    EXPECT_TRUE(exists("c.cha"));
    EXPECT_EQ(delete_pnam(5), 0);
    EXPECT_EQ(delete_pnam(-1), 0);
}

TEST_F(Players, AMissingListIsEmptyAndIsCreated)
{
    ASSERT_FALSE(exists("pnames.txt"));
    EXPECT_EQ(LorS_pnames(1), 0);
    EXPECT_EQ(list_text(), "^");
    EXPECT_EQ(read_file("pnames.txt"), "^");
}

TEST_F(Players, AListReadsUpToItsLastCompleteName)
{
    // No '^' at all, and far longer than the buffer.
    set_list(std::string(6000, 'x') + "~" + std::string(6000, 'y') + "~");
    EXPECT_EQ(list_text(), std::string(6000, 'x') + "~^");

    // Ten thousand characters without an end: nothing past the buffer is read or written.
    set_list(std::string(PNAMES_BYTES, 'z'));
    EXPECT_EQ(list_text(), "^");
    EXPECT_EQ(pname_at(0), -1);

    // Characters after the last '~' are no name; nothing after the '^' is read.
    set_list("one~two~thr^four~");
    EXPECT_EQ(list_text(), "one~two~^");
    EXPECT_EQ(pname_at(1), 4);
    EXPECT_EQ(pname_at(2), -1);
}

TEST_F(Players, AFullListRefusesTheNameAndWritesNothing)
{
    // Names up to offset 9,994: a name of n characters fits while 9,994 + n + 2
    // (its '~' and the '^') is at most 10,000.
    std::string full;
    for (int i = 0; full.size() < 9994; i++) full += "n" + std::to_string(i % 10) + "~";
    full.resize(9994);
    full.back() = '~';
    write_file("pnames.txt", full + "^");
    title_frame();
    EXPECT_FALSE(note_shown());
    EXPECT_EQ(create("abcde"), 0);
    EXPECT_EQ(read_file("pnames.txt"), full + "^");
    EXPECT_FALSE(exists("abcde.cha"));
    // The refusal is shown on the title.
    title_frame();
    EXPECT_TRUE(note_shown());

    // A name that just fits: its '^' is the buffer's last byte, and the list
    // reads back whole.
    EXPECT_EQ(create("abcd"), 1);
    EXPECT_EQ(read_file("pnames.txt"), full + "abcd~^");
    LorS_pnames(1);
    EXPECT_EQ(pname_copy(0, xnam), 2);
    char last[PNAME_MAX + 1];
    int k = 0;
    while (pname_at(k + 1) >= 0) k++;
    pname_copy(k, last);
    EXPECT_STREQ(last, "abcd");
    EXPECT_EQ(create("a"), 0);
}

TEST_F(Players, NamesThatAreNotFileNamesAreShownButNeverOpenedOrRemoved)
{
    // A save beside the game's directory, reachable by a hand-edited name.
    make_new_state();
    ASSERT_EQ(write_save("../victim.cha", 0), 0);
    std::string victim = read_file("../victim.cha");
    write_file("pnames.txt", "../victim~a\\b~tab\there~" + std::string(30, 'q') + "~ok~^");
    LorS_pnames(1);

    j[gold] = 777;
    for (int k = 0; k < 4; k++) {
        EXPECT_EQ(load_game(k), 0) << "name " << k;
        EXPECT_EQ(delete_pnam(k), -1) << "name " << k;
    }
    EXPECT_EQ(j[gold], 777);
    EXPECT_EQ(read_file("../victim.cha"), victim);
    EXPECT_EQ(read_file("pnames.txt"), "../victim~a\\b~tab\there~" + std::string(30, 'q') + "~ok~^");

    // A long name is shown cut to 24 characters.
    char shown[PNAME_MAX + 1];
    EXPECT_EQ(pname_copy(3, shown), 30);
    EXPECT_EQ(std::string(shown), std::string(24, 'q'));
    EXPECT_EQ(continue_game(0, 0), 4);

    // The editor's characters are all safe; '/', '\' and control characters are not.
    EXPECT_EQ(pname_safe("Alba Marsh-2.0", 14), 1);
    EXPECT_EQ(pname_safe("", 0), 1);
    EXPECT_EQ(pname_safe("a/b", 3), 0);
    EXPECT_EQ(pname_safe("\x01", 1), 0);
    EXPECT_EQ(pname_safe("\xc3\xa9", 2), 0);
}

}  // namespace
}  // namespace hm
