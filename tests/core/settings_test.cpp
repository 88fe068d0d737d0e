// settings_test.cpp -- the settings file: defaults, what is read, what is refused, where it lies
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/settings.h"

namespace hm {
namespace {

class Settings : public ::testing::Test {
protected:
    std::string dir;
    void SetUp() override
    {
        char tmpl[] = "/tmp/hm_settings_XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir = tmpl;
    }
    void TearDown() override
    {
        std::remove((dir + "/settings.cfg").c_str());
        rmdir((dir + "/settings.cfg").c_str());
        rmdir(dir.c_str());
        settings = default_settings();
    }
    int read(const std::string &text)
    {
        std::string file = dir + "/settings.cfg";
        FILE *out = std::fopen(file.c_str(), "w");
        std::fputs(text.c_str(), out);
        std::fclose(out);
        return read_settings(file.c_str());
    }
    static bool are_defaults()
    {
        game_settings d = default_settings();
        return settings.scale == d.scale && settings.fullscreen == d.fullscreen &&
               settings.music_volume == d.music_volume && settings.follow_camera == d.follow_camera;
    }
};

TEST_F(Settings, AbsentOrUnreadableMeansTheDefaults)
{
    settings.scale = 3;
    EXPECT_EQ(read_settings((dir + "/none.cfg").c_str()), -1);
    EXPECT_TRUE(are_defaults());
    // The camera stays put unless asked; the window fits the desktop; the music plays.
    EXPECT_EQ(settings.follow_camera, 0);
    EXPECT_EQ(settings.scale, 0);
    EXPECT_EQ(settings.music_volume, 255);
    ASSERT_EQ(mkdir((dir + "/settings.cfg").c_str(), 0755), 0);
    settings.fullscreen = 1;
    EXPECT_EQ(read_settings((dir + "/settings.cfg").c_str()), -1);
    EXPECT_TRUE(are_defaults());
}

TEST_F(Settings, GoodLinesAreTakenAndTheRestKeepTheirDefaults)
{
    EXPECT_EQ(read("# mine\n"
                   "scale = 2   # twice\n"
                   "  follow_camera=1\r\n"
                   "music_volume = 300\n"   // out of range
                   "fullscreen = yes\n"     // not a number
                   "colour = 5\n"           // not a setting
                   "= 4\n"
                   "scale\n"),
              0);
    EXPECT_EQ(settings.scale, 2);
    EXPECT_EQ(settings.follow_camera, 1);
    EXPECT_EQ(settings.music_volume, 255);
    EXPECT_EQ(settings.fullscreen, 0);
    read("music_volume = 0\nfullscreen = 1\nscale = 4\nscale = 1 2\n");
    EXPECT_EQ(settings.music_volume, 0);
    EXPECT_EQ(settings.fullscreen, 1);
    EXPECT_EQ(settings.scale, 0);
    // A second reading starts from the defaults again.
    read("");
    EXPECT_TRUE(are_defaults());
}

TEST_F(Settings, TheFileLiesInTheConfigurationDirectory)
{
    const char *keep_config = std::getenv("XDG_CONFIG_HOME");
    const char *keep_home = std::getenv("HOME");
    std::string old_config = keep_config ? keep_config : "", old_home = keep_home ? keep_home : "";
    setenv("XDG_CONFIG_HOME", "/srv/cfg", 1);
    EXPECT_EQ(settings_file(), "/srv/cfg/hollowmere/settings.cfg");
    setenv("HOME", "/home/wren", 1);
    setenv("XDG_CONFIG_HOME", "relative/cfg", 1);   // not absolute: ignored, as the standard says
    EXPECT_EQ(settings_file(), "/home/wren/.config/hollowmere/settings.cfg");
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(settings_file(), "/home/wren/.config/hollowmere/settings.cfg");
    if (keep_config) setenv("XDG_CONFIG_HOME", old_config.c_str(), 1);
    if (keep_home) setenv("HOME", old_home.c_str(), 1);
    else unsetenv("HOME");
}

}  // namespace
}  // namespace hm
