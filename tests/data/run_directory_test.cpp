// run_directory_test.cpp -- where an installed game runs, and numbered PNG screenshots
#include <gtest/gtest.h>
#include <png.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "../common/test_files.h"
#include "core/core.h"
#include "data/run_directory.h"
#include "data/screenshots.h"

namespace hm {
namespace {

class RunDirectory : public ::testing::Test, public test_files {
protected:
    std::string top, home;
    void SetUp() override
    {
        char tmpl[] = "/tmp/hm_rundir_XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        top = tmpl;
        char cwd[PATH_MAX];
        ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
        home = cwd;
        const char *d = std::getenv("XDG_DATA_HOME");
        kept_data = d ? d : "";
        had_data = d != nullptr;
        setenv("XDG_DATA_HOME", (top + "/xdg").c_str(), 1);
    }
    void TearDown() override
    {
        ASSERT_EQ(chdir(home.c_str()), 0);
        if (had_data) setenv("XDG_DATA_HOME", kept_data.c_str(), 1);
        else unsetenv("XDG_DATA_HOME");
        remove_tree(top);
    }
    void dir(const std::string &d) { ASSERT_EQ(system(("mkdir -p " + top + "/" + d).c_str()), 0); }
    void file(const std::string &f, const std::string &text = "x") { write_file(top + "/" + f, text); }
    bool is_link(const std::string &f)
    {
        struct stat st;
        return lstat((top + "/" + f).c_str(), &st) == 0 && S_ISLNK(st.st_mode);
    }
    bool there(const std::string &f) { return access((top + "/" + f).c_str(), F_OK) == 0; }
    std::string kept_data;
    bool had_data = false;
};

TEST_F(RunDirectory, TheContentIsLinkedAndThePlayersFilesAreTheirOwn)
{
    dir("share");
    for (const char *f : {"jpal.txt", "l4.txt", "bmp_data.dat", "m1.mid"}) file(std::string("share/") + f, f);
    for (const char *f : {"pnames.txt", "old.cha", "old.autosave", "pscr.bmp", "hollowmere-0001.png", "l4.txt.new"})
        file(std::string("share/") + f);
    dir("run");
    file("run/l98.txt", "edited");                                    // a level the editor wrote
    ASSERT_EQ(symlink((top + "/share/gone.txt").c_str(), (top + "/run/gone.txt").c_str()), 0);
    file("share/l98.txt", "shipped");

    ASSERT_EQ(link_content(top + "/share", top + "/run"), 0);
    for (const char *f : {"jpal.txt", "l4.txt", "bmp_data.dat", "m1.mid"}) {
        EXPECT_TRUE(is_link(std::string("run/") + f)) << f;
        EXPECT_EQ(read_file(top + "/run/" + f), f);
    }
    for (const char *f : {"pnames.txt", "old.cha", "old.autosave", "pscr.bmp", "hollowmere-0001.png", "l4.txt.new"})
        EXPECT_FALSE(there(std::string("run/") + f)) << f;
    EXPECT_EQ(read_file(top + "/run/l98.txt"), "edited");
    EXPECT_FALSE(is_link("run/gone.txt"));
    // Run again (a later start): nothing changes.
    ASSERT_EQ(link_content(top + "/share", top + "/run"), 0);
    EXPECT_EQ(read_file(top + "/run/l98.txt"), "edited");
}

TEST_F(RunDirectory, EachWayOfStartingTheGameFindsItsDirectory)
{
    dir("build/data");
    file("build/data/jpal.txt");
    dir("usr/bin");
    dir("usr/share/hollowmere");
    file("usr/share/hollowmere/jpal.txt");
    file("usr/share/hollowmere/l4.txt");
    dir("elsewhere");
    // In build/data, or as build/hollowmere from anywhere: build/data.
    EXPECT_EQ(choose_run_dir(top + "/build/hollowmere", top + "/build/data", ""), top + "/build/data");
    EXPECT_EQ(choose_run_dir(top + "/build/hollowmere", top + "/elsewhere", ""), top + "/build/data");
    // Installed, started from anywhere: the player's own directory, made and linked.
    EXPECT_EQ(choose_run_dir(top + "/usr/bin/hollowmere", top + "/elsewhere", ""), top + "/xdg/hollowmere");
    EXPECT_TRUE(is_link("xdg/hollowmere/l4.txt"));
    // Moved without its share/: the place it was built for.
    EXPECT_EQ(choose_run_dir(top + "/elsewhere/hollowmere", top + "/elsewhere", top + "/usr/share/hollowmere"),
              top + "/xdg/hollowmere");
    EXPECT_EQ(choose_run_dir(top + "/elsewhere/hollowmere", top + "/elsewhere", top + "/nowhere"), "");
    // Without XDG_DATA_HOME: under the home directory.
    unsetenv("XDG_DATA_HOME");
    const char *h = std::getenv("HOME");
    std::string kept = h ? h : "";
    setenv("HOME", (top + "/home").c_str(), 1);
    EXPECT_EQ(player_data_dir(), top + "/home/.local/share/hollowmere");
    if (h) setenv("HOME", kept.c_str(), 1);
}

// A PNG read back through libpng: w, h and RGB rows.
bool read_png(const std::string &name, int &w, int &h, std::vector<uint8_t> &rgb)
{
    png_image img{};
    img.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&img, name.c_str())) return false;
    img.format = PNG_FORMAT_RGB;
    rgb.resize(PNG_IMAGE_SIZE(img));
    w = (int)img.width;
    h = (int)img.height;
    return png_image_finish_read(&img, nullptr, rgb.data(), 0, nullptr) != 0;
}

TEST_F(RunDirectory, PWritesTheBitmapAndNumberedPngsOfTheScreen)
{
    dir("shots");
    ASSERT_EQ(chdir((top + "/shots").c_str()), 0);
    hl_reset();
    init_mem();
    for (int y = 0; y < SCR_H; y++)
        for (int x = 0; x < SCR_W; x++) plat_putpixel(x, y, plat_makecol(x % 256, y % 256, (x + y) % 256));
    p_scr();
    p_scr();
    delete_mem();
    EXPECT_TRUE(there("shots/pscr.bmp"));
    EXPECT_TRUE(there("shots/hollowmere-0001.png"));
    EXPECT_TRUE(there("shots/hollowmere-0002.png"));
    EXPECT_FALSE(there("shots/hollowmere-0001.png.tmp"));
    int w = 0, h = 0;
    std::vector<uint8_t> rgb;
    ASSERT_TRUE(read_png("hollowmere-0002.png", w, h, rgb));
    ASSERT_EQ(w, SCR_W);
    ASSERT_EQ(h, SCR_H);
    for (int y : {0, 1, 199, 399})
        for (int x : {0, 5, 320, 639}) {
            uint16_t c = plat_getpixel(x, y);
            const uint8_t *p = &rgb[(size_t)(y * SCR_W + x) * 3];
            EXPECT_EQ(p[0], plat_getr(c)) << x << "," << y;
            EXPECT_EQ(p[1], plat_getg(c)) << x << "," << y;
            EXPECT_EQ(p[2], plat_getb(c)) << x << "," << y;
        }
    // A number freed by the player is taken again first.
    std::remove("hollowmere-0001.png");
    EXPECT_EQ(next_shot_name("hollowmere"), "hollowmere-0001.png");
    // Where nothing can be written, nothing is left behind.
    EXPECT_EQ(write_png((top + "/no/such/dir/x.png").c_str(), 2, 2, 3, rgb.data()), -1);
}

}  // namespace
}  // namespace hm
