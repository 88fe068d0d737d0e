// players_test.cpp -- the players list: new names, its file, deleting, and unsafe names
#include "flow_fixture.h"

namespace hm {
namespace {

class Players : public FlowTest {
protected:
    // Typing the name makes no player: the list stays as it was and a note says why.
    void expect_refused(const std::string &name)
    {
        const std::string list = read_file("pnames.txt");
        title_note(-1);
        EXPECT_EQ(create(name), 0) << "'" << name << "'";
        EXPECT_EQ(read_file("pnames.txt"), list) << "'" << name << "'";
        title_frame();
        EXPECT_TRUE(note_shown()) << "'" << name << "'";
    }
};

TEST_F(Players, NamesAreStoredAsTypedEachEndedByATilde)
{
    EXPECT_EQ(create("abcdefghijklmnopqrstuvwx"), 1);
    EXPECT_EQ(read_file("pnames.txt"), "abcdefghijklmnopqrstuvwx~^");
    EXPECT_EQ(read_file("abcdefghijklmnopqrstuvwx.cha").size(), (size_t)SAVE_BYTES);
    EXPECT_STREQ(cnam, "abcdefghijklmnopqrstuvwx.cha");
    EXPECT_FALSE(exists("pnames.txt.tmp"));
}

// Names that would make a blank row or a hidden file are refused with the note,
// and nothing is written: not the list, not a save.
TEST_F(Players, EmptyBlankAndDotNamesAreRefusedAndWriteNothing)
{
    ASSERT_EQ(create("Alba"), 1);
    for (const char *bad : {"", "   ", ".", ".hidden", "...x"}) expect_refused(bad);
    EXPECT_FALSE(exists(".cha") || exists("   .cha") || exists("..cha") || exists(".hidden.cha") ||
                 exists("....x.cha"));
    // A dot later in the name is an ordinary character.
    EXPECT_EQ(create("a.b"), 1);
    EXPECT_EQ(read_file("pnames.txt"), "Alba~a.b~^");
    EXPECT_TRUE(exists("a.b.cha"));
}

TEST_F(Players, AnExistingPlayerIsRefusedAndTheListKeepsOneEntry)
{
    ASSERT_EQ(create("Alba"), 1);
    ASSERT_EQ(create("bb"), 1);
    std::string save = read_file("Alba.cha");
    j[gold] = 555;
    expect_refused("Alba");
    EXPECT_EQ(read_file("pnames.txt"), "Alba~bb~^");
    EXPECT_EQ(read_file("Alba.cha"), save);
    EXPECT_EQ(j[gold], 555) << "a refused name leaves the game as it was";
    // A listed name whose file was removed by hand gets its file again, still one row.
    ASSERT_EQ(std::remove("bb.cha"), 0);
    EXPECT_EQ(create("bb"), 1);
    EXPECT_EQ(read_file("pnames.txt"), "Alba~bb~^");
    EXPECT_TRUE(exists("bb.cha"));
}

// Lists written before names were refused may hold a name twice: the file goes
// with the last entry of its name.
TEST_F(Players, DeletingOneOfTwoEntriesOfANameKeepsTheirFile)
{
    ASSERT_EQ(create("Alba"), 1);
    ASSERT_EQ(create("bb"), 1);
    set_list("Alba~bb~Alba~^");
    EXPECT_EQ(delete_pnam(0), 1);
    EXPECT_EQ(read_file("pnames.txt"), "bb~Alba~^");
    EXPECT_TRUE(exists("Alba.cha"));
    EXPECT_STREQ(cnam, "Alba.cha");   // the deleted player's file name, kept or not
    EXPECT_EQ(delete_pnam(0), 1);
    EXPECT_STREQ(cnam, "bb.cha");
    EXPECT_EQ(delete_pnam(0), 1);
    EXPECT_EQ(read_file("pnames.txt"), "^");
    EXPECT_FALSE(exists("Alba.cha") || exists("bb.cha"));
    EXPECT_EQ(delete_pnam(0), 0);
}

// Escape in the name box: back on the title's main menu, no player made.
TEST_F(Players, EscapeInTheNameBoxGoesBackToTheTitle)
{
    write_file("pnames.txt", "^");
    script("type Brann\nkey ESC tap\nframes 5\n");
    int r = frame_at(300, 212, true);
    if (r == 0) r = frame_at(300, 212, false);
    hl_set_frame_hook(nullptr);
    EXPECT_EQ(r, 0);
    EXPECT_EQ(title_screen, TITLE_MENU);
    EXPECT_EQ(read_file("pnames.txt"), "^");
    EXPECT_FALSE(exists("Brann.cha"));
    // The title goes on: Escape there now quits, as on any title.
    EXPECT_EQ(tap(K_ESC), -1);
}

TEST_F(Players, TheListFileIsReadUpToItsLastCompleteName)
{
    EXPECT_EQ(LorS_pnames(1), 0);   // missing: empty, and made
    EXPECT_EQ(read_file("pnames.txt"), "^");
    set_list(std::string(6000, 'x') + "~" + std::string(6000, 'y') + "~");
    EXPECT_EQ(list_text(), std::string(6000, 'x') + "~^");
    set_list(std::string(PNAMES_BYTES, 'z'));
    EXPECT_EQ(list_text(), "^");
    set_list("one~two~thr^four~");
    EXPECT_EQ(list_text(), "one~two~^");
    EXPECT_EQ(pname_at(1), 4);
    EXPECT_EQ(pname_at(2), -1);
}

TEST_F(Players, AFullListRefusesANameVisiblyAndWritesNothing)
{
    // Names up to offset 9,994: n more characters fit while 9,994 + n + 2 <= 10,000.
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
    title_frame();
    EXPECT_TRUE(note_shown());
    // The name that just fits reads back whole, its '^' the buffer's last byte.
    EXPECT_EQ(create("abcd"), 1);
    LorS_pnames(1);
    EXPECT_EQ(list_text(), full + "abcd~^");
    EXPECT_EQ(create("a"), 0);
}

TEST_F(Players, NamesThatAreNotFileNamesAreShownButNeverOpenedOrRemoved)
{
    make_new_state();
    ASSERT_EQ(write_save("../victim.cha", 0), 0);
    const std::string victim = read_file("../victim.cha");
    const std::string list = "../victim~a\\b~tab\there~" + std::string(30, 'q') + "~ok~^";
    set_list(list);
    j[gold] = 777;
    for (int k = 0; k < 4; k++) {
        EXPECT_EQ(load_game(k), 0) << "name " << k;
        EXPECT_EQ(delete_pnam(k), -1) << "name " << k;
    }
    EXPECT_EQ(j[gold], 777);
    EXPECT_EQ(read_file("../victim.cha"), victim);
    EXPECT_EQ(read_file("pnames.txt"), list);
    // A long name is drawn cut to 24 characters.
    EXPECT_EQ(pname_copy(3, xnam), 30);
    EXPECT_EQ(std::string(xnam), std::string(24, 'q'));
    EXPECT_EQ(continue_game(0, 0), 4);
    EXPECT_EQ(pname_safe("Alba Marsh-2.0", 14), 1);
    EXPECT_EQ(pname_safe("\xc3\xa9", 2), 0);
}

}  // namespace
}  // namespace hm
